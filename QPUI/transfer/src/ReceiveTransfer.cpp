#include "qpui/ReceiveTransfer.h"

#include "qpui/TransferTexts.h"
#include "utils/Report.h"

#include <QThread>

#include <cstring>

namespace qpui {

CReceiveTransfer::CReceiveTransfer(ParserFamily family, QObject* parent) : CTransfer(family, parent) {
    m_requestTimer.setSingleShot(true);
    connect(&m_requestTimer, &QTimer::timeout, this, [this] { OnRequestTimer(); });
    connect(this, &CTransfer::finished, &m_requestTimer, &QTimer::stop);
}

CReceiveTransfer::~CReceiveTransfer() = default;

bool CReceiveTransfer::Start(const ReceiveRequest& request) {
    if (IsConnected()) {
        SetStatus(texts::kAlreadyOpen);
        return false;
    }
    if (!Prepare(request.target, true) || !OpenLine(request.line)) return false;
    SetStatus(texts::kConnecting);
    if (request.sendAccessCode) {
        const int length = static_cast<int>(std::strlen(texts::kHostAccessCode));
        if (Write(texts::kHostAccessCode, length) == 0)
            utils::Report(utils::ReportLevel::Error, texts::kAccessCodeFailed);
    }
    StartIdleClock();
    return true;
}

void CReceiveTransfer::Cancel() {
    if (IsFinished()) return;
    if (IsConnected() && Progress() != 0) {
        Write(texts::kCancelWord, static_cast<int>(std::strlen(texts::kCancelWord)));
        QThread::msleep(200); // let the receiver take the word before the line drops
    }
    Finish(Outcome::Cancelled, QStringLiteral("Cancelled"));
}

void CReceiveTransfer::OnBytes(const unsigned char* bytes, int count) {
    m_requestTimer.stop();
    ShowProgress(m_parser->GetProcessPercent(), texts::kDownloading);
    const QPResult_Tag result = m_parser->ParsingData4Download(bytes, count);
    if (result.resultCode == kQPFailure) {
        ForceProgress(0);
        SetStatus(texts::kDataSendFail);
        Finish(Outcome::Failed, texts::kDataSendFail);
        return;
    }
    if (result.resultCode == kQPCommands) WriteCommands(result, 0);
    if (m_parser->GetParsingState() == kStateReceiveFinished) {
        ForceProgress(10000);
        SetStatus(texts::kReceivedAll);
        Finish(Outcome::Succeeded, texts::kReceivedAll);
        return;
    }
    ArmRequestTimer();
}

void CReceiveTransfer::ArmRequestTimer() {
    // Only a block can be asked for again; before the blocks there is nothing to repeat.
    if (IsFinished() || m_parser->GetParsingState() != kStateBlocksArriving) return;
    m_requestTimer.start(m_parser->AwaitsQuietLine() ? kQuietLineMs : kRequestAgainMs);
}

void CReceiveTransfer::OnRequestTimer() {
    if (IsFinished()) return;
    const QPResult_Tag result =
        m_parser->AwaitsQuietLine() ? m_parser->OnQuietLine() : m_parser->RequestBlockAgain();
    if (!WriteCommands(result, 0)) return; // the line is failing: stop asking
    ArmRequestTimer();
}

} // namespace qpui
