#include "Cli.h"
#include "Commands.h"

#include "utils/Report.h"
#include "utils/TempFiles.h"

#include <CLI/CLI.hpp>

namespace cli {

namespace {

/// Sends what the libraries report to err while a command line runs.
class ReportTo {
  public:
    explicit ReportTo(std::ostream& err)
        : previous_(utils::SetReportHook([&err](utils::ReportLevel, const std::string& message) {
              err << message << '\n';
          })) {}
    ~ReportTo() { utils::SetReportHook(std::move(previous_)); }
    ReportTo(const ReportTo&) = delete;
    ReportTo& operator=(const ReportTo&) = delete;

  private:
    utils::ReportHook previous_;
};

void AddGlobalOptions(CLI::App& app, Context& ctx) {
    app.set_version_flag("--version", std::string("chanforge-cli ") + CHANFORGE_VERSION);
    app.require_subcommand(1);
    app.fallthrough();
    app.add_option("--settings", ctx.settings, "settings store to use")
        ->envname("CHANFORGE_SETTINGS");
    app.add_option("--model", ctx.model, "product policy for this command only")
        ->check(CLI::IsMember(ModelNames()));
    app.add_flag("--yes", ctx.yes, "answer Yes to \"Cannot read file header. Continue?\"");
}

} // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    utils::TidyTempFiles();
    const ReportTo report(err);
    CLI::App app{"Chanforge channel database tool: open, convert, print and transfer receiver "
                 "channel lists"};
    Context ctx;
    ctx.output = &out;
    ctx.errors = &err;
    AddGlobalOptions(app, ctx);
    RegisterModelCommands(app, ctx);
    RegisterFileCommands(app, ctx);
    RegisterTransferCommands(app, ctx);
    RegisterCheckCommands(app, ctx);
    RegisterExportCommand(app, ctx);
    RegisterApplyReference(app, ctx);
    RegisterDedupeCommand(app, ctx);
    RegisterIdentifyCommand(app, ctx);
    RegisterMergeCommand(app, ctx);
    RegisterTranspondersCommand(app, ctx);

    std::vector<const char*> argv;
    for (const std::string& arg : args)
        argv.push_back(arg.c_str());
    try {
        app.parse(static_cast<int>(argv.size()), argv.data());
    } catch (const CLI::Error& e) {
        return app.exit(e, out, err) == 0 ? kOk : kUsage;
    }
    return ctx.status;
}

} // namespace cli
