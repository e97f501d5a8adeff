// dedupe: find the channels that duplicate one another, keep one of each group by the policy
// asked for, delete the others and renumber. Prints each group with the one kept.
#include "Commands.h"
#include "DumpJson.h"
#include "NameText.h"

#include "chanforge/TableAccess.h"
#include "chanforge/editing/Duplicates.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <memory>

namespace cli {

namespace {

namespace editing = chanforge::editing;
using chanforge::Channel_Info_Tag;

struct DedupeArgs {
    std::vector<std::string> files;
    std::string out;
    std::string keep;
    bool dryRun = false;
    bool json = false;
};

/// A channel as the preview names it; read before anything is deleted.
struct Shown {
    std::uint32_t row;
    std::string kind;
    unsigned number;
    std::string name;
};

Shown ShownChannel(tabstore::CQoDB& db, std::uint32_t row, editing::Product product) {
    const auto& ch = *chanforge::GetRow<Channel_Info_Tag>(db, chanforge::kChannelTable, row);
    return {row, chanforge::IsTV(ch) ? "TV" : "radio",
            product.UsesShowNum() ? ch.ShowNum : ch.ProgramNum, std::string(FieldBytes(ch.Name))};
}

std::string Reasons(const editing::DuplicateGroup& g) {
    return g.sameService && g.sameName ? "same service, same name"
           : g.sameService             ? "same service"
                                       : "same name";
}

std::string Counted(std::size_t n, const std::string& what) {
    return std::to_string(n) + " " + what + (n == 1 ? "" : "s");
}

std::string Text(const Shown& s) {
    return s.kind + " " + std::to_string(s.number) + " \"" + TerminalText(s.name) + "\"";
}

nlohmann::ordered_json Json(const Shown& s) {
    return {{"row", s.row}, {"kind", s.kind}, {"number", s.number}, {"name", Latin1Utf8(s.name)}};
}

void Print(std::ostream& stream, tabstore::CQoDB& db,
           const std::vector<editing::DuplicateGroup>& groups, editing::Product product,
           const DedupeArgs& args, std::size_t deleted) {
    nlohmann::ordered_json out = nlohmann::ordered_json::array();
    for (std::size_t i = 0; i < groups.size(); ++i) {
        const editing::DuplicateGroup& g = groups[i];
        const Shown kept = ShownChannel(db, g.kept, product);
        nlohmann::ordered_json others = nlohmann::ordered_json::array();
        std::string text;
        for (std::uint32_t row : g.rows)
            if (row != g.kept) {
                const Shown other = ShownChannel(db, row, product);
                others.push_back(Json(other));
                text += (text.empty() ? "" : ", ") + Text(other);
            }
        if (args.json) {
            out.push_back({{"sameService", g.sameService},
                           {"sameName", g.sameName},
                           {"kept", Json(kept)},
                           {"deleted", others}});
            continue;
        }
        stream << "group " << i + 1 << " (" << Reasons(g) << "): keep " << Text(kept) << "; delete "
               << text << "\n";
    }
    if (args.json) {
        const nlohmann::ordered_json whole = {
            {"keep", args.keep}, {"groups", out}, {"deleted", deleted}, {"written", !args.dryRun}};
        stream << JsonText(whole) << "\n";
        return;
    }
    stream << Counted(groups.size(), "group") << ", " << Counted(deleted, "channel")
           << (args.dryRun ? " would be deleted" : " deleted") << "\n";
}

int RunDedupe(const Context& ctx, const DedupeArgs& args) {
    const chanforge::codec::FlashLayout layout = ctx.Layout();
    chanforge::document::Document doc(layout);
    if (const auto failed = ctx.OpenFiles(doc, args.files))
        return Fail(failed->result);
    if (args.dryRun)
        ctx.WarnUnresolvedChannels(doc, args.files);
    else if (!ctx.AcceptUnresolvedChannels(doc, args.files))
        return kFailed;
    const editing::Product product = layout.product;
    const auto groups =
        editing::FindDuplicates(doc.Store(), *editing::KeepPolicyNamed(args.keep), product);
    std::size_t doomed = 0;
    for (const editing::DuplicateGroup& g : groups)
        doomed += g.rows.size() - 1;
    Print(ctx.Out(), doc.Store(), groups, product, args, doomed);
    if (args.dryRun)
        return kOk;
    if (editing::DeleteDuplicates(doc.Store(), groups) != doomed)
        return Fail("The duplicates could not all be deleted");
    if (const chanforge::document::DocResult saved = doc.SaveToFile(args.out); !saved.ok())
        return Fail(saved);
    return kOk;
}

} // namespace

void RegisterDedupeCommand(CLI::App& app, Context& ctx) {
    auto args = std::make_shared<DedupeArgs>();
    CLI::App* cmd = app.add_subcommand(
        "dedupe", "keep one channel of each group carrying the same service (or the same name "
                  "and kind), delete the others and renumber");
    cmd->add_option("FILE", args->files, "files to open")->required();
    cmd->add_option("-o", args->out, "output file")->required();
    cmd->add_option("--keep", args->keep,
                    "which channel of a group stays: the lowest number, HD over SD, free-to-air "
                    "over scrambled, or one in a favourite group")
        ->required()
        ->check(CLI::IsMember({"lowest", "hd", "fta", "favourite"}));
    cmd->add_flag("--dry-run", args->dryRun, "print the groups only; write nothing");
    cmd->add_flag("--json", args->json, "print JSON");
    OnRun(cmd, ctx, [args](const Context& c) { return RunDedupe(c, *args); });
}

} // namespace cli
