#include "qpui/DlgSendDataToSTB.h"

#include "chanforge/transfer/SendTransfer.h"
#include "policy/Policy.h"

namespace qpui {

CDlgSendDataToSTB::CDlgSendDataToSTB(QWidget* parent)
    : CTransferDialog(tr("Send data to STB"), parent),
      transfer_(std::make_unique<transfer::CSendTransfer>(
          transfer::FamilyFor(policy::ProductKind::Current()))) {
    Attach(*transfer_);
}

CDlgSendDataToSTB::~CDlgSendDataToSTB() = default;

bool CDlgSendDataToSTB::StartTransfer(const transfer::TransferLine& line, const std::string& path) {
    return transfer_->Start({line, path});
}

bool CDlgSendDataToSTB::FailureIsFinal(transfer::TransferFailure failure) const {
    return failure == transfer::TransferFailure::FlashWriteFailed;
}

} // namespace qpui
