#include "ParserFixture.h"

#include "qparser/QVRCommParser.h"

namespace parsertest {
namespace {

class QVRDownload : public DownloadTest<CQVRCommParser> {
  protected:
    /// Brings the conversation to the block state for n blocks.
    void StartBlocks(int n) {
        char mark[8];
        std::snprintf(mark, sizeof mark, "a%04db", n);
        ASSERT_EQ(Send(mark), std::vector<Bytes>{"REQUEST_1024DOWN:0000\n"});
        ASSERT_EQ(parser.TakeReceiverFacts().requestBlock.value_or(-1),
                  n); // the count is reported as the request block
    }
    /// Sends the last block: the receive ends once the line is quiet, with what this returns.
    std::vector<Bytes> SendLast(const Bytes& block) {
        EXPECT_TRUE(Send(block).empty());
        EXPECT_TRUE(parser.AwaitsQuietEnd());
        return Commands(parser.OnQuietLine());
    }
};

TEST_F(QVRDownload, DamagedBlockIsAskedForAgainOnceTheLineIsQuiet) {
    StartBlocks(2);
    Bytes damaged = WithChecksum(BlockData(0), 2);
    damaged[100] ^= 0x40;
    EXPECT_TRUE(Send(damaged).empty());
    EXPECT_TRUE(parser.AwaitsQuietLine());
    // The rest of a misaligned transmission is dropped, not taken for the next block.
    EXPECT_TRUE(Send(BlockData(9, 300)).empty());
    EXPECT_EQ(Commands(parser.OnQuietLine()), std::vector<Bytes>{"REQUEST_1024DOWN:0000\n"});
    EXPECT_FALSE(parser.AwaitsQuietLine());
    // The block that answers a repeated request is acknowledged only after a quiet line, so a
    // late answer to the first request cannot pass for block 1.
    EXPECT_TRUE(Send(WithChecksum(BlockData(0), 2)).empty());
    EXPECT_TRUE(parser.AwaitsQuietLine());
    EXPECT_TRUE(Send(WithChecksum(BlockData(0), 2)).empty());
    const QPResult_Tag released = parser.OnQuietLine();
    EXPECT_EQ(Commands(released),
              (std::vector<Bytes>{"1024DOWN_SUCCESS:0000\n", "REQUEST_1024DOWN:0001\n"}));
    EXPECT_EQ(released.nextBlock, 1);
    EXPECT_EQ(SendLast(WithChecksum(BlockData(1), 2)), std::vector<Bytes>{"DOWN_SUCCESS\r"});
    EXPECT_EQ(ReadFile(path), ChannelFile(BlockData(0) + BlockData(1)));
}

TEST_F(QVRDownload, RequestAgainDropsAPartialBlock) {
    StartBlocks(2);
    Send(BlockData(4).substr(0, 500));
    EXPECT_EQ(Commands(parser.RequestBlockAgain()), std::vector<Bytes>{"REQUEST_1024DOWN:0000\n"});
    EXPECT_TRUE(Send(WithChecksum(BlockData(4), 2)).empty()); // held: the block was asked twice
    // Asking again while an acknowledgement is held releases it instead.
    EXPECT_EQ(Commands(parser.RequestBlockAgain()),
              (std::vector<Bytes>{"1024DOWN_SUCCESS:0000\n", "REQUEST_1024DOWN:0001\n"}));
    EXPECT_EQ(SendLast(WithChecksum(BlockData(5), 2)), std::vector<Bytes>{"DOWN_SUCCESS\r"});
    EXPECT_EQ(ReadFile(path), ChannelFile(BlockData(4) + BlockData(5)));
}

TEST_F(QVRDownload, BytesBeyondOneBlockAreDroppedBeforeItIsAcknowledged) {
    StartBlocks(2);
    EXPECT_TRUE(Send(WithChecksum(BlockData(0), 2) + "GARBAGE\r\n").empty());
    EXPECT_EQ(Commands(parser.OnQuietLine()).size(), 2u);
    EXPECT_EQ(SendLast(WithChecksum(BlockData(1), 2)), std::vector<Bytes>{"DOWN_SUCCESS\r"});
    EXPECT_EQ(ReadFile(path), ChannelFile(BlockData(0) + BlockData(1)));
}

// Blocks carry no number: a late copy of one is taken for the next, and shows only as one
// answer more than was asked for.
TEST_F(QVRDownload, ABlockBeyondTheRequestsFailsTheReceiveAndKeepsNothing) {
    StartBlocks(2);
    EXPECT_EQ(Send(WithChecksum(BlockData(0), 2)).size(), 2u);
    EXPECT_TRUE(Send(WithChecksum(BlockData(0), 2)).empty());
    EXPECT_TRUE(Send("TargetInfo:> noise\r\n").empty()); // less than a block is noise
    EXPECT_EQ(Feed(parser, Direction::Download, WithChecksum(BlockData(1), 2)).resultCode,
              kQPFailure);
    EXPECT_NE(parser.GetFailure().find("not asked for"), std::string::npos);
    EXPECT_EQ(ReadFile(path), "");
    // The copy and the block asked for in one chunk: what follows the copy was never asked for.
    ASSERT_EQ(parser.Initialize(path, true), 1);
    StartBlocks(3);
    EXPECT_EQ(Send(WithChecksum(BlockData(0), 2)).size(), 2u);
    const Bytes copyAndNext = WithChecksum(BlockData(0), 2) + WithChecksum(BlockData(1), 2);
    EXPECT_TRUE(Send(copyAndNext.substr(0, 1500)).empty());
    EXPECT_EQ(Feed(parser, Direction::Download, copyAndNext.substr(1500)).resultCode, kQPFailure);
    // A block asked for twice may come twice, but not three times.
    ASSERT_EQ(parser.Initialize(path, true), 1);
    StartBlocks(2);
    EXPECT_EQ(Commands(parser.RequestBlockAgain()), std::vector<Bytes>{"REQUEST_1024DOWN:0000\n"});
    EXPECT_TRUE(Send(WithChecksum(BlockData(0), 2)).empty());
    EXPECT_TRUE(Send(WithChecksum(BlockData(0), 2)).empty());
    EXPECT_EQ(Feed(parser, Direction::Download, WithChecksum(BlockData(1), 2)).resultCode,
              kQPFailure);
}

TEST_F(QVRDownload, RequestAgainOutsideTheBlockStateSendsNothingAndOnlyImpossibleCountsAreRefused) {
    EXPECT_EQ(parser.RequestBlockAgain().resultCode, kQPNothing);
    EXPECT_EQ(parser.OnQuietLine().resultCode, kQPNothing);
    ASSERT_EQ(parser.Initialize(path, true), 1);
    EXPECT_EQ(Feed(parser, Direction::Download, "a0000b").resultCode, kQPFailure);
    EXPECT_FALSE(parser.GetFailure().empty());
    // Receivers announce their whole flash region: any count the field can state is taken.
    for (const char* announcement : {"a0384b", "a9999b"}) {
        ASSERT_EQ(parser.Initialize(path, true), 1);
        EXPECT_EQ(Commands(Feed(parser, Direction::Download, announcement)),
                  std::vector<Bytes>{"REQUEST_1024DOWN:0000\n"})
            << announcement;
        EXPECT_EQ(parser.GetParsingState(), kStateBlocksArriving);
    }
    // Only blocks of an absurd size from the settings could ask for more than memory allows.
    CQVRCommParser huge(TestPolicy({.blockSize = 65536}));
    ASSERT_EQ(huge.Initialize(path, true), 1);
    EXPECT_EQ(Feed(huge, Direction::Download, "a9999b").resultCode, kQPFailure);
    EXPECT_NE(huge.GetFailure().find("9999 blocks"), std::string::npos) << huge.GetFailure();
    EXPECT_EQ(ReadFile(path), "");
}

TEST_F(QVRDownload, PromptThenAckOnOneChunkAnswersEachLineOnce) {
    // A lone CR ends a line, so the "ack" is a line of its own and gets its own answer.
    EXPECT_EQ(Send("PROMPT>\rack\r\n"),
              (std::vector<Bytes>{"CHHOST\r\n", "REQUEST_START_BLOCK\r"}));
    EXPECT_EQ(Send("PROMPT>\r"), std::vector<Bytes>{"CHHOST\r\n"}); // the state moved on
    EXPECT_TRUE(Send("PROMPT>\r").empty());                         // still prompting
}

TEST_F(QVRDownload, VersionLineIsReportedAndAShortOneGetsNoReply) {
    EXPECT_TRUE(Send("REQUEST_VERSION:1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16\r\n").empty());
    EXPECT_EQ(
        Send("REQUEST_VERSION:R1.2,2,3,4,5,6,7,8,9,10,BOARDNAMEISLONGER,12,13,14,15,16,17\r\n"),
        std::vector<Bytes>{"REQUEST_START_BLOCK\r"});
    EXPECT_EQ(parser.GetVersionField(9), "R1."); // four-byte slots keep three characters
    EXPECT_EQ(parser.GetVersionField(4), "BOARDNAMEISLONG");
    EXPECT_EQ(parser.GetVersionField(5), "12");
    EXPECT_EQ(parser.GetVersionField(3), "17");
    EXPECT_EQ(parser.GetVersionField(8), "");
    EXPECT_EQ(parser.TakeReceiverFacts().version.value_or(""), "R1.2"); // for the caller to store
}

TEST_F(QVRDownload, MarksNeedDigitsAndMayArriveInPieces) {
    EXPECT_TRUE(Send("qwertr\r\n").empty()); // text, not a start-block mark
    EXPECT_TRUE(Send("q36").empty());
    EXPECT_EQ(Send("48r"), std::vector<Bytes>{"REQUEST_BLOCK\r"});
    EXPECT_EQ(parser.GetParsingState(), kStateBlockCountRequested);
}

TEST_F(QVRDownload, OverlongLineIsDroppedAndTheNextLineStillAnswered) {
    const Bytes flood(5000, 'z');
    EXPECT_TRUE(Send(flood).empty());
    EXPECT_EQ(Send("\r\nPROMPT>\r"), std::vector<Bytes>{"CHHOST\r\n"});
}

} // namespace
} // namespace parsertest
