// receive, send, ports: the transfer dialogs' work, run by the transfer library.
#include "Commands.h"

#include "chanforge/check/ImageDiff.h"
#include "chanforge/transfer/TransferCommand.h"
#include "policy/Policy.h"
#include "policy/Presets.h"
#include "utils/Files.h"

#include <filesystem>
#include <iostream>
#include <optional>

namespace cli {

namespace {

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
/// that announces less than its image, or sends something else, leaves OUT as it was.
int KeepReceived(Document& doc, const std::string& out) {
    if (auto r = doc.AdoptReceived(); !r.ok()) {
        r.message = "The received data is not a database of this model";
        return Fail(r);
    }
    std::vector<std::uint8_t> bytes;
    if (const utils::FileResult read = utils::ReadWholeFile(doc.WorkFilePath(), bytes); !read.ok())
        return Fail(read.message + ": " + doc.WorkFilePath());
    if (const utils::FileResult written = utils::ReplaceFile(out, bytes); !written.ok())
        return Fail(written.message + ": " + out);
    return kOk;
}

/// What the receiver holds now against what was sent, table by table.
int CompareSent(const std::string& sentPath, const std::string& backPath,
                const chanforge::codec::FlashLayout& layout) {
    const chanforge::check::ImageDiff diff =
        chanforge::check::DiffFiles(sentPath, backPath, layout);
    if (!diff.ok)
        return Fail("Cannot verify the send: " + diff.detail);
    if (diff.changes.empty()) {
        std::cout << "Verified\n";
        return kOk;
    }
    PrintChanges(diff.changes, false);
    return Fail("The receiver holds a database that differs from the one sent");
}

/// Receives the image back, as the window's verify after send does.
int VerifySent(const Document& doc, const chanforge::transfer::LineOptions& line) {
    const std::string back = doc.WorkFilePath() + ".verify";
    int status = chanforge::transfer::RunReceive({line, back, false});
    if (status == kOk)
        status = CompareSent(doc.WorkFilePath(), back, doc.Layout());
    std::error_code ignored;
    std::filesystem::remove(back, ignored);
    return status;
}

} // namespace

int RunReceive(const Context& ctx, const std::string& port, const std::string& out, bool wait,
               const SerialOptions& serial) {
    const chanforge::codec::FlashLayout layout = ctx.Layout();
    Document doc([layout] { return layout; });
    ctx.Configure(doc);
    if (doc.WorkFilePath().empty())
        return Fail("Cannot create the work file in the temporary folder");
    const int status =
        chanforge::transfer::RunReceive({Line(ctx, port, serial), doc.ReceivedPath(), wait});
    return status == kOk ? KeepReceived(doc, out) : status;
}

int RunSend(const Context& ctx, const std::string& port, const std::vector<std::string>& files,
            bool verify, const SerialOptions& serial) {
    const chanforge::codec::FlashLayout layout = ctx.Layout();
    chanforge::document::Document doc([layout] { return layout; });
    ctx.Configure(doc);
    if (auto r = doc.Open(files); !r.ok())
        return Fail(r);
    if (auto r = doc.PrepareSend(); !r.ok())
        return Fail(r);
    const chanforge::transfer::LineOptions line = Line(ctx, port, serial);
    const int status = chanforge::transfer::RunSend({line, doc.WorkFilePath()});
    return status == kOk && verify ? VerifySent(doc, line) : status;
}

int RunPorts() {
    return chanforge::transfer::ListPorts(std::cout);
}

} // namespace cli
