// Channels that are one another's duplicates, and which of each group the operator keeps.
// Two channels are duplicates when they carry the same service (same carrier and service id)
// or have the same name and kind (TV or radio, received by satellite or terrestrially). The SD
// and HD versions of a name ("X" and "X HD") are two programmes to most operators, so they
// count only when asked. Groups join what these pairs link, so keeping one channel of each
// group never deletes the last copy of anything.
#pragma once

#include "chanforge/editing/ChannelEdits.h"
#include "chanforge/editing/LeftOut.h"
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

/// Whether "X" and "X HD" (or SD, UHD, 4K) are the same name.
enum class NameRule { Exact, WithVariants };

struct DuplicateGroup {
    bool sameService = false; ///< some pair carries the same service
    bool sameName = false;    ///< some pair has the same name and kind
    bool variants = false;    ///< some pair are the SD and HD versions of a name
    RowIds rows;              ///< in table order
    std::uint32_t kept = 0;   ///< one of rows
};

/// Names count as the same without regard to case and to blanks at the ends or doubled.
std::string NameKey(std::string_view name);
/// The name key without a trailing quality mark (HD, SD, UHD, 4K), so that the versions of a
/// programme meet; a name that is only the mark keeps it.
std::string VariantKey(std::string_view name);
/// High definition: the service type says so, or the name carries the mark HD, UHD or 4K.
bool IsHD(const Channel_Info_Tag& ch);

/// Every group of two or more duplicates, in table order of their first channel.
std::vector<DuplicateGroup> FindDuplicates(tabstore::CQoDB& db, KeepPolicy keep, Product product,
                                           NameRule rule = NameRule::Exact);

/// The channels DeleteDuplicates deletes: all of each group but the kept one, leaving out the
/// groups (by index) the operator left out.
std::size_t Doomed(const std::vector<DuplicateGroup>& groups, const LeftOut& leftOut = {});

/// Deletes every channel of the groups but the kept one and renumbers, as a delete does (which
/// re-keys the table); the groups in leftOut stay whole. The number of channels deleted.
std::size_t DeleteDuplicates(tabstore::CQoDB& db, const std::vector<DuplicateGroup>& groups,
                             const LeftOut& leftOut = {});

} // namespace chanforge::editing
