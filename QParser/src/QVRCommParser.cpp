#include "qparser/QVRCommParser.h"

#include "LineText.h"
#include "utils/Report.h"

#include <cstdio>
#include <cstring>

using qparser::BeginsWith;
using qparser::Contains;
using qparser::EndsWith;

namespace {

constexpr int kQvrSlots[17] = {9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 4, 5, 6, 7, 1, 2, 3};

/// A mark of the form <open> four digits <close>: its length 6, 0 while it may still become one,
/// -1 when it is not one.
int MatchMark(std::string_view bytes, char open, char close) {
    if (bytes.empty() || bytes[0] != open)
        return -1;
    for (std::size_t i = 1; i < 6; ++i) {
        if (i >= bytes.size())
            return 0;
        const bool digit = bytes[i] >= '0' && bytes[i] <= '9';
        if (i < 5 ? !digit : bytes[i] != close)
            return -1;
    }
    return 6;
}

void Inform(const char* text) {
    utils::Report(utils::ReportLevel::Information, text);
}

} // namespace

int CQVRCommParser::ParsingRequestVersion(char* text) {
    if (text == nullptr)
        return 0;
    return StoreVersionFields(text, kQvrSlots, 17);
}

QPResult_Tag CQVRCommParser::ParsingData4Download(const unsigned char* data, int length, int) {
    return RunStep(data, length, [this](QPResult_Tag& r) { return DownloadRule(r); });
}

std::vector<std::string_view> CQVRCommParser::ReceiveEndWords() const {
    return {"DOWN_SUCCESS\r"};
}

int CQVRCommParser::DownloadRule(QPResult_Tag& result) {
    const Line line = FirstLine();
    const std::string_view text = line.text;
    if (line.complete && EndsWith(text, "PROMPT>")) {
        if (state_ != kStatePromptSeen) {
            state_ = kStatePromptSeen;
            result.AddCommand("CHHOST\r\n");
        }
        return line.length;
    }
    const std::string_view mark(reinterpret_cast<const char*>(kReadyMark), sizeof kReadyMark);
    if (BeginsWith(text, mark)) {
        if (!line.complete)
            return 0;
        state_ = kStateVersionRequested;
        result.AddCommand("REQUEST_VERSION:\r\n");
        return line.length;
    }
    if (const auto at = text.find("ack"); at != std::string_view::npos) {
        state_ = kStateStartBlockRequested;
        result.AddCommand("REQUEST_START_BLOCK\r");
        return static_cast<int>(at) + 3;
    }
    if (const auto at = text.find("REQUEST_VERSION:"); at != std::string_view::npos) {
        if (!line.complete)
            return 0;
        char version[kVersionTextSize];
        qparser::CopyVersionText(text, at + 16, version);
        if (ParsingRequestVersion(version) == 1) {
            facts_.version = version + std::strspn(version, ",\t\r\n");
            state_ = kStateStartBlockRequested;
            result.AddCommand("REQUEST_START_BLOCK\r");
        }
        return line.length;
    }
    const std::string_view bytes = Buffered();
    if (const int start = MatchMark(bytes, 'q', 'r'); start >= 0) {
        if (start == 0)
            return 0;
        state_ = kStateBlockCountRequested;
        result.AddCommand("REQUEST_BLOCK\r");
        return start;
    }
    if (const int count = MatchMark(bytes, 'a', 'b'); count >= 0) {
        if (count == 0)
            return 0;
        const int blocks = qparser::DigitsValue(bytes.substr(1), 4);
        facts_.requestBlock = blocks;
        BeginBlocks(blocks, result);
        return count;
    }
    return line.complete ? line.length : 0;
}

QPResult_Tag CQVRCommParser::ParsingData4Upload(const unsigned char* data, int length, int) {
    return RunStep(data, length, [this](QPResult_Tag& r) { return UploadRule(r); });
}

