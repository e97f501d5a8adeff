// One RS-232 port: a watch thread moves every received byte into a locked receive queue and
// posts the owner a SerialEvent with the number of new bytes; the owner drains the queue on its
// own thread. The port is raw: no flow control, no CR/LF translation, exclusive to one opener.
#pragma once

#include <QString>

#include <atomic>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <string>

class QObject;
class QThread;

namespace serlink {
class PortWorker;
}

class CSerialComm {
  public:
    CSerialComm();
    /// Closes the port (joining the watch thread) so no notification outlives the object.
    ~CSerialComm();
    CSerialComm(const CSerialComm&) = delete;
    CSerialComm& operator=(const CSerialComm&) = delete;

    /// Receiver of the notifications; it must outlive the open port.
    void SetParentWnd(QObject* parent);
    QObject* GetParentWnd() const;
    void SetEventMsgID(unsigned id);
    unsigned GetEventMsgID() const;

    /// Bytes waiting in the receive queue.
    std::uint32_t GetReadDataSize() const;

    /// "COM1".."COM4" for 1..4, else the device path "\\.\COM<n>".
    static std::string GetPortName(std::uint8_t port);

    /// 1 on success, 0 on failure (see GetLastError). Settings are passed on unchecked.
    int OpenPort(std::uint8_t port, std::uint32_t baud, std::uint8_t dataBits,
                 std::uint8_t stopBits, std::uint8_t parity);
    /// name: a device path, a platform port name, or the numbered form of GetPortName.
    int OpenPort(const std::string& name, std::uint32_t baud, std::uint8_t dataBits,
                 std::uint8_t stopBits, std::uint8_t parity);
    /// Stops the watch thread and closes the port; harmless when closed.
    void ClosePort();
    bool IsConnected() const;

    /// Bytes copied; 0 when not connected or count is 0; 0xFFFFFFFF for a null buffer.
    std::uint32_t ReadSerialComm(unsigned char* destination, std::uint32_t count);
    /// Bytes written (all or, after a time-out or failure, fewer); 0 when not connected.
    std::uint32_t WriteSerialComm(const unsigned char* source, std::uint32_t count);

    /// Why the last open failed or the port was lost.
    std::string GetLastError() const;

    /// Validators: the value if supported, else 0 after reporting "Cannot support this ...".
    static std::uint32_t GetBaud(std::uint32_t baud);
    static std::uint8_t GetDataBit(std::uint8_t dataBits);
    static std::uint8_t GetStopBit(std::uint8_t stopBits);
    static std::uint8_t GetParity(std::uint8_t parity);

  private:
    friend class serlink::PortWorker;

    void AppendReceived(const char* bytes, std::int64_t count);
    void Notify(std::uint32_t wParam, std::int64_t lParam);
    void MarkLost(const QString& reason);

    mutable std::mutex queueLock_; ///< guards queue_, parent_, lastError_
    std::deque<unsigned char> queue_;
    QObject* parent_ = nullptr;
    std::atomic<unsigned> eventId_;
    std::atomic<int> connected_{0};
    std::string portName_;
    std::string lastError_;
    std::uint32_t baud_ = 0;
    std::unique_ptr<QThread> watchThread_;
    serlink::PortWorker* worker_ = nullptr; ///< lives in the watch thread
};
