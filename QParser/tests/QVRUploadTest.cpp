#include "ParserFixture.h"

#include "qparser/QVRCommParser.h"
#include "utils/Report.h"

namespace parsertest {
namespace {

// The block checksum in either byte order: the protocol contract (order 0) and the send end to
// end with a big-endian checksum.
class QVRUpload : public ParserTest {
  protected:
    void Load(const Bytes& payload) {
        parser = std::make_unique<CQVRCommParser>(TestPolicy());
        WriteFile(Path("send.bin"), ChannelFile(payload));
        ASSERT_EQ(parser->Initialize(Path("send.bin"), false), 1);
    }
    QPResult_Tag Send(const Bytes& bytes) { return Feed(*parser, Direction::Upload, bytes); }

    std::unique_ptr<CQVRCommParser> parser;
};

TEST_F(QVRUpload, ConnectOnlyStopsTheKnocking) {
    Load(Bytes(2048, 'x'));
    const QPResult_Tag result = Send("DOWN_CONNECT\r\n");
    EXPECT_EQ(result.resultCode, kQPCommands);
    EXPECT_TRUE(Commands(result).empty());
    EXPECT_EQ(parser->GetParsingState(), kStateReceiverConnected);
}

TEST_F(QVRUpload, TotalChecksumCountsEachBlockOnce) {
    Bytes payload(1024, '\x01');
    payload += Bytes(1024, '\x02');
    Load(payload);
    EXPECT_EQ(Reply(Send("REQUEST_TOTALCRC\r\n")), Bytes("a\0b", 3));
    Send("REQUEST_1024DOWN:0000\r\n");
    Send("1024DOWN_ERR:0000\r\n");
    Send("REQUEST_1024DOWN:0000\r\n"); // asked again after a line error
    Send("REQUEST_1024DOWN:0001\r\n");
    // 1024 * 1 + 1024 * 2 = 3072 = 0x0C00: the low byte is 0 however often block 0 went out.
    const Bytes expected{'a', static_cast<char>((1024 + 2048) & 0xFF), 'b'};
    EXPECT_EQ(Reply(Send("REQUEST_TOTALCRC\r\n")), expected);
    EXPECT_EQ(parser->GetBlocksDone(), 2);
}

TEST_F(QVRUpload, BlockBeyondTheFileGoesOutEmpty) {
    Load(Bytes(1024, 'x'));
    const QPResult_Tag result = Send("REQUEST_1024DOWN:0007\r\n");
    EXPECT_EQ(result.resultCode, kQPDataAndCommands);
    EXPECT_TRUE(result.data.empty());
    EXPECT_EQ(Commands(result), (std::vector<Bytes>{Bytes(1, '\0'), Bytes(1, '\0')}));
}

TEST_F(QVRUpload, FlashReportsMoveTheStateAndDiagnosticsOnlyInform) {
    Load(Bytes(64 * 1024, 'x'));
    std::vector<std::string> notices;
    const auto old = utils::SetReportHook(
        [&](utils::ReportLevel, const std::string& text) { notices.push_back(text); });
    struct Row {
        Bytes line;
        std::uint8_t state;
    };
    const Row rows[] = {
        {"REQUEST_DOWNLOAD\r", kStateDownloadAsked},
        {"RAMCRC_SUCCESS\r", kStateDownloadAsked},
        {"SEND_DECODE_SIZE 99\r", kStateDownloadAsked},
        {"DOWN_SUCCESS\r", kStateAllDataSent},
        {"FLASHCRC_SUCCESS\r", kStateAllDataSent},
        {"BAD CRC : Flash image !!\r", kStateAllDataSent},
        {"FLASH_WRITE\r", kStateFlashWriting},
        {"64KFLASH_WRITE\r", kStateFlashWriting},
        {"NO_ACKNOWLEDGE with PC.\r", kStateFlashWriting},
        {"4096FLASH_WRITE\r", kStateAllDataSent},
        {"UPGRADE_SUCCESS\r", kStateSendSucceeded},
        {"RESPONSE_DOWNLOAD_FAIL\r", kStateSendFailed},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(Send(row.line).resultCode, kQPNothing) << row.line;
        EXPECT_EQ(parser->GetParsingState(), row.state) << row.line;
        if (row.line == "64KFLASH_WRITE\r") {
            EXPECT_EQ(parser->GetProcessPercent(), 10000);
        }
    }
    utils::SetReportHook(old);
    EXPECT_EQ(notices, (std::vector<std::string>{"PC_RAMCRC_SUCCESS", "PC_SIZESEND_DCODEBLOCK",
                                                 "PC_FLASHCRC_SUCCESS", "PC_FLASHCRC_BAD",
                                                 "PC_NO_ACKNOWLEDGE"}));
}

TEST_F(QVRUpload, ManyLinesInOneLargeChunkAreAllAnswered) {
    Load(Bytes(4096, 'x'));
    Bytes flood;
    for (int i = 0; i < 60; ++i)
        flood += "TargetInfo:> debug output line " + std::to_string(i) + "\r\n";
    flood += "REQUEST_START_BLOCK\r\n";
    ASSERT_GT(flood.size(), 1026u);
    EXPECT_EQ(Commands(Send(flood)), std::vector<Bytes>{"q3648r"});
}

TEST_F(QVRUpload, SecondBlockRequestOfAChunkWaitsForTheNextStep) {
    Load(Bytes(2048, 'x'));
    const QPResult_Tag first = Send("REQUEST_1024DOWN:0000\r\nREQUEST_1024DOWN:0001\r\n");
    EXPECT_EQ(first.data.size(), 1024u);
    EXPECT_EQ(Commands(first).size(), 2u);
    const QPResult_Tag second = Send("1024DOWN_SUCCESS:0000\r\n");
    EXPECT_EQ(second.data.size(), 1024u);
}

// Other single bytes count: the protocol contract feeds every conversation a byte at a time.
TEST_F(QVRUpload, LoneZeroByteIsIgnored) {
    Load(Bytes(2048, 'x'));
    EXPECT_EQ(Send(Bytes(1, '\0')).resultCode, kQPNothing);
    EXPECT_EQ(parser->GetParsingState(), kStateIdle);
}

} // namespace
} // namespace parsertest
