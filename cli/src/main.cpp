// chanforge-cli: the channel database editor's file and transfer commands for scripts.
#include "Commands.h"

#include "policy/Presets.h"
#include "utils/Registry.h"
#include "utils/TempFiles.h"

#include <CLI/CLI.hpp>

#include <cstdio>
#include <exception>

namespace {

std::vector<std::string> ModelNames() {
    std::vector<std::string> names;
    for (const auto& p : policy::ConfigurablePresets())
        names.emplace_back(p.name);
    names.emplace_back(policy::StartupPreset().name);
    return names;
}

void AddSerialOptions(CLI::App* cmd, cli::SerialOptions& serial) {
    cmd->add_option("--baud", serial.baud, "baud rate (default: the stored \"COM Baud Rate\")");
    cmd->add_option("--data-bits", serial.dataBits, "data bits");
    cmd->add_option("--stop-bits", serial.stopBits, "stop-bit code");
    cmd->add_option("--parity", serial.parity, "parity code");
    cmd->add_option("--timeout", serial.timeoutSeconds,
                    "seconds without a byte from the receiver before failing (0: wait)");
}

int Run(int argc, char** argv) {
    utils::TidyTempFiles();
    CLI::App app{"Chanforge channel database tool: open, convert, print and transfer receiver "
                 "channel lists"};
    app.set_version_flag("--version", std::string("chanforge-cli ") + CHANFORGE_VERSION);
    app.require_subcommand(1);
    app.fallthrough();

    cli::Context ctx;
    std::string settings;
    app.add_option("--settings", settings, "settings store to use")->envname("CHANFORGE_SETTINGS");
    app.add_option("--model", ctx.model, "product policy for this command only")
        ->check(CLI::IsMember(ModelNames()));
    app.add_flag("--yes", ctx.yes, "answer Yes to \"Cannot read file header. Continue?\"");

    std::vector<std::string> files;
    std::string out, name, port;
    bool json = false, wait = false;
    cli::SerialOptions serial;

    auto* models = app.add_subcommand("models", "list the model names");
    auto* policyCmd = app.add_subcommand("policy", "show or set the stored product policy");
    policyCmd->require_subcommand(1);
    auto* policyShow = policyCmd->add_subcommand("show", "print the stored policy values");
    auto* policySet = policyCmd->add_subcommand("set", "store a model's policy");
    policySet->add_option("NAME", name, "model name")
        ->required()
        ->check(CLI::IsMember(ModelNames()));

    auto* dump = app.add_subcommand("dump", "open the files and print the tables");
    dump->add_option("FILE", files, "channel, version or workbook files")->required();
    dump->add_flag("--json", json, "print JSON");

    auto* convert = app.add_subcommand("convert", "open the files and save the database");
    convert->add_option("FILE", files, "files to open")->required();
    convert->add_option("-o", out, "output file")->required();
    cli::ModelChange change;
    convert->add_option("--to-model", change.toModel, "write in the layout of this model")
        ->check(CLI::IsMember(ModelNames()));
    convert->add_flag("--drop-extra", change.dropExtra,
                      "with --to-model: drop what that model cannot hold");

    auto* exportC = app.add_subcommand("export-c", "write the channel table as C source");
    exportC->add_option("FILE", files, "files to open")->required();
    exportC->add_option("-o", out, "output file")->required();

    auto* create = app.add_subcommand("new", "write an empty database image");
    create->add_option("-o", out, "output file")->required();

    auto* receive = app.add_subcommand("receive", "receive the database from a receiver");
    receive->add_option("--port", port, "serial device")->required();
    receive->add_option("-o", out, "output file")->required();
    receive->add_flag("--wait", wait, "wait for the receiver (extended receive)");
    AddSerialOptions(receive, serial);

    auto* send = app.add_subcommand("send", "open the files and send the database");
    send->add_option("--port", port, "serial device")->required();
    send->add_option("FILE", files, "files to open")->required();
    bool verify = false;
    send->add_flag("--verify", verify, "receive the image back and compare it with what was sent");
    AddSerialOptions(send, serial);

    auto* ports = app.add_subcommand("ports", "list the serial ports");

    auto* checkCmd =
        app.add_subcommand("check", "open the files and check the database against the model");
    checkCmd->add_option("FILE", files, "files to open")->required();
    checkCmd->add_flag("--json", json, "print JSON");
    auto* diff = app.add_subcommand("diff", "print what changes from database A to database B");
    diff->add_option("A", name, "first database (FILE or FILE+FILE...)")->required();
    diff->add_option("B", out, "second database (FILE or FILE+FILE...)")->required();
    diff->add_flag("--json", json, "print JSON");
    const cli::Subcommand exportList = cli::AddExportCommand(app);
    const cli::Subcommand applyReference = cli::AddApplyReference(app);
    const cli::Subcommand dedupe = cli::AddDedupeCommand(app);

    try {
        app.parse(argc, argv);
    } catch (const CLI::Error& e) {
        const int code = app.exit(e);
        return code == 0 ? cli::kOk : cli::kUsage;
    }
    if (!settings.empty())
        utils::SetSettingsPath(settings);
    if (const std::string problem = utils::SettingsStoreProblem(); !problem.empty()) {
        cli::Fail(problem);
        return cli::kUsage;
    }
    // Only these store anything; every other command leaves the settings file's bytes alone.
    utils::SetSettingsReadOnly(!*policySet && !*receive && !*send);

    if (*models)
        return cli::RunModels();
    if (*policyShow)
        return cli::RunPolicyShow();
    if (*policySet)
        return cli::RunPolicySet(name);
    if (*dump)
        return cli::RunDump(ctx, files, json);
    if (*convert)
        return cli::RunConvert(ctx, files, out, change);
    if (*exportC)
        return cli::RunExportC(ctx, files, out);
    if (*create)
        return cli::RunNew(ctx, out);
    if (*receive)
        return cli::RunReceive(ctx, port, out, wait, serial);
    if (*send)
        return cli::RunSend(ctx, port, files, verify, serial);
    if (*ports)
        return cli::RunPorts();
    if (*checkCmd)
        return cli::RunCheck(ctx, files, json);
    if (*diff)
        return cli::RunDiff(ctx, name, out, json);
    if (*exportList.command)
        return exportList.run(ctx);
    if (*applyReference.command)
        return applyReference.run(ctx);
    if (*dedupe.command)
        return dedupe.run(ctx);
    return cli::kUsage;
}

} // namespace

int main(int argc, char** argv) {
    // Whatever escapes still ends with a message and a status, never an abort, and unwinding
    // removes the work files on its way.
    try {
        return Run(argc, argv);
    } catch (const std::exception& e) {
        return cli::Fail(std::string("Internal error: ") + e.what());
    }
}
