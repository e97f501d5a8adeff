// Export and import of the sheet "Channel": 10,000 channels each way, and one export of the
// most channels a sheet holds with its time and peak memory (run with --max-export).
#include "chanforge/xls/ChannelWorkbook.h"

#include "ChannelSamples.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <sys/resource.h>

namespace xls = chanforge::xls;

namespace {

std::string TempPath(const char* name) {
    return (std::filesystem::temp_directory_path() / name).string();
}

void BM_ExportChannels(benchmark::State& state) {
    tabstore::CQoDB db;
    xls::test::FillChannels(db, static_cast<std::uint32_t>(state.range(0)));
    const std::string path = TempPath("xls-bench-export.xls");
    for (auto _ : state) {
        state.PauseTiming();
        std::filesystem::remove(path); // a fresh workbook each time, as for a new file
        state.ResumeTiming();
        if (xls::ExportChannelWorkbook(db, path) != xls::WorkbookResult::Ok)
            state.SkipWithError("export failed");
    }
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path));
    std::filesystem::remove(path);
}
BENCHMARK(BM_ExportChannels)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(11)
    ->ReportAggregatesOnly();

void BM_ImportChannels(benchmark::State& state) {
    const std::string path = TempPath("xls-bench-import.xls");
    {
        tabstore::CQoDB source;
        xls::test::FillChannels(source, static_cast<std::uint32_t>(state.range(0)));
        std::filesystem::remove(path);
        if (xls::ExportChannelWorkbook(source, path) != xls::WorkbookResult::Ok)
            state.SkipWithError("export failed");
    }
    tabstore::CQoDB db;
    for (auto _ : state) {
        if (xls::ImportChannelWorkbook(path, db) != xls::WorkbookResult::Ok)
            state.SkipWithError("import failed");
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_ImportChannels)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(11)
    ->ReportAggregatesOnly();

long PeakKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

/// One export of a full sheet: wall time and the peak memory it added to the filled store.
int MaxExport() {
    tabstore::CQoDB db;
    xls::test::FillChannels(db, xls::kMaxWorkbookChannels);
    const long before = PeakKiB();
    const std::string path = TempPath("xls-bench-max.xls");
    std::filesystem::remove(path);
    const auto start = std::chrono::steady_clock::now();
    const xls::WorkbookResult r = xls::ExportChannelWorkbook(db, path);
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    std::printf("export of %u channels: %s, %.0f ms, file %.1f MiB, peak memory %.1f MiB (store "
                "and program %.1f MiB before)\n",
                xls::kMaxWorkbookChannels, r == xls::WorkbookResult::Ok ? "ok" : "FAILED", ms,
                static_cast<double>(std::filesystem::file_size(path)) / (1 << 20),
                PeakKiB() / 1024.0, before / 1024.0);
    std::filesystem::remove(path);
    return r == xls::WorkbookResult::Ok ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--max-export") == 0)
        return MaxExport();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
