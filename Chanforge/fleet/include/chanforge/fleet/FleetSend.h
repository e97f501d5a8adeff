// One list sent to several receivers at once: a send controller per port, all in the caller's
// event loop, each followed by the read-back that verifies it. One port failing, hanging or
// unplugged never holds up the others.
#pragma once

#include "chanforge/codec/FlashLayout.h"
#include "chanforge/transfer/ReceiveTransfer.h"
#include "chanforge/transfer/SendTransfer.h"
#include "utils/Phrase.h"

#include <QDateTime>
#include <QObject>
#include <QStringList>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace chanforge::fleet {

enum class UnitState { Idle, Waiting, Sending, Verifying, Done, Failed };
enum class UnitResult { Verified, Sent, Failed, Stopped };

/// What one receiver's turn came to: a line of the report.
struct UnitRow {
    QDateTime ended; ///< UTC
    std::string port;
    QString version; ///< what the receiver announced of itself on the read-back; empty: nothing
    int blocks = 0;  ///< blocks the receiver took
    qint64 durationMs = 0;
    UnitResult result = UnitResult::Failed;
    QString reason;          ///< why it failed or stopped; empty when it succeeded
    QStringList differences; ///< what the receiver holds otherwise, when verifying found some
};

/// What every port is sent, and how.
struct FleetJob {
    std::string file; ///< the channel file to send (the document's prepared work file)
    codec::FlashLayout layout;
    transfer::ParserFamily family = transfer::ParserFamily::Qvr;
    bool verify = true;
    std::string scratch; ///< folder for the images read back
    /// How a library phrase reaches the operator: the window translates, the command line
    /// prints English (the default).
    std::function<QString(const utils::Phrase&)> say;
};

/// One port: waits for its receiver, sends, reads back and compares; then, when asked to
/// repeat, waits for the next receiver on the same port.
class CUnit : public QObject {
    Q_OBJECT
  public:
    CUnit(const FleetJob& job, transfer::TransferLine line, int index, QObject* parent = nullptr);
    ~CUnit() override;

    void Start();
    /// Ends a running turn as stopped; a unit waiting for its next receiver just ends.
    void Stop();
    /// Starts again with the next receiver whenever a turn ends.
    void SetRepeat(bool repeat) { repeat_ = repeat; }

    const std::string& Port() const { return line_.port; }
    UnitState State() const { return state_; }
    /// The state in the operator's words: "sending block 120 of 384", "failed: ..."
    QString StateText() const;
    int BlocksDone() const { return blocks_.first; }
    int BlocksTotal() const { return blocks_.second; }
    bool IsRunning() const {
        return state_ == UnitState::Waiting || state_ == UnitState::Sending ||
               state_ == UnitState::Verifying;
    }

  signals:
    void changed(int index);
    void ended(int index, const chanforge::fleet::UnitRow& row);

  private:
    void OnBlocks(int done, int total);
    void OnSent(transfer::CTransfer::Outcome outcome, const QString& message,
                transfer::TransferFailure failure);
    void OnReadBack(transfer::CTransfer::Outcome outcome, const QString& message);
    void StartReadBack();
    /// The receiver's image against the one sent; empty when they agree.
    QString CompareReadBack(const std::string& back);
    /// Reports the turn; next: the next receiver's turn begins.
    void End(UnitResult result, const QString& reason, bool next);
    template <typename Transfer> void Retire(std::unique_ptr<Transfer>& transfer);
    void SetState(UnitState state);
    /// Whether the next turn begins by itself after this end.
    bool RepeatsAfter(transfer::TransferFailure failure) const;

    const FleetJob& job_;
    transfer::TransferLine line_;
    int index_;
    std::unique_ptr<transfer::CSendTransfer> send_;
    std::unique_ptr<transfer::CReceiveTransfer> back_;
    UnitState state_ = UnitState::Idle;
    std::pair<int, int> blocks_{0, 0};
    int blocksSent_ = 0;
    QString reason_;
    QStringList differences_;
    qint64 startedMs_ = 0;
    bool repeat_ = false;
    bool turnsEnded_ = false; ///< a turn ended on this port already
};

/// Every ticked port at once.
class CFleet : public QObject {
    Q_OBJECT
  public:
    CFleet(FleetJob job, const std::vector<transfer::TransferLine>& lines,
           QObject* parent = nullptr);
    ~CFleet() override;

    void Start();
    void Stop();
    CUnit& Unit(int index) { return *units_[static_cast<std::size_t>(index)]; }
    int UnitCount() const { return static_cast<int>(units_.size()); }
    bool IsRunning() const;
    const std::vector<UnitRow>& Rows() const { return rows_; }

  signals:
    void unitChanged(int index);
    void unitEnded(int index, const chanforge::fleet::UnitRow& row);
    /// No unit runs any more (each ended, none repeats).
    void allEnded();

  private:
    void OnUnitEnded(int index, const UnitRow& row);
    /// Says allEnded once the last running unit ended.
    void TellWhenEnded();

    FleetJob job_;
    std::vector<std::unique_ptr<CUnit>> units_;
    std::vector<UnitRow> rows_;
    bool running_ = false;
};

/// True when a turn ended as the job wanted: verified, or sent when no verify was asked for.
bool Succeeded(const UnitRow& row, bool verify);

} // namespace chanforge::fleet

Q_DECLARE_METATYPE(chanforge::fleet::UnitRow)
