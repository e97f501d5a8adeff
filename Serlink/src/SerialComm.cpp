#include "serlink/SerialComm.h"

#include "LineSettings.h"
#include "PortWorker.h"
#include "serlink/PortNames.h"
#include "serlink/SerialEvent.h"

#include <QCoreApplication>
#include <QThread>

#include <algorithm>

CSerialComm::CSerialComm() : eventId_(serlink::kDataArrivedEvent) {}

CSerialComm::~CSerialComm() {
    ClosePort();
}

void CSerialComm::SetParentWnd(QObject* parent) {
    std::lock_guard guard(queueLock_);
    parent_ = parent;
}

QObject* CSerialComm::GetParentWnd() const {
    std::lock_guard guard(queueLock_);
    return parent_;
}

void CSerialComm::SetEventMsgID(unsigned id) {
    eventId_ = id;
}
unsigned CSerialComm::GetEventMsgID() const {
    return eventId_;
}

std::uint32_t CSerialComm::GetReadDataSize() const {
    std::lock_guard guard(queueLock_);
    return static_cast<std::uint32_t>(queue_.size());
}

bool CSerialComm::IsConnected() const {
    return connected_ != 0;
}

std::string CSerialComm::GetLastError() const {
    std::lock_guard guard(queueLock_);
    return lastError_;
}

int CSerialComm::OpenPort(std::uint8_t port, std::uint32_t baud, std::uint8_t dataBits,
                          std::uint8_t stopBits, std::uint8_t parity) {
    return OpenPort(GetPortName(port), baud, dataBits, stopBits, parity);
}

int CSerialComm::OpenPort(const std::string& name, std::uint32_t baud, std::uint8_t dataBits,
                          std::uint8_t stopBits, std::uint8_t parity) {
    if (IsConnected()) {
        std::lock_guard guard(queueLock_);
        lastError_ = "The port is already open";
        return 0;
    }
    ClosePort(); // a port lost earlier still has its watch thread
    const auto settings = serlink::MapLineSettings(baud, dataBits, stopBits, parity);
    if (!settings) {
        std::lock_guard guard(queueLock_);
        lastError_ = "Unsupported line settings";
        return 0;
    }
    {
        std::lock_guard guard(queueLock_);
        queue_.clear(); // bytes of an earlier session would confuse the next conversation
        lastError_.clear();
    }
    portName_ = name;
    baud_ = baud;
    watchThread_ = std::make_unique<QThread>();
    watchThread_->setObjectName(QStringLiteral("ThreadWatchComm"));
    worker_ = new serlink::PortWorker(*this);
    worker_->moveToThread(watchThread_.get());
    watchThread_->start();

    const QString device = QString::fromStdString(serlink::ResolvePortName(name));
    bool opened = false;
    QString error;
    QMetaObject::invokeMethod(
        worker_,
        [&] {
            opened = worker_->Open(device, *settings, &error);
            if (opened)
                connected_ = 1;
        },
        Qt::BlockingQueuedConnection);
    if (!opened) {
        ClosePort();
        std::lock_guard guard(queueLock_);
        lastError_ = error.toStdString();
        return 0;
    }
    return 1;
}

void CSerialComm::ClosePort() {
    connected_ = 0;
    if (!watchThread_)
        return;
    QMetaObject::invokeMethod(
        worker_, [this] { worker_->Close(); }, Qt::BlockingQueuedConnection);
    watchThread_->quit();
    watchThread_->wait();
    delete worker_; // its thread has finished, so nothing else touches it
    worker_ = nullptr;
    watchThread_.reset();
}

std::uint32_t CSerialComm::ReadSerialComm(unsigned char* destination, std::uint32_t count) {
    if (destination == nullptr)
        return 0xFFFFFFFFu;
    if (!IsConnected() || count == 0)
        return 0;
    std::lock_guard guard(queueLock_);
    const auto copied = static_cast<std::uint32_t>(std::min<std::size_t>(count, queue_.size()));
    std::copy_n(queue_.begin(), copied, destination);
    queue_.erase(queue_.begin(), queue_.begin() + copied);
    return copied;
}

std::uint32_t CSerialComm::WriteSerialComm(const unsigned char* source, std::uint32_t count) {
    if (!IsConnected() || source == nullptr || count == 0)
        return 0;
    const QByteArray bytes(reinterpret_cast<const char*>(source), static_cast<qsizetype>(count));
    const int timeout = serlink::WriteTimeoutMs(baud_, count);
    qint64 written = 0;
    QMetaObject::invokeMethod(
        worker_, [&] { written = worker_->Write(bytes, timeout); }, Qt::BlockingQueuedConnection);
    return static_cast<std::uint32_t>(written);
}

void CSerialComm::AppendReceived(const char* bytes, std::int64_t count) {
    std::lock_guard guard(queueLock_);
    queue_.insert(queue_.end(), reinterpret_cast<const unsigned char*>(bytes),
                  reinterpret_cast<const unsigned char*>(bytes) + count);
}

void CSerialComm::Notify(std::uint32_t wParam, std::int64_t lParam) {
    QObject* parent = GetParentWnd();
    if (parent == nullptr)
        return;
    // Posted, not sent: the owner handles it on its own thread, after the lock is released.
    QCoreApplication::postEvent(parent, new serlink::SerialEvent(eventId_, wParam, lParam));
}

void CSerialComm::MarkLost(const QString& reason) {
    connected_ = 0;
    {
        std::lock_guard guard(queueLock_);
        lastError_ = reason.toStdString();
    }
    Notify(serlink::kPortLost, 0);
}
