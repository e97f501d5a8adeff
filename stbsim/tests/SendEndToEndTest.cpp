#include "TransferHarness.h"

#include "qpui/TransferTexts.h"

#include <QFile>

#include <functional>
#include <random>

namespace e2e {
namespace {

using Outcome_ = qpui::CTransfer::Outcome;

struct Case {
    const char* name;
    bool st;
    std::function<void(stbsim::SimOptions&)> apply;
    bool bigEndian = false;
};

void PrintTo(const Case& c, std::ostream* out) { *out << c.name; }

std::vector<Case> Cases() {
    std::vector<Case> cases;
    for (bool st : {false, true}) {
        const auto named = [st](const char* name) { return std::string(st ? "St7100" : "Qvr") + name; };
        static std::vector<std::string> names; // keeps the case names alive
        const auto add = [&](const char* name, std::function<void(stbsim::SimOptions&)> apply, bool big = false) {
            names.push_back(named(name));
            cases.push_back({names.back().c_str(), st, std::move(apply), big});
        };
        names.reserve(64);
        add("Clean", [](stbsim::SimOptions&) {});
        add("SmallRandomChunks", [](stbsim::SimOptions& o) { o.chunkMax = 6; });
        add("LineErrorOnOneBlock", [](stbsim::SimOptions& o) { o.corruptBlock = 2; });
        add("FallsSilent", [](stbsim::SimOptions& o) { o.silentBlock = 1; o.silentMs = 1600; });
        add("GarbageBetweenBlocks", [](stbsim::SimOptions& o) { o.garbageEvery = 2; });
        add("EmulatedBaud115200", [](stbsim::SimOptions& o) { o.baud = 115200; });
        add("LinesEndWithCR", [](stbsim::SimOptions& o) { o.eol = "\r"; });
        add("LinesEndWithLF", [](stbsim::SimOptions& o) { o.eol = "\n"; });
        if (!st) add("BigEndianChecksum", [](stbsim::SimOptions&) {}, true);
    }
    return cases;
}

std::string Payload(int blocks) {
    std::mt19937 random(42);
    std::string payload(static_cast<std::size_t>(blocks) * 1024, '\0');
    for (char& byte : payload) byte = static_cast<char>(random() & 0xFF);
    payload.replace(10, 8, "ack\r\nOK\n");
    return payload;
}

class SendToReceiver : public TransferTest, public ::testing::WithParamInterface<Case> {};

TEST_P(SendToReceiver, ReceiverWritesTheImageByteForByte) {
    if (GetParam().st)
        UseSt();
    else
        UseQvr(GetParam().bigEndian);
    GetParam().apply(sim);
    sim.storeFile = Path("flash.bin");
    const std::string file = Path("work.bin");
    {
        QFile out(QString::fromStdString(file));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        const std::string bytes = ChannelFile(Payload(6));
        out.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }
    SimRun receiver(sim);
    const Outcome outcome = Send(receiver.Path(), file);
    ASSERT_EQ(outcome.result, Outcome_::Succeeded) << outcome.message.toStdString();
    EXPECT_EQ(outcome.message, qpui::texts::kSentAll);
    EXPECT_EQ(ReadAll(sim.storeFile), ChannelFile(Payload(6)));
}

INSTANTIATE_TEST_SUITE_P(BothFamilies, SendToReceiver, ::testing::ValuesIn(Cases()),
                         [](const auto& info) { return std::string(info.param.name); });

class SendTest : public TransferTest {};

TEST_F(SendTest, ReceiverFailureWordEndsTheSendAsFailed) {
    for (bool st : {false, true}) {
        if (st)
            UseSt();
        else
            UseQvr();
        sim.failSend = true;
        const std::string file = Path("work.bin");
        QFile out(QString::fromStdString(file));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(ChannelFile(Payload(2)).c_str(), 86 + 2048);
        out.close();
        SimRun receiver(sim);
        const Outcome outcome = Send(receiver.Path(), file);
        EXPECT_EQ(outcome.result, Outcome_::Failed) << (st ? "ST7100" : "QVR");
        EXPECT_EQ(outcome.message, qpui::texts::kSendFailed);
    }
}

TEST_F(SendTest, FileWithoutAChannelHeaderIsRefused) {
    const std::string file = Path("bare.bin");
    QFile out(QString::fromStdString(file));
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(Payload(1).c_str(), 1024);
    out.close();
    SimRun receiver(sim);
    const Outcome outcome = Send(receiver.Path(), file);
    EXPECT_EQ(outcome.result, Outcome_::Failed);
    EXPECT_EQ(outcome.message, qpui::texts::kCannotInitialize);
}

} // namespace
} // namespace e2e
