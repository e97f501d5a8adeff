#include "chanforge/transfer/Transfer.h"

#include "chanforge/transfer/TransferTexts.h"
#include "qparser/QVRCommParser.h"
#include "qparser/STCommParser.h"
#include "serlink/SerialEvent.h"
#include "utils/Report.h"

#include <QThread>

#include <vector>

namespace chanforge::transfer {

ParserFamily FamilyFor(const policy::ProductKind& product) {
    return product.St7100Platform() ? ParserFamily::St : ParserFamily::Qvr;
}

CTransfer::CTransfer(ParserFamily family, QObject* parent) : QObject(parent), family_(family) {
    port_.SetParentWnd(this);
    port_.SetEventMsgID(serlink::kDataArrivedEvent);
    idleTimer_.setSingleShot(true);
    connect(&idleTimer_, &QTimer::timeout, this, [this] { OnIdle(); });
}

void CTransfer::OnIdle() {
    const int seconds = idleTimer_.interval() / 1000;
    if (bytesSinceProgress_)
        Fail(TransferFailure::NoProgress,
             QStringLiteral("No progress for %1 seconds: the receiver's data is not accepted")
                 .arg(seconds));
    else
        Fail(TransferFailure::NoReply,
             QStringLiteral("No reply from the receiver for %1 seconds").arg(seconds));
}

CTransfer::~CTransfer() {
    port_.ClosePort();
}

TransferStats CTransfer::Stats() const {
    TransferStats stats;
    if (parser_) {
        stats.blocksDone = parser_->GetBlocksDone();
        stats.blocksTotal = parser_->GetBlocksTotal();
    }
    stats.bytesIn = bytesIn_;
    stats.bytesOut = bytesOut_;
    stats.elapsedMs = clock_.isValid() ? clock_.elapsed() : 0;
    return stats;
}

bool CTransfer::Prepare(const std::string& path, bool receiving, const TransferLine& line) {
    finished_ = false;
    bytesIn_ = bytesOut_ = 0;
    mark_ = {};
    bytesSinceProgress_ = false;
    attemptBlock_ = -1;
    attempts_ = 0;
    clock_.start();
    // A new attempt starts afresh: its first status is said even when the last attempt ended
    // on the same one, and the last attempt's blocks go.
    status_.clear();
    parser_.reset();
    shownBlocks_ = {0, 0};
    emit blocksChanged(0, 0);
    ForceProgress(0);
    const qparser::ParserPolicy policy = line.preset != nullptr
                                             ? qparser::PresetParserPolicy(*line.preset)
                                         : line.policy ? *line.policy
                                                       : qparser::StoredParserPolicy();
    if (family_ == ParserFamily::St)
        parser_ = std::make_unique<CSTCommParser>(policy);
    else
        parser_ = std::make_unique<CQVRCommParser>(policy);
    if (parser_->Initialize(path, receiving) == 1)
        return true;
    Fail(TransferFailure::CannotPrepare, texts::kCannotInitialize);
    return false;
}

bool CTransfer::OpenLine(const TransferLine& line) {
    const SERIAL_COMM_INFO_TAG& s = line.settings;
    if (port_.OpenPort(line.port, s.baud, s.dataBits, s.stopBits, s.parity) == 1) {
        if (line.idleTimeoutMs > 0)
            idleTimer_.setInterval(line.idleTimeoutMs);
        baud_ = s.baud;
        return true;
    }
    Fail(TransferFailure::PortError,
         QStringLiteral("Cannot open serial port %1: %2")
             .arg(QString::fromStdString(line.port), QString::fromStdString(port_.GetLastError())));
    return false;
}

void CTransfer::StartIdleClock() {
    mark_ = CurrentMark();
    bytesSinceProgress_ = false;
    if (idleTimer_.interval() > 0 && !finished_)
        idleTimer_.start();
}

CTransfer::ProgressMark CTransfer::CurrentMark() const {
    if (!parser_)
        return {};
    const int state = parser_->GetParsingState();
    // While blocks arrive the figure also moves with every byte of a block that may yet fail.
    const int figure = state == kStateBlocksArriving ? 0 : parser_->GetProcessPercent();
    return {state, parser_->GetBlocksDone(), figure};
}

int CTransfer::LineMs(int bytes) const {
    if (baud_ == 0)
        return 0;
    return static_cast<int>((static_cast<std::int64_t>(bytes) * 10 * 1000 + baud_ - 1) / baud_);
}

bool CTransfer::CountBlockAttempt(int block) {
    if (block != attemptBlock_) {
        attemptBlock_ = block;
        attempts_ = 0;
    }
    if (++attempts_ <= kMaxBlockAttempts)
        return true;
    Fail(TransferFailure::BlockFailed,
         QStringLiteral("Block %1 failed %2 times").arg(block).arg(kMaxBlockAttempts));
    return false;
}

bool CTransfer::event(QEvent* event) {
    if (event->type() != static_cast<QEvent::Type>(serlink::kDataArrivedEvent))
        return QObject::event(event);
    const auto* notice = static_cast<serlink::SerialEvent*>(event);
    if (finished_)
        return true;
    if (notice->wParam == serlink::kPortLost) {
        FailOnLostPort();
        return true;
    }
    if (notice->lParam <= 0)
        return true;
    std::vector<unsigned char> bytes(static_cast<std::size_t>(notice->lParam) + 1, 0);
    const std::uint32_t read =
        port_.ReadSerialComm(bytes.data(), static_cast<std::uint32_t>(notice->lParam));
    if (read == 0 || read == 0xFFFFFFFFu)
        return true;
    bytesIn_ += read;
    bytesSinceProgress_ = true;
    OnBytes(bytes.data(), static_cast<int>(read));
    ShowBlocks();
    if (CurrentMark() != mark_)
        StartIdleClock();
    return true;
}

void CTransfer::FailOnLostPort() {
    // An unplugged adapter or a receiver switched off: how far it got is what the operator
    // needs, not the system's word for the broken line.
    const TransferStats stats = Stats();
    const QString message =
        stats.blocksDone > 0 && stats.blocksTotal > 0
            ? texts::Shown(texts::kLostAfterBlock).arg(stats.blocksDone).arg(stats.blocksTotal)
            : texts::Shown(texts::kLostBeforeBlocks);
    Fail(TransferFailure::PortLost, message);
}

void CTransfer::ShowBlocks() {
    if (!parser_)
        return; // a failed transfer keeps showing how far it got
    const std::pair<int, int> blocks{parser_->GetBlocksDone(), parser_->GetBlocksTotal()};
    if (blocks == shownBlocks_)
        return;
    shownBlocks_ = blocks;
    emit blocksChanged(blocks.first, blocks.second);
}

void CTransfer::SetStatus(const QString& text) {
    // The texts of the transfer's own list are shown translated; others pass unchanged.
    const QString shown = texts::Shown(text.toUtf8().constData());
    if (shown == status_)
        return;
    status_ = shown;
    emit statusChanged(shown);
}

void CTransfer::ShowProgress(int hundredths, const char* format) {
    // The parser's figures of the opening handshake are not in step order: the bar only advances.
    if (hundredths <= shown_)
        return;
    shown_ = hundredths;
    SetStatus(QString::asprintf(texts::Shown(format).toUtf8().constData(), hundredths / 100.0));
    ShowBlocks();
    emit progressChanged(hundredths);
}

void CTransfer::ForceProgress(int hundredths) {
    shown_ = hundredths;
    ShowBlocks();
    emit progressChanged(hundredths);
}

std::uint32_t CTransfer::Write(const void* bytes, int count) {
    const std::uint32_t written = port_.WriteSerialComm(static_cast<const unsigned char*>(bytes),
                                                        static_cast<std::uint32_t>(count));
    bytesOut_ += written;
    return written;
}

bool CTransfer::WriteCommands(const QPResult_Tag& result, int pauseMs) {
    bool whole = true;
    for (int i = 0; i < kQPMaxCommands; ++i) {
        const int length = result.commandLengths[i];
        if (length <= 0)
            continue;
        if (Write(result.commands[i], length) < static_cast<std::uint32_t>(length)) {
            utils::Report(utils::ReportLevel::Error, texts::kWriteFailed);
            whole = false;
        }
        // Some receivers lose bytes that follow a command too closely.
        if (pauseMs > 0)
            QThread::msleep(static_cast<unsigned long>(pauseMs));
    }
    return whole;
}

void CTransfer::Finish(Outcome outcome, const QString& message) {
    End(outcome, message, TransferFailure::None);
}

void CTransfer::Fail(TransferFailure failure, const QString& message) {
    End(Outcome::Failed, message, failure);
}

void CTransfer::End(Outcome outcome, const QString& message, TransferFailure failure) {
    if (finished_)
        return;
    finished_ = true;
    idleTimer_.stop();
    port_.ClosePort();
    if (outcome != Outcome::Succeeded && parser_)
        parser_.reset(); // drops a partial receive
    else if (parser_)
        parser_->ResetBuffer();
    emit finished(outcome, texts::Shown(message.toUtf8().constData()), failure);
}

} // namespace chanforge::transfer
