#include "qpui/DlgSendDataToSTB.h"

#include "policy/Policy.h"
#include "qpui/SendTransfer.h"
#include "qpui/TransferTexts.h"

namespace qpui {

CDlgSendDataToSTB::CDlgSendDataToSTB(QWidget* parent)
    : CTransferDialog(QStringLiteral("Send data to STB"), parent),
      transfer_(std::make_unique<CSendTransfer>(FamilyFor(policy::ProductKind::Current()))) {
    Attach(*transfer_);
}

CDlgSendDataToSTB::~CDlgSendDataToSTB() = default;

bool CDlgSendDataToSTB::StartTransfer(const TransferLine& line, const std::string& path) {
    return transfer_->Start({line, path});
}

bool CDlgSendDataToSTB::FailureIsFinal(const QString& message) const {
    return message == QLatin1String(texts::kSendFailed);
}

} // namespace qpui
