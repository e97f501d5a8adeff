// The sheet "Channel" as a CSV file, for any spreadsheet program or script: the workbook's
// columns and header, UTF-8 with a byte-order mark, RFC 4180 quoting. Values travel exactly as
// they are: nothing is changed to keep a spreadsheet from taking a name for a formula.
#pragma once

#include "chanforge/xls/ChannelWorkbook.h"

#include <cstdint>
#include <span>
#include <string>

namespace chanforge::xls {

/// The channel table as CSV text with this separator (comma, semicolon or tab).
std::string ChannelCsvText(tabstore::CQoDB& db, char separator);

/// Writes ChannelCsvText to path through a replacement file (an existing file is kept on failure).
WorkbookResult ExportChannelCsv(tabstore::CQoDB& db, const std::string& path, char separator);

/// Replaces the channel table with the rows of a CSV file, read as the sheet "Channel" is: comma,
/// semicolon or tab, with or without a byte-order mark, UTF-8 or else each byte a character of
/// the workbook code page; the first line is the header. A file that does not read (CsvMalformed,
/// CellRefused, NamesRefused: lines named in refused and names->refusedRows) changes nothing.
WorkbookResult ReadChannelCsv(std::span<const std::uint8_t> bytes, tabstore::CQoDB& db,
                              NameImport* names = nullptr, RefusedCell* refused = nullptr);
/// The same from a file.
WorkbookResult ImportChannelCsv(const std::string& path, tabstore::CQoDB& db,
                                NameImport* names = nullptr, RefusedCell* refused = nullptr);

} // namespace chanforge::xls
