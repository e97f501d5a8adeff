#include "chanforge/editing/ChannelEdits.h"
#include "chanforge/editing/EditorInputs.h"
#include "chanforge/editing/FavoriteGroups.h"

#include "TestDatabase.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace chanforge;
using namespace chanforge::editing;
using namespace chanforge::editing::test;

namespace {

using Strings = std::vector<std::string>;

TEST(NewChannel, TakesNextNumberOfItsKindAndRegroups) {
    tabstore::CQoDB db;
    AddChannel(db, MakeChannel("R1", 1, false));
    AddChannel(db, MakeChannel("T1", 1, true));
    AddChannel(db, MakeChannel("T2", 2, true));
    Channel_Info_Tag edited = MakeChannel("New", 0, false);
    edited.Attributes = attr::kLocked;
    const std::uint32_t key =
        AddNewChannel(db, edited, ChannelKind::TV, ShowAll(), kSatelliteProduct);
    ASSERT_NE(key, 0u);
    const Channel_Info_Tag& ch = ChannelAt(db, key);
    EXPECT_EQ(ch.Attributes, attr::kLocked | attr::kTV);
    EXPECT_EQ(ch.ProgramNum, 3);
    EXPECT_EQ(ch.ShowNum, 3);
    EXPECT_EQ(ch.LogicalNumber, 3);
    // Regrouped: TV first, keys 1..n.
    EXPECT_EQ(Numbering(db, true), (Strings{"T1=1", "T2=2", "New=3"}));
    EXPECT_EQ(key, 3u);
    EXPECT_STREQ(ChannelAt(db, 4).Name, "R1");
}

TEST(NewChannel, InFavouriteViewJoinsTheGroupAtTheEndWherePositionsAreKept) {
    for (const Product p : {kSatelliteProduct, kCombinationFav32}) {
        SCOPED_TRACE(p.list);
        tabstore::CQoDB db;
        for (int i = 1; i <= 2; ++i) {
            Channel_Info_Tag ch =
                MakeChannel("M" + std::to_string(i), static_cast<std::uint16_t>(i), true);
            ch.Favorite = 0b100;
            ch.FavoriteSlot[2] = static_cast<std::uint16_t>(i * 5); // gaps get closed
            AddChannel(db, ch);
        }
        const std::uint32_t key = AddNewChannel(db, MakeChannel("New", 0, true), ChannelKind::TV,
                                                ShowFavorite(2, ShowAll(), p), p);
        const Channel_Info_Tag& ch = ChannelAt(db, key);
        EXPECT_EQ(ch.Favorite, 0b100u);
        if (p.list == kCombinationFav32.list) {
            EXPECT_EQ(ch.FavoriteSlot[2], 3);
            EXPECT_EQ(ChannelAt(db, KeyOf(db, "M1")).FavoriteSlot[2], 1);
            EXPECT_EQ(ChannelAt(db, KeyOf(db, "M2")).FavoriteSlot[2], 2);
        } else {
            for (std::uint16_t slot : ch.FavoriteSlot)
                EXPECT_EQ(slot, 0) << "no positions where none are kept";
        }
    }
}

TEST(UpdateChannel, ReplacesWholeRecordKeepingKey) {
    tabstore::CQoDB db;
    FillNumbered(db, 2, 0);
    Channel_Info_Tag edited = ChannelAt(db, 2);
    std::strcpy(edited.Name, "Renamed");
    edited.RowID = 77; // whatever the editor hands back, the key stays
    ASSERT_EQ(UpdateChannel(db, 2, edited), EditResult::Ok);
    EXPECT_STREQ(ChannelAt(db, 2).Name, "Renamed");
    EXPECT_EQ(ChannelAt(db, 2).RowID, 2u);
    EXPECT_TRUE(IsTV(ChannelAt(db, 2)));
    EXPECT_EQ(UpdateChannel(db, 9, edited), EditResult::StoreRefused);
    EXPECT_EQ(db.Size(kChannelTable), 2u);
}

TEST(DeleteChannels, RenumbersEachKindAndSkipsMissingRows) {
    tabstore::CQoDB db;
    FillNumbered(db, 4, 2);
    EXPECT_EQ(DeleteChannels(db, {KeyOf(db, "T2"), KeyOf(db, "R1"), 999}), 2u);
    EXPECT_EQ(Numbering(db, true), (Strings{"T1=1", "T3=2", "T4=3"}));
    EXPECT_EQ(Numbering(db, false), (Strings{"R2=1"}));
    EXPECT_EQ(DeleteChannels(db, {}), 0u);
    EXPECT_EQ(DeleteChannels(db, {1, 2, 3, 4}), 4u) << "the last channels leave an empty table";
    EXPECT_EQ(db.Size(kChannelTable), 0u);
    EXPECT_EQ(db.Size(kScratchTable), 0u);
}

TEST(Favourites, RemoveClearsMembershipAndRenumbersTheRest) {
    tabstore::CQoDB db;
    for (int i = 1; i <= 3; ++i) {
        Channel_Info_Tag ch =
            MakeChannel("F" + std::to_string(i), static_cast<std::uint16_t>(i), true);
        ch.Favorite = 0b11;
        ch.FavoriteSlot[1] = static_cast<std::uint16_t>(i);
        AddChannel(db, ch);
    }
    EXPECT_EQ(RemoveFromFavorite(db, {1}, {3, 2}, 2, kCombinationFav32), EditResult::Ok);
    EXPECT_EQ(ChannelAt(db, 1).Favorite, 0b01u);
    EXPECT_EQ(ChannelAt(db, 1).FavoriteSlot[1], 0);
    EXPECT_EQ(ChannelAt(db, 3).FavoriteSlot[1], 1);
    EXPECT_EQ(ChannelAt(db, 2).FavoriteSlot[1], 2);
    EXPECT_EQ(db.Size(kChannelTable), 3u);
    EXPECT_EQ(RemoveFromFavorite(db, {1}, {}, 0, kCombinationFav32), EditResult::BadFavoriteGroup);
    EXPECT_EQ(RemoveFromFavorite(db, {1}, {}, 33, kCombinationFav32), EditResult::BadFavoriteGroup);
}

TEST(Favourites, DropAddsNewMembersAtTheEndAndKeepsOldOnes) {
    tabstore::CQoDB db;
    FillNumbered(db, 3, 1);
    const Product p = kCombinationFav32;
    EXPECT_EQ(AddToFavorite(db, {1, 2}, 3, ChannelKind::TV, p), EditResult::Ok);
    EXPECT_EQ(AddToFavorite(db, {3, 1}, 3, ChannelKind::TV, p), EditResult::Ok);
    EXPECT_EQ(ChannelAt(db, 1).FavoriteSlot[2], 1);
    EXPECT_EQ(ChannelAt(db, 2).FavoriteSlot[2], 2);
    EXPECT_EQ(ChannelAt(db, 3).FavoriteSlot[2], 3);
    EXPECT_EQ(ChannelAt(db, 3).Favorite, 0b100u);
    // The radio channel's positions are counted among radio channels.
    EXPECT_EQ(AddToFavorite(db, {4}, 3, ChannelKind::Radio, p), EditResult::Ok);
    EXPECT_EQ(ChannelAt(db, 4).FavoriteSlot[2], 1);
    EXPECT_EQ(AddToFavorite(db, {4}, 3, ChannelKind::Radio, kSatelliteProduct), EditResult::Ok);
    EXPECT_EQ(AddToFavorite(db, {1}, 0, ChannelKind::TV, p), EditResult::BadFavoriteGroup);
}

// What a drop copies is checked by the editing property test; a drop on a record that is gone
// changes nothing.
TEST(Drops, OnARecordThatIsGoneChangeNothing) {
    tabstore::CQoDB db;
    FillNumbered(db, 1, 0);
    const Channel_Info_Tag before = ChannelAt(db, 1);
    EXPECT_EQ(DropOnSatellite(db, {1}, 50, kSatelliteProduct), 0u);
    DropOnProvider(db, {1}, 50);
    DropOnTransponder(db, {1}, 50);
    EXPECT_EQ(std::memcmp(&before, &ChannelAt(db, 1), sizeof before), 0);
}

TEST(Drops, OnASatelliteTakeItsTransponderOfTheSameFrequencyAndPolarisation) {
    tabstore::CQoDB db;
    const auto transponder = [&](std::uint8_t sat, std::uint8_t tpid, std::uint16_t mhz,
                                 bool horizontal) {
        const std::uint32_t row = AddTransponder(db, sat, tpid, mhz);
        GetRow<Transponder_Info_Tag>(db, kTransponderTable, row)->PolFEC = horizontal ? 0x41 : 0x40;
    };
    AddSatellite(db, 2, "Astra");
    const std::uint32_t four = AddSatellite(db, 4, "Four"); // row 2 carries SatID 4
    transponder(2, 1, 11700, false);
    transponder(2, 2, 12000, true);
    transponder(4, 1, 10700, false);
    transponder(4, 3, 11700, true);
    transponder(4, 5, 11700, false);
    transponder(4, 6, 12000, false);
    transponder(1, 7, 11700, false); // a terrestrial multiplex on combination products
    const std::uint32_t moves = AddChannel(db, MakeChannel("Moves", 1, true, 2, 1));
    const std::uint32_t noTwin = AddChannel(db, MakeChannel("Horizontal", 2, true, 2, 2));
    const std::uint32_t lost = AddChannel(db, MakeChannel("Dangling", 3, true, 2, 9));
    const std::uint32_t there = AddChannel(db, MakeChannel("There", 4, true, 4, 1));
    const std::uint32_t terrestrial = AddChannel(db, MakeChannel("Terr", 5, true, 1, 7));
    const auto place = [&](std::uint32_t key) {
        return std::pair{int{ChannelAt(db, key).SatID}, int{ChannelAt(db, key).TPID}};
    };
    EXPECT_EQ(
        DropOnSatellite(db, {moves, noTwin, lost, there, terrestrial}, four, kCombinationProduct),
        3u);
    EXPECT_EQ(place(moves), std::pair(4, 5));
    EXPECT_EQ(place(noTwin), std::pair(2, 2));
    EXPECT_EQ(place(lost), std::pair(2, 9));
    EXPECT_EQ(place(there), std::pair(4, 1));
    EXPECT_EQ(place(terrestrial), std::pair(1, 7));
}

TEST(Drops, MultiplexKeyDependsOnProduct) {
    tabstore::CQoDB db;
    const std::uint32_t row = AddTransponder(db, 1, 33);
    FillNumbered(db, 1, 0);
    DropOnMux(db, {1}, row, kCombinationProduct);
    EXPECT_EQ(ChannelAt(db, 1).TPID, 33);
    DropOnMux(db, {1}, 45, kTerrestrialProduct);
    EXPECT_EQ(ChannelAt(db, 1).TPID, 45);
}

TEST(FavoriteGroupNames, RenameAcceptsUpToNineteenCharacters) {
    tabstore::CQoDB db;
    AddFavorite(db, "Favorite 1");
    EXPECT_EQ(RenameFavoriteGroup(db, 0, std::string(19, 'n')), EditResult::Ok);
    EXPECT_EQ(FavoriteGroups(db).at(0).name, std::string(19, 'n'));
    EXPECT_EQ(RenameFavoriteGroup(db, 0, std::string(20, 'x')), EditResult::FavoriteNameTooLong);
    EXPECT_EQ(RenameFavoriteGroup(db, 0, ""), EditResult::Nothing);
    EXPECT_EQ(FavoriteGroups(db).at(0).name, std::string(19, 'n'));
    EXPECT_EQ(RenameFavoriteGroup(db, 5, "Ghost"), EditResult::Ok);
    EXPECT_EQ(FavoriteGroups(db).size(), 1u);
}

TEST(EditorInputs, ChoosesEditorAndListsByProduct) {
    tabstore::CQoDB db;
    AddSatellite(db, 1, "Terr");
    AddSatellite(db, 2, "Astra");
    AddTransponder(db, 1, 21);
    AddTransponder(db, 2, 1);
    AddProvider(db, 1, "P");
    AddCableMux(db, 12, 474000);

    EditorInputs sat = GatherEditorInputs(db, ShowAll(), kCombinationProduct);
    EXPECT_EQ(sat.kind, EditorKind::Satellite);
    ASSERT_EQ(sat.satellites.size(), 1u);
    EXPECT_EQ(sat.satellites[0].SatID, 2);
    ASSERT_EQ(sat.transponders.size(), 1u);
    EXPECT_EQ(sat.providers.size(), 1u);

    EditorInputs combo = GatherEditorInputs(db, ShowTerrestrialMux(0), kCombinationProduct);
    EXPECT_EQ(combo.kind, EditorKind::Combination);
    ASSERT_EQ(combo.transponders.size(), 1u);
    EXPECT_EQ(combo.transponders[0].TPID, 21);

    EXPECT_EQ(GatherEditorInputs(db, ShowAll(), kSatelliteProduct).satellites.size(), 2u);
    EditorInputs cable = GatherEditorInputs(db, ShowAll(), kCableProduct);
    EXPECT_EQ(cable.kind, EditorKind::Cable);
    EXPECT_EQ(cable.cableIds, std::vector<int>{12});
}

TEST(EditorInputs, NewChannelIsPresetFromTheFilter) {
    tabstore::CQoDB db;
    AddSatellite(db, 3, "S");
    const std::uint32_t tp = AddTransponder(db, 3, 8);
    const std::uint32_t cable = AddCableMux(db, 14, 474000);
    Channel_Info_Tag ch = PrepareNewChannel(db, ShowTransponder(tp), kSatelliteProduct);
    EXPECT_EQ(ch.TPID, 8);
    EXPECT_EQ(ch.SatID, 3) << "the transponder's own satellite";
    EXPECT_EQ(ch.RowID, 0u);
    EXPECT_EQ(PrepareNewChannel(db, ShowSatellite(db, 1), kSatelliteProduct).SatID, 3);
    EXPECT_EQ(PrepareNewChannel(db, ShowTransponder(cable), kCableProduct).TPID, 14);
    EXPECT_EQ(PrepareNewChannel(db, ShowTerrestrialMux(25), kTerrestrialProduct).TPID, 25);
}

TEST(EditorInputs, DescriptionFindsTheRecordsTheChannelNames) {
    tabstore::CQoDB db;
    AddSatellite(db, 2, "Astra");
    AddTransponder(db, 3, 1);
    AddTransponder(db, 2, 1, 12000);
    AddProvider(db, 5, "P5");
    Channel_Info_Tag ch = MakeChannel("C", 1, true, 2, 1);
    ch.BroadcastID = 5;
    const std::uint32_t key = AddChannel(db, ch);
    const DescriptionRecords d = GatherDescription(db, key);
    ASSERT_TRUE(d.channel && d.satellite && d.transponder && d.provider);
    EXPECT_EQ(d.transponder->Frequency, 12000);
    ch.BroadcastID = 6;
    ch.SatID = 9;
    const DescriptionRecords orphan = GatherDescription(db, AddChannel(db, ch));
    EXPECT_TRUE(orphan.channel);
    EXPECT_FALSE(orphan.satellite || orphan.transponder || orphan.provider);
    EXPECT_FALSE(GatherDescription(db, 999).channel);
}

} // namespace
