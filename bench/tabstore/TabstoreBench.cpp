// Table store costs: filling, walking and clearing one large table; reordering channels.
#include "chanforge/ChannelOrder.h"
#include "chanforge/Records.h"
#include "chanforge/TableAccess.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>

using namespace chanforge;

namespace {

constexpr int kRows = 100000;
constexpr int kChannels = 10000;

void Fill(tabstore::CQoDB& db, int rows) {
    for (int i = 0; i < rows; ++i)
        AppendRow(db, kChannelTable, MakeRow<Channel_Info_Tag>());
}

/// Channels in shuffled number order, two thirds TV, the rest radio.
void FillChannels(tabstore::CQoDB& db) {
    std::mt19937 random(7);
    for (int i = 0; i < kChannels; ++i) {
        auto row = MakeRow<Channel_Info_Tag>();
        row->ProgramNum = static_cast<std::uint16_t>(random() % kChannels + 1);
        row->Attributes = i % 3 ? attr::kTV : attr::kRadio;
        AppendRow(db, kChannelTable, std::move(row));
    }
}

std::uint64_t Walk(tabstore::CQoDB& db) {
    std::uint64_t sum = 0;
    ForEachRow<Channel_Info_Tag>(db, kChannelTable,
                                 [&](const Channel_Info_Tag& ch) { sum += ch.RowID; });
    return sum;
}

void BM_AddWalkClear(benchmark::State& state) {
    for (auto _ : state) {
        tabstore::CQoDB db;
        Fill(db, kRows);
        benchmark::DoNotOptimize(Walk(db));
        db.ClearAll();
    }
}

void BM_WalkOnly(benchmark::State& state) {
    tabstore::CQoDB db;
    Fill(db, static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(Walk(db));
    state.SetComplexityN(state.range(0));
}

void BM_Renumber(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        tabstore::CQoDB db;
        FillChannels(db);
        state.ResumeTiming();
        RenumberChannels(db);
        state.PauseTiming();
        db.ClearAll();
        state.ResumeTiming();
    }
}

void BM_SortRenumberGroup(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        tabstore::CQoDB db;
        FillChannels(db);
        state.ResumeTiming();
        SortChannels(db);
        RenumberChannels(db);
        GroupChannels(db);
        state.PauseTiming();
        db.ClearAll();
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(BM_AddWalkClear)->Unit(benchmark::kMillisecond);
// Per-row walk cost across table sizes: the fitted complexity shows Next is not linear.
BENCHMARK(BM_WalkOnly)
    ->RangeMultiplier(10)
    ->Range(1000, 100000)
    ->Complexity()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Renumber)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortRenumberGroup)->Unit(benchmark::kMillisecond);
