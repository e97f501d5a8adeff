// The command line's receive and send runners: exit statuses and what they leave on disk (a
// receive and a send that succeed: cli/tests/transfer_test.sh, every model).
#include "TransferHarness.h"

#include "chanforge/transfer/TransferCommand.h"
#include "policy/Policy.h"
#include "policy/Presets.h"
#include "utils/Registry.h"

#include <QFile>

namespace e2e {
namespace {

class CommandLineRunner : public TransferTest {};

TEST_F(CommandLineRunner, ModelChosenForOneCommandLeavesTheStoredPolicy) {
    Use(true); // stored: an ST7100 model with one checksum byte
    stbsim::SimOptions qvr = sim;
    qvr.family = stbsim::Family::Qvr;
    qvr.checksumSize = 2;
    SimRun receiver(qvr);
    chanforge::transfer::ReceiveOptions receive;
    receive.line.port = receiver.Path();
    receive.line.preset = policy::FindPreset("A"); // QVR, two checksum bytes
    receive.output = Path("model-a.bin");
    SetProductVersion("stored version");
    const int startBlock = GetFlashStartBlock();
    const int requestBlock = GetFlashRequestBlock();
    ASSERT_EQ(chanforge::transfer::RunReceive(receive), 0);
    EXPECT_EQ(GetBufChecksumSize(), 1);
    EXPECT_EQ(GetProductList(), 7);
    // Nor is what the receiver said about itself (version, start block, block count) stored.
    char version[kRegistryStringSize] = {};
    GetRegistry(kChanforgeKey, "QVR Version String", version, "");
    EXPECT_STREQ(version, "stored version");
    EXPECT_EQ(GetFlashStartBlock(), startBlock);
    EXPECT_EQ(GetFlashRequestBlock(), requestBlock);
}

TEST_F(CommandLineRunner, FailuresLeaveNoOutputAndSayWhy) {
    chanforge::transfer::ReceiveOptions receive;
    receive.line.port = "/dev/chanforge-missing";
    receive.output = Path("none.bin");
    EXPECT_EQ(chanforge::transfer::RunReceive(receive), 1);
    receive.line.baud = 110; // refused by the validator before anything opens
    EXPECT_EQ(chanforge::transfer::RunReceive(receive), 2);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(receive.output)));

    sim.silentBlock = 0;
    sim.silentMs = 20000;
    SimRun receiver(sim);
    receive.line = {};
    receive.line.port = receiver.Path();
    receive.line.timeoutSeconds = 1;
    EXPECT_EQ(chanforge::transfer::RunReceive(receive), 1);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(receive.output)));
}

} // namespace
} // namespace e2e
