// A full model-D database (5,460 TV and 1,820 radio channels, the 7,280 its channel block
// holds) as the printed list: built, painted into a PDF in one and three columns a page, and
// written as CSV and HTML. Counters give the pages and bytes of each file.
#include "SampleData.h"

#include "chanforge/listprint/ListFiles.h"
#include "policy/Presets.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdlib>

#include <benchmark/benchmark.h>

namespace {

using namespace chanforge;
using listprint::ListColumn;
using listprint::ListFormat;

constexpr int kTvChannels = 5460; // and a third as many radio channels: 7,280 in all

document::Document& FullDatabase() {
    static document::Document doc;
    static const bool filled = [] {
        testkit::Populate(doc, policy::FindPreset("D")->Kind(), kTvChannels);
        return true;
    }();
    (void)filled;
    return doc;
}

listprint::ChannelList CardList(std::vector<ListColumn> columns) {
    return listprint::BuildChannelList(
        FullDatabase().Store(), policy::FindPreset("D")->Kind(), editing::ShowAll(),
        {std::move(columns), listprint::ListSort::Number, listprint::ListKinds::Both, 1},
        listprint::HeadingForToday(QStringLiteral("Model D Satellite 1Tuner"),
                                   QStringLiteral("full.bin")));
}

const std::vector<ListColumn> kWide = {ListColumn::Number, ListColumn::Name, ListColumn::Delivery,
                                       ListColumn::Provider, ListColumn::Favorites};
const std::vector<ListColumn> kCard = {ListColumn::Number, ListColumn::Name};

void BM_BuildList(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(CardList(kWide));
    state.counters["channels"] = static_cast<double>(CardList(kWide).ChannelCount());
}
BENCHMARK(BM_BuildList)->Unit(benchmark::kMillisecond);

/// From the store to the PDF's bytes, as Export PDF does.
void Write(benchmark::State& state, const std::vector<ListColumn>& columns, ListFormat format,
           int pageColumns) {
    int pages = 0;
    qsizetype bytes = 0;
    for (auto _ : state) {
        const QByteArray written =
            listprint::ListBytes(CardList(columns), format, pageColumns, &pages);
        bytes = written.size();
        benchmark::DoNotOptimize(written.constData());
    }
    state.counters["pages"] = pages;
    state.counters["bytes"] = static_cast<double>(bytes);
}

BENCHMARK_CAPTURE(Write, pdf_wide_1_column, kWide, ListFormat::Pdf, 1)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(Write, pdf_card_3_columns, kCard, ListFormat::Pdf, 3)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(Write, csv_wide, kWide, ListFormat::Csv, 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Write, html_wide, kWide, ListFormat::Html, 1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    const QString settings = QDir::temp().filePath(QStringLiteral("chanforge-listprint-bench.ini"));
    setenv("CHANFORGE_SETTINGS", settings.toLocal8Bit().constData(), 1);
    // Painting text needs the fonts of a platform, and no screen.
    int qtArgc = 3;
    char name[] = "listprint_bench";
    char option[] = "-platform";
    char platform[] = "offscreen";
    char* qtArgv[] = {name, option, platform, nullptr};
    QGuiApplication app(qtArgc, qtArgv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    QFile::remove(settings);
    return 0;
}
