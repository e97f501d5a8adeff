// Property: merging a list into itself changes nothing; merging another model's list keeps every
// channel of this one byte for byte, adds every service it lacks, and undoes to the bytes it had.
#include "SampleData.h"
#include "TestBuilders.h"
#include "chanforge/TableAccess.h"
#include "chanforge/merge/Merge.h"
#include "policy/Presets.h"

#include <gtest/gtest.h>
#include <rapidcheck.h>
#include <rapidcheck/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
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

/// Drops some channels at random, and now and then a whole satellite with its transponders.
void Thin(tabstore::CQoDB& db) {
    const bool satellite = *rc::gen::arbitrary<bool>();
    std::vector<std::pair<TableId, std::uint32_t>> rows;
    ForEachRow<Transponder_Info_Tag>(db, kTransponderTable, [&](const Transponder_Info_Tag& tp) {
        if (satellite && tp.SatID == 3)
            rows.emplace_back(kTransponderTable, tp.RowID);
    });
    ForEachRow<Satellite_Info_Tag>(db, kSatelliteTable, [&](const Satellite_Info_Tag& s) {
        if (satellite && s.SatID == 3)
            rows.emplace_back(kSatelliteTable, s.RowID);
    });
    ForEachRow<Channel_Info_Tag>(db, kChannelTable, [&](const Channel_Info_Tag& ch) {
        if ((satellite && ch.SatID == 3) || *rc::gen::inRange(0, 3) == 0)
            rows.emplace_back(kChannelTable, ch.RowID);
    });
    for (const auto& [table, row] : rows)
        db.Delete(table, row);
}

/// The channels as bytes without their row keys, which a merge's sort hands out afresh.
std::vector<std::vector<unsigned char>> ChannelBytes(tabstore::CQoDB& db) {
    std::vector<std::vector<unsigned char>> out;
    ForEachRow<Channel_Info_Tag>(db, kChannelTable, [&](Channel_Info_Tag ch) {
        ch.RowID = 0;
        const auto* bytes = reinterpret_cast<const unsigned char*>(&ch);
        out.emplace_back(bytes, bytes + sizeof ch);
    });
    return out;
}

/// The service is here on the carrier it had there: its network records came along.
bool HasService(const std::vector<reference::Service>& here, const reference::Service& theirs) {
    return std::any_of(here.begin(), here.end(), [&](const reference::Service& s) {
        return s.sid == theirs.sid && s.kind == theirs.kind && s.name == theirs.name &&
               s.carrier.delivery == theirs.carrier.delivery &&
               s.carrier.degree == theirs.carrier.degree &&
               s.carrier.horizontal == theirs.carrier.horizontal;
    });
}

void CheckSelfMerge(document::Document& mine, const codec::FlashLayout& layout,
                    const MergeOptions& options) {
    auto self = std::make_unique<Incoming>();
    RC_ASSERT(ReadIncoming({mine.Store(), mine.Values(), layout}, layout, *self));
    const auto before = testkit::StoreBytes(mine.Store());
    const MergePlan plan = PlanMerge(mine.Store(), layout, *self, options);
    RC_ASSERT(plan.Count(Action::AlreadyHere) == plan.lines.size());
    RC_ASSERT(plan.created.empty());
    ApplyMerge(mine.Store(), mine.Values(), plan, *self);
    RC_ASSERT(testkit::StoreBytes(mine.Store()) == before);
}

void CheckMerge(const char* model, const char* otherModel) {
    const codec::FlashLayout layout = Layout(model), otherLayout = Layout(otherModel);
    document::Document mine(layout), other(otherLayout);
    Fill(mine, layout);
    Fill(other, otherLayout);
    Thin(mine.Store());
    const MergeOptions options{static_cast<std::uint8_t>(*rc::gen::inRange(0, 8)),
                               *rc::gen::element(Numbers::Append, Numbers::Keep, Numbers::Gaps)};
    CheckSelfMerge(mine, layout, options);

    auto incoming = std::make_unique<Incoming>();
    RC_ASSERT(ReadIncoming({other.Store(), other.Values(), otherLayout}, layout, *incoming));
    const auto storeBefore = testkit::StoreBytes(mine.Store());
    const auto channelsBefore = ChannelBytes(mine.Store());
    const MergePlan plan = PlanMerge(mine.Store(), layout, *incoming, {0, options.numbers});
    editing::CUndoStack undo;
    undo.Begin(mine.Store(), kMergeTables, "Merge");
    ApplyMerge(mine.Store(), mine.Values(), plan, *incoming);
    RC_ASSERT(undo.Commit(mine.Store()) == (plan.Count(Action::Add) > 0));

    auto after = ChannelBytes(mine.Store());
    RC_ASSERT(after.size() == channelsBefore.size() + plan.Count(Action::Add));
    for (const auto& channel : channelsBefore)
        RC_ASSERT(std::find(after.begin(), after.end(), channel) != after.end());
    const auto here = reference::ServicesOf(mine.Store(), mine.Store(), layout);
    for (std::size_t i = 0; i < plan.lines.size(); ++i) {
        const MergeLine& line = plan.lines[i];
        if (line.action == Action::AlreadyHere)
            continue;
        // The samples are far from full: only what this model cannot hold stays out.
        RC_ASSERT(line.action == Action::Add || incoming->lost.contains(i));
        if (line.action == Action::Add)
            RC_ASSERT(HasService(here, incoming->services[i]));
    }
    if (undo.CanUndo())
        RC_ASSERT(undo.Undo(mine.Store()));
    RC_ASSERT(testkit::StoreBytes(mine.Store()) == storeBefore);
}

RC_GTEST_PROP(MergePropertyTest, ModelAListIntoModelD, ()) {
    CheckMerge("D", "A");
}

RC_GTEST_PROP(MergePropertyTest, ModelDListIntoModelA, ()) {
    CheckMerge("A", "D");
}

RC_GTEST_PROP(MergePropertyTest, CombinationListsBringTheirTerrestrialSide, ()) {
    CheckMerge("E", "B");
}

RC_GTEST_PROP(MergePropertyTest, TerrestrialChannelsStayOutOfASatelliteModel, ()) {
    CheckMerge("default", "E");
}

} // namespace
} // namespace chanforge::merge
