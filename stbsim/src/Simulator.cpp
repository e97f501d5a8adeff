#include "stbsim/Simulator.h"

#include <cstdio>
#include <string_view>

namespace stbsim {

namespace {
constexpr std::string_view kAccessCode = "37604925";
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
        if (Offering() && options_.offer == Offer::Prompt) {
            result = QvrReceive();
        } else if (Offering() && options_.offer == Offer::Knock) {
            result = StReceive();
        } else if (link_.Fill(100)) {
            std::string& input = link_.Input();
            const auto code = input.find(kAccessCode);
            if (input.find('\x1F') != std::string::npos) {
                result = options_.family == Family::Qvr ? QvrSend() : StSend();
            } else if (code != std::string::npos &&
                       input.find_first_of("\r\n", code) != std::string::npos) {
                result = QvrReceive();
            } else if (input.size() > 256) {
                input.erase(0, input.size() - 64);
            }
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

bool Simulator::Offering() const {
    return options_.offer != Offer::None && (!options_.offerAfterSend || wasSent_);
}

} // namespace stbsim
