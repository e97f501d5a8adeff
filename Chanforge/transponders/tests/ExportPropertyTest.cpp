// Property: a database's satellites exported as satellites.xml (its cable multiplexes as
// cables.xml, its terrestrial ones as terrestrial.xml) and read back give an update that changes
// nothing, whatever the records hold and whichever model keeps them.
#include "TestBuilders.h"
#include "chanforge/TableAccess.h"
#include "chanforge/editing/NetworkEdits.h"
#include "chanforge/transponders/Readers.h"
#include "chanforge/transponders/SatellitesXml.h"
#include "chanforge/transponders/Update.h"

#include <gtest/gtest.h>
#include <rapidcheck.h>
#include <rapidcheck/gtest.h>

#include <set>
#include <string>

namespace chanforge::transponders {
namespace {

/// Satellites at distinct positions, each with carriers of one band (a satellite's band is
/// its carriers'), every byte of the records' coded fields arbitrary.
void FillRandom(tabstore::CQoDB& db) {
    const auto degrees =
        *rc::gen::unique<std::vector<std::uint16_t>>(rc::gen::inRange<std::uint16_t>(0, 3600));
    std::uint8_t satId = 2;
    for (std::uint16_t degree : degrees) {
        if (satId > 7)
            break;
        auto satellite = ZeroRecord<Satellite_Info_Tag>();
        satellite.SatID = satId;
        satellite.Degree = degree;
        const std::string name = *rc::gen::container<std::string>(15, rc::gen::arbitrary<char>());
        testkit::SetName(satellite.Name, name);
        AppendCopy(db, kSatelliteTable, satellite);
        const bool cBand = *rc::gen::arbitrary<bool>();
        const int count = *rc::gen::inRange(1, 12);
        for (int tpid = 1; tpid <= count; ++tpid) {
            auto tp = ZeroRecord<Transponder_Info_Tag>();
            tp.SatID = satId;
            tp.TPID = static_cast<std::uint8_t>(tpid);
            tp.Frequency = cBand ? *rc::gen::inRange<std::uint16_t>(3400, 4999)
                                 : *rc::gen::inRange<std::uint16_t>(10700, 12750);
            tp.SymbolRate = *rc::gen::inRange<std::uint16_t>(100, 65535);
            tp.PolFEC = *rc::gen::arbitrary<std::uint8_t>();
            tp.TxMode = *rc::gen::arbitrary<std::uint8_t>();
            tp.Modulation = *rc::gen::arbitrary<std::uint8_t>();
            tp.TSID = *rc::gen::arbitrary<std::uint16_t>();
            AppendCopy(db, kTransponderTable, tp);
        }
        ++satId;
    }
}

/// Cable multiplexes on the raster of 8 MHz channels, every other byte arbitrary.
void FillRandomCables(tabstore::CQoDB& db) {
    const auto channels = *rc::gen::nonEmpty(
        rc::gen::unique<std::vector<std::uint32_t>>(rc::gen::inRange<std::uint32_t>(6, 110)));
    std::uint8_t muxId = 1;
    for (std::uint32_t channel : channels) {
        if (muxId > 40)
            break;
        auto mux = ZeroRecord<CableMux_Info_Tag>();
        mux.MuxID = muxId++;
        mux.Frequency = channel * 8000;
        mux.SymbolRate = *rc::gen::inRange<std::uint16_t>(100, 65535);
        mux.Modulation = *rc::gen::arbitrary<std::uint8_t>();
        mux.Invert = *rc::gen::arbitrary<std::uint8_t>();
        AppendCopy(db, kCableMuxTable, mux);
    }
}

/// Terrestrial multiplexes on distinct channels of the default raster, every setting arbitrary
/// (codes no table names included).
void FillRandomMuxes(tabstore::CQoDB& db, const policy::ProductKind& product) {
    DocumentValues values;
    const auto channels = *rc::gen::nonEmpty(
        rc::gen::unique<std::vector<std::uint8_t>>(rc::gen::inRange<std::uint8_t>(1, 58)));
    for (std::uint8_t channel : channels) {
        auto mux = ZeroRecord<SMux_Info_Tag>();
        mux.TPID = channel;
        mux.MuxParams = *rc::gen::arbitrary<std::uint32_t>() & 0x3FFFFFFF;
        RC_ASSERT(editing::NewTerrestrialMux(db, product, mux, values).result ==
                  editing::EditResult::Ok);
    }
}

RC_GTEST_PROP(ExportPropertyTest, UpdatingFromTheListsOwnExportChangesNothing, ()) {
    const policy::ProductKind product = *rc::gen::element(
        policy::ProductKind{3, 1}, policy::ProductKind{7, 1}, policy::ProductKind{9, 5},
        policy::ProductKind{10, 5}, policy::ProductKind{2, 2}, policy::ProductKind{5, 3});
    tabstore::CQoDB db;
    FillRandom(db);
    if (product.Terrestrial()) {
        FillRandomMuxes(db, product);
        Source region;
        RC_ASSERT(
            ReadXmlTable(TerrestrialXmlBytes(db, product, "Berlin"), "terrestrial.xml", region).ok);
        RC_ASSERT(region.skipped.empty());
        UpdatePlan terrestrialPlan;
        RC_ASSERT(PlanUpdate(db, product, region, std::nullopt, terrestrialPlan).ok);
        RC_ASSERT(terrestrialPlan.lines.empty());
        RC_ASSERT(terrestrialPlan.offRaster.empty());
    }
    if (product.Cable()) {
        FillRandomCables(db);
        Source cables;
        RC_ASSERT(ReadXmlTable(CablesXmlBytes(db, product, "Kabel"), "cables.xml", cables).ok);
        RC_ASSERT(cables.skipped.empty());
        UpdatePlan cablePlan;
        RC_ASSERT(PlanUpdate(db, product, cables, std::nullopt, cablePlan).ok);
        RC_ASSERT(cablePlan.lines.empty());
    }
    RC_PRE(db.Size(kSatelliteTable) > 0u);
    const std::vector<std::uint8_t> xml = SatellitesXmlBytes(db, product);
    Source source;
    const SourceResult read = ReadXmlTable(xml, "export.xml", source);
    RC_ASSERT(read.ok);
    RC_ASSERT(source.skipped.empty());
    UpdatePlan plan;
    RC_ASSERT(PlanUpdate(db, product, source, std::nullopt, plan).ok);
    RC_ASSERT(plan.satellites == db.Size(kSatelliteTable));
    RC_ASSERT(plan.lines.empty());
}

} // namespace
} // namespace chanforge::transponders
