#include "serlink/PortNames.h"
#include "serlink/SerialComm.h"

#include <QSerialPortInfo>

#include <cctype>
#include <cstdio>

std::string CSerialComm::GetPortName(std::uint8_t port) {
    char name[32];
    if (port >= 1 && port <= 4)
        std::snprintf(name, sizeof name, "COM%d", port);
    else
        std::snprintf(name, sizeof name, "\\\\.\\COM%d", port);
    return name;
}

namespace serlink {

std::vector<PortInfo> EnumeratePorts() {
    std::vector<PortInfo> ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        ports.push_back({info.portName().toStdString(), info.systemLocation().toStdString(),
                         info.description().toStdString()});
    return ports;
}

std::string ResolvePortName(const std::string& name) {
#ifdef Q_OS_WIN
    return name;
#else
    std::string rest = name;
    if (rest.rfind("\\\\.\\", 0) == 0)
        rest.erase(0, 4);
    if (rest.size() < 4 || rest.size() > 6 || rest.compare(0, 3, "COM") != 0)
        return name;
    int number = 0;
    for (std::size_t i = 3; i < rest.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(rest[i])))
            return name;
        number = number * 10 + (rest[i] - '0');
    }
    // COM1 is the first native serial device, as on the platforms that name them so.
    if (number < 1)
        return name;
    return "/dev/ttyS" + std::to_string(number - 1);
#endif
}

} // namespace serlink
