#!/usr/bin/env bash
# chanforge --help and --version print and end at once, with no display to open a window on.
set -euo pipefail
program=$1
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
help=$(timeout 10 "$program" --help)
grep -q '^Usage: chanforge \[FILE\.\.\.\]' <<<"$help" || { echo "no usage in: $help"; exit 1; }
version=$(timeout 10 "$program" --version)
[[ $version =~ ^chanforge\ [0-9]+\.[0-9]+\.[0-9]+$ ]] || { echo "odd version line: $version"; exit 1; }
echo "--help and --version answered"
