// What changes from one database to another: records added, removed and changed per table,
// and channels moved, renamed or re-flagged. Records are matched by what they are (a channel
// by satellite, transponder and service id; a transponder by satellite and id), never by
// RowID, which a renumbering or a load hands out afresh.
#pragma once

#include "chanforge/Records.h"
#include "chanforge/codec/FlashLayout.h"
#include "tabstore/QoDB.h"
#include "utils/Phrase.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace chanforge::check {

enum class ChangeKind { Added, Removed, Changed, Moved, Renamed, Reflagged };

struct Change {
    TableId table = kChannelTable;
    ChangeKind kind = ChangeKind::Changed;
    std::uint32_t rowA = 0; ///< RowID in the first database, 0 for an added record
    std::uint32_t rowB = 0; ///< RowID in the second database, 0 for a removed record
    utils::Phrase message;
};

using Changes = std::vector<Change>;

/// Changes from a to b, table by table (satellites first, channels and favourites last).
/// The layout says which transponder rows are terrestrial multiplexes.
Changes DiffStores(tabstore::CQoDB& a, tabstore::CQoDB& b, const codec::FlashLayout& layout);

std::string_view ChangeKindName(ChangeKind kind); ///< "added", "removed", "moved" ...

} // namespace chanforge::check
