// Merging on the sample lists: what is added with which new records, what is already here,
// the numbering choices, the lines left out, the updates and what this model cannot hold.
#include "chanforge/merge/Merge.h"
#include "SampleData.h"
#include "TestBuilders.h"
#include "chanforge/TableAccess.h"
#include "policy/Presets.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <vector>

namespace chanforge::merge {
namespace {

codec::FlashLayout Layout(const char* model) {
    return codec::FlashLayout::FromPreset(*policy::FindPreset(model));
}

/// The sample services; radio gets service ids of its own, as one service is never both.
void Fill(document::Document& doc, const codec::FlashLayout& layout) {
    testkit::Populate(doc, layout.product, 24);
    ForEachRow<Channel_Info_Tag>(doc.Store(), kChannelTable, [](Channel_Info_Tag& ch) {
        if (!IsTV(ch))
            ch.ServiceID = static_cast<std::uint16_t>(ch.ServiceID + 1000);
    });
}

/// The sample list of a model, and the same list with what a test took from it.
struct Lists {
    codec::FlashLayout layout, otherLayout;
    document::Document mine, other;
    std::unique_ptr<Incoming> incoming = std::make_unique<Incoming>();

    explicit Lists(const char* model, const char* otherModel = nullptr)
        : layout(Layout(model)), otherLayout(Layout(otherModel ? otherModel : model)), mine(layout),
          other(otherLayout) {
        Fill(mine, layout);
        Fill(other, otherLayout);
    }
    void Read() {
        EXPECT_TRUE(ReadIncoming({other.Store(), other.Values(), otherLayout}, layout, *incoming));
    }
    MergePlan Plan(const MergeOptions& options = {}, const editing::LeftOut& leftOut = {}) {
        return PlanMerge(mine.Store(), layout, *incoming, options, leftOut);
    }
    /// Removes my channels the predicate picks; how many went.
    template <class Pred> std::size_t Drop(Pred pred) {
        std::vector<std::uint32_t> rows;
        ForEachRow<Channel_Info_Tag>(mine.Store(), kChannelTable, [&](const Channel_Info_Tag& ch) {
            if (pred(ch))
                rows.push_back(ch.RowID);
        });
        for (std::uint32_t row : rows)
            mine.Store().Delete(kChannelTable, row);
        return rows.size();
    }
    /// Removes my satellite satId with its transponders and channels.
    std::size_t DropSatellite(std::uint8_t satId) {
        std::vector<std::pair<TableId, std::uint32_t>> rows;
        ForEachRow<Satellite_Info_Tag>(mine.Store(), kSatelliteTable, [&](const auto& s) {
            if (s.SatID == satId)
                rows.emplace_back(kSatelliteTable, s.RowID);
        });
        ForEachRow<Transponder_Info_Tag>(mine.Store(), kTransponderTable, [&](const auto& tp) {
            if (tp.SatID == satId)
                rows.emplace_back(kTransponderTable, tp.RowID);
        });
        for (const auto& [table, row] : rows)
            mine.Store().Delete(table, row);
        return Drop([&](const Channel_Info_Tag& ch) { return ch.SatID == satId; });
    }
};

std::size_t Created(const MergePlan& plan, TableId table) {
    std::size_t n = 0;
    for (const NewRecord& r : plan.created)
        n += r.table == table ? 1 : 0;
    return n;
}

TEST(MergeTest, MissingChannelsComeWithTheirSatelliteAndTranspondersCreatedOnce) {
    Lists lists("D");
    const std::size_t dropped = lists.DropSatellite(4);
    ASSERT_GT(dropped, 2u);
    lists.Read();
    const MergePlan plan = lists.Plan();

    EXPECT_EQ(plan.Count(Action::Add), dropped);
    EXPECT_EQ(plan.Count(Action::AlreadyHere), plan.lines.size() - dropped);
    ASSERT_EQ(Created(plan, kSatelliteTable), 1u);
    EXPECT_EQ(plan.created.front().text, "0.8W Thor 0.8W");
    EXPECT_EQ(Created(plan, kTransponderTable), 2u); // the two carriers its channels use
    EXPECT_EQ(Created(plan, kProviderTable), 0u);    // the providers are here by name
    const std::uint32_t channels = lists.mine.Store().Size(kChannelTable);
    ApplyMerge(lists.mine.Store(), lists.mine.Values(), plan, *lists.incoming);

    EXPECT_EQ(lists.mine.Store().Size(kChannelTable), channels + dropped);
    std::set<std::uint16_t> degrees;
    ForEachRow<Satellite_Info_Tag>(lists.mine.Store(), kSatelliteTable, [&](const auto& s) {
        EXPECT_TRUE(degrees.insert(s.Degree).second) << s.Degree;
    });
    // Merging again finds everything here.
    lists.Read();
    EXPECT_EQ(lists.Plan().Count(Action::Add), 0u);
}

TEST(MergeTest, ATransponderIsTheSameWithinItsToleranceOnItsPolarisation) {
    struct Case {
        int shiftMHz;
        bool flipPolarisation;
        std::size_t created;
    };
    for (const Case c :
         {Case{2, false, 0}, Case{-5, false, 0}, Case{40, false, 1}, Case{0, true, 1}}) {
        Lists lists("D");
        ForEachRow<Transponder_Info_Tag>(lists.other.Store(), kTransponderTable, [&](auto& tp) {
            if (tp.SatID == 2 && tp.TPID == 4) {
                tp.Frequency = static_cast<std::uint16_t>(tp.Frequency + c.shiftMHz);
                tp.PolFEC ^= c.flipPolarisation ? 1 : 0;
            }
        });
        const std::size_t dropped =
            lists.Drop([](const auto& ch) { return ch.SatID == 2 && ch.TPID == 4; });
        lists.Read();
        // Those channels are found by their service ids when their carrier is not the same.
        const MergePlan plan = lists.Plan();
        EXPECT_EQ(Created(plan, kTransponderTable), c.created) << c.shiftMHz;
        EXPECT_EQ(plan.Count(Action::Add), dropped);
    }
}

TEST(MergeTest, AddedChannelsAppendKeepTheirNumbersOrFillGaps) {
    struct Case {
        Numbers numbers;
        std::vector<std::uint16_t> expected;
    };
    for (const Case& c : {Case{Numbers::Append, {25, 26}}, Case{Numbers::Keep, {5, 12}},
                          Case{Numbers::Gaps, {3, 5}}}) {
        Lists lists("D");
        lists.Drop(
            [](const auto& ch) { return IsTV(ch) && (ch.ProgramNum == 5 || ch.ProgramNum == 12); });
        lists.Drop([](const auto& ch) { return IsTV(ch) && ch.ProgramNum == 3; });
        // The other list lacks number 3 too: it stays a gap unless filled.
        lists.other.Store().Delete(kChannelTable, 3);
        lists.Read();
        const MergePlan plan = lists.Plan({kUpdateNothing, c.numbers});
        std::vector<std::uint16_t> numbers;
        for (const MergeLine& line : plan.lines)
            if (line.action == Action::Add)
                numbers.push_back(line.number);
        EXPECT_EQ(numbers, c.expected);
    }
}

TEST(MergeTest, ALineLeftOutAddsNothingAndCreatesNothingForItself) {
    Lists lists("D");
    lists.DropSatellite(4);
    lists.Read();
    const MergePlan all = lists.Plan();
    editing::LeftOut leftOut;
    for (std::size_t i = 0; i < all.lines.size(); ++i)
        if (all.lines[i].action == Action::Add && all.lines[i].tpId == 1)
            leftOut.insert(i);
    ASSERT_FALSE(leftOut.empty());
    const MergePlan some = lists.Plan({}, leftOut);

    EXPECT_EQ(some.Count(Action::Add), all.Count(Action::Add) - leftOut.size());
    EXPECT_EQ(Created(some, kTransponderTable), Created(all, kTransponderTable) - 1);
    const std::uint32_t channels = lists.mine.Store().Size(kChannelTable);
    ApplyMerge(lists.mine.Store(), lists.mine.Values(), some, *lists.incoming);
    EXPECT_EQ(lists.mine.Store().Size(kChannelTable), channels + some.Count(Action::Add));
    EXPECT_EQ(some.room.front().table, kChannelTable);
    EXPECT_EQ(some.room.front().added, some.Count(Action::Add));
}

TEST(MergeTest, MatchedChannelsTakeOnlyTheChosenUpdates) {
    Lists lists("D");
    auto* theirs = testkit::ChannelNamed(lists.other.Store(), "Das Erste HD");
    ASSERT_NE(theirs, nullptr);
    theirs->Attributes |= attr::kLocked;
    theirs->Favorite = 0b110; // Sports, Movies
    testkit::SetName(theirs->Name, "Das Erste");
    lists.Read();
    EXPECT_EQ(lists.Plan().Count(Action::Update), 0u);

    const MergePlan plan = lists.Plan({kUpdateFlags | kUpdateNames});
    ASSERT_EQ(plan.Count(Action::Update), 1u);
    ApplyMerge(lists.mine.Store(), lists.mine.Values(), plan, *lists.incoming);
    const auto* mine = testkit::ChannelNamed(lists.mine.Store(), "Das Erste");
    ASSERT_NE(mine, nullptr);
    EXPECT_NE(mine->Attributes & attr::kLocked, 0);
    EXPECT_NE(mine->Favorite, 0b110u); // favourites were not chosen

    const MergePlan groups = lists.Plan({kUpdateFavorites});
    ASSERT_EQ(groups.Count(Action::Update), 1u);
    ApplyMerge(lists.mine.Store(), lists.mine.Values(), groups, *lists.incoming);
    EXPECT_EQ(testkit::ChannelNamed(lists.mine.Store(), "Das Erste")->Favorite, 0b110u);
}

TEST(MergeTest, WhatThisModelCannotHoldOrHasNoRoomForIsNamedAndNotAdded) {
    Lists lists("D", "E");
    lists.mine.Store().Clear(kChannelTable);
    lists.Read();
    const MergePlan plan = lists.Plan();
    std::size_t terrestrial = 0;
    for (std::size_t i = 0; i < plan.lines.size(); ++i)
        if (lists.incoming->services[i].carrier.delivery == reference::Delivery::Terrestrial) {
            ++terrestrial;
            EXPECT_EQ(plan.lines[i].action, Action::CannotAdd);
            EXPECT_NE(plan.lines[i].reason.English().find("no terrestrial tuner"),
                      std::string::npos);
        }
    EXPECT_GT(terrestrial, 0u);
    EXPECT_EQ(plan.Count(Action::Add), plan.lines.size() - terrestrial);

    // A satellite table with no room left refuses the channels that need a new satellite.
    Lists full("D");
    full.DropSatellite(4);
    const Room sats = full.Plan().room[1];
    ASSERT_EQ(sats.table, kSatelliteTable);
    for (std::uint64_t n = sats.now; n < sats.capacity; ++n) {
        auto sat = ZeroRecord<Satellite_Info_Tag>();
        sat.Degree = static_cast<std::uint16_t>(500 + n);
        sat.SatID = static_cast<std::uint8_t>(10 + n);
        AppendCopy(full.mine.Store(), kSatelliteTable, sat);
    }
    full.Read();
    const MergePlan refused = full.Plan();
    EXPECT_EQ(refused.Count(Action::Add), 0u);
    EXPECT_EQ(refused.created.size(), 0u);
    EXPECT_EQ(refused.Count(Action::CannotAdd),
              full.incoming->services.size() - refused.Count(Action::AlreadyHere));
}

} // namespace
} // namespace chanforge::merge
