// What the receiver model cannot hold: favourite groups and memberships past its limit, tables
// past their flash blocks, transponder ids past one byte.
#include "Context.h"

#include "chanforge/TableAccess.h"
#include "chanforge/codec/TableCapacity.h"

#include <utility>

namespace chanforge::check::detail {

namespace {

constexpr std::uint32_t kLargestId = 255;

struct TableWords {
    TableId table;
    const char* full; ///< the finding for this table
};

constexpr TableWords kCapacityTables[] = {
    {kFavoriteTable, CF_TR_NOOP("Check", "The favourite group table has %1 records, but its "
                                         "flash block holds %2")},
    {kSatelliteTable,
     CF_TR_NOOP("Check", "The satellite table has %1 records, but its flash block holds %2")},
    {kProviderTable,
     CF_TR_NOOP("Check", "The provider table has %1 records, but its flash block holds %2")},
    {kTransponderTable,
     CF_TR_NOOP("Check", "The transponder table has %1 records, but its flash block holds %2")},
    {kCableMuxTable, CF_TR_NOOP("Check", "The cable multiplex table has %1 records, but its "
                                         "flash block holds %2")},
    {kChannelTable,
     CF_TR_NOOP("Check", "The channel table has %1 records, but its flash block holds %2")},
};

/// Rows of a table from the one at `skip` on (0-based), in key order.
std::vector<std::uint32_t> RowsFrom(tabstore::CQoDB& db, TableId table, std::uint64_t skip) {
    std::vector<std::uint32_t> rows;
    std::uint64_t i = 0;
    ForEachRowBytes(db, table, [&](tabstore::RowBuffer, std::uint32_t key) {
        if (i++ >= skip)
            rows.push_back(key);
    });
    return rows;
}

} // namespace

void CheckFavorites(Context& ctx, Findings& out) {
    const std::uint32_t limit = ctx.model.favoriteGroups;
    ForEachRow<Favorite_Info_Tag>(ctx.db, kFavoriteTable, [&](const Favorite_Info_Tag& fav) {
        if (fav.RowID <= limit)
            return;
        out.push_back({Severity::Error,
                       Rule::FavoriteGroupLimit,
                       kFavoriteTable,
                       {fav.RowID},
                       Say(CF_TR_NOOP("Check", "Favourite group %1 \"%2\" is past the %3 "
                                               "groups the receiver keeps"),
                           {Num(fav.RowID), NameOf(fav.Name, sizeof fav.Name), Num(limit)})});
    });
    // One finding per group past the limit, naming its members.
    std::vector<std::vector<std::uint32_t>> members(kFavoriteGroupsMax);
    const std::uint32_t kept = limit >= 32 ? 0xFFFFFFFFu : (1u << limit) - 1;
    ForEachRow<Channel_Info_Tag>(ctx.db, kChannelTable, [&](const Channel_Info_Tag& ch) {
        const std::uint32_t lost = ch.Favorite & ~kept;
        if (lost == 0)
            return;
        for (int g = 0; g < kFavoriteGroupsMax; ++g)
            if (lost >> g & 1)
                members[g].push_back(ch.RowID);
    });
    for (int g = 0; g < kFavoriteGroupsMax; ++g) {
        if (members[g].empty())
            continue;
        out.push_back({Severity::Error, Rule::FavoriteMemberLimit, kChannelTable, members[g],
                       utils::Phrase::Counted(
                           "Check",
                           CF_TR_N_NOOP("Check", "Favourite group %1 holds %n channel(s), past "
                                                 "the %2 groups the receiver keeps"),
                           members[g].size(), {Num(g + 1), Num(limit)})});
    }
}

void CheckCapacity(Context& ctx, Findings& out) {
    for (const TableWords& t : kCapacityTables) {
        const auto capacity = codec::TableCapacity(ctx.layout, t.table);
        const std::uint64_t size = ctx.db.Size(t.table);
        if (!capacity || size <= *capacity)
            continue;
        out.push_back({Severity::Error, Rule::TableCapacity, t.table,
                       RowsFrom(ctx.db, t.table, *capacity),
                       Say(t.full, {Num(size), Num(*capacity)})});
    }
}

void CheckIdRange(Context& ctx, Findings& out) {
    if (ctx.values.MaxTPID <= kLargestId)
        return;
    out.push_back({Severity::Error,
                   Rule::IdRange,
                   kTransponderTable,
                   {},
                   Say(CF_TR_NOOP("Check", "Transponder ids have reached %1, past 255: new "
                                           "transponders get ids the receiver cannot store"),
                       {Num(ctx.values.MaxTPID)})});
}

} // namespace chanforge::check::detail
