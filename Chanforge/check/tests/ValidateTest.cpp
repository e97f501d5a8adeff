#include "CheckFixture.h"

#include "chanforge/check/Validate.h"
#include "chanforge/codec/FlashImage.h"
#include "chanforge/codec/TableCapacity.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <functional>

namespace chanforge::check {
namespace {

using test::Fixture;
using test::MakeChannel;

// The fixtures are clean: the fix tests find nothing left on either model.
struct RuleCase {
    const char* name;
    const char* model;
    /// Breaks the fixture; returns the rows the finding must name.
    std::function<std::vector<std::uint32_t>(Fixture&)> fault;
    Rule rule;
    Severity severity;
    TableId table;
    std::size_t findings = 1; ///< all of the fault's findings; the rule's comes first
};

const RuleCase kRuleCases[] = {
    {"channel on a missing satellite", "D",
     [](Fixture& f) { return std::vector{f.Add(MakeChannel("Lost", 4, true, 9, 1, 900))}; },
     Rule::MissingSatellite, Severity::Error, kChannelTable},
    {"transponder on a missing satellite", "D",
     [](Fixture& f) {
         const auto row = f.AddTransponder(7, 4);
         f.Add(MakeChannel("On 7", 4, true, 7, 4, 400)); // so that it is not also unused
         return std::vector{row};
     },
     Rule::MissingSatellite, Severity::Error, kTransponderTable, 2},
    {"channel on a missing transponder", "D",
     [](Fixture& f) { return std::vector{f.Add(MakeChannel("Lost", 4, true, 2, 99, 900))}; },
     Rule::MissingTransponder, Severity::Error, kChannelTable},
    {"channel on another satellite's transponder", "D",
     [](Fixture& f) { return std::vector{f.Add(MakeChannel("Astray", 4, true, 2, 3, 900))}; },
     Rule::ForeignTransponder, Severity::Error, kChannelTable},
    {"terrestrial channel on a missing multiplex", "B",
     [](Fixture& f) { return std::vector{f.Add(MakeChannel("Lost", 5, true, 1, 44, 900))}; },
     Rule::MissingTransponder, Severity::Error, kChannelTable},
    {"channel of a missing provider", "D",
     [](Fixture& f) {
         f.Channel(f.Row("Beta")).BroadcastID = 77;
         return std::vector{f.Row("Beta")};
     },
     Rule::MissingProvider, Severity::Warning, kChannelTable},
    {"one service twice on a transponder", "D",
     [](Fixture& f) {
         const auto copy = f.Add(MakeChannel("Alpha HD", 4, true, 2, 1, 101));
         return std::vector{f.Row("Alpha"), copy};
     },
     Rule::DuplicateService, Severity::Warning, kChannelTable},
    {"TV numbers with a gap", "D",
     [](Fixture& f) {
         f.Channel(f.Row("Gamma")).ProgramNum = 5;
         return std::vector{f.Row("Gamma")};
     },
     Rule::NumberGap, Severity::Warning, kChannelTable},
    {"radio numbers not starting at 1", "D",
     [](Fixture& f) {
         f.Channel(f.Row("Radio A")).ProgramNum = 3;
         return std::vector{f.Row("Radio B")};
     },
     Rule::NumberGap, Severity::Warning, kChannelTable},
    {"a TV number twice", "D",
     [](Fixture& f) {
         f.Channel(f.Row("Gamma")).ProgramNum = 2;
         return std::vector{f.Row("Beta"), f.Row("Gamma")};
     },
     Rule::NumberRepeat, Severity::Error, kChannelTable},
    {"a radio number twice", "D",
     [](Fixture& f) {
         f.Channel(f.Row("Radio B")).ProgramNum = 1;
         return std::vector{f.Row("Radio A"), f.Row("Radio B")};
     },
     Rule::NumberRepeat, Severity::Error, kChannelTable},
    {"control byte in a channel name", "D",
     [](Fixture& f) {
         std::snprintf(f.Channel(f.Row("Beta")).Name, 16, "Be\x1bta");
         return std::vector{f.Row("Be\x1bta")};
     },
     Rule::UnshownBytes, Severity::Warning, kChannelTable},
    {"C1 byte in a provider name", "D",
     [](Fixture& f) {
         GetRow<Broadcast_Info_Tag>(f.db, kProviderTable, 2)->Name[0] = '\x86';
         return std::vector<std::uint32_t>{2};
     },
     Rule::UnshownBytes, Severity::Warning, kProviderTable},
    {"channel name one byte past the slot (list 7 keeps 15 of 16)", "D",
     [](Fixture& f) {
         std::snprintf(f.Channel(f.Row("Beta")).Name, 32, "Beta 56789012345");
         return std::vector{f.Row("Beta 56789012345")};
     },
     Rule::NameCut, Severity::Warning, kChannelTable},
    {"channel without a name (a workbook row left empty)", "D",
     [](Fixture& f) {
         const std::uint32_t row = f.Row("Beta");
         std::memset(f.Channel(row).Name, 0, sizeof f.Channel(row).Name);
         return std::vector{row};
     },
     Rule::NamelessChannel, Severity::Error, kChannelTable},
    {"channel named by blanks only", "D",
     [](Fixture& f) {
         std::snprintf(f.Channel(f.Row("Beta")).Name, 16, "   ");
         return std::vector{f.Row("   ")};
     },
     Rule::NamelessChannel, Severity::Warning, kChannelTable},
    {"favourite group past the model's 8", "D",
     [](Fixture& f) {
         auto fav = ZeroRecord<Favorite_Info_Tag>();
         std::snprintf(fav.Name, sizeof fav.Name, "Ninth");
         return std::vector{static_cast<std::uint32_t>(AppendCopy(f.db, kFavoriteTable, fav))};
     },
     Rule::FavoriteGroupLimit, Severity::Error, kFavoriteTable},
    {"channel in favourite group 9 of 8", "D",
     [](Fixture& f) {
         f.Channel(f.Row("Alpha")).Favorite = 1u << 8 | 1u;
         return std::vector{f.Row("Alpha")};
     },
     Rule::FavoriteMemberLimit, Severity::Error, kChannelTable},
    {"transponder without channels", "D",
     [](Fixture& f) { return std::vector{f.AddTransponder(3, 4)}; }, Rule::UnusedTransponder,
     Severity::Warning, kTransponderTable},
    {"multiplex without channels", "B",
     [](Fixture& f) {
         f.Channel(f.Row("Terra")).TPID = 23;
         auto tp = *GetRow<Transponder_Info_Tag>(f.db, kTransponderTable, 4);
         tp.TPID = 34;
         return std::vector{static_cast<std::uint32_t>(AppendCopy(f.db, kTransponderTable, tp))};
     },
     Rule::UnusedMultiplex, Severity::Warning, kTransponderTable},
    {"transponder ids past 255", "D",
     [](Fixture& f) {
         f.values.MaxTPID = 256;
         return std::vector<std::uint32_t>{};
     },
     Rule::IdRange, Severity::Error, kTransponderTable},
};

TEST(Validate, EachRuleFiresAloneOnItsFault) {
    for (const RuleCase& c : kRuleCases) {
        SCOPED_TRACE(c.name);
        Fixture f(c.model);
        const std::vector<std::uint32_t> rows = c.fault(f);
        const Findings found = CheckDatabase(f.db, f.values, f.layout);
        ASSERT_EQ(found.size(), c.findings)
            << (found.empty() ? "" : found.front().message.English());
        EXPECT_EQ(found[0].rule, c.rule) << found[0].message.English();
        EXPECT_EQ(found[0].severity, c.severity);
        EXPECT_EQ(found[0].table, c.table);
        EXPECT_EQ(found[0].rows, rows);
        EXPECT_FALSE(found[0].message.English().empty());
    }
}

TEST(Validate, NameThatFillsTheSlotExactlyIsNotCut) {
    for (const char* model : {"D", "A"}) { // list 7 keeps 15 bytes, layout A all 16
        Fixture f(model);
        const std::size_t keep = std::string(model) == "D" ? 15 : 16;
        const std::string name = std::string("ABCDEFGHIJKLMNOPQRSTUVWXYZ").substr(0, keep);
        std::snprintf(f.Channel(1).Name, sizeof f.Channel(1).Name, "%s", name.c_str());
        EXPECT_TRUE(CheckDatabase(f.db, f.values, f.layout).empty()) << model;
    }
}

// Thousands of copies of one service are named by the first few, in one short message.
TEST(Validate, ManyCopiesOfOneServiceAreNamedByTheFirstFew) {
    Fixture f("D");
    for (int i = 0; i < 7; ++i)
        f.Add(MakeChannel("Alpha", 4, true, 2, 1, 101));
    const Findings found = CheckDatabase(f.db, f.values, f.layout);
    const auto it = std::find_if(found.begin(), found.end(),
                                 [](const Finding& x) { return x.rule == Rule::DuplicateService; });
    ASSERT_NE(it, found.end());
    EXPECT_EQ(it->rows.size(), 8u);
    EXPECT_TRUE(it->message.English().ends_with(" and 3 more")) << it->message.English();
}

// The capacity the check warns about is exactly where the save starts refusing.
TEST(Validate, CapacityMatchesWhereTheEncoderRefuses) {
    for (const char* model : {"A", "C", "D", "E", "default"}) {
        const codec::FlashLayout layout = test::Layout(model);
        for (TableId table : {kFavoriteTable, kProviderTable, kTransponderTable, kChannelTable}) {
            SCOPED_TRACE(std::string(model) + " table " + std::to_string(table));
            const auto capacity = codec::TableCapacity(layout, table);
            ASSERT_TRUE(capacity.has_value());
            tabstore::CQoDB db;
            DocumentValues values;
            const auto fill = [&](std::uint64_t n) {
                for (std::uint64_t i = db.Size(table); i < n; ++i) {
                    // A channel record is large enough to stand for a row of every table.
                    AppendCopy(db, table, MakeChannel("X", 1, true, 2, 1, 1));
                }
            };
            fill(*capacity);
            std::vector<std::uint8_t> image;
            EXPECT_TRUE(codec::EncodeImage(image, layout, db, values).ok());
            fill(*capacity + 1);
            EXPECT_EQ(codec::EncodeImage(image, layout, db, values).status,
                      codec::CodecStatus::TableTooLarge);
            const Findings found = CheckDatabase(db, values, layout);
            const auto it = std::find_if(found.begin(), found.end(), [](const Finding& x) {
                return x.rule == Rule::TableCapacity;
            });
            ASSERT_NE(it, found.end());
            EXPECT_EQ(it->table, table);
            EXPECT_EQ(it->rows.size(), 1u); // the one record past the block
        }
    }
}

} // namespace
} // namespace chanforge::check
