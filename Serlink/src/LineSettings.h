// Mapping of the line-setting codes (data bits 5..8; stop bits 0 one, 1 one and a half, 2 two;
// parity 0 none, 1 odd, 2 even, 3 mark, 4 space) onto QSerialPort's settings.
#pragma once

#include <QSerialPort>

#include <cstdint>
#include <optional>

namespace serlink {

struct LineSettings {
    std::uint32_t baud;
    QSerialPort::DataBits dataBits;
    QSerialPort::StopBits stopBits;
    QSerialPort::Parity parity;
};

/// Null when a code has no meaning; the baud rate is passed on as given.
std::optional<LineSettings> MapLineSettings(std::uint32_t baud, std::uint8_t dataBits,
                                            std::uint8_t stopBits, std::uint8_t parity);

/// Write time-out for count bytes: 1000 ms plus 19200 / baud ms per byte (integer division).
int WriteTimeoutMs(std::uint32_t baud, std::int64_t count);

} // namespace serlink
