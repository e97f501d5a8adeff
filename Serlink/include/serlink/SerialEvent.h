// The notification a serial port posts to its owner: the owner's thread receives it through its
// event loop, never the watch thread.
#pragma once

#include <QEvent>

#include <cstdint>

namespace serlink {

/// Default event type of the data-arrived notification (the first user message of the platform).
inline constexpr unsigned kDataArrivedEvent = 1025;

/// wParam values of the notification.
enum SerialNotice : std::uint32_t {
    kBytesArrived = 0, ///< lParam new bytes wait in the receive queue
    kPortLost = 1,     ///< the device failed (unplugged adapter, closed peer); the port is closed
};

class SerialEvent : public QEvent {
  public:
    SerialEvent(unsigned type, std::uint32_t wParam, std::int64_t lParam)
        : QEvent(static_cast<QEvent::Type>(type)), wParam(wParam), lParam(lParam) {}

    const std::uint32_t wParam;
    const std::int64_t lParam;
};

} // namespace serlink
