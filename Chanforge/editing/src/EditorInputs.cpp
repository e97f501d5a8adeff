#include "chanforge/editing/EditorInputs.h"

#include "FilterPlacement.h"
#include "Rows.h"
#include "chanforge/editing/ChannelName.h"

namespace chanforge::editing {

namespace {

template <class T, class Pred>
std::vector<T> Where(tabstore::CQoDB& db, std::uint8_t table, Pred&& keep) {
    std::vector<T> out;
    rows::ForEach<T>(db, table, [&](const T& row) {
        if (keep(row))
            out.push_back(row);
    });
    return out;
}

template <class T, class Pred>
std::optional<T> First(tabstore::CQoDB& db, std::uint8_t table, Pred&& match) {
    std::optional<T> found;
    rows::ForEach<T>(db, table, [&](const T& row) {
        if (!found && match(row))
            found = row;
    });
    return found;
}

} // namespace

EditorInputs GatherEditorInputs(tabstore::CQoDB& db, const ChannelFilter& filter, Product product) {
    EditorInputs in;
    in.providers = rows::All<Broadcast_Info_Tag>(db, kProviderTable);
    if (product.Combination() && filter.satellite == 1) {
        in.kind = EditorKind::Combination;
        in.transponders = Where<Transponder_Info_Tag>(db, kTransponderTable,
                                                      [](const auto& tp) { return tp.SatID == 1; });
    } else if (product.TerrestrialTunerOnly()) {
        in.kind = EditorKind::Terrestrial;
        in.muxes = rows::All<SMux_Info_Tag>(db, kTerrestrialMuxTable);
    } else if (product.CableTunerOnly()) {
        in.kind = EditorKind::Cable;
        rows::ForEach<CableMux_Info_Tag>(db, kCableMuxTable, [&](const CableMux_Info_Tag& mux) {
            in.cableIds.push_back(mux.MuxID);
        });
    } else {
        // The terrestrial pseudo-satellite and its multiplexes are not for satellite channels.
        const bool hideTerrestrial = product.Terrestrial();
        in.satellites = Where<Satellite_Info_Tag>(
            db, kSatelliteTable, [&](const auto& s) { return !(hideTerrestrial && s.SatID == 1); });
        in.transponders = Where<Transponder_Info_Tag>(db, kTransponderTable, [&](const auto& tp) {
            return !(hideTerrestrial && tp.SatID == 1);
        });
    }
    return in;
}

Channel_Info_Tag PrepareNewChannel(tabstore::CQoDB& db, const ChannelFilter& filter,
                                   Product product) {
    Channel_Info_Tag ch{};
    PlaceOnFilter(db, ch, filter, product);
    ch.CodeTable = CodeTableForSatellite(db, ch.SatID);
    return ch;
}

DescriptionRecords GatherDescription(tabstore::CQoDB& db, std::uint32_t channelKey) {
    DescriptionRecords out;
    const auto* ch = rows::Channel(db, channelKey);
    if (ch == nullptr)
        return out;
    out.channel = *ch;
    const Channel_Info_Tag c = *ch;
    out.satellite = First<Satellite_Info_Tag>(db, kSatelliteTable,
                                              [&](const auto& s) { return s.SatID == c.SatID; });
    out.transponder = First<Transponder_Info_Tag>(db, kTransponderTable, [&](const auto& tp) {
        return tp.SatID == c.SatID && tp.TPID == c.TPID;
    });
    out.provider = First<Broadcast_Info_Tag>(
        db, kProviderTable, [&](const auto& p) { return p.BroadcastID == c.BroadcastID; });
    return out;
}

} // namespace chanforge::editing
