// The GUI-free part of the transfer dialogs: a transfer owns the serial port and a parser, moves
// bytes between them on the owner's thread and paces itself with timers. Dialogs and the
// command line show what it emits; they never talk to the port or the parser themselves.
#pragma once

#include "chanforge/transfer/SerialSettings.h"
#include "policy/ProductKind.h"
#include "qparser/CommParser.h"
#include "qparser/ParserPolicy.h"
#include "serlink/SerialComm.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>
#include <optional>
#include <string>
#include <utility>

namespace policy {
struct ProductPreset;
}

namespace chanforge::transfer {

enum class ParserFamily { Qvr, St };
/// The family whose send conversation a product speaks.
ParserFamily FamilyFor(const policy::ProductKind& product);

struct TransferLine {
    std::string port; ///< device path, platform port name or "COM<n>"
    SERIAL_COMM_INFO_TAG settings;
    /// Fail when the conversation has not moved on this long (no new block accepted, no new
    /// step); 0 waits forever. Bytes alone do not count: a receiver sending noise is no progress.
    int idleTimeoutMs = 0;
    /// A model's transfer parameters for this transfer only; what the receiver says about
    /// itself is then not stored. Null: the stored policy.
    const policy::ProductPreset* preset = nullptr;
    /// The open document's transfer values, where no preset is given: the window works in its
    /// document's model, whatever the settings hold meanwhile. None: the stored policy.
    std::optional<qparser::ParserPolicy> policy;
};

/// Idle time of the window's transfers, as the command line's default: the operator may be
/// away, and a receiver that never makes progress must not hold the line for ever.
inline constexpr int kDefaultIdleMs = 30000;
/// What a timer waiting for a block allows beyond the block's own time on the line: the
/// receiver's turnaround and the operating system's latency.
inline constexpr int kLineMarginMs = 500;
/// Most times one block may be asked for or sent before the transfer gives up on it.
inline constexpr int kMaxBlockAttempts = 10;

/// Why a transfer failed; None when it succeeded or was cancelled.
enum class TransferFailure {
    None,
    CannotPrepare, ///< the transfer file could not be made or read
    PortError,     ///< the port did not open
    PortLost,
    NoReply,         ///< the receiver stayed silent for the idle time
    NoProgress,      ///< bytes came, but the conversation did not move
    BlockFailed,     ///< one block failed kMaxBlockAttempts times
    Refused,         ///< the conversation went wrong (the parser's reason, if any)
    FlashWriteFailed ///< the receiver took the data but could not write it
};

struct TransferStats {
    int blocksDone = 0;
    int blocksTotal = 0;
    qint64 bytesIn = 0;
    qint64 bytesOut = 0;
    qint64 elapsedMs = 0;
};

class CTransfer : public QObject {
    Q_OBJECT
  public:
    enum class Outcome { Succeeded, Failed, Cancelled };
    Q_ENUM(Outcome)

    ~CTransfer() override;

    bool IsConnected() const { return port_.IsConnected(); }
    bool IsFinished() const { return finished_; }
    /// Last progress shown, hundredths of a percent.
    int Progress() const { return shown_; }
    QString Status() const { return status_; }
    TransferStats Stats() const;
    /// Cancel as the dialog's Cancel does (after the operator confirmed).
    virtual void Cancel() = 0;

  signals:
    void statusChanged(const QString& text);
    void progressChanged(int hundredths);
    /// Blocks through and blocks in all (0 while the count is not known), said before the
    /// progress figure they go with.
    void blocksChanged(int done, int total);
    void finished(transfer::CTransfer::Outcome outcome, const QString& message,
                  transfer::TransferFailure failure);

  protected:
    CTransfer(ParserFamily family, QObject* parent);

    bool event(QEvent* event) override;
    /// Bytes the receiver sent, in arrival order.
    virtual void OnBytes(const unsigned char* bytes, int count) = 0;

    /// Resets the figures, makes a fresh parser with the line's policy and initialises it;
    /// reports failure itself.
    bool Prepare(const std::string& path, bool receiving, const TransferLine& line);
    /// Opens the port; on failure the transfer ends with the reason.
    bool OpenLine(const TransferLine& line);
    void SetStatus(const QString& text);
    /// Shows a progress figure with its text, when it is past the one shown.
    void ShowProgress(int hundredths, const char* format);
    void ForceProgress(int hundredths);
    std::uint32_t Write(const void* bytes, int count);
    /// Writes every command of a result, pausing after each; reports short writes. False when
    /// a command did not go out whole.
    bool WriteCommands(const QPResult_Tag& result, int pauseMs);
    /// Ends the transfer: timers stopped, port closed, an incomplete receive discarded.
    void Finish(Outcome outcome, const QString& message);
    /// Finish as failed, for this reason.
    void Fail(TransferFailure failure, const QString& message);
    void StartIdleClock();
    /// Milliseconds the line needs for count bytes at the configured rate (ten bits a byte).
    int LineMs(int bytes) const;
    /// Counts one more request or sending of block; after kMaxBlockAttempts the transfer
    /// fails instead and this returns false.
    bool CountBlockAttempt(int block);

    CSerialComm port_;
    std::unique_ptr<CCommParser> parser_;

  private:
    struct ProgressMark {
        int state = -1;
        int blocks = 0;
        int figure = 0;
        bool operator==(const ProgressMark&) const = default;
    };
    void End(Outcome outcome, const QString& message, TransferFailure failure);
    /// Tells the blocks the parser counts when they changed.
    void ShowBlocks();
    void FailOnLostPort();
    ProgressMark CurrentMark() const;
    void OnIdle();

    ParserFamily family_;
    std::uint32_t baud_ = 0;
    ProgressMark mark_;
    bool bytesSinceProgress_ = false;
    int attemptBlock_ = -1;
    int attempts_ = 0;
    QTimer idleTimer_;
    QElapsedTimer clock_;
    int shown_ = 0;
    std::pair<int, int> shownBlocks_{0, 0};
    QString status_;
    bool finished_ = false;
    qint64 bytesIn_ = 0;
    qint64 bytesOut_ = 0;
};

} // namespace chanforge::transfer
