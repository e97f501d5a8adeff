#include "ParserFixture.h"

#include "qparser/STCommParser.h"

namespace parsertest {
namespace {

class STUpload : public ParserTest {
  protected:
    void Load(const Bytes& payload, int startBlock = 3648) {
        parser = std::make_unique<CSTCommParser>(TestPolicy({.startBlock = startBlock}));
        WriteFile(Path("send.bin"), ChannelFile(payload));
        ASSERT_EQ(parser->Initialize(Path("send.bin"), false), 1);
    }
    QPResult_Tag Send(const Bytes& bytes) { return Feed(*parser, Direction::Upload, bytes); }

    std::unique_ptr<CSTCommParser> parser;
};

TEST_F(STUpload, StartBlockChoosesTheWidthOfBothNumbers) {
    struct Row {
        int startBlock;
        Bytes start;
        Bytes count;
    };
    const Row rows[] = {
        {3648, "3648", "0005"}, {10000, "10000", "0005"}, {12000, "12000", "00005"}};
    for (const Row& row : rows) {
        Load(Bytes(5000, 'x'), row.startBlock);
        EXPECT_EQ(Reply(Send("REQUEST_START_BLOCK\r\n")), row.start);
        EXPECT_EQ(Reply(Send("REQUEST_BLOCK\r\n")), row.count);
    }
}

TEST_F(STUpload, FlashInformationIsAnsweredOnlyWhenWhole) {
    Load(Bytes(2048, 'x'));
    EXPECT_EQ(Send("REQUEST_V100\r\n").resultCode, kQPNothing);
    EXPECT_EQ(parser->GetParsingState(), kStateReceiverConnected);
    const Bytes info = "BL_FLASH_INFO\r\n" + Bytes(33, '5') + "BL_FLASH_END\r\n";
    ASSERT_EQ(info.size(), 62u);
    EXPECT_EQ(Send(info.substr(0, 40)).resultCode, kQPNothing);
    EXPECT_EQ(Commands(Send(info.substr(40))), std::vector<Bytes>{"DATNN"});
    EXPECT_EQ(parser->GetParsingState(), kStateVersionAnswered);
}

// Other single bytes are gathered: the protocol contract feeds every conversation bytewise.
TEST_F(STUpload, LoneZeroByteIsIgnored) {
    Load(Bytes(2048, 'x'));
    EXPECT_EQ(Send(Bytes(1, '\0')).resultCode, kQPNothing);
    EXPECT_EQ(parser->GetParsingState(), kStateIdle);
}

TEST_F(STUpload, LinesOfTheHandshakeAreNotTakenWhileBlocksGoOut) {
    Load(Bytes(4096, 'x'));
    Send("REQUEST_1024DOWN:0000\r\n");
    EXPECT_EQ(parser->GetParsingState(), kStateBlocksSending);
    EXPECT_EQ(Send("REQUEST_BLOCK\r\nREQUEST_START_BLOCK\r\nACK\r\n").resultCode, kQPNothing);
    EXPECT_EQ(Reply(Send("REQDATA_BLOCK\r\n")), "0004");
}

using STDownload = DownloadTest<CSTCommParser>;

TEST_F(STDownload, KnocksAreAnsweredOnce) {
    const auto reply = Send("\x1F\x1F");
    ASSERT_EQ(reply.size(), 2u);
    EXPECT_EQ(reply[0], "REQUEST_V100\r\n");
    EXPECT_EQ(reply[1].size(), 64u);
    EXPECT_TRUE(Send("\x1F").empty());
    EXPECT_EQ(Send("DATNN"), std::vector<Bytes>{"REQUEST_MODEL_INFO"});
    EXPECT_TRUE(Send("\x1F").empty()); // a late knock is noise now
}

TEST_F(STDownload, FourDigitsSetTheStartBlockAndFiveAreAcceptedWhole) {
    Send("DATNN");
    EXPECT_TRUE(Send("36").empty());
    EXPECT_EQ(Send("48"), std::vector<Bytes>{"REQUEST_BLOCK\r"});
    EXPECT_EQ(parser.TakeReceiverFacts().startBlock.value_or(-1), 3648);
    CSTCommParser other(TestPolicy());
    ASSERT_EQ(other.Initialize(Path("other.bin"), true), 1);
    Feed(other, Direction::Download, "ack");
    EXPECT_EQ(Commands(Feed(other, Direction::Download, "12000")),
              std::vector<Bytes>{"REQUEST_BLOCK\r"});
    EXPECT_EQ(other.TakeReceiverFacts().startBlock.value_or(-1), 12000);
}

// The header of two-character fields is the protocol contract's ST receive (the whole file).
TEST(ConvHeader, LongFieldsAreCutToTheInfoBlock) {
    CSTCommParser parser(TestPolicy());
    char line[] = "aaa,bbb,ccc,dddddddddddddddddddd,eee,fff,ggg,hhh,iii,jjj,kkk,lll";
    ASSERT_EQ(parser.ParsingRequestVersion(line), 1);
    unsigned char header[64 + 16];
    std::fill(std::begin(header), std::end(header), 0xEE);
    EXPECT_EQ(parser.MakeFileConvHeader(header), 64);
    EXPECT_EQ(header[64], 0xEE); // nothing written past the room
    EXPECT_EQ(parser.MakeFileConvHeader(nullptr), 0);
}

TEST(STVersion, TwelveFieldsAreNeeded) {
    CSTCommParser parser(TestPolicy());
    char shortLine[] = "1,2,3,4,5,6,7,8,9,10,11";
    EXPECT_EQ(parser.ParsingRequestVersion(shortLine), 0);
    char line[] = ",,1\t2\r\n3,4,5,6,7,8,9,10,11,12";
    EXPECT_EQ(parser.ParsingRequestVersion(line), 1);
    EXPECT_EQ(parser.GetVersionField(12), "12");
    EXPECT_EQ(parser.GetVersionField(2), "2");
}

} // namespace
} // namespace parsertest
