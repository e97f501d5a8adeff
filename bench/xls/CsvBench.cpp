// Export and import of the channel sheet as CSV: 10,000 channels each way, through the file as
// Save to file and Open go.
#include "chanforge/xls/ChannelCsv.h"

#include "ChannelSamples.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

namespace xls = chanforge::xls;

namespace {

std::string TempPath(const char* name) {
    return (std::filesystem::temp_directory_path() / name).string();
}

void BM_ExportChannelsCsv(benchmark::State& state) {
    tabstore::CQoDB db;
    xls::test::FillChannels(db, static_cast<std::uint32_t>(state.range(0)));
    const std::string path = TempPath("csv-bench-export.csv");
    for (auto _ : state)
        if (xls::ExportChannelCsv(db, path, ',') != xls::WorkbookResult::Ok)
            state.SkipWithError("export failed");
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path));
    std::filesystem::remove(path);
}
BENCHMARK(BM_ExportChannelsCsv)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(11)
    ->ReportAggregatesOnly();

void BM_ImportChannelsCsv(benchmark::State& state) {
    const std::string path = TempPath("csv-bench-import.csv");
    {
        tabstore::CQoDB source;
        xls::test::FillChannels(source, static_cast<std::uint32_t>(state.range(0)));
        if (xls::ExportChannelCsv(source, path, ',') != xls::WorkbookResult::Ok)
            state.SkipWithError("export failed");
    }
    tabstore::CQoDB db;
    for (auto _ : state)
        if (xls::ImportChannelCsv(path, db) != xls::WorkbookResult::Ok)
            state.SkipWithError("import failed");
    std::filesystem::remove(path);
}
BENCHMARK(BM_ImportChannelsCsv)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(11)
    ->ReportAggregatesOnly();

} // namespace

BENCHMARK_MAIN();
