// The commands of chanforge-cli; each returns the program's exit status.
#pragma once

#include "CliContext.h"
#include "chanforge/check/Diff.h"

#include <functional>
#include <string>
#include <vector>

namespace CLI {
class App;
}

namespace cli {

/// A command that registers itself: chosen when *command is set once the line is parsed.
struct Subcommand {
    CLI::App* command;
    std::function<int(const Context&)> run;
};
Subcommand AddExportCommand(CLI::App& app);
Subcommand AddApplyReference(CLI::App& app);
Subcommand AddDedupeCommand(CLI::App& app);

int RunModels();
int RunPolicyShow();
int RunPolicySet(const std::string& name);
int RunDump(const Context& ctx, const std::vector<std::string>& files, bool json);
/// convert --to-model: the layout of another model, refused where records would be lost.
struct ModelChange {
    std::string toModel; ///< empty: the model the files were opened with
    bool dropExtra = false;
};
int RunConvert(const Context& ctx, const std::vector<std::string>& files, const std::string& out,
               const ModelChange& change);
int RunExportC(const Context& ctx, const std::vector<std::string>& files, const std::string& out);
int RunNew(const Context& ctx, const std::string& out);
int RunCheck(const Context& ctx, const std::vector<std::string>& files, bool json);
int RunDiff(const Context& ctx, const std::string& a, const std::string& b, bool json);
/// Prints changes as diff does: one a line, or a JSON array.
void PrintChanges(const chanforge::check::Changes& changes, bool json);

struct SerialOptions {
    int baud = 0; ///< 0: take the value from the settings
    int dataBits = 0;
    int stopBits = -1;
    int parity = -1;
    int timeoutSeconds = 30; ///< fail when the receiver sends nothing this long; 0: wait
};
int RunReceive(const Context& ctx, const std::string& port, const std::string& out, bool wait,
               const SerialOptions& serial);
/// With verify, receives the image back and compares its tables with what was sent.
int RunSend(const Context& ctx, const std::string& port, const std::vector<std::string>& files,
            bool verify, const SerialOptions& serial);
int RunPorts();

} // namespace cli
