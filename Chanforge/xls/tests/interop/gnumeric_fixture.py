#!/usr/bin/python3
"""Writes gnumeric-channel.xls: the "Channel" sheet Gnumeric saves as Excel 97 (shared strings,
RK and NUMBER cells, a BOOLERR, row records) from a CSV file with edge values; the workbook tests
import the file checked in beside this script, so CI needs no Gnumeric.
Regenerate (Debian: apt-get install --no-install-recommends gnumeric):
    Chanforge/xls/tests/interop/gnumeric_fixture.py"""
import csv
import os
import subprocess
import tempfile

HEADERS = (["ProgramNum", "CAS", "Favorite", "SatID", "TPID", "BroadcastID", "ServiceID", "VideoPID",
            "AudioPID", "PCRPID", "Attributes", "NumOfAudio", "NumOfSubTTX", "Name", "CodeTable", "Tuner",
            "Record", "LogicalNumber"] + [f"F{i}" for i in range(32)] +
           ["ShowNum", "ParentRate", "StreamType", "OrgNetID", "TSID", "VolOffset", "OrgMuxID",
            "NetNameID", "NetworkID", "ServiceType"])


def row(**cells):
    fields = [""] * len(HEADERS)
    for header, value in cells.items():
        fields[HEADERS.index(header)] = value
    return fields


# The rows sheetjs_fixtures.mjs writes, as Gnumeric reads them from text.
ROWS = [
    row(ProgramNum="65535", CAS=str(2**31 - 1), Favorite="-1", SatID="255", TPID="TRUE",
        BroadcastID="12.9", ServiceID="42", Name="Caf\u00e9 \u00d1and\u00fa", F31="65535",
        ServiceType="255"),
    [""] * len(HEADERS),  # an empty row: a channel of zeros
    row(ProgramNum="7", CAS=str(-2**31), Favorite=str(2**32 - 1), Name=""),
    row(ProgramNum="8", Name="\u00e9" * 300),
]


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    with tempfile.TemporaryDirectory() as work:
        source = os.path.join(work, "Channel")  # the sheet takes the file's name
        with open(source, "w", newline="", encoding="utf-8") as f:
            csv.writer(f).writerows([HEADERS] + ROWS)
        subprocess.run(["ssconvert", "-I", "Gnumeric_stf:stf_csvtab", "-T",
                        "Gnumeric_Excel:excel_biff8", source,
                        os.path.join(here, "gnumeric-channel.xls")], check=True)


if __name__ == "__main__":
    main()
