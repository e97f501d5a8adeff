#include "PortWorker.h"

#include "serlink/SerialComm.h"
#include "serlink/SerialEvent.h"

#include <QDeadlineTimer>

#ifdef Q_OS_UNIX
#include <poll.h>
#endif

namespace serlink {

bool PortWorker::Open(const QString& device, const LineSettings& settings, QString* error) {
    m_port = new QSerialPort(this);
    m_port->setPortName(device);
    // QSerialPort opens raw (no CR/LF translation) and locks the device against a second opener.
    bool ok = m_port->open(QIODevice::ReadWrite);
    ok = ok && m_port->setBaudRate(static_cast<qint32>(settings.baud)) &&
         m_port->setDataBits(settings.dataBits) && m_port->setParity(settings.parity) &&
         m_port->setStopBits(settings.stopBits) &&
         m_port->setFlowControl(QSerialPort::NoFlowControl);
    if (!ok) {
        *error = m_port->errorString();
        Close();
        return false;
    }
    // Pseudo-terminals and some adapters have no modem lines; refusing RTS there is harmless.
    m_port->setRequestToSend(true);
    m_port->clearError();
    m_port->clear();
    connect(m_port, &QSerialPort::readyRead, this, [this] { Drain(); });
    connect(m_port, &QSerialPort::errorOccurred, this,
            [this](QSerialPort::SerialPortError e) { OnError(e); });
    return true;
}

qint64 PortWorker::Write(const QByteArray& bytes, int timeoutMs) {
    if (m_port == nullptr || !m_port->isOpen()) return 0;
    const qint64 accepted = m_port->write(bytes);
    if (accepted <= 0) return 0;
    const QDeadlineTimer deadline(timeoutMs);
    // A wait may end early on a spurious read error; only the deadline or a closed port stops it.
    while (m_port->isOpen() && m_port->bytesToWrite() > 0 && !deadline.hasExpired())
        m_port->waitForBytesWritten(static_cast<int>(deadline.remainingTime()));
    if (!m_port->isOpen()) return 0;
    const qint64 pending = m_port->bytesToWrite();
    // Bytes that missed the time-out must not trail out later behind the caller's back.
    if (pending > 0) m_port->clear(QSerialPort::Output);
    return accepted - pending;
}

void PortWorker::Close() {
    if (m_port == nullptr) return;
    m_port->disconnect(this);
    m_port->close();
    delete m_port;
    m_port = nullptr;
}

void PortWorker::Drain() {
    const QByteArray bytes = m_port->readAll();
    if (bytes.isEmpty()) return;
    m_failedReads = 0;
    m_owner.AppendReceived(bytes.constData(), bytes.size());
    m_owner.Notify(kBytesArrived, bytes.size());
}

bool PortWorker::HungUp() const {
#ifdef Q_OS_UNIX
    pollfd device{static_cast<int>(m_port->handle()), POLLIN, 0};
    return ::poll(&device, 1, 0) > 0 && (device.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
#else
    return false;
#endif
}

void PortWorker::OnError(QSerialPort::SerialPortError error) {
    if (error != QSerialPort::ReadError && error != QSerialPort::ResourceError) return;
    // A read that finds nothing (the bytes were taken while waiting for a write) is reported as
    // an error too; only a device that hung up, or one that keeps failing, is gone. Closing then
    // keeps a dead descriptor from waking this thread in a loop.
    if (error == QSerialPort::ReadError && !HungUp() && ++m_failedReads < kFailedReadsLimit) {
        m_port->clearError();
        return;
    }
    const QString reason = m_port->errorString();
    Close();
    m_owner.MarkLost(reason);
}

} // namespace serlink
