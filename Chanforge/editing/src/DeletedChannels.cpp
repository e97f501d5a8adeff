#include "chanforge/editing/NetworkEdits.h"

#include "Rows.h"

#include <set>
#include <utility>

namespace chanforge::editing {

namespace {

/// The delivery references whose channels a delete of the rows takes: a satellite's SatID, a
/// transponder's (SatID, TPID), a cable multiplex's MuxID as the channels' TPID.
struct Doomed {
    std::set<unsigned> satellites;
    std::set<std::pair<unsigned, unsigned>> transponders;
    std::set<unsigned> muxes;

    bool Takes(const Channel_Info_Tag& ch) const {
        return satellites.count(ch.SatID) != 0 || transponders.count({ch.SatID, ch.TPID}) != 0 ||
               muxes.count(ch.TPID) != 0;
    }
};

Doomed DoomedBy(tabstore::CQoDB& db, ListKind kind, const RowIds& keys) {
    Doomed doomed;
    for (std::uint32_t key : keys) {
        if (kind == ListKind::Satellite) {
            if (const auto* sat = rows::Get<Satellite_Info_Tag>(db, kSatelliteTable, key))
                doomed.satellites.insert(sat->SatID);
        } else if (kind == ListKind::Transponder) {
            if (const auto* tp = rows::Get<Transponder_Info_Tag>(db, kTransponderTable, key))
                doomed.transponders.insert({tp->SatID, tp->TPID});
        } else if (kind == ListKind::CableMux) {
            if (const auto* mux = rows::Get<CableMux_Info_Tag>(db, kCableMuxTable, key))
                doomed.muxes.insert(mux->MuxID);
        }
    }
    return doomed;
}

} // namespace

std::size_t ChannelsDeletedWith(tabstore::CQoDB& db, ListKind kind, const RowIds& keys) {
    const Doomed doomed = DoomedBy(db, kind, keys);
    std::size_t count = 0;
    rows::ForEach<Channel_Info_Tag>(db, kChannelTable, [&](const Channel_Info_Tag& ch) {
        if (doomed.Takes(ch))
            ++count;
    });
    return count;
}

} // namespace chanforge::editing
