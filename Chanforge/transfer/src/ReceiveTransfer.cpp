#include "chanforge/transfer/ReceiveTransfer.h"

#include "chanforge/transfer/TransferTexts.h"
#include "policy/Policy.h"
#include "utils/Report.h"

#include <QThread>

#include <algorithm>
#include <cstring>

namespace chanforge::transfer {

CReceiveTransfer::CReceiveTransfer(ParserFamily family, QObject* parent)
    : CTransfer(family, parent) {
    requestTimer_.setSingleShot(true);
    connect(&requestTimer_, &QTimer::timeout, this, [this] { OnRequestTimer(); });
    connect(this, &CTransfer::finished, &requestTimer_, &QTimer::stop);
}

CReceiveTransfer::~CReceiveTransfer() = default;

bool CReceiveTransfer::Start(const ReceiveRequest& request) {
    if (IsConnected()) {
        SetStatus(texts::kAlreadyOpen);
        return false;
    }
    storeFacts_ = request.line.preset == nullptr;
    target_ = request.target;
    version_.clear();
    if (!Prepare(request.target, true, request.line) || !OpenLine(request.line))
        return false;
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
    if (IsFinished())
        return;
    if (IsConnected() && Progress() != 0) {
        Write(texts::kCancelWord, static_cast<int>(std::strlen(texts::kCancelWord)));
        QThread::msleep(200); // let the receiver take the word before the line drops
    }
    Finish(Outcome::Cancelled, QStringLiteral("Cancelled"));
}

void CReceiveTransfer::OnBytes(const unsigned char* bytes, int count) {
    requestTimer_.stop();
    const QPResult_Tag result = parser_->ParsingData4Download(bytes, count);
    StoreReceiverFacts();
    if (result.resultCode == kQPFailure) {
        FailOnParser();
        return;
    }
    // The figure of the bytes just taken, so the bar, its text and the blocks agree.
    ShowProgress(parser_->GetProcessPercent(), texts::kDownloading);
    if (result.resultCode == kQPCommands && !Answer(result))
        return;
    ArmRequestTimer();
}

void CReceiveTransfer::Complete() {
    // Nothing is said to be complete until the bytes are known to be what was wanted.
    const QString refusal = check_ ? check_(target_) : QString();
    if (!refusal.isEmpty()) {
        ForceProgress(0);
        SetStatus(refusal);
        Fail(TransferFailure::Refused, refusal);
        return;
    }
    ForceProgress(10000);
    SetStatus(texts::kReceivedAll);
    Finish(Outcome::Succeeded, texts::kReceivedAll);
}

void CReceiveTransfer::StoreReceiverFacts() {
    const qparser::ReceiverFacts facts = parser_->TakeReceiverFacts();
    if (facts.version)
        version_ = QString::fromLatin1(facts.version->c_str()).trimmed();
    if (!storeFacts_)
        return; // a one-off model leaves the stored settings as they are
    if (facts.version)
        SetProductVersion(facts.version->c_str());
    if (facts.startBlock)
        SetFlashStartBlock(*facts.startBlock);
    if (facts.requestBlock)
        SetFlashRequestBlock(*facts.requestBlock);
}

void CReceiveTransfer::FailOnParser() {
    // A receiver in the middle of its blocks waits for an answer: it is told the PC gave up.
    if (parser_->GetParsingState() == kStateBlocksArriving)
        Write(texts::kCancelWord, static_cast<int>(std::strlen(texts::kCancelWord)));
    const std::string reason = parser_->GetFailure();
    const QString message =
        reason.empty() ? QString::fromLatin1(texts::kDataSendFail) : QString::fromStdString(reason);
    ForceProgress(0);
    SetStatus(message);
    Fail(TransferFailure::Refused, message);
}

bool CReceiveTransfer::Answer(const QPResult_Tag& result) {
    // While blocks arrive every command set asks for a block: the next one, or this one again.
    if (parser_->GetParsingState() == kStateBlocksArriving && result.CommandCount() > 0 &&
        !CountBlockAttempt(result.nextBlock))
        return false;
    return WriteCommands(result, 0);
}

void CReceiveTransfer::ArmRequestTimer() {
    if (IsFinished())
        return;
    if (parser_->GetParsingState() == kStateReceiveFinished) {
        Complete();
        return;
    }
    // Only a block can be asked for again; before the blocks there is nothing to repeat.
    if (parser_->GetParsingState() != kStateBlocksArriving)
        return;
    // A slow line must have time to carry the whole block before it is asked for again, and
    // after the last block, time for a block the receiver still sends to arrive.
    const int blockMs = LineMs(parser_->BlockLineBytes()) + kLineMarginMs;
    if (parser_->AwaitsQuietEnd())
        requestTimer_.start(blockMs);
    else
        requestTimer_.start(parser_->AwaitsQuietLine() ? kQuietLineMs
                                                       : std::max(kRequestAgainMs, blockMs));
}

void CReceiveTransfer::OnRequestTimer() {
    if (IsFinished())
        return;
    const QPResult_Tag result =
        parser_->AwaitsQuietLine() ? parser_->OnQuietLine() : parser_->RequestBlockAgain();
    if (result.resultCode == kQPFailure) {
        FailOnParser();
        return;
    }
    if (!Answer(result))
        return; // ended, or the line is failing: stop asking
    ArmRequestTimer();
}

} // namespace chanforge::transfer
