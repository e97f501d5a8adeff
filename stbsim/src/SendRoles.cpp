// The receiver is sent a database: it asks for every block, checks it and writes the image.
#include "stbsim/Simulator.h"

#include <cctype>
#include <cstdio>

namespace stbsim {

namespace {

constexpr int kReplyMs = 5000;
constexpr int kAttempts = 6;
const std::string kQvrVersion = "QVR2.10,1,0,3,0,2,0,0,1,5,QVR-SIM-5100,A01,B02,C03,101,102,103";
const std::string kStVersion = "S10,S20,S30,ST7100-SIM,S50,S60,S70,S80,S90,SA0,SB0,SC0";

/// <open> four digits <close> anywhere in the input: the number, or -1 on time-out.
int ReadMark(SimLink& link, char open, char close, int timeoutMs) {
    do {
        std::string& input = link.Input();
        for (std::size_t at = 0; at + 6 <= input.size(); ++at) {
            if (input[at] != open || input[at + 5] != close)
                continue;
            int value = 0;
            bool digits = true;
            for (std::size_t i = at + 1; i < at + 5; ++i) {
                digits = digits && std::isdigit(static_cast<unsigned char>(input[i]));
                value = value * 10 + (input[i] - '0');
            }
            if (!digits)
                continue;
            input.erase(0, at + 6);
            return value;
        }
    } while (link.Fill(timeoutMs));
    return -1;
}

std::string Numbered(const char* prefix, int number) {
    char text[48];
    std::snprintf(text, sizeof text, "%s%04d", prefix, number);
    return text;
}

} // namespace

int Simulator::ReadNumber(int timeoutMs) {
    std::string& input = link_.Input();
    for (;;) {
        const auto first = input.find_first_of("0123456789");
        if (first != std::string::npos) {
            input.erase(0, first);
            std::size_t digits = 0;
            while (digits < input.size() && std::isdigit(static_cast<unsigned char>(input[digits])))
                ++digits;
            // The number has no terminator: after four digits a fifth may follow at once.
            if (digits >= 5 || (digits == 4 && !link_.Fill(30))) {
                const std::size_t width = digits >= 5 ? 5 : 4;
                const int value = std::stoi(input.substr(0, width));
                input.erase(0, width);
                return value;
            }
            if (digits == 4)
                continue;
        }
        if (!link_.Fill(timeoutMs))
            return -1;
    }
}

bool Simulator::ChecksumMatches(const std::string& data, std::string_view checksum) const {
    unsigned sum = 0;
    for (char byte : data)
        sum += static_cast<unsigned char>(byte);
    const auto low = static_cast<unsigned char>(sum & 0xFF);
    const auto high = static_cast<unsigned char>((sum >> 8) & 0xFF);
    const auto first = static_cast<unsigned char>(checksum[0]);
    if (checksum.size() == 1)
        return first == low;
    const auto second = static_cast<unsigned char>(checksum[1]);
    return options_.bigEndian ? first == low && second == high : first == high && second == low;
}

std::string Simulator::TakeBlocks(int n, int checksumBytes, std::string* note) {
    std::string image;
    for (int k = 0; k < n; ++k) {
        bool taken = false;
        const int attempts = k == options_.repeatRequest ? 1000000 : kAttempts;
        for (int attempt = 0; attempt < attempts && !taken && !link_.Stopped(); ++attempt) {
            SendLine(Numbered("REQUEST_1024DOWN:", k));
            const auto block =
                link_.ReadExact(1024 + static_cast<std::size_t>(checksumBytes), kReplyMs);
            if (!block)
                continue;
            ++crossings_[k];
            if (k == options_.silentBlock && !silenced_) {
                // Busy for a while: the repeated blocks that arrive meanwhile are lost.
                silenced_ = true;
                link_.Sleep(options_.silentMs);
                link_.DrainUntilQuiet(100);
            }
            const std::string data = block->substr(0, 1024);
            bool good = ChecksumMatches(data, std::string_view(*block).substr(1024));
            if (good && k == options_.corruptBlock && !corrupted_) {
                corrupted_ = true; // a line error, once
                good = false;
            }
            if (!good) {
                link_.DrainUntilQuiet(100);
                SendLine(Numbered("1024DOWN_ERR:", k));
                continue;
            }
            if (k == options_.repeatRequest)
                continue; // asks for it again as if it never came
            image += data;
            SendLine(Numbered("1024DOWN_SUCCESS:", k));
            if (options_.garbageEvery > 0 && (k + 1) % options_.garbageEvery == 0)
                SendLine("TargetInfo:> wrote block " + std::to_string(k) + " ~~ noise");
            taken = true;
        }
        if (!taken) {
            *note = "block " + std::to_string(k) + " never arrived whole";
            return {};
        }
    }
    return image;
}

SessionResult Simulator::FinishSend(SessionKind kind, std::string image, bool totalRight) {
    if (options_.failSend || !totalRight) {
        SendLine("RESPONSE_DOWNLOAD_FAIL");
        return {kind, false, totalRight ? "failing as asked" : "total checksum wrong"};
    }
    const int blocks = static_cast<int>(image.size() / 1024);
    if (kind == SessionKind::QvrSend) {
        SendLine("FLASH_WRITE");
        for (int written = 64; written <= blocks; written += 64)
            SendLine("64KFLASH_WRITE");
    } else {
        SendLine("DOWN_SUCCESS");
        for (int written = 4; written <= blocks; written += 4)
            SendLine("4096FLASH_WRITE");
    }
    const auto damaged = static_cast<std::size_t>(options_.storeCorruptBlock) * 1024 +
                         static_cast<std::size_t>(options_.storeCorruptOffset);
    if (options_.storeCorruptBlock >= 0 && damaged < image.size())
        image[damaged] = static_cast<char>(~image[damaged]); // a flash cell that did not take it
    if (!options_.storeFile.empty() && !StoreImage(options_.storeFile, image))
        return {kind, false, "cannot write " + options_.storeFile};
    // Its flash holds the image now, and beyond it what it held before: the next receive
    // sends both.
    if (image.size() < image_.size())
        image_.replace(0, image.size(), image);
    else
        image_ = std::move(image);
    wasSent_ = true;
    SendLine("UPGRADE_SUCCESS");
    return {kind, true, std::to_string(blocks) + " blocks written"};
}

namespace {
unsigned Sum8(const std::string& bytes) {
    unsigned sum = 0;
    for (char byte : bytes)
        sum += static_cast<unsigned char>(byte);
    return sum & 0xFF;
}
} // namespace

SessionResult Simulator::QvrSend() {
    const SessionKind kind = SessionKind::QvrSend;
    link_.Input().clear();
    SendLine("DOWN_CONNECT");
    SendLine("REQUEST_VERSION:" + kQvrVersion);
    if (!link_.WaitFor("ack", kReplyMs))
        return {kind, false, "version not acknowledged"};
    SendLine("REQUEST_START_BLOCK");
    if (ReadMark(link_, 'q', 'r', kReplyMs) < 0)
        return {kind, false, "no start block"};
    SendLine("REQUEST_BLOCK");
    const int blocks = ReadMark(link_, 'a', 'b', kReplyMs);
    if (blocks < 0)
        return {kind, false, "no block count"};
    SendLine("REQUEST_DOWNLOAD");
    std::string note;
    const std::string image = TakeBlocks(blocks, 2, &note);
    if (image.size() != static_cast<std::size_t>(blocks) * 1024)
        return {kind, false, note};
    SendLine("REQUEST_TOTALCRC");
    const auto total = link_.WaitFor("a", kReplyMs) ? link_.ReadExact(2, kReplyMs) : std::nullopt;
    if (!total || (*total)[1] != 'b')
        return {kind, false, "no total checksum"};
    return FinishSend(kind, image, static_cast<unsigned char>((*total)[0]) == Sum8(image));
}

SessionResult Simulator::StSend() {
    const SessionKind kind = SessionKind::StSend;
    link_.Input().clear();
    SendLine("REQUEST_V100");
    link_.Write("BL_FLASH_INFO" + options_.eol + std::string(33, '5') + "BL_FLASH_END" +
                options_.eol);
    if (!link_.WaitFor("DATNN", kReplyMs))
        return {kind, false, "flash information not answered"};
    SendLine("ACK");
    SendLine("REQUEST_VERSION: " + kStVersion);
    if (!link_.WaitFor("ack", kReplyMs))
        return {kind, false, "version not acknowledged"};
    SendLine("REQUEST_START_BLOCK");
    if (ReadNumber(kReplyMs) < 0)
        return {kind, false, "no start block"};
    SendLine("REQUEST_BLOCK");
    const int blocks = ReadNumber(kReplyMs);
    if (blocks < 0)
        return {kind, false, "no block count"};
    SendLine("REQUEST_DOWNLOAD");
    std::string note;
    const std::string image = TakeBlocks(blocks, 1, &note);
    if (image.size() != static_cast<std::size_t>(blocks) * 1024)
        return {kind, false, note};
    SendLine("REQUEST_TOTALCRC");
    const auto total = link_.ReadExact(1, kReplyMs);
    if (!total)
        return {kind, false, "no total checksum"};
    return FinishSend(kind, image, static_cast<unsigned char>((*total)[0]) == Sum8(image));
}

} // namespace stbsim
