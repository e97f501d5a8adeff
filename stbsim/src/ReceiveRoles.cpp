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
        if (*line == wanted) return true;
    return false;
}

} // namespace

SessionResult Simulator::QvrReceive() {
    const SessionKind kind = SessionKind::QvrReceive;
    m_link.Input().clear();
    // Prompt until the PC answers; a receiver that begins by itself keeps prompting.
    bool answered = false;
    for (int tries = 0; !answered && !m_link.Stopped() && (m_options.offer == Offer::Prompt || tries < 5); ++tries) {
        SendLine("PROMPT>");
        answered = ExpectLine(m_link, "CHHOST", 1000);
    }
    if (!answered) return {kind, false, "no host command"};
    m_link.Write(std::string("\xAA" "0000\x22") + m_options.eol);
    if (!ExpectLine(m_link, "REQUEST_VERSION:", kReplyMs)) return {kind, false, "no version request"};
    SendLine("REQUEST_VERSION:" + kQvrVersion);
    if (!ExpectLine(m_link, "REQUEST_START_BLOCK", kReplyMs)) return {kind, false, "no start-block request"};
    char mark[16];
    std::snprintf(mark, sizeof mark, "q%04dr", m_options.startBlock % 10000);
    m_link.Write(mark);
    if (!ExpectLine(m_link, "REQUEST_BLOCK", kReplyMs)) return {kind, false, "no block-count request"};
    std::snprintf(mark, sizeof mark, "a%04db", AnnouncedBlocks() % 10000);
    m_link.Write(mark);
    std::string note;
    const bool done = ServeBlocks(&note);
    return {kind, done, note};
}

SessionResult Simulator::StReceive() {
    const SessionKind kind = SessionKind::StReceive;
    m_link.Input().clear();
    bool answered = false;
    while (!answered && !m_link.Stopped()) {
        m_link.Write("\x1F");
        answered = m_link.WaitFor("REQUEST_V", 500);
    }
    if (!answered || !m_link.WaitFor("BL_FLASH_END", kReplyMs)) return {kind, false, "no flash information"};
    m_link.Write("DATNN");
    if (!m_link.WaitFor("REQUEST_MODEL_INFO", kReplyMs)) return {kind, false, "no model request"};
    SendLine("REQUEST_VERSION:" + kStVersion);
    if (!ExpectLine(m_link, "REQUEST_START_BLOCK", kReplyMs)) return {kind, false, "no start-block request"};
    m_link.Write(WidthNumber(m_options.startBlock));
    if (!ExpectLine(m_link, "REQUEST_BLOCK", kReplyMs)) return {kind, false, "no block-count request"};
    m_link.Write(WidthNumber(AnnouncedBlocks()));
    std::string note;
    const bool done = ServeBlocks(&note);
    return {kind, done, note};
}

int Simulator::AnnouncedBlocks() const {
    return m_options.announceBlocks >= 0 ? m_options.announceBlocks : static_cast<int>(m_image.size() / 1024);
}

void Simulator::FloodNoise() {
    std::mt19937 random(m_options.seed);
    std::string noise(64, '\0');
    while (!m_link.Stopped()) {
        for (char& byte : noise) byte = static_cast<char>(random() & 0xFF);
        m_link.Write(noise);
        m_link.Sleep(2);
    }
}

bool Simulator::ServeBlocks(std::string* note) {
    const int blocks = static_cast<int>(m_image.size() / 1024);
    while (const auto line = m_link.ReadLine(30000)) {
        if (*line == "DOWN_SUCCESS") return true;
        if (*line == "RESPONSE_DOWNLOAD_FAIL") {
            *note = "the PC cancelled";
            return false;
        }
        if (line->rfind("REQUEST_1024DOWN:", 0) != 0) continue;
        const int k = std::atoi(line->c_str() + 17);
        if (k == m_options.silentBlock && !m_silenced) {
            // Deaf and mute for a while: what the PC sends meanwhile is lost.
            m_silenced = true;
            m_link.Sleep(m_options.silentMs);
            m_link.DrainUntilQuiet(50);
            continue;
        }
        if (m_options.noiseFlood) {
            FloodNoise();
            *note = "flooded the line";
            return false;
        }
        if (k >= 0 && k < blocks) SendBlock(k);
    }
    *note = "the PC went silent";
    return false;
}

void Simulator::SendBlock(int k) {
    std::string block = m_image.substr(static_cast<std::size_t>(k) * 1024, 1024);
    unsigned sum = 0;
    for (char byte : block) sum += static_cast<unsigned char>(byte);
    block += static_cast<char>(sum & 0xFF);
    if (m_options.checksumSize == 2) block += static_cast<char>((sum >> 8) & 0xFF);
    if (m_options.alwaysBadChecksum || (k == m_options.corruptBlock && !m_corrupted)) {
        m_corrupted = true;
        block[1024] = static_cast<char>(block[1024] ^ 0x5A);
    }
    m_link.Write(block);
    if (m_options.garbageEvery > 0 && (k + 1) % m_options.garbageEvery == 0)
        SendLine("TargetInfo:> heap 0x" + std::to_string(k * 7919) + " ~~ noise " + std::to_string(k));
}

} // namespace stbsim
