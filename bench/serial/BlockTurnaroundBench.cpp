// A whole receive over a pseudo-terminal against a scripted receiver, which times each block
// from its last byte written to the PC's acknowledgement read back.
#include "chanforge/transfer/ReceiveTransfer.h"
#include "policy/Policy.h"
#include "stbsim/SimLink.h"
#include "stbsim/Simulator.h"
#include "utils/Registry.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

/// The receiver's side of a QVR receive; returns the turnaround of every block in microseconds.
std::vector<double> PlayReceiver(stbsim::SimLink& link, const std::string& image) {
    std::vector<double> turnarounds;
    const int blocks = static_cast<int>(image.size() / 1024);
    const auto expect = [&](const char* word) {
        while (const auto line = link.ReadLine(5000))
            if (line->rfind(word, 0) == 0)
                return true;
        return false;
    };
    if (!link.WaitFor("37604925", 5000))
        return turnarounds;
    link.Write("PROMPT>\r");
    if (!expect("CHHOST"))
        return turnarounds;
    link.Write("\xAA"
               "0000\x22\r\n");
    if (!expect("REQUEST_VERSION:"))
        return turnarounds;
    link.Write("REQUEST_VERSION:1,2,3,4,5,6,7,8,9,10,BENCH,12,13,14,15,16,17\r\n");
    if (!expect("REQUEST_START_BLOCK"))
        return turnarounds;
    link.Write("q3648r");
    if (!expect("REQUEST_BLOCK"))
        return turnarounds;
    char mark[8];
    std::snprintf(mark, sizeof mark, "a%04db", blocks);
    link.Write(mark);
    for (int k = 0; k < blocks; ++k) {
        if (!expect("REQUEST_1024DOWN:"))
            return turnarounds;
        std::string block = image.substr(static_cast<std::size_t>(k) * 1024, 1024);
        unsigned sum = 0;
        for (char byte : block)
            sum += static_cast<unsigned char>(byte);
        block += static_cast<char>(sum & 0xFF);
        block += static_cast<char>((sum >> 8) & 0xFF);
        link.Write(block);
        const auto sent = Clock::now();
        // The acknowledgement of the block, or the end of the receive after the last one.
        if (!link.ReadLine(5000))
            return turnarounds;
        turnarounds.push_back(
            std::chrono::duration<double, std::micro>(Clock::now() - sent).count());
    }
    return turnarounds;
}

void BM_Receive384Blocks(benchmark::State& state) {
    static int argc = 1;
    static char name[] = "serial_bench";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    utils::SetSettingsPath(dir.filePath("settings.ini").toStdString());
    SetBufChecksumSize(2);
    SetBufMaxSize(1024);
    const std::string image = stbsim::GenerateImage(static_cast<int>(state.range(0)), 7);
    std::vector<double> all;
    for (auto _ : state) {
        std::string error;
        stbsim::SimOptions options;
        auto link = stbsim::SimLink::Open(options, &error);
        if (!link) {
            state.SkipWithError(error.c_str());
            return;
        }
        std::vector<double> turnarounds;
        std::thread receiver([&] { turnarounds = PlayReceiver(*link, image); });
        chanforge::transfer::CReceiveTransfer transfer;
        QEventLoop loop;
        bool ok = false;
        QObject::connect(&transfer, &chanforge::transfer::CTransfer::finished, &loop,
                         [&](chanforge::transfer::CTransfer::Outcome outcome, const QString&) {
                             ok = outcome == chanforge::transfer::CTransfer::Outcome::Succeeded;
                             loop.quit();
                         });
        chanforge::transfer::TransferLine line;
        line.port = link->Path();
        line.idleTimeoutMs = 10000;
        if (transfer.Start({line, dir.filePath("received.bin").toStdString(), true}))
            loop.exec();
        receiver.join();
        if (!ok) {
            state.SkipWithError("receive failed");
            return;
        }
        all.insert(all.end(), turnarounds.begin(), turnarounds.end());
    }
    std::sort(all.begin(), all.end());
    if (all.empty())
        return;
    state.counters["turnaround_median_us"] = all[all.size() / 2];
    state.counters["turnaround_p99_us"] = all[all.size() * 99 / 100];
    state.counters["blocks"] = static_cast<double>(state.range(0));
}

} // namespace

BENCHMARK(BM_Receive384Blocks)
    ->Arg(384)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(5);
BENCHMARK_MAIN();
