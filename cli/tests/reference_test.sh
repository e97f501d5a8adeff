#!/usr/bin/env bash
# apply-reference and convert --to-model on the generated samples: reference_test.sh CASE CLI
# SAMPLES WORKDIR. Each case checks outputs, exit statuses and what was written.
set -u
case_name=$1 cli=$2 samples=$3 work=$4
. "$(dirname "$0")/testlib.sh"

case $case_name in
apply-reference)
  mine=$samples/model-D.bin
  # A text list of the TV channels in reverse order, with a line that is none.
  expect 0 "$cli" --model D dump --json "$mine"
  python3 - "$work/out" "$work/list.txt" <<'PY'
import json, sys
doc = json.load(open(sys.argv[1], encoding="utf-8"))
tv = [c for c in doc["tables"]["channels"] if c["Attributes"] & 0x400]
tv.sort(key=lambda c: -c["ProgramNum"])
with open(sys.argv[2], "w", encoding="latin-1") as f:
    for n, c in enumerate(tv, 1):
        f.write("%d;%s;0-0-%d\r\n" % (n, c["Name"], c["ServiceID"]))
    f.write("not a channel\r\n")
PY
  expect 0 "$cli" --model D apply-reference "$work/list.txt" "$mine" -o "$work/dry.bin" --dry-run --json
  [ ! -e "$work/dry.bin" ] || fail "--dry-run wrote"
  contains "$work/err" "list.txt: line "
  python3 - "$work/out" <<'PY' || exit 1
import json, sys
plan = json.load(open(sys.argv[1], encoding="utf-8"))
entries = plan["entries"]
assert entries and all(e["method"] == "name" and e["uncertain"] for e in entries), entries[:3]
assert [e["after"]["number"] for e in entries] == list(range(1, len(entries) + 1))
assert len(plan["unreadLines"]) == 1, plan["unreadLines"]
assert all(u["kind"] == "radio" for u in plan["unmatched"]), plan["unmatched"]
PY
  expect 0 "$cli" --model D apply-reference "$work/list.txt" "$mine" -o "$work/reversed.bin" --unmatched delete
  contains "$work/out" " matched ("
  expect 0 "$cli" --model D dump --json "$work/reversed.bin"
  python3 - "$work/out" "$work/list.txt" <<'PY' || exit 1
import json, sys
doc = json.load(open(sys.argv[1], encoding="utf-8"))
names = [l.split(";")[1] for l in open(sys.argv[2], encoding="latin-1").read().splitlines() if l.count(";") == 2]
got = sorted(doc["tables"]["channels"], key=lambda c: c["ProgramNum"])
assert [c["Name"] for c in got] == names, ([c["Name"] for c in got], names)
PY
  expect 0 "$cli" --model D check "$work/reversed.bin"
  # Another model's database: every channel by its carrier.
  expect 0 "$cli" --model D apply-reference --ref-model A "$samples/model-A.bin" "$mine" -o "$work/a.bin" --dry-run --json
  python3 -c 'import json,sys; e=json.load(open(sys.argv[1]))["entries"]; assert e and all(x["method"] == "carrier" for x in e), e' "$work/out" || fail "not all by carrier"
  # Failures write nothing and leave OUT as it was.
  cp "$mine" "$work/keep.bin"
  printf 'nothing here\n' >"$work/bad.txt"
  expect 1 "$cli" --model D apply-reference "$work/bad.txt" "$mine" -o "$work/keep.bin"
  contains "$work/err" "The reference list holds no channels"
  contains "$work/err" "line 1"
  expect 1 "$cli" --model D apply-reference "$work/missing.txt" "$mine" -o "$work/keep.bin"
  expect 1 "$cli" --model D apply-reference "$work/list.txt" "$mine" -o "$work/keep.bin" --start 65530
  cmp -s "$mine" "$work/keep.bin" || fail "a failed apply changed OUT"
  expect 2 "$cli" --model D apply-reference "$work/list.txt" "$mine" -o "$work/x.bin" --unmatched drop
  ;;
convert-to-model)
  # Every pair is the library's test; here the command's two outcomes. B's terrestrial side has
  # no place on D: refused by name and nothing written, unless the extra is dropped.
  expect 1 "$cli" --model B convert "$samples/model-B.bin" -o "$work/B-D.bin" --to-model D
  contains "$work/err" "would lose:"
  [ ! -e "$work/B-D.bin" ] || fail "B -> D refused but wrote"
  expect 0 "$cli" --model B convert "$samples/model-B.bin" -o "$work/B-D.bin" --to-model D --drop-extra
  contains "$work/err" "dropped:"
  expect 0 "$cli" --model D check "$work/B-D.bin"
  expect 0 "$cli" --model D convert "$samples/model-D.bin" -o "$work/D-A.bin" --to-model A
  expect 0 "$cli" --model A check "$work/D-A.bin"
  [ ! -s "$work/out" ] || fail "D -> A: check finds $(cat "$work/out")"
  expect 0 "$cli" --model A dump "$work/D-A.bin"
  contains "$work/out" "Das Erste"
  expect 2 "$cli" --model D convert "$samples/model-D.bin" -o "$work/x.xls" --to-model A
  expect 2 "$cli" --model D convert "$samples/model-D.bin" -o "$work/x.bin" --to-model Z
  ;;
*)
  fail "unknown case $case_name"
  ;;
esac
echo "ok $case_name"
