// The receiver's end of the line: a pseudo-terminal it creates (or a device), with the faults
// that act on every write (random chunking) and an emulated line rate.
#pragma once

#include "stbsim/SimOptions.h"

#include <atomic>
#include <chrono>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <string_view>

namespace stbsim {

class SimLink {
  public:
    /// A pseudo-terminal (see Path) or options.device; null with a reason on failure.
    static std::unique_ptr<SimLink> Open(const SimOptions& options, std::string* error);
    ~SimLink();
    SimLink(const SimLink&) = delete;
    SimLink& operator=(const SimLink&) = delete;

    /// What the PC opens.
    const std::string& Path() const { return path_; }
    /// Every wait ends early once stop is set.
    void SetStop(const std::atomic<bool>* stop) { stop_ = stop; }
    bool Stopped() const { return stop_ != nullptr && stop_->load(); }

    void Write(std::string_view bytes);

    /// Bytes received and not yet consumed.
    std::string& Input() { return input_; }
    /// Waits up to timeoutMs for more bytes; false when none came (or stopped).
    bool Fill(int timeoutMs);
    /// The next line the PC sent (ended by CR or LF; empty lines and knocks skipped).
    std::optional<std::string> ReadLine(int timeoutMs);
    /// Waits for token and consumes the input through it.
    bool WaitFor(std::string_view token, int timeoutMs);
    /// Exactly n bytes.
    std::optional<std::string> ReadExact(std::size_t n, int timeoutMs);
    /// Drops everything until the line has been quiet for quietMs.
    void DrainUntilQuiet(int quietMs);
    void Sleep(int ms) const;

  private:
    SimLink(int fd, int keepAlive, std::string path, const SimOptions& options);
    void Pace(std::size_t bytes);

    int fd_;
    int keepAlive_; ///< our own descriptor of the pseudo-terminal's far end, so it never hangs up
    std::string path_;
    int chunkMax_;
    int baud_;
    std::mt19937 random_;
    std::string input_;
    const std::atomic<bool>* stop_ = nullptr;
    std::chrono::steady_clock::time_point lineFree_;
};

} // namespace stbsim
