// Line faults wherever they strike (first, middle and last block), for both receiver families
// and both directions; what crossed the line is counted where it arrived, not read back from
// what the PC says it did.
#include "TransferHarness.h"

#include "chanforge/transfer/TransferTexts.h"

#include <string>
#include <vector>

namespace e2e {
namespace {

using Outcome_ = chanforge::transfer::CTransfer::Outcome;
constexpr int kBlocks = 6; // the harness's receiver serves six blocks of noise

struct Strike {
    bool st;
    bool send;
    bool silent; ///< the receiver falls silent at the block; otherwise its checksum is wrong once
    int block;
};

std::string Name(const Strike& s) {
    return std::string(s.st ? "St7100" : "Qvr") + (s.send ? "Send" : "Receive") +
           (s.silent ? "SilentAtBlock" : "CorruptAtBlock") + std::to_string(s.block);
}

void PrintTo(const Strike& s, std::ostream* out) {
    *out << Name(s);
}

std::vector<Strike> Strikes() {
    std::vector<Strike> strikes;
    for (bool st : {false, true})
        for (bool send : {false, true})
            for (bool silent : {false, true})
                for (int block : {0, kBlocks / 2, kBlocks - 1})
                    strikes.push_back({st, send, silent, block});
    return strikes;
}

class FaultPosition : public TransferTest, public ::testing::WithParamInterface<Strike> {
  protected:
    void SetUp() override {
        TransferTest::SetUp();
        const Strike& s = GetParam();
        Use(s.st);
        if (s.silent) {
            sim.silentBlock = s.block;
            sim.silentMs = 1600;
        } else {
            sim.corruptBlock = s.block;
        }
    }

    /// The image the receiver ends up with (send) or the PC received (receive), without header.
    std::string Transfer(SimRun& receiver, Outcome& outcome) {
        if (GetParam().send) {
            WriteAll(Path("work.bin"), ChannelFile(sent));
            outcome = Send(receiver.Path(), Path("work.bin"));
            receiver.Stop();
            return ReadAll(sim.storeFile).substr(86);
        }
        outcome = GetParam().st ? Receive(receiver.Path(), Path("in.bin"), false,
                                          chanforge::transfer::ParserFamily::St)
                                : Receive(receiver.Path(), Path("in.bin"));
        receiver.Stop();
        return ReadAll(Path("in.bin")).substr(86);
    }

    const std::string sent = stbsim::GenerateImage(kBlocks, 7);
};

TEST_P(FaultPosition, EveryBlockArrivesOnceInPlaceAndOnlyTheStruckOneAgain) {
    const Strike& s = GetParam();
    sim.storeFile = Path("flash.bin");
    if (s.st && !s.send)
        sim.offer = stbsim::Offer::Knock; // the ST7100 receiver begins a receive itself
    SimRun receiver(sim);
    Outcome outcome;
    const std::string image = Transfer(receiver, outcome);
    ASSERT_EQ(outcome.result, Outcome_::Succeeded) << outcome.message.toStdString();
    EXPECT_EQ(image, s.send ? sent : receiver.Simulator().ServedImage());
    if (s.silent)
        return; // what a deaf receiver missed is not a count of the line
    for (int k = 0; k < kBlocks; ++k)
        EXPECT_EQ(receiver.Simulator().BlockCrossings(k), k == s.block ? 2 : 1) << "block " << k;
}

INSTANTIATE_TEST_SUITE_P(Everywhere, FaultPosition, ::testing::ValuesIn(Strikes()),
                         [](const auto& info) { return Name(info.param); });

struct LateCopy {
    bool st;
    int block;
};

std::vector<LateCopy> LateCopies() {
    std::vector<LateCopy> copies;
    for (bool st : {false, true})
        for (int block : {0, kBlocks / 2, kBlocks - 1})
            copies.push_back({st, block});
    return copies;
}

class BlockSentTwice : public TransferTest, public ::testing::WithParamInterface<LateCopy> {};

// A receiver that sends a block again unasked, 0.3 s late: the copy passes for the next block,
// and only the count of answers tells it.
TEST_P(BlockSentTwice, IsRefusedAndTheTargetKept) {
    const LateCopy& c = GetParam();
    Use(c.st);
    sim.repeatBlock = c.block;
    sim.repeatDelayMs = 300;
    sim.offer = c.st ? stbsim::Offer::Knock : stbsim::Offer::None;
    sim.sessions = 1;
    const std::string target = Path("kept.bin");
    WriteAll(target, "previous database");
    SimRun receiver(sim);
    const Outcome outcome = Receive(receiver.Path(), target, !c.st,
                                    c.st ? chanforge::transfer::ParserFamily::St
                                         : chanforge::transfer::ParserFamily::Qvr);
    receiver.Finish(10000); // the PC's cancel may reach it after the receive has ended here
    EXPECT_EQ(outcome.result, Outcome_::Failed);
    EXPECT_TRUE(outcome.message.contains("not asked for")) << outcome.message.toStdString();
    EXPECT_FALSE(outcome.statuses.contains(chanforge::transfer::texts::kReceivedAll));
    EXPECT_TRUE(ReadAll(target) == "previous database");
    EXPECT_EQ(receiver.Simulator().BlockCrossings(c.block), 2);
    ASSERT_FALSE(receiver.Simulator().Sessions().empty());
    EXPECT_EQ(receiver.Simulator().Sessions()[0].note, "the PC cancelled");
}

INSTANTIATE_TEST_SUITE_P(FirstMiddleLast, BlockSentTwice, ::testing::ValuesIn(LateCopies()),
                         [](const auto& info) {
                             return std::string(info.param.st ? "St7100" : "Qvr") + "Block" +
                                    std::to_string(info.param.block);
                         });

class GivingUp : public TransferTest, public ::testing::WithParamInterface<bool> {};

// Ten attempts, counted by the receiver: the message says so from the same constant.
TEST_P(GivingUp, ABlockThatNeverArrivesWholeIsTriedTenTimesEachWay) {
    Use(GetParam());
    sim.alwaysBadChecksum = true;
    sim.offer = GetParam() ? stbsim::Offer::Knock : stbsim::Offer::None;
    {
        SimRun receiver(sim);
        const Outcome received = Receive(receiver.Path(), Path("in.bin"), !GetParam(),
                                         GetParam() ? chanforge::transfer::ParserFamily::St
                                                    : chanforge::transfer::ParserFamily::Qvr,
                                         30000);
        receiver.Stop();
        EXPECT_EQ(received.result, Outcome_::Failed);
        EXPECT_EQ(received.message, "Block 0 failed 10 times");
        EXPECT_EQ(receiver.Simulator().BlockCrossings(0), 10);
        EXPECT_EQ(receiver.Simulator().BlockCrossings(1), 0);
    }
    sim = {};
    Use(GetParam());
    sim.noiseImage = true;
    sim.repeatRequest = 0;
    WriteAll(Path("work.bin"), ChannelFile(stbsim::GenerateImage(2, 3)));
    SimRun receiver(sim);
    const Outcome sent = Send(receiver.Path(), Path("work.bin"));
    receiver.Stop();
    EXPECT_EQ(sent.result, Outcome_::Failed);
    EXPECT_EQ(sent.message, "Block 0 failed 10 times");
    EXPECT_EQ(receiver.Simulator().BlockCrossings(0), 10);
}

INSTANTIATE_TEST_SUITE_P(BothFamilies, GivingUp, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "St7100" : "Qvr"; });

} // namespace
} // namespace e2e
