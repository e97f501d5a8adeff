#include "TransferHarness.h"

#include "chanforge/transfer/TransferTexts.h"

#include <algorithm>
#include <functional>
#include <random>

namespace e2e {
namespace {

using Outcome_ = chanforge::transfer::CTransfer::Outcome;

struct Case {
    std::string name;
    bool st;
    std::function<void(stbsim::SimOptions&)> apply;
    bool bigEndian = false;
};

void PrintTo(const Case& c, std::ostream* out) {
    *out << c.name;
}

std::vector<Case> Cases() {
    std::vector<Case> cases;
    for (bool st : {false, true}) {
        const auto add = [&](const char* name, std::function<void(stbsim::SimOptions&)> apply,
                             bool big = false) {
            cases.push_back(
                {(st ? "St7100" : "Qvr") + std::string(name), st, std::move(apply), big});
        };
        add("Clean", [](stbsim::SimOptions&) {});
        add("SmallRandomChunks", [](stbsim::SimOptions& o) { o.chunkMax = 6; });
        add("GarbageBetweenBlocks", [](stbsim::SimOptions& o) { o.garbageEvery = 2; });
        add("EmulatedBaud115200", [](stbsim::SimOptions& o) { o.baud = 115200; });
        add("LinesEndWithCR", [](stbsim::SimOptions& o) { o.eol = "\r"; });
        if (!st)
            add(
                "BigEndianChecksum", [](stbsim::SimOptions&) {}, true);
    }
    return cases;
}

std::string Payload(int blocks) {
    std::mt19937 random(42);
    std::string payload(static_cast<std::size_t>(blocks) * 1024, '\0');
    for (char& byte : payload)
        byte = static_cast<char>(random() & 0xFF);
    payload.replace(10, 8, "ack\r\nOK\n");
    return payload;
}

class SendToReceiver : public TransferTest, public ::testing::WithParamInterface<Case> {};

TEST_P(SendToReceiver, ReceiverWritesTheImageByteForByte) {
    Use(GetParam().st, GetParam().bigEndian);
    GetParam().apply(sim);
    sim.storeFile = Path("flash.bin");
    const std::string file = Path("work.bin");
    WriteAll(file, ChannelFile(Payload(6)));
    SimRun receiver(sim);
    const Outcome outcome = Send(receiver.Path(), file);
    ASSERT_EQ(outcome.result, Outcome_::Succeeded) << outcome.message.toStdString();
    EXPECT_EQ(outcome.message, chanforge::transfer::texts::kSentAll);
    EXPECT_EQ(ReadAll(sim.storeFile), ChannelFile(Payload(6)));
    EXPECT_TRUE(std::is_sorted(outcome.progress.begin(), outcome.progress.end()));
    // While the receiver writes its flash, the line says so and no upload figure follows.
    const auto complete =
        std::find_if(outcome.statuses.begin(), outcome.statuses.end(),
                     [](const QString& s) { return s.startsWith("Data upload"); });
    ASSERT_NE(complete, outcome.statuses.end());
    EXPECT_TRUE(std::none_of(complete, outcome.statuses.end(), [](const QString& s) {
        return s.startsWith("Uploading");
    })) << outcome.statuses.join(" | ").toStdString();
}

INSTANTIATE_TEST_SUITE_P(BothFamilies, SendToReceiver, ::testing::ValuesIn(Cases()),
                         [](const auto& info) { return info.param.name; });

class SendTest : public TransferTest {};

TEST_F(SendTest, ReceiverFailureWordEndsTheSendAsFailed) {
    for (bool st : {false, true}) {
        Use(st);
        sim.failSend = true;
        const std::string file = Path("work.bin");
        WriteAll(file, ChannelFile(Payload(2)));
        SimRun receiver(sim);
        const Outcome outcome = Send(receiver.Path(), file);
        EXPECT_EQ(outcome.result, Outcome_::Failed) << (st ? "ST7100" : "QVR");
        EXPECT_EQ(outcome.message, chanforge::transfer::texts::kSendFailed);
    }
}

TEST_F(SendTest, FileWithoutAChannelHeaderIsRefused) {
    const std::string file = Path("bare.bin");
    WriteAll(file, Payload(1));
    SimRun receiver(sim);
    const Outcome outcome = Send(receiver.Path(), file);
    EXPECT_EQ(outcome.result, Outcome_::Failed);
    EXPECT_EQ(outcome.message, chanforge::transfer::texts::kCannotInitialize);
}

} // namespace
} // namespace e2e
