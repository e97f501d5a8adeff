#include "LineSettings.h"

#include "serlink/SerialComm.h"
#include "utils/Report.h"

#include <algorithm>
#include <array>
#include <string>

namespace serlink {

std::optional<LineSettings> MapLineSettings(std::uint32_t baud, std::uint8_t dataBits,
                                            std::uint8_t stopBits, std::uint8_t parity) {
    if (baud == 0 || dataBits < 5 || dataBits > 8)
        return std::nullopt;
    static constexpr std::array stopCodes{QSerialPort::OneStop, QSerialPort::OneAndHalfStop,
                                          QSerialPort::TwoStop};
    static constexpr std::array parityCodes{QSerialPort::NoParity, QSerialPort::OddParity,
                                            QSerialPort::EvenParity, QSerialPort::MarkParity,
                                            QSerialPort::SpaceParity};
    if (stopBits >= stopCodes.size() || parity >= parityCodes.size())
        return std::nullopt;
    return LineSettings{baud, static_cast<QSerialPort::DataBits>(dataBits), stopCodes[stopBits],
                        parityCodes[parity]};
}

int WriteTimeoutMs(std::uint32_t baud, std::int64_t count) {
    const std::int64_t perByte = baud == 0 ? 0 : 19200 / baud;
    return static_cast<int>(std::min<std::int64_t>(1000 + perByte * count, 600000));
}

} // namespace serlink

namespace {

template <typename T> T Refuse(const char* what, long value) {
    utils::Report(utils::ReportLevel::Error,
                  std::string("Cannot support this ") + what + "(" + std::to_string(value) + ")");
    return 0;
}

} // namespace

std::uint32_t CSerialComm::GetBaud(std::uint32_t baud) {
    static constexpr std::array<std::uint32_t, 10> supported{4800,  9600,  14400,  19200,  38400,
                                                             56000, 57600, 115200, 128000, 256000};
    if (std::find(supported.begin(), supported.end(), baud) != supported.end())
        return baud;
    return Refuse<std::uint32_t>("Baud", static_cast<long>(baud));
}

std::uint8_t CSerialComm::GetDataBit(std::uint8_t dataBits) {
    if (dataBits >= 5 && dataBits <= 8)
        return dataBits;
    return Refuse<std::uint8_t>("Data Bit", dataBits);
}

std::uint8_t CSerialComm::GetStopBit(std::uint8_t stopBits) {
    // Stop-bit code 0 is valid, so the result cannot tell it from a refusal; callers compare.
    if (stopBits <= 2)
        return stopBits;
    return Refuse<std::uint8_t>("Stop Bit", stopBits);
}

std::uint8_t CSerialComm::GetParity(std::uint8_t parity) {
    if (parity <= 4)
        return parity;
    return Refuse<std::uint8_t>("Parity Bit", parity);
}
