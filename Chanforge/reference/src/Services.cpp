#include "chanforge/reference/Service.h"

#include "chanforge/TableAccess.h"
#include "chanforge/codec/TransponderMux.h"
#include "chanforge/editing/ChannelName.h"
#include "chanforge/editing/DeliveryText.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>

namespace chanforge::reference {

namespace {

struct Stream {
    Carrier carrier;
    std::uint16_t tsid = 0;
    std::uint16_t onid = 0;
};

/// The delivery tables indexed once: satellite and transponder by id, multiplexes by TPID.
struct DeliveryIndex {
    std::unordered_map<std::uint8_t, std::uint16_t> degrees;
    std::unordered_map<std::uint16_t, Stream> transponders; ///< SatID << 8 | TPID
    std::unordered_map<std::uint8_t, Stream> terrestrial;   ///< by TPID
    std::unordered_map<std::uint8_t, Stream> cable;         ///< by MuxID
};

Stream TerrestrialStream(const SMux_Info_Tag& mux) {
    // The raster gives no carrier for a channel number it does not know; 0 stays unknown.
    const int kHz = editing::MuxFrequency(mux);
    Stream s;
    if (kHz > 0)
        s.carrier = {Delivery::Terrestrial, 0, false, static_cast<std::uint32_t>(kHz)};
    return s;
}

DeliveryIndex IndexDelivery(tabstore::CQoDB& db, const policy::ProductKind& product) {
    DeliveryIndex ix;
    ForEachRow<Satellite_Info_Tag>(db, kSatelliteTable, [&](const Satellite_Info_Tag& s) {
        ix.degrees.emplace(s.SatID, s.Degree);
    });
    ForEachRow<Transponder_Info_Tag>(db, kTransponderTable, [&](const Transponder_Info_Tag& tp) {
        if (codec::HoldsMux(tp, product)) {
            ix.terrestrial.emplace(tp.TPID, TerrestrialStream(editing::MuxFromTransponder(tp)));
            return;
        }
        Stream s;
        s.tsid = tp.TSID;
        if (const auto sat = ix.degrees.find(tp.SatID); sat != ix.degrees.end())
            s.carrier = {Delivery::Satellite, sat->second, (tp.PolFEC & 1) != 0,
                         std::uint32_t{tp.Frequency} * 1000};
        ix.transponders.emplace(static_cast<std::uint16_t>(tp.SatID << 8 | tp.TPID), s);
    });
    if (product.TransponderBlockHoldsMultiplexes())
        ForEachRow<SMux_Info_Tag>(db, kTerrestrialMuxTable, [&](const SMux_Info_Tag& m) {
            ix.terrestrial.emplace(m.TPID, TerrestrialStream(m));
        });
    ForEachRow<CableMux_Info_Tag>(db, kCableMuxTable, [&](const CableMux_Info_Tag& m) {
        ix.cable.emplace(m.MuxID,
                         Stream{{Delivery::Cable, 0, false, m.Frequency}, m.TSID, m.OrgNetID});
    });
    return ix;
}

template <class Map, class Key> const Stream* Find(const Map& map, Key key) {
    const auto at = map.find(key);
    return at == map.end() ? nullptr : &at->second;
}

/// Where the channel's TPID leads on this model: a multiplex on terrestrial and cable tuners
/// (and for the terrestrial side of a combination), else a satellite transponder.
const Stream* StreamOf(const DeliveryIndex& ix, const Channel_Info_Tag& ch,
                       const policy::ProductKind& product) {
    if (product.TransponderBlockHoldsMultiplexes())
        return Find(ix.terrestrial, ch.TPID);
    if (product.CombinedBlock() || product.CableTunerOnly())
        return Find(ix.cable, ch.TPID);
    if (product.Combination() && ch.SatID == 1)
        return Find(ix.terrestrial, ch.TPID);
    if (const Stream* s =
            Find(ix.transponders, static_cast<std::uint16_t>(ch.SatID << 8 | ch.TPID)))
        return s;
    return product.Cable() ? Find(ix.cable, ch.TPID) : nullptr;
}

Marks MarksOf(const Channel_Info_Tag& ch) {
    Marks m;
    m.favorite = ch.Favorite;
    std::copy(std::begin(ch.FavoriteSlot), std::end(ch.FavoriteSlot), m.positions.begin());
    m.locked = (ch.Attributes & attr::kLocked) != 0;
    m.skipped = (ch.Attributes & attr::kSkipped) != 0;
    return m;
}

} // namespace

Kind KindOf(const Channel_Info_Tag& ch) {
    return IsTV(ch) ? Kind::TV : Kind::Radio;
}

std::vector<Service> ServicesOf(tabstore::CQoDB& channels, tabstore::CQoDB& delivery,
                                const codec::FlashLayout& layout) {
    const DeliveryIndex ix = IndexDelivery(delivery, layout.product);
    std::vector<Service> out;
    out.reserve(channels.Size(kChannelTable));
    ForEachRow<Channel_Info_Tag>(channels, kChannelTable, [&](const Channel_Info_Tag& ch) {
        Service s;
        s.row = ch.RowID;
        s.number = ch.ProgramNum;
        s.name = editing::NameText(ch);
        s.codeTable = ch.CodeTable;
        s.kind = KindOf(ch);
        s.scrambled = (ch.Attributes & attr::kScrambled) != 0 || ch.CAS != 0;
        s.sid = ch.ServiceID;
        s.tsid = ch.TSID;
        s.onid = ch.OrgNetID;
        if (const Stream* stream = StreamOf(ix, ch, layout.product)) {
            s.carrier = stream->carrier;
            // Most layouts keep the transport stream ids with the carrier, not the channel.
            s.tsid = s.tsid != 0 ? s.tsid : stream->tsid;
            s.onid = s.onid != 0 ? s.onid : stream->onid;
        }
        s.marks = MarksOf(ch);
        out.push_back(std::move(s));
    });
    return out;
}

std::uint32_t FavoriteGroupLimit(const codec::FlashLayout& layout) {
    const std::uint32_t mask = layout.product.OneByteFavoriteMask() ? 8u : 32u;
    return std::min({layout.favoriteCount, mask, static_cast<std::uint32_t>(kFavoriteGroupsMax)});
}

} // namespace chanforge::reference
