// The columns of the channel grids: header, cell text, visibility and width template.
#pragma once

#include "chanforge/Records.h"
#include "chanforge/editing/Product.h"
#include "tabstore/QoDB.h"

#include <cstdint>
#include <string>
#include <vector>

namespace chanforge::editing {

enum ChannelColumn : int {
    kColRowNumber = 0,
    kColIndex,
    kColFav,
    kColSatID,
    kColTPID,
    kColNumber,
    kColName,
    kColVPID,
    kColAPID,
    kColPCRPID,
    kColGenre,
    kColCAS,
    kColLocked,
    kColSkipped,
    kColTuner,
    kChannelColumnCount,
};

/// Header text; the image columns (0, 11 to 14) have none and show a symbol instead.
const char* ChannelHeaderText(int column);
/// Hidden columns: in Simple mode the ids, PIDs and "Fav"; the tuner column unless the model
/// stores each channel's tuner (tunerStored) or tells satellite from terrestrial channels by it.
bool ChannelColumnHidden(int column, bool simpleMode, Product product, bool tunerStored);

/// Text of a data column (1..14) for one channel. favoriteGroup is the group shown (0 outside
/// a favourite view); the "Fav" column shows the position in that group, outside one the
/// groups the channel belongs to ("1,3"). UTF-8: the name is read through its code table.
std::string ChannelCellText(const Channel_Info_Tag& ch, int column, Product product,
                            std::uint32_t favoriteGroup);

/// Per column, the texts likely widest among those the rows show (a few, widest first): what
/// fitting a column to its contents has to measure. One walk over the rows; numbers are
/// formatted once, from the largest value.
std::vector<std::vector<std::string>> LongestCellTexts(tabstore::CQoDB& db,
                                                       const std::vector<std::uint32_t>& rows,
                                                       Product product,
                                                       std::uint32_t favoriteGroup);

/// Sorts rows (channel RowIDs) by the text of a column in natural order, as a header click does.
/// Rows whose channel no longer exists sort first.
void SortByColumnText(tabstore::CQoDB& db, std::vector<std::uint32_t>& rows, int column,
                      bool descending, Product product, std::uint32_t favoriteGroup);

} // namespace chanforge::editing
