// The commands of chanforge-cli: each file registers its subcommands, their options and what
// runs when one is chosen.
#pragma once

#include "CliContext.h"
#include "chanforge/check/Diff.h"

#include <ostream>

namespace cli {

/// models, policy show, policy set.
void RegisterModelCommands(CLI::App& app, Context& ctx);
/// dump, convert, export-c, new.
void RegisterFileCommands(CLI::App& app, Context& ctx);
/// receive, send, ports.
void RegisterTransferCommands(CLI::App& app, Context& ctx);
/// check, diff.
void RegisterCheckCommands(CLI::App& app, Context& ctx);
void RegisterExportCommand(CLI::App& app, Context& ctx);
void RegisterApplyReference(CLI::App& app, Context& ctx);
void RegisterDedupeCommand(CLI::App& app, Context& ctx);
void RegisterIdentifyCommand(CLI::App& app, Context& ctx);
void RegisterMergeCommand(CLI::App& app, Context& ctx);
void RegisterTranspondersCommand(CLI::App& app, Context& ctx);

/// Prints changes as diff does: one a line, or a JSON array.
void PrintChanges(const chanforge::check::Changes& changes, bool json, std::ostream& out);

} // namespace cli
