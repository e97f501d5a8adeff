#include "chanforge/editing/FavoriteGroups.h"

#include "Rows.h"

#include <cstring>
#include <string_view>

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
        // The same name leaves the row as it is, bytes after the name's end included.
        if (name == std::string_view(group->Name, strnlen(group->Name, sizeof group->Name)))
            return EditResult::Nothing;
        std::memset(group->Name, 0, sizeof group->Name);
        std::memcpy(group->Name, name.data(), name.size());
    }
    return EditResult::Ok;
}

} // namespace chanforge::editing
