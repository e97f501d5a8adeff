#include "chanforge/editing/NetworkEdits.h"
#include "chanforge/editing/FavoriteGroups.h"

#include "TestDatabase.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

using namespace chanforge;
using namespace chanforge::editing;
using namespace chanforge::editing::test;

namespace {

using Lines = std::vector<std::string>;

/// One line per row of a table, in key order.
template <class T, class Line> Lines Rows(tabstore::CQoDB& db, std::uint8_t table, Line&& line) {
    Lines out;
    ForEachRow<T>(db, table, [&](const T& row) { out.push_back(line(row)); });
    return out;
}
std::string At(const std::string& what, unsigned sat, unsigned tp) {
    return what + ":" + std::to_string(sat) + "/" + std::to_string(tp);
}
Lines Channels(tabstore::CQoDB& db) { // "name:sat/tp"
    return Rows<Channel_Info_Tag>(db, kChannelTable,
                                  [](const auto& ch) { return At(ch.Name, ch.SatID, ch.TPID); });
}
Lines Transponders(tabstore::CQoDB& db) { // "frequency:sat/tp"
    return Rows<Transponder_Info_Tag>(db, kTransponderTable, [](const auto& tp) {
        return At(std::to_string(tp.Frequency), tp.SatID, tp.TPID);
    });
}
Lines Satellites(tabstore::CQoDB& db) {
    return Rows<Satellite_Info_Tag>(db, kSatelliteTable, [](const auto& s) {
        return std::string(s.Name) + ":" + std::to_string(s.SatID);
    });
}

/// Adds transponder (sat, tp) with frequency 1000 * sat + tp and a channel "c<sat><tp>" on it.
void AddTransponderWithChannel(tabstore::CQoDB& db, std::uint8_t sat, std::uint8_t tp) {
    AddTransponder(db, sat, tp, static_cast<std::uint16_t>(1000 * sat + tp));
    AddChannel(db, MakeChannel("c" + std::to_string(sat) + std::to_string(tp), tp, true, sat, tp));
}

Satellite_Info_Tag NamedSatellite(const char* name) {
    auto sat = ZeroRecord<Satellite_Info_Tag>();
    std::strcpy(sat.Name, name);
    return sat;
}

TEST(SatelliteEdits, DeleteSecondOfThreeRenumbersTheThird) {
    tabstore::CQoDB db;
    const std::uint32_t second = (AddSatellite(db, 1, "A"), AddSatellite(db, 2, "B"));
    AddSatellite(db, 3, "C");
    for (std::uint8_t sat : {1, 2, 3})
        for (std::uint8_t tp = 1; tp <= sat; ++tp)
            AddTransponderWithChannel(db, sat, tp);

    EXPECT_EQ(DeleteSatellites(db, {second, 99}), EditResult::Ok);
    EXPECT_EQ(Satellites(db), (Lines{"A:1", "C:2"}));
    EXPECT_EQ(Transponders(db), (Lines{"1001:1/1", "3001:2/1", "3002:2/2", "3003:2/3"}));
    EXPECT_EQ(Channels(db), (Lines{"c11:1/1", "c31:2/1", "c32:2/2", "c33:2/3"}));
    EXPECT_EQ(DeleteSatellites(db, {second}), EditResult::Nothing);
}

TEST(SatelliteEdits, NewTakesOneAboveTheHighestSatID) {
    struct Case {
        const char* name;
        std::vector<std::uint8_t> ids; ///< in key order
        EditResult result;
        std::uint8_t satId;
    };
    const Case cases[] = {
        {"empty table", {}, EditResult::Ok, 1},
        {"last row is not the highest (sorted list)", {3, 5, 2}, EditResult::Ok, 6},
        {"highest is 254", {254}, EditResult::Ok, 255},
        {"highest is 255", {1, 255}, EditResult::SatelliteIdsExhausted, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        tabstore::CQoDB db;
        for (std::uint8_t id : c.ids)
            AddSatellite(db, id, "S" + std::to_string(id));
        const NewRecord added = NewSatellite(db, NamedSatellite("New"));
        ASSERT_EQ(added.result, c.result);
        if (c.result != EditResult::Ok) {
            EXPECT_EQ(db.Size(kSatelliteTable), c.ids.size());
            continue;
        }
        const auto* sat = GetRow<Satellite_Info_Tag>(db, kSatelliteTable, added.key);
        ASSERT_NE(sat, nullptr);
        EXPECT_EQ(sat->SatID, c.satId);
        EXPECT_EQ(sat->SatByte46, 1);
    }
}

TEST(SatelliteEdits, NamelessSatelliteIsRefusedAndUpdateKeepsTheSatID) {
    tabstore::CQoDB db;
    const std::uint32_t key = AddSatellite(db, 4, "Old");
    EXPECT_EQ(NewSatellite(db, NamedSatellite("")).result, EditResult::EmptyName);
    EXPECT_EQ(UpdateSatellite(db, key, NamedSatellite("")), EditResult::EmptyName);
    Satellite_Info_Tag edited = NamedSatellite("Renamed");
    edited.SatID = 9;
    edited.Degree = 3300;
    ASSERT_EQ(UpdateSatellite(db, key, edited), EditResult::Ok);
    EXPECT_EQ(Satellites(db), Lines{"Renamed:4"});
    EXPECT_EQ(GetRow<Satellite_Info_Tag>(db, kSatelliteTable, key)->Degree, 3300);
    EXPECT_EQ(UpdateSatellite(db, key + 1, edited), EditResult::Nothing);
}

TEST(TransponderEdits, DeleteThirdOfFiveMovesTheLaterOnesDown) {
    tabstore::CQoDB db;
    AddSatellite(db, 2, "A");
    AddSatellite(db, 3, "B");
    std::uint32_t third = 0;
    for (std::uint8_t tp = 1; tp <= 5; ++tp) {
        AddTransponderWithChannel(db, 2, tp);
        if (tp == 3)
            third = static_cast<std::uint32_t>(db.LastID(kTransponderTable));
    }
    AddTransponderWithChannel(db, 3, 4); // same TPIDs on another satellite stay

    EXPECT_EQ(DeleteTransponders(db, {third}), EditResult::Ok);
    EXPECT_EQ(Transponders(db),
              (Lines{"2001:2/1", "2002:2/2", "2004:2/3", "2005:2/4", "3004:3/4"}));
    // The channels left are renumbered, which orders them by number.
    EXPECT_EQ(Channels(db), (Lines{"c21:2/1", "c22:2/2", "c24:2/3", "c34:3/4", "c25:2/4"}));
}

TEST(TransponderEdits, NewTakesOneAboveTheHighestTPIDOfItsSatellite) {
    struct Case {
        const char* name;
        std::uint8_t satId;
        std::uint8_t highestOnIt;
        EditResult result;
        std::uint8_t tpid;
    };
    const Case cases[] = {
        {"first on its satellite", 3, 0, EditResult::Ok, 1},
        {"after the highest", 2, 7, EditResult::Ok, 8},
        {"TPID 255 taken", 2, 255, EditResult::TransponderIdsExhausted, 0},
        {"no satellite chosen", 0, 0, EditResult::NoSuchSatellite, 0},
        {"satellite does not exist", 9, 0, EditResult::NoSuchSatellite, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        tabstore::CQoDB db;
        AddSatellite(db, 2, "A");
        AddSatellite(db, 3, "B");
        AddTransponder(db, 3 - (c.satId == 3), 40); // a higher TPID elsewhere does not count
        if (c.highestOnIt != 0)
            AddTransponder(db, c.satId, c.highestOnIt);
        DocumentValues values;
        values.MaxTPID = 40;
        const std::size_t before = db.Size(kTransponderTable);
        Transponder_Info_Tag edited{};
        edited.SatID = c.satId;
        const NewRecord added = NewTransponder(db, edited, values);
        ASSERT_EQ(added.result, c.result);
        if (c.result != EditResult::Ok) {
            EXPECT_EQ(db.Size(kTransponderTable), before);
            EXPECT_EQ(values.MaxTPID, 40u);
            continue;
        }
        EXPECT_EQ(GetRow<Transponder_Info_Tag>(db, kTransponderTable, added.key)->TPID, c.tpid);
        EXPECT_EQ(values.MaxTPID, 41u);
    }
}

/// Satellites A (2) with transponders 1..3 and B (3) with 1..2, a channel on each.
struct MoveFixture {
    tabstore::CQoDB db;
    std::uint32_t satB = 0;
    std::uint32_t secondOfA = 0;

    MoveFixture() {
        AddSatellite(db, 2, "A");
        satB = AddSatellite(db, 3, "B");
        for (std::uint8_t tp = 1; tp <= 3; ++tp) {
            AddTransponderWithChannel(db, 2, tp);
            if (tp == 2)
                secondOfA = db.LastID(kTransponderTable);
        }
        AddTransponderWithChannel(db, 3, 1);
        AddTransponderWithChannel(db, 3, 2);
    }
};

TEST(TransponderEdits, ChannelsFollowAMovedTransponder) {
    using Move = std::function<EditResult(MoveFixture&)>;
    const std::pair<const char*, Move> entries[] = {
        {"dropped on the satellite list",
         [](MoveFixture& f) { return MoveTransponders(f.db, {f.secondOfA}, f.satB); }},
        {"satellite changed in Update",
         [](MoveFixture& f) {
             Transponder_Info_Tag edited =
                 *GetRow<Transponder_Info_Tag>(f.db, kTransponderTable, f.secondOfA);
             edited.SatID = 3;
             return UpdateTransponder(f.db, f.secondOfA, edited);
         }},
    };
    for (const auto& [name, move] : entries) {
        SCOPED_TRACE(name);
        MoveFixture f;
        ASSERT_EQ(move(f), EditResult::Ok);
        EXPECT_EQ(Transponders(f.db),
                  (Lines{"2001:2/1", "2002:3/3", "2003:2/2", "3001:3/1", "3002:3/2"}));
        EXPECT_EQ(Channels(f.db), (Lines{"c21:2/1", "c22:3/3", "c23:2/2", "c31:3/1", "c32:3/2"}));
    }
}

TEST(TransponderEdits, MoveIsRefusedWholeWhenTPIDsWouldPass255) {
    MoveFixture f;
    AddTransponder(f.db, 3, 254);
    const Lines before = Transponders(f.db);
    const std::uint32_t firstOfA = 1;
    EXPECT_EQ(MoveTransponders(f.db, {firstOfA, f.secondOfA}, f.satB),
              EditResult::TransponderIdsExhausted);
    EXPECT_EQ(Transponders(f.db), before);
    EXPECT_EQ(MoveTransponders(f.db, {f.secondOfA}, f.satB), EditResult::Ok); // 255 still fits
    EXPECT_EQ(MoveTransponders(f.db, {f.secondOfA}, 99), EditResult::Nothing);
}

TEST(TransponderEdits, UpdateOnTheSameSatelliteKeepsTheTPID) {
    MoveFixture f;
    Transponder_Info_Tag edited =
        *GetRow<Transponder_Info_Tag>(f.db, kTransponderTable, f.secondOfA);
    edited.TPID = 9;
    edited.Frequency = 12345;
    ASSERT_EQ(UpdateTransponder(f.db, f.secondOfA, edited), EditResult::Ok);
    EXPECT_EQ(Transponders(f.db)[1], "12345:2/2");
    edited.SatID = 7;
    EXPECT_EQ(UpdateTransponder(f.db, f.secondOfA, edited), EditResult::NoSuchSatellite);
}

TEST(NetworkEdits, UndoStepOverTheNamedTablesRestoresEverything) {
    const std::pair<TableMask, std::function<EditResult(MoveFixture&)>> commands[] = {
        {kSatelliteDeleteTables, [](MoveFixture& f) { return DeleteSatellites(f.db, {1}); }},
        {kTransponderEditTables,
         [](MoveFixture& f) { return MoveTransponders(f.db, {f.secondOfA}, f.satB); }},
        {kTransponderEditTables,
         [](MoveFixture& f) { return DeleteTransponders(f.db, {f.secondOfA}); }},
    };
    for (const auto& [mask, command] : commands) {
        MoveFixture f;
        const Lines before[] = {Satellites(f.db), Transponders(f.db), Channels(f.db)};
        CUndoStack undo;
        ASSERT_EQ(undo.Record(f.db, mask, "edit", [&] { return command(f); }), EditResult::Ok);
        ASSERT_TRUE(undo.Undo(f.db));
        EXPECT_EQ(Satellites(f.db), before[0]);
        EXPECT_EQ(Transponders(f.db), before[1]);
        EXPECT_EQ(Channels(f.db), before[2]);
    }
}

TEST(CableMuxEdits, DeleteClosesTheGapAndNewStaysWithinItsByte) {
    tabstore::CQoDB db;
    for (std::uint8_t id = 1; id <= 3; ++id) {
        AddCableMux(db, id, 474000u + id);
        AddChannel(db, MakeChannel("m" + std::to_string(id), id, true, 1, id));
    }
    ASSERT_EQ(DeleteCableMuxes(db, {2}), EditResult::Ok);
    EXPECT_EQ(Channels(db), (Lines{"m1:1/1", "m3:1/2"}));
    EXPECT_EQ(GetRow<CableMux_Info_Tag>(db, kCableMuxTable, 3)->MuxID, 2);

    DocumentValues values;
    values.MaxTPID = 1; // lags behind the table
    const NewRecord added = NewCableMux(db, CableMux_Info_Tag{}, values);
    ASSERT_EQ(added.result, EditResult::Ok);
    EXPECT_EQ(GetRow<CableMux_Info_Tag>(db, kCableMuxTable, added.key)->MuxID, 3);
    EXPECT_EQ(values.MaxTPID, 3u);
    values.MaxTPID = 255;
    EXPECT_EQ(NewCableMux(db, CableMux_Info_Tag{}, values).result, EditResult::MuxIdsExhausted);
    EXPECT_EQ(db.Size(kCableMuxTable), 3u);
}

TEST(NetworkEdits, DeleteQuestionCountsTheChannelsTheDeleteTakes) {
    // Two satellites with two transponders each (one channel each, two on 1/1), and cable
    // multiplexes 1 and 2 named by the channels' TPID.
    const auto build = [](tabstore::CQoDB& db) {
        AddSatellite(db, 1, "One");
        AddSatellite(db, 2, "Two");
        for (std::uint8_t sat : {1, 2})
            for (std::uint8_t tp : {1, 2})
                AddTransponderWithChannel(db, sat, tp);
        AddChannel(db, MakeChannel("second", 9, true, 1, 1));
        AddCableMux(db, 1, 474000);
        AddCableMux(db, 2, 482000);
    };
    struct Case {
        ListKind kind;
        RowIds keys;
        std::size_t channels;
        EditResult (*remove)(tabstore::CQoDB&, const RowIds&);
    };
    for (const Case& c : {Case{ListKind::Satellite, {1}, 3, DeleteSatellites},
                          Case{ListKind::Satellite, {1, 2}, 5, DeleteSatellites},
                          Case{ListKind::Transponder, {1}, 2, DeleteTransponders},
                          Case{ListKind::Transponder, {2, 4}, 2, DeleteTransponders},
                          Case{ListKind::CableMux, {2}, 2, DeleteCableMuxes},
                          Case{ListKind::Provider, {1}, 0, DeleteProviders}}) {
        tabstore::CQoDB db;
        build(db);
        EXPECT_EQ(ChannelsDeletedWith(db, c.kind, c.keys), c.channels);
        const std::size_t before = db.Size(kChannelTable);
        (void)c.remove(db, c.keys);
        EXPECT_EQ(before - db.Size(kChannelTable), c.channels);
    }
}

TEST(NetworkEdits, RenamingToTheNameItHasChangesNoByte) {
    tabstore::CQoDB db;
    const std::uint32_t provider = AddProvider(db, 3, "ARD");
    const std::uint32_t group = AddFavorite(db, "News");
    auto* p = GetRow<Broadcast_Info_Tag>(db, kProviderTable, provider);
    auto* g = GetRow<Favorite_Info_Tag>(db, kFavoriteTable, group);
    p->Name[10] = 'x'; // bytes after the end of the names
    g->Name[12] = 'y';
    EXPECT_EQ(RenameProvider(db, provider, "ARD"), EditResult::Nothing);
    EXPECT_EQ(RenameFavoriteGroup(db, group - 1, "News"), EditResult::Nothing);
    EXPECT_EQ(p->Name[10], 'x');
    EXPECT_EQ(g->Name[12], 'y');
    EXPECT_EQ(RenameProvider(db, provider, "ZDF"), EditResult::Ok);
    EXPECT_EQ(p->Name[10], 0);
}

TEST(ProviderEdits, NewRenameDeleteAndDescription) {
    tabstore::CQoDB db;
    AddProvider(db, 7, "Seven");
    const std::uint32_t last = AddProvider(db, 2, "Two"); // the last row is not the highest
    AddChannel(db, MakeChannel("ch", 1, true));
    GetRow<Channel_Info_Tag>(db, kChannelTable, 1)->BroadcastID = 2;

    const NewRecord added = NewProvider(db, "A name of twenty chars");
    ASSERT_EQ(added.result, EditResult::Ok);
    const auto* provider = GetRow<Broadcast_Info_Tag>(db, kProviderTable, added.key);
    EXPECT_EQ(provider->BroadcastID, 8);
    EXPECT_STREQ(provider->Name, "A name of twenty");
    EXPECT_EQ(NewProvider(db, "").result, EditResult::EmptyName);

    ASSERT_EQ(RenameProvider(db, last, "Deux"), EditResult::Ok);
    EXPECT_EQ(ProviderDescription(*DescribeProvider(db, last).provider).English(),
              "Broadcast Name : Deux (ID : 2)");
    ASSERT_EQ(DeleteProviders(db, {last}), EditResult::Ok);
    EXPECT_FALSE(DescribeProvider(db, last).provider);
    EXPECT_EQ(GetRow<Channel_Info_Tag>(db, kChannelTable, 1)->BroadcastID, 2);

    AddProvider(db, 0xFFFF, "Full");
    EXPECT_EQ(NewProvider(db, "More").result, EditResult::ProviderIdsExhausted);
}

TEST(ProviderEdits, NewNeverAdoptsTheChannelsOfADeletedProvider) {
    tabstore::CQoDB db;
    AddProvider(db, 1, "One");
    const std::uint32_t doomed = AddProvider(db, 2, "Two");
    for (std::uint16_t id : {2, 3, 5}) {
        Channel_Info_Tag ch = MakeChannel("ch", id, true);
        ch.BroadcastID = id;
        AddChannel(db, ch);
    }
    ASSERT_EQ(DeleteProviders(db, {doomed}), EditResult::Ok);
    const auto idOf = [&](const NewRecord& added) {
        return GetRow<Broadcast_Info_Tag>(db, kProviderTable, added.key)->BroadcastID;
    };
    EXPECT_EQ(idOf(NewProvider(db, "New")), 4);
    EXPECT_EQ(idOf(NewProvider(db, "Next")), 6);
}

TEST(NetworkEdits, TransponderDescriptionBringsItsSatellite) {
    MoveFixture f;
    const DescriptionRecords d = DescribeTransponder(f.db, f.secondOfA);
    ASSERT_TRUE(d.transponder && d.satellite);
    EXPECT_EQ(d.transponder->Frequency, 2002);
    EXPECT_STREQ(d.satellite->Name, "A");
    EXPECT_STREQ(DescribeSatellite(f.db, f.satB).satellite->Name, "B");
    EXPECT_FALSE(DescribeSatellite(f.db, 99).satellite);
}

} // namespace
