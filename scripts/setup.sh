#!/usr/bin/env bash
# Installs the Debian packages of scripts/apt-packages.txt that are not installed yet, and with
# --tests those of scripts/apt-packages-test.txt too.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

lists=("$here/apt-packages.txt")
[ "${1:-}" = "--tests" ] && lists+=("$here/apt-packages-test.txt")
wanted=$(cat "${lists[@]}" | grep -vE '^\s*(#|$)' | tr -s ' \n' ' ')
missing=()
for package in $wanted; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
    missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
