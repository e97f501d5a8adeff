// receive, send, ports: the transfer dialogs' work, run by the transfer library.
#include "Commands.h"

#include "chanforge/check/ImageDiff.h"
#include "chanforge/fleet/FleetCommand.h"
#include "chanforge/transfer/TransferCommand.h"
#include "policy/Policy.h"
#include "policy/Presets.h"
#include "utils/Files.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <optional>

namespace cli {

namespace {

struct SerialOptions {
    int baud = 0; ///< 0: take the value from the settings
    int dataBits = 0;
    int stopBits = -1;
    int parity = -1;
    int timeoutSeconds = 30; ///< fail when the receiver sends nothing this long; 0: wait
};

/// The line as given, with the model's transfer parameters when one applies for this command.
chanforge::transfer::LineOptions Line(const Context& ctx, const std::string& port,
                                      const SerialOptions& serial) {
    chanforge::transfer::LineOptions line;
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

using chanforge::document::Document;

/// The received file becomes OUT only once it opens as a database of this model: a receiver
/// that announces less than its image, or sends something else, leaves OUT as it was. The
/// refusal, or nothing when OUT now holds the database.
std::string KeepReceived(Document& doc, const std::string& out) {
    if (auto r = doc.AdoptReceived(); !r.ok()) {
        r.message = "The received data is not a database of this model";
        return FailureText(r);
    }
    std::vector<std::uint8_t> bytes;
    if (const utils::FileResult read = utils::ReadWholeFile(doc.WorkFilePath(), bytes); !read.ok())
        return read.message + ": " + doc.WorkFilePath();
    if (const utils::FileResult written = utils::ReplaceFile(out, bytes); !written.ok())
        return written.message + ": " + out;
    return {};
}

/// What the receiver holds now against what was sent: table by table, then byte for byte.
int CompareSent(std::ostream& out, const std::string& sentPath, const std::string& backPath,
                const chanforge::codec::FlashLayout& layout) {
    const chanforge::check::ImageDiff diff =
        chanforge::check::DiffFiles(sentPath, backPath, layout);
    if (!diff.ok)
        return Fail("Cannot verify the send: " + diff.detail);
    if (!diff.changes.empty()) {
        PrintChanges(diff.changes, false, out);
        return Fail("The receiver holds a database that differs from the one sent");
    }
    if (!diff.bytes.empty())
        return Fail(chanforge::check::HeldBytesPhrase(diff.bytes).English());
    out << "Verified\n";
    return kOk;
}

/// Receives the image back, as the window's verify after send does.
int VerifySent(std::ostream& out, const Document& doc,
               const chanforge::transfer::LineOptions& line) {
    const std::string back = doc.WorkFilePath() + ".verify";
    int status = chanforge::transfer::RunReceive({line, back, false});
    if (status == kOk)
        status = CompareSent(out, doc.WorkFilePath(), back, doc.Layout());
    std::error_code ignored;
    std::filesystem::remove(back, ignored);
    return status;
}

int RunReceive(const Context& ctx, const std::string& port, const std::string& out, bool wait,
               const SerialOptions& serial) {
    const chanforge::codec::FlashLayout layout = ctx.Layout();
    Document doc(layout);
    ctx.Configure(doc);
    if (doc.WorkFilePath().empty())
        return Fail("Cannot create the work file in the temporary folder");
    // The receive completes only once OUT holds the database, so a refusal is all it says.
    return chanforge::transfer::RunReceive(
        {Line(ctx, port, serial), doc.ReceivedPath(), wait},
        [&doc, &out](const std::string&) { return KeepReceived(doc, out); });
}

int RunSend(const Context& ctx, const std::string& port, const std::vector<std::string>& files,
            bool verify, const SerialOptions& serial) {
    const chanforge::codec::FlashLayout layout = ctx.Layout();
    chanforge::document::Document doc(layout);
    ctx.Configure(doc);
    if (auto r = doc.Open(files); !r.ok())
        return Fail(r);
    if (auto r = doc.PrepareSend(); !r.ok())
        return Fail(r);
    const chanforge::transfer::LineOptions line = Line(ctx, port, serial);
    const int status = chanforge::transfer::RunSend({line, doc.WorkFilePath()});
    return status == kOk && verify ? VerifySent(ctx.Out(), doc, line) : status;
}

struct FleetArgs {
    std::vector<std::string> ports;
    std::string report;
    bool repeat = false;
    bool json = false;
};

/// The same send to every port at once, each verified when asked, with a line per unit.
int RunFleetSend(const Context& ctx, const std::vector<std::string>& files, bool verify,
                 const SerialOptions& serial, const FleetArgs& fleet) {
    chanforge::document::Document doc(ctx.Layout());
    ctx.Configure(doc);
    if (auto r = doc.Open(files); !r.ok())
        return Fail(r);
    if (auto r = doc.PrepareSend(); !r.ok())
        return Fail(r);
    chanforge::fleet::FleetCommandOptions options;
    for (const std::string& port : fleet.ports)
        options.lines.push_back(Line(ctx, port, serial));
    const policy::ProductPreset* preset = options.lines.front().preset;
    options.job.file = doc.WorkFilePath();
    options.job.layout = doc.Layout();
    options.job.family = chanforge::transfer::FamilyFor(
        preset != nullptr ? preset->Kind() : policy::ProductKind::Current());
    options.job.verify = verify;
    options.job.scratch = std::filesystem::path(doc.WorkFilePath()).parent_path().string();
    options.repeat = fleet.repeat;
    options.json = fleet.json;
    options.report = fleet.report;
    return chanforge::fleet::RunFleetSend(options, ctx.Out());
}

/// A port named more than once: its second unit could only fail on the lock of the first.
const std::string* PortNamedTwice(const std::vector<std::string>& ports) {
    for (auto it = ports.begin(); it != ports.end(); ++it)
        if (std::find(ports.begin(), it, *it) != it)
            return &*it;
    return nullptr;
}

/// One port without a report, repeat or JSON is the plain send; anything more is the fleet's.
int RunSendCommand(const Context& ctx, const std::vector<std::string>& files, bool verify,
                   const SerialOptions& serial, const FleetArgs& fleet) {
    if (const std::string* twice = PortNamedTwice(fleet.ports)) {
        ctx.Err() << "--port " << *twice
                  << " is given twice: each receiver needs a port of its own\n";
        return kUsage;
    }
    if (fleet.ports.size() == 1 && fleet.report.empty() && !fleet.repeat && !fleet.json)
        return RunSend(ctx, fleet.ports.front(), files, verify, serial);
    return RunFleetSend(ctx, files, verify, serial, fleet);
}

void AddSerialOptions(CLI::App* cmd, SerialOptions& serial) {
    cmd->add_option("--baud", serial.baud, "baud rate (default: the stored \"COM Baud Rate\")");
    cmd->add_option("--data-bits", serial.dataBits, "data bits");
    cmd->add_option("--stop-bits", serial.stopBits, "stop-bit code");
    cmd->add_option("--parity", serial.parity, "parity code");
    cmd->add_option("--timeout", serial.timeoutSeconds,
                    "seconds without a byte from the receiver before failing (0: wait)");
}

struct TransferArgs {
    std::string port;
    std::string out;
    std::vector<std::string> files;
    bool wait = false;
    bool verify = false;
    SerialOptions serial;
};

} // namespace

void RegisterTransferCommands(CLI::App& app, Context& ctx) {
    auto receive = std::make_shared<TransferArgs>();
    CLI::App* cmd = app.add_subcommand("receive", "receive the database from a receiver");
    cmd->add_option("--port", receive->port, "serial device")->required();
    cmd->add_option("-o", receive->out, "output file")->required();
    cmd->add_flag("--wait", receive->wait, "wait for the receiver (extended receive)");
    AddSerialOptions(cmd, receive->serial);
    // Receiving stores what the receiver reports about itself.
    OnRun(
        cmd, ctx,
        [receive](const Context& c) {
            return RunReceive(c, receive->port, receive->out, receive->wait, receive->serial);
        },
        SettingsUse::Stores);

    auto send = std::make_shared<TransferArgs>();
    auto fleet = std::make_shared<FleetArgs>();
    cmd = app.add_subcommand(
        "send", "open the files and send the database; several --port send to all at once");
    cmd->add_option("--port", fleet->ports,
                    "serial device; give it once per receiver to send to several at once")
        ->required()
        ->allow_extra_args(false); // the files follow a port, as with one port

    cmd->add_option("FILE", send->files, "files to open")->required();
    cmd->add_flag("--verify", send->verify,
                  "receive the image back and compare it with what was sent");
    cmd->add_option("--report", fleet->report,
                    "write a CSV row per receiver: time, port, version, blocks, seconds, result, "
                    "reason, differences");
    cmd->add_flag("--repeat", fleet->repeat,
                  "after each receiver wait for the next one on the same port, until Ctrl+C");
    cmd->add_flag("--json", fleet->json, "print a JSON line per port change and per receiver");
    cmd->footer("With several ports every receiver is sent at once, each on its own line of "
                "progress; the exit status is 0 only when every receiver verified (or was "
                "sent, without --verify).");
    AddSerialOptions(cmd, send->serial);
    OnRun(
        cmd, ctx,
        [send, fleet](const Context& c) {
            return RunSendCommand(c, send->files, send->verify, send->serial, *fleet);
        },
        SettingsUse::Stores);

    OnRun(app.add_subcommand("ports", "list the serial ports"), ctx,
          [](const Context& c) { return chanforge::transfer::ListPorts(c.Out()); });
}

} // namespace cli
