// Curating a full model-D list (7,280 channels): finding the duplicates, refreshing the grids
// through the filter bar's query, and previewing a rename of every TV channel. Each must feel
// instant to an operator typing (under 20, 30 and 30 ms).
#include "chanforge/ChannelOrder.h"
#include "chanforge/Records.h"
#include "chanforge/TableAccess.h"
#include "chanforge/editing/ChannelFilter.h"
#include "chanforge/editing/ChannelQuery.h"
#include "chanforge/editing/Duplicates.h"
#include "chanforge/editing/RenamePattern.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>

namespace {

using namespace chanforge;
using namespace chanforge::editing;

constexpr int kFullModelD = 7280;
constexpr Product kModelD{7, 1};

/// A received list: 60 satellites, names that repeat across satellites (HD and SD editions
/// among them), one service in fifty carried twice, a seventh of the channels scrambled.
void Fill(tabstore::CQoDB& db) {
    constexpr std::array kNames = {"Das Erste", "ZDF",    "arte", "3sat", "KiKA",  "phoenix",
                                   "ONE",       "ZDFneo", "BR",   "hr",   "MDR",   "NDR",
                                   "SWR",       "WDR",    "rbb",  "SR",   "Sport", "News"};
    std::uint16_t tv = 0, radio = 0;
    for (int i = 0; i < kFullModelD; ++i) {
        auto ch = ZeroRecord<Channel_Info_Tag>();
        const bool isTv = i % 4 != 0;
        ch.ProgramNum = ch.ShowNum = isTv ? ++tv : ++radio;
        ch.Attributes = static_cast<std::uint16_t>((isTv ? attr::kTV : attr::kRadio) |
                                                   (i % 7 == 0 ? attr::kScrambled : 0));
        ch.SatID = static_cast<std::uint8_t>(1 + i % 60);
        ch.TPID = static_cast<std::uint8_t>(1 + i % 120);
        ch.ServiceID = static_cast<std::uint16_t>(i % 50 == 49 ? i - 1 : i + 1);
        ch.BroadcastID = static_cast<std::uint16_t>(1 + i % 40);
        std::snprintf(ch.Name, sizeof ch.Name, "%s %d%s",
                      kNames[static_cast<std::size_t>(i) % kNames.size()], i / 40,
                      i % 3 == 0 ? " HD" : "");
        AppendCopy(db, kChannelTable, ch);
    }
    GroupChannels(db);
}

struct Full {
    tabstore::CQoDB db;
    Full() { Fill(db); }
};

void BM_FindDuplicates(benchmark::State& state) {
    Full full;
    for (auto _ : state)
        benchmark::DoNotOptimize(FindDuplicates(full.db, KeepPolicy::HD, kModelD));
    state.counters["groups"] =
        static_cast<double>(FindDuplicates(full.db, KeepPolicy::HD, kModelD).size());
}

/// Both grids refilled for the left pane's choice and narrowed by the bar, as a keystroke does.
void FilterRefresh(benchmark::State& state, const ChannelQuery& query) {
    Full full;
    const CompiledQuery compiled = Compile(query);
    std::size_t shown = 0;
    for (auto _ : state) {
        shown = 0;
        for (ChannelKind kind : {ChannelKind::TV, ChannelKind::Radio})
            shown +=
                Narrow(full.db, FillChannels(full.db, kind, ShowAll(), kModelD), compiled).size();
        benchmark::DoNotOptimize(shown);
    }
    state.counters["shown"] = static_cast<double>(shown);
}

void BM_FilterRefreshText(benchmark::State& state) {
    ChannelQuery q;
    q.text = "zdf";
    FilterRefresh(state, q);
}

void BM_FilterRefreshExpressionAndFlags(benchmark::State& state) {
    ChannelQuery q;
    q.text = "^(das|zdf).* hd$";
    q.regex = true;
    q.satellite = 7;
    q.scrambled = Want::No;
    FilterRefresh(state, q);
}

void BM_RenamePreview(benchmark::State& state) {
    Full full;
    const RowIds all = FillChannels(full.db, ChannelKind::TV, ShowAll(), kModelD);
    const RenameRule rule{"^(\\w+) (\\d+) HD$", "\\1 HD \\2", true, false, CaseChange::Keep};
    for (auto _ : state)
        benchmark::DoNotOptimize(PreviewRename(full.db, all, rule, 15));
    state.counters["names"] = static_cast<double>(all.size());
}

BENCHMARK(BM_FindDuplicates)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(BM_FilterRefreshText)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();
BENCHMARK(BM_FilterRefreshExpressionAndFlags)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();
BENCHMARK(BM_RenamePreview)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

} // namespace
