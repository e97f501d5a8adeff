#include "PortWorker.h"

#include "serlink/SerialComm.h"
#include "serlink/SerialEvent.h"

#include <QDeadlineTimer>

#ifdef Q_OS_UNIX
#include <poll.h>
#endif

namespace serlink {

bool PortWorker::Open(const QString& device, const LineSettings& settings, QString* error) {
    port_ = new QSerialPort(this);
    port_->setPortName(device);
    // QSerialPort opens raw (no CR/LF translation) and locks the device against a second opener.
    bool ok = port_->open(QIODevice::ReadWrite);
    ok = ok && port_->setBaudRate(static_cast<qint32>(settings.baud)) &&
         port_->setDataBits(settings.dataBits) && port_->setParity(settings.parity) &&
         port_->setStopBits(settings.stopBits) && port_->setFlowControl(QSerialPort::NoFlowControl);
    if (!ok) {
        *error = port_->errorString();
        Close();
        return false;
    }
    // Pseudo-terminals and some adapters have no modem lines; refusing RTS there is harmless.
    port_->setRequestToSend(true);
    port_->clearError();
    port_->clear();
    connect(port_, &QSerialPort::readyRead, this, [this] { Drain(); });
    connect(port_, &QSerialPort::errorOccurred, this,
            [this](QSerialPort::SerialPortError e) { OnError(e); });
    return true;
}

qint64 PortWorker::Write(const QByteArray& bytes, int timeoutMs) {
    if (port_ == nullptr || !port_->isOpen())
        return 0;
    const qint64 accepted = port_->write(bytes);
    if (accepted <= 0)
        return 0;
    const QDeadlineTimer deadline(timeoutMs);
    // A wait may end early on a spurious read error; only the deadline or a closed port stops it.
    while (port_->isOpen() && port_->bytesToWrite() > 0 && !deadline.hasExpired())
        port_->waitForBytesWritten(static_cast<int>(deadline.remainingTime()));
    if (!port_->isOpen())
        return 0;
    const qint64 pending = port_->bytesToWrite();
    // Bytes that missed the time-out must not trail out later behind the caller's back.
    if (pending > 0)
        port_->clear(QSerialPort::Output);
    return accepted - pending;
}

void PortWorker::Close() {
    if (port_ == nullptr)
        return;
    port_->disconnect(this);
    port_->close();
    delete port_;
    port_ = nullptr;
}

void PortWorker::Drain() {
    const QByteArray bytes = port_->readAll();
    if (bytes.isEmpty())
        return;
    failedReads_ = 0;
    owner_.AppendReceived(bytes.constData(), bytes.size());
    owner_.Notify(kBytesArrived, bytes.size());
}

bool PortWorker::HungUp() const {
#ifdef Q_OS_UNIX
    pollfd device{static_cast<int>(port_->handle()), POLLIN, 0};
    return ::poll(&device, 1, 0) > 0 && (device.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
#else
    return false;
#endif
}

void PortWorker::OnError(QSerialPort::SerialPortError error) {
    if (error != QSerialPort::ReadError && error != QSerialPort::ResourceError)
        return;
    // A read that finds nothing (the bytes were taken while waiting for a write) is reported as
    // an error too, and as a resource error when the read said "try again" (EAGAIN); only a
    // device that hung up, or one that keeps failing, is gone. Closing then keeps a dead
    // descriptor from waking this thread in a loop.
    if (!HungUp() && ++failedReads_ < kFailedReadsLimit) {
        port_->clearError();
        return;
    }
    const QString reason = port_->errorString();
    Close();
    owner_.MarkLost(reason);
}

} // namespace serlink
