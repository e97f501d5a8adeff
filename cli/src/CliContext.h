// What every command of the command-line program shares: the model to use and how to answer
// the header question.
#pragma once

#include "chanforge/codec/FlashLayout.h"
#include "chanforge/document/Document.h"

#include <functional>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace CLI {
class App;
}

namespace cli {

/// Exit statuses of the program.
enum Exit : int {
    kOk = 0,
    kFailed = 1,
    kUsage = 2,
    kNotOpened = 2, ///< check: a file could not be opened
};

/// A file that did not open, and why.
struct OpenFailure {
    std::string file;
    chanforge::document::DocResult result;
};

/// Whether a command may write the settings store; every other leaves its bytes alone.
enum class SettingsUse { ReadOnly, Stores };

struct Context {
    std::string model;    ///< --model: a preset for this command only; empty = the stored policy
    bool yes = false;     ///< --yes: decode files without a channel-file header
    std::string settings; ///< --settings: empty = the environment's store, else the platform's
    std::ostream* output = &std::cout; ///< the command's result
    std::ostream* errors = &std::cerr; ///< what went wrong (reports go there too)
    int status = kUsage;               ///< the chosen command's exit status, once it ran

    std::ostream& Out() const { return *output; }
    std::ostream& Err() const { return *errors; }
    /// Points the settings store at --settings and opens it as use allows; false (reported)
    /// when that file cannot be a store.
    bool UseSettings(SettingsUse use) const;

    /// The layout for this command: the --model preset, else the stored policy, else (nothing
    /// stored yet) the start-up policy. Settings are never written for it.
    chanforge::codec::FlashLayout Layout() const;
    /// A document wired to this context.
    void Configure(chanforge::document::Document& doc) const;
    /// Configures doc and opens the files into it in order, as Open does; stops at the first
    /// that fails.
    std::optional<OpenFailure> OpenFiles(chanforge::document::Document& doc,
                                         const std::vector<std::string>& files) const;
    /// When a workbook was among the files: says in one sentence how many channels name
    /// records the database does not have. False when there are any and --yes was not given:
    /// such a database must not be written.
    bool AcceptUnresolvedChannels(chanforge::document::Document& doc,
                                  const std::vector<std::string>& files) const;
    /// The same sentence for a command that writes no database (dump, check, export, a dry run).
    void WarnUnresolvedChannels(chanforge::document::Document& doc,
                                const std::vector<std::string>& files) const;
};

/// Makes cmd, once chosen, run with the parsed context and keep its exit status in ctx.
void OnRun(CLI::App* cmd, Context& ctx, std::function<int(const Context&)> run,
           SettingsUse settings = SettingsUse::ReadOnly);

/// The names --model and the commands that name a model accept.
std::vector<std::string> ModelNames();

/// A failed result as the operator reads it: the system's message, then what exactly failed.
std::string FailureText(const chanforge::document::DocResult& result);

/// Prints a failed result the way the program reports failures (standard error) and returns
/// the exit status for it.
int Fail(const chanforge::document::DocResult& result);
int Fail(const std::string& message);

} // namespace cli
