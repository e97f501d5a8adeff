#include "chanforge/transfer/SerialSettings.h"

#include "utils/Registry.h"

namespace chanforge::transfer {

namespace {
/// A typed path does not fit the numbered setting, so it is kept beside it.
constexpr const char* kTypedPortValue = "COM Port Name";

std::uint32_t Read(const char* name, std::uint32_t fallback) {
    std::uint32_t value = fallback;
    if (GetRegistry(kChanforgeKey, name, &value, fallback) == 0)
        return fallback;
    return value;
}
} // namespace

SERIAL_COMM_INFO_TAG ReadSerialSettings() {
    SERIAL_COMM_INFO_TAG info;
    info.port = static_cast<std::uint8_t>(Read("COM Port Number", 1));
    info.baud = Read("COM Baud Rate", 115200);
    info.dataBits = static_cast<std::uint8_t>(Read("COM Data Bit", 8));
    info.stopBits = static_cast<std::uint8_t>(Read("COM Stop Bit", 0));
    info.parity = static_cast<std::uint8_t>(Read("COM Parity", 0));
    return info;
}

void StoreSerialPort(std::uint8_t port) {
    SetRegistry(kChanforgeKey, "COM Port Number", port);
}

std::string ReadTypedPort() {
    // Checked first: reading a missing value would store an empty one.
    if (HasRegistryValue(kChanforgeKey, kTypedPortValue) != 1)
        return {};
    char name[kRegistryStringSize] = {};
    if (GetRegistry(kChanforgeKey, kTypedPortValue, name, "") != 1)
        return {};
    return name;
}

void StoreTypedPort(const std::string& name) {
    SetRegistry(kChanforgeKey, kTypedPortValue, name.c_str());
}

} // namespace chanforge::transfer
