#!/usr/bin/python3
"""LibreOffice and we agree on the sheet "Channel": a workbook LibreOffice makes from a CSV file
imports into the channel table with the right values, and LibreOffice reads our export back to
the same values.  Usage: libreoffice_check.py INTEROP_TOOL WORKDIR"""
import csv
import json
import os
import shutil
import subprocess
import sys

CHANNELS = 60
NAME = 13
CODE_TABLE = 14
# Code table -> ISO 8859 part of the name's bytes; any other table is Latin-1.
PARTS = {1: 5, 2: 6, 3: 7, 4: 8, 5: 9, 6: 10, 7: 11, 9: 13, 10: 14, 11: 15}
MARK = "Names in CodeTable"
U32_COLUMNS = (1, 2)  # CAS and Favorite travel as signed 32-bit integers
HEADERS = (["ProgramNum", "CAS", "Favorite", "SatID", "TPID", "BroadcastID", "ServiceID", "VideoPID",
            "AudioPID", "PCRPID", "Attributes", "NumOfAudio", "NumOfSubTTX", "Name", "CodeTable", "Tuner",
            "Record", "LogicalNumber"] + [f"F{i}" for i in range(32)] +
           ["ShowNum", "ParentRate", "StreamType", "OrgNetID", "TSID", "VolOffset", "OrgMuxID",
            "NetNameID", "NetworkID", "ServiceType"])


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


def soffice(work, *args):
    profile = "file://" + os.path.join(work, "profile")
    subprocess.run(["soffice", "-env:UserInstallation=" + profile, "--headless", "--norestore", *args],
                   cwd=work, check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=240)


def convert(work, source, target_ext, filter_name, options, infilter=None):
    # soffice exits 0 even when it fails: the output file is the only evidence.
    target = os.path.splitext(source)[0] + "." + target_ext
    if os.path.exists(target):
        os.remove(target)
    args = ["--convert-to", f"{target_ext}:{filter_name}:{options}" if options else f"{target_ext}:{filter_name}"]
    if infilter:
        args.append("--infilter=" + infilter)
    soffice(work, *args, "--outdir", os.path.join(work, "out"), source)
    produced = os.path.join(work, "out", os.path.basename(target))
    if not os.path.exists(produced):
        fail(f"LibreOffice did not convert {source} to {target_ext}")
    return produced


def name_text(value, code_table):
    """The name as our export writes it: its bytes in the code table's part; a byte the part
    lacks as the private-use character U+F700 + byte."""
    part = "iso8859_%d" % PARTS.get(code_table, 1)
    out = ""
    for byte in value:
        try:
            out += bytes([byte]).decode(part)
        except UnicodeDecodeError:
            out += chr(0xF700 + byte)
    return out


def cell_text(value, column):
    if column == NAME:  # a sheet without the mark: the code page's characters
        return bytes(value).decode("cp1252", errors="strict")
    if column in U32_COLUMNS and value >= 2 ** 31:
        return str(value - 2 ** 32)
    return str(value)


def main():
    tool, work = sys.argv[1], sys.argv[2]
    shutil.rmtree(work, ignore_errors=True)
    os.makedirs(os.path.join(work, "out"))
    expected = json.loads(subprocess.run([tool, "expected", "40"], check=True, capture_output=True).stdout)
    # 1. LibreOffice makes the workbook from a UTF-8 CSV (sheet named after the file).
    source = os.path.join(work, "Channel.csv")
    with open(source, "w", encoding="utf-8", newline="") as f:
        out = csv.writer(f)
        out.writerow(HEADERS)
        for ch in expected:
            out.writerow([cell_text(v, c) for c, v in enumerate(ch)])
    made = convert(work, source, "xls", "MS Excel 97", None, infilter="CSV:44,34,76,1")
    result = subprocess.run([tool, "import", made], capture_output=True)
    if result.returncode != 0:
        fail("import of LibreOffice's workbook: " + result.stderr.decode())
    got = json.loads(result.stdout)
    if got != expected:
        for i, (g, e) in enumerate(zip(got, expected)):
            if g != e:
                fail(f"channel {i + 1}: imported {g} != expected {e}")
        fail(f"{len(got)} channels imported, {len(expected)} expected")
    print(f"LibreOffice workbook: {len(got)} channels imported with every value")

    # 2. LibreOffice reads our export back.
    ours = os.path.join(work, "ours.xls")
    subprocess.run([tool, "export", ours, str(len(expected))], check=True)
    csv_path = convert(work, ours, "csv", "Text - txt - csv (StarCalc)", "44,34,76")
    with open(csv_path, encoding="utf-8") as f:
        rows = list(csv.reader(f))
    if rows[0] != HEADERS + [MARK]:
        fail(f"header as LibreOffice reads it: {rows[0]}")
    for i, ch in enumerate(expected):
        want = [cell_text(v, c) for c, v in enumerate(ch)]
        want[NAME] = name_text(ch[NAME], ch[CODE_TABLE])
        if rows[i + 1][:CHANNELS] != want or any(rows[i + 1][CHANNELS:]):
            fail(f"row {i + 1} as LibreOffice reads it: {rows[i + 1]} != {want}")
    print(f"our export: LibreOffice reads {len(rows) - 1} channels with every value")


if __name__ == "__main__":
    main()
