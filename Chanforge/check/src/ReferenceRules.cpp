// Channels and transponders that name records which do not exist, or the wrong ones, and
// channels that carry one service twice.
#include "Context.h"

#include "chanforge/TableAccess.h"
#include "chanforge/check/Fixes.h"
#include "chanforge/codec/TransponderMux.h"

#include <utility>

namespace chanforge::check::detail {

namespace {

Finding ChannelFinding(Rule rule, const Channel_Info_Tag& ch, std::string message) {
    return {Severity::Error, rule, kChannelTable, {ch.RowID}, std::move(message)};
}

std::string ReferenceFault(const ChannelLink& link, const Channel_Info_Tag& ch, const Model& m) {
    const std::string who = "The " + DescribeChannel(ch);
    switch (link.link) {
    case Link::NoSatellite:
        return who + " names satellite " + std::to_string(ch.SatID) + ", which does not exist";
    case Link::NoTransponder: {
        const bool mux =
            m.terrestrialOnly || m.cableOnly || !m.satellite || (m.terrestrial && ch.SatID == 1);
        if (mux)
            return who + " names multiplex " + std::to_string(ch.TPID) + ", which does not exist";
        return who + " names transponder " + std::to_string(ch.TPID) + " of satellite " +
               std::to_string(ch.SatID) + ", which does not exist";
    }
    case Link::ForeignTransponder:
        return who + " names transponder " + std::to_string(ch.TPID) + " of satellite " +
               std::to_string(ch.SatID) + ", but that transponder belongs to satellite " +
               std::to_string(link.ownerSatID);
    case Link::Found:
        break;
    }
    return {};
}

Rule RuleOf(Link link) {
    switch (link) {
    case Link::NoSatellite:
        return Rule::MissingSatellite;
    case Link::ForeignTransponder:
        return Rule::ForeignTransponder;
    default:
        return Rule::MissingTransponder;
    }
}

void CheckTransponderSatellites(Context& ctx, Findings& out) {
    std::bitset<256> satellites;
    ForEachRow<Satellite_Info_Tag>(ctx.db, kSatelliteTable,
                                   [&](const Satellite_Info_Tag& s) { satellites.set(s.SatID); });
    ForEachRow<Transponder_Info_Tag>(
        ctx.db, kTransponderTable, [&](const Transponder_Info_Tag& tp) {
            if (codec::HoldsMux(tp, ctx.layout.product) || satellites.test(tp.SatID))
                return;
            out.push_back({Severity::Error,
                           Rule::MissingSatellite,
                           kTransponderTable,
                           {tp.RowID},
                           "Transponder " + std::to_string(tp.Frequency) + " MHz (id " +
                               std::to_string(tp.TPID) + ") names satellite " +
                               std::to_string(tp.SatID) + ", which does not exist"});
        });
}

} // namespace

void CheckReferences(Context& ctx, Findings& out) {
    if (ctx.model.satellite)
        CheckTransponderSatellites(ctx, out);
    std::size_t i = 0;
    ForEachRow<Channel_Info_Tag>(ctx.db, kChannelTable, [&](const Channel_Info_Tag& ch) {
        const ChannelLink& link = ctx.channelLinks[i++];
        if (link.link != Link::Found)
            out.push_back(
                ChannelFinding(RuleOf(link.link), ch, ReferenceFault(link, ch, ctx.model)));
        // Provider 0 means the channel names none.
        if (ch.BroadcastID != 0 && !ctx.providers.test(ch.BroadcastID)) {
            Finding f =
                ChannelFinding(Rule::MissingProvider, ch,
                               "The " + DescribeChannel(ch) + " names provider " +
                                   std::to_string(ch.BroadcastID) + ", which does not exist");
            f.severity = Severity::Warning;
            out.push_back(std::move(f));
        }
    });
}

void CheckDuplicates(Context& ctx, Findings& out) {
    for (std::vector<std::uint32_t>& rows : DuplicateServiceGroups(ctx.db)) {
        Finding f{Severity::Warning, Rule::DuplicateService, kChannelTable, std::move(rows), {}};
        std::string names;
        const Channel_Info_Tag* first = nullptr;
        for (std::uint32_t row : f.rows) {
            const auto* ch = GetRow<Channel_Info_Tag>(ctx.db, kChannelTable, row);
            names += (first == nullptr ? "" : ", ") + DescribeChannel(*ch);
            if (first == nullptr)
                first = ch;
        }
        f.message = std::to_string(f.rows.size()) + " channels carry service " +
                    std::to_string(first->ServiceID) + " of transponder " +
                    std::to_string(first->TPID) + " (satellite " + std::to_string(first->SatID) +
                    "): " + names;
        out.push_back(std::move(f));
    }
}

} // namespace chanforge::check::detail
