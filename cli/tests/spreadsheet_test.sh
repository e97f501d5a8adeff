#!/usr/bin/env bash
# The channel list through a spreadsheet program and back: spreadsheet_test.sh CASE CLI SAMPLES
# WORKDIR. LibreOffice opens what we save and saves it again; opening that after the channel
# file must give the channel file byte for byte. Skipped (77) without LibreOffice.
set -u
case_name=$1 cli=$2 samples=$3 work=$4
. "$(dirname "$0")/testlib.sh"
command -v soffice >/dev/null || { echo "soffice is not installed: skipped"; exit 77; }

sample=$samples/model-D.bin
# office IN TO OUTDIR [ARGS...]: LibreOffice, headless with a profile of its own, converts IN;
# it exits 0 even when it fails, so the file it leaves is the only evidence.
office() {
  local in=$1 to=$2 out=$3; shift 3
  mkdir -p "$out"
  timeout 240 soffice "-env:UserInstallation=file://$work/profile" --headless --norestore "$@" \
    --convert-to "$to" --outdir "$out" "$in" >/dev/null 2>&1
  local made
  made=$out/$(basename "${in%.*}").${to%%:*}
  [ -s "$made" ] || fail "LibreOffice did not convert $in to $to"
  echo "$made"
}
# back FILE: opened after the channel file, it gives the channel file again
back() {
  expect 0 "$cli" --model D convert "$sample" "$1" -o "$work/back.bin"
  cmp -s "$work/back.bin" "$sample" || fail "$1 does not bring the channel list back unchanged"
}

case $case_name in
workbook)
  expect 0 "$cli" --model D convert "$sample" -o "$work/list.xls"
  back "$(office "$work/list.xls" "xls:MS Excel 97" "$work/xls")"
  ods=$(office "$work/list.xls" ods "$work/ods")
  back "$(office "$ods" "xls:MS Excel 97" "$work/ods-xls")"
  # What LibreOffice saves as .ods or .xlsx is named, with what to do, and changes nothing.
  xlsx=$(office "$work/list.xls" xlsx "$work/xlsx")
  for other in "$ods" "$xlsx"; do
    expect 1 "$cli" --model D convert "$sample" "$other" -o "$work/refused.bin"
    contains "$work/err" "Save it as Excel 97-2003 (.xls) or CSV in your spreadsheet program."
  done
  [ ! -e "$work/refused.bin" ] || fail "a refused file was written"
  ;;
csv)
  # Each separator in and out; the Name column (14) is taken as text, as a user imports it.
  for sep in "44 ," "59 ;" "9 tab"; do
    set -- $sep
    expect 0 "$cli" --model D convert "$sample" -o "$work/list-$2.csv" --separator "$2"
    made=$(office "$work/list-$2.csv" "csv:Text - txt - csv (StarCalc):$1,34,76,1" "$work/csv-$1" \
      "--infilter=CSV:$1,34,76,1,14/2")
    back "$made"
  done
  ;;
esac
