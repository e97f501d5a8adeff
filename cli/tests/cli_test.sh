#!/usr/bin/env bash
# One command-line scenario per call: cli_test.sh CASE CLI SAMPLES WORKDIR
# Each case runs chanforge-cli on the generated samples and checks output and exit status.
set -u
case_name=$1 cli=$2 samples=$3 work=$4
. "$(dirname "$0")/testlib.sh"

case $case_name in
models)
  expect 0 "$cli" models
  for m in A B C D E default; do contains "$work/out" "$m "; done
  contains "$work/out" "Model E Combo(Satellite+Terrestrial)"
  ;;
usage)
  expect 2 "$cli"
  expect 2 "$cli" dump
  expect 2 "$cli" --model Z models
  expect 2 "$cli" frobnicate
  expect 0 "$cli" --help
  expect 0 "$cli" --version
  contains "$work/out" "chanforge-cli"
  ;;
dump-every-model)
  for m in A B C D E default; do
    expect 0 "$cli" --model "$m" dump "$samples/model-$m.bin"
    contains "$work/out" "Das Erste"
    contains "$work/out" "Channels: "
  done
  expect 0 "$cli" --model B dump "$samples/model-B.bin"
  contains "$work/out" "terrestrial multiplex, RF channel 23"
  ;;
dump-json)
  expect 0 "$cli" --model B dump --json "$samples/model-B.bin"
  python3 - "$work/out" <<'PY' || exit 1
import json, sys
doc = json.load(open(sys.argv[1], encoding="utf-8"), object_pairs_hook=lambda p: p)
top = [k for k, _ in doc]
assert top == ["policy", "header", "document", "tables"], top
d = {k: v for k, v in doc}
tables = d["tables"]
assert [k for k, _ in tables] == ["satellites", "terrestrial_muxes", "cable_muxes", "providers",
                                  "transponders", "channels", "favorites"], tables
t = {k: v for k, v in tables}
policy = dict(d["policy"])
assert policy["ProductList"] == 4 and policy["ProductType"] == 11, policy
header = dict(d["header"])
assert header["versionFile"] is False and len(header["info"]) == 160, header
assert [k for k, _ in t["satellites"][0]][0] == "RowID"
standin, sat = dict(t["satellites"][0]), dict(t["satellites"][1])
assert standin["SatID"] == 1 and standin["Name"] == "Terrestrial", standin
assert len(sat["Tuner"]) == 2 and dict(sat["Tuner"][1])["LowFrequency"] == 9750, sat
ch = dict(t["channels"][0])
assert len(ch["FavoriteSlot"]) == 32 and ch["Name"] == "Das Erste", ch
# The sample's first service as broadcast: each number under its own key.
assert (ch["ServiceID"], ch["VideoPID"], ch["AudioPID"], ch["PCRPID"]) == (28106, 101, 102, 101), ch
muxes = [r for r in t["transponders"] if dict(r).get("SatID") == 1]
assert muxes and [k for k, _ in muxes[0]] == \
    ["RowID", "MuxParams", "Word1", "Byte6", "MuxNameIndex", "Byte12", "Byte13", "SatID", "TPID"]
rows = [dict(r)["RowID"] for r in t["channels"]]
assert rows == sorted(rows), rows
PY
  ;;
convert-version-file)
  expect 0 "$cli" --model default convert "$samples/model-default-version.bin" -o "$work/copy.bin"
  head -c 4 "$work/copy.bin" | grep -q RIXA || fail "the copy is not a version file"
  cmp -s "$samples/model-default-version.bin" "$work/copy.bin" || fail "unchanged database, changed bytes"
  expect 0 "$cli" --model default convert "$samples/model-default.bin" -o "$work/plain.bin"
  cmp -s "$samples/model-default.bin" "$work/plain.bin" || fail "channel file changed on convert"
  ;;
export-c)
  expect 0 "$cli" --model D export-c "$samples/model-D.bin" -o "$work/table.h"
  contains "$work/table.h" "const SSVC_INFO virtual_flash_svc[] = {"
  contains "$work/table.h" '"Das Erste"'
  contains "$work/table.h" "////Total Svc Channel Count = 27"
  ;;
new-opens)
  for m in A B C D E default; do
    expect 0 "$cli" --model "$m" new -o "$work/blank-$m.bin"
    expect 0 "$cli" --model "$m" dump "$work/blank-$m.bin"
    contains "$work/out" "Channels: 0"
  done
  ;;
