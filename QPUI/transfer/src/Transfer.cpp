#include "qpui/Transfer.h"

#include "qparser/QVRCommParser.h"
#include "qparser/STCommParser.h"
#include "qpui/TransferTexts.h"
#include "serlink/SerialEvent.h"
#include "utils/Report.h"

#include <QThread>

#include <vector>

namespace qpui {

ParserFamily FamilyFor(const policy::ProductKind& product) {
    return product.St7100Platform() ? ParserFamily::St : ParserFamily::Qvr;
}

CTransfer::CTransfer(ParserFamily family, QObject* parent) : QObject(parent), m_family(family) {
    m_port.SetParentWnd(this);
    m_port.SetEventMsgID(serlink::kDataArrivedEvent);
    m_idleTimer.setSingleShot(true);
    connect(&m_idleTimer, &QTimer::timeout, this, [this] { OnIdle(); });
}

void CTransfer::OnIdle() {
    const int seconds = m_idleTimer.interval() / 1000;
    Finish(Outcome::Failed, m_bytesSinceProgress
                                ? QStringLiteral("No progress for %1 seconds: the receiver's data is not accepted").arg(seconds)
                                : QStringLiteral("No reply from the receiver for %1 seconds").arg(seconds));
}

CTransfer::~CTransfer() { m_port.ClosePort(); }

TransferStats CTransfer::Stats() const {
    TransferStats stats;
    if (m_parser) {
        stats.blocksDone = m_parser->GetBlocksDone();
        stats.blocksTotal = m_parser->GetBlocksTotal();
    }
    stats.bytesIn = m_bytesIn;
    stats.bytesOut = m_bytesOut;
    stats.elapsedMs = m_clock.isValid() ? m_clock.elapsed() : 0;
    return stats;
}

bool CTransfer::Prepare(const std::string& path, bool receiving) {
    m_finished = false;
    m_bytesIn = m_bytesOut = 0;
    m_mark = {};
    m_bytesSinceProgress = false;
    m_attemptBlock = -1;
    m_attempts = 0;
    m_clock.start();
    ForceProgress(0);
    if (m_family == ParserFamily::St)
        m_parser = std::make_unique<CSTCommParser>();
    else
        m_parser = std::make_unique<CQVRCommParser>();
    if (m_parser->Initialize(path, receiving) == 1) return true;
    Finish(Outcome::Failed, texts::kCannotInitialize);
    return false;
}

bool CTransfer::OpenLine(const TransferLine& line) {
    const SERIAL_COMM_INFO_TAG& s = line.settings;
    if (m_port.OpenPort(line.port, s.baud, s.dataBits, s.stopBits, s.parity) == 1) {
        if (line.idleTimeoutMs > 0) m_idleTimer.setInterval(line.idleTimeoutMs);
        m_baud = s.baud;
        return true;
    }
    Finish(Outcome::Failed, QStringLiteral("Cannot open serial port %1: %2")
                                .arg(QString::fromStdString(line.port),
                                     QString::fromStdString(m_port.GetLastError())));
    return false;
}

void CTransfer::StartIdleClock() {
    m_mark = CurrentMark();
    m_bytesSinceProgress = false;
    if (m_idleTimer.interval() > 0 && !m_finished) m_idleTimer.start();
}

CTransfer::ProgressMark CTransfer::CurrentMark() const {
    if (!m_parser) return {};
    const int state = m_parser->GetParsingState();
    // While blocks arrive the figure also moves with every byte of a block that may yet fail.
    const int figure = state == kStateBlocksArriving ? 0 : m_parser->GetProcessPercent();
    return {state, m_parser->GetBlocksDone(), figure};
}

int CTransfer::LineMs(int bytes) const {
    if (m_baud == 0) return 0;
    return static_cast<int>((static_cast<std::int64_t>(bytes) * 10 * 1000 + m_baud - 1) / m_baud);
}

bool CTransfer::CountBlockAttempt(int block) {
    if (block != m_attemptBlock) {
        m_attemptBlock = block;
        m_attempts = 0;
    }
    if (++m_attempts <= kMaxBlockAttempts) return true;
    Finish(Outcome::Failed, QStringLiteral("Block %1 failed %2 times").arg(block).arg(kMaxBlockAttempts));
    return false;
}

bool CTransfer::event(QEvent* event) {
    if (event->type() != static_cast<QEvent::Type>(serlink::kDataArrivedEvent))
        return QObject::event(event);
    const auto* notice = static_cast<serlink::SerialEvent*>(event);
    if (m_finished) return true;
    if (notice->wParam == serlink::kPortLost) {
        Finish(Outcome::Failed, QStringLiteral("The serial port was lost: %1")
                                    .arg(QString::fromStdString(m_port.GetLastError())));
        return true;
    }
    if (notice->lParam <= 0) return true;
    std::vector<unsigned char> bytes(static_cast<std::size_t>(notice->lParam) + 1, 0);
    const std::uint32_t read =
        m_port.ReadSerialComm(bytes.data(), static_cast<std::uint32_t>(notice->lParam));
    if (read == 0 || read == 0xFFFFFFFFu) return true;
    m_bytesIn += read;
    m_bytesSinceProgress = true;
    OnBytes(bytes.data(), static_cast<int>(read));
    if (CurrentMark() != m_mark) StartIdleClock();
    return true;
}

void CTransfer::SetStatus(const QString& text) {
    if (text == m_status) return;
    m_status = text;
    emit statusChanged(text);
}

void CTransfer::ShowProgress(int hundredths, const char* format) {
    if (hundredths == m_shown) return;
    m_shown = hundredths;
    SetStatus(QString::asprintf(format, hundredths / 100.0));
    emit progressChanged(hundredths);
}

void CTransfer::ForceProgress(int hundredths) {
    m_shown = hundredths;
    emit progressChanged(hundredths);
}

std::uint32_t CTransfer::Write(const void* bytes, int count) {
    const std::uint32_t written =
        m_port.WriteSerialComm(static_cast<const unsigned char*>(bytes), static_cast<std::uint32_t>(count));
    m_bytesOut += written;
    return written;
}

bool CTransfer::WriteCommands(const QPResult_Tag& result, int pauseMs) {
    bool whole = true;
    for (int i = 0; i < kQPMaxCommands; ++i) {
        const int length = result.commandLengths[i];
        if (length <= 0) continue;
        if (Write(result.commands[i], length) < static_cast<std::uint32_t>(length)) {
            utils::Report(utils::ReportLevel::Error, texts::kWriteFailed);
            whole = false;
        }
        // Some receivers lose bytes that follow a command too closely.
        if (pauseMs > 0) QThread::msleep(static_cast<unsigned long>(pauseMs));
    }
    return whole;
}

void CTransfer::Finish(Outcome outcome, const QString& message) {
    if (m_finished) return;
    m_finished = true;
    m_idleTimer.stop();
    m_port.ClosePort();
    if (outcome != Outcome::Succeeded && m_parser) m_parser.reset(); // drops a partial receive
    else if (m_parser) m_parser->ResetBuffer();
    emit finished(outcome, message);
}

} // namespace qpui
