#!/usr/bin/python3
"""A third-party reader (xlrd) finds the same sheets and cell values in every kind of workbook we
write as our own reader does.  Usage: xlrd_check.py INTEROP_TOOL WORKDIR"""
import json
import os
import subprocess
import sys

import xlrd


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


def check_file(path, expected):
    book = xlrd.open_workbook(path)
    names = [s["name"] for s in expected["sheets"]]
    if book.sheet_names() != names:
        fail(f"{path}: sheets {book.sheet_names()} != {names}")
    for sheet, want in zip(book.sheets(), expected["sheets"]):
        seen = 0
        for row, col, value in want["cells"]:
            cell = sheet.cell(row, col)
            if isinstance(value, str):
                ok = cell.ctype == xlrd.XL_CELL_TEXT and cell.value == value
            else:
                ok = cell.ctype == xlrd.XL_CELL_NUMBER and cell.value == float(value)
            if not ok:
                fail(f"{path} {sheet.name!r} ({row},{col}): xlrd {cell.value!r} != ours {value!r}")
            seen += 1
        theirs = sum(1 for r in range(sheet.nrows) for c in range(sheet.ncols)
                     if sheet.cell_type(r, c) != xlrd.XL_CELL_EMPTY)
        if theirs != seen:
            fail(f"{path} {sheet.name!r}: xlrd finds {theirs} cells, we find {seen}")
    return sum(len(s["cells"]) for s in expected["sheets"])


def check_channel_sheet(path):
    sheet = xlrd.open_workbook(path).sheet_by_name("Channel")
    header = sheet.row_values(0)
    if header[:3] != ["ProgramNum", "CAS", "Favorite"] or header[13] != "Name" \
            or header[18] != "F0" or header[57:61] != ["NetNameID", "NetworkID", "ServiceType",
                                                       "Names in CodeTable"]:
        fail(f"{path}: header {header}")
    # Channel 1's name bytes read through its code table 1, Cyrillic (ISO 8859-5).
    if sheet.nrows > 1 and (sheet.cell_value(1, 0) != 1.0 or sheet.cell_value(1, 13) != "Ch\u0449 1 \u0080\u009f"):
        fail(f"{path}: first channel {sheet.row_values(1)[:14]}")


def main():
    tool, work = sys.argv[1], sys.argv[2]
    os.makedirs(work, exist_ok=True)
    subprocess.run([tool, "samples", work], check=True)
    for name in ["channels-empty", "channels", "channels-into-existing", "mixed", "channels-max"]:
        path = os.path.join(work, name + ".xls")
        with open(os.path.join(work, name + ".json"), encoding="ascii") as f:
            cells = check_file(path, json.load(f))
        if name.startswith("channels"):
            check_channel_sheet(path)
        print(f"{name}.xls: {cells} cells agree")


if __name__ == "__main__":
    main()
