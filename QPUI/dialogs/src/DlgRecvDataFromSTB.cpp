#include "qpui/DlgRecvDataFromSTB.h"

#include "chanforge/transfer/ReceiveTransfer.h"

namespace qpui {

CDlgRecvDataFromSTB::CDlgRecvDataFromSTB(QWidget* parent) : CDlgRecvDataFromSTB(true, parent) {}

CDlgRecvDataFromSTB::CDlgRecvDataFromSTB(bool sendAccessCode, QWidget* parent)
    : CTransferDialog(tr("Receive data from STB"), parent),
      // Every model sends its database in the QVR conversation.
      transfer_(std::make_unique<transfer::CReceiveTransfer>(transfer::ParserFamily::Qvr)),
      sendAccessCode_(sendAccessCode) {
    Attach(*transfer_);
}

CDlgRecvDataFromSTB::~CDlgRecvDataFromSTB() = default;

void CDlgRecvDataFromSTB::SetReceivedCheck(const transfer::ReceivedCheck& check) {
    transfer_->SetReceivedCheck(check);
}

bool CDlgRecvDataFromSTB::StartTransfer(const transfer::TransferLine& line,
                                        const std::string& path) {
    return transfer_->Start({line, path, sendAccessCode_});
}

CDlgRecvDataFromSTBEx::CDlgRecvDataFromSTBEx(QWidget* parent)
    : CDlgRecvDataFromSTB(false, parent) {}

std::unique_ptr<CDlgRecvDataFromSTB> MakeReceiveDialog(const policy::ProductKind& product,
                                                       QWidget* parent) {
    if (product.St7100Platform())
        return std::make_unique<CDlgRecvDataFromSTBEx>(parent);
    return std::make_unique<CDlgRecvDataFromSTB>(parent);
}

} // namespace qpui
