#!/usr/bin/env bash
# Runs every libFuzzer target of build/fuzz for the given seconds (default 60), each starting
# from its checked-in corpus (fuzz/<topic>/corpus/<target>) when there is one.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
found=0
for target in build/fuzz/bin/*_fuzz; do
  [ -x "$target" ] || continue
  found=1
  name=$(basename "$target")
  work=$(mktemp -d)
  seeds=$(find fuzz -type d -path "*/corpus/$name" | head -n 1)
  echo "-- $name"
  "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$work/" "$work" ${seeds:+"$seeds"} 2>&1 | tail -n 12
  rm -rf "$work"
done
[ "$found" -eq 1 ] || { echo "no fuzz targets were built"; exit 1; }
