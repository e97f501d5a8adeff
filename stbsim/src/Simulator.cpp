#include "stbsim/Simulator.h"

#include <cstdio>
#include <string_view>

namespace stbsim {

namespace {
constexpr std::string_view kAccessCode = "37604925";
} // namespace

Simulator::Simulator(const SimOptions& options, SimLink& link) : m_options(options), m_link(link) {
    std::string error;
    m_image = options.serveFile.empty() ? GenerateImage(options.generatedBlocks, options.seed)
                                        : LoadImage(options.serveFile, &error);
    if (!error.empty()) Log(error);
}

void Simulator::Log(const std::string& text) const {
    if (m_options.verbose) std::fprintf(stderr, "stbsim: %s\n", text.c_str());
}

std::string Simulator::WidthNumber(int value) const {
    char text[16];
    std::snprintf(text, sizeof text, m_options.startBlock <= 10000 ? "%04d" : "%05d", value);
    return text;
}

void Simulator::Serve(const std::atomic<bool>& stop) {
    m_link.SetStop(&stop);
    const auto due = [&] {
        return !stop && (m_options.sessions == 0 || static_cast<int>(m_sessions.size()) < m_options.sessions);
    };
    while (due()) {
        std::optional<SessionResult> result;
        if (Offering() && m_options.offer == Offer::Prompt) {
            result = QvrReceive();
        } else if (Offering() && m_options.offer == Offer::Knock) {
            result = StReceive();
        } else if (m_link.Fill(100)) {
            std::string& input = m_link.Input();
            const auto code = input.find(kAccessCode);
            if (input.find('\x1F') != std::string::npos) {
                result = m_options.family == Family::Qvr ? QvrSend() : StSend();
            } else if (code != std::string::npos &&
                       input.find_first_of("\r\n", code) != std::string::npos) {
                result = QvrReceive();
            } else if (input.size() > 256) {
                input.erase(0, input.size() - 64);
            }
        }
        if (!result || stop) continue;
        Log(std::string(result->completed ? "conversation complete" : "conversation ended: ") + result->note);
        m_sessions.push_back(*result);
        m_link.Input().clear();
        // A receiver that begins by itself waits before it offers the next receive.
        if (Offering() && due()) m_link.Sleep(2000);
    }
}

bool Simulator::Offering() const {
    return m_options.offer != Offer::None && (!m_options.offerAfterSend || m_wasSent);
}

} // namespace stbsim
