#include "chanforge/editing/FavoriteGroupEdits.h"
#include "chanforge/editing/ChannelColumns.h"
#include "chanforge/editing/FavoriteGroups.h"

#include "TestDatabase.h"

#include <gtest/gtest.h>

using namespace chanforge;
using namespace chanforge::editing;
using namespace chanforge::editing::test;

namespace {

/// Three groups as a receiver reports them; T1 in groups 1 and 2, T2 in group 2.
void Fill(tabstore::CQoDB& db) {
    FillNumbered(db, 3, 0);
    for (std::uint32_t g = 0; g < 3; ++g)
        AddFavorite(db, DefaultFavoriteName(g));
    ASSERT_EQ(RenameFavoriteGroup(db, 1, "News"), EditResult::Ok);
    GetRow<Channel_Info_Tag>(db, kChannelTable, KeyOf(db, "T1"))->Favorite = 0b011;
    GetRow<Channel_Info_Tag>(db, kChannelTable, KeyOf(db, "T1"))->FavoriteSlot[1] = 2;
    GetRow<Channel_Info_Tag>(db, kChannelTable, KeyOf(db, "T2"))->Favorite = 0b010;
}

TEST(FavoriteGroupEdits, ClearAndDeleteTouchOnlyTheirGroup) {
    tabstore::CQoDB db;
    Fill(db);
    EXPECT_EQ(ClearFavoriteGroup(db, 1), EditResult::Ok);
    EXPECT_EQ(ChannelAt(db, KeyOf(db, "T1")).Favorite, 0b001u);
    EXPECT_EQ(ChannelAt(db, KeyOf(db, "T1")).FavoriteSlot[1], 0);
    EXPECT_EQ(ChannelAt(db, KeyOf(db, "T2")).Favorite, 0u);
    EXPECT_EQ(FavoriteGroups(db)[1].name, "News"); // Clear keeps the name
    EXPECT_EQ(ClearFavoriteGroup(db, 1), EditResult::Nothing);
    EXPECT_EQ(ClearFavoriteGroup(db, 40), EditResult::Nothing); // past the record's bits

    EXPECT_EQ(DeleteFavoriteGroup(db, 1), EditResult::Ok);
    EXPECT_EQ(FavoriteGroups(db)[1].name, "Favorite 2");
    EXPECT_EQ(DeleteFavoriteGroup(db, 1), EditResult::Nothing);
    EXPECT_EQ(DeleteFavoriteGroup(db, 7), EditResult::Nothing); // no such slot
    EXPECT_EQ(db.Size(kFavoriteTable), 3u);                     // the slot stays
}

TEST(FavoriteGroupEdits, NewTakesTheFirstEmptyUnnamedSlot) {
    tabstore::CQoDB db;
    Fill(db);
    EXPECT_EQ(FreeFavoriteGroup(db), 2u); // 1 has T1, 2 is named
    ASSERT_EQ(RenameFavoriteGroup(db, 2, "Sport"), EditResult::Ok);
    EXPECT_EQ(FreeFavoriteGroup(db), std::nullopt);
    ASSERT_EQ(DeleteFavoriteGroup(db, 0), EditResult::Ok);
    EXPECT_EQ(FreeFavoriteGroup(db), 0u);
}

TEST(FavoriteGroupEdits, FavColumnShowsMembershipOrPosition) {
    tabstore::CQoDB db;
    Fill(db);
    const Channel_Info_Tag& t1 = ChannelAt(db, KeyOf(db, "T1"));
    EXPECT_EQ(ChannelCellText(t1, kColFav, kSatelliteProduct, 0), "1,2");
    EXPECT_EQ(ChannelCellText(t1, kColFav, kSatelliteProduct, 2), "2"); // position in group 2
    EXPECT_EQ(ChannelCellText(ChannelAt(db, KeyOf(db, "T3")), kColFav, kSatelliteProduct, 0), "");
}

} // namespace
