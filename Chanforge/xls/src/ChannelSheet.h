// The sheet "Channel" over the channel table, whichever file carries it: a workbook or CSV.
#pragma once

#include "chanforge/xls/ChannelWorkbook.h"
#include "chanforge/xls/CodePage.h"
#include "chanforge/xls/Worksheet.h"

namespace chanforge::xls::channel {

/// Row 0 the headers and the names mark, then one channel per row in key order; each name as
/// text through its CodeTable.
void FillSheet(tabstore::CQoDB& db, Worksheet& sheet);

/// Replaces the channel table with rows 1 ... of the sheet, once every row has read: a value
/// its field cannot hold refuses the sheet (CellRefused, the first such cell to refused), and so
/// does a name names refuses (NamesRefused, the first such name to refused). A sheet without the
/// names mark holds its names in the code page.
WorkbookResult ReadSheet(const Worksheet& sheet, const CodePage& page, tabstore::CQoDB& db,
                         NameImport* names, RefusedCell* refused);

} // namespace chanforge::xls::channel
