#!/usr/bin/env bash
# Whole test suite from a fresh machine: packages, the source format, the optimised
# warnings-as-errors build (the one run.sh makes, benchmarks included) with every test, the same
# under AddressSanitizer + UndefinedBehaviorSanitizer, the Debian package checked by lintian, and
# each fuzz target for a while.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh --tests

jobs=$(nproc)
fuzz_seconds=${CHANFORGE_FUZZ_SECONDS:-60}

echo "== format"
./scripts/check-format.sh

for preset in release asan; do
  echo "== build and test: $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
  ctest --preset "$preset" -j "$jobs" --timeout 600
done

echo "== operator runs: every model at the virtual receiver's defaults"
./scripts/operator-runs.sh build/release/bin

echo "== Debian package"
(cd build/release && rm -f chanforge_*.deb && cpack -G DEB >/dev/null)
deb=$(ls build/release/chanforge_*.deb)
findings=$(lintian --fail-on error "$deb" 2>&1) || { echo "$findings"; exit 1; }
grep -v 'root privileges' <<<"$findings" || true
unpacked=$(mktemp -d)
dpkg-deb -x "$deb" "$unpacked"
CHANFORGE_SETTINGS=$unpacked/settings.ini "$unpacked/usr/bin/chanforge-cli" models >/dev/null
rm -rf "$unpacked"

echo "== fuzz: ${fuzz_seconds}s per target"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$jobs" --target fuzzers
./scripts/fuzz.sh "$fuzz_seconds"
echo "All tests passed."
