// merge: the window's Merge from for scripts. Prints one numbered line (or JSON object) per
// channel of the other list, what it becomes here, the records created and the room each table
// has left, and, unless --dry-run, writes the result.
#include "Commands.h"
#include "ExceptLines.h"
#include "NameText.h"

#include "chanforge/merge/Merge.h"
#include "policy/Presets.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <memory>

namespace cli {

namespace {

namespace merge = chanforge::merge;
using chanforge::document::Document;
using Json = nlohmann::ordered_json;

constexpr const char* kUnreadableMessage =
    "The other list cannot be put into this model's layout: nothing merged";

struct MergeArgs {
    std::vector<std::string> files;
    std::vector<std::string> from;
    std::string fromModel;
    std::string out;
    std::vector<std::string> update;
    std::string numbers = "append";
    std::string except;
    bool dryRun = false;
    bool json = false;
};

merge::MergeOptions Options(const MergeArgs& args) {
    merge::MergeOptions options;
    for (const std::string& what : args.update)
        options.update |= what == "flags"        ? merge::kUpdateFlags
                          : what == "favourites" ? merge::kUpdateFavorites
                                                 : merge::kUpdateNames;
    options.numbers = args.numbers == "keep"   ? merge::Numbers::Keep
                      : args.numbers == "gaps" ? merge::Numbers::Gaps
                                               : merge::Numbers::Append;
    return options;
}

const char* TableName(chanforge::TableId table) {
    switch (table) {
    case chanforge::kSatelliteTable:
        return "satellites";
    case chanforge::kTransponderTable:
        return "transponders";
    case chanforge::kTerrestrialMuxTable:
        return "terrestrial multiplexes";
    case chanforge::kCableMuxTable:
        return "cable multiplexes";
    case chanforge::kProviderTable:
        return "providers";
    default:
        return "channels";
    }
}

/// What the line does, in words: the action and what goes with it.
std::string Outcome(const merge::MergeLine& line) {
    std::string text = merge::ActionText(line.action);
    if (line.action == merge::Action::Add)
        text += " as " + std::to_string(line.number);
    else if (line.action == merge::Action::CannotAdd)
        text += ": " + line.reason.EnglishUtf8();
    else
        text +=
            std::string(" (") + std::string(chanforge::reference::MethodName(line.method)) + ")";
    if (line.action == merge::Action::Update) {
        if (line.after.locked != line.before.locked || line.after.skipped != line.before.skipped)
            text += "; flags";
        if (line.after.favorite != line.before.favorite)
            text += "; favourites";
        if (line.after.name != line.before.name)
            text += "; name";
    }
    return text;
}

void PrintText(std::ostream& out, const merge::Incoming& in, const merge::MergePlan& plan) {
    for (std::size_t i = 0; i < plan.lines.size(); ++i) {
        const merge::MergeLine& line = plan.lines[i];
        const chanforge::reference::Service& s = in.services[i];
        out << "#" << i + 1 << " " << (s.kind == chanforge::reference::Kind::TV ? "TV" : "radio")
            << " " << s.number << " \"" << TerminalUtf8(s.name)
            << "\": " << (line.leftOut ? "left out" : TerminalUtf8(Outcome(line))) << "\n";
    }
    for (const merge::NewRecord& r : plan.created)
        out << "new " << TableName(r.table) << ": " << TerminalText(r.text) << "\n";
    for (const merge::Room& r : plan.room)
        out << "room: " << TableName(r.table) << " " << r.now << " + " << r.added << " of "
            << r.capacity << "\n";
    out << plan.lines.size() << " channel(s) in the other list: " << plan.Count(merge::Action::Add)
        << " to add, " << plan.Count(merge::Action::Update) << " to update, "
        << plan.Count(merge::Action::AlreadyHere) << " already here, "
        << plan.Count(merge::Action::CannotAdd) << " cannot be added\n";
}

void PrintJson(std::ostream& out, const merge::Incoming& in, const merge::MergePlan& plan) {
    Json lines = Json::array(), created = Json::array(), room = Json::array();
    for (std::size_t i = 0; i < plan.lines.size(); ++i) {
        const merge::MergeLine& line = plan.lines[i];
        const chanforge::reference::Service& s = in.services[i];
        Json o = {{"line", i + 1},
                  {"kind", s.kind == chanforge::reference::Kind::TV ? "TV" : "radio"},
                  {"number", s.number},
                  {"name", s.name},
                  {"action", merge::ActionText(line.action)},
                  {"method", chanforge::reference::MethodName(line.method)},
                  {"leftOut", line.leftOut}};
        if (line.action == merge::Action::Add)
            o["newNumber"] = line.number;
        if (line.action == merge::Action::CannotAdd)
            o["reason"] = line.reason.EnglishUtf8();
        if (line.row != 0)
            o["row"] = line.row;
        lines.push_back(std::move(o));
    }
    for (const merge::NewRecord& r : plan.created)
        created.push_back({{"table", TableName(r.table)}, {"text", Latin1Utf8(r.text)}});
    for (const merge::Room& r : plan.room)
        room.push_back({{"table", TableName(r.table)},
                        {"now", r.now},
                        {"added", r.added},
                        {"capacity", r.capacity}});
    out << Json{{"lines", lines}, {"created", created}, {"room", room}}.dump(
               2, ' ', false, Json::error_handler_t::replace)
        << "\n";
}

/// Opens the other list under its model; the failure's text, empty when it opened.
std::string OpenOther(const Context& ctx, const MergeArgs& args, Document& other) {
    const auto failed = ctx.OpenFiles(other, args.from);
    if (!failed)
        return {};
    const chanforge::document::DocResult& result = failed->result;
    std::string text =
        result.message + " (" + (result.detail.empty() ? failed->file : result.detail) + ")";
    if (!result.likelyModels.empty() && !result.likelyModels.front().empty())
        text += " Open it with --from-model " + result.likelyModels.front() + ".";
    return text;
}

int RunMerge(const Context& ctx, const MergeArgs& args) {
    const chanforge::codec::FlashLayout layout = ctx.Layout();
    Document doc(layout);
    if (const auto failed = ctx.OpenFiles(doc, args.files))
        return Fail(failed->result);
    if (args.dryRun)
        ctx.WarnUnresolvedChannels(doc, args.files);
    else if (!ctx.AcceptUnresolvedChannels(doc, args.files))
        return kFailed;
    const chanforge::codec::FlashLayout otherLayout =
        args.fromModel.empty()
            ? layout
            : chanforge::codec::FlashLayout::FromPreset(*policy::FindPreset(args.fromModel));
    Document other(otherLayout);
    if (const std::string failed = OpenOther(ctx, args, other); !failed.empty())
        return Fail(failed);
    auto incoming = std::make_unique<merge::Incoming>();
    if (!merge::ReadIncoming({other.Store(), other.Values(), otherLayout}, layout, *incoming))
        return Fail(kUnreadableMessage);
    for (const chanforge::convert::Loss& loss : incoming->losses)
        ctx.Err() << "not held: " << TerminalUtf8(loss.message.EnglishUtf8()) << "\n";
    const merge::MergeOptions options = Options(args);
    const ExceptLines except = ParseExcept(args.except, incoming->services.size(), "line");
    if (!except.ok()) {
        ctx.Err() << except.error << "\n";
        return kUsage;
    }
    const merge::MergePlan plan =
        merge::PlanMerge(doc.Store(), layout, *incoming, options, except.lines);
    if (args.json)
        PrintJson(ctx.Out(), *incoming, plan);
    else
        PrintText(ctx.Out(), *incoming, plan);
    if (args.dryRun)
        return kOk;
    merge::ApplyMerge(doc.Store(), doc.Values(), plan, *incoming);
    if (const chanforge::document::DocResult saved = doc.SaveToFile(args.out); !saved.ok())
        return Fail(saved);
    return kOk;
}

} // namespace

void RegisterMergeCommand(CLI::App& app, Context& ctx) {
    auto args = std::make_shared<MergeArgs>();
    CLI::App* cmd = app.add_subcommand(
        "merge", "add the channels of another list that the files lack, with the satellites, "
                 "transponders and providers they need");
    cmd->add_option("FILE", args->files, "files to open")->required();
    cmd->add_option("--from", args->from,
                    "the other list: a database file of any model, or a channel file and its "
                    "workbook")
        ->required();
    cmd->add_option("--from-model", args->fromModel,
                    "the model the other database is for (default: this one)")
        ->check(CLI::IsMember(ModelNames()));
    cmd->add_option("-o", args->out, "output file")->required();
    cmd->add_option("--update", args->update,
                    "what channels already here take from the other list: flags (locked, "
                    "skipped), favourites (groups named alike), names")
        ->delimiter(',')
        ->check(CLI::IsMember({"flags", "favourites", "names"}));
    cmd->add_option("--numbers", args->numbers,
                    "added channels: append after the last of their kind, keep their numbers "
                    "where free, or fill the gaps (default append)")
        ->check(CLI::IsMember({"append", "keep", "gaps"}));
    cmd->add_option("--except", args->except,
                    "lines of the listing to leave out, by their numbers (N,...)");
    cmd->add_flag("--dry-run", args->dryRun, "print the plan only; write nothing");
    cmd->add_flag("--json", args->json, "print JSON");
    OnRun(cmd, ctx, [args](const Context& c) { return RunMerge(c, *args); });
}

} // namespace cli
