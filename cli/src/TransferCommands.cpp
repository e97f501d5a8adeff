// receive, send, ports: the serial transfers, which this build does not contain yet.
#include "Commands.h"

namespace cli {

namespace {
constexpr const char* kNoTransfers = "Serial transfers are not available in this build";
} // namespace

int RunReceive(const Context&, const std::string&, const std::string&, bool, const SerialOptions&) {
    return Fail(kNoTransfers);
}

int RunSend(const Context&, const std::string&, const std::vector<std::string>&,
            const SerialOptions&) {
    return Fail(kNoTransfers);
}

int RunPorts() { return Fail(kNoTransfers); }

} // namespace cli