int CQVRCommParser::UploadRule(QPResult_Tag& result) {
    const Line line = FirstLine();
    const std::string_view text = line.text;
    if (BeginsWith(text, "DOWN_CONNECT")) {
        state_ = kStateReceiverConnected;
        // Code 2 without a command: it only tells the caller to stop knocking.
        if (result.resultCode < kQPCommands)
            result.resultCode = kQPCommands;
        return 12;
    }
    if (const auto at = text.find("REQUEST_VERSION:"); at != std::string_view::npos) {
        if (!line.complete)
            return 0;
        char version[kVersionTextSize];
        qparser::CopyVersionText(text, at + 16, version);
        if (ParsingRequestVersion(version) == 1) {
            state_ = kStateVersionAnswered;
            result.AddCommand("ack");
        }
        return line.length;
    }
    if (line.complete && EndsWith(text, "REQUEST_START_BLOCK")) {
        char reply[32];
        std::snprintf(reply, sizeof reply, "q%4.4dr", startBlock_);
        state_ = kStateBlockCountRequested;
        result.AddCommand(reply);
        return line.length;
    }
    if (const auto at = text.find("REQUEST_BLOCK"); at != std::string_view::npos) {
        char reply[32];
        std::snprintf(reply, sizeof reply, "a%4.4db", UploadBlockCount(false));
        state_ = kStateBlockCountSent;
        flashWritten_ = 0;
        result.AddCommand(reply);
        return static_cast<int>(at) + 13;
    }
    if (line.complete && text == "REQUEST_DOWNLOAD") {
        state_ = kStateDownloadAsked;
        return line.length;
    }
    if (Contains(text, "1024DOWN_SUCCESS:") || Contains(text, "1024DOWN_ERR:")) {
        state_ = kStateBlocksSending; // no reply: the receiver follows with its next request
        return line.complete ? line.length : 0;
    }
    if (const auto at = text.find("REQUEST_1024DOWN:"); at != std::string_view::npos) {
        if (!line.complete)
            return 0;
        const int k = GetParamNo(text.substr(at));
        if (k < 0)
            return line.length;
        if (!AnswerBlockRequest(k, 2, result))
            return 0;
        state_ = kStateBlocksSending;
        return line.length;
    }
    if (line.complete && text == "REQUEST_TOTALCRC") {
        const unsigned char reply[3] = {'a', TotalChecksum(), 'b'};
        state_ = kStateAllDataSent;
        result.AddCommand(reply, 3);
        return line.length;
    }
    if (const int consumed = UploadStatusRule(line); consumed > 0)
        return consumed;
    return line.complete ? line.length : 0;
}

int CQVRCommParser::UploadStatusRule(const Line& line) {
    const std::string_view text = line.text;
    if (line.complete) {
        struct Word {
            const char* text;
            int state; ///< -1: unchanged
            const char* notice;
        };
        static const Word words[] = {
            {"DOWN_SUCCESS", kStateAllDataSent, nullptr},
            {"RAMCRC_SUCCESS", -1, "PC_RAMCRC_SUCCESS"},
            {"FLASHCRC_SUCCESS", -1, "PC_FLASHCRC_SUCCESS"},
            {"FLASH_WRITE", kStateFlashWriting, nullptr},
            {"64KFLASH_WRITE", kStateFlashWriting, nullptr},
            {"4096FLASH_WRITE", kStateAllDataSent, nullptr},
            {"UPGRADE_SUCCESS", kStateSendSucceeded, nullptr},
            {"RESPONSE_DOWNLOAD_FAIL", kStateSendFailed, nullptr},
        };
        for (const Word& word : words) {
            if (text != word.text)
                continue;
            if (text == "DOWN_SUCCESS" || text == "FLASH_WRITE")
                flashWritten_ = 0;
            if (text == "64KFLASH_WRITE")
                flashWritten_ += 64;
            if (word.state >= 0)
                state_ = static_cast<std::uint8_t>(word.state);
            if (word.notice != nullptr)
                Inform(word.notice);
            return line.length;
        }
    }
    // Words the receiver may not end with a line end: each is acted on once, then consumed.
    struct Prefix {
        std::string_view text;
        const char* notice;
    };
    static constexpr Prefix prefixes[] = {
        {"SEND_DECODE_SIZE", "PC_SIZESEND_DCODEBLOCK"},
        {"BAD CRC : Flash image !!", "PC_FLASHCRC_BAD"},
        {"NO_ACKNOWLEDGE with PC.", "PC_NO_ACKNOWLEDGE"},
    };
    for (const Prefix& prefix : prefixes) {
        if (!BeginsWith(text, prefix.text))
            continue;
        Inform(prefix.notice);
        return static_cast<int>(prefix.text.size());
    }
    return 0;
}
