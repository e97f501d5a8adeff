#!/usr/bin/env bash
# Installs a build into a scratch root and uses it from there: the programs must find their
# libraries through the installed RPATH alone, and the desktop files must pass the validators.
set -euo pipefail
build=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null
usr=$root/usr
unset LD_LIBRARY_PATH
export CHANFORGE_SETTINGS=$root/settings.ini

private=$(find "$usr/lib" -path '*/chanforge/*.so' -printf '%f\n')
[ -n "$private" ] || fail "no libraries installed"
for program in chanforge chanforge-cli chanforge-stbsim; do
  [ -x "$usr/bin/$program" ] || fail "$program not installed"
  # Every library of ours must resolve inside the installed tree, never in the build tree.
  libraries=$(ldd "$usr/bin/$program")
  ! grep -q 'not found' <<<"$libraries" || fail "$program: unresolved library: $libraries"
  while read -r name _ path _; do
    grep -qxF "$name" <<<"$private" || continue
    case $path in "$root"/*) ;; *) fail "$program loads $name from $path, outside the install" ;; esac
  done <<<"$libraries"
done

models=$("$usr/bin/chanforge-cli" models)
grep -qw default <<<"$models" || fail "chanforge-cli models lists no default model: $models"
sample=$usr/share/chanforge/samples/model-default.bin
[ -f "$sample" ] || fail "samples not installed"
dump=$("$usr/bin/chanforge-cli" --model default dump "$sample")
grep -qi channel <<<"$dump" || fail "installed sample does not open"

desktop-file-validate "$usr/share/applications/chanforge.desktop"
[ -f "$usr/share/icons/hicolor/scalable/apps/chanforge.svg" ] || fail "icon not installed"
XDG_DATA_DIRS=$usr/share update-mime-database "$usr/share/mime"
grep -q 'application/x-chanforge-channels:\*\.bin' "$usr/share/mime/globs2" || fail ".bin glob not registered"
grep -q 'QP  ' "$usr/share/mime/magic" || fail "channel file magic not registered"

for page in chanforge chanforge-cli chanforge-stbsim; do
  file=$usr/share/man/man1/$page.1.gz
  [ -f "$file" ] || fail "$page.1.gz not installed"
  warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l "$file" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "$page.1: $warnings"
done
# The command-line page carries every command's options from the program's own help.
cli_page=$(zcat "$usr/share/man/man1/chanforge-cli.1.gz")
for text in 'COMMAND: receive' 'COMMAND: policy set' '\-\-timeout' 'CHANFORGE_SETTINGS'; do
  grep -qF -- "$text" <<<"$cli_page" || fail "chanforge-cli.1 lacks $text"
done
grep -qF -- '\-\-silent\-block' <(zcat "$usr/share/man/man1/chanforge-stbsim.1.gz") ||
  fail "chanforge-stbsim.1 lacks its fault options"
echo "install test passed"
