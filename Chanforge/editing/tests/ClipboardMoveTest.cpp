#include "chanforge/editing/ChannelMove.h"

#include "TestDatabase.h"

#include <gtest/gtest.h>

using namespace chanforge;
using namespace chanforge::editing;
using namespace chanforge::editing::test;

namespace {

using Strings = std::vector<std::string>;

TEST(MoveChannels, TableOfMoves) {
    struct Row {
        const char* name;
        Strings moved;
        const char* target;
        Strings expected; // TV numbering in table order afterwards
    };
    const std::vector<Row> rows = {
        {"5 to 2", {"T5"}, "T2", {"T1=1", "T2=3", "T3=4", "T4=5", "T5=2", "T6=6"}},
        {"2 to 5", {"T2"}, "T5", {"T1=1", "T2=4", "T3=2", "T4=3", "T5=5", "T6=6"}},
        {"onto itself", {"T3"}, "T3", {"T1=1", "T2=2", "T3=3", "T4=4", "T5=5", "T6=6"}},
        {"block 5,6 up to 2 keeps order",
         {"T5", "T6"},
         "T2",
         {"T1=1", "T2=4", "T3=5", "T4=6", "T5=2", "T6=3"}},
        {"block 1,2 down to 5 keeps order",
         {"T1", "T2"},
         "T5",
         {"T1=3", "T2=4", "T3=1", "T4=2", "T5=5", "T6=6"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        tabstore::CQoDB db;
        FillNumbered(db, 6, 3);
        RowIds moved;
        for (const std::string& name : row.moved)
            moved.push_back(KeyOf(db, name));
        MoveChannels(db, moved, KeyOf(db, row.target), ChannelKind::TV, kSatelliteProduct);
        EXPECT_EQ(Numbering(db, true), row.expected);
        EXPECT_EQ(Numbering(db, false), (Strings{"R1=1", "R2=2", "R3=3"}));
    }
}

TEST(MoveChannels, KeepsShowAndLogicalNumbersInStep) {
    tabstore::CQoDB db;
    FillNumbered(db, 3, 0);
    MoveChannels(db, {3}, 1, ChannelKind::TV, kSatelliteProduct);
    EXPECT_EQ(ChannelAt(db, 3).ShowNum, 1);
    EXPECT_EQ(ChannelAt(db, 3).LogicalNumber, 1);
    // Product list 8 takes the target from ShowNum and leaves LogicalNumber alone.
    tabstore::CQoDB db8;
    FillNumbered(db8, 3, 0);
    MoveChannels(db8, {3}, 1, ChannelKind::TV, Product{8, 3});
    EXPECT_EQ(ChannelAt(db8, 3).ProgramNum, 1);
    EXPECT_EQ(ChannelAt(db8, 3).ShowNum, 1);
    EXPECT_EQ(ChannelAt(db8, 3).LogicalNumber, 3);
    EXPECT_EQ(ChannelAt(db8, 1).ShowNum, 2);
}

TEST(MoveChannels, MoveHereRefusedBetweenKinds) {
    tabstore::CQoDB db;
    FillNumbered(db, 3, 3);
    ChannelClipboard clip;
    CopyChannels(clip, {KeyOf(db, "T3")}, ChannelKind::TV);
    EXPECT_EQ(MoveClipboardHere(db, clip, KeyOf(db, "R1"), ChannelKind::Radio, kSatelliteProduct),
              EditResult::MoveTVToRadio);
    EXPECT_EQ(Numbering(db, false), (Strings{"R1=1", "R2=2", "R3=3"}));
    EXPECT_EQ(MoveClipboardHere(db, clip, KeyOf(db, "T1"), ChannelKind::TV, kSatelliteProduct),
              EditResult::Ok);
    EXPECT_EQ(ChannelAt(db, KeyOf(db, "T3")).ProgramNum, 1);
}

TEST(Paste, RefusedBetweenKinds) {
    tabstore::CQoDB db;
    FillNumbered(db, 2, 2);
    ChannelClipboard clip;
    CopyChannels(clip, {1}, ChannelKind::TV);
    EXPECT_EQ(PasteChannels(db, clip, ChannelKind::Radio, ShowAll(), kSatelliteProduct),
              EditResult::PasteTVToRadio);
    EXPECT_EQ(db.Size(kChannelTable), 4u);
    EXPECT_FALSE(clip.Empty());
    EXPECT_FALSE(clip.Holds(ChannelKind::Radio));
}

TEST(Paste, CopiesAreCleanedNumberedAfterTheirKindAndClipboardEmptied) {
    tabstore::CQoDB db;
    FillNumbered(db, 2, 1);
    auto* t1 = GetRow<Channel_Info_Tag>(db, kChannelTable, 1);
    t1->Attributes |= 7;
    t1->Favorite = 0xFFFFFFFF;
    t1->FavoriteSlot[31] = 9;
    ChannelClipboard clip;
    CopyChannels(clip, {1, 2, 404}, ChannelKind::TV);
    RowIds pasted;
    EXPECT_EQ(PasteChannels(db, clip, ChannelKind::TV, ShowAll(), kSatelliteProduct, &pasted),
              EditResult::Ok);
    EXPECT_TRUE(clip.Empty());
    EXPECT_EQ(Numbering(db, true), (Strings{"T1=1", "T2=2", "T1=3", "T2=4"}));
    EXPECT_EQ(pasted, (RowIds{3, 4})) << "the copies' keys after the regroup put radio last";
    const Channel_Info_Tag& copy = ChannelAt(db, 3);
    EXPECT_EQ(copy.Attributes & attr::kGenreMask, 0);
    EXPECT_EQ(copy.Favorite, 0u);
    EXPECT_EQ(copy.FavoriteSlot[31], 0);
    EXPECT_EQ(copy.ShowNum, 3);
    EXPECT_EQ(copy.LogicalNumber, 3);
    EXPECT_STREQ(ChannelAt(db, 5).Name, "R1"); // radio after TV
    EXPECT_EQ(PasteChannels(db, clip, ChannelKind::TV, ShowAll(), kSatelliteProduct),
              EditResult::Nothing);
}

TEST(Paste, PlacesCopiesOnTheShownRecord) {
    tabstore::CQoDB db;
    const std::uint32_t sat = AddSatellite(db, 5, "S");
    const std::uint32_t tp = AddTransponder(db, 6, 7);
    const std::uint32_t provider = AddProvider(db, 42, "P");
    AddChannel(db, MakeChannel("Src", 1, true, 2, 1));
    struct Row {
        const char* name;
        ChannelFilter filter;
        Product product;
        int satId, tpid, broadcastId;
    };
    const std::vector<Row> rows = {
        {"satellite", ShowSatellite(db, sat), kSatelliteProduct, 5, 1, 0},
        {"transponder", ShowTransponder(tp), kSatelliteProduct, 6, 7, 0},
        {"terrestrial mux on combination", ShowTerrestrialMux(tp), kCombinationProduct, 1, 7, 0},
        {"terrestrial mux number", ShowTerrestrialMux(33), kTerrestrialProduct, 2, 33, 0},
        {"provider gets its id, not its key", ShowProvider(provider, ShowAll(), kSatelliteProduct),
         kSatelliteProduct, 2, 1, 42},
        {"missing transponder changes nothing", ShowTransponder(77), kSatelliteProduct, 2, 1, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ChannelClipboard clip;
        CopyChannels(clip, {KeyOf(db, "Src")}, ChannelKind::TV);
        ASSERT_EQ(PasteChannels(db, clip, ChannelKind::TV, row.filter, row.product),
                  EditResult::Ok);
        // The copy is the TV channel with the highest number.
        const Channel_Info_Tag* copy = nullptr;
        ForEachRow<Channel_Info_Tag>(db, kChannelTable, [&](const Channel_Info_Tag& ch) {
            if (copy == nullptr || ch.ProgramNum > copy->ProgramNum)
                copy = &ch;
        });
        ASSERT_NE(copy, nullptr);
        EXPECT_EQ(copy->SatID, row.satId);
        EXPECT_EQ(copy->TPID, row.tpid);
        EXPECT_EQ(copy->BroadcastID, row.broadcastId);
    }
}

TEST(Reorder, SelectedBlockGoesAfterTheDropRow) {
    EXPECT_EQ(ReorderRows({1, 2, 3, 4, 5}, {4, 2}, 1), (RowIds{1, 2, 4, 3, 5}));
    EXPECT_EQ(ReorderRows({1, 2, 3, 4, 5}, {1}, 5), (RowIds{2, 3, 4, 5, 1}));
    EXPECT_EQ(ReorderRows({1, 2, 3, 4, 5}, {2, 3}, 3), (RowIds{1, 4, 5, 2, 3}));
}

} // namespace
