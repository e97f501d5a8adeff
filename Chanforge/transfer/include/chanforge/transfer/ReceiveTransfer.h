// Receive from receiver: the behaviour of both receive dialogs.
#pragma once

#include "chanforge/transfer/Transfer.h"

#include <functional>

namespace chanforge::transfer {

/// Decides, once every block is in the target, whether the bytes are what the caller wanted:
/// an empty text takes them, any other text is the refusal the receive fails with.
using ReceivedCheck = std::function<QString(const std::string& target)>;

struct ReceiveRequest {
    TransferLine line;
    std::string target; ///< replaced only when the receive completes
    /// The plain dialog sends the host access code; the extended one waits for the receiver.
    bool sendAccessCode = true;
};

class CReceiveTransfer : public CTransfer {
    Q_OBJECT
  public:
    /// Silence after which a block is asked for again; shorter after a damaged block, where
    /// the line only has to settle.
    static constexpr int kRequestAgainMs = 1500;
    static constexpr int kQuietLineMs = 100;

    /// The receive dialogs speak the QVR protocol with every model.
    explicit CReceiveTransfer(ParserFamily family = ParserFamily::Qvr, QObject* parent = nullptr);
    ~CReceiveTransfer() override;

    /// Connect. False when it did not start (finished() tells why, or the port was open).
    bool Start(const ReceiveRequest& request);
    /// Judges the blocks before the receive says it succeeded; without one, the receive
    /// succeeds with the blocks and the caller judges them afterwards.
    void SetReceivedCheck(ReceivedCheck check) { check_ = std::move(check); }
    /// The version line the receiver announced in this receive; empty when it sent none.
    const QString& ReceiverVersion() const { return version_; }
    /// Tells a receiver that already sent data to stop, then closes; the target stays as it was.
    void Cancel() override;

  protected:
    void OnBytes(const unsigned char* bytes, int count) override;

  private:
    void ArmRequestTimer();
    void OnRequestTimer();
    /// The blocks are in: the check decides whether the receive succeeded.
    void Complete();
    /// Writes a result's commands, counting a block request among them; false when the
    /// transfer ended instead.
    bool Answer(const QPResult_Tag& result);
    void FailOnParser();
    /// Stores what the receiver said about itself, unless a one-off model is in use.
    void StoreReceiverFacts();

    QTimer requestTimer_;
    bool storeFacts_ = true;
    std::string target_;
    ReceivedCheck check_;
    QString version_;
};

} // namespace chanforge::transfer
