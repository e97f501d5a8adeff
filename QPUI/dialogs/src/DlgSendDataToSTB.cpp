#include "qpui/DlgSendDataToSTB.h"

#include "policy/Policy.h"
#include "qpui/SendTransfer.h"

namespace qpui {

CDlgSendDataToSTB::CDlgSendDataToSTB(QWidget* parent)
    : CTransferDialog(tr("Send data to STB"), parent),
      transfer_(std::make_unique<CSendTransfer>(FamilyFor(policy::ProductKind::Current()))) {
    Attach(*transfer_);
}

CDlgSendDataToSTB::~CDlgSendDataToSTB() = default;

bool CDlgSendDataToSTB::StartTransfer(const TransferLine& line, const std::string& path) {
    return transfer_->Start({line, path});
}

bool CDlgSendDataToSTB::FailureIsFinal(TransferFailure failure) const {
    return failure == TransferFailure::FlashWriteFailed;
}

} // namespace qpui
