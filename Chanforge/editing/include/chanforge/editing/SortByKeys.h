// Sorting the whole channel list by several keys in an order the operator picks, as one step
// that gives every channel its new number (the grids' header sort only reorders the rows shown).
#pragma once

#include "chanforge/ChannelOrder.h"
#include "chanforge/editing/ChannelEdits.h"
#include "chanforge/editing/UndoStack.h"

#include <vector>

namespace chanforge::editing {

inline constexpr TableMask kSortTables = TableBit(kChannelTable);

enum class SortKey {
    Satellite,     ///< by SatID, the satellite list's order
    Transponder,   ///< by frequency and polarisation (a multiplex by its id)
    Name,          ///< without regard to case
    Provider,      ///< by provider name; channels of no known provider last
    ScrambledLast, ///< free channels before scrambled ones
};

/// Numbers the channels of each kind 1, 2, 3 ... in the order of keys, the first key deciding
/// first; channels equal in every key keep their order. Favourite positions stay. The table is
/// re-keyed: the map says where each channel went.
RowKeyMap SortByKeys(tabstore::CQoDB& db, const std::vector<SortKey>& keys, Product product);

} // namespace chanforge::editing
