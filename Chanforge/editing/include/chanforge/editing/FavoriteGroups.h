// Favourite group names as the favourite tree shows and renames them.
#pragma once

#include "chanforge/editing/EditResult.h"
#include "tabstore/QoDB.h"

#include <cstdint>
#include <string>
#include <vector>

namespace chanforge::editing {

struct FavoriteGroupName {
    std::uint32_t index; ///< 0-based group index (RowID - 1)
    std::string name;
};

/// Every group of table 6 in table order.
std::vector<FavoriteGroupName> FavoriteGroups(tabstore::CQoDB& db);

/// Longest name a group record can hold.
inline constexpr std::size_t kFavoriteNameMax = 19;

/// Renames group index (0-based): 1 to 19 characters are stored; longer names are refused;
/// an empty name or the name it has changes nothing (Nothing). A group whose record is missing
/// is renamed nowhere but Ok.
EditResult RenameFavoriteGroup(tabstore::CQoDB& db, std::uint32_t index, const std::string& name);

} // namespace chanforge::editing
