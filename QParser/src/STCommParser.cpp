#include "qparser/STCommParser.h"

#include "LineText.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

using qparser::BeginsWith;
using qparser::Contains;

namespace {

constexpr int kStSlots[12] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
constexpr unsigned char kKnock = 0x1F;
/// A flash information block without its end mark within this many bytes is not one.
constexpr int kFlashInfoLimit = 128;

} // namespace

int CSTCommParser::ParsingRequestVersion(char* text) {
    if (text == nullptr)
        return 0;
    return StoreVersionFields(text, kStSlots, 12);
}

std::string CSTCommParser::FlashInfoBlock() {
    return "BL_FLASH_INFO\r\n" + std::string(33, '0') + "\r\nBL_FLASH_END\r\n";
}

std::string CSTCommParser::WidthNumber(int value) const {
    char text[32];
    std::snprintf(text, sizeof text, startBlock_ <= 10000 ? "%04d" : "%05d", value);
    return text;
}

int CSTCommParser::MakeFileConvHeader(unsigned char* destination) const {
    if (destination == nullptr)
        return 0;
    std::string header = "RIXA";
    for (int slot : {1, 2, 3, 9, 10, 11, 12, 5, 6, 7, 8})
        header += GetVersionField(slot);
    char start[24];
    std::snprintf(start, sizeof start, "%010u", static_cast<unsigned>(startBlock_));
    header += start;
    header.append(version_ + 12, 16); // slot 4 with the zero bytes after its text
    header += version_[28];           // first byte of slot 5
    header += "DATNNRRR";
    header.append(2, '\0');
    header += 'x';
    // Long version texts would run past the info block: the header is cut to its room.
    const int length = std::min(static_cast<int>(header.size()), kConvHeaderRoom);
    std::memcpy(destination, header.data(), static_cast<std::size_t>(length));
    return length;
}

bool CSTCommParser::IsLineNoise(unsigned char byte) const {
    // Knocks that cross the reply to the first one are noise once the conversation has begun.
    const bool lateKnock = byte == kKnock && state_ != kStateIdle && state_ != kStatePromptSeen;
    return lateKnock || CCommParser::IsLineNoise(byte);
}

// ---- receive: the receiver sends the database down ----

QPResult_Tag CSTCommParser::ParsingData4Download(const unsigned char* data, int length, int) {
    return RunStep(data, length, [this](QPResult_Tag& r) { return DownloadRule(r); });
}

std::vector<std::string_view> CSTCommParser::ReceiveEndWords() const {
    return {"DOWN_SUCCESS\r", "UPGRADE_SUCCESS\r"};
}

int CSTCommParser::DownloadRule(QPResult_Tag& result) {
    const std::string_view bytes = Buffered();
    if (static_cast<unsigned char>(bytes[0]) == kKnock &&
        (state_ == kStateIdle || state_ == kStatePromptSeen)) {
        if (state_ == kStateIdle) {
            state_ = kStatePromptSeen;
            char request[32];
            std::snprintf(request, sizeof request, "%s%d\r\n", "REQUEST_V", 100);
            result.AddCommand(request);
            result.AddCommand(FlashInfoBlock());
        }
        const auto firstOther = bytes.find_first_not_of(static_cast<char>(kKnock));
        return static_cast<int>(firstOther == std::string_view::npos ? bytes.size() : firstOther);
    }
    const Line line = FirstLine();
    const auto datnn = line.text.find("DATNN");
    const auto ack = line.text.find("ack");
    if (datnn != std::string_view::npos || ack != std::string_view::npos) {
        state_ = kStateStartBlockRequested;
        result.AddCommand("REQUEST_MODEL_INFO");
        return datnn < ack ? static_cast<int>(datnn) + 5 : static_cast<int>(ack) + 3;
    }
    if (const auto at = line.text.find("REQUEST_VERSION:"); at != std::string_view::npos) {
        if (!line.complete)
            return 0;
        char version[kVersionTextSize];
        qparser::CopyVersionText(line.text, at + 16, version);
        if (ParsingRequestVersion(version) == 1) {
            state_ = kStateStartBlockRequested;
            result.AddCommand("REQUEST_START_BLOCK\r");
        }
        return line.length;
    }
    if (const int consumed = DownloadNumberRule(result); consumed != 0)
        return consumed;
    return line.complete ? line.length : 0;
}

int CSTCommParser::DownloadNumberRule(QPResult_Tag& result) {
    if (state_ != kStateStartBlockRequested && state_ != kStateBlockCountRequested)
        return 0;
    const std::string_view bytes = Buffered();
    const int digits = qparser::LeadingDigits(bytes);
    if (digits == 0)
        return 0;
    // The number has no terminator of its own: four digits that end the buffer are taken as
    // the whole reply, as are four or five digits followed by anything else.
    const bool ended = digits < static_cast<int>(bytes.size());
    if (!ended && digits < 4)
        return 0;
    const int width = ended ? digits : std::min(digits, 5);
    if (width < 4 || width > 5)
        return digits; // not a reply of this protocol
    const int number = qparser::DigitsValue(bytes, width);
    if (state_ == kStateStartBlockRequested) {
        facts_.startBlock = number;
        startBlock_ = number;
        state_ = kStateBlockCountRequested;
        result.AddCommand("REQUEST_BLOCK\r");
        return width;
    }
    facts_.requestBlock = number;
    MakeFileConvHeader(info_ + 16);
    BeginBlocks(number, result);
    return width;
}