malformed-files)
  good=$samples/model-D.bin
  head -c 1000 "$good" >"$work/truncated.bin"
  printf 'QP  \000\120' >"$work/wrong-header.bin"; tail -c +7 "$good" >>"$work/wrong-header.bin"
  head -c 300000 /dev/urandom >"$work/random.bin"
  : >"$work/empty.bin"
  cp "$good" "$work/absurd.bin"
  # Channel sector 0 claims 0x7000 TV slots (channel block at 49152, after the 86-byte header).
  printf '\160\000' | dd of="$work/absurd.bin" bs=1 seek=$((86 + 49152 + 4096 - 6)) conv=notrunc 2>/dev/null
  for f in truncated wrong-header random empty absurd missing; do
    echo keep >"$work/out.bin"
    expect 1 "$cli" --model D convert "$work/$f.bin" -o "$work/out.bin"
    contains "$work/err" "Cannot open or invalid version file"
    [ "$(cat "$work/out.bin")" = keep ] || fail "$f: OUT was touched"
    # Among several inputs, the one that failed is named; check says 2 for a file it cannot open.
    expect 1 "$cli" --model D dump "$good" "$work/$f.bin" && contains "$work/err" "$work/$f.bin"
    expect 1 "$cli" --model D diff "$good" "$good+$work/$f.bin" && contains "$work/err" "$work/$f.bin"
    expect 2 "$cli" --model D check "$good" "$work/$f.bin" && contains "$work/err" "$work/$f.bin"
    expect 2 "$cli" --model D check --json "$good" "$work/$f.bin"
    python3 -c 'import json, sys; o = json.load(open(sys.argv[1])); assert o["file"] == sys.argv[2] and "Cannot open" in o["error"], o' \
      "$work/out" "$work/$f.bin" || fail "check --json: $(cat "$work/out")"
  done
  # With --yes the same file is decoded as a bare image (its blocks then lie 86 bytes off).
  expect 0 "$cli" --yes --model D dump "$work/wrong-header.bin"
  contains "$work/out" "Channels: 0"
  ;;
stored-policy)
  expect 0 "$cli" policy show
  contains "$work/out" "Product List = 0"
  expect 0 "$cli" dump "$samples/model-default.bin"   # nothing stored: the start-up policy
  contains "$work/out" "Product list 7"
  expect 0 "$cli" policy set E
  expect 0 "$cli" policy show
  contains "$work/out" "Product List = 8"
  contains "$work/out" "Flash CH Start Position = 40960"
  expect 0 "$cli" dump "$samples/model-E.bin"
  contains "$work/out" "terrestrial multiplex"
  expect 0 "$cli" --model D dump "$samples/model-D.bin"
  expect 0 "$cli" policy show
  contains "$work/out" "Product List = 8"           # --model stored nothing
  ;;
workbook-roundtrip)
  # The channel table through a workbook and back changes no byte of the image.
  expect 0 "$cli" --model D convert "$samples/model-D.bin" -o "$work/list.xls"
  expect 0 "$cli" --model D convert "$samples/model-D.bin" "$work/list.xls" -o "$work/back.bin"
  cmp -s "$samples/model-D.bin" "$work/back.bin" || fail "workbook round trip changed the image"
  expect 0 "$cli" --model D dump "$work/list.xls"
  contains "$work/out" "Channels: 27"
  # A workbook alone names satellites, transponders and providers that are not there.
  expect 1 "$cli" --model D convert "$work/list.xls" -o "$work/alone.bin"
  contains "$work/err" "27 channels name satellites, transponders or providers that this database does not have: open the receiver's channel file first."
  [ ! -e "$work/alone.bin" ] || fail "a workbook alone was written"
  expect 0 "$cli" --model D --yes convert "$work/list.xls" -o "$work/alone.bin"
  ;;
workbook-and-serial)
  expect 1 "$cli" --model D dump "$work/list.xls"
  expect 0 "$cli" ports
  expect 1 "$cli" receive --port /dev/null -o "$work/r.bin"
  [ ! -e "$work/r.bin" ] || fail "receive left a file"
  ;;
not-regular-files)
  # A FIFO would block the first read for ever; it, a folder and a device are refused at once.
  mkfifo "$work/fifo.bin" "$work/fifo.xls"
  for f in "$work/fifo.bin" "$work/fifo.xls" "$work" /dev/null; do
    expect 1 timeout 10 "$cli" --model D dump "$f"
    contains "$work/err" "not a regular file"
    expect 1 timeout 10 "$cli" --model D convert "$f" -o "$work/out.bin"
  done
  [ ! -e "$work/out.bin" ] || fail "a refused input left an output"
  ;;
