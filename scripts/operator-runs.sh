#!/usr/bin/env bash
# The main job as an operator does it, for every receiver model at the virtual receiver's
# defaults (its sample database in a 384-block flash region, full speed), one receiver for the
# whole job: store the model's policy, receive (opened as the model's receive dialog does: D, E
# and default wait for the receiver), check, convert to a workbook and back, send with verify,
# and compare what the receiver stored with what was sent, byte for byte. operator-runs.sh BIN_DIR
set -euo pipefail
bin=$(cd "$1" && pwd)
cli=$bin/chanforge-cli
stbsim=$bin/chanforge-stbsim
work=$(mktemp -d)
sim_pid=
trap '[ -z "$sim_pid" ] || kill "$sim_pid" 2>/dev/null; rm -rf "$work"' EXIT
. "$(dirname "$0")/../cli/tests/testlib.sh"
fail() { echo "FAIL: model $model: $*" >&2; exit 1; }
finish_sim() {
  wait "$sim_pid" || fail "the receiver saw an incomplete conversation: $(cat "$work/sim.err")"
  sim_pid=
}
# step NAME CMD...: runs the command, failing the run with its output if it fails
step() {
  local name=$1; shift
  "$@" >"$work/out" 2>"$work/err" || fail "$name: $(cat "$work/err" "$work/out" | head -c 2000)"
}
image() { tail -c +87 "$1"; } # a channel file without its header

for model in A B C D E default; do
  started=${EPOCHREALTIME/./}
  dir=$work/$model
  mkdir -p "$dir"
  step "policy set" "$cli" policy set "$model"

  wait_flag=
  case $model in D | E | default) wait_flag=--wait ;; esac
  start_sim --model "$model" --sessions 3 --store "$dir/stored.bin"
  step receive "$cli" receive --port "$sim_port" $wait_flag -o "$dir/received.bin"
  [ "$(stat -c %s "$dir/received.bin")" -ge $((86 + 384 * 1024)) ] || fail "received a short image"

  step check "$cli" check "$dir/received.bin"
  step "convert to a workbook" "$cli" convert "$dir/received.bin" -o "$dir/channels.xls"
  step "convert back" "$cli" convert "$dir/received.bin" "$dir/channels.xls" -o "$dir/back.bin"
  cmp -s "$dir/received.bin" "$dir/back.bin" || fail "the workbook round trip changed the database"

  step "send --verify" "$cli" send --port "$sim_port" --verify "$dir/back.bin"
  grep -qx Verified "$work/out" || fail "send --verify did not verify: $(cat "$work/out")"
  finish_sim
  cmp -s <(image "$dir/stored.bin") <(image "$dir/back.bin") ||
    fail "the receiver stored other bytes than were sent"
  elapsed_ms=$(( (${EPOCHREALTIME/./} - started) / 1000 ))
  printf 'model %-7s received, checked, converted, sent and verified in %d ms\n' "$model" "$elapsed_ms"
done
echo "Operator runs passed for every model."
