#include "CheckFixture.h"

#include "chanforge/ChannelOrder.h"
#include "chanforge/check/Diff.h"
#include "chanforge/check/Fixes.h"
#include "chanforge/check/ImageDiff.h"
#include "chanforge/check/Validate.h"
#include "chanforge/editing/UnusedRecords.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace chanforge::check {
namespace {

using test::Fixture;
using test::MakeChannel;

/// "table kind" of every change, to compare in one line.
std::vector<std::string> Kinds(const Changes& changes) {
    std::vector<std::string> kinds;
    for (const Change& c : changes)
        kinds.push_back(std::to_string(c.table) + " " + std::string(ChangeKindName(c.kind)));
    return kinds;
}

TEST(Diff, RowIdsDoNotMatchRecords) {
    Fixture a, b;
    // Reversed row order in b: the same records under other keys.
    tabstore::CQoDB reversed;
    std::vector<Channel_Info_Tag> channels;
    ForEachRow<Channel_Info_Tag>(b.db, kChannelTable,
                                 [&](const Channel_Info_Tag& ch) { channels.push_back(ch); });
    b.db.Clear(kChannelTable);
    for (auto it = channels.rbegin(); it != channels.rend(); ++it)
        b.Add(*it);
    ASSERT_NE(b.Row("Alpha"), a.Row("Alpha"));
    EXPECT_TRUE(DiffStores(a.db, b.db, a.layout).empty());
}

struct DiffCase {
    const char* name;
    std::function<void(Fixture&)> edit;
    std::vector<std::string> kinds;
};

const DiffCase kDiffCases[] = {
    {"number", [](Fixture& f) { f.Channel(f.Row("Beta")).ProgramNum = 9; }, {"5 moved"}},
    {"name",
     [](Fixture& f) { std::snprintf(f.Channel(f.Row("Beta")).Name, 16, "Beta HD"); },
     {"5 renamed"}},
    {"lock and favourite",
     [](Fixture& f) {
         f.Channel(f.Row("Beta")).Attributes |= attr::kLocked;
         f.Channel(f.Row("Beta")).Favorite = 2;
     },
     {"5 re-flagged"}},
    {"audio pid", [](Fixture& f) { f.Channel(f.Row("Beta")).AudioPID = 77; }, {"5 changed"}},
    {"added and removed channel",
     [](Fixture& f) {
         f.db.Delete(kChannelTable, f.Row("Gamma"));
         f.Add(MakeChannel("Delta", 3, true, 2, 2, 203));
     },
     {"5 removed", "5 added"}},
    {"transponder and satellite",
     [](Fixture& f) {
         GetRow<Transponder_Info_Tag>(f.db, kTransponderTable, 1)->SymbolRate = 22000;
         f.db.Delete(kSatelliteTable, 2);
     },
     {"0 removed", "4 changed"}},
    {"renamed and moved at once",
     [](Fixture& f) {
         auto& ch = f.Channel(f.Row("Radio A"));
         ch.ProgramNum = 3;
         std::snprintf(ch.Name, 16, "Radio C");
     },
     {"5 moved", "5 renamed"}},
};

TEST(Diff, EachEditIsNamedByItsKind) {
    for (const DiffCase& c : kDiffCases) {
        SCOPED_TRACE(c.name);
        Fixture a, b;
        c.edit(b);
        const Changes changes = DiffStores(a.db, b.db, a.layout);
        EXPECT_EQ(Kinds(changes), c.kinds);
        for (const Change& ch : changes)
            EXPECT_FALSE(ch.message.English().empty());
    }
}

// What the operator did, in list order: a channel moved to another transponder is one change
// with both places; a renumbering that keeps the order is one line; "changed" names the fields.
TEST(Diff, ChangesReadAsTheOperatorMadeThem) {
    struct Case {
        const char* name;
        std::function<void(Fixture&)> edit;
        std::vector<std::string> messages;
    };
    const Case cases[] = {
        {"channel moved to another satellite's transponder",
         [](Fixture& f) {
             f.Channel(f.Row("Beta")).SatID = 3;
             f.Channel(f.Row("Beta")).TPID = 3;
         },
         {"The TV channel 2 \"Beta\" moved from satellite \"Sat 2\", 11836 MHz V to satellite "
          "\"Sat 3\", 11766 MHz V"}},
        {"first channel deleted, the rest renumbered",
         [](Fixture& f) {
             f.db.Delete(kChannelTable, f.Row("Alpha"));
             RenumberChannels(f.db);
         },
         {"The TV channel 1 \"Alpha\" removed", "2 TV channels renumbered in their order"}},
        {"last channel moved to the top",
         [](Fixture& f) {
             f.Channel(f.Row("Gamma")).ProgramNum = 1;
             f.Channel(f.Row("Alpha")).ProgramNum = 2;
             f.Channel(f.Row("Beta")).ProgramNum = 3;
         },
         {"The TV channel 3 \"Gamma\" moved to TV 1", "2 TV channels renumbered in their order"}},
        {"fields named with old and new values, in channel order",
         [](Fixture& f) {
             f.Channel(f.Row("Radio B")).VideoPID = 300;
             f.Channel(f.Row("Gamma")).AudioPID = 77;
             f.Channel(f.Row("Gamma")).PCRPID = 78;
             f.Channel(f.Row("Alpha")).Attributes |= attr::kSkipped;
         },
         {"The TV channel 1 \"Alpha\": now skipped",
          "The TV channel 3 \"Gamma\" changed: AudioPID from 0 to 77, PCRPID from 0 to 78",
          "The radio channel 2 \"Radio B\" changed: VideoPID from 0 to 300"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Fixture a, b;
        c.edit(b);
        std::vector<std::string> messages;
        for (const Change& change : DiffStores(a.db, b.db, a.layout))
            messages.push_back(change.message.English());
        EXPECT_EQ(messages, c.messages);
    }
}

// What the receiver holds against what was sent: headers are each side's own, what it holds
// beyond the image is not what was sent, what it lacks differs; blocks read as runs.
TEST(Diff, HeldBytesAreCountedInTheBlocksTheyLieIn) {
    const std::vector<std::uint8_t> sent(86 + 400 * 1024, 0x5A);
    std::vector<std::uint8_t> held = sent;
    held[6] = 0x01;                      // the info block a receive writes
    held.insert(held.end(), 4096, 0xFF); // flash it kept beyond the image
    EXPECT_TRUE(DiffImageBytes(sent, held).empty());
    const auto say = [&](std::initializer_list<std::size_t> at, std::size_t cut = 0) {
        std::vector<std::uint8_t> damaged = sent;
        for (std::size_t offset : at)
            damaged[86 + offset] ^= 0xFF;
        damaged.resize(damaged.size() - cut);
        return HeldBytesPhrase(DiffImageBytes(sent, damaged)).English();
    };
    EXPECT_EQ(say({300 * 1024 + 512}),
              "The receiver holds 1 byte that differs from what was sent, in block 300");
    EXPECT_EQ(say({2 * 1024 + 900, 2 * 1024 + 901}),
              "The receiver holds 2 bytes that differ from what was sent, in block 2");
    EXPECT_EQ(say({2 * 1024, 10 * 1024, 11 * 1024, 12 * 1024, 300 * 1024}),
              "The receiver holds 5 bytes that differ from what was sent, in blocks 2, 10-12 and "
              "300");
    EXPECT_EQ(
        say({}, 1500),
        "The receiver holds 1500 bytes that differ from what was sent, in blocks 398 and 399");
    std::initializer_list<std::size_t> scattered = {0,     2048,  4096,  6144,  8192,
                                                    10240, 12288, 14336, 16384, 18432};
    EXPECT_EQ(say(scattered),
              "The receiver holds 10 bytes that differ from what was sent, in blocks 0, 2, 4, 6, "
              "8, 10, 12, 14 and 2 more");
}

TEST(Fixes, RemoveDuplicatesKeepsOneOfEachService) {
    Fixture f;
    const auto copy1 = f.Add(MakeChannel("Alpha 2", 4, true, 2, 1, 101));
    const auto copy2 = f.Add(MakeChannel("Alpha 3", 5, true, 2, 1, 101));
    f.Add(MakeChannel("Alpha West", 6, true, 2, 2, 101)); // same id, another transponder
    // Every copy ticked, the original too: one must stay.
    EXPECT_EQ(RemoveDuplicates(f.db, {f.Row("Alpha"), copy1, copy2, f.Row("Beta")}), 2u);
    EXPECT_TRUE(DuplicateServiceGroups(f.db).empty());
    EXPECT_NE(f.Row("Alpha"), 0u);
    EXPECT_NE(f.Row("Beta"), 0u); // not a duplicate, so never removed
    EXPECT_NE(f.Row("Alpha West"), 0u);
}

// The list's Remove unused and the check name the same transponders and multiplexes, and the
// fix removes them all, keeping every channel.
TEST(Fixes, UnusedDeliveryIsWhatRemoveUnusedListsAndWhatDeleteUnusedRemoves) {
    for (const char* model : {"B", "D"}) {
        Fixture f(model);
        f.AddTransponder(2, 3);
        f.AddTransponder(3, 4);
        if (f.layout.product.Terrestrial()) {
            auto tp = *GetRow<Transponder_Info_Tag>(f.db, kTransponderTable, 4); // multiplex 23
            tp.TPID = 34;
            AppendCopy(f.db, kTransponderTable, tp);
        }
        std::vector<std::uint32_t> found;
        for (const Finding& finding : CheckDatabase(f.db, f.values, f.layout))
            if (finding.rule == Rule::UnusedTransponder || finding.rule == Rule::UnusedMultiplex)
                found.push_back(finding.rows.front());
        const auto unused = editing::FindUnused(f.db, f.layout.product);
        std::vector<std::uint32_t> listed = unused.transponders;
        listed.insert(listed.end(), unused.muxes.begin(), unused.muxes.end());
        std::sort(found.begin(), found.end());
        std::sort(listed.begin(), listed.end());
        EXPECT_EQ(listed, found) << model;
        EXPECT_GE(found.size(), 2u) << model;
        const std::uint32_t channels = f.db.Size(kChannelTable);
        EXPECT_EQ(DeleteUnused(f.db, f.layout), found.size()) << model;
        EXPECT_EQ(f.db.Size(kChannelTable), channels) << model;
        EXPECT_TRUE(CheckDatabase(f.db, f.values, f.layout).empty()) << model;
    }
}

TEST(Fixes, AssignProviderGivesTheChannelsOfAMissingProviderAnother) {
    Fixture f; // providers 1 and 2
    EXPECT_EQ(FixFor(Rule::MissingProvider), Fix::AssignProvider);
    f.Channel(f.Row("Beta")).BroadcastID = 77;
    f.Channel(f.Row("Gamma")).BroadcastID = 77;
    f.Channel(f.Row("Radio A")).BroadcastID = 78;
    EXPECT_EQ(AssignProvider(f.db, 77, 9), 0u) << "no provider 9 to give them";
    EXPECT_EQ(AssignProvider(f.db, 1, 2), 0u) << "provider 1 exists: its channels are its own";
    EXPECT_EQ(AssignProvider(f.db, 77, 2), 2u);
    EXPECT_EQ(f.Channel(f.Row("Gamma")).BroadcastID, 2);
    EXPECT_EQ(AssignProvider(f.db, 78, 0), 1u); // none
    EXPECT_TRUE(CheckDatabase(f.db, f.values, f.layout).empty());
}

TEST(Fixes, RenumberClearsNumberingFindings) {
    Fixture f;
    f.Channel(f.Row("Gamma")).ProgramNum = 7;
    f.Channel(f.Row("Radio B")).ProgramNum = 1;
    ASSERT_EQ(CheckDatabase(f.db, f.values, f.layout).size(), 2u);
    RenumberChannels(f.db);
    EXPECT_TRUE(CheckDatabase(f.db, f.values, f.layout).empty());
}

} // namespace
} // namespace chanforge::check