interrupted-convert)
  export TMPDIR=$work/tmp
  mkdir -p "$TMPDIR"
  # Left by a process that is gone: removed at the next start; a live process's file stays.
  : >"$TMPDIR/chanforge-work-2147483646-AbCdEf.bin"
  : >"$TMPDIR/.chanforge-work-2147483646-AbCdEf.bin.2147483646-0.tmp"
  : >"$TMPDIR/chanforge-work-$$-AbCdEf.bin"
  expect 0 "$cli" models
  [ "$(ls -A "$TMPDIR")" = "chanforge-work-$$-AbCdEf.bin" ] || fail "stale work files kept: $(ls -A "$TMPDIR")"
  rm "$TMPDIR/chanforge-work-$$-AbCdEf.bin"
  cp "$samples/model-D.bin" "$work/big.bin" && truncate -s 120M "$work/big.bin"
  "$cli" --model D convert "$work/big.bin" -o "$work/big-out.bin" 2>/dev/null &
  pid=$!
  for _ in $(seq 500); do
    compgen -G "$TMPDIR/chanforge-work-*" >/dev/null && break
    sleep 0.01
  done
  kill -TERM "$pid"
  wait "$pid" && fail "convert was not interrupted"
  left=$(ls -A "$TMPDIR"; ls -A "$work" | grep -v -e '^big.bin$' -e '^tmp$' -e '^out$' -e '^err$' -e '^settings.ini$')
  [ -z "$left" ] || fail "left behind: $left"
  ;;
erased-and-hostile-images)
  # Erased flash (all 0xFF after the header) is an empty database that can be saved.
  for m in A D; do
    expect 0 "$cli" --model "$m" new -o "$work/blank.bin"
    python3 -c 'import sys; d = open(sys.argv[1], "rb").read(); open(sys.argv[2], "wb").write(d[:86] + b"\xff" * (len(d) - 86))' \
      "$work/blank.bin" "$work/erased.bin"
    expect 0 "$cli" --model "$m" dump "$work/erased.bin"
    contains "$work/out" "Satellites: 0"
    contains "$work/out" "Channels: 0"
    expect 0 "$cli" --model "$m" convert "$work/erased.bin" -o "$work/saved.bin"
  done
  # A name with an accented letter and bytes that would drive the terminal (ESC, BEL, the C1
  # CSI, 0xFF): text shows them escaped, JSON keeps every byte as its Latin-1 character.
  python3 -c 'import sys; d = open(sys.argv[1], "rb").read(); open(sys.argv[2], "wb").write(d.replace(b"Das Erste", b"\xe9\x1b]0;x\x07\x9b\xff", 1))' \
    "$samples/model-D.bin" "$work/hostile.bin"
  for command in dump check "diff $samples/model-D.bin"; do
    expect 0 "$cli" --model D $command "$work/hostile.bin"
    contains "$work/out" '\x1b]0;x\x07\x9b\xff'
    ! LC_ALL=C grep -qP '[\x00-\x08\x0b-\x1f\x7f-\x9f\xff]' "$work/out" || fail "$command: a control byte reached the terminal"
    expect 0 "$cli" --model D $command --json "$work/hostile.bin"
    python3 - "$work/out" <<'PY' || fail "$command --json: the name's bytes are not there"
import json, sys
def texts(o):
    inner = o.values() if isinstance(o, dict) else o if isinstance(o, list) else []
    return [o] if isinstance(o, str) else [t for v in inner for t in texts(v)]
assert any("\u00e9\u001b]0;x\u0007\u009b\u00ff" in t for t in texts(json.load(open(sys.argv[1], encoding="utf-8"))))
PY
  done
  ;;
check-and-diff)
  for m in A B C D E default; do
    expect 0 "$cli" --model "$m" check "$samples/model-$m.bin"
    [ ! -s "$work/out" ] || fail "sample $m is not clean: $(cat "$work/out")"
  done
  expect 0 "$cli" --model D check --json "$samples/model-D.bin"
  [ "$(tr -d ' \n' <"$work/out")" = "[]" ] || fail "check --json: $(cat "$work/out")"
  expect 0 "$cli" diff "$samples/model-default.bin" "$samples/model-default-version.bin"
  [ ! -s "$work/out" ] || fail "the same tables differ: $(cat "$work/out")"
  # Both sides may join files with +; opening the same file twice gives the same tables.
  expect 0 "$cli" --model D diff --json "$samples/model-D.bin+$samples/model-D.bin" "$samples/model-D.bin"
  [ "$(tr -d ' \n' <"$work/out")" = "[]" ] || fail "joined files differ: $(cat "$work/out")"
  # Two TV channels on number 1 is an error: exit 1.
  python3 -c 'import sys; d = bytearray(open(sys.argv[1], "rb").read()); i = d.find(b"ZDF", d.find(b"Das Erste")); d[i - 18:i - 16] = b"\1\0"; open(sys.argv[2], "wb").write(d)' \
    "$samples/model-D.bin" "$work/twice.bin"
  expect 1 "$cli" --model D check "$work/twice.bin"
  contains "$work/out" "error numbering.repeat channels 1,2"
  expect 2 "$cli" --model D check "$work/missing.bin"
  expect 2 "$cli" --model D check --json "$work/missing-"$'\xff'".bin" # a path that is not UTF-8
  python3 -m json.tool "$work/out" >/dev/null || fail "check --json: $(cat "$work/out")"
  expect 2 "$cli" diff "$samples/model-D.bin"
  ;;
