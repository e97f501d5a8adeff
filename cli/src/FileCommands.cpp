// dump, convert, export-c, new: the main window's file commands for scripts.
#include "Commands.h"
#include "DumpJson.h"
#include "DumpText.h"
#include "NameText.h"

#include "chanforge/check/Findings.h"
#include "chanforge/convert/ModelConvert.h"
#include "policy/Presets.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <limits>
#include <memory>

namespace cli {

namespace {

using chanforge::document::DocResult;
using chanforge::document::Document;

/// What a file command is given.
struct FileArgs {
    std::vector<std::string> files;
    std::string out;
    bool json = false;
};

/// A refusal names this many records of each loss, then how many more.
constexpr std::size_t kRecordsShown = 20;

/// convert --to-model: the layout of another model, refused where records would be lost.
struct ModelChange {
    std::string toModel; ///< empty: the model the files were opened with
    bool dropExtra = false;
    std::string separator = ","; ///< of a CSV output: "," ";" or "tab"
};

int RunDump(const Context& ctx, const std::vector<std::string>& files, bool json) {
    const chanforge::codec::FlashLayout layout = ctx.Layout();
    Document doc(layout);
    if (const auto failed = ctx.OpenFiles(doc, files))
        return Fail(failed->result);
    ctx.WarnUnresolvedChannels(doc, files);
    if (json)
        ctx.Out() << JsonText(DumpJson(doc, layout)) << "\n";
    else
        PrintText(doc, layout, ctx.Out());
    return kOk;
}

/// A lost record as the operator knows it: a channel by kind, number and name, another record
/// by its name, else by its row; a cut name with what stays of it.
std::string RecordText(chanforge::TableId table, const chanforge::convert::LostRecord& r) {
    std::string text;
    if (table == chanforge::kChannelTable)
        text = std::string(r.radio ? "Radio " : "TV ") + std::to_string(r.number) + " ";
    text += r.name.empty() && table != chanforge::kChannelTable
                ? "row " + std::to_string(r.row)
                : "\"" + TerminalUtf8(r.name) + "\"";
    if (!r.kept.empty())
        text += " -> \"" + TerminalUtf8(r.kept) + "\"";
    return text;
}

/// Each loss on standard error, "LEAD TABLE: MESSAGE", then its records one a line: at most
/// `shown` of them and how many more.
void PrintLosses(std::ostream& err, const std::vector<chanforge::convert::Loss>& losses,
                 const char* lead, std::size_t shown) {
    for (const chanforge::convert::Loss& loss : losses) {
        err << lead << " " << chanforge::check::TableName(loss.table) << ": "
            << TerminalText(loss.message.English()) << "\n";
        const std::size_t count = std::min(shown, loss.records.size());
        for (std::size_t i = 0; i < count; ++i)
            err << "  " << RecordText(loss.table, loss.records[i]) << "\n";
        if (loss.records.size() > count)
            err << "  and " << loss.records.size() - count << " more\n";
    }
}

int ConvertToModel(const Context& ctx, Document& doc, const chanforge::codec::FlashLayout& layout,
                   const ModelChange& change, const std::string& out) {
    namespace convert = chanforge::convert;
    if (chanforge::document::IsChannelSheetPath(out)) {
        ctx.Err() << "--to-model writes a channel file; " << out
                  << " names a workbook or CSV file\n";
        return kUsage;
    }
    const auto target =
        chanforge::codec::FlashLayout::FromPreset(*policy::FindPreset(change.toModel));
    const convert::ConvertResult r =
        convert::SaveForModel({doc.Store(), doc.Values(), layout}, target, change.dropExtra, out);
    if (r.status == convert::ConvertStatus::WouldLose) {
        PrintLosses(ctx.Err(), r.losses, "would lose:", kRecordsShown);
        return Fail(r.message + " (--drop-extra lets them go)");
    }
    if (!r.ok())
        return Fail(r.detail.empty() ? r.message : r.message + " (" + r.detail + ")");
    // What was let go is said whole: it is the record of what the file lacks.
    PrintLosses(ctx.Err(), r.losses, "dropped:", std::numeric_limits<std::size_t>::max());
    return kOk;
}

int RunConvert(const Context& ctx, const std::vector<std::string>& files, const std::string& out,
               const ModelChange& change) {
    const chanforge::codec::FlashLayout layout = ctx.Layout();
    Document doc(layout);
    doc.SetCsvSeparator(change.separator == "tab" ? '\t' : change.separator.front());
    if (const auto failed = ctx.OpenFiles(doc, files))
        return Fail(failed->result);
    if (!ctx.AcceptUnresolvedChannels(doc, files))
        return kFailed;
    if (!change.toModel.empty())
        return ConvertToModel(ctx, doc, layout, change, out);
    if (DocResult r = doc.SaveToFile(out); !r.ok())
        return Fail(r);
    return kOk;
}

int RunExportC(const Context& ctx, const std::vector<std::string>& files, const std::string& out) {
    const chanforge::codec::FlashLayout layout = ctx.Layout();
    Document doc(layout);
    if (const auto failed = ctx.OpenFiles(doc, files))
        return Fail(failed->result);
    if (DocResult r = doc.ExportDefaultChannelTable(out); !r.ok())
        return Fail(r);
    return kOk;
}

int RunNew(const Context& ctx, const std::string& out) {
    if (DocResult r = chanforge::document::WriteBlankImage(ctx.Layout(), out); !r.ok())
        return Fail(r);
    return kOk;
}

} // namespace

void RegisterFileCommands(CLI::App& app, Context& ctx) {
    auto dump = std::make_shared<FileArgs>();
    CLI::App* cmd = app.add_subcommand("dump", "open the files and print the tables");
    cmd->add_option("FILE", dump->files, "channel, version or workbook files")->required();
    cmd->add_flag("--json", dump->json, "print JSON");
    OnRun(cmd, ctx, [dump](const Context& c) { return RunDump(c, dump->files, dump->json); });

    auto convert = std::make_shared<FileArgs>();
    auto change = std::make_shared<ModelChange>();
    cmd = app.add_subcommand("convert", "open the files and save the database");
    cmd->add_option("FILE", convert->files, "files to open")->required();
    cmd->add_option("-o", convert->out, "output file")->required();
    cmd->add_option("--to-model", change->toModel, "write in the layout of this model")
        ->check(CLI::IsMember(ModelNames()));
    cmd->add_flag("--drop-extra", change->dropExtra,
                  "with --to-model: drop what that model cannot hold");
    cmd->add_option("--separator", change->separator, "the separator of a CSV output: , ; or tab")
        ->check(CLI::IsMember({",", ";", "tab"}));
    OnRun(cmd, ctx, [convert, change](const Context& c) {
        return RunConvert(c, convert->files, convert->out, *change);
    });

    auto exportC = std::make_shared<FileArgs>();
    cmd = app.add_subcommand("export-c", "write the channel table as C source");
    cmd->add_option("FILE", exportC->files, "files to open")->required();
    cmd->add_option("-o", exportC->out, "output file")->required();
    OnRun(cmd, ctx,
          [exportC](const Context& c) { return RunExportC(c, exportC->files, exportC->out); });

    auto blank = std::make_shared<FileArgs>();
    cmd = app.add_subcommand("new", "write an empty database image");
    cmd->add_option("-o", blank->out, "output file")->required();
    OnRun(cmd, ctx, [blank](const Context& c) { return RunNew(c, blank->out); });
}

} // namespace cli
