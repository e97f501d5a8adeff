// Receivers that misbehave without end, and slow lines: every transfer ends, and says why (a
// block that never arrives whole: FaultPositionTest's GivingUp).
#include "TransferHarness.h"

#include "chanforge/transfer/TransferTexts.h"

#include <functional>

namespace e2e {
namespace {

using Outcome_ = chanforge::transfer::CTransfer::Outcome;

struct Misbehaviour {
    const char* name;
    std::function<void(stbsim::SimOptions&)> apply;
    int idleTimeoutMs;
    const char* messageStart;
};

void PrintTo(const Misbehaviour& m, std::ostream* out) {
    *out << m.name;
}

const Misbehaviour kReceiveFaults[] = {
    {"NoiseFlood", [](stbsim::SimOptions& o) { o.noiseFlood = true; }, 2000,
     "No progress for 2 seconds"},
    // The PC expects two checksum bytes after every block.
    {"OneByteChecksums", [](stbsim::SimOptions& o) { o.checksumSize = 1; }, 2000,
     "No progress for 2 seconds"},
    {"AnnouncesNoBlocks", [](stbsim::SimOptions& o) { o.announceBlocks = 0; }, 30000,
     "The receiver announced no data"},
    {"AnnouncesMoreThanItSends", [](stbsim::SimOptions& o) { o.announceBlocks = 9999; }, 2000,
     "No reply from the receiver for 2 seconds"},
};

class MisbehavingReceiver : public TransferTest,
                            public ::testing::WithParamInterface<Misbehaviour> {};

TEST_P(MisbehavingReceiver, ReceiveFailsWithItsReasonAndKeepsTheTarget) {
    GetParam().apply(sim);
    SimRun receiver(sim);
    const std::string target = Path("kept.bin");
    WriteAll(target, "previous database");
    const Outcome outcome =
        Receive(receiver.Path(), target, true, chanforge::transfer::ParserFamily::Qvr,
                GetParam().idleTimeoutMs);
    EXPECT_EQ(outcome.result, Outcome_::Failed);
    EXPECT_TRUE(outcome.message.startsWith(GetParam().messageStart))
        << outcome.message.toStdString();
    EXPECT_EQ(ReadAll(target), "previous database");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"kept.bin"});
}

INSTANTIATE_TEST_SUITE_P(Faults, MisbehavingReceiver, ::testing::ValuesIn(kReceiveFaults),
                         [](const auto& info) { return std::string(info.param.name); });

class SlowLine : public TransferTest {};

TEST_F(SlowLine, SendAndReceiveSucceedAt9600Baud) {
    baud = 9600;
    sim.baud = 9600;
    sim.flashBlocks = 2;
    sim.storeFile = Path("flash.bin");
    SimRun receiver(sim);
    const Outcome received = Receive(receiver.Path(), Path("in.bin"));
    ASSERT_EQ(received.result, Outcome_::Succeeded) << received.message.toStdString();
    const Outcome sent = Send(receiver.Path(), Path("in.bin"));
    ASSERT_EQ(sent.result, Outcome_::Succeeded) << sent.message.toStdString();
    EXPECT_EQ(ReadAll(sim.storeFile), ReadAll(Path("in.bin")));
}

} // namespace
} // namespace e2e
