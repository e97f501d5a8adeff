// Shared set-up of the parser tests: a known policy, transfer files, received-block builders
// and the scripted conversations both protocol suites replay.
#pragma once

#include "qparser/CommParser.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace parsertest {

using Bytes = std::string; ///< binary-safe

enum class Family { Qvr, St };
enum class Direction { Download, Upload };

struct PolicyValues {
    int checksumSize = 2;
    int byteOrder = 0;
    int startBlock = 3648;
    int blockSize = 1024;
};

/// The policy a test parser works with: the defaults, with these transfer parameters.
qparser::ParserPolicy TestPolicy(const PolicyValues& values = {});

std::unique_ptr<CCommParser> MakeParser(Family family);

/// Everything a step asks to send, data first, as one byte string.
Bytes Reply(const QPResult_Tag& result);
std::vector<Bytes> Commands(const QPResult_Tag& result);

QPResult_Tag Feed(CCommParser& parser, Direction direction, const Bytes& bytes);

/// Block data of n bytes that a seed makes repeatable; it holds line ends and protocol words.
Bytes BlockData(int seed, int size = 1024);
/// Block data followed by its checksum as the receiver sends it (little-endian for two bytes).
Bytes WithChecksum(const Bytes& data, int checksumSize);

/// A channel file: header with a zero info block, then the payload.
Bytes ChannelFile(const Bytes& payload);
void WriteFile(const std::string& path, const Bytes& bytes);
Bytes ReadFile(const std::string& path);

/// One exchange: what the receiver sends and everything the PC must send back for it.
struct Step {
    Bytes received;
    Bytes reply;
    bool quietLine = false; ///< nothing received: the line fell quiet (OnQuietLine)
};

struct Conversation {
    std::vector<Step> steps;
    std::uint8_t finalState;
    Bytes fileAfter; ///< download: the transfer file it leaves; upload: the file it serves
};

/// eol: the receiver's line end ("\r", "\r\n" or "\n").
Conversation MakeConversation(Family family, Direction direction, const std::string& eol);

class ParserTest : public ::testing::Test {
  protected:
    void SetUp() override;
    std::string Path(const std::string& name) const;

    QTemporaryDir dir;
};

/// A parser of either family set up to receive into recv.bin.
template <class Parser> class DownloadTest : public ParserTest {
  protected:
    void SetUp() override {
        ParserTest::SetUp();
        path = Path("recv.bin");
        ASSERT_EQ(parser.Initialize(path, true), 1);
    }
    std::vector<Bytes> Send(const Bytes& bytes) {
        return Commands(Feed(parser, Direction::Download, bytes));
    }

    Parser parser{TestPolicy()};
    std::string path;
};

} // namespace parsertest
