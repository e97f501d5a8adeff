// transponders: bring the satellites' transponders (or the cable or terrestrial multiplexes) up
// to date from satellites.xml, cables.xml, terrestrial.xml or a DVB scan table. Prints the numbered
// differences (changed, new, gone with the channels using it); gone ones are deleted only when
// asked, --except leaves numbered lines out.
#include "Commands.h"
#include "DumpJson.h"
#include "ExceptLines.h"
#include "NameText.h"

#include "chanforge/TableAccess.h"
#include "chanforge/editing/ChannelName.h"
#include "chanforge/editing/DeliveryText.h"
#include "chanforge/transponders/Readers.h"
#include "chanforge/transponders/Update.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <memory>

namespace cli {

namespace {

namespace tp = chanforge::transponders;
using chanforge::GetRow;

struct TranspondersArgs {
    std::vector<std::string> files;
    std::string from;
    std::string satellite;
    std::string out;
    bool deleteGone = false;
    std::string except;
    bool dryRun = false;
    bool json = false;
};

const char* KindWord(tp::LineKind kind) {
    return kind == tp::LineKind::Changed ? "changed" : kind == tp::LineKind::New ? "new" : "gone";
}

nlohmann::ordered_json ChannelsJson(tabstore::CQoDB& db, const tp::UpdateLine& line,
                                    const chanforge::editing::Product& product) {
    nlohmann::ordered_json channels = nlohmann::ordered_json::array();
    for (std::uint32_t row : line.channels) {
        const auto& ch = *GetRow<chanforge::Channel_Info_Tag>(db, chanforge::kChannelTable, row);
        channels.push_back({{"row", row},
                            {"kind", chanforge::IsTV(ch) ? "TV" : "radio"},
                            {"number", product.UsesShowNum() ? ch.ShowNum : ch.ProgramNum},
                            {"name", chanforge::editing::NameText(ch)}});
    }
    return channels;
}

std::string ChannelsText(const nlohmann::ordered_json& channels) {
    std::string text;
    for (const auto& ch : channels)
        text += (text.empty() ? "" : ", ") + ch["kind"].get<std::string>() + " " +
                std::to_string(ch["number"].get<unsigned>()) + " \"" +
                TerminalUtf8(ch["name"].get<std::string>()) + "\"";
    return text;
}

/// What happens to a line: done, or kept because it was left out or not asked for.
std::string Fate(const tp::UpdateLine& line, bool leftOut, bool asked) {
    if (line.kind == tp::LineKind::Gone && !asked)
        return "; kept (without --delete-gone)";
    return leftOut ? "; left out" : "";
}

void Print(std::ostream& stream, tabstore::CQoDB& db, const tp::UpdatePlan& plan,
           const chanforge::editing::Product& product, const TranspondersArgs& args,
           const chanforge::editing::LeftOut& except, const chanforge::editing::LeftOut& leftOut) {
    nlohmann::ordered_json lines = nlohmann::ordered_json::array();
    std::size_t done[3] = {};
    for (std::size_t i = 0; i < plan.lines.size(); ++i) {
        const tp::UpdateLine& line = plan.lines[i];
        const bool left = leftOut.contains(i);
        if (!left)
            ++done[static_cast<int>(line.kind)];
        const nlohmann::ordered_json channels = ChannelsJson(db, line, product);
        const std::string before = tp::LineText(line, false, product);
        const std::string after = tp::LineText(line, true, product);
        if (args.json) {
            lines.push_back({{"line", i + 1},
                             {"satellite", tp::LinePlace(db, line)},
                             {"kind", KindWord(line.kind)},
                             {"before", before},
                             {"after", after},
                             {"sourceLine", line.sourceLine},
                             {"channels", channels},
                             {"leftOut", left}});
            continue;
        }
        stream << i + 1 << " " << tp::LinePlace(db, line) << " " << KindWord(line.kind) << " "
               << (line.kind == tp::LineKind::Changed ? before + " -> " + after : before + after);
        if (!channels.empty())
            stream << " with " << ChannelsText(channels);
        stream << Fate(line, except.contains(i), args.deleteGone) << "\n";
    }
    if (args.json) {
        stream << JsonText({{"lines", lines},
                            {"changed", done[0]},
                            {"new", done[1]},
                            {"deleted", done[2]},
                            {"written", !args.dryRun}})
               << "\n";
        return;
    }
    stream << done[0] << " changed, " << done[1] << " new, " << done[2]
           << (args.dryRun ? " would be deleted" : " deleted") << "\n";
}

int RunTransponders(const Context& ctx, const TranspondersArgs& args) {
    std::optional<int> position;
    if (!args.satellite.empty() && !(position = tp::ParsePosition(args.satellite))) {
        ctx.Err() << "--satellite " << args.satellite
                  << ": not an orbital position such as 19.2E or 30.0W\n";
        return kUsage;
    }
    const chanforge::codec::FlashLayout layout = ctx.Layout();
    chanforge::document::Document doc(layout);
    if (const auto failed = ctx.OpenFiles(doc, args.files))
        return Fail(failed->result);
    if (args.dryRun)
        ctx.WarnUnresolvedChannels(doc, args.files);
    else if (!ctx.AcceptUnresolvedChannels(doc, args.files))
        return kFailed;
    tp::Source source;
    if (const tp::SourceResult read = tp::ReadSource(args.from, source); !read.ok)
        return Fail(read.message.English());
    for (const utils::Phrase& skipped : source.skipped)
        ctx.Err() << "warning: left out: " << skipped.English() << "\n";
    tp::UpdatePlan plan;
    if (const tp::PlanResult planned =
            tp::PlanUpdate(doc.Store(), layout.product, source, position, plan);
        !planned.ok)
        return Fail(planned.message.English());
    for (const tp::TerrestrialCarrier& carrier : plan.offRaster)
        ctx.Err() << "warning: left out: " << source.file << ", line " << carrier.line << ": "
                  << chanforge::editing::CableFrequencyText(carrier.frequencyKHz)
                  << " is on no free channel of the country's raster\n";
    const ExceptLines except = ParseExcept(args.except, plan.lines.size(), "line");
    if (!except.ok()) {
        ctx.Err() << except.error << "\n";
        return kUsage;
    }
    chanforge::editing::LeftOut leftOut = except.lines;
    if (!args.deleteGone)
        leftOut.merge(tp::GoneLines(plan));
    Print(ctx.Out(), doc.Store(), plan, layout.product, args, except.lines, leftOut);
    if (args.dryRun)
        return kOk;
    const chanforge::editing::EditResult applied =
        tp::ApplyUpdate(doc.Store(), doc.Values(), plan, leftOut);
    if (applied != chanforge::editing::EditResult::Ok &&
        applied != chanforge::editing::EditResult::Nothing)
        return Fail(chanforge::editing::EditMessage(applied));
    if (const chanforge::document::DocResult saved = doc.SaveToFile(args.out); !saved.ok())
        return Fail(saved);
    return kOk;
}

} // namespace

void RegisterTranspondersCommand(CLI::App& app, Context& ctx) {
    auto args = std::make_shared<TranspondersArgs>();
    CLI::App* cmd = app.add_subcommand(
        "transponders", "update the satellites' transponders (or the cable or terrestrial "
                        "multiplexes) from satellites.xml, cables.xml, terrestrial.xml or a DVB "
                        "scan table: carriers that moved, new ones and (when asked) gone ones");
    cmd->footer(
        "Satellites are matched by orbital position, C and Ku band apart; carriers by "
        "polarisation and a frequency tolerance that grows with the symbol rate; terrestrial "
        "multiplexes by centre frequency within 1 MHz, a new one placed on the channel "
        "of the country's raster. Fields the table does not give are kept. Lines are numbered as "
        "--dry-run prints them; "
        "--except leaves those out.");
    cmd->add_option("FILE", args->files, "files to open")->required();
    cmd->add_option("--from", args->from,
                    "satellites.xml, cables.xml, terrestrial.xml or a DVB scan table (such as "
                    "/usr/share/dvb/dvb-s/Astra-19.2E or /usr/share/dvb/dvb-t/de-Berlin)")
        ->required();
    cmd->add_option("--satellite", args->satellite,
                    "only the satellite at this orbital position (19.2E, 30.0W); needed for a "
                    "scan table whose name gives none");
    cmd->add_option("-o", args->out, "output file")->required();
    cmd->add_flag("--delete-gone", args->deleteGone,
                  "delete the transponders (multiplexes) the table no longer lists, with their "
                  "channels");
    cmd->add_option("--except", args->except,
                    "lines to leave as they are, by their numbers in the listing (N,...)");
    cmd->add_flag("--dry-run", args->dryRun, "print the differences only; write nothing");
    cmd->add_flag("--json", args->json, "print JSON");
    OnRun(cmd, ctx, [args](const Context& c) { return RunTransponders(c, *args); });
}

} // namespace cli
