// apply-reference: the window's Apply reference list for scripts. Prints the plan (one numbered
// line, or JSON object, per reference entry, then this list's unmatched channels, the clashes and
// the groups the model cannot keep) and, unless --dry-run, writes the result.
#include "Commands.h"
#include "ExceptLines.h"
#include "NameText.h"

#include "chanforge/reference/Plan.h"
#include "policy/Presets.h"
#include "utils/CodeTable.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <memory>
#include <optional>

namespace cli {

namespace {

namespace ref = chanforge::reference;

constexpr const char* kNamesTooLongMessage =
    "Names the receiver cannot keep (too long, or a character their code table lacks): nothing "
    "written (--cut-names cuts them)";
using chanforge::document::Document;

struct ApplyArgs {
    std::string reference;
    std::vector<std::string> files;
    std::string out;
    std::string referenceModel;
    std::uint32_t start = 1;
    bool keepGaps = false;
    bool names = false;
    bool cutNames = false;
    std::string unmatched = "keep";
    std::string except;
    bool dryRun = false;
    bool json = false;
};

const char* KindText(ref::Kind kind) {
    return kind == ref::Kind::TV ? "TV" : kind == ref::Kind::Radio ? "radio" : "";
}

/// The groups by name ("group N" where one has none).
std::string Groups(const ref::Plan& plan, std::uint32_t mask, bool applied) {
    std::string text;
    for (const ref::NamedGroup& g : plan.GroupsOf(mask, applied))
        text += (text.empty() ? "" : ", ") + (g.name.empty() ? "group " + std::to_string(g.group)
                                                             : "\"" + Latin1Utf8(g.name) + "\"");
    return text.empty() ? "none" : text;
}

/// What else changes besides the number, in words.
std::vector<std::string> Changes(const ref::Plan& plan, const ref::ChannelState& before,
                                 const ref::ChannelState& after) {
    std::vector<std::string> out;
    if (after.favorite != before.favorite)
        out.push_back("favourites " + Groups(plan, before.favorite, false) + " -> " +
                      Groups(plan, after.favorite, true));
    if (after.locked != before.locked)
        out.emplace_back(after.locked ? "locked" : "unlocked");
    if (after.skipped != before.skipped)
        out.emplace_back(after.skipped ? "skipped" : "not skipped");
    if (after.name != before.name)
        out.push_back("renamed \"" + before.name + "\" -> \"" + after.name + "\"");
    return out;
}

std::string Joined(const std::vector<std::string>& parts) {
    std::string text;
    for (const std::string& p : parts)
        text += (text.empty() ? "" : "; ") + p;
    return text;
}

std::string EntryName(const ref::Reference& reference, std::size_t e) {
    return "entry " + std::to_string(e + 1) + " \"" + reference.entries[e].name + "\"";
}

/// What the entry's conflict is with, and what becomes of it.
std::string ConflictReason(const ref::Reference& reference, const ref::Plan& plan,
                           const ref::Conflict& c) {
    if (c.kind == ref::ConflictKind::SameChannel) {
        const ref::ChannelState& channel = plan.entries[c.entry].before;
        return "matches channel " + std::to_string(channel.number) + " \"" + channel.name +
               "\", which " + EntryName(reference, c.holder) + " keeps; it changes nothing";
    }
    std::string text = "wants number " + std::to_string(c.wanted) + ", taken";
    if (c.holder < plan.entries.size() && plan.entries[c.holder].applied)
        text += " by " + EntryName(reference, c.holder);
    else if (c.holder != ref::kNoLine)
        text += " by \"" +
                (c.holder < plan.entries.size()
                     ? plan.entries[c.holder].before.name
                     : plan.unmatched[c.holder - plan.entries.size()].before.name) +
                "\" (line " + std::to_string(c.holder + 1) + ", left as it is)";
    return text + "; it gets " + std::to_string(c.given);
}

std::string ConflictText(const ref::Reference& reference, const ref::Plan& plan,
                         const ref::Conflict& c) {
    return EntryName(reference, c.entry) + " " + ConflictReason(reference, plan, c);
}

std::string GroupText(const ref::GroupPast& g) {
    return "favourite group " + std::to_string(g.group) + " \"" + Latin1Utf8(g.name) + "\" has " +
           std::to_string(g.channels) + " channel(s), past the groups this model keeps";
}

std::string Counted(std::size_t n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

void PrintText(std::ostream& text, const ref::Reference& reference, const ref::Plan& plan) {
    std::vector<const ref::Conflict*> conflictOf(plan.entries.size());
    for (const ref::Conflict& c : plan.conflicts)
        conflictOf[c.entry] = &c;
    for (std::size_t e = 0; e < plan.entries.size(); ++e) {
        const ref::Service& entry = reference.entries[e];
        const ref::EntryPlan& p = plan.entries[e];
        text << "#" << e + 1 << " " << entry.number << " \"" << TerminalUtf8(entry.name)
             << "\": " << ref::MethodName(p.match.method);
        if (p.leftOut) {
            text << "; left out";
            if (p.match.found())
                text << ", \"" << TerminalUtf8(p.before.name) << "\" " << p.before.number
                     << " stays as it is";
        } else if (p.match.found()) {
            text << (p.match.uncertain() ? " (uncertain)" : "") << ", \""
                 << TerminalUtf8(p.before.name) << "\" " << p.before.number;
            if (p.applied)
                text << " -> " << p.after.number;
            if (const std::string more = Joined(Changes(plan, p.before, p.after)); !more.empty())
                text << "; " << TerminalUtf8(more);
            if (conflictOf[e] != nullptr)
                text << "; conflict: "
                     << TerminalUtf8(ConflictReason(reference, plan, *conflictOf[e]));
            if (p.nameTooLong)
                text << "; name too long for this receiver";
            else if (p.nameNotInTable != 0)
                text << "; name holds " << TerminalUtf8(utils::CharacterText(p.nameNotInTable))
                     << ", which the channel's code table cannot hold";
            else if (p.sameAfterCut)
                text << "; name cut to one another entry also gets";
        }
        text << "\n";
    }
    for (std::size_t i = 0; i < plan.unmatched.size(); ++i) {
        const ref::UnmatchedPlan& u = plan.unmatched[i];
        text << "#" << plan.entries.size() + i + 1 << " unmatched " << KindText(u.kind) << " "
             << u.before.number << " \"" << TerminalUtf8(u.before.name) << "\" -> ";
        if (u.leftOut)
            text << "left out, stays as it is\n";
        else if (u.deleted)
            text << "deleted\n";
        else
            text << u.after.number << "\n";
    }
    for (const ref::Conflict& c : plan.conflicts)
        text << "conflict: " << TerminalUtf8(ConflictText(reference, plan, c)) << "\n";
    for (const ref::GroupPast& g : plan.groupsPast)
        text << "not kept: " << TerminalUtf8(GroupText(g)) << "\n";
    text << Counted(plan.entries.size(), "entry", "entries") << ", " << plan.Matched()
         << " matched (" << plan.Uncertain() << " by name only, " << plan.conflicts.size()
         << " in conflict), " << Counted(plan.unmatched.size(), "channel", "channels")
         << " of this list unmatched";
    if (const std::size_t left = plan.LeftOutLines(); left > 0)
        text << ", " << Counted(left, "line", "lines") << " left out";
    text << "\n";
}

nlohmann::ordered_json StateJson(const ref::ChannelState& s) {
    return {{"number", s.number},
            {"name", s.name},
            {"favorites", s.favorite},
            {"locked", s.locked},
            {"skipped", s.skipped}};
}

/// A JSON object of arrays written element by element as each is made: the plan of a list of
/// 100,000 lines never sits in memory a second time as one JSON value. Each element is one line.
class JsonArrays {
  public:
    explicit JsonArrays(std::ostream& out) : out_(out) { out_ << "{"; }
    ~JsonArrays() { out_ << "\n}\n"; }
    JsonArrays(const JsonArrays&) = delete;
    JsonArrays& operator=(const JsonArrays&) = delete;

    void Begin(const char* key) {
        out_ << (firstKey_ ? "\n  \"" : ",\n  \"") << key << "\": [";
        firstKey_ = false;
        firstItem_ = true;
    }
    void Item(const nlohmann::ordered_json& item) {
        out_ << (firstItem_ ? "\n    " : ",\n    ")
             << item.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
        firstItem_ = false;
    }
    void End() { out_ << (firstItem_ ? "]" : "\n  ]"); }

  private:
    std::ostream& out_;
    bool firstKey_ = true;
    bool firstItem_ = true;
};

/// How the entry's name fits its channel, when it does not simply fit: refused with the reason,
/// or cut (to the slot's length, or characters the code table lacks stored as '?').
std::optional<nlohmann::ordered_json> NameFitJson(const ref::EntryPlan& p) {
    if (p.nameTooLong || p.nameNotInTable != 0)
        return nlohmann::ordered_json{{"refused", true}, {"reason", p.nameRefusal.EnglishUtf8()}};
    if (p.nameCut)
        return nlohmann::ordered_json{{"cut", true},
                                      {"replaced", p.nameReplaced},
                                      {"sameAfterCut", p.sameAfterCut},
                                      {"stored", p.after.name}};
    return std::nullopt;
}

nlohmann::ordered_json EntryJson(const ref::Service& entry, const ref::EntryPlan& p,
                                 std::size_t e) {
    nlohmann::ordered_json o = {{"entry", e + 1},
                                {"number", entry.number},
                                {"name", entry.name},
                                {"method", ref::MethodName(p.match.method)},
                                {"uncertain", p.match.found() && p.match.uncertain()},
                                {"applied", p.applied},
                                {"leftOut", p.leftOut}};
    if (const std::optional<nlohmann::ordered_json> fit = NameFitJson(p))
        o["nameFit"] = *fit;
    if (p.match.found()) {
        o["row"] = p.row;
        o["before"] = StateJson(p.before);
        o["after"] = StateJson(p.applied ? p.after : p.before);
    }
    return o;
}

void PrintJson(std::ostream& text, const ref::Reference& reference, const ref::Plan& plan) {
    JsonArrays out(text);
    out.Begin("entries");
    for (std::size_t e = 0; e < plan.entries.size(); ++e)
        out.Item(EntryJson(reference.entries[e], plan.entries[e], e));
    out.End();
    out.Begin("unmatched");
    for (std::size_t i = 0; i < plan.unmatched.size(); ++i) {
        const ref::UnmatchedPlan& u = plan.unmatched[i];
        out.Item({{"line", plan.entries.size() + i + 1},
                  {"row", u.row},
                  {"kind", KindText(u.kind)},
                  {"leftOut", u.leftOut},
                  {"deleted", u.deleted},
                  {"before", StateJson(u.before)},
                  {"after", StateJson(u.after)}});
    }
    out.End();
    out.Begin("conflicts");
    for (const ref::Conflict& c : plan.conflicts) {
        nlohmann::ordered_json item = {
            {"entry", c.entry + 1},
            {"kind", c.kind == ref::ConflictKind::SameChannel ? "same-channel" : "number-taken"},
            {"message", ConflictText(reference, plan, c)}};
        if (c.holder != ref::kNoLine)
            item["holder"] = c.holder + 1; // the line with the channel or number it wanted
        out.Item(item);
    }
    out.End();
    out.Begin("groupsNotKept");
    for (const ref::GroupPast& g : plan.groupsPast)
        out.Item({{"group", g.group}, {"name", Latin1Utf8(g.name)}, {"channels", g.channels}});
    out.End();
    out.Begin("unreadLines");
    for (const ref::LineProblem& p : reference.problems)
        out.Item({{"line", p.line}, {"message", ref::LineFaultText(p.fault)}});
    out.End();
}

int RunApplyReference(const Context& ctx, const ApplyArgs& args) {
    const chanforge::codec::FlashLayout layout = ctx.Layout();
    Document doc(layout);
    if (const auto failed = ctx.OpenFiles(doc, args.files))
        return Fail(failed->result);
    if (args.dryRun)
        ctx.WarnUnresolvedChannels(doc, args.files);
    else if (!ctx.AcceptUnresolvedChannels(doc, args.files))
        return kFailed;
    ref::ReferenceSource source{args.reference, layout,
                                [yes = ctx.yes](const std::string&) { return yes; }};
    if (!args.referenceModel.empty())
        source.layout =
            chanforge::codec::FlashLayout::FromPreset(*policy::FindPreset(args.referenceModel));
    ref::Reference reference;
    if (const ref::ReferenceResult loaded =
            ref::LoadReference(source, doc.Store(), layout, reference);
        !loaded.ok()) {
        std::string text =
            loaded.detail.empty() ? loaded.message : loaded.message + " (" + loaded.detail + ")";
        if (!loaded.likelyModels.empty() && !loaded.likelyModels.front().empty())
            text += " Open it with --ref-model " + loaded.likelyModels.front() + ".";
        return Fail(text);
    }
    if (const char* note = ref::EncodingNote(reference.encoding))
        ctx.Err() << args.reference << ": " << note << "\n";
    for (const ref::LineProblem& p : reference.problems)
        ctx.Err() << args.reference << ": line " << p.line << ": " << ref::LineFaultText(p.fault)
                  << "\n";
    const ref::ApplyOptions options{
        args.start, !args.keepGaps, args.names,
        args.unmatched == "delete" ? ref::Unmatched::Delete : ref::Unmatched::Keep, args.cutNames};
    ref::Plan plan = ref::PlanReference(doc.Store(), layout, reference, options);
    if (!args.except.empty()) {
        // Which channels go unmatched does not hang on what is left out: the lines keep the
        // numbers of the full listing.
        const ExceptLines except =
            ParseExcept(args.except, plan.entries.size() + plan.unmatched.size(), "line");
        if (!except.ok()) {
            ctx.Err() << except.error << "\n";
            return kUsage;
        }
        plan = ref::PlanReference(doc.Store(), layout, reference, options, except.lines);
    }
    if (!plan.ok())
        return Fail(ref::kNumbersExhaustedMessage);
    if (args.json)
        PrintJson(ctx.Out(), reference, plan);
    else
        PrintText(ctx.Out(), reference, plan);
    for (const ref::EntryPlan& p : plan.entries)
        if (p.nameTooLong || p.nameNotInTable != 0)
            ctx.Err() << TerminalUtf8(p.nameRefusal.EnglishUtf8()) << "\n";
    if (args.dryRun)
        return kOk;
    if (plan.NamesTooLong() > 0)
        return Fail(kNamesTooLongMessage);
    if (!ref::ApplyPlan(doc.Store(), plan))
        return Fail(ref::kNumbersExhaustedMessage);
    if (const chanforge::document::DocResult saved = doc.SaveToFile(args.out); !saved.ok())
        return Fail(saved);
    return kOk;
}

} // namespace

void RegisterApplyReference(CLI::App& app, Context& ctx) {
    auto args = std::make_shared<ApplyArgs>();
    CLI::App* cmd = app.add_subcommand(
        "apply-reference",
        "number, favour, lock and skip the channels of the files as the reference list does");
    cmd->add_option("REF", args->reference,
                    "reference: a database file of any model, a workbook, or a text list of "
                    "Pr#;Name;ONID-TSID-SID lines")
        ->required();
    cmd->add_option("FILE", args->files, "files to open")->required();
    cmd->add_option("-o", args->out, "output file")->required();
    cmd->add_option("--ref-model", args->referenceModel,
                    "the model a reference database is for (default: this one)")
        ->check(CLI::IsMember(ModelNames()));
    cmd->add_option("--start", args->start, "first number of each kind (default 1)")
        ->check(CLI::Range(1, 65535));
    cmd->add_flag("--keep-gaps", args->keepGaps, "keep the reference's gaps in the numbering");
    cmd->add_flag("--names", args->names, "take the reference's names too");
    cmd->add_flag("--cut-names", args->cutNames,
                  "cut taken names to what the receiver keeps instead of refusing them");
    cmd->add_option("--unmatched", args->unmatched,
                    "channels the reference lacks: keep them after the others, or delete them")
        ->check(CLI::IsMember({"keep", "delete"}));
    cmd->add_option("--except", args->except,
                    "lines of the listing to leave as they are, by their numbers (N,...)");
    cmd->add_flag("--dry-run", args->dryRun, "print the plan only; write nothing");
    cmd->add_flag("--json", args->json, "print JSON");
    OnRun(cmd, ctx, [args](const Context& c) { return RunApplyReference(c, *args); });
}

} // namespace cli
