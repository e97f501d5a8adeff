// Channels that are one another's duplicates, and which of each group the operator keeps.
// Two channels are duplicates when they carry the same service (same carrier and service id)
// or have the same name and kind; groups join what these pairs link, so keeping one channel
// of each group never deletes the last copy of anything.
#pragma once

#include "chanforge/editing/ChannelEdits.h"
#include "chanforge/editing/UndoStack.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace chanforge::editing {

inline constexpr TableMask kDedupeTables = TableBit(kChannelTable);

/// Channels that carry one service on one carrier, one group per service, in table order.
/// Hand-made entries without a service id are no one's duplicates.
std::vector<RowIds> SameServiceGroups(tabstore::CQoDB& db);

/// Which channel of a group stays; ties go to the lowest number, then the first in the table.
enum class KeepPolicy {
    Lowest,    ///< the lowest channel number
    HD,        ///< a high-definition channel over a standard one
    FreeToAir, ///< a free channel over a scrambled one
    Favorite,  ///< one in a favourite group over one in none
};

/// "lowest", "hd", "fta", "favourite" as the command line spells them.
std::optional<KeepPolicy> KeepPolicyNamed(std::string_view name);

struct DuplicateGroup {
    bool sameService = false; ///< some pair carries the same service
    bool sameName = false;    ///< some pair has the same name and kind
    RowIds rows;              ///< in table order
    std::uint32_t kept = 0;   ///< one of rows
};

/// Names count as the same without regard to case, to blanks at the ends or doubled, and to a
/// trailing quality mark (HD, SD, UHD), so that the SD and HD editions of a programme meet.
std::string NameKey(std::string_view name);
/// High definition: the service type says so, or the name carries the mark HD or UHD.
bool IsHD(const Channel_Info_Tag& ch);

/// Every group of two or more duplicates, in table order of their first channel.
std::vector<DuplicateGroup> FindDuplicates(tabstore::CQoDB& db, KeepPolicy keep, Product product);

/// Deletes every channel of the groups but the kept one and renumbers, as a delete does (which
/// re-keys the table). The number of channels deleted.
std::size_t DeleteDuplicates(tabstore::CQoDB& db, const std::vector<DuplicateGroup>& groups);

} // namespace chanforge::editing
