// Writes the "Channel" sheets the npm package xlsx (SheetJS) lays out as Excel 97 (biff8), which
// ChanforgeWorkbookTests imports from the files checked in beside this script:
//   sheetjs-channel.xls  texts as LABEL records (its default): edge values that all import
//   sheetjs-beyond.xls   texts in the shared-string table (bookSST): a value beyond its field
// CI machines may have no npm, so the tests read the files and never run this.
// Regenerate: cd Chanforge/xls/tests/interop && npm ci && node sheetjs_fixtures.mjs
import fs from "node:fs";
import { createRequire } from "node:module";

const XLSX = createRequire(import.meta.url)("xlsx");

const HEADERS = ["ProgramNum", "CAS", "Favorite", "SatID", "TPID", "BroadcastID", "ServiceID",
  "VideoPID", "AudioPID", "PCRPID", "Attributes", "NumOfAudio", "NumOfSubTTX", "Name",
  "CodeTable", "Tuner", "Record", "LogicalNumber",
  ...Array.from({ length: 32 }, (_, slot) => `F${slot}`),
  "ShowNum", "ParentRate", "StreamType", "OrgNetID", "TSID", "VolOffset", "OrgMuxID",
  "NetNameID", "NetworkID", "ServiceType"];
const column = (header) => HEADERS.indexOf(header);

/// A sheet row from {header: value}; columns not named stay without a cell.
function row(cells) {
  const out = [];
  for (const [header, value] of Object.entries(cells))
    out[column(header)] = value;
  return out;
}

function save(file, rows, options) {
  const book = XLSX.utils.book_new();
  XLSX.utils.book_append_sheet(book, XLSX.utils.aoa_to_sheet([["kept"]]), "Other");
  XLSX.utils.book_append_sheet(book, XLSX.utils.aoa_to_sheet([HEADERS, ...rows]), "Channel");
  fs.writeFileSync(file, XLSX.write(book, { bookType: "biff8", type: "buffer", ...options }));
}

save("sheetjs-channel.xls", [
  row({ ProgramNum: 65535, CAS: 2 ** 31 - 1, Favorite: -1, SatID: 255, TPID: true,
        BroadcastID: 12.9, ServiceID: "42", Name: "Caf\u00e9 \u00d1and\u00fa", F31: 65535,
        ServiceType: 255 }),
  [], // an empty row: a channel of zeros
  row({ ProgramNum: 7, CAS: -(2 ** 31), Favorite: 2 ** 32 - 1, Name: "" }),
  // The writer keeps 255 characters of a label; the field keeps 254 bytes.
  row({ ProgramNum: 8, Name: "\u00e9".repeat(300) }),
], {});

save("sheetjs-beyond.xls", [
  row({ ProgramNum: 1, Name: "Erstes \u00dc" }),
  row({ ProgramNum: 2, CAS: 2 ** 32, Name: "Zweites" }),
], { bookSST: true });
