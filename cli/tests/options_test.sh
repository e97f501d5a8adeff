#!/usr/bin/env bash
# Each option of the command line run with and without it: the difference it promises.
# options_test.sh CASE CLI SAMPLES WORKDIR
set -u
case_name=$1 cli=$2 samples=$3 work=$4
. "$(dirname "$0")/testlib.sh"
d=$samples/model-D.bin


case $case_name in
reference)
  # "Erstes Deutsches" is one byte longer than model D's name slot; ZDF stands at 5.
  printf '1;Erstes Deutsches;1-1101-28106\n5;ZDF;0-0-0\n' >"$work/ref.txt"
  run() { expect "$1" "$cli" --model D apply-reference "$work/ref.txt" "$d" -o "$work/o.bin" "${@:2}"; }
  run 0
  contains "$work/out" '"Das Erste" 1 -> 1'
  contains "$work/out" '"ZDF" 2 -> 2'
  ! grep -q renamed "$work/out" || fail "renamed without --names"
  run 1 --names
  contains "$work/out" "name too long for this receiver"
  run 0 --names --cut-names
  contains "$work/out" 'renamed "Das Erste" -> "Erstes Deutsche"'
  run 0 --keep-gaps
  contains "$work/out" '"ZDF" 2 -> 5'
  run 0 --start 100
  contains "$work/out" '"Das Erste" 1 -> 100'
  contains "$work/out" '"ZDF" 2 -> 101'
  ;;
export)
  for sort in number:'TV,1,Das Erste' name:'TV,3,3sat'; do
    expect 0 "$cli" --model D export "$d" -o "$work/l.csv" --format csv --columns number,name \
      --sort "${sort%%:*}"
    second=$(sed -n 2p "$work/l.csv" | tr -d '\r')
    [ "$second" = "${sort#*:}" ] || fail "--sort ${sort%%:*}: $second"
  done
  ;;
serial)
  # What each option sets on the line, seen from the far end of a pseudo-terminal.
  probe() {
    rm -f "$work/line"
    /usr/bin/python3 "$(dirname "$0")/line_probe.py" 2 >"$work/line" &
    local probe_pid=$!
    for _ in $(seq 100); do [ -s "$work/line" ] && break; sleep 0.05; done
    expect "$1" "$cli" receive --port "$(head -n 1 "$work/line")" -o "$work/r.bin" --timeout 1 "${@:2}"
    wait "$probe_pid"
    seen=$(tail -n 1 "$work/line")
  }
  probe 1
  contains "$work/err" "No reply from the receiver for 1 seconds"
  [[ $seen == "speed=115200 bits=8 stop=1 bytes="[1-9]* ]] || fail "defaults: $seen"
  probe 1 --baud 9600 --stop-bits 2
  [[ $seen == "speed=9600 bits=8 stop=2 "* ]] || fail "--baud 9600 --stop-bits 2: $seen"
  probe 1 --wait
  [[ $seen == *" bytes=0" ]] || fail "--wait sent the host's code: $seen"
  # A pseudo-terminal holds 8 data bits and no parity only: the refusal is said, not blank.
  for option in "--data-bits 7" "--parity 2"; do
    probe 1 $option
    contains "$work/err" "Cannot open serial port "
  done
  ;;
esac
