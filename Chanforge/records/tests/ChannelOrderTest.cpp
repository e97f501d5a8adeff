#include "chanforge/ChannelOrder.h"
#include "chanforge/Records.h"
#include "chanforge/TableAccess.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

using namespace chanforge;

namespace {

struct Wanted {
    const char* name;
    std::uint16_t number;
    std::uint16_t attributes;
};

void AddChannel(tabstore::CQoDB& db, const Wanted& wanted) {
    auto row = MakeRow<Channel_Info_Tag>();
    std::strncpy(row->Name, wanted.name, sizeof(row->Name) - 1);
    row->ProgramNum = wanted.number;
    row->Attributes = wanted.attributes;
    row->ServiceID = 0x1234;
    ASSERT_GT(AppendRow(db, kChannelTable, std::move(row)), 0);
}

struct Seen {
    std::uint32_t rowId;
    std::string name;
    std::uint16_t number;
    bool operator==(const Seen&) const = default;
};

std::vector<Seen> Channels(tabstore::CQoDB& db) {
    std::vector<Seen> seen;
    ForEachRow<Channel_Info_Tag>(db, kChannelTable, [&](const Channel_Info_Tag& ch) {
        seen.push_back({ch.RowID, ch.Name, ch.ProgramNum});
        EXPECT_EQ(ch.ServiceID, 0x1234); // the rest of the record travels along
    });
    return seen;
}

constexpr std::uint16_t TV = attr::kTV;
constexpr std::uint16_t Radio = attr::kRadio;

} // namespace

TEST(ChannelOrder, SortGivesFreshRowIdsInNumberOrderAndKeepsTiesInTableOrder) {
    tabstore::CQoDB db;
    for (const Wanted& s : {Wanted{"c", 30, TV}, Wanted{"a", 10, Radio}, Wanted{"b", 20, TV},
                            Wanted{"first", 5, TV}, Wanted{"second", 5, TV}})
        AddChannel(db, s);
    db.Delete(kChannelTable, 2); // a gap in the row ids
    AddChannel(db, {"third", 5, TV});
    SortChannels(db);
    EXPECT_EQ(Channels(db),
              (std::vector<Seen>{
                  {1, "first", 5}, {2, "second", 5}, {3, "third", 5}, {4, "b", 20}, {5, "c", 30}}));
    EXPECT_EQ(db.Size(kScratchTable), 0u);
    EXPECT_EQ(db.LastID(kChannelTable), 5u); // the next new channel takes 6
}

TEST(ChannelOrder, RenumberCountsTVAndEverythingElseSeparately) {
    tabstore::CQoDB db;
    for (const Wanted& s :
         {Wanted{"tv9", 9, TV}, Wanted{"radio4", 4, Radio}, Wanted{"neither", 6, 0},
          Wanted{"tv2", 2, TV}, Wanted{"both", 7, TV | Radio}})
        AddChannel(db, s);
    RenumberChannels(db);
    EXPECT_EQ(
        Channels(db),
        (std::vector<Seen>{
            {1, "tv2", 1}, {2, "radio4", 1}, {3, "neither", 2}, {4, "both", 2}, {5, "tv9", 3}}));
    tabstore::CQoDB empty;
    RenumberChannels(empty);
    EXPECT_EQ(empty.Size(kChannelTable) + empty.Size(kScratchTable), 0u);
}

TEST(ChannelOrder, GroupPutsTVFirstAndLosesNoChannel) {
    tabstore::CQoDB db;
    for (const Wanted& s :
         {Wanted{"r2", 2, Radio}, Wanted{"t3", 3, TV}, Wanted{"none1", 1, 0},
          Wanted{"both4", 4, TV | Radio}, Wanted{"t1", 1, TV}, Wanted{"r1", 1, Radio}})
        AddChannel(db, s);
    GroupChannels(db);
    const auto seen = Channels(db);
    std::vector<std::string> names;
    for (std::size_t i = 0; i < seen.size(); ++i) {
        EXPECT_EQ(seen[i].rowId, i + 1);
        names.push_back(seen[i].name);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"t1", "t3", "both4", "none1", "r1", "r2"}));
    EXPECT_EQ(db.Size(kScratchTable), 0u);
}

TEST(TableAccess, RefusedRowStaysWithTheCaller) {
    tabstore::CQoDB db;
    EXPECT_EQ(AppendRow(db, 9, MakeRow<Channel_Info_Tag>()), -1); // freed by RowPtr, no leak
    auto row = MakeRow<Satellite_Info_Tag>();
    row->RowID = 5;
    row->SatID = 3;
    EXPECT_EQ(PutRow(db, kSatelliteTable, std::move(row)), 5);
    EXPECT_EQ(GetRow<Satellite_Info_Tag>(db, kSatelliteTable, 5)->SatID, 3);
}

TEST(ChannelOrder, RenumberCarriesMatchingShownNumbersAndReportsWhereRowsWent) {
    tabstore::CQoDB db;
    for (const Wanted& s : {Wanted{"c", 7, TV}, Wanted{"a", 3, TV}})
        AddChannel(db, s);
    auto* c = GetRow<Channel_Info_Tag>(db, kChannelTable, 1);
    c->ShowNum = 7;        // went with the number
    c->LogicalNumber = 40; // a number of its own
    auto* a = GetRow<Channel_Info_Tag>(db, kChannelTable, 2);
    a->ShowNum = 30;      // the other way round
    a->LogicalNumber = 3; // went with the number
    const RowKeyMap moved = RenumberChannels(db);
    EXPECT_EQ(moved, (RowKeyMap{{1, 2}, {2, 1}}));
    const auto* renumbered = GetRow<Channel_Info_Tag>(db, kChannelTable, 2);
    EXPECT_EQ(renumbered->ProgramNum, 2);
    EXPECT_EQ(renumbered->ShowNum, 2);
    EXPECT_EQ(renumbered->LogicalNumber, 40);
    const auto* first = GetRow<Channel_Info_Tag>(db, kChannelTable, 1);
    EXPECT_EQ(first->ProgramNum, 1);
    EXPECT_EQ(first->ShowNum, 30);
    EXPECT_EQ(first->LogicalNumber, 1);
    EXPECT_EQ(Remap(Compose(moved, {{2, 5}}), {1, 2, 9}), (std::vector<std::uint32_t>{5}));
}
