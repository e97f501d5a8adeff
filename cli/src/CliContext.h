// What every command of the command-line program shares: the model to use and how to answer
// the header question.
#pragma once

#include "chanforge/codec/FlashLayout.h"
#include "chanforge/document/Document.h"

#include <optional>
#include <string>
#include <vector>

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

struct Context {
    std::string model; ///< --model: a preset for this command only; empty = the stored policy
    bool yes = false;  ///< --yes: decode files without a channel-file header

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
};

/// A failed result as the operator reads it: the system's message, then what exactly failed.
std::string FailureText(const chanforge::document::DocResult& result);

/// Prints a failed result the way the program reports failures (standard error) and returns
/// the exit status for it.
int Fail(const chanforge::document::DocResult& result);
int Fail(const std::string& message);

} // namespace cli
