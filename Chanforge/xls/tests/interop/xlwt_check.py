#!/usr/bin/python3
"""A "Channel" sheet written by xlwt imports with the values it holds, and one holding a value
beyond its field is refused.  Usage: xlwt_check.py INTEROP_TOOL WORKDIR"""
import json
import os
import subprocess
import sys

import xlwt

# Sheet column -> (value written, field value expected on import).
ROW = {0: (65535, 65535), 1: (2**31 - 1, 2**31 - 1), 2: (-1, 2**32 - 1), 3: (255, 255),
       5: (12.9, 12), 13: ("Caf\u00e9", [67, 97, 102, 233]), 53: (True, 1)}


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


def write(path, rows):
    book = xlwt.Workbook(encoding="utf-8")
    book.add_sheet("Other").write(0, 0, "kept")
    sheet = book.add_sheet("Channel")
    for col in range(60):
        sheet.write(0, col, f"H{col}")
    for row, cells in rows.items():
        for col, value in cells.items():
            sheet.write(row, col, value)
    book.save(path)


def main():
    tool, work = sys.argv[1], sys.argv[2]
    os.makedirs(work, exist_ok=True)
    path = os.path.join(work, "xlwt.xls")
    # Row 2 is empty, row 3 has an empty name; xlwt pads the stream after the last record.
    write(path, {1: {c: v for c, (v, _) in ROW.items()}, 3: {0: 7, 13: ""}})
    out = subprocess.run([tool, "import", path], capture_output=True, text=True)
    if out.returncode != 0:
        fail(f"import refused: {out.stderr.strip()}")
    channels = json.loads(out.stdout)
    if len(channels) != 3:
        fail(f"{len(channels)} channels, expected 3")
    for col, (_, want) in ROW.items():
        if channels[0][col] != want:
            fail(f"column {col}: {channels[0][col]!r} != {want!r}")
    if any(v not in (0, []) for v in channels[1]):
        fail(f"empty row: {channels[1]}")
    if channels[2][0] != 7 or channels[2][13] != []:
        fail(f"row 3: {channels[2][:14]}")
    print("xlwt.xls: 3 channels agree")

    # A value beyond its field is refused by row and column, never cut to the field.
    write(path, {1: {3: 255}, 2: {3: 256}})
    out = subprocess.run([tool, "import", path], capture_output=True, text=True)
    want = 'Sheet "Channel", row 3, column D (SatID): 256 is outside 0 to 255'
    if out.returncode != 1 or out.stderr.strip() != want:
        fail(f"beyond the field: exit {out.returncode}, {out.stderr.strip()!r}")
    print("xlwt.xls: a value beyond its field is refused")


if __name__ == "__main__":
    main()
