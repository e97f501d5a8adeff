// Indexes the delivery tables once and resolves every channel's reference against them.
#include "Context.h"

#include "chanforge/TableAccess.h"
#include "chanforge/codec/TransponderMux.h"
#include "chanforge/editing/ChannelName.h"

#include <algorithm>

namespace chanforge::check::detail {

namespace {

std::uint16_t TransponderKey(std::uint8_t satId, std::uint8_t tpId) {
    return static_cast<std::uint16_t>(satId << 8 | tpId);
}

struct Index {
    std::bitset<256> satellites;
    std::bitset<65536> transponders;       ///< SatID << 8 | TPID of satellite transponders
    std::array<std::uint8_t, 256> owner{}; ///< TPID -> SatID of a transponder carrying it
    std::bitset<256> muxes; ///< TPIDs of multiplexes (or MuxIDs of cable multiplexes)
};

Index BuildIndex(Context& ctx) {
    Index ix;
    ForEachRow<Satellite_Info_Tag>(
        ctx.db, kSatelliteTable, [&](const Satellite_Info_Tag& s) { ix.satellites.set(s.SatID); });
    ForEachRow<Transponder_Info_Tag>(ctx.db, kTransponderTable,
                                     [&](const Transponder_Info_Tag& tp) {
                                         if (codec::HoldsMux(tp, ctx.layout.product)) {
                                             ix.muxes.set(tp.TPID);
                                             return;
                                         }
                                         ix.transponders.set(TransponderKey(tp.SatID, tp.TPID));
                                         if (ix.owner[tp.TPID] == 0)
                                             ix.owner[tp.TPID] = tp.SatID;
                                     });
    if (ctx.model.terrestrialOnly)
        ForEachRow<SMux_Info_Tag>(ctx.db, kTerrestrialMuxTable,
                                  [&](const SMux_Info_Tag& m) { ix.muxes.set(m.TPID); });
    if (ctx.model.cable)
        ForEachRow<CableMux_Info_Tag>(ctx.db, kCableMuxTable,
                                      [&](const CableMux_Info_Tag& m) { ix.muxes.set(m.MuxID); });
    ForEachRow<Broadcast_Info_Tag>(ctx.db, kProviderTable, [&](const Broadcast_Info_Tag& b) {
        ctx.providers.set(b.BroadcastID);
    });
    return ix;
}

/// Channels of terrestrial and cable receivers name a multiplex by its TPID alone.
bool NamesMultiplex(const Model& m, const Channel_Info_Tag& ch) {
    return m.terrestrialOnly || m.cableOnly || (m.terrestrial && ch.SatID == 1);
}

ChannelLink LinkOf(Context& ctx, const Index& ix, const Channel_Info_Tag& ch) {
    ChannelLink link{ch.RowID, Link::Found, 0};
    if (NamesMultiplex(ctx.model, ch) || !ctx.model.satellite) {
        if (!ix.muxes.test(ch.TPID))
            link.link = Link::NoTransponder;
        else
            ctx.usedMuxes.set(ch.TPID);
        return link;
    }
    const std::uint16_t key = TransponderKey(ch.SatID, ch.TPID);
    if (ix.transponders.test(key)) {
        ctx.usedTransponders.set(key);
        if (!ix.satellites.test(ch.SatID))
            link.link = Link::NoSatellite;
        return link;
    }
    // A satellite-and-cable receiver may put the channel on a cable multiplex.
    if (ctx.model.cable && ix.muxes.test(ch.TPID)) {
        ctx.usedMuxes.set(ch.TPID);
        return link;
    }
    if (!ix.satellites.test(ch.SatID))
        link.link = Link::NoSatellite;
    else if (ix.owner[ch.TPID] != 0) {
        link.link = Link::ForeignTransponder;
        link.ownerSatID = ix.owner[ch.TPID];
    } else
        link.link = Link::NoTransponder;
    return link;
}

} // namespace

Model ModelOf(const codec::FlashLayout& l) {
    Model m;
    m.satellite = l.product.Satellite() && !l.product.CombinedBlock();
    m.terrestrial = l.product.Terrestrial();
    m.cable = l.product.Cable();
    m.terrestrialOnly = l.product.TransponderBlockHoldsMultiplexes();
    m.cableOnly = m.cable && !m.satellite && !m.terrestrialOnly;
    // Layouts B, C and D keep the membership mask in one byte: eight groups at most.
    const bool oneByte = l.product.OneByteFavoriteMask();
    m.favoriteGroups = std::min<std::uint32_t>(
        {l.favoriteCount, oneByte ? 8u : 32u, static_cast<std::uint32_t>(kFavoriteGroupsMax)});
    m.channelNameBytes = l.ChannelNameBytes();
    return m;
}

void Resolve(Context& ctx) {
    const Index ix = BuildIndex(ctx);
    ctx.channelLinks.reserve(ctx.db.Size(kChannelTable));
    ForEachRow<Channel_Info_Tag>(ctx.db, kChannelTable, [&](const Channel_Info_Tag& ch) {
        ctx.channelLinks.push_back(LinkOf(ctx, ix, ch));
    });
}

utils::Phrase NameOf(const char* name, std::size_t size) {
    std::size_t n = 0;
    while (n < size && name[n] != 0)
        ++n;
    return utils::Phrase::Verbatim(std::string(name, n));
}

utils::Phrase DescribeChannel(const Channel_Info_Tag& ch) {
    const char* form = IsTV(ch) ? CF_TR_NOOP("Check", "TV channel %1 \"%2\"")
                                : CF_TR_NOOP("Check", "radio channel %1 \"%2\"");
    return Say(form, {Num(ch.ProgramNum), editing::NamePhrase(ch)});
}

} // namespace chanforge::check::detail
