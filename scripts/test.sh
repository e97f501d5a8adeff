#!/usr/bin/env bash
# Whole test suite from a fresh machine: packages, the optimised warnings-as-errors build (the
# one run.sh makes, benchmarks included) with every test, the same under AddressSanitizer +
# UndefinedBehaviorSanitizer, and each fuzz target for a while.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh

jobs=$(nproc)
fuzz_seconds=${CHANFORGE_FUZZ_SECONDS:-60}

for preset in release asan; do
  echo "== build and test: $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
  ctest --preset "$preset" -j "$jobs" --timeout 600
done

echo "== fuzz: ${fuzz_seconds}s per target"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$jobs" --target fuzzers
./scripts/fuzz.sh "$fuzz_seconds"
echo "All tests passed."
