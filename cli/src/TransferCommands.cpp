// receive, send, ports: the transfer dialogs' work, run by the transfer library.
#include "Commands.h"

#include "policy/Policy.h"
#include "policy/Presets.h"
#include "qpui/TransferCommand.h"

#include <iostream>
#include <optional>

namespace cli {

namespace {

/// The line as given, with the model's transfer parameters when one applies for this command.
qpui::LineOptions Line(const Context& ctx, const std::string& port, const SerialOptions& serial) {
    qpui::LineOptions line;
    line.port = port;
    if (serial.baud > 0)
        line.baud = static_cast<std::uint32_t>(serial.baud);
    if (serial.dataBits > 0)
        line.dataBits = serial.dataBits;
    if (serial.stopBits >= 0)
        line.stopBits = serial.stopBits;
    if (serial.parity >= 0)
        line.parity = serial.parity;
    line.timeoutSeconds = serial.timeoutSeconds;
    if (!ctx.model.empty())
        line.preset = policy::FindPreset(ctx.model);
    else if (GetProductList() == 0)
        line.preset = &policy::StartupPreset();
    return line;
}

} // namespace

int RunReceive(const Context& ctx, const std::string& port, const std::string& out, bool wait,
               const SerialOptions& serial) {
    return qpui::RunReceive({Line(ctx, port, serial), out, wait});
}

int RunSend(const Context& ctx, const std::string& port, const std::vector<std::string>& files,
            const SerialOptions& serial) {
    const chanforge::codec::FlashLayout layout = ctx.Layout();
    chanforge::document::Document doc([layout] { return layout; });
    ctx.Configure(doc);
    if (auto r = doc.Open(files); !r.ok())
        return Fail(r);
    if (auto r = doc.PrepareSend(); !r.ok())
        return Fail(r);
    return qpui::RunSend({Line(ctx, port, serial), doc.WorkFilePath()});
}

int RunPorts() {
    return qpui::ListPorts(std::cout);
}

} // namespace cli