// ---- send: the file goes up to the receiver ----

QPResult_Tag CSTCommParser::ParsingData4Upload(const unsigned char* data, int length, int) {
    return RunStep(data, length, [this](QPResult_Tag& r) { return UploadRule(r); });
}

int CSTCommParser::FlashInfoRule(QPResult_Tag& result) {
    const std::string_view bytes = Buffered();
    const auto end = bytes.find("BL_FLASH_END");
    if (end != std::string_view::npos) {
        const std::size_t after = end + 12;
        if (after >= bytes.size())
            return 0;
        if (bytes[after] == '\r' || bytes[after] == '\n') {
            state_ = kStateVersionAnswered;
            result.AddCommand("DATNN");
            return static_cast<int>(after) + 1;
        }
    } else if (static_cast<int>(bytes.size()) < kFlashInfoLimit) {
        return 0; // the 33 characters of flash information may still be on their way
    }
    const Line line = FirstLine();
    return line.complete ? line.length : static_cast<int>(bytes.size());
}

int CSTCommParser::UploadRule(QPResult_Tag& result) {
    const Line line = FirstLine();
    const std::string_view text = line.text;
    if (state_ != kStateBlocksSending) {
        if (BeginsWith(Buffered(), "BL_FLASH_INFO"))
            return FlashInfoRule(result);
        if (Contains(text, "REQUEST_V") && !BeginsWith(text, "REQUEST_VERSION:")) {
            if (!line.complete)
                return 0; // it may still turn out to be the version line
            state_ = kStateReceiverConnected;
            return line.length;
        }
        if (BeginsWith(text, "ACK")) {
            state_ = kStateAcknowledged;
            return 3;
        }
        if (BeginsWith(text, "REQUEST_VERSION:")) {
            if (!line.complete)
                return 0;
            char version[kVersionTextSize];
            qparser::CopyVersionText(text, 17, version); // one separator follows the literal
            if (ParsingRequestVersion(version) == 1) {
                state_ = kStateStartBlockRequested;
                result.AddCommand("ack");
            }
            return line.length;
        }
        if (line.complete && text == "REQUEST_START_BLOCK") {
            state_ = kStateBlockCountRequested;
            result.AddCommand(WidthNumber(startBlock_));
            return line.length;
        }
    }
    if (BeginsWith(text, "REQDATA_START_BLOCK")) {
        state_ = kStateBlockCountRequested;
        result.AddCommand(WidthNumber(startBlock_));
        return 19;
    }
    if ((state_ != kStateBlocksSending && BeginsWith(text, "REQUEST_BLOCK")) ||
        BeginsWith(text, "REQDATA_BLOCK")) {
        state_ = kStateBlockCountSent;
        flashWritten_ = 0;
        result.AddCommand(WidthNumber(UploadBlockCount(true)));
        return 13;
    }
    if (!line.complete)
        return 0;
    return UploadBlockRule(line.text, result) < 0 ? 0 : line.length;
}

int CSTCommParser::UploadBlockRule(std::string_view text, QPResult_Tag& result) {
    if (text == "REQUEST_DOWNLOAD") {
        state_ = kStateDownloadAsked;
    } else if (Contains(text, "1024DOWN_SUCCESS:") || Contains(text, "1024DOWN_ERR:")) {
        state_ = kStateBlocksSending;
    } else if (BeginsWith(text, "REQUEST_1024DOWN:") && text.size() >= 18) {
        const int k = GetParamNo(text);
        if (k < 0)
            return 0;
        if (!AnswerBlockRequest(k, 1, result))
            return -1;
        state_ = kStateBlocksSending;
    } else if (text == "REQUEST_TOTALCRC") {
        const unsigned char total = TotalChecksum();
        state_ = kStateAllDataSent;
        result.AddCommand(&total, 1);
    } else if (text == "DOWN_SUCCESS") {
        state_ = kStateAllDataSent;
        flashWritten_ = 0;
    } else if (text == "FLASH_WRITE" || text == "64KFLASH_WRITE") {
        state_ = kStateAllDataSent;
    } else if (text == "4096FLASH_WRITE") {
        flashWritten_ += 4;
        state_ = kStateFlashWriting;
    } else if (text == "UPGRADE_SUCCESS") {
        state_ = kStateSendSucceeded;
    } else if (text == "RESPONSE_DOWNLOAD_FAIL") {
        state_ = kStateSendFailed;
    }
    // Diagnostic words and anything else end here with their line.
    return 0;
}
