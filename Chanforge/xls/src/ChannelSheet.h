// The sheet "Channel" over the channel table, whichever file carries it: a workbook or CSV.
#pragma once

#include "chanforge/xls/ChannelWorkbook.h"
#include "chanforge/xls/CodePage.h"
#include "chanforge/xls/Worksheet.h"

namespace chanforge::xls::channel {

/// Row 0 the headers, then one channel per row in key order; names through the code page.
void FillSheet(tabstore::CQoDB& db, Worksheet& sheet, const CodePage& page);

/// Replaces the channel table with rows 1 ... of the sheet, once every row has read: a value
/// its field cannot hold refuses the sheet (CellRefused, the first such cell to refused), and so
/// does a name names refuses (NamesRefused).
WorkbookResult ReadSheet(const Worksheet& sheet, const CodePage& page, tabstore::CQoDB& db,
                         NameImport* names, RefusedCell* refused);

} // namespace chanforge::xls::channel
