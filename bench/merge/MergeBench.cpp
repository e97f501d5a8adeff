// Merging at full size: the preview of a 7,280-channel model-D list, its satellites at other
// positions, merged into one of 7,280 channels (half of the services the same, the rest refused
// for room) and into one of 3,640 with none in common (half added with 60 satellites and their
// transponders created, the rest refused for room). The other list is read once before, as the
// window does; that read is measured on its own.
#include "chanforge/Records.h"
#include "chanforge/TableAccess.h"
#include "chanforge/codec/TableCapacity.h"
#include "chanforge/merge/Merge.h"
#include "policy/Presets.h"
#include "tabstore/QoDB.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

namespace {

using namespace chanforge;
using codec::FlashLayout;

constexpr std::uint32_t kSatellites = 60;
constexpr std::uint32_t kFullList = 7280;

FlashLayout ModelD() {
    return FlashLayout::FromPreset(*policy::FindPreset("D"));
}

/// `channels` channels spread over 60 satellites' transponders; `first` is the first service
/// id, so two lists share the services whose ids overlap. The satellites start at `degree`.
void Fill(const FlashLayout& l, tabstore::CQoDB& db, std::uint32_t channels, std::uint32_t first,
          std::uint16_t degree) {
    for (std::uint32_t i = 0; i < kSatellites; ++i) {
        auto sat = ZeroRecord<Satellite_Info_Tag>();
        sat.SatID = static_cast<std::uint8_t>(i + 1);
        sat.Degree = static_cast<std::uint16_t>(degree + 10 * i);
        AppendCopy(db, kSatelliteTable, sat);
    }
    const std::uint64_t transponders = codec::TableCapacity(l, kTransponderTable).value_or(1) / 2;
    const std::uint64_t perSatellite = (transponders + kSatellites - 1) / kSatellites;
    for (std::uint64_t i = 0; i < transponders; ++i) {
        auto tp = ZeroRecord<Transponder_Info_Tag>();
        tp.Frequency = static_cast<std::uint16_t>(10700 + 40 * (i % perSatellite));
        tp.SymbolRate = 27500;
        tp.SatID = static_cast<std::uint8_t>(1 + i / perSatellite);
        tp.TPID = static_cast<std::uint8_t>(1 + i % perSatellite);
        tp.TSID = static_cast<std::uint16_t>(1000 + i);
        AppendCopy(db, kTransponderTable, tp);
    }
    std::uint16_t tv = 0, radio = 0;
    for (std::uint32_t i = 0; i < channels; ++i) {
        const std::uint32_t service = first + i;
        const std::uint64_t tp = service % transponders;
        auto ch = ZeroRecord<Channel_Info_Tag>();
        const bool isTv = service % 5 != 0;
        ch.ProgramNum = isTv ? ++tv : ++radio;
        ch.SatID = static_cast<std::uint8_t>(1 + tp / perSatellite);
        ch.TPID = static_cast<std::uint8_t>(1 + tp % perSatellite);
        ch.ServiceID = static_cast<std::uint16_t>(1 + service);
        ch.Attributes = isTv ? attr::kTV : attr::kRadio;
        std::snprintf(ch.Name, sizeof ch.Name, "Channel %u", static_cast<unsigned>(service));
        AppendCopy(db, kChannelTable, ch);
    }
}

/// The other list: the second half of a full list's services and as many again, on satellites
/// half a degree from this one's.
void FillOther(const FlashLayout& l, tabstore::CQoDB& db) {
    Fill(l, db, kFullList, kFullList / 2, 5);
}

void BM_PreviewMerge(benchmark::State& state) {
    const FlashLayout layout = ModelD();
    tabstore::CQoDB mine, theirs;
    Fill(layout, mine, static_cast<std::uint32_t>(state.range(0)), 0, 0);
    FillOther(layout, theirs);
    const DocumentValues values;
    auto incoming = std::make_unique<merge::Incoming>();
    if (!merge::ReadIncoming({theirs, values, layout}, layout, *incoming))
        state.SkipWithError("the other list was not read");
    std::size_t added = 0, here = 0, created = 0;
    for (auto _ : state) {
        const merge::MergePlan plan = merge::PlanMerge(mine, layout, *incoming, {});
        added = plan.Count(merge::Action::Add);
        here = plan.Count(merge::Action::AlreadyHere);
        created = plan.created.size();
    }
    state.counters["lines"] = static_cast<double>(incoming->services.size());
    state.counters["added"] = static_cast<double>(added);
    state.counters["here"] = static_cast<double>(here);
    state.counters["created"] = static_cast<double>(created);
}
BENCHMARK(BM_PreviewMerge)->Arg(kFullList)->Arg(kFullList / 2)->Unit(benchmark::kMillisecond);

void BM_ReadOtherList(benchmark::State& state) {
    const FlashLayout layout = ModelD();
    tabstore::CQoDB theirs;
    FillOther(layout, theirs);
    const DocumentValues values;
    for (auto _ : state) {
        auto incoming = std::make_unique<merge::Incoming>();
        if (!merge::ReadIncoming({theirs, values, layout}, layout, *incoming))
            state.SkipWithError("the other list was not read");
        benchmark::DoNotOptimize(incoming->channels.data());
    }
}
BENCHMARK(BM_ReadOtherList)->Unit(benchmark::kMillisecond);

} // namespace
