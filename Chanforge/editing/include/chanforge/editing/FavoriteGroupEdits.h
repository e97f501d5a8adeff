// Emptying, deleting and reusing favourite groups. A receiver keeps a fixed number of groups,
// one slot each: a deleted group stays as an empty slot under its default name, which New
// takes again.
#pragma once

#include "chanforge/editing/EditResult.h"
#include "tabstore/QoDB.h"

#include <cstdint>
#include <optional>
#include <string>

namespace chanforge::editing {

/// "Favorite 3" for index 2: the name a receiver's empty slot carries.
std::string DefaultFavoriteName(std::uint32_t index);
/// Every channel leaves group index (0-based), its position there cleared; Nothing when none
/// was in it.
EditResult ClearFavoriteGroup(tabstore::CQoDB& db, std::uint32_t index);
/// Empties group index and gives it back its default name; Nothing when it already was so.
EditResult DeleteFavoriteGroup(tabstore::CQoDB& db, std::uint32_t index);
/// The group New takes: the first without channels under its default name; none when every
/// group is in use.
std::optional<std::uint32_t> FreeFavoriteGroup(tabstore::CQoDB& db);

} // namespace chanforge::editing
