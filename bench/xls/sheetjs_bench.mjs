// The peer's side of the comparison: SheetJS writes and reads the same "Channel" sheet as BIFF8.
// Usage: node sheetjs_bench.mjs OUR_EXPORT.xls [runs]   (after `npm install` in this folder)
import fs from "node:fs";
import os from "node:os";
import path from "node:path";
import { createRequire } from "node:module";

const require = createRequire(import.meta.url);
const XLSX = require("xlsx");

const source = process.argv[2];
const runs = Number(process.argv[3] || 11);
const rows = XLSX.utils.sheet_to_json(XLSX.readFile(source).Sheets["Channel"], { header: 1 });
const target = path.join(os.tmpdir(), "xls-bench-sheetjs.xls");

function median(times) {
  const s = [...times].sort((a, b) => a - b);
  return s[Math.floor(s.length / 2)];
}

function time(fn) {
  const times = [];
  for (let i = 0; i < runs; i++) {
    const t = process.hrtime.bigint();
    fn();
    times.push(Number(process.hrtime.bigint() - t) / 1e6);
  }
  return median(times);
}

const write = time(() => {
  const book = XLSX.utils.book_new();
  XLSX.utils.book_append_sheet(book, XLSX.utils.aoa_to_sheet(rows), "Channel");
  fs.writeFileSync(target, XLSX.write(book, { bookType: "biff8", type: "buffer" }));
});
let count = 0;
const read = time(() => {
  const sheet = XLSX.readFile(target).Sheets["Channel"];
  count = XLSX.utils.sheet_to_json(sheet, { header: 1 }).length - 1;
});
fs.unlinkSync(target);
console.log(`SheetJS ${XLSX.version}, ${count} channels x ${rows[0].length} columns: ` +
            `write median ${write.toFixed(1)} ms, read median ${read.toFixed(1)} ms (${runs} runs)`);
