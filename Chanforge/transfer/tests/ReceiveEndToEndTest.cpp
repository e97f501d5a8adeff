#include "TransferHarness.h"

#include "chanforge/transfer/TransferTexts.h"
#include "policy/Policy.h"

#include <QFile>
#include <QRegularExpression>
#include <QTimer>

#include <functional>

namespace e2e {
namespace {

using Outcome_ = chanforge::transfer::CTransfer::Outcome;

struct Fault {
    const char* name;
    std::function<void(stbsim::SimOptions&)> apply;
};

void PrintTo(const Fault& fault, std::ostream* out) {
    *out << fault.name;
}

const Fault kFaults[] = {
    {"Clean", [](stbsim::SimOptions&) {}},
    {"SmallRandomChunks", [](stbsim::SimOptions& o) { o.chunkMax = 7; }},
    {"GarbageBetweenBlocks", [](stbsim::SimOptions& o) { o.garbageEvery = 2; }},
    {"EmulatedBaud115200", [](stbsim::SimOptions& o) { o.baud = 115200; }},
    {"EverythingAtOnce",
     [](stbsim::SimOptions& o) {
         o.chunkMax = 5;
         o.corruptBlock = 1;
         o.garbageEvery = 3;
         o.eol = "\r";
     }},
};

class QvrReceive : public TransferTest, public ::testing::WithParamInterface<Fault> {};

TEST_P(QvrReceive, ReceivedFileIsByteIdenticalToTheServedImage) {
    GetParam().apply(sim);
    SimRun receiver(sim);
    const std::string target = Path("received.bin");
    const Outcome outcome = Receive(receiver.Path(), target);
    ASSERT_EQ(outcome.result, Outcome_::Succeeded) << outcome.message.toStdString();
    EXPECT_EQ(outcome.message, chanforge::transfer::texts::kReceivedAll);
    EXPECT_EQ(ReadAll(target), ChannelFile(receiver.Simulator().ServedImage()));
    EXPECT_EQ(outcome.stats.blocksDone, 6);
    EXPECT_EQ(GetFlashRequestBlock(), 6); // the controller stores what the receiver announced
}

INSTANTIATE_TEST_SUITE_P(Faults, QvrReceive, ::testing::ValuesIn(kFaults),
                         [](const auto& info) { return std::string(info.param.name); });

class ReceiveTest : public TransferTest {};

TEST_F(ReceiveTest, ExtendedDialogWaitsForTheReceiverToBegin) {
    sim.offer = stbsim::Offer::Prompt;
    SimRun receiver(sim);
    const Outcome outcome = Receive(receiver.Path(), Path("waited.bin"), false);
    ASSERT_EQ(outcome.result, Outcome_::Succeeded) << outcome.message.toStdString();
    EXPECT_EQ(ReadAll(Path("waited.bin")), ChannelFile(receiver.Simulator().ServedImage()));
}

TEST_F(ReceiveTest, St7100ReceiveConversationCarriesTheConversionHeader) {
    Use(true);
    sim.offer = stbsim::Offer::Knock;
    sim.chunkMax = 9;
    SimRun receiver(sim);
    const std::string target = Path("st.bin");
    const Outcome outcome =
        Receive(receiver.Path(), target, false, chanforge::transfer::ParserFamily::St);
    ASSERT_EQ(outcome.result, Outcome_::Succeeded) << outcome.message.toStdString();
    const std::string file = ReadAll(target);
    ASSERT_EQ(file.size(), 86u + 6 * 1024);
    EXPECT_EQ(file.substr(86), receiver.Simulator().ServedImage());
    EXPECT_EQ(file.substr(22, 4), "RIXA");
    // Three-character version fields make the header longer than its room: it is cut there.
    EXPECT_EQ(file.substr(26, 6), "S10S20");
    EXPECT_EQ(file.substr(59, 10), "0000007744");
}

TEST_F(ReceiveTest, CancelledReceiveLeavesNoFileAndTellsTheReceiver) {
    sim.flashBlocks = 60;
    sim.baud = 57600;
    SimRun receiver(sim);
    const std::string target = Path("cancelled.bin");
    chanforge::transfer::CReceiveTransfer transfer;
    QObject::connect(&transfer, &chanforge::transfer::CTransfer::progressChanged, &transfer,
                     [&](int hundredths) {
                         if (hundredths > 1500)
                             QTimer::singleShot(0, &transfer, [&] { transfer.Cancel(); });
                     });
    const Outcome outcome = Run(transfer, [&] {
        return transfer.Start({Line(receiver.Path()), target, true});
    });
    EXPECT_EQ(outcome.result, Outcome_::Cancelled);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(target)));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{});
    receiver.Stop();
    ASSERT_EQ(receiver.Simulator().Sessions().size(), 1u);
    EXPECT_EQ(receiver.Simulator().Sessions()[0].note, "the PC cancelled");
}

TEST_F(ReceiveTest, FailedReceiveKeepsThePreviousTarget) {
    sim.flashBlocks = 60;
    sim.baud = 57600;
    auto receiver = std::make_unique<SimRun>(sim);
    const std::string target = Path("kept.bin");
    WriteAll(target, "previous database");
    chanforge::transfer::CReceiveTransfer transfer;
    QObject::connect(&transfer, &chanforge::transfer::CTransfer::progressChanged, &transfer,
                     [&](int hundredths) {
                         if (hundredths > 1500 && receiver)
                             QTimer::singleShot(0, &transfer, [&] { receiver->Unplug(); });
                     });
    const Outcome outcome = Run(transfer, [&] {
        return transfer.Start({Line(receiver->Path()), target, true});
    });
    EXPECT_EQ(outcome.result, Outcome_::Failed);
    // How far it got, in the operator's words, and the bar left there.
    EXPECT_TRUE(QRegularExpression(
                    R"(^The connection to the receiver was lost after block [1-9]\d* of 60\.$)")
                    .match(outcome.message)
                    .hasMatch())
        << outcome.message.toStdString();
    ASSERT_FALSE(outcome.progress.empty());
    EXPECT_GT(outcome.progress.back(), 1500);
    EXPECT_EQ(ReadAll(target), "previous database");
}

TEST_F(ReceiveTest, SilentReceiverFailsAfterTheIdleTimeout) {
    sim.silentBlock = 0;
    sim.silentMs = 20000;
    SimRun receiver(sim);
    const Outcome outcome = Receive(receiver.Path(), Path("silent.bin"), true,
                                    chanforge::transfer::ParserFamily::Qvr, 2000);
    EXPECT_EQ(outcome.result, Outcome_::Failed);
    EXPECT_EQ(outcome.message, "No reply from the receiver for 2 seconds");
    EXPECT_FALSE(QFile::exists(QString::fromStdString(Path("silent.bin"))));
}

TEST_F(ReceiveTest, TargetThatCannotBeWrittenIsReported) {
    SimRun receiver(sim);
    const Outcome outcome = Receive(receiver.Path(), Path("no/such/dir/out.bin"));
    EXPECT_EQ(outcome.result, Outcome_::Failed);
    EXPECT_EQ(outcome.message, chanforge::transfer::texts::kCannotInitialize);
}

} // namespace
} // namespace e2e
