#include "chanforge/editing/FavoriteGroups.h"

#include "Rows.h"

#include <cstring>

namespace chanforge::editing {

std::vector<FavoriteGroupName> FavoriteGroups(tabstore::CQoDB& db) {
    std::vector<FavoriteGroupName> groups;
    rows::ForEach<Favorite_Info_Tag>(db, kFavoriteTable, [&](const Favorite_Info_Tag& g) {
        groups.push_back({g.RowID - 1, std::string(g.Name, strnlen(g.Name, sizeof g.Name))});
    });
    return groups;
}

EditResult RenameFavoriteGroup(tabstore::CQoDB& db, std::uint32_t index, const std::string& name) {
    if (name.empty())
        return EditResult::Nothing;
    if (name.size() > kFavoriteNameMax)
        return EditResult::FavoriteNameTooLong;
    if (auto* group = rows::Get<Favorite_Info_Tag>(db, kFavoriteTable, index + 1)) {
        std::memset(group->Name, 0, sizeof group->Name);
        std::memcpy(group->Name, name.data(), name.size());
    }
    return EditResult::Ok;
}

} // namespace chanforge::editing
