#!/usr/bin/env bash
# Receive and send through chanforge-cli against the virtual receiver at its defaults:
# transfer_test.sh CASE CLI STBSIM SAMPLES WORKDIR
set -u
case_name=$1 cli=$2 stbsim=$3 samples=$4 work=$5
. "$(dirname "$0")/testlib.sh"

size() { stat -c %s "$1"; }
# Blocks of a model's database: what its flash image fills.
image_blocks() { echo $(( ($(size "$samples/model-$1.bin") - 86 + 1023) / 1024 )); }

case $case_name in
short-announcements)
  # Fewer blocks than the database fills: the bytes arrive whole but do not open, and the
  # output stays the file it was.
  for m in A D E; do # D fills 368 blocks: 367 of them are announced last
    blocks=$(image_blocks "$m")
    for announced in 1 10 $((blocks - 1)); do
      printf 'previous database' >"$work/kept.bin"
      start_sim --model "$m" --sessions 1 --announce-blocks "$announced"
      expect 1 "$cli" --model "$m" receive --port "$sim_port" -o "$work/kept.bin"
      stop_sim
      contains "$work/err" "The received data is not a database of this model"
      ! grep -q "Received all data completely" "$work/err" || fail "$m/$announced: said complete"
      [ "$(cat "$work/kept.bin")" = "previous database" ] || fail "$m/$announced: output replaced"
      [ "$(ls -A "$work" | grep -c kept)" = 1 ] || fail "$m/$announced: stray files: $(ls -A "$work")"
    done
  done
  ;;
send-verify)
  # One receiver at its defaults serves a receive, a send and the read-back, as an operator
  # meets it; the receive opens as the model's receive dialog does (D, E and default wait).
  for m in A B C D E default; do
    wait_flag=
    case $m in D | E | default) wait_flag=--wait ;; esac
    start_sim --model "$m" --sessions 3 --store "$work/stored.bin"
    expect 0 "$cli" --model "$m" receive --port "$sim_port" $wait_flag --timeout 10 -o "$work/received.bin"
    expect 0 "$cli" --model "$m" send --port "$sim_port" --verify --timeout 10 "$samples/model-$m.bin"
    contains "$work/out" "Verified"
    wait "$sim_pid" || fail "$m: the receiver saw an incomplete conversation: $(cat "$work/sim.err")"
    cmp -s <(tail -c +87 "$work/stored.bin") <(tail -c +87 "$samples/model-$m.bin") ||
      fail "$m: the receiver stored other bytes than were sent"
  done
  # A flash cell in the name of the first channel that does not take what it was sent.
  start_sim --model D --sessions 2 --store-corrupt-block 48 --store-corrupt-offset 24
  expect 1 "$cli" --model D send --port "$sim_port" --verify "$samples/model-D.bin"
  stop_sim
  contains "$work/out" "Das Erste"
  contains "$work/err" "The receiver holds a database that differs from the one sent"
  # Flash cells that no table reads: the tables agree, the bytes do not.
  for at in 300:512 2:900; do
    start_sim --model D --sessions 2 --store-corrupt-block "${at%:*}" --store-corrupt-offset "${at#*:}"
    expect 1 "$cli" --model D send --port "$sim_port" --verify "$samples/model-D.bin"
    stop_sim
    ! grep -q Verified "$work/out" || fail "block ${at%:*}: verified"
    contains "$work/err" "The receiver holds 1 byte that differs from what was sent, in block ${at%:*}"
  done
  ;;
fleet)
  # Several receivers at once, the last storing a damaged byte: the good ones verify, the
  # report and the JSON lines say which one did not, and the exit status says not all did.
  start_sims() { # start_sims ARGS-OF-THE-LAST...: three receivers of model D; sets pids, ports
    local last=("$@") faults
    pids=() ports=()
    for i in 1 2 3; do
      faults=()
      [ "$i" = 3 ] && faults=("${last[@]}")
      "$stbsim" --model D --sessions 2 "${faults[@]}" >"$work/sim$i.out" 2>"$work/sim$i.err" &
      pids+=($!)
      for _ in $(seq 200); do [ -s "$work/sim$i.out" ] && break; sleep 0.05; done
      ports+=(--port "$(head -n 1 "$work/sim$i.out")")
    done
  }
  start_sims --store-corrupt-block 300
  expect 1 "$cli" --model D send "${ports[@]}" --verify --json --report "$work/report.csv" "$samples/model-D.bin"
  kill "${pids[@]}" 2>/dev/null; wait 2>/dev/null
  python3 - "$work/out" "$work/report.csv" "${ports[5]}" <<'PY' || fail "report: $(cat "$work/out")"
import csv, json, sys
ends = [j for j in map(json.loads, open(sys.argv[1])) if "result" in j]
rows = list(csv.DictReader(open(sys.argv[2], newline="")))
faulty = sys.argv[3]
for found in ({e["port"]: (e["result"], e["reason"]) for e in ends},
              {r["Port"]: (r["Result"], r["Reason"]) for r in rows}):
    assert len(found) == 3, found
    assert found.pop(faulty) == ("failed", "The receiver holds 1 byte that differs from what was sent, in block 300"), found
    assert all(result == ("verified", "") for result in found.values()), found
PY
  # All good: exit 0, a line per receiver.
  start_sims
  expect 0 "$cli" --model D send "${ports[@]}" --verify "$samples/model-D.bin"
  kill "${pids[@]}" 2>/dev/null; wait 2>/dev/null
  [ "$(grep -c ': verified (' "$work/out")" = 3 ] || fail "not three verified: $(cat "$work/out")"
  # One port named twice is refused before anything is opened.
  expect 2 "$cli" --model D send "${ports[@]:0:2}" "${ports[@]:0:2}" "$samples/model-D.bin"
  contains "$work/err" "is given twice"
  ;;
*)
  fail "unknown case $case_name"
  ;;
esac
echo "ok $case_name"
