// The virtual receiver: waits for the PC (or begins itself) and plays the receiver's side of
// the QVR receive and send conversations and of the ST7100 send and receive conversations.
#pragma once

#include "stbsim/SimLink.h"
#include "stbsim/SimOptions.h"

#include <atomic>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace stbsim {

enum class SessionKind { QvrReceive, QvrSend, StReceive, StSend };

struct SessionResult {
    SessionKind kind;
    bool completed; ///< the conversation reached its end as the receiver sees it
    std::string note;
};

class Simulator {
  public:
    Simulator(const SimOptions& options, SimLink& link);

    /// Serves conversations until stop is set or the session count is reached.
    void Serve(const std::atomic<bool>& stop);
    const std::vector<SessionResult>& Sessions() const { return sessions_; }

    /// The image it sends on a receive (whole 1024-byte blocks).
    const std::string& ServedImage() const { return image_; }
    /// How often block k went over the line, whole, in either direction: the count a test
    /// checks at the far side instead of trusting what the PC says it did.
    int BlockCrossings(int k) const {
        const auto found = crossings_.find(k);
        return found == crossings_.end() ? 0 : found->second;
    }

  private:
    /// Waits up to waitMs for the PC to begin a conversation (a send's knock, the answer to its
    /// prompt, the host access code) and plays it; none when the PC began nothing.
    std::optional<SessionResult> AnswerPc(int waitMs);

    // Receive: the receiver sends its database.
    /// prompted: the PC already answered its prompt; else it prompts until the PC answers.
    SessionResult QvrReceive(bool prompted);
    SessionResult StReceive();
    /// Serves block requests until the PC ends the receive; true when it did.
    bool ServeBlocks(std::string* note);
    void SendBlock(int k);
    int AnnouncedBlocks() const;
    /// Random bytes until stopped: a receiver whose line is all noise.
    void FloodNoise();

    // Send: the receiver is sent a database.
    SessionResult QvrSend();
    SessionResult StSend();
    /// Takes n blocks of block size plus checksumBytes each; empty on failure.
    std::string TakeBlocks(int n, int checksumBytes, std::string* note);
    bool ChecksumMatches(const std::string& data, std::string_view checksum) const;
    SessionResult FinishSend(SessionKind kind, std::string image, bool totalRight);
    /// Whether it begins the next receive itself.
    bool Offering() const;
    /// Reads a bare number of 4 or 5 digits.
    int ReadNumber(int timeoutMs);

    void SendLine(const std::string& text) { link_.Write(text + options_.eol); }
    void Log(const std::string& text) const;
    std::string WidthNumber(int value) const;

    SimOptions options_;
    SimLink& link_;
    std::string image_;
    std::vector<SessionResult> sessions_;
    std::map<int, int> crossings_; ///< block number: times it crossed the line
    bool corrupted_ = false;
    bool silenced_ = false;
    bool repeated_ = false;
    bool wasSent_ = false; ///< it holds an image it was sent
};

/// The image of a channel file (after its header) or of a bare image, padded to whole blocks.
std::string LoadImage(const std::string& path, std::string* error);
/// The sample database of a model, padded with erased flash to n blocks (never cut); empty with
/// the reason in error for an unknown model.
std::string SampleFlash(const std::string& model, int blocks, std::string* error);
/// A repeatable image of n blocks that holds line ends and protocol words.
std::string GenerateImage(int blocks, unsigned seed);
/// Writes image as a channel file, replacing path only once it is complete.
bool StoreImage(const std::string& path, const std::string& image);

} // namespace stbsim
