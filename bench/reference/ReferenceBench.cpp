// Applying a reference list at full size: a 7,280-channel model-D reference matched against a
// 7,280-channel database of the same services, numbered the other way round with every tenth
// channel renamed, then applied (numbers, favourites, flags, the table re-sorted).
#include "chanforge/Records.h"
#include "chanforge/TableAccess.h"
#include "chanforge/codec/TableCapacity.h"
#include "chanforge/reference/Plan.h"
#include "policy/Presets.h"
#include "tabstore/QoDB.h"

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

using namespace chanforge;
using codec::FlashLayout;

constexpr std::uint32_t kSatellites = 60;

FlashLayout ModelD() {
    return FlashLayout::FromPreset(*policy::FindPreset("D"));
}

/// Every table as full as its block allows; `reversed` numbers each kind from the far end and
/// renames every tenth channel, as a list scanned anew would differ.
void Fill(const FlashLayout& l, tabstore::CQoDB& db, bool reversed) {
    for (std::uint32_t i = 0; i < l.favoriteCount; ++i) {
        auto fav = ZeroRecord<Favorite_Info_Tag>();
        std::snprintf(fav.Name, sizeof fav.Name, "Group %u", i + 1);
        AppendCopy(db, kFavoriteTable, fav);
    }
    for (std::uint32_t i = 0; i < kSatellites; ++i) {
        auto sat = ZeroRecord<Satellite_Info_Tag>();
        sat.SatID = static_cast<std::uint8_t>(i + 1);
        sat.Degree = static_cast<std::uint16_t>(10 * i);
        AppendCopy(db, kSatelliteTable, sat);
    }
    const std::uint64_t transponders = codec::TableCapacity(l, kTransponderTable).value_or(1);
    const std::uint64_t perSatellite = (transponders + kSatellites - 1) / kSatellites;
    for (std::uint64_t i = 0; i < transponders; ++i) {
        auto tp = ZeroRecord<Transponder_Info_Tag>();
        tp.Frequency = static_cast<std::uint16_t>(10700 + 5 * (i % perSatellite));
        tp.SatID = static_cast<std::uint8_t>(1 + i / perSatellite);
        tp.TPID = static_cast<std::uint8_t>(1 + i % perSatellite);
        tp.TSID = static_cast<std::uint16_t>(1000 + i);
        AppendCopy(db, kTransponderTable, tp);
    }
    const std::uint64_t channels = codec::TableCapacity(l, kChannelTable).value_or(0);
    const std::uint16_t tvCount = static_cast<std::uint16_t>(channels - (channels + 4) / 5);
    const std::uint16_t radioCount = static_cast<std::uint16_t>((channels + 4) / 5);
    std::uint16_t tv = 0, radio = 0;
    for (std::uint64_t i = 0; i < channels; ++i) {
        const std::uint64_t tp = i % transponders;
        auto ch = ZeroRecord<Channel_Info_Tag>();
        const bool isTv = i % 5 != 0;
        const std::uint16_t n = isTv ? ++tv : ++radio;
        ch.ProgramNum =
            reversed ? static_cast<std::uint16_t>((isTv ? tvCount : radioCount) + 1 - n) : n;
        ch.SatID = static_cast<std::uint8_t>(1 + tp / perSatellite);
        ch.TPID = static_cast<std::uint8_t>(1 + tp % perSatellite);
        ch.ServiceID = static_cast<std::uint16_t>(1 + i);
        ch.Attributes = isTv ? attr::kTV : attr::kRadio;
        ch.Favorite = i % 7 == 0 ? 1u << (i % 8) : 0;
        std::snprintf(ch.Name, sizeof ch.Name,
                      reversed && i % 10 == 0 ? "Renamed %u" : "Channel %u",
                      static_cast<unsigned>(i));
        AppendCopy(db, kChannelTable, ch);
    }
}

void BM_MatchAndApplyFullModelD(benchmark::State& state) {
    const FlashLayout layout = ModelD();
    tabstore::CQoDB original;
    Fill(layout, original, false);
    const reference::Reference ref = reference::ReferenceFromStore(original, layout);
    if (ref.entries.size() != 7280)
        state.SkipWithError("not a full model-D channel table");
    std::size_t matched = 0;
    for (auto _ : state) {
        state.PauseTiming();
        tabstore::CQoDB db;
        Fill(layout, db, true);
        state.ResumeTiming();
        const reference::Plan plan = reference::PlanReference(db, layout, ref, {});
        if (!reference::ApplyPlan(db, plan))
            state.SkipWithError("plan refused");
        matched = plan.Matched();
        state.PauseTiming();
        db.ClearAll(); // freeing the rows is no part of applying
        state.ResumeTiming();
    }
    state.counters["channels"] = static_cast<double>(ref.entries.size());
    state.counters["matched"] = static_cast<double>(matched);
}
BENCHMARK(BM_MatchAndApplyFullModelD)->Unit(benchmark::kMillisecond);

} // namespace
