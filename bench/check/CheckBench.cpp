// check and diff on a full model-D database: every table filled to what its flash block
// holds (7,280 channels), with references that resolve, as a real full list has.
#include "chanforge/Records.h"
#include "chanforge/TableAccess.h"
#include "chanforge/check/Diff.h"
#include "chanforge/check/Validate.h"
#include "chanforge/codec/TableCapacity.h"
#include "policy/Presets.h"
#include "tabstore/QoDB.h"

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

using namespace chanforge;
using codec::FlashLayout;

constexpr std::uint32_t kSatellites = 60;

std::uint64_t Capacity(const FlashLayout& l, TableId table) {
    return codec::TableCapacity(l, table).value_or(0);
}

void Fill(const FlashLayout& l, tabstore::CQoDB& db) {
    for (std::uint32_t i = 0; i < l.favoriteCount; ++i) {
        auto fav = ZeroRecord<Favorite_Info_Tag>();
        std::snprintf(fav.Name, sizeof fav.Name, "Group %u", i + 1);
        AppendCopy(db, kFavoriteTable, fav);
    }
    for (std::uint32_t i = 0; i < kSatellites; ++i) {
        auto sat = ZeroRecord<Satellite_Info_Tag>();
        sat.SatID = static_cast<std::uint8_t>(i + 1);
        std::snprintf(sat.Name, sizeof sat.Name, "Sat %u", i + 1);
        AppendCopy(db, kSatelliteTable, sat);
    }
    const std::uint64_t providers = Capacity(l, kProviderTable);
    for (std::uint64_t i = 0; i < providers; ++i) {
        auto brd = ZeroRecord<Broadcast_Info_Tag>();
        brd.BroadcastID = static_cast<std::uint16_t>(i + 1);
        std::snprintf(brd.Name, sizeof brd.Name, "Provider %u", static_cast<unsigned>(i % 10000));
        AppendCopy(db, kProviderTable, brd);
    }
    // Transponder ids count per satellite; every transponder carries channels.
    const std::uint64_t transponders = Capacity(l, kTransponderTable);
    const std::uint64_t perSatellite = (transponders + kSatellites - 1) / kSatellites;
    for (std::uint64_t i = 0; i < transponders; ++i) {
        auto tp = ZeroRecord<Transponder_Info_Tag>();
        tp.Frequency = static_cast<std::uint16_t>(10700 + i);
        tp.SatID = static_cast<std::uint8_t>(1 + i / perSatellite);
        tp.TPID = static_cast<std::uint8_t>(1 + i % perSatellite);
        AppendCopy(db, kTransponderTable, tp);
    }
    const std::uint64_t channels = Capacity(l, kChannelTable);
    std::uint16_t tv = 0, radio = 0;
    for (std::uint64_t i = 0; i < channels; ++i) {
        const std::uint64_t tp = i % transponders;
        auto ch = ZeroRecord<Channel_Info_Tag>();
        const bool isTv = i % 5 != 0;
        ch.ProgramNum = isTv ? ++tv : ++radio;
        ch.SatID = static_cast<std::uint8_t>(1 + tp / perSatellite);
        ch.TPID = static_cast<std::uint8_t>(1 + tp % perSatellite);
        ch.ServiceID = static_cast<std::uint16_t>(1 + i);
        ch.BroadcastID = static_cast<std::uint16_t>(1 + i % providers);
        ch.Attributes = isTv ? attr::kTV : attr::kRadio;
        ch.Favorite = i % 7 == 0 ? 1u << (i % 8) : 0;
        std::snprintf(ch.Name, sizeof ch.Name, "Channel %u", static_cast<unsigned>(i % 100000));
        AppendCopy(db, kChannelTable, ch);
    }
}

FlashLayout ModelD() {
    return FlashLayout::FromPreset(*policy::FindPreset("D"));
}

void BM_CheckFullModelD(benchmark::State& state) {
    const FlashLayout layout = ModelD();
    tabstore::CQoDB db;
    Fill(layout, db);
    DocumentValues values;
    if (db.Size(kChannelTable) != 7280)
        state.SkipWithError("not a full model-D channel table");
    if (!check::CheckDatabase(db, values, layout).empty())
        state.SkipWithError("fixture not clean");
    for (auto _ : state)
        benchmark::DoNotOptimize(check::CheckDatabase(db, values, layout));
    state.counters["channels"] = db.Size(kChannelTable);
}
BENCHMARK(BM_CheckFullModelD)->Unit(benchmark::kMillisecond);

/// The second database differs as an evening's editing would: every 50th channel moved,
/// every 70th renamed, every 90th locked, and a hundred removed.
void BM_DiffFullModelD(benchmark::State& state) {
    const FlashLayout layout = ModelD();
    tabstore::CQoDB a, b;
    Fill(layout, a);
    Fill(layout, b);
    std::uint32_t i = 0;
    std::vector<std::uint32_t> removed;
    ForEachRow<Channel_Info_Tag>(b, kChannelTable, [&](Channel_Info_Tag& ch) {
        if (i % 50 == 0)
            ch.ProgramNum = static_cast<std::uint16_t>(ch.ProgramNum + 1);
        if (i % 70 == 0)
            std::snprintf(ch.Name, sizeof ch.Name, "Renamed %u", i);
        if (i % 90 == 0)
            ch.Attributes |= attr::kLocked;
        if (i % 73 == 0)
            removed.push_back(ch.RowID);
        ++i;
    });
    for (std::uint32_t row : removed)
        b.Delete(kChannelTable, row);
    std::size_t changes = 0;
    for (auto _ : state) {
        const check::Changes diff = check::DiffStores(a, b, layout);
        changes = diff.size();
        benchmark::DoNotOptimize(diff.data());
    }
    state.counters["changes"] = static_cast<double>(changes);
}
BENCHMARK(BM_DiffFullModelD)->Unit(benchmark::kMillisecond);

} // namespace
