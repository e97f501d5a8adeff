// The send dialog: a channel file to the receiver, which writes it into its flash. After
// Connect the operator switches the receiver off and on; the dialog knocks until it answers.
#pragma once

#include "policy/ProductKind.h"
#include "qpui/TransferDialog.h"

#include <memory>

namespace qpui {

class CDlgSendDataToSTB : public CTransferDialog {
    Q_OBJECT
  public:
    /// The conversation is that of the product given, the one the window works for.
    explicit CDlgSendDataToSTB(const policy::ProductKind& product, QWidget* parent = nullptr);
    ~CDlgSendDataToSTB() override;

  protected:
    bool StartTransfer(const transfer::TransferLine& line, const std::string& path) override;
    /// The receiver took the data and reported that writing it failed: nothing to retry here.
    bool FailureIsFinal(transfer::TransferFailure failure) const override;

  private:
    std::unique_ptr<transfer::CSendTransfer> transfer_;
};

} // namespace qpui
