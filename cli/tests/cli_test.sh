#!/usr/bin/env bash
# One command-line scenario per call: cli_test.sh CASE CLI SAMPLES WORKDIR
# What needs a real process: FIFOs, and a convert interrupted or killed half-way (the rest:
# CliTest.cpp).
set -u
case_name=$1 cli=$2 samples=$3 work=$4
. "$(dirname "$0")/testlib.sh"

case $case_name in
not-regular-files)
  # A FIFO would block the first read for ever; it, a folder and a device are refused at once.
  mkfifo "$work/fifo.bin" "$work/fifo.xls"
  for f in "$work/fifo.bin" "$work/fifo.xls" "$work" /dev/null; do
    expect 1 timeout 10 "$cli" --model D dump "$f"
    contains "$work/err" "not a regular file"
    expect 1 timeout 10 "$cli" --model D convert "$f" -o "$work/out.bin"
  done
  [ ! -e "$work/out.bin" ] || fail "a refused input left an output"
  # Nor is a FIFO a settings store: refused unread.
  mkfifo "$work/fifo.ini"
  expect 2 timeout 10 "$cli" --settings "$work/fifo.ini" dump "$samples/model-D.bin"
  contains "$work/err" "Not a settings file: $work/fifo.ini"
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
  # A writer killed outright: its temporary goes at the next start (FilesTest, beside the
  # stale files above).
  ;;
*) fail "unknown case $case_name" ;;
esac
echo "ok: $case_name"
