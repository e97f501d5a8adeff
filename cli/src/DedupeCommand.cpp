// dedupe: find the channels that duplicate one another, keep one of each group by the policy
// asked for, delete the others and renumber. Prints each group, numbered for --except, with the
// one kept.
#include "Commands.h"
#include "DumpJson.h"
#include "ExceptLines.h"
#include "NameText.h"

#include "chanforge/TableAccess.h"
#include "chanforge/editing/ChannelName.h"
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
    bool variants = false;
    std::string except;
    bool dryRun = false;
    bool json = false;
};

/// A channel as the preview names it; read before anything is deleted.
struct Shown {
    std::uint32_t row;
    std::string kind;
    unsigned number;
    std::string name; ///< UTF-8, read through the channel's code table
};

Shown ShownChannel(tabstore::CQoDB& db, std::uint32_t row, editing::Product product) {
    const auto& ch = *chanforge::GetRow<Channel_Info_Tag>(db, chanforge::kChannelTable, row);
    return {row, chanforge::IsTV(ch) ? "TV" : "radio",
            product.UsesShowNum() ? ch.ShowNum : ch.ProgramNum, editing::NameText(ch)};
}

std::string Reasons(const editing::DuplicateGroup& g) {
    std::string text;
    const auto add = [&](bool on, const char* reason) {
        if (on)
            text += (text.empty() ? "" : ", ") + std::string(reason);
    };
    add(g.sameService, "same service");
    add(g.sameName, "same name");
    add(g.variants, "SD and HD versions of a name");
    return text;
}

std::string Counted(std::size_t n, const std::string& what) {
    return std::to_string(n) + " " + what + (n == 1 ? "" : "s");
}

std::string Text(const Shown& s) {
    return s.kind + " " + std::to_string(s.number) + " \"" + TerminalUtf8(s.name) + "\"";
}

nlohmann::ordered_json Json(const Shown& s) {
    return {{"row", s.row}, {"kind", s.kind}, {"number", s.number}, {"name", s.name}};
}

void Print(std::ostream& stream, tabstore::CQoDB& db,
           const std::vector<editing::DuplicateGroup>& groups, editing::Product product,
           const DedupeArgs& args, const editing::LeftOut& leftOut) {
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
        const bool left = leftOut.contains(i);
        if (args.json) {
            out.push_back({{"group", i + 1},
                           {"sameService", g.sameService},
                           {"sameName", g.sameName},
                           {"variants", g.variants},
                           {"leftOut", left},
                           {"kept", Json(kept)},
                           {left ? "alsoKept" : "deleted", others}});
            continue;
        }
        stream << "group " << i + 1 << " (" << Reasons(g) << "): keep " << Text(kept)
               << (left ? "; left out, also keep " : "; delete ") << text << "\n";
    }
    const std::size_t deleted = editing::Doomed(groups, leftOut);
    if (args.json) {
        const nlohmann::ordered_json whole = {{"keep", args.keep},
                                              {"variants", args.variants},
                                              {"groups", out},
                                              {"deleted", deleted},
                                              {"written", !args.dryRun}};
        stream << JsonText(whole) << "\n";
        return;
    }
    stream << Counted(groups.size(), "group");
    if (!leftOut.empty())
        stream << " (" << leftOut.size() << " left out)";
    stream << ", " << Counted(deleted, "channel")
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
    const auto groups = editing::FindDuplicates(
        doc.Store(), *editing::KeepPolicyNamed(args.keep), product,
        args.variants ? editing::NameRule::WithVariants : editing::NameRule::Exact);
    const ExceptLines except = ParseExcept(args.except, groups.size(), "group");
    if (!except.ok()) {
        ctx.Err() << except.error << "\n";
        return kUsage;
    }
    Print(ctx.Out(), doc.Store(), groups, product, args, except.lines);
    if (args.dryRun)
        return kOk;
    if (editing::DeleteDuplicates(doc.Store(), groups, except.lines) !=
        editing::Doomed(groups, except.lines))
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
    cmd->footer("Groups are numbered as --dry-run prints them; --except leaves those out.");
    cmd->add_option("FILE", args->files, "files to open")->required();
    cmd->add_option("-o", args->out, "output file")->required();
    cmd->add_option("--keep", args->keep,
                    "which channel of a group stays: the lowest number, HD over SD, free-to-air "
                    "over scrambled, or one in a favourite group")
        ->required()
        ->check(CLI::IsMember({"lowest", "hd", "fta", "favourite"}));
    cmd->add_flag("--variants", args->variants,
                  "count the SD and HD versions of a name (\"X\", \"X HD\") as duplicates");
    cmd->add_option("--except", args->except,
                    "groups to leave as they are, by their numbers in the listing (N,...)");
    cmd->add_flag("--dry-run", args->dryRun, "print the groups only; write nothing");
    cmd->add_flag("--json", args->json, "print JSON");
    OnRun(cmd, ctx, [args](const Context& c) { return RunDedupe(c, *args); });
}

} // namespace cli
