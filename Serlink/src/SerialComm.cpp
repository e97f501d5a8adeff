#include "serlink/SerialComm.h"

#include "LineSettings.h"
#include "PortWorker.h"
#include "serlink/PortNames.h"
#include "serlink/SerialEvent.h"

#include <QCoreApplication>
#include <QThread>

#include <algorithm>

CSerialComm::CSerialComm() : m_eventId(serlink::kDataArrivedEvent) {}

CSerialComm::~CSerialComm() { ClosePort(); }

void CSerialComm::SetParentWnd(QObject* parent) {
    std::lock_guard guard(m_queueLock);
    m_parent = parent;
}

QObject* CSerialComm::GetParentWnd() const {
    std::lock_guard guard(m_queueLock);
    return m_parent;
}

void CSerialComm::SetEventMsgID(unsigned id) { m_eventId = id; }
unsigned CSerialComm::GetEventMsgID() const { return m_eventId; }

std::uint32_t CSerialComm::GetReadDataSize() const {
    std::lock_guard guard(m_queueLock);
    return static_cast<std::uint32_t>(m_queue.size());
}

bool CSerialComm::IsConnected() const { return m_connected != 0; }

std::string CSerialComm::GetLastError() const {
    std::lock_guard guard(m_queueLock);
    return m_lastError;
}

int CSerialComm::OpenPort(std::uint8_t port, std::uint32_t baud, std::uint8_t dataBits,
                          std::uint8_t stopBits, std::uint8_t parity) {
    return OpenPort(GetPortName(port), baud, dataBits, stopBits, parity);
}

int CSerialComm::OpenPort(const std::string& name, std::uint32_t baud, std::uint8_t dataBits,
                          std::uint8_t stopBits, std::uint8_t parity) {
    if (IsConnected()) {
        std::lock_guard guard(m_queueLock);
        m_lastError = "The port is already open";
        return 0;
    }
    ClosePort(); // a port lost earlier still has its watch thread
    const auto settings = serlink::MapLineSettings(baud, dataBits, stopBits, parity);
    if (!settings) {
        std::lock_guard guard(m_queueLock);
        m_lastError = "Unsupported line settings";
        return 0;
    }
    {
        std::lock_guard guard(m_queueLock);
        m_queue.clear(); // bytes of an earlier session would confuse the next conversation
        m_lastError.clear();
    }
    m_portName = name;
    m_baud = baud;
    m_watchThread = std::make_unique<QThread>();
    m_watchThread->setObjectName(QStringLiteral("ThreadWatchComm"));
    m_worker = new serlink::PortWorker(*this);
    m_worker->moveToThread(m_watchThread.get());
    m_watchThread->start();

    const QString device = QString::fromStdString(serlink::ResolvePortName(name));
    bool opened = false;
    QString error;
    QMetaObject::invokeMethod(
        m_worker,
        [&] {
            opened = m_worker->Open(device, *settings, &error);
            if (opened) m_connected = 1;
        },
        Qt::BlockingQueuedConnection);
    if (!opened) {
        ClosePort();
        std::lock_guard guard(m_queueLock);
        m_lastError = error.toStdString();
        return 0;
    }
    return 1;
}

void CSerialComm::ClosePort() {
    m_connected = 0;
    if (!m_watchThread) return;
    QMetaObject::invokeMethod(m_worker, [this] { m_worker->Close(); },
                              Qt::BlockingQueuedConnection);
    m_watchThread->quit();
    m_watchThread->wait();
    delete m_worker; // its thread has finished, so nothing else touches it
    m_worker = nullptr;
    m_watchThread.reset();
}

std::uint32_t CSerialComm::ReadSerialComm(unsigned char* destination, std::uint32_t count) {
    if (destination == nullptr) return 0xFFFFFFFFu;
    if (!IsConnected() || count == 0) return 0;
    std::lock_guard guard(m_queueLock);
    const auto copied = static_cast<std::uint32_t>(std::min<std::size_t>(count, m_queue.size()));
    std::copy_n(m_queue.begin(), copied, destination);
    m_queue.erase(m_queue.begin(), m_queue.begin() + copied);
    return copied;
}

std::uint32_t CSerialComm::WriteSerialComm(const unsigned char* source, std::uint32_t count) {
    if (!IsConnected() || source == nullptr || count == 0) return 0;
    const QByteArray bytes(reinterpret_cast<const char*>(source), static_cast<qsizetype>(count));
    const int timeout = serlink::WriteTimeoutMs(m_baud, count);
    qint64 written = 0;
    QMetaObject::invokeMethod(
        m_worker, [&] { written = m_worker->Write(bytes, timeout); },
        Qt::BlockingQueuedConnection);
    return static_cast<std::uint32_t>(written);
}

void CSerialComm::AppendReceived(const char* bytes, std::int64_t count) {
    std::lock_guard guard(m_queueLock);
    m_queue.insert(m_queue.end(), reinterpret_cast<const unsigned char*>(bytes),
                   reinterpret_cast<const unsigned char*>(bytes) + count);
}

void CSerialComm::Notify(std::uint32_t wParam, std::int64_t lParam) {
    QObject* parent = GetParentWnd();
    if (parent == nullptr) return;
    // Posted, not sent: the owner handles it on its own thread, after the lock is released.
    QCoreApplication::postEvent(parent, new serlink::SerialEvent(m_eventId, wParam, lParam));
}

void CSerialComm::MarkLost(const QString& reason) {
    m_connected = 0;
    {
        std::lock_guard guard(m_queueLock);
        m_lastError = reason.toStdString();
    }
    Notify(serlink::kPortLost, 0);
}
