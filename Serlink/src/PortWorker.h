// The part of a serial port that lives in its watch thread: QSerialPort is not thread-safe, so
// every call on it is made from this thread, the owner's calls arriving as blocking invocations.
#pragma once

#include "LineSettings.h"

#include <QObject>
#include <QSerialPort>

class CSerialComm;

namespace serlink {

class PortWorker : public QObject {
  public:
    explicit PortWorker(CSerialComm& owner) : owner_(owner) {}

    /// In the watch thread: opens and configures the device; error gets the reason on failure.
    bool Open(const QString& device, const LineSettings& settings, QString* error);
    /// In the watch thread: bytes that left within the time-out.
    qint64 Write(const QByteArray& bytes, int timeoutMs);
    /// In the watch thread: closes the device.
    void Close();

  private:
    void Drain();
    void OnError(QSerialPort::SerialPortError error);
    bool HungUp() const;

    static constexpr int kFailedReadsLimit = 64;

    CSerialComm& owner_;
    QSerialPort* port_ = nullptr;
    int failedReads_ = 0; ///< read errors since bytes last arrived
};

} // namespace serlink
