#include "chanforge/editing/ChannelColumns.h"
#include "chanforge/editing/ChannelSelection.h"

#include "TestDatabase.h"

#include <gtest/gtest.h>

using namespace chanforge;
using namespace chanforge::editing;
using namespace chanforge::editing::test;

namespace {

class SelectionTest : public ::testing::Test {
  protected:
    void SetUp() override {
        auto add = [&](const char* name, std::uint16_t attrs, std::uint8_t tuner) {
            Channel_Info_Tag ch = MakeChannel(name, 1, true);
            ch.Attributes |= attrs;
            ch.Tuner = tuner;
            keys.push_back(AddChannel(db, ch));
        };
        add("Das Erste HD", attr::kLocked, 0);
        add("arte", attr::kScrambled, 1);
        add("ZDF", attr::kLocked | attr::kScrambled, 1);
        add("erste Reihe", 0, 0);
        keys.push_back(4242); // a row whose channel is gone is never selected
    }
    tabstore::CQoDB db;
    RowIds keys;
};

TEST_F(SelectionTest, SelectCommands) {
    const Product twoTuner = kTwoTunerProduct;
    EXPECT_EQ(SelectRows(db, keys, SelectWhat::All, twoTuner), Selection(5, true));
    EXPECT_EQ(SelectRows(db, keys, SelectWhat::Locked, twoTuner),
              (Selection{true, false, true, false, false}));
    EXPECT_EQ(SelectRows(db, keys, SelectWhat::CAS, twoTuner),
              (Selection{false, true, true, false, false}));
    EXPECT_EQ(SelectRows(db, keys, SelectWhat::Tuner1, twoTuner),
              (Selection{true, false, false, true, false}));
    EXPECT_EQ(SelectRows(db, keys, SelectWhat::Tuner2, twoTuner),
              (Selection{false, true, true, false, false}));
    EXPECT_EQ(InvertSelection({true, false, true}), (Selection{false, true, false}));
    EXPECT_EQ(SelectedKeys(keys, {false, true, true, false, false}), (RowIds{keys[1], keys[2]}));
}

TEST_F(SelectionTest, SearchIgnoresCase) {
    EXPECT_EQ(SearchByName(db, keys, "ERSTE"), (Selection{true, false, false, true, false}));
    EXPECT_EQ(SearchByName(db, keys, "zdf"), (Selection{false, false, true, false, false}));
    EXPECT_EQ(SearchByName(db, keys, "nothing"), Selection(5, false));
}

TEST(ChannelSelection, NextSelectedGoesRoundTheEnd) {
    const Selection s{false, true, false, true};
    struct Row {
        std::size_t from;
        bool forward;
        std::optional<std::size_t> found;
    };
    for (const Row& row : std::vector<Row>{{1, true, 3},
                                           {3, true, 1},
                                           {1, false, 3},
                                           {0, false, 3},
                                           {4, true, 1}, // no current row
                                           {99, false, 3}}) {
        SCOPED_TRACE(row.from);
        EXPECT_EQ(NextSelected(s, row.from, row.forward), row.found);
    }
    EXPECT_EQ(NextSelected({false, true}, 1, true), 1u); // the only match is where we are
    EXPECT_EQ(NextSelected({false, false}, 0, true), std::nullopt);
    EXPECT_EQ(NextSelected({}, 0, false), std::nullopt);
}

TEST(ChannelColumns, CellTexts) {
    Channel_Info_Tag ch = MakeChannel("Name", 12, true, 1, 4);
    ch.RowID = 3;
    ch.ShowNum = 99;
    ch.VideoPID = 101;
    ch.Attributes |= 4 | attr::kScrambled;
    ch.FavoriteSlot[1] = 6;
    ch.Tuner = 1;
    const Product p = kTwoTunerProduct;
    struct Row {
        int column;
        std::string text;
    };
    for (const Row& row : std::vector<Row>{{kColIndex, "3"},
                                           {kColSatID, "1"},
                                           {kColTPID, "4"},
                                           {kColNumber, "12"},
                                           {kColName, "Name"},
                                           {kColVPID, "101"},
                                           {kColGenre, "Sport"},
                                           {kColCAS, "Y"},
                                           {kColLocked, "N"},
                                           {kColSkipped, "N"},
                                           {kColTuner, "Tuner 2"},
                                           {kColFav, ""}}) {
        SCOPED_TRACE(row.column);
        EXPECT_EQ(ChannelCellText(ch, row.column, p, 0), row.text);
    }
    EXPECT_EQ(ChannelCellText(ch, kColFav, p, 2), "6");
    EXPECT_EQ(ChannelCellText(ch, kColNumber, Product{8, 3}, 0), "99");
    EXPECT_EQ(ChannelCellText(ch, kColTuner, Product{8, 3}, 0), "Mux");
}

TEST(ChannelColumns, LongestTextsStandForEveryRow) {
    tabstore::CQoDB db;
    std::vector<std::uint32_t> keys;
    for (const char* name : {"ARD", "Sky Cinema Action HD", "n-tv", "Sky Cinema Family HD"})
        keys.push_back(AddChannel(db, MakeChannel(name, 9, true)));
    GetRow<Channel_Info_Tag>(db, kChannelTable, keys[0])->ProgramNum = 1200;
    GetRow<Channel_Info_Tag>(db, kChannelTable, keys[2])->Attributes |= 2; // News and Factual
    GetRow<Channel_Info_Tag>(db, kChannelTable, keys[3])->Favorite = 0b1010;
    keys.push_back(4711); // a row gone from the table counts for nothing
    const auto longest = LongestCellTexts(db, keys, kSatelliteProduct, 0);
    ASSERT_EQ(longest.size(), std::size_t{kChannelColumnCount});
    EXPECT_EQ(longest[kColRowNumber], std::vector<std::string>{"5"});
    EXPECT_EQ(longest[kColNumber], std::vector<std::string>{"1200"});
    EXPECT_EQ(std::vector(longest[kColName].begin(), longest[kColName].begin() + 2),
              (std::vector<std::string>{"Sky Cinema Family HD", "Sky Cinema Action HD"}));
    EXPECT_EQ(longest[kColGenre].front(), "News and Factual"); // widest first
    EXPECT_EQ(longest[kColFav].front(), "2,4");
    EXPECT_EQ(LongestCellTexts(db, keys, kSatelliteProduct, 2)[kColFav],
              std::vector<std::string>{"0"}); // positions in the group shown
    EXPECT_TRUE(LongestCellTexts(db, {}, kSatelliteProduct, 0)[kColName].empty());

    // Among many long narrow names a shorter wide one is still measured.
    keys.clear();
    for (int i = 0; i < 40; ++i)
        keys.push_back(
            AddChannel(db, MakeChannel("iiiiiiiiiiiiiiiiii " + std::to_string(i), 1, true)));
    keys.push_back(AddChannel(db, MakeChannel("WDR MMMM WWW", 1, true)));
    const auto names = LongestCellTexts(db, keys, kSatelliteProduct, 0)[kColName];
    EXPECT_LE(names.size(), 16u);
    EXPECT_EQ(names.front(), "WDR MMMM WWW");
}

TEST(ChannelColumns, TunerColumnShownOnlyWhereItSaysSomething) {
    // The tuner column where a channel's tuner is kept, or where it tells satellite from
    // terrestrial (list 8); a column reading "Tuner 1" on every row anywhere else.
    EXPECT_FALSE(ChannelColumnHidden(kColTuner, true, kCombinationProduct, true));
    EXPECT_FALSE(ChannelColumnHidden(kColTuner, false, Product{8, 1 | 2}, false));
    EXPECT_TRUE(ChannelColumnHidden(kColTuner, false, kSatelliteProduct, false));
    EXPECT_TRUE(ChannelColumnHidden(kColTuner, false, kCableProduct, false));
}

TEST(ChannelColumns, HeaderSortOrdersNumbersByValue) {
    tabstore::CQoDB db;
    RowIds keys;
    for (int n : {9, 10, 2})
        keys.push_back(AddChannel(
            db, MakeChannel("C" + std::to_string(n), static_cast<std::uint16_t>(n), true)));
    RowIds rows = keys;
    SortByColumnText(db, rows, kColNumber, false, kSatelliteProduct, 0);
    EXPECT_EQ(Names(db, rows), (std::vector<std::string>{"C2", "C9", "C10"}));
    SortByColumnText(db, rows, kColNumber, true, kSatelliteProduct, 0);
    EXPECT_EQ(Names(db, rows), (std::vector<std::string>{"C10", "C9", "C2"}));
}

} // namespace
