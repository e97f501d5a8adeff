// The sheet "Channel" over the channel table, whichever file carries it: a workbook or CSV.
#pragma once

#include "SheetColumns.h"
#include "chanforge/Records.h"
#include "chanforge/TableAccess.h"
#include "chanforge/xls/ChannelWorkbook.h"
#include "chanforge/xls/CodePage.h"
#include "chanforge/xls/Worksheet.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace chanforge::xls::channel {

/// A channel's name as text (UTF-8), read through its CodeTable.
std::string NameText(const chanforge::Channel_Info_Tag& ch);

/// Row 0 the headers and the names mark, then one channel per row in key order; each name as
/// text through its CodeTable.
void FillSheet(tabstore::CQoDB& db, Worksheet& sheet);

/// Replaces the channel table with rows 1 ... of the sheet, as RowReader reads them. A sheet
/// without the names mark holds its names in the code page.
WorkbookResult ReadSheet(const Worksheet& sheet, const CodePage& page, tabstore::CQoDB& db,
                         NameImport* names, RefusedCell* refused);

/// A cell of a channel row, whichever file it comes from.
struct CellValue {
    CellKind kind = CellKind::Empty;
    std::int64_t integer = 0; ///< Integer; Float: the value truncated toward zero
    double number = 0;        ///< Float
    std::string text;         ///< Text: 8-bit units
    std::u16string wide;      ///< WideText
};
using RowCells = std::array<CellValue, kColumnCount>;

/// Reads channel rows one at a time and replaces the channel table only once every row has read:
/// a value its field cannot hold refuses them all (CellRefused, the first such cell to refused),
/// and so does a name names refuses (NamesRefused, the first such name to refused).
class RowReader {
  public:
    /// legacy: the code page of a sheet without the names mark; null for a sheet with it.
    RowReader(const CodePage* legacy, NameImport* names) : legacy_(legacy), names_(names) {}

    /// Reads a row; shown numbers it in refusals (as a spreadsheet shows rows, or a CSV line).
    void Read(const RowCells& cells, std::uint32_t shown);
    WorkbookResult Finish(tabstore::CQoDB& db, RefusedCell* refused);

  private:
    void ReadName(const CellValue& cell, std::uint32_t shown, chanforge::Channel_Info_Tag& ch);

    const CodePage* legacy_;
    NameImport* names_;
    std::vector<chanforge::RowPtr<chanforge::Channel_Info_Tag>> rows_;
    std::optional<RefusedCell> cellRefused_;
    std::optional<RefusedCell> nameRefused_;
};

} // namespace chanforge::xls::channel
