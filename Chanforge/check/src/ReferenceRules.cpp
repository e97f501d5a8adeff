// Channels and transponders that name records which do not exist, or the wrong ones, and
// channels that carry one service twice.
#include "Context.h"

#include "chanforge/TableAccess.h"
#include "chanforge/check/Fixes.h"
#include "chanforge/codec/TransponderMux.h"

#include <utility>

namespace chanforge::check::detail {

namespace {

Finding ChannelFinding(Rule rule, const Channel_Info_Tag& ch, utils::Phrase message) {
    return {Severity::Error, rule, kChannelTable, {ch.RowID}, std::move(message)};
}

utils::Phrase ReferenceFault(const ChannelLink& link, const Channel_Info_Tag& ch, const Model& m) {
    const utils::Phrase who = DescribeChannel(ch);
    switch (link.link) {
    case Link::NoSatellite:
        return Say(CF_TR_NOOP("Check", "The %1 names satellite %2, which does not exist"),
                   {who, Num(ch.SatID)});
    case Link::NoTransponder: {
        const bool mux =
            m.terrestrialOnly || m.cableOnly || !m.satellite || (m.terrestrial && ch.SatID == 1);
        if (mux)
            return Say(CF_TR_NOOP("Check", "The %1 names multiplex %2, which does not exist"),
                       {who, Num(ch.TPID)});
        return Say(CF_TR_NOOP("Check",
                              "The %1 names transponder %2 of satellite %3, which does not exist"),
                   {who, Num(ch.TPID), Num(ch.SatID)});
    }
    case Link::ForeignTransponder:
        return Say(CF_TR_NOOP("Check", "The %1 names transponder %2 of satellite %3, but that "
                                       "transponder belongs to satellite %4"),
                   {who, Num(ch.TPID), Num(ch.SatID), Num(link.ownerSatID)});
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
                           Say(CF_TR_NOOP("Check", "Transponder %1 MHz (id %2) names "
                                                   "satellite %3, which does not exist"),
                               {Num(tp.Frequency), Num(tp.TPID), Num(tp.SatID)})});
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
            Finding f = ChannelFinding(
                Rule::MissingProvider, ch,
                Say(CF_TR_NOOP("Check", "The %1 names provider %2, which does not exist"),
                    {DescribeChannel(ch), Num(ch.BroadcastID)}));
            f.severity = Severity::Warning;
            out.push_back(std::move(f));
        }
    });
}

namespace {

// A few channels name the group; a list holding thousands of copies of one service would
// otherwise make a message (and a phrase nested as deep) as long as the list.
constexpr std::size_t kChannelsNamed = 5;

utils::Phrase NameGroup(const Context& ctx, const std::vector<std::uint32_t>& rows) {
    utils::Phrase names;
    for (std::size_t i = 0; i < rows.size() && i < kChannelsNamed; ++i) {
        const auto* ch = GetRow<Channel_Info_Tag>(ctx.db, kChannelTable, rows[i]);
        std::vector<utils::Phrase> args;
        args.push_back(std::move(names));
        args.push_back(DescribeChannel(*ch));
        names = i == 0 ? std::move(args[1]) : Say(CF_TR_NOOP("Check", "%1, %2"), std::move(args));
    }
    if (rows.size() <= kChannelsNamed)
        return names;
    return Say(CF_TR_NOOP("Check", "%1 and %2 more"),
               {std::move(names), Num(rows.size() - kChannelsNamed)});
}

} // namespace

void CheckDuplicates(Context& ctx, Findings& out) {
    for (std::vector<std::uint32_t>& rows : DuplicateServiceGroups(ctx.db)) {
        Finding f{Severity::Warning, Rule::DuplicateService, kChannelTable, std::move(rows), {}};
        const auto* first = GetRow<Channel_Info_Tag>(ctx.db, kChannelTable, f.rows.front());
        f.message = Say(CF_TR_NOOP("Check", "%1 channels carry service %2 of transponder %3 "
                                            "(satellite %4): %5"),
                        {Num(f.rows.size()), Num(first->ServiceID), Num(first->TPID),
                         Num(first->SatID), NameGroup(ctx, f.rows)});
        out.push_back(std::move(f));
    }
}

} // namespace chanforge::check::detail
