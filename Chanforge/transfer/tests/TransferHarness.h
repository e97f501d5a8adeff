// End-to-end set-up: the virtual receiver on its own pseudo-terminal in a thread, the transfer
// controllers on the test's thread with an event loop, a policy and a scratch directory.
#pragma once

#include "chanforge/transfer/ReceiveTransfer.h"
#include "chanforge/transfer/SendTransfer.h"
#include "stbsim/SimLink.h"
#include "stbsim/Simulator.h"

#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace e2e {

struct Outcome {
    chanforge::transfer::CTransfer::Outcome result =
        chanforge::transfer::CTransfer::Outcome::Failed;
    QString message;
    chanforge::transfer::TransferStats stats;
    QStringList statuses;      ///< every status shown, in order
    std::vector<int> progress; ///< every progress figure shown, in order
};

/// The receiver's side, serving until the harness stops it.
class SimRun {
  public:
    explicit SimRun(const stbsim::SimOptions& options);
    ~SimRun();
    const std::string& Path() const { return link_->Path(); }
    /// Stops and joins the receiver; its sessions may be read afterwards.
    void Stop();
    /// Lets a receiver given a number of sessions end by itself (at most timeoutMs), so the
    /// last one is recorded however late its end reaches it; then stops it.
    void Finish(int timeoutMs);
    /// Closes the receiver's end of the line as an unplugged adapter would.
    void Unplug();
    const stbsim::Simulator& Simulator() const { return *simulator_; }

  private:
    std::unique_ptr<stbsim::SimLink> link_;
    std::unique_ptr<stbsim::Simulator> simulator_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> ended_{false};
    std::thread thread_;
};

class TransferTest : public ::testing::Test {
  protected:
    void SetUp() override;
    std::string Path(const std::string& name) const;

    /// Policy and receiver options of one family (ST7100 or QVR) with matching transfer parameters.
    void Use(bool st, bool bigEndian = false);

    chanforge::transfer::TransferLine Line(const std::string& port,
                                           int idleTimeoutMs = 20000) const;
    /// Starts a transfer and runs it to its end (or fails the test after a minute).
    Outcome Run(chanforge::transfer::CTransfer& transfer, const std::function<bool()>& start);
    Outcome
    Receive(const std::string& port, const std::string& target, bool sendAccessCode = true,
            chanforge::transfer::ParserFamily family = chanforge::transfer::ParserFamily::Qvr,
            int idleTimeoutMs = 20000);
    Outcome Send(const std::string& port, const std::string& file);

    QTemporaryDir dir;
    stbsim::SimOptions sim;
    chanforge::transfer::ParserFamily sendFamily = chanforge::transfer::ParserFamily::Qvr;
    std::uint32_t baud = 115200; ///< the PC's line rate, which sets its timers
};

std::string ReadAll(const std::string& path);
void WriteAll(const std::string& path, const std::string& bytes);
/// The channel file a receive of image writes (zero info block).
std::string ChannelFile(const std::string& image);

} // namespace e2e
