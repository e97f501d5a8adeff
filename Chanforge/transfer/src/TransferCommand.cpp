#include "chanforge/transfer/TransferCommand.h"

#include "ProgressLine.h"
#include "chanforge/transfer/InterruptNotifier.h"
#include "chanforge/transfer/ReceiveTransfer.h"
#include "chanforge/transfer/SendTransfer.h"
#include "policy/Policy.h"
#include "policy/Presets.h"
#include "serlink/PortNames.h"
#include "serlink/SerialComm.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <unistd.h>

namespace chanforge::transfer {

namespace {

/// Starts a transfer and runs it to its end with progress and Ctrl+C; the exit status. Its end is
/// listened for before it starts: a port that refuses its settings ends the transfer inside
/// Start, and that message is what the operator must see.
int RunToEnd(CTransfer& transfer, const std::function<bool()>& start) {
    ProgressLine progress(::isatty(STDERR_FILENO) == 1);
    CTransfer::Outcome outcome = CTransfer::Outcome::Failed;
    QString message;
    QEventLoop loop;
    const auto draw = [&] {
        progress.Update(transfer.Status(), transfer.Progress(), transfer.Stats());
    };
    QObject::connect(&transfer, &CTransfer::statusChanged, &loop, draw);
    QObject::connect(&transfer, &CTransfer::progressChanged, &loop, draw);
    QObject::connect(&transfer, &CTransfer::finished, &loop,
                     [&](CTransfer::Outcome result, const QString& text) {
                         outcome = result;
                         message = text;
                         loop.quit();
                     });
    InterruptNotifier interrupt([&] { transfer.Cancel(); });
    const bool started = start();
    if (started && !transfer.IsFinished()) {
        draw(); // what Start already said
        loop.exec();
    }
    progress.Close();
    if (!transfer.IsFinished())
        message = transfer.Status(); // refused before it began
    if (outcome == CTransfer::Outcome::Succeeded)
        return 0;
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    return 1;
}

} // namespace

std::unique_ptr<QCoreApplication> EnsureApplication() {
    if (QCoreApplication::instance() != nullptr)
        return nullptr;
    static int argc = 1;
    static char name[] = "chanforge-cli";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QCoreApplication>(argc, argv);
}

std::optional<TransferLine> LineFrom(const LineOptions& options) {
    TransferLine line;
    line.port = options.port;
    line.preset = options.preset;
    line.settings = ReadSerialSettings();
    SERIAL_COMM_INFO_TAG& s = line.settings;
    if (options.baud)
        s.baud = *options.baud;
    if (options.dataBits)
        s.dataBits = static_cast<std::uint8_t>(std::clamp(*options.dataBits, 0, 255));
    if (options.stopBits)
        s.stopBits = static_cast<std::uint8_t>(std::clamp(*options.stopBits, 0, 255));
    if (options.parity)
        s.parity = static_cast<std::uint8_t>(std::clamp(*options.parity, 0, 255));
    // The validators report what they refuse.
    if (CSerialComm::GetBaud(s.baud) == 0 || CSerialComm::GetDataBit(s.dataBits) == 0 ||
        CSerialComm::GetStopBit(s.stopBits) != s.stopBits ||
        CSerialComm::GetParity(s.parity) != s.parity)
        return std::nullopt;
    if (options.port.empty()) {
        std::fprintf(stderr, "No serial port given\n");
        return std::nullopt;
    }
    line.idleTimeoutMs = std::max(0, options.timeoutSeconds) * 1000;
    return line;
}

int RunReceive(const ReceiveOptions& options, const ReceivedFileCheck& check) {
    const auto application = EnsureApplication();
    const auto line = LineFrom(options.line);
    if (!line)
        return 2;
    CReceiveTransfer transfer(ParserFamily::Qvr);
    if (check)
        transfer.SetReceivedCheck(
            [&check](const std::string& output) { return QString::fromStdString(check(output)); });
    return RunToEnd(transfer, [&] {
        return transfer.Start({*line, options.output, !options.wait});
    });
}

int RunSend(const SendOptions& options) {
    const auto application = EnsureApplication();
    const auto line = LineFrom(options.line);
    if (!line)
        return 2;
    const policy::ProductPreset* preset = options.line.preset;
    CSendTransfer transfer(
        FamilyFor(preset != nullptr ? preset->Kind() : policy::ProductKind::Current()));
    return RunToEnd(transfer, [&] { return transfer.Start({*line, options.file}); });
}

int ListPorts(std::ostream& out) {
    for (const serlink::PortInfo& port : serlink::EnumeratePorts()) {
        out << port.name << '\t' << port.location;
        if (!port.description.empty())
            out << '\t' << port.description;
        out << '\n';
    }
    return 0;
}

} // namespace chanforge::transfer
