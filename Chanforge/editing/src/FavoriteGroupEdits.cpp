#include "chanforge/editing/FavoriteGroupEdits.h"

#include "Rows.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace chanforge::editing {

namespace {

std::uint32_t Bit(std::uint32_t index) {
    return index < kFavoriteGroupsMax ? std::uint32_t{1} << index : 0;
}

bool HasMembers(tabstore::CQoDB& db, std::uint32_t index) {
    bool any = false;
    rows::ForEach<Channel_Info_Tag>(db, kChannelTable, [&](const Channel_Info_Tag& ch) {
        any = any || (ch.Favorite & Bit(index)) != 0;
    });
    return any;
}

} // namespace

std::string DefaultFavoriteName(std::uint32_t index) {
    return "Favorite " + std::to_string(index + 1);
}

EditResult ClearFavoriteGroup(tabstore::CQoDB& db, std::uint32_t index) {
    if (Bit(index) == 0)
        return EditResult::Nothing;
    EditResult result = EditResult::Nothing;
    rows::ForEach<Channel_Info_Tag>(db, kChannelTable, [&](Channel_Info_Tag& ch) {
        if ((ch.Favorite & Bit(index)) == 0)
            return;
        ch.Favorite &= ~Bit(index);
        ch.FavoriteSlot[index] = 0;
        result = EditResult::Ok;
    });
    return result;
}

EditResult DeleteFavoriteGroup(tabstore::CQoDB& db, std::uint32_t index) {
    auto* group = rows::Get<Favorite_Info_Tag>(db, kFavoriteTable, index + 1);
    if (group == nullptr)
        return EditResult::Nothing;
    EditResult result = ClearFavoriteGroup(db, index);
    const std::string name = DefaultFavoriteName(index);
    if (name != std::string_view(group->Name, strnlen(group->Name, sizeof group->Name))) {
        std::memset(group->Name, 0, sizeof group->Name);
        std::memcpy(group->Name, name.data(), std::min(name.size(), sizeof group->Name - 1));
        result = EditResult::Ok;
    }
    return result;
}

std::optional<std::uint32_t> FreeFavoriteGroup(tabstore::CQoDB& db) {
    std::optional<std::uint32_t> free;
    rows::ForEach<Favorite_Info_Tag>(db, kFavoriteTable, [&](const Favorite_Info_Tag& g) {
        const std::uint32_t index = g.RowID - 1;
        if (!free &&
            std::string_view(g.Name, strnlen(g.Name, sizeof g.Name)) ==
                DefaultFavoriteName(index) &&
            !HasMembers(db, index))
            free = index;
    });
    return free;
}

} // namespace chanforge::editing
