// The machine's serial ports and the mapping of numbered port names onto devices.
#pragma once

#include <string>
#include <vector>

namespace serlink {

struct PortInfo {
    std::string name;        ///< platform name, e.g. "ttyUSB0"
    std::string location;    ///< device path, e.g. "/dev/ttyUSB0"
    std::string description; ///< maker's description, may be empty
};

/// The serial ports the platform enumerates, in its order.
std::vector<PortInfo> EnumeratePorts();

/// The device to open for a name: "COM<n>" and "\\.\COM<n>" map to the n-th native serial
/// device where the platform has no COM names; everything else is used as given.
std::string ResolvePortName(const std::string& name);

} // namespace serlink
