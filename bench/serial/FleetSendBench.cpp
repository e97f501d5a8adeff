// One list to several virtual receivers at once against the same list to one, at 115,200 baud
// paced on the receivers' side: the send and the verifying read-back of each unit. The ports run
// side by side in one event loop, so four should take about as long as one.
#include "chanforge/fleet/FleetSend.h"
#include "policy/Presets.h"
#include "stbsim/SimLink.h"
#include "stbsim/Simulator.h"
#include "utils/Registry.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <atomic>
#include <memory>
#include <thread>

namespace {

/// A receiver of model A at 115,200 baud whose flash holds just its sample, served in a thread.
class Receiver {
  public:
    Receiver() {
        std::string error;
        const auto options =
            stbsim::ParseSimOptions({"--model", "A", "--baud", "115200", "--blocks", "1"}, &error);
        link_ = stbsim::SimLink::Open(*options, &error);
        simulator_ = std::make_unique<stbsim::Simulator>(*options, *link_);
        thread_ = std::thread([this] { simulator_->Serve(stop_); });
    }
    ~Receiver() {
        stop_ = true;
        thread_.join();
    }
    const std::string& Path() const { return link_->Path(); }

  private:
    std::unique_ptr<stbsim::SimLink> link_;
    std::unique_ptr<stbsim::Simulator> simulator_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

void BM_SendAndVerify(benchmark::State& state) {
    static int argc = 1;
    static char name[] = "fleet_bench";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    utils::SetSettingsPath(dir.filePath("settings.ini").toStdString());
    const policy::ProductPreset& preset = *policy::FindPreset("A");
    chanforge::fleet::FleetJob job;
    job.file = CHANFORGE_SAMPLES "/model-A.bin";
    job.layout = chanforge::codec::FlashLayout::FromPreset(preset);
    job.family = chanforge::transfer::FamilyFor(preset.Kind());
    job.scratch = dir.path().toStdString();
    const auto units = static_cast<std::size_t>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<std::unique_ptr<Receiver>> receivers;
        std::vector<chanforge::transfer::TransferLine> lines;
        for (std::size_t i = 0; i < units; ++i) {
            receivers.push_back(std::make_unique<Receiver>());
            chanforge::transfer::TransferLine line;
            line.port = receivers.back()->Path();
            line.preset = &preset;
            line.idleTimeoutMs = 10000;
            lines.push_back(line);
        }
        chanforge::fleet::CFleet fleet(job, lines);
        QEventLoop loop;
        QObject::connect(&fleet, &chanforge::fleet::CFleet::allEnded, &loop, &QEventLoop::quit);
        state.ResumeTiming();
        fleet.Start();
        if (fleet.IsRunning())
            loop.exec();
        state.PauseTiming();
        for (const chanforge::fleet::UnitRow& row : fleet.Rows())
            if (!chanforge::fleet::Succeeded(row, true))
                state.SkipWithError(row.reason.toStdString().c_str());
        state.counters["blocks"] = fleet.Rows().empty() ? 0 : fleet.Rows().front().blocks;
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(BM_SendAndVerify)
    ->ArgName("units")
    ->Arg(1)
    ->Arg(4)
    ->Unit(benchmark::kSecond)
    ->UseRealTime()
    ->Iterations(1)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);
BENCHMARK_MAIN();
