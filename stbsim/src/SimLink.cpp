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
    if (tcgetattr(fd, &settings) != 0) return false;
    cfmakeraw(&settings);
    return tcsetattr(fd, TCSANOW, &settings) == 0;
}

std::string Errno(const char* what) { return std::string(what) + ": " + std::strerror(errno); }

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
        if (master >= 0) ::close(master);
        return nullptr;
    }
    const std::string path = ptsname(master);
    // Holding the far end open keeps the pseudo-terminal alive between the PC's sessions, and
    // raw mode there means no echo and no line editing before the PC sets its own mode.
    const int keepAlive = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (keepAlive < 0 || !MakeRaw(keepAlive)) {
        *error = Errno(path.c_str());
        ::close(master);
        if (keepAlive >= 0) ::close(keepAlive);
        return nullptr;
    }
    return std::unique_ptr<SimLink>(new SimLink(master, keepAlive, path, options));
}

SimLink::SimLink(int fd, int keepAlive, std::string path, const SimOptions& options)
    : m_fd(fd), m_keepAlive(keepAlive), m_path(std::move(path)), m_chunkMax(options.chunkMax),
      m_baud(options.baud), m_random(options.seed), m_lineFree(std::chrono::steady_clock::now()) {}

SimLink::~SimLink() {
    ::close(m_fd);
    if (m_keepAlive >= 0) ::close(m_keepAlive);
}

void SimLink::Pace(std::size_t bytes) {
    if (m_baud <= 0) return;
    // Ten bit times per byte: a start bit, eight data bits, a stop bit.
    const auto now = std::chrono::steady_clock::now();
    m_lineFree = std::max(m_lineFree, now) +
                 std::chrono::microseconds(static_cast<long long>(bytes) * 10'000'000 / m_baud);
    std::this_thread::sleep_until(m_lineFree);
}

void SimLink::Write(std::string_view bytes) {
    while (!bytes.empty() && !Stopped()) {
        std::size_t chunk = bytes.size();
        if (m_chunkMax > 0) {
            chunk = std::min<std::size_t>(chunk, std::uniform_int_distribution<int>(1, m_chunkMax)(m_random));
            // A short gap, so the chunks reach the PC as separate reads.
            std::this_thread::sleep_for(std::chrono::microseconds(300));
        }
        Pace(chunk);
        const ssize_t written = ::write(m_fd, bytes.data(), chunk);
        if (written < 0) {
            if (errno == EINTR) continue;
            if (errno != EAGAIN) return;
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
            continue;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

bool SimLink::Fill(int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!Stopped()) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        pollfd fd{m_fd, POLLIN, 0};
        // Short slices keep a stop request from waiting out a long time-out.
        const int slice = static_cast<int>(std::clamp<long long>(left.count(), 0, 50));
        const int ready = ::poll(&fd, 1, slice);
        if (ready > 0 && (fd.revents & POLLIN) != 0) {
            char chunk[4096];
            const ssize_t n = ::read(m_fd, chunk, sizeof chunk);
            if (n > 0) {
                Pace(static_cast<std::size_t>(n));
                m_input.append(chunk, static_cast<std::size_t>(n));
                return true;
            }
        }
        if (ready > 0 && (fd.revents & POLLIN) == 0) std::this_thread::sleep_for(std::chrono::milliseconds(10));
        if (left.count() <= 0) return false;
    }
    return false;
}

std::optional<std::string> SimLink::ReadLine(int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        // Knocks and the zero bytes of a line settling are not text.
        const auto start = m_input.find_first_not_of(std::string_view("\r\n\x1F\0", 4));
        if (start == std::string::npos) {
            m_input.clear();
        } else {
            m_input.erase(0, start);
            const auto end = m_input.find_first_of("\r\n");
            if (end != std::string::npos) {
                std::string line = m_input.substr(0, end);
                m_input.erase(0, end + 1);
                return line;
            }
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0 || !Fill(static_cast<int>(left.count()))) return std::nullopt;
    }
}

bool SimLink::WaitFor(std::string_view token, int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        if (const auto at = m_input.find(token); at != std::string::npos) {
            m_input.erase(0, at + token.size());
            return true;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0 || !Fill(static_cast<int>(left.count()))) return false;
    }
}

std::optional<std::string> SimLink::ReadExact(std::size_t n, int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (m_input.size() < n) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0 || !Fill(static_cast<int>(left.count()))) return std::nullopt;
    }
    std::string bytes = m_input.substr(0, n);
    m_input.erase(0, n);
    return bytes;
}

void SimLink::DrainUntilQuiet(int quietMs) {
    m_input.clear();
    while (Fill(quietMs)) m_input.clear();
}

void SimLink::Sleep(int ms) const {
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (!Stopped() && std::chrono::steady_clock::now() < until)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
}

} // namespace stbsim
