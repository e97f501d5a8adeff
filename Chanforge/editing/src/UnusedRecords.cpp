#include "chanforge/editing/UnusedRecords.h"

#include "NetworkRows.h"
#include "chanforge/codec/TransponderMux.h"
#include "chanforge/editing/NetworkEdits.h"

#include <bitset>
#include <map>

namespace chanforge::editing {

namespace {

// Records with id 0 are never listed: removing one would lower every other id by one.

/// What the channels name, indexed once.
struct Named {
    std::bitset<256> satellites;
    std::bitset<65536> transponders; ///< SatID << 8 | TPID
    std::bitset<256> tpids;          ///< any channel's TPID
    std::bitset<256> terrestrialTpids;
    std::bitset<65536> providers;

    Named(tabstore::CQoDB& db, Product product) {
        rows::ForEach<Channel_Info_Tag>(db, kChannelTable, [&](const Channel_Info_Tag& ch) {
            satellites.set(ch.SatID);
            transponders.set(std::uint32_t{ch.SatID} << 8 | ch.TPID);
            tpids.set(ch.TPID);
            if (product.Terrestrial() && ch.SatID == 1)
                terrestrialTpids.set(ch.TPID);
            providers.set(ch.BroadcastID);
        });
    }
};

bool StandIn(const Satellite_Info_Tag& sat, Product product) {
    return product.Terrestrial() && sat.SatID == 1;
}

void FindDelivery(tabstore::CQoDB& db, Product product, const Named& named, UnusedRecords& out) {
    if (!product.Satellite() || product.CombinedBlock())
        return;
    std::map<unsigned, bool> keepsSatellite; ///< SatID -> has a transponder that stays
    rows::ForEach<Transponder_Info_Tag>(db, kTransponderTable, [&](const Transponder_Info_Tag& tp) {
        if (codec::HoldsMux(tp, product)) {
            if (!named.terrestrialTpids.test(tp.TPID))
                out.muxes.push_back(tp.RowID);
            return;
        }
        const bool stays =
            tp.TPID == 0 || named.transponders.test(std::uint32_t{tp.SatID} << 8 | tp.TPID);
        if (!stays)
            out.transponders.push_back(tp.RowID);
        keepsSatellite[tp.SatID] = keepsSatellite[tp.SatID] || stays;
    });
    rows::ForEach<Satellite_Info_Tag>(db, kSatelliteTable, [&](const Satellite_Info_Tag& sat) {
        if (sat.SatID != 0 && !StandIn(sat, product) && !named.satellites.test(sat.SatID) &&
            !keepsSatellite[sat.SatID])
            out.satellites.push_back(sat.RowID);
    });
}

} // namespace

std::size_t UnusedRecords::Count() const {
    return satellites.size() + transponders.size() + muxes.size() + cableMuxes.size() +
           providers.size();
}

UnusedRecords FindUnused(tabstore::CQoDB& db, Product product) {
    const Named named(db, product);
    UnusedRecords out;
    FindDelivery(db, product, named, out);
    // Removing a cable multiplex takes every channel with its id as TPID, whatever its satellite.
    if (product.Cable())
        rows::ForEach<CableMux_Info_Tag>(db, kCableMuxTable, [&](const CableMux_Info_Tag& m) {
            if (m.MuxID != 0 && !named.tpids.test(m.MuxID))
                out.cableMuxes.push_back(m.RowID);
        });
    rows::ForEach<Broadcast_Info_Tag>(db, kProviderTable, [&](const Broadcast_Info_Tag& p) {
        if (!named.providers.test(p.BroadcastID))
            out.providers.push_back(p.RowID);
    });
    return out;
}

UnusedRecords Going(tabstore::CQoDB& db, const UnusedRecords& unused, const LeftOut& leftOut) {
    UnusedRecords out;
    std::size_t line = 0;
    std::bitset<256> staying; ///< SatIDs with a transponder left out
    const auto keep = [&](const RowIds& from, RowIds& to, bool transponders = false) {
        for (std::uint32_t key : from) {
            if (!leftOut.contains(line++))
                to.push_back(key);
            else if (transponders)
                if (const auto* tp = rows::Get<Transponder_Info_Tag>(db, kTransponderTable, key))
                    staying.set(tp->SatID);
        }
    };
    // The satellites' lines come first, but whether one goes hangs on its transponders.
    RowIds satellites;
    keep(unused.satellites, satellites);
    keep(unused.transponders, out.transponders, true);
    keep(unused.muxes, out.muxes);
    keep(unused.cableMuxes, out.cableMuxes);
    keep(unused.providers, out.providers);
    for (std::uint32_t key : satellites)
        if (const auto* sat = rows::Get<Satellite_Info_Tag>(db, kSatelliteTable, key);
            sat != nullptr && !staying.test(sat->SatID))
            out.satellites.push_back(key);
    return out;
}

std::size_t RemoveUnused(tabstore::CQoDB& db, const UnusedRecords& listed, const LeftOut& leftOut) {
    const UnusedRecords unused = leftOut.empty() ? listed : Going(db, listed, leftOut);
    std::size_t removed = 0;
    // Transponders before their satellites, which then take nothing along; rows keep their keys
    // through both, so the lists stay valid while ids close their gaps.
    if (DeleteTransponders(db, unused.transponders) == EditResult::Ok)
        removed += unused.transponders.size();
    // A multiplex's id is its RF channel: no other id moves when it goes.
    for (std::uint32_t key : unused.muxes)
        removed += db.Delete(kTransponderTable, key) >= 0 ? 1 : 0;
    if (DeleteSatellites(db, unused.satellites) == EditResult::Ok)
        removed += unused.satellites.size();
    if (DeleteCableMuxes(db, unused.cableMuxes) == EditResult::Ok)
        removed += unused.cableMuxes.size();
    if (DeleteProviders(db, unused.providers) == EditResult::Ok)
        removed += unused.providers.size();
    return removed;
}

} // namespace chanforge::editing
