// The receiver sends its database: QVR after the access code or its own prompt, ST7100 after
// its knocks are answered.
#include "stbsim/Simulator.h"

#include <cstdio>
#include <cstdlib>
#include <random>

namespace stbsim {

namespace {

constexpr int kReplyMs = 5000;
const std::string kQvrVersion = "QVR2.10,1,0,3,0,2,0,0,1,5,QVR-SIM-5100,A01,B02,C03,101,102,103";
const std::string kStVersion = "S10,S20,S30,ST7100-SIM,S50,S60,S70,S80,S90,SA0,SB0,SC0";

/// Reads lines until one equals wanted; false on time-out.
bool ExpectLine(SimLink& link, const std::string& wanted, int timeoutMs) {
    while (const auto line = link.ReadLine(timeoutMs))
        if (*line == wanted)
            return true;
    return false;
}

} // namespace

SessionResult Simulator::QvrReceive(bool prompted) {
    const SessionKind kind = SessionKind::QvrReceive;
    if (prompted) {
        ExpectLine(link_, "CHHOST", kReplyMs); // takes the answer off the input
    } else {
        link_.Input().clear();
        bool answered = false;
        for (int tries = 0; !answered && !link_.Stopped() && tries < 5; ++tries) {
            SendLine("PROMPT>");
            answered = ExpectLine(link_, "CHHOST", 1000);
        }
        if (!answered)
            return {kind, false, "no host command"};
    }
    link_.Write(std::string("\xAA"
                            "0000\x22") +
                options_.eol);
    if (!ExpectLine(link_, "REQUEST_VERSION:", kReplyMs))
        return {kind, false, "no version request"};
    SendLine("REQUEST_VERSION:" + kQvrVersion);
    if (!ExpectLine(link_, "REQUEST_START_BLOCK", kReplyMs))
        return {kind, false, "no start-block request"};
    char mark[16];
    std::snprintf(mark, sizeof mark, "q%04dr", options_.startBlock % 10000);
    link_.Write(mark);
    if (!ExpectLine(link_, "REQUEST_BLOCK", kReplyMs))
        return {kind, false, "no block-count request"};
    std::snprintf(mark, sizeof mark, "a%04db", AnnouncedBlocks() % 10000);
    link_.Write(mark);
    std::string note;
    const bool done = ServeBlocks(&note);
    return {kind, done, note};
}

SessionResult Simulator::StReceive() {
    const SessionKind kind = SessionKind::StReceive;
    link_.Input().clear();
    bool answered = false;
    while (!answered && !link_.Stopped()) {
        link_.Write("\x1F");
        answered = link_.WaitFor("REQUEST_V", 500);
    }
    if (!answered || !link_.WaitFor("BL_FLASH_END", kReplyMs))
        return {kind, false, "no flash information"};
    link_.Write("DATNN");
    if (!link_.WaitFor("REQUEST_MODEL_INFO", kReplyMs))
        return {kind, false, "no model request"};
    SendLine("REQUEST_VERSION:" + kStVersion);
    if (!ExpectLine(link_, "REQUEST_START_BLOCK", kReplyMs))
        return {kind, false, "no start-block request"};
    link_.Write(WidthNumber(options_.startBlock));
    if (!ExpectLine(link_, "REQUEST_BLOCK", kReplyMs))
        return {kind, false, "no block-count request"};
    link_.Write(WidthNumber(AnnouncedBlocks()));
    std::string note;
    const bool done = ServeBlocks(&note);
    return {kind, done, note};
}

int Simulator::AnnouncedBlocks() const {
    return options_.announceBlocks >= 0 ? options_.announceBlocks
                                        : static_cast<int>(image_.size() / 1024);
}

void Simulator::FloodNoise() {
    std::mt19937 random(options_.seed);
    std::string noise(64, '\0');
    while (!link_.Stopped()) {
        for (char& byte : noise)
            byte = static_cast<char>(random() & 0xFF);
        link_.Write(noise);
        link_.Sleep(2);
    }
}

bool Simulator::ServeBlocks(std::string* note) {
    const int blocks = static_cast<int>(image_.size() / 1024);
    while (const auto line = link_.ReadLine(30000)) {
        if (*line == "DOWN_SUCCESS")
            return true;
        if (*line == "RESPONSE_DOWNLOAD_FAIL") {
            *note = "the PC cancelled";
            return false;
        }
        if (line->rfind("REQUEST_1024DOWN:", 0) != 0)
            continue;
        const int k = std::atoi(line->c_str() + 17);
        if (k == options_.silentBlock && !silenced_) {
            // Deaf and mute for a while: what the PC sends meanwhile is lost.
            silenced_ = true;
            link_.Sleep(options_.silentMs);
            link_.DrainUntilQuiet(50);
            continue;
        }
        if (options_.noiseFlood) {
            FloodNoise();
            *note = "flooded the line";
            return false;
        }
        if (k < 0 || k >= blocks)
            continue;
        SendBlock(k);
        if (k == options_.repeatBlock && !repeated_) {
            // Its own retry, late: the PC's request for the next block waits meanwhile.
            repeated_ = true;
            link_.Sleep(options_.repeatDelayMs);
            SendBlock(k);
        }
    }
    *note = "the PC went silent";
    return false;
}

void Simulator::SendBlock(int k) {
    ++crossings_[k];
    std::string block = image_.substr(static_cast<std::size_t>(k) * 1024, 1024);
    unsigned sum = 0;
    for (char byte : block)
        sum += static_cast<unsigned char>(byte);
    block += static_cast<char>(sum & 0xFF);
    if (options_.checksumSize == 2)
        block += static_cast<char>((sum >> 8) & 0xFF);
    if (options_.alwaysBadChecksum || (k == options_.corruptBlock && !corrupted_)) {
        corrupted_ = true;
        block[1024] = static_cast<char>(block[1024] ^ 0x5A);
    }
    link_.Write(block);
    if (options_.garbageEvery > 0 && (k + 1) % options_.garbageEvery == 0)
        SendLine("TargetInfo:> heap 0x" + std::to_string(k * 7919) + " ~~ noise " +
                 std::to_string(k));
}

} // namespace stbsim
