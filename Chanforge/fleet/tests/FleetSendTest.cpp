// Four virtual receivers at their defaults served at once, one of them faulty: the good ones
// verify whatever the faulty one does, and the report names each unit's result.
#include "chanforge/csv/Csv.h"
#include "chanforge/fleet/FleetTexts.h"
#include "chanforge/fleet/UnitReport.h"
#include "policy/Presets.h"
#include "stbsim/SimLink.h"
#include "stbsim/Simulator.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include <atomic>
#include <fstream>
#include <functional>
#include <memory>
#include <thread>

namespace {

using chanforge::fleet::CFleet;
using chanforge::fleet::UnitResult;
using chanforge::fleet::UnitRow;

QCoreApplication& App() {
    static int argc = 1;
    static char name[] = "FleetTests";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    return app;
}

/// A receiver on its own pseudo-terminal, served in a thread until it is stopped or unplugged.
class Receiver {
  public:
    explicit Receiver(const std::vector<std::string>& faults) {
        std::vector<std::string> arguments = {"--model", "default"};
        arguments.insert(arguments.end(), faults.begin(), faults.end());
        std::string error;
        const auto options = stbsim::ParseSimOptions(arguments, &error);
        if (!options)
            throw std::runtime_error(error);
        link_ = stbsim::SimLink::Open(*options, &error);
        if (!link_)
            throw std::runtime_error(error);
        path_ = link_->Path();
        simulator_ = std::make_unique<stbsim::Simulator>(*options, *link_);
        thread_ = std::thread([this] { simulator_->Serve(stop_); });
    }
    ~Receiver() { Stop(); }
    const std::string& Path() const { return path_; }
    const std::string& Image() const { return simulator_->ServedImage(); }
    /// The receiver's end of the line closes, as when its cable is pulled.
    void Unplug() {
        Stop();
        link_.reset();
    }

  private:
    void Stop() {
        stop_ = true;
        if (thread_.joinable())
            thread_.join();
    }
    std::unique_ptr<stbsim::SimLink> link_;
    std::string path_; ///< kept once the line is unplugged
    std::unique_ptr<stbsim::Simulator> simulator_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

class FleetSendTest : public ::testing::Test {
  protected:
    void SetUp() override {
        App();
        ASSERT_TRUE(dir_.isValid());
        preset_ = policy::FindPreset("default");
        ASSERT_NE(preset_, nullptr);
        job_.layout = chanforge::codec::FlashLayout::FromPreset(*preset_);
        job_.family = chanforge::transfer::FamilyFor(preset_->Kind());
        job_.scratch = dir_.path().toStdString();
        job_.file = dir_.filePath("sent.bin").toStdString();
    }

    /// Sends the image each receiver serves (its sample database) to all of them at once;
    /// whileRunning sees every change and end of a unit.
    std::vector<UnitRow> SendToAll(const std::vector<Receiver*>& receivers,
                                   const std::function<void(CFleet&, int)>& whileRunning = {}) {
        std::ofstream(job_.file, std::ios::binary)
            << std::string("QP  \x50\0", 6) << std::string(80, '\0') << receivers[0]->Image();
        std::vector<chanforge::transfer::TransferLine> lines;
        for (const Receiver* receiver : receivers) {
            chanforge::transfer::TransferLine line;
            line.port = receiver->Path();
            line.preset = preset_;
            line.idleTimeoutMs = 10000;
            lines.push_back(line);
        }
        CFleet fleet(job_, lines);
        QEventLoop loop;
        QObject::connect(&fleet, &CFleet::allEnded, &loop, &QEventLoop::quit);
        if (whileRunning) {
            QObject::connect(&fleet, &CFleet::unitChanged, &loop,
                             [&](int index) { whileRunning(fleet, index); });
            QObject::connect(&fleet, &CFleet::unitEnded, &loop,
                             [&](int index) { whileRunning(fleet, index); });
        }
        QTimer::singleShot(120000, &loop, [&] {
            ADD_FAILURE() << "still sending after two minutes";
            fleet.Stop();
        });
        fleet.Start();
        if (fleet.IsRunning())
            loop.exec();
        return fleet.Rows();
    }

    /// Each port's row, in the order of the ports.
    static std::vector<UnitRow> ByPort(std::vector<UnitRow> rows,
                                       const std::vector<Receiver*>& receivers) {
        std::vector<UnitRow> ordered;
        for (const Receiver* receiver : receivers)
            for (const UnitRow& row : rows)
                if (row.port == receiver->Path())
                    ordered.push_back(row);
        return ordered;
    }

