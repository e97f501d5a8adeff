#include "stbsim/Simulator.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string_view>

namespace stbsim {

namespace {
constexpr std::string_view kAccessCode = "37604925";
/// How often a receiver that begins by itself prompts while no PC answers.
constexpr int kPromptEveryMs = 1000;

/// Whether the input holds token with a line end after it.
bool HoldsLine(const std::string& input, std::string_view token) {
    const auto at = input.find(token);
    return at != std::string::npos && input.find_first_of("\r\n", at) != std::string::npos;
}
} // namespace

Simulator::Simulator(const SimOptions& options, SimLink& link) : options_(options), link_(link) {
    std::string error;
    image_ = !options.serveFile.empty() ? LoadImage(options.serveFile, &error)
             : options.noiseImage       ? GenerateImage(options.flashBlocks, options.seed)
                                        : SampleFlash(options.model, options.flashBlocks, &error);
    if (!error.empty())
        std::fprintf(stderr, "stbsim: %s\n", error.c_str());
}

void Simulator::Log(const std::string& text) const {
    if (options_.verbose)
        std::fprintf(stderr, "stbsim: %s\n", text.c_str());
}

std::string Simulator::WidthNumber(int value) const {
    char text[16];
    std::snprintf(text, sizeof text, options_.startBlock <= 10000 ? "%04d" : "%05d", value);
    return text;
}

void Simulator::Serve(const std::atomic<bool>& stop) {
    link_.SetStop(&stop);
    const auto due = [&] {
        return !stop &&
               (options_.sessions == 0 || static_cast<int>(sessions_.size()) < options_.sessions);
    };
    while (due()) {
        std::optional<SessionResult> result;
        if (Offering() && options_.offer == Offer::Knock) {
            result = StReceive();
        } else if (Offering()) {
            SendLine("PROMPT>");
            result = AnswerPc(kPromptEveryMs);
        } else {
            result = AnswerPc(100);
        }
        if (!result || stop)
            continue;
        Log(std::string(result->completed ? "conversation complete" : "conversation ended: ") +
            result->note);
        sessions_.push_back(*result);
        link_.Input().clear();
        // A receiver that begins by itself waits before it offers the next receive.
        if (Offering() && due())
            link_.Sleep(2000);
    }
}

std::optional<SessionResult> Simulator::AnswerPc(int waitMs) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
    const auto left = [&until] {
        const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
            until - std::chrono::steady_clock::now());
        return static_cast<int>(std::max<long long>(0, ms.count()));
    };
    do {
        std::string& input = link_.Input();
        // A knock is a PC that sends, whatever the receiver offered meanwhile.
        if (input.find('\x1F') != std::string::npos)
            return options_.family == Family::Qvr ? QvrSend() : StSend();
        if (Offering() && HoldsLine(input, "CHHOST"))
            return QvrReceive(true);
        // While it prompts, the PC's answer to the prompt starts the receive, not the code.
        if (!Offering() && HoldsLine(input, kAccessCode))
            return QvrReceive(false);
        if (input.size() > 256)
            input.erase(0, input.size() - 64);
    } while (link_.Fill(left()));
    return std::nullopt;
}

bool Simulator::Offering() const {
    return options_.offer != Offer::None && (!options_.offerAfterSend || wasSent_);
}

} // namespace stbsim
