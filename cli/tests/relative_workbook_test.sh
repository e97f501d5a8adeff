#!/usr/bin/env bash
# A workbook named by a relative path: relative_workbook_test.sh CLI SAMPLES WORKDIR
# d.xls and dd.xls are both workbooks, as the window's file dialog would name them.
set -u
cli=$1 samples=$2 work=$3
. "$(dirname "$0")/testlib.sh"
cd "$work" || exit 1
for name in d.xls dd.xls; do
  "$cli" --model D convert "$samples/model-D.bin" -o "$name" || fail "convert -o $name"
  [ "$(head -c 4 "$name" | od -An -tx1 | tr -d ' ')" = d0cf11e0 ] || fail "$name is no workbook"
  "$cli" --model D convert "$samples/model-D.bin" "$name" -o "back-$name.bin" ||
    fail "$name is not read as a workbook"
  cmp -s "$samples/model-D.bin" "back-$name.bin" || fail "$name round trip changed the image"
done
