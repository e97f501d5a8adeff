#include "chanforge/transfer/SendTransfer.h"

#include "chanforge/transfer/TransferTexts.h"
#include "utils/Report.h"

namespace chanforge::transfer {

CSendTransfer::CSendTransfer(ParserFamily family, QObject* parent) : CTransfer(family, parent) {
    connect(&knockTimer_, &QTimer::timeout, this, [this] { Knock(); });
    connect(&repeatTimer_, &QTimer::timeout, this, [this] { RepeatBlock(); });
    connect(this, &CTransfer::finished, this, [this] {
        knockTimer_.stop();
        repeatTimer_.stop();
        heldBlock_.clear();
    });
}

CSendTransfer::~CSendTransfer() = default;

bool CSendTransfer::Start(const SendRequest& request) {
    if (IsConnected()) {
        SetStatus(texts::kAlreadyOpen);
        return false;
    }
    if (!Prepare(request.file, false, request.line) || !OpenLine(request.line))
        return false;
    SetStatus(texts::kTurnOffAndOn);
    knockTimer_.start(kKnockMs);
    StartIdleClock();
    return true;
}

void CSendTransfer::Cancel() {
    if (!IsFinished())
        Finish(Outcome::Cancelled, QStringLiteral("Cancelled"));
}

void CSendTransfer::Knock() {
    SetStatus(texts::kWaitingReboot);
    const unsigned char knock = 0x1F;
    Write(&knock, 1);
}

void CSendTransfer::RepeatBlock() {
    // The receiver is silent after a block: send the block again, without its checksum.
    if (heldBlock_.empty() || !CountBlockAttempt(parser_->GetRequestedBlock()))
        return;
    const int size = static_cast<int>(heldBlock_.size());
    if (Write(heldBlock_.data(), size) < static_cast<std::uint32_t>(size)) {
        utils::Report(utils::ReportLevel::Error, texts::kWriteFailed);
        heldBlock_.clear();
    }
}

void CSendTransfer::OnBytes(const unsigned char* bytes, int count) {
    repeatTimer_.stop();
    heldBlock_.clear();
    const QPResult_Tag result = parser_->ParsingData4Upload(bytes, count);
    switch (result.resultCode) {
    case kQPFailure:
        knockTimer_.stop();
        ForceProgress(0);
        SetStatus(texts::kDataSendFail);
        Fail(TransferFailure::Refused, texts::kDataSendFail);
        return;
    case kQPCommands:
        knockTimer_.stop();
        WriteCommands(result, 10);
        break;
    case kQPDataAndCommands: {
        if (!CountBlockAttempt(parser_->GetRequestedBlock()))
            return;
        const int size = static_cast<int>(result.data.size());
        if (size > 0) {
            if (Write(result.data.data(), size) < static_cast<std::uint32_t>(size))
                utils::Report(utils::ReportLevel::Error, texts::kWriteFailed);
            else
                heldBlock_ = result.data;
        }
        // The block must have reached the receiver, and its answer come back, before it is
        // repeated: on a slow line the block alone outlasts the base interval.
        repeatTimer_.start(kRepeatBlockMs + LineMs(size + 2));
        WriteCommands(result, 1);
        break;
    }
    default:
        break;
    }
    // The figure after this step, so the bar, its text and the blocks agree. Once every block
    // is sent the parser counts the receiver's flash writes: that is no upload.
    if (parser_->GetParsingState() < kStateAllDataSent)
        ShowProgress(parser_->GetProcessPercent(), texts::kUploading);
    ShowState();
}

void CSendTransfer::ShowState() {
    switch (parser_->GetParsingState()) {
    case kStateAllDataSent:
        ForceProgress(9999);
        SetStatus(texts::kUploadComplete);
        break;
    case kStateFlashWriting:
        SetStatus(texts::kWritingData);
        break;
    case kStateSendSucceeded:
        ForceProgress(10000);
        SetStatus(texts::kSentAll);
        Finish(Outcome::Succeeded, texts::kSentAll);
        break;
    case kStateSendFailed:
        ForceProgress(0);
        SetStatus(texts::kSendFailed);
        Fail(TransferFailure::FlashWriteFailed, texts::kSendFailed);
        break;
    default:
        break;
    }
}

} // namespace chanforge::transfer