    QTemporaryDir dir_;
    const policy::ProductPreset* preset_ = nullptr;
    chanforge::fleet::FleetJob job_;
};

TEST_F(FleetSendTest, GoodReceiversVerifyWhateverTheFaultyOneDoes) {
    struct Fault {
        const char* name;
        std::vector<std::string> options;
        bool unplug;        ///< its cable is pulled half-way through the send
        const char* reason; ///< what its row says; null: it verifies too
    };
    const Fault faults[] = {
        {"a block damaged on the line once", {"--corrupt-block", "7"}, false, nullptr},
        {"a hang-up half-way",
         {},
         true,
         R"(^The connection to the receiver was lost after block \d+ of 384\.$)"},
        {"a damaged stored byte",
         {"--store-corrupt-block", "300"},
         false,
         R"(^The receiver holds 1 byte that differs from what was sent, in block 300$)"},
    };
    for (const Fault& fault : faults) {
        SCOPED_TRACE(fault.name);
        std::vector<std::unique_ptr<Receiver>> owned;
        std::vector<Receiver*> receivers;
        for (int i = 0; i < 4; ++i) {
            owned.push_back(
                std::make_unique<Receiver>(i == 2 ? fault.options : std::vector<std::string>{}));
            receivers.push_back(owned.back().get());
        }
        bool unplugged = false;
        const auto rows = ByPort(SendToAll(receivers,
                                           [&](CFleet& fleet, int index) {
                                               if (fault.unplug && index == 2 && !unplugged &&
                                                   fleet.Unit(2).BlocksDone() > 100) {
                                                   unplugged = true;
                                                   receivers[2]->Unplug();
                                               }
                                           }),
                                 receivers);
        ASSERT_EQ(rows.size(), 4u);
        for (int i = 0; i < 4; ++i) {
            const UnitRow& row = rows[static_cast<std::size_t>(i)];
            if (i != 2 || fault.reason == nullptr) {
                EXPECT_EQ(row.result, UnitResult::Verified)
                    << i << ": " << row.reason.toStdString();
                EXPECT_EQ(row.blocks, 384) << i;
                continue;
            }
            EXPECT_EQ(row.result, UnitResult::Failed);
            EXPECT_TRUE(QRegularExpression(fault.reason).match(row.reason).hasMatch())
                << row.reason.toStdString();
        }
        // The report holds one record per unit with its port and result.
        const auto table = chanforge::csv::Read(chanforge::fleet::ReportCsv(rows), ',');
        ASSERT_EQ(table.records.size(), 5u);
        EXPECT_EQ(table.records[3].fields[1], receivers[2]->Path());
        EXPECT_EQ(table.records[3].fields[5], fault.reason ? "failed" : "verified");
        EXPECT_EQ(table.records[3].fields[6], rows[2].reason.toStdString());
    }
}

TEST_F(FleetSendTest, RepeatServesTheNextReceiverAndStopLeavesNoRowForOneNotYetThere) {
    // Two turns, then a receiver that never answers: the port waits for it until stopped.
    Receiver receiver({"--sessions", "4", "--blocks", "40"});
    CFleet* running = nullptr;
    const auto rows = SendToAll({&receiver}, [&](CFleet& fleet, int) {
        running = &fleet;
        fleet.Unit(0).SetRepeat(true);
        if (fleet.Rows().size() == 2 &&
            fleet.Unit(0).State() == chanforge::fleet::UnitState::Waiting)
            QTimer::singleShot(1500, &fleet, [&fleet] { fleet.Stop(); });
    });
    ASSERT_NE(running, nullptr);
    ASSERT_EQ(rows.size(), 2u);
    for (const UnitRow& row : rows)
        EXPECT_EQ(row.result, UnitResult::Verified) << row.reason.toStdString();
    // Both turns go to the backup folder's log, which keeps what was there.
    const std::string folder = dir_.filePath("backups").toStdString();
    ASSERT_TRUE(chanforge::fleet::AppendToLog(folder, rows).ok());
    ASSERT_TRUE(chanforge::fleet::AppendToLog(folder, {rows.begin(), 1}).ok());
    std::ifstream log(folder + "/" + chanforge::fleet::kLogName);
    const std::string text{std::istreambuf_iterator<char>(log), {}};
    EXPECT_EQ(chanforge::csv::Read(text, ',').records.size(), 4u) << text;
}

} // namespace
