#!/usr/bin/env bash
# Runs every libFuzzer target of build/fuzz for the given seconds (default 60), each starting
# from its checked-in corpus (fuzz/<topic>/corpus/<target>) when there is one, as many at once
# as there are cores. A finding is copied into that corpus, so every later run replays it, and
# the script fails.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
# AddressSanitizer's quarantine of freed memory otherwise grows to hundreds of MiB in a long
# run and trips the memory limit although no input needs it; keep it small.
export ASAN_OPTIONS=${ASAN_OPTIONS:-quarantine_size_mb=16:malloc_context_size=10:detect_leaks=1}
failures=$(mktemp -d)
trap 'rm -rf "$failures"' EXIT
export seconds failures

# One target: its statistics, and a file in $failures for each finding or abnormal end.
run_target() {
  local target=$1 name work seeds status=0
  name=$(basename "$target")
  work=$(mktemp -d)
  seeds=$(find fuzz -type d -path "*/corpus/$name" | head -n 1)
  "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=1024 -malloc_limit_mb=512 \
    -print_final_stats=1 -artifact_prefix="$work/finding-" "$work" ${seeds:+"$seeds"} \
    >"$work.log" 2>&1 || status=$?
  { echo "-- $name"; tail -n 12 "$work.log"; } # one block, whichever target ends first
  for finding in "$work"/finding-*; do
    [ -e "$finding" ] || continue
    keep=${seeds:-fuzz/$name-findings}
    mkdir -p "$keep"
    cp "$finding" "$keep/"
    echo "kept $finding in $keep"
    touch "$failures/$name-$(basename "$finding")"
  done
  [ "$status" -eq 0 ] || { echo "$name stopped with status $status"; touch "$failures/$name-status"; }
  rm -rf "$work" "$work.log"
}
export -f run_target

targets=(build/fuzz/bin/*_fuzz)
[ -x "${targets[0]}" ] || { echo "no fuzz targets were built"; exit 1; }
printf '%s\n' "${targets[@]}" | xargs -P "$(nproc)" -I{} bash -c 'run_target "$1"' _ {}
findings=$(find "$failures" -type f | wc -l)
[ "$findings" -eq 0 ] || { echo "$findings finding(s)"; exit 1; }
