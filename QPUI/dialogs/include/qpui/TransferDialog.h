// CTransferDialog: what the receive and send dialogs share. The dialog shows a transfer
// controller: its status text, its progress and its end. It holds no protocol logic; it picks
// the port, starts the transfer, asks before cutting a connected line and closes.
#pragma once

#include <QDialog>
#include <QString>

#include "qparser/ParserPolicy.h"

#include <optional>
#include <string>

class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;

namespace chanforge::transfer {
class CTransfer;
class CReceiveTransfer;
class CSendTransfer;
struct TransferLine;
enum class TransferFailure;
} // namespace chanforge::transfer

namespace qpui {

// The dialogs show the transfer controllers of the core library.
namespace transfer = chanforge::transfer;

class CSilenceHint;

class CTransferDialog : public QDialog {
    Q_OBJECT
  public:
    ~CTransferDialog() override;

    /// The transfer file: the target of a receive, the channel file of a send.
    void Initialize(const std::string& path);
    /// The open document's transfer values (block sizes, start block, checksum, byte order).
    void SetTransferValues(const qparser::ParserPolicy& values) { values_ = values; }
    /// Cancel, the close box: asks first while the line is open; a "Cancel" answer keeps the
    /// dialog and the transfer going.
    void reject() override;
    /// Whether the transfer completed (a send the receiver wrote, a whole receive).
    bool TransferSucceeded() const { return succeeded_; }

  protected:
    CTransferDialog(const QString& title, QWidget* parent);

    /// Shows this transfer; called once from the subclass's constructor.
    void Attach(transfer::CTransfer& transfer);
    /// Starts the transfer; false when it did not start (the transfer said why).
    virtual bool StartTransfer(const transfer::TransferLine& line, const std::string& path) = 0;
    /// Whether a failure of this kind ends the dialog's work like a success does: the button
    /// then closes the dialog instead of connecting again.
    virtual bool FailureIsFinal(transfer::TransferFailure failure) const;

    /// Enter and Escape would close the dialog in the middle of a transfer.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    /// "block 120 of 384", beside the bar.
    static QString BlocksText(int done, int total);
    void Connect();
    void Succeeded();
    void Failed(transfer::TransferFailure failure, const QString& message);

    transfer::CTransfer* transfer_ = nullptr;
    std::string path_;
    std::optional<qparser::ParserPolicy> values_;
    bool finished_ = false;
    bool succeeded_ = false;
    QComboBox* port_ = nullptr;
    QPushButton* connect_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QLabel* status_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QLabel* blocks_ = nullptr;
    CSilenceHint* silence_ = nullptr;
};

} // namespace qpui
