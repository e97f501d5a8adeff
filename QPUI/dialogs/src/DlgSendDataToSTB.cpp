#include "qpui/DlgSendDataToSTB.h"

#include "chanforge/transfer/SendTransfer.h"

namespace qpui {

CDlgSendDataToSTB::CDlgSendDataToSTB(const policy::ProductKind& product, QWidget* parent)
    : CTransferDialog(tr("Send data to STB"), parent),
      transfer_(std::make_unique<transfer::CSendTransfer>(transfer::FamilyFor(product))) {
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
