// chanforge-stbsim: a virtual receiver to try Chanforge, and the peer of its transfer tests.
#include "stbsim/SimLink.h"
#include "stbsim/Simulator.h"

#include <atomic>
#include <csignal>
#include <cstdio>
#include <string>
#include <vector>

namespace {
std::atomic<bool> stopRequested{false};
void OnSignal(int) {
    stopRequested = true;
}
} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> arguments(argv + 1, argv + argc);
    for (const std::string& argument : arguments) {
        if (argument == "-h" || argument == "--help") {
            std::fputs(stbsim::SimUsage().c_str(), stdout);
            return 0;
        }
    }
    std::string error;
    const auto options = stbsim::ParseSimOptions(arguments, &error);
    if (!options) {
        std::fprintf(stderr, "chanforge-stbsim: %s\n%s", error.c_str(), stbsim::SimUsage().c_str());
        return 2;
    }
    const auto link = stbsim::SimLink::Open(*options, &error);
    if (!link) {
        std::fprintf(stderr, "chanforge-stbsim: %s\n", error.c_str());
        return 1;
    }
    stbsim::Simulator simulator(*options, *link);
    if (simulator.ServedImage().empty())
        return 1; // the reason is printed
    std::signal(SIGINT, OnSignal);
    std::signal(SIGTERM, OnSignal);
    std::printf("%s\n", link->Path().c_str());
    std::fflush(stdout);
    simulator.Serve(stopRequested);
    // Closing the line at once could cut off the last reply before the PC has read it.
    link->Sleep(1000);
    for (const stbsim::SessionResult& session : simulator.Sessions())
        if (!session.completed)
            return 1;
    return 0;
}
