// The serial settings the transfer dialogs keep in the settings store.
#pragma once

#include <cstdint>
#include <string>

struct SERIAL_COMM_INFO_TAG {
    std::uint8_t port = 1; ///< 1 = COM1
    std::uint32_t baud = 115200;
    std::uint8_t dataBits = 8;
    std::uint8_t stopBits = 0; ///< 0 one, 1 one and a half, 2 two
    std::uint8_t parity = 0;   ///< 0 none, 1 odd, 2 even, 3 mark, 4 space
};

namespace chanforge::transfer {

/// "COM Port Number", "COM Baud Rate", "COM Data Bit", "COM Stop Bit", "COM Parity", each
/// stored with its default when missing.
SERIAL_COMM_INFO_TAG ReadSerialSettings();
/// Stores the port number as "COM Port Number".
void StoreSerialPort(std::uint8_t port);
/// The port the operator typed last, as typed ("COM Port Name"); empty when none is stored.
std::string ReadTypedPort();
void StoreTypedPort(const std::string& name);

} // namespace chanforge::transfer
