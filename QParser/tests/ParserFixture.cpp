#include "ParserFixture.h"

#include "qparser/QVRCommParser.h"
#include "qparser/STCommParser.h"

#include <fstream>
#include <iterator>
#include <random>

namespace parsertest {

qparser::ParserPolicy TestPolicy(const PolicyValues& values) {
    qparser::ParserPolicy policy = qparser::StoredParserPolicy();
    policy.checksumSize = values.checksumSize;
    policy.byteOrder = values.byteOrder;
    policy.startBlock = values.startBlock;
    policy.receiveBlockSize = values.blockSize;
    policy.sendBlockSize = values.blockSize;
    return policy;
}

std::unique_ptr<CCommParser> MakeParser(Family family) {
    if (family == Family::Qvr)
        return std::make_unique<CQVRCommParser>(TestPolicy());
    return std::make_unique<CSTCommParser>(TestPolicy());
}

std::vector<Bytes> Commands(const QPResult_Tag& result) {
    std::vector<Bytes> commands;
    for (int i = 0; i < kQPMaxCommands; ++i)
        if (result.commandLengths[i] > 0)
            commands.emplace_back(reinterpret_cast<const char*>(result.commands[i]),
                                  static_cast<std::size_t>(result.commandLengths[i]));
    return commands;
}

Bytes Reply(const QPResult_Tag& result) {
    Bytes reply(result.data.begin(), result.data.end());
    for (const Bytes& command : Commands(result))
        reply += command;
    return reply;
}

QPResult_Tag Feed(CCommParser& parser, Direction direction, const Bytes& bytes) {
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    const int length = static_cast<int>(bytes.size());
    return direction == Direction::Download ? parser.ParsingData4Download(data, length)
                                            : parser.ParsingData4Upload(data, length);
}

Bytes BlockData(int seed, int size) {
    std::mt19937 random(static_cast<unsigned>(seed));
    Bytes data(static_cast<std::size_t>(size), '\0');
    for (char& byte : data)
        byte = static_cast<char>(random() & 0xFF);
    // Words of the protocols and line ends inside block data must be taken as data.
    const Bytes words = "PROMPT>\r\nack\r\nREQUEST_VERSION:\r\n\x1F";
    if (size > static_cast<int>(words.size()) + 40)
        data.replace(20, words.size(), words);
    return data;
}

namespace {
unsigned Sum(const Bytes& data) {
    unsigned sum = 0;
    for (char byte : data)
        sum += static_cast<unsigned char>(byte);
    return sum;
}
} // namespace

Bytes WithChecksum(const Bytes& data, int checksumSize) {
    const unsigned sum = Sum(data);
    Bytes block = data;
    block += static_cast<char>(sum & 0xFF);
    if (checksumSize == 2)
        block += static_cast<char>((sum >> 8) & 0xFF);
    return block;
}

Bytes ChannelFile(const Bytes& payload) {
    Bytes file("QP  \x50\0", 6);
    file.append(80, '\0');
    return file + payload;
}

void WriteFile(const std::string& path, const Bytes& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

Bytes ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

namespace {

Bytes Sum8(const Bytes& data) {
    return Bytes(1, static_cast<char>(Sum(data) & 0xFF));
}

Bytes Numbered(const char* prefix, int number, const char* end) {
    char text[64];
    std::snprintf(text, sizeof text, "%s%04d%s", prefix, number, end);
    return text;
}

constexpr int kBlocks = 3;
const Bytes kQvrVersion = "V1,V2,V3,V4,V5,V6,V7,V8,V9,VA,BOARD-SIXTEEN,M1,M2,M3,Q1,Q2,Q3";
const Bytes kStVersion = "S1,S2,S3,LOADER,S5,S6,S7,S8,S9,SA,SB,SC";

// Both families: their own handshake, then the same three acknowledged blocks.
Conversation Download(Family family, const std::string& eol) {
    const bool qvr = family == Family::Qvr;
    Conversation c;
    if (qvr) {
        c.steps.push_back({"PROMPT>" + eol, "CHHOST\r\n"});
        c.steps.push_back({Bytes("\xAA") + "0000\x22" + eol, "REQUEST_VERSION:\r\n"});
    } else {
        c.steps.push_back({"\x1F", "REQUEST_V100\r\n" + CSTCommParser::FlashInfoBlock()});
        c.steps.push_back({"DATNN", "REQUEST_MODEL_INFO"});
    }
    c.steps.push_back(
        {"REQUEST_VERSION:" + (qvr ? kQvrVersion : kStVersion) + eol, "REQUEST_START_BLOCK\r"});
    c.steps.push_back({qvr ? "q3648r" : "3648", "REQUEST_BLOCK\r"});
    c.steps.push_back({qvr ? "a0003b" : "0003", "REQUEST_1024DOWN:0000\n"});
    Bytes image;
    for (int k = 0; k < kBlocks; ++k) {
        const Bytes data = BlockData(k);
        image += data;
        const Bytes ack = k + 1 < kBlocks ? Numbered("1024DOWN_SUCCESS:", k, "\n") +
                                                Numbered("REQUEST_1024DOWN:", k + 1, "\n")
                                          : "";
        c.steps.push_back({WithChecksum(data, 2), ack});
    }
    // The last block is acknowledged by the end of the receive, once the line is quiet.
    c.steps.push_back({"", qvr ? "DOWN_SUCCESS\r" : "DOWN_SUCCESS\rUPGRADE_SUCCESS\r", true});
    c.finalState = kStateReceiveFinished;
    c.fileAfter = ChannelFile(image);
    if (!qvr) {
        // The conversion header: texts of slots 1-3, 9-12, 5-8, the start block, slot 4 raw, ...
        Bytes header = "RIXAS1S2S3S9SASBSCS5S6S7S8"
                       "0000003648";
        header += Bytes("LOADER") + Bytes(10, '\0') + "S" + "DATNNRRR" + Bytes(2, '\0') + "x";
        c.fileAfter.replace(22, header.size(), header);
    }
    return c;
}

Bytes UploadImage() {
    // Two and a half blocks: the last one goes out zero-padded (and is not announced by QVR).
    return BlockData(7) + BlockData(8) + BlockData(9, 512);
}

Conversation QvrUpload(const std::string& eol) {
    Conversation c;
    const Bytes image = UploadImage();
    c.fileAfter = ChannelFile(image);
    c.steps.push_back({"DOWN_CONNECT" + eol, ""});
    c.steps.push_back({"REQUEST_VERSION:" + kQvrVersion + eol, "ack"});
    c.steps.push_back({"REQUEST_START_BLOCK" + eol, "q3648r"});
    c.steps.push_back({"REQUEST_BLOCK" + eol, "a0002b"});
    c.steps.push_back({"REQUEST_DOWNLOAD" + eol, ""});
    unsigned total = 0;
    for (int k = 0; k < 2; ++k) {
        const Bytes data = image.substr(static_cast<std::size_t>(k) * 1024, 1024);
        const unsigned sum = Sum(data);
        total += sum;
        // Byte order flag clear: high byte first.
        const Bytes checksum{static_cast<char>((sum >> 8) & 0xFF), static_cast<char>(sum & 0xFF)};
        c.steps.push_back({Numbered("REQUEST_1024DOWN:", k, eol.c_str()), data + checksum});
        c.steps.push_back({Numbered("1024DOWN_SUCCESS:", k, eol.c_str()), ""});
    }
    c.steps.push_back({"REQUEST_TOTALCRC" + eol, Bytes{'a', static_cast<char>(total & 0xFF), 'b'}});
    c.steps.push_back({"FLASH_WRITE" + eol, ""});
    c.steps.push_back({"UPGRADE_SUCCESS" + eol, ""});
    c.finalState = kStateSendSucceeded;
    return c;
}

Conversation StUpload(const std::string& eol) {
    Conversation c;
    const Bytes image = UploadImage();
    c.fileAfter = ChannelFile(image);
    c.steps.push_back({"REQUEST_V100" + eol, ""});
    c.steps.push_back({"BL_FLASH_INFO" + eol + Bytes(33, '7') + "BL_FLASH_END" + eol, "DATNN"});
    c.steps.push_back({"ACK" + eol, ""});
    c.steps.push_back({"REQUEST_VERSION: " + kStVersion + eol, "ack"});
    c.steps.push_back({"REQUEST_START_BLOCK" + eol, "3648"});
    c.steps.push_back({"REQUEST_BLOCK" + eol, "0003"});
    c.steps.push_back({"REQUEST_DOWNLOAD" + eol, ""});
    Bytes all;
    for (int k = 0; k < 3; ++k) {
        Bytes data = image.substr(static_cast<std::size_t>(k) * 1024, 1024);
        data.resize(1024, '\0');
        all += data;
        c.steps.push_back({Numbered("REQUEST_1024DOWN:", k, eol.c_str()), data + Sum8(data)});
        c.steps.push_back({Numbered("1024DOWN_SUCCESS:", k, eol.c_str()), ""});
    }
    c.steps.push_back({"REQUEST_TOTALCRC" + eol, Sum8(all)});
    c.steps.push_back({"DOWN_SUCCESS" + eol, ""});
    c.steps.push_back({"4096FLASH_WRITE" + eol, ""});
    c.steps.push_back({"UPGRADE_SUCCESS" + eol, ""});
    c.finalState = kStateSendSucceeded;
    return c;
}

} // namespace

Conversation MakeConversation(Family family, Direction direction, const std::string& eol) {
    if (direction == Direction::Download)
        return Download(family, eol);
    return family == Family::Qvr ? QvrUpload(eol) : StUpload(eol);
}

void ParserTest::SetUp() {
    ASSERT_TRUE(dir.isValid());
}

std::string ParserTest::Path(const std::string& name) const {
    return dir.filePath(QString::fromStdString(name)).toStdString();
}

} // namespace parsertest
