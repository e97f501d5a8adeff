// Feeds arbitrary bytes to the XML table reader and the scan-table reader, then updates a small
// list of a satellite and cable model and one of a satellite and terrestrial model from whatever
// they read: every carrier read is within its unit's range, and the update of a list from it
// keeps every transponder on a satellite that exists (or the terrestrial stand-in) and every
// multiplex's id.
#include "chanforge/TableAccess.h"
#include "chanforge/transponders/Readers.h"
#include "chanforge/transponders/Update.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

using namespace chanforge;
using namespace chanforge::transponders;

void Check(const Source& source) {
    for (const SourceSatellite& satellite : source.satellites)
        for (const Carrier& carrier : satellite.carriers)
            if (carrier.frequencyKHz < kMinSatelliteKHz ||
                carrier.frequencyKHz > kMaxSatelliteKHz || carrier.symbolRate < kMinSymbolRate ||
                carrier.symbolRate > kMaxSymbolRate)
                std::abort();
    for (const SourceRegion& region : source.terrestrials)
        for (const TerrestrialCarrier& carrier : region.carriers)
            if (carrier.frequencyKHz < kMinTerrestrialKHz ||
                carrier.frequencyKHz > kMaxTerrestrialKHz)
                std::abort();
}

/// Astra at 19.2E with two carriers, a cable multiplex and a terrestrial one (474 MHz, kept as
/// the combination models keep it), a channel on each carrier.
void Fill(tabstore::CQoDB& db) {
    auto satellite = ZeroRecord<Satellite_Info_Tag>();
    satellite.SatID = 2;
    satellite.Degree = 192;
    AppendCopy(db, kSatelliteTable, satellite);
    for (std::uint8_t tpid = 1; tpid <= 2; ++tpid) {
        auto tp = ZeroRecord<Transponder_Info_Tag>();
        tp.SatID = 2;
        tp.TPID = tpid;
        tp.Frequency = static_cast<std::uint16_t>(11000 + tpid * 500);
        tp.SymbolRate = 27500;
        AppendCopy(db, kTransponderTable, tp);
        auto ch = ZeroRecord<Channel_Info_Tag>();
        ch.SatID = 2;
        ch.TPID = tpid;
        ch.Attributes = attr::kTV;
        AppendCopy(db, kChannelTable, ch);
    }
    auto mux = ZeroRecord<CableMux_Info_Tag>();
    mux.MuxID = 3;
    mux.Frequency = 346000;
    mux.SymbolRate = 6900;
    AppendCopy(db, kCableMuxTable, mux);
    auto terrestrial = ZeroRecord<Transponder_Info_Tag>();
    terrestrial.SatID = 1;
    terrestrial.TPID = 9;
    terrestrial.Frequency = 1 << 3; // no offset
    AppendCopy(db, kTransponderTable, terrestrial);
}

void Update(const Source& source, const policy::ProductKind& product) {
    tabstore::CQoDB db;
    Fill(db);
    DocumentValues values;
    UpdatePlan plan;
    if (!PlanUpdate(db, product, source, 192, plan).ok)
        return;
    (void)ApplyUpdate(db, values, plan, {});
    ForEachRow<Transponder_Info_Tag>(db, kTransponderTable, [](const Transponder_Info_Tag& tp) {
        if ((tp.SatID != 2 && tp.SatID != 1) || tp.TPID == 0)
            std::abort();
    });
    ForEachRow<CableMux_Info_Tag>(db, kCableMuxTable, [](const CableMux_Info_Tag& mux) {
        if (mux.MuxID == 0)
            std::abort();
    });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    for (const bool xml : {true, false}) {
        Source source;
        const SourceResult read = xml ? ReadXmlTable({data, size}, "fuzz.xml", source)
                                      : ReadScanTable({data, size}, "fuzz-19.2E", source);
        if (!read.ok)
            continue;
        Check(source);
        for (const policy::ProductKind product :
             {policy::ProductKind{9, 5}, policy::ProductKind{5, 3}})
            Update(source, product);
    }
    return 0;
}
