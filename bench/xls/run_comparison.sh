#!/usr/bin/env bash
# Runs our benchmark and the peer's on the same 10,000-channel sheet and prints both medians.
# Usage: bench/xls/run_comparison.sh BUILD_DIR   (a release build with CHANFORGE_BUILD_BENCH=ON)
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="${1:?build directory}"
bench="$build/bin/xls_bench"
sheet="$(mktemp -d)/channels.xls"
"$build/bin/xls_interop_tool" export "$sheet" 10000
"$bench" --benchmark_filter='Channels/10000' --benchmark_repetitions=11 | grep -E 'median|Benchmark'
(cd "$here" && [ -d node_modules/xlsx ] || npm install --no-audit --no-fund --silent)
node "$here/sheetjs_bench.mjs" "$sheet" 11
"$bench" --max-export
rm -rf "$(dirname "$sheet")"
