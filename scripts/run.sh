#!/usr/bin/env bash
# From a fresh machine: what building and running need (not what only the tests need), an
# optimised build of the programs alone, then the program on a bundled sample database. With a
# display the desktop program opens the sample; without one the command-line program prints it.
# Settings go to build/run/run-settings.ini unless CHANFORGE_SETTINGS says otherwise.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh

cmake --preset run >/dev/null
cmake --build --preset run -j "$(nproc)"

bin=build/run/bin
export CHANFORGE_SETTINGS=${CHANFORGE_SETTINGS:-$PWD/build/run/run-settings.ini}
sample=build/run/samples/model-default.bin

if [ -x "$bin/chanforge" ] && [ -f "$sample" ] && [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec "$bin/chanforge" "$sample"
fi
if [ -x "$bin/chanforge-cli" ] && [ -f "$sample" ]; then
  echo "No display: the sample database through chanforge-cli (with a display, run.sh opens it in the window)."
  exec "$bin/chanforge-cli" --model default dump "$sample"
fi
exec "$bin/chanforge-cli" models
