// check and diff: the window's Check command and change summary for scripts.
#include "Commands.h"
#include "DumpJson.h"
#include "NameText.h"

#include "chanforge/check/Diff.h"
#include "chanforge/check/Validate.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <memory>
#include <optional>

namespace cli {

namespace {

using chanforge::document::Document;
namespace check = chanforge::check;

/// A document on layout with the files opened; null when one failed, which failed names.
std::unique_ptr<Document> OpenDocument(const Context& ctx,
                                       const chanforge::codec::FlashLayout& layout,
                                       const std::vector<std::string>& files,
                                       std::optional<OpenFailure>& failed) {
    auto doc = std::make_unique<Document>(layout);
    failed = ctx.OpenFiles(*doc, files);
    return failed ? nullptr : std::move(doc);
}

/// A diff side: one file, or several joined with "+" (unless that is the name of a file).
std::vector<std::string> SideFiles(const std::string& side) {
    std::error_code error;
    if (std::filesystem::exists(side, error))
        return {side};
    std::vector<std::string> files;
    std::size_t start = 0;
    for (std::size_t plus; (plus = side.find('+', start)) != std::string::npos; start = plus + 1)
        files.push_back(side.substr(start, plus - start));
    files.push_back(side.substr(start));
    return files;
}

std::string Rows(const std::vector<std::uint32_t>& rows) {
    std::string text;
    for (std::uint32_t row : rows)
        text += (text.empty() ? "" : ",") + std::to_string(row);
    return text;
}

void PrintFindings(const check::Findings& findings, bool json, std::ostream& text) {
    if (json) {
        nlohmann::ordered_json out = nlohmann::ordered_json::array();
        for (const check::Finding& f : findings)
            out.push_back({{"severity", check::SeverityName(f.severity)},
                           {"rule", check::RuleName(f.rule)},
                           {"table", check::TableName(f.table)},
                           {"rows", f.rows},
                           {"message", f.message.EnglishUtf8()}});
        text << JsonText(out) << "\n";
        return;
    }
    for (const check::Finding& f : findings)
        text << check::SeverityName(f.severity) << " " << check::RuleName(f.rule) << " "
             << check::TableName(f.table) << (f.rows.empty() ? "" : " " + Rows(f.rows)) << ": "
             << TerminalUtf8(f.message.EnglishUtf8()) << "\n";
}

/// check's answer to a file that did not open; with --json the failure goes to standard output
/// as an object, for the script that asked.
int CheckNotOpened(const Context& ctx, const OpenFailure& failed, bool json) {
    if (!json) {
        Fail(failed.result);
        return kNotOpened;
    }
    const nlohmann::ordered_json out = {{"error", FailureText(failed.result)},
                                        {"file", failed.file}};
    ctx.Out() << JsonText(out) << "\n";
    return kNotOpened;
}

int RunCheck(const Context& ctx, const std::vector<std::string>& files, bool json) {
    const chanforge::codec::FlashLayout layout = ctx.Layout();
    std::optional<OpenFailure> failed;
    auto doc = OpenDocument(ctx, layout, files, failed);
    if (failed)
        return CheckNotOpened(ctx, *failed, json);
    ctx.WarnUnresolvedChannels(*doc, files);
    const check::Findings findings = check::CheckDatabase(doc->Store(), doc->Values(), layout);
    PrintFindings(findings, json, ctx.Out());
    return check::HasErrors(findings) ? kFailed : kOk;
}

int RunDiff(const Context& ctx, const std::string& a, const std::string& b, bool json) {
    const chanforge::codec::FlashLayout layout = ctx.Layout();
    std::optional<OpenFailure> failed;
    auto first = OpenDocument(ctx, layout, SideFiles(a), failed);
    if (failed)
        return Fail(failed->result);
    auto second = OpenDocument(ctx, layout, SideFiles(b), failed);
    if (failed)
        return Fail(failed->result);
    PrintChanges(check::DiffStores(first->Store(), second->Store(), layout), json, ctx.Out());
    return kOk;
}

struct CheckArgs {
    std::vector<std::string> files;
    std::string a, b;
    bool json = false;
};

} // namespace

void PrintChanges(const check::Changes& changes, bool json, std::ostream& text) {
    if (json) {
        nlohmann::ordered_json out = nlohmann::ordered_json::array();
        for (const check::Change& c : changes)
            out.push_back({{"table", check::TableName(c.table)},
                           {"change", check::ChangeKindName(c.kind)},
                           {"rowA", c.rowA},
                           {"rowB", c.rowB},
                           {"message", c.message.EnglishUtf8()}});
        text << JsonText(out) << "\n";
        return;
    }
    for (const check::Change& c : changes)
        text << check::TableName(c.table) << " " << check::ChangeKindName(c.kind) << ": "
             << TerminalUtf8(c.message.EnglishUtf8()) << "\n";
}

void RegisterCheckCommands(CLI::App& app, Context& ctx) {
    auto check = std::make_shared<CheckArgs>();
    CLI::App* cmd =
        app.add_subcommand("check", "open the files and check the database against the model");
    cmd->add_option("FILE", check->files, "files to open")->required();
    cmd->add_flag("--json", check->json, "print JSON");
    OnRun(cmd, ctx, [check](const Context& c) { return RunCheck(c, check->files, check->json); });

    auto diff = std::make_shared<CheckArgs>();
    cmd = app.add_subcommand("diff", "print what changes from database A to database B");
    cmd->add_option("A", diff->a, "first database (FILE or FILE+FILE...)")->required();
    cmd->add_option("B", diff->b, "second database (FILE or FILE+FILE...)")->required();
    cmd->add_flag("--json", diff->json, "print JSON");
    OnRun(cmd, ctx, [diff](const Context& c) { return RunDiff(c, diff->a, diff->b, diff->json); });
}

} // namespace cli
