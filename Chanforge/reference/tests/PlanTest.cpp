// Plans and their application on small stores: numbering options, clashes, favourites, flags and
// names, each checked on the store after ApplyPlan.
#include "chanforge/reference/Plan.h"
#include "TestBuilders.h"
#include "chanforge/TableAccess.h"
#include "chanforge/reference/TextList.h"
#include "policy/Presets.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace chanforge::reference {
namespace {

using testkit::MakeChannel;
using testkit::SetName;

codec::FlashLayout Layout(const char* model) {
    return codec::FlashLayout::FromPreset(*policy::FindPreset(model));
}

/// Satellite 2 at 19.2E with two transponders, and eight favourite groups.
struct Store {
    Store() {
        auto sat = ZeroRecord<Satellite_Info_Tag>();
        sat.SatID = 2;
        sat.Degree = 192;
        SetName(sat.Name, "Astra");
        AppendCopy(db, kSatelliteTable, sat);
        for (std::uint8_t tp = 1; tp <= 2; ++tp) {
            auto t = ZeroRecord<Transponder_Info_Tag>();
            t.SatID = 2;
            t.TPID = tp;
            t.Frequency = static_cast<std::uint16_t>(11000 + 500 * tp);
            AppendCopy(db, kTransponderTable, t);
        }
        for (int g = 1; g <= 8; ++g) {
            auto fav = ZeroRecord<Favorite_Info_Tag>();
            SetName(fav.Name, "Favorite " + std::to_string(g));
            AppendCopy(db, kFavoriteTable, fav);
        }
    }
    Channel_Info_Tag& Add(const std::string& name, std::uint16_t number, std::uint16_t sid,
                          bool tv = true) {
        Channel_Info_Tag ch = MakeChannel(name, number, tv ? attr::kTV : attr::kRadio, 2, 1);
        ch.ServiceID = sid;
        const int key = AppendCopy(db, kChannelTable, ch);
        return *GetRow<Channel_Info_Tag>(db, kChannelTable, static_cast<std::uint32_t>(key));
    }
    /// "name=number" of every channel in table order.
    std::vector<std::string> Numbers() {
        std::vector<std::string> out;
        ForEachRow<Channel_Info_Tag>(db, kChannelTable, [&](const Channel_Info_Tag& ch) {
            out.push_back(std::string(ch.Name) + "=" + std::to_string(ch.ProgramNum));
        });
        return out;
    }
    Channel_Info_Tag& Named(const std::string& name) {
        Channel_Info_Tag* found = nullptr;
        ForEachRow<Channel_Info_Tag>(db, kChannelTable, [&](Channel_Info_Tag& ch) {
            if (name == ch.Name)
                found = &ch;
        });
        EXPECT_NE(found, nullptr) << name;
        return *found;
    }
    tabstore::CQoDB db;
};

/// This list: TV A B C D numbered 1..4, radio R numbered 1.
void FillThis(Store& s) {
    s.Add("A", 1, 101);
    s.Add("B", 2, 102);
    s.Add("C", 3, 103);
    s.Add("D", 4, 104);
    s.Add("R", 1, 201, false);
}

/// The reference: C, A and, after a gap, B, stored out of number order; D is not in it.
void FillReference(Store& s) {
    s.Add("B", 5, 102);
    s.Add("C", 1, 103);
    s.Add("A", 2, 101);
    s.Add("R", 1, 201, false);
}

TEST(PlanTest, NumbersFollowTheReferenceWithEachOption) {
    const struct {
        const char* what;
        ApplyOptions options;
        std::vector<std::string> want; ///< in table order after applying: TV by number, then radio
    } cases[] = {
        {"close gaps, unmatched after",
         {1, true, false, Unmatched::Keep},
         {"C=1", "A=2", "B=3", "D=4", "R=1"}},
        {"keep gaps", {1, false, false, Unmatched::Keep}, {"C=1", "A=2", "B=5", "D=6", "R=1"}},
        {"from 10, unmatched deleted",
         {10, true, false, Unmatched::Delete},
         {"C=10", "A=11", "B=12", "R=10"}},
        {"from 10 with gaps",
         {10, false, false, Unmatched::Keep},
         {"C=10", "A=11", "B=14", "D=15", "R=10"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Store mine, ref;
        FillThis(mine);
        FillReference(ref);
        const Plan plan =
            PlanReference(mine.db, Layout("D"), ReferenceFromStore(ref.db, Layout("D")), c.options);
        EXPECT_EQ(plan.Matched(), 4u);
        EXPECT_TRUE(plan.conflicts.empty());
        ASSERT_EQ(plan.unmatched.size(), 1u);
        EXPECT_EQ(plan.unmatched[0].before.name, "D");
        ASSERT_TRUE(ApplyPlan(mine.db, plan));
        EXPECT_EQ(mine.Numbers(), c.want);
    }
}

TEST(PlanTest, LinesLeftOutStayAsTheyAreAndTheRestIsNumberedAroundThem) {
    // Lines: entries B, C, A, R in the reference's order, then this list's unmatched D.
    const struct {
        const char* what;
        ApplyOptions options;
        editing::LeftOut leftOut;
        std::vector<std::string> want;
        std::vector<std::size_t> numberHolders; ///< of each clash, the line with the number
    } cases[] = {
        {"a wrong match kept as it is",
         {1, true, false, Unmatched::Keep},
         {0},
         {"C=1", "B=2", "A=3", "D=4", "R=1"},
         {}},
        {"an unmatched channel not deleted",
         {1, true, false, Unmatched::Delete},
         {4},
         {"C=1", "A=2", "B=3", "D=4", "R=1"},
         {}},
        {"the number kept is taken from the gaps",
         {1, false, false, Unmatched::Keep},
         {2},
         {"A=1", "C=2", "B=5", "D=6", "R=1"},
         {2}},
        {"an unmatched channel kept has its number, and pushes the next one on",
         {4, false, false, Unmatched::Keep},
         {4},
         {"D=4", "C=5", "A=6", "B=8", "R=4"},
         {4, 1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Store mine, ref;
        FillThis(mine);
        FillReference(ref);
        const auto original = testkit::StoreBytes(mine.db);
        const Plan plan = PlanReference(
            mine.db, Layout("D"), ReferenceFromStore(ref.db, Layout("D")), c.options, c.leftOut);
        EXPECT_EQ(plan.LeftOutLines(), 1u);
        EXPECT_EQ(plan.Matched(), 4u - (c.leftOut.count(4) == 0));
        std::vector<std::size_t> holders;
        for (const Conflict& conflict : plan.conflicts)
            holders.push_back(conflict.holder);
        EXPECT_EQ(holders, c.numberHolders);
        editing::CUndoStack undo;
        ASSERT_TRUE(
            undo.Record(mine.db, kApplyTables, "Apply", [&] { return ApplyPlan(mine.db, plan); }));
        EXPECT_EQ(mine.Numbers(), c.want);
        ASSERT_TRUE(undo.Undo(mine.db));
        EXPECT_EQ(testkit::StoreBytes(mine.db), original);
    }
}

TEST(PlanTest, ClashesAreReported) {
    Store mine, ref;
    FillThis(mine);
    ref.Add("A", 1, 101);
    ref.Add("B", 1, 102); // the same number twice
    ref.Add("C", 3, 103);
    ref.Add("C", 4, 999); // by name: the channel the carrier match keeps
    const Plan plan = PlanReference(mine.db, Layout("D"), ReferenceFromStore(ref.db, Layout("D")),
                                    {1, false, false, Unmatched::Keep});
    ASSERT_EQ(plan.conflicts.size(), 2u);
    EXPECT_EQ(plan.conflicts[0].kind, ConflictKind::SameChannel);
    EXPECT_EQ(plan.conflicts[0].entry, 3u);
    EXPECT_EQ(plan.conflicts[0].holder, 2u);
    EXPECT_FALSE(plan.entries[3].applied);
    EXPECT_EQ(plan.conflicts[1].kind, ConflictKind::NumberTaken);
    EXPECT_EQ(plan.conflicts[1].entry, 1u);
    EXPECT_EQ(plan.conflicts[1].wanted, 1u);
    EXPECT_EQ(plan.conflicts[1].given, 2u);
    EXPECT_EQ(plan.conflicts[1].holder, 0u);
    ASSERT_TRUE(ApplyPlan(mine.db, plan));
    EXPECT_EQ(mine.Numbers(), (std::vector<std::string>{"A=1", "B=2", "C=3", "D=4", "R=1"}));
}

TEST(PlanTest, FavouritesFlagsAndNamesComeFromTheReference) {
    Store ref;
    FillReference(ref);
    ref.Named("C").Favorite = 0x2 | 1u << 8; // group 9 is the first past model D's eight
    ref.Named("C").Attributes |= attr::kSkipped;
    ref.Named("B").Favorite = 0x2;
    SetName(ref.Named("B").Name, "B renamed");
    auto* group = GetRow<Favorite_Info_Tag>(ref.db, kFavoriteTable, 2);
    SetName(group->Name, "Sports");
    for (const bool names : {false, true}) {
        SCOPED_TRACE(names ? "with names" : "without names");
        Store copy;
        FillThis(copy);
        copy.Named("A").Favorite = 0x1; // left by the reference's membership
        copy.Named("A").Attributes |= attr::kLocked;
        copy.Named("D").Favorite = 0x2; // unmatched: keeps its group
        Reference reference = ReferenceFromStore(ref.db, Layout("C"));
        reference.groups.resize(9);
        reference.groups[8] = "Group nine";
        const Plan plan =
            PlanReference(copy.db, Layout("D"), reference, {1, true, names, Unmatched::Keep});
        // The preview names groups as they are now, and as they are named once applied.
        EXPECT_EQ(plan.GroupsOf(plan.entries[1].after.favorite, true),
                  (std::vector<NamedGroup>{{2, "Sports"}}));
        EXPECT_EQ(plan.GroupsOf(0x3u | 1u << 8, false),
                  (std::vector<NamedGroup>{{1, "Favorite 1"}, {2, "Favorite 2"}, {9, ""}}));
        ASSERT_EQ(plan.groupsPast.size(), 1u);
        EXPECT_EQ(plan.groupsPast[0].group, 9u);
        EXPECT_EQ(plan.groupsPast[0].name, "Group nine");
        EXPECT_EQ(plan.groupsPast[0].channels, 1u);
        ASSERT_TRUE(ApplyPlan(copy.db, plan));
        EXPECT_EQ(copy.Named("A").Favorite, 0u);
        EXPECT_EQ(copy.Named("A").Attributes & attr::kLocked, 0);
        EXPECT_EQ(copy.Named("C").Favorite, 0x2u);
        EXPECT_NE(copy.Named("C").Attributes & attr::kSkipped, 0);
        EXPECT_EQ(copy.Named("D").Favorite, 0x2u);
        EXPECT_EQ(std::string(GetRow<Favorite_Info_Tag>(copy.db, kFavoriteTable, 2)->Name),
                  "Sports");
        ForEachRow<Channel_Info_Tag>(copy.db, kChannelTable, [&](const Channel_Info_Tag& ch) {
            EXPECT_NE(std::string(ch.Name), names ? "B" : "B renamed");
        });
    }
}

TEST(PlanTest, TakenNamesLongerThanTheModelKeepsAreRefusedUnlessCut) {
    // Model D keeps 15 name bytes, model A 16: "Fernsehsender 01" fits A only.
    const std::string text = "1;Fernsehsender 01;0-7-101\n2;Fernsehsender 02;0-7-102\n"
                             "3;Fernsehsender 0;0-7-103\n4;Kurz;0-7-104\n";
    Reference reference;
    reference.entries =
        ParseTextList({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()}).entries;
    ASSERT_EQ(reference.entries.size(), 4u);
    const auto fill = [](Store& s) {
        FillThis(s);
        for (const char* name : {"A", "B", "C", "D"})
            s.Named(name).TSID = 7;
    };
    const auto names = [](Store& s) {
        std::vector<std::string> out;
        ForEachRow<Channel_Info_Tag>(
            s.db, kChannelTable, [&](const Channel_Info_Tag& ch) { out.emplace_back(ch.Name); });
        return out;
    };
    {
        Store mine;
        fill(mine);
        const Plan plan = PlanReference(mine.db, Layout("D"), reference, {1, true, true});
        EXPECT_EQ(plan.NamesTooLong(), 2u);
        EXPECT_TRUE(plan.entries[0].nameTooLong && !plan.entries[2].nameTooLong);
        EXPECT_FALSE(ApplyPlan(mine.db, plan));
        EXPECT_EQ(names(mine), (std::vector<std::string>{"A", "B", "C", "D", "R"}));
    }
    {
        Store mine;
        fill(mine);
        const Plan plan = PlanReference(mine.db, Layout("A"), reference, {1, true, true});
        EXPECT_EQ(plan.NamesTooLong(), 0u);
        ASSERT_TRUE(ApplyPlan(mine.db, plan));
        EXPECT_EQ(names(mine), (std::vector<std::string>{"Fernsehsender 01", "Fernsehsender 02",
                                                         "Fernsehsender 0", "Kurz", "R"}));
    }
    Store mine;
    fill(mine);
    ApplyOptions cut{1, true, true};
    cut.cutNames = true;
    const Plan plan = PlanReference(mine.db, Layout("D"), reference, cut);
    EXPECT_TRUE(plan.entries[0].nameCut && plan.entries[0].sameAfterCut);
    EXPECT_TRUE(plan.entries[2].sameAfterCut && !plan.entries[3].sameAfterCut);
    EXPECT_EQ(plan.entries[1].after.name, "Fernsehsender 0");
    ASSERT_TRUE(ApplyPlan(mine.db, plan));
    EXPECT_EQ(names(mine), (std::vector<std::string>{"Fernsehsender 0", "Fernsehsender 0",
                                                     "Fernsehsender 0", "Kurz", "R"}));
}

TEST(PlanTest, PositionsFollowTheReferenceWhereTheModelKeepsThem) {
    Store mine, ref;
    FillThis(mine);
    mine.Named("D").Favorite = 0x1;
    mine.Named("D").FavoriteSlot[0] = 1;
    FillReference(ref);
    ref.Named("A").Favorite = 0x1;
    ref.Named("A").FavoriteSlot[0] = 2;
    ref.Named("B").Favorite = 0x1;
    ref.Named("B").FavoriteSlot[0] = 1;
    const Plan plan =
        PlanReference(mine.db, Layout("C"), ReferenceFromStore(ref.db, Layout("C")), {});
    ASSERT_TRUE(ApplyPlan(mine.db, plan));
    // The reference's members in its order, then the unmatched member.
    EXPECT_EQ(mine.Named("B").FavoriteSlot[0], 1);
    EXPECT_EQ(mine.Named("A").FavoriteSlot[0], 2);
    EXPECT_EQ(mine.Named("D").FavoriteSlot[0], 3);
}

TEST(PlanTest, NumbersPastTheLastAreRefusedAndNothingChanges) {
    Store mine, ref;
    FillThis(mine);
    FillReference(ref);
    const Plan plan = PlanReference(mine.db, Layout("D"), ReferenceFromStore(ref.db, Layout("D")),
                                    {65534, true, false, Unmatched::Keep});
    EXPECT_EQ(plan.status, PlanStatus::NumbersExhausted);
    const std::vector<std::string> before = mine.Numbers();
    EXPECT_FALSE(ApplyPlan(mine.db, plan));
    EXPECT_EQ(mine.Numbers(), before);
}

} // namespace
} // namespace chanforge::reference
