#include "ParserFixture.h"

#include "qparser/QVRCommParser.h"
#include "qparser/STCommParser.h"

#include <QDir>

namespace parsertest {
namespace {

TEST(GetParamNo, NumberAfterTheFirstColon) {
    struct Row {
        const char* line;
        int number;
    };
    const Row rows[] = {
        {"REQUEST_1024DOWN:0012", 12},
        {"REQUEST_1024DOWN:0000", 0},
        {"X:7:9", 7},
        {"REQUEST_1024DOWN:", -1},
        {"REQUEST_1024DOWN:x12", -1},
        {"no colon 12", -1},
        {"", -1},
        {"A:99999999999999", 999999999}, // bounded, never overflowing
    };
    for (const Row& row : rows)
        EXPECT_EQ(CCommParser::GetParamNo(row.line), row.number) << row.line;
}

class InitializeTest : public ParserTest {};

TEST_F(InitializeTest, ReadingChecksTheHeader) {
    struct Row {
        const char* name;
        Bytes file;
        int result;
        std::uint32_t payload;
    };
    Bytes bigEndianLength = ChannelFile("");
    bigEndianLength[4] = 0;
    bigEndianLength[5] = 0x50;
    const Row rows[] = {
        {"header only", ChannelFile(""), 1, 0},
        {"with image", ChannelFile(Bytes(3000, 'x')), 1, 3000},
        {"wrong magic", "RIXA" + ChannelFile("").substr(4), 0, 0},
        {"length big-endian", bigEndianLength, 0, 0},
        {"short header", ChannelFile("").substr(0, 40), 0, 0},
        {"empty", "", 0, 0},
    };
    for (const Row& row : rows) {
        CQVRCommParser parser(TestPolicy());
        const std::string path = Path(row.name);
        WriteFile(path, row.file);
        EXPECT_EQ(parser.Initialize(path, false), row.result) << row.name;
        if (row.result == 1) {
            EXPECT_EQ(parser.GetPayloadSize(), row.payload) << row.name;
        }
    }
    CQVRCommParser parser(TestPolicy());
    EXPECT_EQ(parser.Initialize(Path("missing"), false), 0);
    EXPECT_EQ(parser.Initialize(Path("no/such/dir/work.bin"), true), 0); // nowhere to receive into
}

TEST_F(InitializeTest, ReceivingLeavesTheTargetAloneUntilComplete) {
    const std::string target = Path("work.bin");
    WriteFile(target, "previous contents");
    {
        CQVRCommParser parser(TestPolicy());
        ASSERT_EQ(parser.Initialize(target, true), 1);
        Feed(parser, Direction::Download, "a0002b");
        Feed(parser, Direction::Download, WithChecksum(BlockData(1), 2));
        EXPECT_EQ(ReadFile(target), "previous contents");
        EXPECT_EQ(parser.Initialize(target, true), 1); // starting over drops the partial file
    }
    // Cancelled by destruction: the target is untouched and no temporary file is left.
    EXPECT_EQ(ReadFile(target), "previous contents");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"work.bin"});
}

TEST_F(InitializeTest, ProgressWhileBlocksArrive) {
    CQVRCommParser parser(TestPolicy());
    ASSERT_EQ(parser.Initialize(Path("recv"), true), 1);
    Feed(parser, Direction::Download, "a0004b");
    EXPECT_EQ(parser.GetProcessPercent(), 900);
    Feed(parser, Direction::Download, WithChecksum(BlockData(0), 2));
    EXPECT_EQ(parser.GetProcessPercent(), 900 + 1024 * 9000 / 4096);
    Feed(parser, Direction::Download, BlockData(1)); // data of block 1, checksum still missing
    EXPECT_EQ(parser.GetProcessPercent(), 5400);
    EXPECT_EQ(parser.GetBlocksDone(), 1);
    EXPECT_EQ(parser.GetBlocksTotal(), 4);
}

TEST_F(InitializeTest, ProgressWhileTheReceiverWritesFlashNeverDividesByZero) {
    WriteFile(Path("send"), ChannelFile(Bytes(16384, 'x')));
    WriteFile(Path("empty"), ChannelFile(""));
    CSTCommParser parser(TestPolicy()), empty(TestPolicy());
    ASSERT_EQ(parser.Initialize(Path("send"), false), 1);
    Feed(parser, Direction::Upload, "4096FLASH_WRITE\r\n4096FLASH_WRITE\r\n");
    EXPECT_EQ(parser.GetParsingState(), kStateFlashWriting);
    EXPECT_EQ(parser.GetProcessPercent(), 8 * 10000 / 16);
    ASSERT_EQ(empty.Initialize(Path("empty"), false), 1);
    for (std::uint8_t state : {kStateBlocksSending, kStateFlashWriting, kStateBlocksArriving}) {
        empty.SetParsingState(state);
        EXPECT_GE(empty.GetProcessPercent(), 0);
        EXPECT_LE(empty.GetProcessPercent(), 10000);
    }
}

TEST(PolicyValues, NonsenseTransferSizesFallBackToOneBlock) {
    CQVRCommParser parser(TestPolicy({.checksumSize = 7, .blockSize = 0}));
    QTemporaryDir dir;
    const std::string path = dir.filePath("recv").toStdString();
    ASSERT_EQ(parser.Initialize(path, true), 1);
    Feed(parser, Direction::Download, "a0001b");
    // 1024 bytes and a one-byte checksum make the block.
    EXPECT_TRUE(Commands(Feed(parser, Direction::Download, WithChecksum(BlockData(3), 1))).empty());
    EXPECT_EQ(Commands(parser.OnQuietLine()), std::vector<Bytes>{"DOWN_SUCCESS\r"});
    EXPECT_EQ(ReadFile(path).size(), 86u + 1024u);
}

} // namespace
} // namespace parsertest
