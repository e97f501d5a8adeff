// Editing commands on large channel tables, each timed as the one undo step the window makes
// of it: delete every TV channel, undo that, paste 2,500 copies, move 1,000 channels to the top,
// renumber a shuffled table. Run at 1,000 to 7,280 channels (a full model-D list) to see the
// cost grow no faster than the table.
#include "chanforge/ChannelOrder.h"
#include "chanforge/Records.h"
#include "chanforge/TableAccess.h"
#include "chanforge/editing/ChannelClipboard.h"
#include "chanforge/editing/ChannelMove.h"
#include "chanforge/editing/UndoStack.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <random>

namespace {

using namespace chanforge;
using namespace chanforge::editing;

constexpr TableMask kChannels = TableBit(kChannelTable);
constexpr Product kModelD{7, 1};

/// n channels, four TV to one radio, numbered per kind, grouped TV first, as a loaded list is.
void Fill(tabstore::CQoDB& db, int n) {
    std::uint16_t tv = 0, radio = 0;
    for (int i = 0; i < n; ++i) {
        auto ch = ZeroRecord<Channel_Info_Tag>();
        const bool isTv = i % 5 != 0;
        ch.ProgramNum = ch.ShowNum = isTv ? ++tv : ++radio;
        ch.Attributes = isTv ? attr::kTV : attr::kRadio;
        ch.SatID = static_cast<std::uint8_t>(1 + i % 60);
        ch.TPID = static_cast<std::uint8_t>(1 + i % 200);
        ch.ServiceID = static_cast<std::uint16_t>(i);
        std::snprintf(ch.Name, sizeof ch.Name, "Channel %d", i);
        AppendCopy(db, kChannelTable, ch);
    }
    GroupChannels(db);
}

RowIds Keys(tabstore::CQoDB& db, bool tv, std::size_t limit) {
    RowIds keys;
    ForEachRow<Channel_Info_Tag>(db, kChannelTable, [&](const Channel_Info_Tag& ch) {
        if (IsTV(ch) == tv && keys.size() < limit)
            keys.push_back(ch.RowID);
    });
    return keys;
}

/// Times fn as one undo step on a freshly filled table; prepare runs untimed before it.
template <class Prepare, class Fn> void Step(benchmark::State& state, Prepare&& prepare, Fn&& fn) {
    const int n = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        tabstore::CQoDB db;
        Fill(db, n);
        CUndoStack undo;
        prepare(db, undo);
        state.ResumeTiming();
        undo.Record(db, kChannels, "step", [&] { fn(db, undo); });
    }
    state.SetComplexityN(n);
}

void BM_DeleteAllTV(benchmark::State& state) {
    Step(
        state, [](auto&, auto&) {},
        [](tabstore::CQoDB& db, CUndoStack&) { DeleteChannels(db, Keys(db, true, SIZE_MAX)); });
}

void BM_UndoDeleteAllTV(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        tabstore::CQoDB db;
        Fill(db, n);
        CUndoStack undo;
        undo.Record(db, kChannels, "Delete", [&] { DeleteChannels(db, Keys(db, true, SIZE_MAX)); });
        state.ResumeTiming();
        undo.Undo(db);
    }
    state.SetComplexityN(n);
}

void BM_Paste2500(benchmark::State& state) {
    ChannelClipboard clipboard;
    Step(
        state,
        [&](tabstore::CQoDB& db, CUndoStack&) {
            CopyChannels(clipboard, Keys(db, true, 2500), ChannelKind::TV);
        },
        [&](tabstore::CQoDB& db, CUndoStack&) {
            benchmark::DoNotOptimize(
                PasteChannels(db, clipboard, ChannelKind::TV, ShowAll(), kModelD));
        });
}

void BM_Move1000ToTop(benchmark::State& state) {
    RowIds moved;
    std::uint32_t top = 0;
    Step(
        state,
        [&](tabstore::CQoDB& db, CUndoStack&) {
            const RowIds tv = Keys(db, true, SIZE_MAX);
            top = tv.front();
            moved.assign(tv.end() -
                             std::min<std::ptrdiff_t>(1000, static_cast<std::ptrdiff_t>(tv.size())),
                         tv.end());
        },
        [&](tabstore::CQoDB& db, CUndoStack&) {
            MoveChannels(db, moved, top, ChannelKind::TV, kModelD);
        });
}

void BM_RenumberAfterSort(benchmark::State& state) {
    Step(
        state,
        [](tabstore::CQoDB& db, CUndoStack&) {
            std::mt19937 random(7);
            ForEachRow<Channel_Info_Tag>(db, kChannelTable, [&](Channel_Info_Tag& ch) {
                ch.ProgramNum = static_cast<std::uint16_t>(1 + random() % 20000);
            });
        },
        [](tabstore::CQoDB& db, CUndoStack&) { RenumberChannels(db); });
}

#define EDITING_SIZES                                                                              \
    ->Arg(1000)->Arg(2000)->Arg(4000)->Arg(7280)->Unit(benchmark::kMillisecond)->Complexity()

BENCHMARK(BM_DeleteAllTV) EDITING_SIZES;
BENCHMARK(BM_UndoDeleteAllTV) EDITING_SIZES;
BENCHMARK(BM_Paste2500) EDITING_SIZES;
BENCHMARK(BM_Move1000ToTop) EDITING_SIZES;
BENCHMARK(BM_RenumberAfterSort) EDITING_SIZES;

} // namespace