settings-stores)
  # Only a settings store is one: anything else is refused unread and unwritten, a FIFO too.
  printf '# Notes\n\nBuy an antenna.\n' >"$work/note.md"
  : >"$work/empty.ini"
  cp "$samples/model-D.bin" "$work/channels.bin"
  mkfifo "$work/fifo.ini"
  for f in note.md empty.ini channels.bin fifo.ini; do
    before=$([ ! -f "$work/$f" ] || cksum <"$work/$f")
    expect 2 timeout 10 "$cli" --settings "$work/$f" dump "$samples/model-D.bin"
    contains "$work/err" "Not a settings file: $work/$f"
    CHANFORGE_SETTINGS=$work/$f expect 2 timeout 10 "$cli" policy set E
    [ "$([ ! -f "$work/$f" ] || cksum <"$work/$f")" = "$before" ] || fail "$f was written"
  done
  # Reading commands create no store, and leave the bytes of one alone.
  for model in default D; do
    [ "$model" = default ] || expect 0 "$cli" policy set D
    before=$([ ! -f "$work/settings.ini" ] || cksum <"$work/settings.ini")
    sample=$samples/model-$model.bin
    for command in models "policy show" "dump $sample" "check $sample" "diff $sample $sample"; do
      expect 0 "$cli" $command
      [ "$([ ! -f "$work/settings.ini" ] || cksum <"$work/settings.ini")" = "$before" ] ||
        fail "$command wrote the settings"
    done
  done
  ;;
temp-folder)
  # A temporary folder that cannot hold the work file is named, with the cause.
  : >"$work/file"
  for folder in "$work/missing:No such file" "$work/file:Not a directory"; do
    expect 1 env TMPDIR="${folder%%:*}" "$cli" --model D dump "$samples/model-D.bin"
    contains "$work/err" "temporary folder ${folder%%:*}: ${folder#*:}"
  done
  ;;
dedupe)
  # A dry run prints the groups and writes nothing; the run keeps one of each group and renumbers.
  expect 0 "$cli" --model B dedupe "$samples/model-B.bin" -o "$work/out.bin" --keep lowest --dry-run
  contains "$work/out" "(same name): keep TV 4 \"KiKA\"; delete TV 24 \"KiKA\""
  contains "$work/out" "channels would be deleted"
  [ ! -e "$work/out.bin" ] || fail "a dry run wrote OUT"
  expect 0 "$cli" --model B dedupe --json "$samples/model-B.bin" -o "$work/out.bin" --keep lowest
  python3 - "$work/out" <<'PY' || exit 1
import json, sys
d = json.load(open(sys.argv[1], encoding="utf-8"))
assert d["keep"] == "lowest" and d["written"] is True, d
assert d["deleted"] == sum(len(g["deleted"]) for g in d["groups"]) > 0, d
for g in d["groups"]:
    assert g["sameService"] or g["sameName"], g
    assert all(g["kept"]["number"] <= o["number"] for o in g["deleted"]), g
PY
  deleted=$(python3 -c 'import json,sys; print(json.load(open(sys.argv[1]))["deleted"])' "$work/out")
  expect 0 "$cli" --model B dump "$samples/model-B.bin"
  before=$(sed -n 's/^Channels: \([0-9]*\).*/\1/p' "$work/out")
  expect 0 "$cli" --model B dump "$work/out.bin"
  after=$(sed -n 's/^Channels: \([0-9]*\).*/\1/p' "$work/out")
  [ "$after" = $((before - deleted)) ] || fail "$before channels less $deleted left $after"
  expect 0 "$cli" --model B check "$work/out.bin"
  expect 0 "$cli" --model B dedupe "$work/out.bin" -o "$work/again.bin" --keep hd
  contains "$work/out" "0 groups, 0 channels deleted"
  expect 0 "$cli" --model D dedupe "$samples/model-D.bin" -o "$work/d.bin" --keep hd --dry-run
  contains "$work/out" "keep TV 20 \"Das Erste HD\"; delete TV 1 \"Das Erste\""
  # Usage errors, and a file that does not open, leave an existing OUT as it was.
  expect 2 "$cli" --model D dedupe "$samples/model-D.bin" -o "$work/out.bin"
  expect 2 "$cli" --model D dedupe "$samples/model-D.bin" -o "$work/out.bin" --keep newest
  sum=$(cksum <"$work/out.bin")
  expect 1 "$cli" --model D dedupe "$work/missing.bin" -o "$work/out.bin" --keep fta
  [ "$(cksum <"$work/out.bin")" = "$sum" ] || fail "a failed dedupe changed OUT"
  ;;
*) fail "unknown case $case_name" ;;
esac
echo "ok: $case_name"
