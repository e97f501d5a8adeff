#!/usr/bin/env bash
# chanforge-cli export read back by real readers: export_test.sh CASE CLI SAMPLES WORKDIR
# Python's csv module and html.parser, and pdftotext, must find every channel the database holds.
set -u
case_name=$1 cli=$2 samples=$3 work=$4
. "$(dirname "$0")/testlib.sh"

# check.py DUMP CSV HTML PDFTEXT [GROUP]: the rows match the channels of the dump, TV then
# radio, each kind in the grids' number order (a group: its members, in any order).
cat >"$work/check.py" <<'PY'
import csv, json, sys
from html.parser import HTMLParser
dump, csv_path, html_path, text_path = sys.argv[1:5]
group = int(sys.argv[5]) if len(sys.argv) > 5 else 0
doc = json.load(open(dump, encoding="utf-8"))
channels = doc["tables"]["channels"]
number = "ShowNum" if doc["policy"]["ProductList"] == 8 else "ProgramNum"
if group:
    channels = [c for c in channels if c["Favorite"] >> (group - 1) & 1]
want = []
for kind, bit in (("TV", 0x400), ("Radio", 0x800)):
    of_kind = sorted((c for c in channels if c["Attributes"] & bit), key=lambda c: c[number])
    want += [[kind, str(c[number]), c["Name"]] for c in of_kind]
assert want, "the sample lists no channel"
rows = list(csv.reader(open(csv_path, newline="", encoding="utf-8")))
assert rows[0] == ["Type", "No.", "Name", "Provider", "Favourites"], rows[0]
got = [r[:3] for r in rows[1:]]
if group:
    got, want = sorted(got), sorted(want)
    assert all(doc["tables"]["favorites"][group - 1]["Name"] in r[4] for r in rows[1:]), rows
assert got == want, (got, want)
class Rows(HTMLParser):
    def __init__(self):
        super().__init__()
        self.rows, self.body, self.cell = [], False, None
    def handle_starttag(self, tag, attrs):
        if tag == "tbody": self.body = True
        elif tag == "tr" and self.body: self.rows.append([])
        elif tag == "td": self.cell = ""
    def handle_endtag(self, tag):
        if tag == "tbody": self.body = False
        elif tag == "td": self.rows[-1].append(self.cell); self.cell = None
    def handle_data(self, data):
        if self.cell is not None: self.cell += data
html = Rows()
html.feed(open(html_path, newline="", encoding="utf-8").read())
assert len(html.rows) == len(want), (len(html.rows), len(want))
assert sorted(r[1] for r in html.rows) == sorted(w[2] for w in want)
text = open(text_path, encoding="utf-8").read()
missing = [w[2] for w in want if w[2] not in text]
assert not missing, missing
assert "Page 1 of " in text
PY

case $case_name in
every-model)
  for m in A B C D E default; do
    sample=$samples/model-$m.bin
    expect 0 "$cli" --model "$m" dump --json "$sample"
    mv "$work/out" "$work/dump.json"
    for group in 0 4; do
      options=(--columns number,name,provider,favorites)
      [ "$group" = 0 ] || options+=(--group "$group")
      for format in csv html pdf; do
        expect 0 "$cli" --model "$m" export "$sample" -o "$work/list.$format" --format "$format" \
          "${options[@]}" --page-columns 2
      done
      pdftotext "$work/list.pdf" "$work/list.txt" || fail "pdftotext $m"
      python3 "$work/check.py" "$work/dump.json" "$work/list.csv" "$work/list.html" \
        "$work/list.txt" "$group" || fail "model $m, group $group"
    done
  done
  ;;
quiet-pdf)
  # A PDF, which starts Qt's painting, prints not a word (needs a process of its own).
  expect 0 "$cli" --model D export "$samples/model-D.bin" -o "$work/list.pdf" --format pdf
  [ ! -s "$work/out" ] && [ ! -s "$work/err" ] || fail "export printed: $(cat "$work/out" "$work/err")"
  ;;
*) fail "unknown case $case_name" ;;
esac
echo "ok: $case_name"
