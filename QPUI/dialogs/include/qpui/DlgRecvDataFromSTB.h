// The receive dialogs: the receiver's database into the transfer file, which is replaced only
// when the receive completes. The dialog ends accepted only after a complete receive.
#pragma once

#include "chanforge/transfer/ReceiveTransfer.h"
#include "policy/ProductKind.h"
#include "qpui/TransferDialog.h"

#include <memory>

namespace qpui {

/// Sends the receiver's host access code as soon as the line is open.
class CDlgRecvDataFromSTB : public CTransferDialog {
    Q_OBJECT
  public:
    explicit CDlgRecvDataFromSTB(QWidget* parent = nullptr);
    ~CDlgRecvDataFromSTB() override;
    /// Judges the complete file before the dialog says it was received: a refusal is shown
    /// instead, and the dialog does not end accepted.
    void SetReceivedCheck(const transfer::ReceivedCheck& check);

  protected:
    CDlgRecvDataFromSTB(bool sendAccessCode, QWidget* parent);
    bool StartTransfer(const transfer::TransferLine& line, const std::string& path) override;

  private:
    std::unique_ptr<transfer::CReceiveTransfer> transfer_;
    bool sendAccessCode_;
};

/// For the models that begin the receive themselves: sends nothing and waits for the receiver.
class CDlgRecvDataFromSTBEx : public CDlgRecvDataFromSTB {
    Q_OBJECT
  public:
    explicit CDlgRecvDataFromSTBEx(QWidget* parent = nullptr);
};

/// The receive dialog for a product list: the extended one for lists 7 to 10.
std::unique_ptr<CDlgRecvDataFromSTB> MakeReceiveDialog(const policy::ProductKind& product,
                                                       QWidget* parent = nullptr);

} // namespace qpui
