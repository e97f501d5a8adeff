#include "stbsim/SimLink.h"

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <thread>

namespace stbsim {

namespace {

bool MakeRaw(int fd) {
    termios settings{};
    if (tcgetattr(fd, &settings) != 0)
        return false;
    cfmakeraw(&settings);
    return tcsetattr(fd, TCSANOW, &settings) == 0;
}

std::string Errno(const char* what) {
    return std::string(what) + ": " + std::strerror(errno);
}

} // namespace

std::unique_ptr<SimLink> SimLink::Open(const SimOptions& options, std::string* error) {
    if (!options.device.empty()) {
        const int fd = ::open(options.device.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
        if (fd < 0) {
            *error = Errno(options.device.c_str());
            return nullptr;
        }
        MakeRaw(fd);
        return std::unique_ptr<SimLink>(new SimLink(fd, -1, options.device, options));
    }
    const int master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) {
        *error = Errno("pseudo-terminal");
        if (master >= 0)
            ::close(master);
        return nullptr;
    }
    const std::string path = ptsname(master);
    // Holding the far end open keeps the pseudo-terminal alive between the PC's sessions, and
    // raw mode there means no echo and no line editing before the PC sets its own mode.
    const int keepAlive = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (keepAlive < 0 || !MakeRaw(keepAlive)) {
        *error = Errno(path.c_str());
        ::close(master);
        if (keepAlive >= 0)
            ::close(keepAlive);
        return nullptr;
    }
    return std::unique_ptr<SimLink>(new SimLink(master, keepAlive, path, options));
}

SimLink::SimLink(int fd, int keepAlive, std::string path, const SimOptions& options)
    : fd_(fd), keepAlive_(keepAlive), path_(std::move(path)), chunkMax_(options.chunkMax),
      baud_(options.baud), random_(options.seed), lineFree_(std::chrono::steady_clock::now()) {}

SimLink::~SimLink() {
    ::close(fd_);
    if (keepAlive_ >= 0)
        ::close(keepAlive_);
}

void SimLink::Pace(std::size_t bytes) {
    if (baud_ <= 0)
        return;
    // Ten bit times per byte: a start bit, eight data bits, a stop bit.
    const auto now = std::chrono::steady_clock::now();
    lineFree_ = std::max(lineFree_, now) +
                std::chrono::microseconds(static_cast<long long>(bytes) * 10'000'000 / baud_);
    std::this_thread::sleep_until(lineFree_);
}

void SimLink::Write(std::string_view bytes) {
    while (!bytes.empty() && !Stopped()) {
        std::size_t chunk = bytes.size();
        if (chunkMax_ > 0) {
            chunk = std::min<std::size_t>(
                chunk, std::uniform_int_distribution<int>(1, chunkMax_)(random_));
            // A short gap, so the chunks reach the PC as separate reads.
            std::this_thread::sleep_for(std::chrono::microseconds(300));
        }
        Pace(chunk);
        const ssize_t written = ::write(fd_, bytes.data(), chunk);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            if (errno != EAGAIN)
                return;
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
            continue;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

bool SimLink::Fill(int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!Stopped()) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        pollfd fd{fd_, POLLIN, 0};
        // Short slices keep a stop request from waiting out a long time-out.
        const int slice = static_cast<int>(std::clamp<long long>(left.count(), 0, 50));
        const int ready = ::poll(&fd, 1, slice);
        if (ready > 0 && (fd.revents & POLLIN) != 0) {
            char chunk[4096];
            const ssize_t n = ::read(fd_, chunk, sizeof chunk);
            if (n > 0) {
                Pace(static_cast<std::size_t>(n));
                input_.append(chunk, static_cast<std::size_t>(n));
                return true;
            }
        }
        if (ready > 0 && (fd.revents & POLLIN) == 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        if (left.count() <= 0)
            return false;
    }
    return false;
}

std::optional<std::string> SimLink::ReadLine(int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        // Knocks and the zero bytes of a line settling are not text.
        const auto start = input_.find_first_not_of(std::string_view("\r\n\x1F\0", 4));
        if (start == std::string::npos) {
            input_.clear();
        } else {
            input_.erase(0, start);
            const auto end = input_.find_first_of("\r\n");
            if (end != std::string::npos) {
                std::string line = input_.substr(0, end);
                input_.erase(0, end + 1);
                return line;
            }
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0 || !Fill(static_cast<int>(left.count())))
            return std::nullopt;
    }
}

bool SimLink::WaitFor(std::string_view token, int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        if (const auto at = input_.find(token); at != std::string::npos) {
            input_.erase(0, at + token.size());
            return true;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0 || !Fill(static_cast<int>(left.count())))
            return false;
    }
}

std::optional<std::string> SimLink::ReadExact(std::size_t n, int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (input_.size() < n) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0 || !Fill(static_cast<int>(left.count())))
            return std::nullopt;
    }
    std::string bytes = input_.substr(0, n);
    input_.erase(0, n);
    return bytes;
}

void SimLink::DrainUntilQuiet(int quietMs) {
    input_.clear();
    while (Fill(quietMs))
        input_.clear();
}

void SimLink::Sleep(int ms) const {
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (!Stopped() && std::chrono::steady_clock::now() < until)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
}

} // namespace stbsim
