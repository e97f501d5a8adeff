#include "PortWorker.h"

#include "serlink/SerialComm.h"
#include "serlink/SerialEvent.h"

#include <QDeadlineTimer>

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
    while (m_port->isOpen() && m_port->bytesToWrite() > 0) {
        if (!m_port->waitForBytesWritten(static_cast<int>(deadline.remainingTime()))) break;
    }
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
    m_owner.AppendReceived(bytes.constData(), bytes.size());
    m_owner.Notify(kBytesArrived, bytes.size());
}

void PortWorker::OnError(QSerialPort::SerialPortError error) {
    // A vanished device keeps its descriptor readable with an error: closing at the first report
    // is what keeps this thread from spinning.
    if (error != QSerialPort::ReadError && error != QSerialPort::ResourceError) return;
    const QString reason = m_port->errorString();
    Close();
    m_owner.MarkLost(reason);
}

} // namespace serlink
