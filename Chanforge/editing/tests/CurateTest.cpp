// Curating a big list: duplicates with a keep policy, the filter bar's query, rename by
// pattern, sort by several keys and removing the unused, each on crafted tables.
#include "chanforge/editing/ChannelQuery.h"
#include "chanforge/editing/Duplicates.h"
#include "chanforge/editing/FavoriteGroups.h"
#include "chanforge/editing/RenamePattern.h"
#include "chanforge/editing/SortByKeys.h"
#include "chanforge/editing/UnusedRecords.h"

#include "TestBuilders.h"
#include "TestDatabase.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

using namespace chanforge;
using namespace chanforge::editing;
using namespace chanforge::editing::test;

namespace {

using Strings = std::vector<std::string>;

/// A channel as the tables below state it.
struct Row {
    const char* name;
    std::uint16_t number;
    bool tv;
    std::uint8_t sat, tp;
    std::uint16_t service, provider;
    std::uint16_t flags; ///< scrambled, locked, skipped bits
    std::uint32_t favorite;
    std::uint8_t serviceType = 0;
};

void Add(tabstore::CQoDB& db, const std::vector<Row>& rows) {
    for (const Row& r : rows) {
        Channel_Info_Tag ch = MakeChannel(r.name, r.number, r.tv, r.sat, r.tp);
        ch.ServiceID = r.service;
        ch.BroadcastID = r.provider;
        ch.Attributes |= r.flags;
        ch.Favorite = r.favorite;
        ch.ServiceType = r.serviceType;
        AddChannel(db, ch);
    }
}

Strings AllNames(tabstore::CQoDB& db) {
    Strings out;
    ForEachRow<Channel_Info_Tag>(db, kChannelTable,
                                 [&](const Channel_Info_Tag& ch) { out.emplace_back(ch.Name); });
    return out;
}

std::string NameAt(tabstore::CQoDB& db, std::uint32_t key) {
    return ChannelAt(db, key).Name;
}

constexpr std::uint16_t kScr = attr::kScrambled;

// ---- Duplicates ------------------------------------------------------------------------------

/// "Das Erste" and "Das Erste HD" are two programmes on two transponders, the SD and HD
/// versions of a name; "Other" carries the HD one's service. "Arte" and "Arte France" carry one
/// service; "Hand A" and "hand  a" have one name but no service id. The radio "Das Erste" is
/// another kind.
void AddDuplicates(tabstore::CQoDB& db) {
    Add(db, {{"Das Erste", 1, true, 2, 1, 28106, 1, kScr, 0},
             {"Arte", 2, true, 2, 1, 300, 1, kScr, 0},
             {"Das Erste HD", 5, true, 2, 2, 10301, 1, 0, 1},
             {"Other", 4, true, 2, 2, 10301, 1, 0, 0},
             {"Arte France", 7, true, 2, 1, 300, 1, 0, 0, 0x19},
             {"Das Erste", 1, false, 2, 1, 28107, 1, 0, 0},
             {"Hand A", 8, true, 3, 1, 0, 1, 0, 0},
             {"hand  a", 10, true, 3, 1, 0, 1, 0, 0}});
}

TEST(Duplicates, GroupsJoinEveryPairAndSayWhatTheyShare) {
    const auto shared = [](const DuplicateGroup& g) {
        return std::string(g.sameService ? "service " : "") + (g.sameName ? "name " : "") +
               (g.variants ? "variants" : "");
    };
    // Each rule's groups and what they share; the member each policy keeps of them.
    const std::vector<Strings> exact = {
        {"Arte", "Arte France"}, {"Das Erste HD", "Other"}, {"Hand A", "hand  a"}};
    const std::vector<Strings> variants = {
        {"Das Erste", "Das Erste HD", "Other"}, {"Arte", "Arte France"}, {"Hand A", "hand  a"}};
    const Strings exactShares = {"service ", "service ", "name "};
    const Strings variantShares = {"service variants", "service ", "name "};
    const struct {
        NameRule rule;
        KeepPolicy keep;
        Strings kept;
    } cases[] = {
        {NameRule::Exact, KeepPolicy::Lowest, {"Arte", "Other", "Hand A"}},
        {NameRule::WithVariants, KeepPolicy::Lowest, {"Das Erste", "Arte", "Hand A"}},
        {NameRule::WithVariants, KeepPolicy::HD, {"Das Erste HD", "Arte France", "Hand A"}},
        {NameRule::WithVariants, KeepPolicy::FreeToAir, {"Other", "Arte France", "Hand A"}},
        {NameRule::WithVariants, KeepPolicy::Favorite, {"Das Erste HD", "Arte", "Hand A"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.keep) * 10 + static_cast<int>(c.rule));
        tabstore::CQoDB db;
        AddDuplicates(db);
        const auto groups = FindDuplicates(db, c.keep, kSatelliteProduct, c.rule);
        const bool isExact = c.rule == NameRule::Exact;
        const std::vector<Strings>& want = isExact ? exact : variants;
        ASSERT_EQ(groups.size(), want.size());
        for (std::size_t i = 0; i < groups.size(); ++i) {
            EXPECT_EQ(Names(db, groups[i].rows), want[i]);
            EXPECT_EQ(shared(groups[i]), (isExact ? exactShares : variantShares)[i]);
            EXPECT_EQ(NameAt(db, groups[i].kept), c.kept[i]);
        }
    }
}

TEST(Duplicates, LeftOutGroupsStayWholeAndOneUndoStepRestoresTheRest) {
    tabstore::CQoDB db;
    AddDuplicates(db);
    const auto original = testkit::StoreBytes(db);
    const auto groups =
        FindDuplicates(db, KeepPolicy::HD, kSatelliteProduct, NameRule::WithVariants);
    EXPECT_EQ(Doomed(groups), 4u);
    EXPECT_EQ(Doomed(groups, {1}), 3u);
    CUndoStack undo;
    EXPECT_EQ(undo.Record(db, kDedupeTables, "Delete duplicates",
                          [&] { return DeleteDuplicates(db, groups, {1}); }),
              3u);
    EXPECT_EQ(Numbering(db, true),
              (Strings{"Arte=1", "Das Erste HD=2", "Arte France=3", "Hand A=4"}));
    EXPECT_EQ(Numbering(db, false), (Strings{"Das Erste=1"}));
    ASSERT_TRUE(undo.Undo(db));
    EXPECT_EQ(testkit::StoreBytes(db), original);
    EXPECT_EQ(DeleteDuplicates(db, groups, {0, 1, 2}), 0u);
    EXPECT_EQ(testkit::StoreBytes(db), original);
}

TEST(Duplicates, NamesMeetWithoutCaseOrBlanksAndVariantsWithoutQualityMark) {
    const struct {
        const char* name;
        const char* key;
        const char* variant;
    } keys[] = {
        {"ZDF HD", "zdf hd", "zdf"},          {"  Das   Erste ", "das erste", "das erste"},
        {"Sport1 SD", "sport1 sd", "sport1"}, {"Sky UHD", "sky uhd", "sky"},
        {"Arte 4K", "arte 4k", "arte"},       {"HD", "hd", "hd"},
        {"HD Plus", "hd plus", "hd plus"},    {"UHD1 by HD+", "uhd1 by hd+", "uhd1 by hd+"}};
    for (const auto& k : keys) {
        EXPECT_EQ(NameKey(k.name), k.key) << k.name;
        EXPECT_EQ(VariantKey(k.name), k.variant) << k.name;
    }
    const std::pair<Row, bool> hd[] = {{{"ZDF HD", 1, true, 2, 1, 1, 1, 0, 0}, true},
                                       {{"ZDF.hd", 1, true, 2, 1, 1, 1, 0, 0}, true},
                                       {{"Arte 4K", 1, true, 2, 1, 1, 1, 0, 0}, true},
                                       {{"SHD Info", 1, true, 2, 1, 1, 1, 0, 0}, false},
                                       {{"ZDF", 1, true, 2, 1, 1, 1, 0, 0, 0x19}, true},
                                       {{"ZDF", 1, true, 2, 1, 1, 1, 0, 0, 0x16}, false}};
    for (const auto& [row, expected] : hd) {
        tabstore::CQoDB db;
        Add(db, {row});
        EXPECT_EQ(IsHD(ChannelAt(db, 1)), expected) << row.name;
    }
    EXPECT_EQ(KeepPolicyNamed("fta"), KeepPolicy::FreeToAir);
    EXPECT_FALSE(KeepPolicyNamed("newest"));
}

// ---- The filter bar's query ------------------------------------------------------------------

TEST(ChannelQuery, EachPartNarrowsAndTheyCombine) {
    tabstore::CQoDB db;
    Add(db, {{"Das Erste HD", 1, true, 2, 1, 1, 1, attr::kLocked, 0b01},
             {"ZDF", 2, true, 3, 1, 2, 2, kScr, 0},
             {"Bayern 1", 1, false, 2, 2, 3, 1, attr::kSkipped, 0},
             {"arte", 3, true, 2, 1, 4, 3, 0, 0b10}});
    const RowIds all = {1, 2, 3, 4};
    const auto query = [](auto&& set) {
        ChannelQuery q;
        set(q);
        return q;
    };
    const struct {
        const char* what;
        ChannelQuery q;
        Strings names;
    } cases[] = {
        {"nothing asked", {}, {"Das Erste HD", "ZDF", "Bayern 1", "arte"}},
        {"expression", query([](auto& q) { q.text = "\\d$", q.regex = true; }), {"Bayern 1"}},
        {"expression, any case",
         query([](auto& q) { q.text = "^(zdf|ARTE)$", q.regex = true; }),
         {"ZDF", "arte"}},
        {"dot is plain text", query([](auto& q) { q.text = "."; }), {}},
        {"satellite",
         query([](auto& q) { q.satellite = 2; }),
         {"Das Erste HD", "Bayern 1", "arte"}},
        {"transponder",
         query([](auto& q) {
             q.carrier = Carrier{2, 1};
         }),
         {"Das Erste HD", "arte"}},
        {"multiplex id alone",
         query([](auto& q) {
             q.carrier = Carrier{0, 1};
         }),
         {"Das Erste HD", "ZDF", "arte"}},
        {"radio", query([](auto& q) { q.kind = KindWant::Radio; }), {"Bayern 1"}},
        {"scrambled", query([](auto& q) { q.scrambled = Want::Yes; }), {"ZDF"}},
        {"free",
         query([](auto& q) { q.scrambled = Want::No; }),
         {"Das Erste HD", "Bayern 1", "arte"}},
        {"not skipped",
         query([](auto& q) { q.skipped = Want::No; }),
         {"Das Erste HD", "ZDF", "arte"}},
        {"group 2", query([](auto& q) { q.group = GroupWant::Group, q.favorite = 2; }), {"arte"}},
        {"group 33 has no bit",
         query([](auto& q) { q.group = GroupWant::Group, q.favorite = 33; }),
         {}},
        {"some group",
         query([](auto& q) { q.group = GroupWant::AnyGroup; }),
         {"Das Erste HD", "arte"}},
        {"free TV of satellite 2 named with an e",
         query([](auto& q) {
             q.satellite = 2, q.scrambled = Want::No, q.kind = KindWant::TV, q.text = "e";
         }),
         {"Das Erste HD", "arte"}},
    };
    for (const auto& c : cases) {
        const CompiledQuery compiled = Compile(c.q);
        ASSERT_TRUE(compiled.ok()) << c.what;
        EXPECT_EQ(Names(db, Narrow(db, all, compiled)), c.names) << c.what;
        EXPECT_EQ(c.q.Empty(), std::string(c.what) == "nothing asked") << c.what;
    }
    // Rows keep the grid's order, and rows that are gone drop out.
    EXPECT_EQ(Narrow(db, {4, 9, 1}, Compile({})), (RowIds{4, 1}));
}

TEST(ChannelQuery, ABadExpressionSaysWhyAndMatchesNothing) {
    tabstore::CQoDB db;
    Add(db, {{"ZDF (", 1, true, 2, 1, 1, 1, 0, 0}});
    ChannelQuery q;
    q.text = "ZDF (";
    q.regex = true;
    const CompiledQuery bad = Compile(q);
    EXPECT_FALSE(bad.ok());
    EXPECT_NE(bad.Error(), "");
    EXPECT_TRUE(Narrow(db, {1}, bad).empty());
    q.regex = false;
    EXPECT_EQ(Narrow(db, {1}, Compile(q)), (RowIds{1}));
}

// ---- Rename by pattern -----------------------------------------------------------------------

TEST(RenamePattern, FindAndReplaceWithGroupsAndCase) {
    const auto rule = [](const char* find, const char* replace, bool regex, bool matchCase,
                         CaseChange change = CaseChange::Keep) {
        return RenameRule{find, replace, regex, matchCase, change};
    };
    const struct {
        RenameRule rule;
        Strings names;
    } cases[] = {
        {rule("hd", "", false, false), {"ZDF", "Das Erste", "arte"}},
        {rule("hd", "X", false, true), {"ZDF HD", "Das Erste HD", "arte"}},
        {rule("^(\\w+) (\\w+) HD$", "\\2 \\1", true, true), {"ZDF HD", "Erste Das", "arte"}},
        {rule("^(\\w+) HD$", "\\1+", true, false), {"ZDF+", "Das Erste HD", "arte"}},
        {rule("", "ignored", false, false, CaseChange::Upper), {"ZDF HD", "DAS ERSTE HD", "ARTE"}},
        {rule("e", "E", false, true, CaseChange::Title), {"Zdf Hd", "Das Erste Hd", "Arte"}},
        {rule("a", "", true, false, CaseChange::Lower), {"zdf hd", "ds erste hd", "rte"}},
    };
    for (const auto& c : cases) {
        tabstore::CQoDB db;
        Add(db, {{"ZDF HD", 1, true, 2, 1, 1, 1, 0, 0},
                 {"Das Erste HD", 2, true, 2, 1, 2, 1, 0, 0},
                 {"arte", 3, true, 2, 1, 3, 1, 0, 0}});
        const RenamePreview preview = PreviewRename(db, {1, 2, 3}, c.rule, 16);
        ASSERT_TRUE(preview.Applicable()) << c.rule.find;
        const EditResult applied = ApplyRename(db, preview);
        EXPECT_EQ(AllNames(db), c.names) << c.rule.find;
        EXPECT_EQ(applied, preview.Changed() == 0 ? EditResult::Nothing : EditResult::Ok);
    }
}

TEST(RenamePattern, PreviewFlagsCutUnshownAndEmptyNames) {
    tabstore::CQoDB db;
    Add(db, {{"Das Erste", 1, true, 2, 1, 1, 1, 0, 0},
             {"arte", 2, true, 2, 1, 2, 1, 0, 0},
             {"ZDF", 3, true, 2, 1, 3, 1, 0, 0}});
    // "Das Erste" is longer than the 8 bytes kept; the euro sign is outside the channel's table
    // (Latin-1): refused, shown as '?', and stored so only when names are cut to fit.
    RenamePreview preview =
        PreviewRename(db, {1, 2, 3, 99}, RenameRule{"arte", "arte \xE2\x82\xAC", false, false}, 8);
    ASSERT_EQ(preview.lines.size(), 3u);
    EXPECT_TRUE(preview.lines[0].cut && !preview.lines[0].Changes());
    EXPECT_EQ(preview.lines[0].kept, "Das Erst");
    EXPECT_EQ(preview.lines[1].notInTable, U'\u20AC');
    EXPECT_EQ(preview.lines[1].newName, "arte ?");
    EXPECT_FALSE(preview.Applicable());
    const RenamePreview cut =
        PreviewRename(db, {2}, RenameRule{"arte", "arte \xE2\x82\xAC", false, false}, 8, true);
    EXPECT_TRUE(cut.lines[0].cut && cut.Applicable());
    EXPECT_EQ(cut.lines[0].kept, "arte ?");
    EXPECT_FALSE(preview.lines[2].cut || preview.lines[2].unshown || preview.lines[2].Changes());
    // One name left empty refuses the whole rename.
    preview = PreviewRename(db, {1, 2}, RenameRule{"^arte$", "  ", true, false}, 8);
    EXPECT_TRUE(preview.lines[1].empty);
    EXPECT_FALSE(preview.Applicable());
    EXPECT_EQ(ApplyRename(db, preview), EditResult::EmptyName);
    EXPECT_EQ(AllNames(db), (Strings{"Das Erste", "arte", "ZDF"}));
    preview = PreviewRename(db, {1}, RenameRule{"(", "", true, false}, 8);
    EXPECT_FALSE(preview.ok());
    EXPECT_TRUE(preview.lines.empty());
    EXPECT_EQ(ApplyRename(db, preview), EditResult::Nothing);
}

TEST(RenamePattern, NameTooLongIsRefusedUnlessCutIsChosen) {
    const auto fresh = [](tabstore::CQoDB& db) {
        Add(db, {{"TV 001", 1, true, 2, 1, 1, 1, 0, 0},
                 {"TV 002", 2, true, 2, 1, 2, 1, 0, 0},
                 {"Fernsehsender 0", 3, true, 2, 1, 3, 1, 0, 0},
                 {"TV 3", 4, true, 2, 1, 4, 1, 0, 0}});
    };
    const RenameRule rule{"TV ", "Fernsehsender ", false, false};
    tabstore::CQoDB db;
    fresh(db);
    RenamePreview preview = PreviewRename(db, {1, 2, 3, 4}, rule, 15);
    EXPECT_TRUE(preview.lines[0].tooLong && preview.lines[1].tooLong);
    EXPECT_FALSE(preview.lines[3].cut || preview.lines[3].tooLong);
    EXPECT_FALSE(preview.Applicable());
    EXPECT_EQ(ApplyRename(db, preview), EditResult::NameTooLong);
    EXPECT_EQ(AllNames(db), (Strings{"TV 001", "TV 002", "Fernsehsender 0", "TV 3"}));
    // The refused lines left out, the rest is renamed in one undo step.
    const auto original = testkit::StoreBytes(db);
    EXPECT_TRUE(preview.Applicable({0, 1}));
    EXPECT_EQ(preview.Changed({0, 1}), 1u);
    CUndoStack undo;
    EXPECT_EQ(undo.Record(db, kRenameTables, "Rename",
                          [&] {
                              return ApplyRename(db, preview, {0, 1});
                          }),
              EditResult::Ok);
    EXPECT_EQ(AllNames(db), (Strings{"TV 001", "TV 002", "Fernsehsender 0", "Fernsehsender 3"}));
    ASSERT_TRUE(undo.Undo(db));
    EXPECT_EQ(testkit::StoreBytes(db), original);

    // Cut by choice: what the preview lists is what the table holds, and names the cut made
    // one are told apart from the rest.
    preview = PreviewRename(db, {1, 2, 3, 4}, rule, 15, true);
    ASSERT_TRUE(preview.Applicable());
    EXPECT_EQ(preview.lines[0].newName, "Fernsehsender 0");
    EXPECT_EQ(preview.lines[0].kept, "Fernsehsender 0");
    EXPECT_TRUE(preview.lines[0].sameAfterCut && preview.lines[1].sameAfterCut &&
                preview.lines[2].sameAfterCut);
    EXPECT_FALSE(preview.lines[3].sameAfterCut);
    EXPECT_EQ(ApplyRename(db, preview), EditResult::Ok);
    EXPECT_EQ(AllNames(db), (Strings{"Fernsehsender 0", "Fernsehsender 0", "Fernsehsender 0",
                                     "Fernsehsender 3"}));
}

// ---- Sort by several keys --------------------------------------------------------------------

TEST(SortByKeys, KeysInTheOperatorsOrderRenumberEachKind) {
    const std::vector<Row> rows = {
        {"b", 1, true, 3, 1, 1, 2, kScr, 0}, {"A", 2, true, 2, 1, 2, 1, 0, 0},
        {"c", 3, true, 2, 2, 3, 9, 0, 0},    {"a2", 4, true, 2, 1, 4, 2, kScr, 0},
        {"y", 1, false, 2, 1, 5, 1, 0, 0},   {"x", 2, false, 2, 1, 6, 1, 0, 0}};
    const struct {
        std::vector<SortKey> keys;
        Strings tv;
        Strings radio;
    } cases[] = {
        {{}, {"b=1", "A=2", "c=3", "a2=4"}, {"y=1", "x=2"}},
        {{SortKey::Name}, {"A=1", "a2=2", "b=3", "c=4"}, {"x=1", "y=2"}},
        // Transponder 2 of satellite 2 (11,000 H) comes before transponder 1 (12,000 V).
        {{SortKey::Satellite, SortKey::Transponder}, {"c=1", "A=2", "a2=3", "b=4"}, {"y=1", "x=2"}},
        {{SortKey::Provider}, {"b=1", "a2=2", "A=3", "c=4"}, {"y=1", "x=2"}},
        {{SortKey::ScrambledLast, SortKey::Name}, {"A=1", "c=2", "a2=3", "b=4"}, {"x=1", "y=2"}},
    };
    for (const auto& c : cases) {
        tabstore::CQoDB db;
        AddSatellite(db, 2, "S2");
        AddSatellite(db, 3, "S3");
        AddTransponder(db, 2, 1, 12000);
        AddTransponder(db, 2, 2, 11000);
        GetRow<Transponder_Info_Tag>(db, kTransponderTable, 2)->PolFEC = 1;
        AddProvider(db, 1, "Zeta");
        AddProvider(db, 2, "alpha");
        Add(db, rows);
        SortByKeys(db, c.keys, kSatelliteProduct);
        EXPECT_EQ(Numbering(db, true), c.tv) << c.keys.size();
        EXPECT_EQ(Numbering(db, false), c.radio) << c.keys.size();
    }
}

// ---- Remove the unused -----------------------------------------------------------------------

/// Satellite 3 has only an idle transponder and satellite 5 none; transponder 2 of satellite 2
/// and provider 2 are used by no channel, nor are the groups "Sports" and "Favorite 3". Returns
/// the idle transponders' keys.
RowIds AddUnused(tabstore::CQoDB& db) {
    AddSatellite(db, 2, "Used");
    AddSatellite(db, 3, "Unused transponders");
    AddSatellite(db, 4, "Named");
    AddSatellite(db, 5, "Bare");
    AddTransponder(db, 2, 1, 11000);
    const std::uint32_t idle = AddTransponder(db, 2, 2, 11100);
    AddTransponder(db, 2, 3, 11200);
    const std::uint32_t idle3 = AddTransponder(db, 3, 1, 12000);
    AddProvider(db, 1, "Used");
    AddProvider(db, 2, "Unused");
    AddFavorite(db, "News");
    AddFavorite(db, "Sports");
    AddFavorite(db, "Favorite 3");
    Add(db, {{"On 1", 1, true, 2, 1, 1, 1, 0, 0b001},
             {"On 3", 2, true, 2, 3, 2, 1, 0, 0},
             {"Nowhere", 3, true, 4, 7, 3, 1, 0, 0}});
    return {idle, idle3};
}

TEST(UnusedRecords, SatelliteReceiverListsWhatNothingNamesAndRemovesIt) {
    tabstore::CQoDB db;
    const RowIds idle = AddUnused(db);
    const UnusedRecords unused = FindUnused(db, kSatelliteProduct);
    EXPECT_EQ(unused.satellites, (RowIds{2, 4}));
    EXPECT_EQ(unused.transponders, idle);
    EXPECT_EQ(unused.providers, (RowIds{2}));
    EXPECT_TRUE(unused.muxes.empty() && unused.cableMuxes.empty());
    EXPECT_EQ(unused.Count(), 5u) << "an empty favourite group is no record to remove";
    // How the ids close their gaps behind it is checked by the editing property test.
    EXPECT_EQ(RemoveUnused(db, unused), 5u);
    Strings groups;
    for (const FavoriteGroupName& group : FavoriteGroups(db))
        groups.push_back(group.name);
    EXPECT_EQ(groups, (Strings{"News", "Sports", "Favorite 3"}));
}

TEST(UnusedRecords, LinesLeftOutStayAndSoDoesTheSatelliteOfATransponderKept) {
    tabstore::CQoDB db;
    AddUnused(db);
    const auto original = testkit::StoreBytes(db);
    const UnusedRecords unused = FindUnused(db, kSatelliteProduct);
    // Lines: satellites 3 and 5, the idle transponders of satellites 2 and 3, provider 2.
    const UnusedRecords going = Going(db, unused, {3, 4});
    EXPECT_EQ(going.satellites, (RowIds{4}));
    EXPECT_EQ(going.transponders, (RowIds{unused.transponders[0]}));
    EXPECT_TRUE(going.providers.empty());
    CUndoStack undo;
    EXPECT_EQ(undo.Record(db, kRemoveUnusedTables, "Remove unused",
                          [&] {
                              return RemoveUnused(db, unused, {3, 4});
                          }),
              2u);
    EXPECT_EQ(GetRow<Satellite_Info_Tag>(db, kSatelliteTable, 2)->SatID, 3);
    EXPECT_EQ(db.Size(kTransponderTable), 3u);
    EXPECT_EQ(db.Size(kProviderTable), 2u);
    ASSERT_TRUE(undo.Undo(db));
    EXPECT_EQ(testkit::StoreBytes(db), original);
}

// Cable multiplexes, whose ids close up, are checked by the editing property test.
TEST(UnusedRecords, TerrestrialMultiplexesGoWithoutMovingIds) {
    tabstore::CQoDB db;
    AddSatellite(db, 1, "Terrestrial");
    AddTransponder(db, 1, 21);
    const std::uint32_t idleMux = AddTransponder(db, 1, 22);
    AddTransponder(db, 1, 23);
    Add(db, {{"T21", 1, true, 1, 21, 1, 0, 0, 0}, {"T23", 2, true, 1, 23, 2, 0, 0, 0}});
    const UnusedRecords unused = FindUnused(db, kCombinationProduct);
    EXPECT_EQ(unused.muxes, (RowIds{idleMux}));
    EXPECT_TRUE(unused.satellites.empty()); // the terrestrial stand-in stays
    EXPECT_EQ(RemoveUnused(db, unused), 1u);
    EXPECT_EQ(ChannelAt(db, KeyOf(db, "T23")).TPID, 23);
}

} // namespace
