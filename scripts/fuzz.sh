#!/usr/bin/env bash
# Runs every libFuzzer target of build/fuzz for the given seconds (default 60), each starting
# from its checked-in corpus (fuzz/<topic>/corpus/<target>) when there is one. A finding is
# copied into that corpus, so every later run replays it, and the script fails.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
# AddressSanitizer's quarantine of freed memory otherwise grows to hundreds of MiB in a long
# run and trips the memory limit although no input needs it; keep it small.
export ASAN_OPTIONS=${ASAN_OPTIONS:-quarantine_size_mb=16:malloc_context_size=10:detect_leaks=1}
found=0
findings=0
for target in build/fuzz/bin/*_fuzz; do
  [ -x "$target" ] || continue
  found=1
  name=$(basename "$target")
  work=$(mktemp -d)
  seeds=$(find fuzz -type d -path "*/corpus/$name" | head -n 1)
  echo "-- $name"
  status=0
  "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=1024 -malloc_limit_mb=512 \
    -print_final_stats=1 -artifact_prefix="$work/finding-" "$work" ${seeds:+"$seeds"} \
    >"$work.log" 2>&1 || status=$?
  tail -n 12 "$work.log"
  for finding in "$work"/finding-*; do
    [ -e "$finding" ] || continue
    findings=$((findings + 1))
    keep=${seeds:-fuzz/$name-findings}
    mkdir -p "$keep"
    cp "$finding" "$keep/"
    echo "kept $finding in $keep"
  done
  [ "$status" -eq 0 ] || echo "$name stopped with status $status"
  [ "$status" -eq 0 ] || findings=$((findings + 1))
  rm -rf "$work" "$work.log"
done
[ "$found" -eq 1 ] || { echo "no fuzz targets were built"; exit 1; }
[ "$findings" -eq 0 ] || { echo "$findings finding(s)"; exit 1; }
