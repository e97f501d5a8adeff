// A satellite's transponders compared with a table and brought up to date as the operator
// reviewed the lines.
#include "chanforge/transponders/Update.h"
#include "TestBuilders.h"
#include "chanforge/TableAccess.h"
#include "chanforge/editing/UndoStack.h"
#include "chanforge/transponders/Readers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace chanforge::transponders {
namespace {

constexpr policy::ProductKind kPlain{3, 1};       // FEC codes of DVB-S only
constexpr policy::ProductKind kExtended{7, 1};    // system, modulation and pilot too
constexpr policy::ProductKind kCable{9, 4};       // constellation and inversion in one byte
constexpr policy::ProductKind kTerrestrial{2, 2}; // multiplexes in a table of their own
constexpr policy::ProductKind kCombination{5, 3}; // multiplexes under the stand-in satellite

void AddSatellite(tabstore::CQoDB& db, std::uint8_t satId, std::uint16_t degree) {
    auto satellite = ZeroRecord<Satellite_Info_Tag>();
    satellite.SatID = satId;
    satellite.Degree = degree;
    testkit::SetName(satellite.Name, "Sat " + std::to_string(satId));
    AppendCopy(db, kSatelliteTable, satellite);
}

std::uint32_t AddTransponder(tabstore::CQoDB& db, std::uint8_t satId, std::uint8_t tpid,
                             std::uint16_t mhz, bool horizontal, std::uint16_t ks,
                             std::uint8_t fec = 0x40) {
    auto tp = ZeroRecord<Transponder_Info_Tag>();
    tp.SatID = satId;
    tp.TPID = tpid;
    tp.Frequency = mhz;
    tp.SymbolRate = ks;
    tp.PolFEC = static_cast<std::uint8_t>(fec | (horizontal ? 1 : 0));
    tp.TSID = static_cast<std::uint16_t>(1000 + tpid);
    return static_cast<std::uint32_t>(AppendCopy(db, kTransponderTable, tp));
}

void AddChannel(tabstore::CQoDB& db, const char* name, std::uint16_t number, std::uint8_t satId,
                std::uint8_t tpid) {
    AppendCopy(db, kChannelTable, testkit::MakeChannel(name, number, attr::kTV, satId, tpid));
}

Source Read(const std::string& xml) {
    Source source;
    const std::string text = "<satellites>\n" + xml + "</satellites>\n";
    const SourceResult result = ReadXmlTable(
        {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()}, "sat.xml", source);
    EXPECT_TRUE(result.ok) << result.message.English();
    return source;
}

std::vector<std::pair<LineKind, int>> Lines(const UpdatePlan& plan) {
    std::vector<std::pair<LineKind, int>> lines;
    for (const UpdateLine& line : plan.lines)
        lines.emplace_back(line.kind, line.kind == LineKind::Gone ? line.before.Frequency
                                                                  : line.after.Frequency);
    return lines;
}

/// Astra at 19.2E with three carriers (a channel on two of them) and Hot Bird, which the table
/// below does not touch.
struct AstraUpdate : ::testing::Test {
    void SetUp() override {
        AddSatellite(db, 2, 192);
        AddSatellite(db, 3, 130);
        moved = AddTransponder(db, 2, 1, 11836, true, 27500);
        gone = AddTransponder(db, 2, 2, 12188, true, 27500);
        AddTransponder(db, 2, 3, 10743, false, 22000, 0x80);
        AddTransponder(db, 3, 1, 11766, false, 27500);
        AddChannel(db, "Das Erste", 1, 2, 1);
        AddChannel(db, "Gone TV", 2, 2, 2);
        AddChannel(db, "Rai 1", 3, 3, 1);
        // Moved by 1.5 MHz with a new code rate; one the same; one new; 12188 gone.
        source = Read(R"(<sat name="Astra" position="192">
<transponder frequency="11837500" symbol_rate="27500000" polarization="0" fec_inner="5"/>
<transponder frequency="10743250" symbol_rate="22000000" polarization="1" fec_inner="4"/>
<transponder frequency="12603000" symbol_rate="22000000" polarization="1" fec_inner="3"/>
</sat><sat name="Elsewhere" position="-300"><transponder frequency="11000000" symbol_rate="27500000"/></sat>
)");
    }

    tabstore::CQoDB db;
    DocumentValues values;
    Source source;
    std::uint32_t moved = 0, gone = 0;
};

TEST_F(AstraUpdate, ListsMovedNewAndGoneCarriersWithTheChannelsGoneOnesTake) {
    UpdatePlan plan;
    ASSERT_TRUE(PlanUpdate(db, kPlain, source, std::nullopt, plan).ok);
    EXPECT_EQ(plan.satellites, 1u);
    using L = std::vector<std::pair<LineKind, int>>;
    EXPECT_EQ(Lines(plan),
              (L{{LineKind::Changed, 11838}, {LineKind::Gone, 12188}, {LineKind::New, 12603}}));
    EXPECT_EQ(plan.lines[0].transponderKey, moved);
    EXPECT_EQ(plan.lines[0].after.PolFEC, 0xF1); // 7/8, still horizontal
    EXPECT_EQ(plan.lines[0].after.TSID, 1001);   // fields the table does not give stay
    EXPECT_EQ(plan.lines[0].sourceLine, 3u);
    ASSERT_EQ(plan.lines[1].channels.size(), 1u);
    EXPECT_STREQ(GetRow<Channel_Info_Tag>(db, kChannelTable, plan.lines[1].channels[0])->Name,
                 "Gone TV");
    EXPECT_EQ(TransponderText(plan.lines[2].after, kPlain), "12603 V 22000 3/4");

    // One satellite asked for: the same; a position neither has: refused.
    UpdatePlan one;
    ASSERT_TRUE(PlanUpdate(db, kPlain, source, 192, one).ok);
    EXPECT_EQ(Lines(one), Lines(plan));
    const PlanResult none = PlanUpdate(db, kPlain, source, 282, one);
    EXPECT_FALSE(none.ok);
    EXPECT_EQ(none.message.English(), "Neither the list nor sat.xml has a satellite at 28.2E");
}

TEST_F(AstraUpdate, AppliesTheKeptLinesInOneUndoStep) {
    UpdatePlan plan;
    ASSERT_TRUE(PlanUpdate(db, kPlain, source, std::nullopt, plan).ok);
    const auto original = testkit::StoreBytes(db);
    editing::CUndoStack undo;
    const editing::EditResult kept = undo.Record(db, kUpdateTables, "Update transponders", [&] {
        return ApplyUpdate(db, values, plan, GoneLines(plan));
    });
    EXPECT_EQ(kept, editing::EditResult::Ok);
    EXPECT_EQ(GetRow<Transponder_Info_Tag>(db, kTransponderTable, moved)->Frequency, 11838);
    EXPECT_NE(GetRow<Transponder_Info_Tag>(db, kTransponderTable, gone), nullptr);
    EXPECT_EQ(db.Size(kTransponderTable), 5u);
    EXPECT_EQ(db.Size(kChannelTable), 3u);
    EXPECT_EQ(values.MaxTPID, 1u);
    ASSERT_TRUE(undo.Undo(db));
    EXPECT_EQ(testkit::StoreBytes(db), original);

    // Deleting too: the channel goes with its carrier, the later TPIDs close up and the channel
    // of the moved carrier still names it.
    ASSERT_EQ(ApplyUpdate(db, values, plan, {}), editing::EditResult::Ok);
    EXPECT_EQ(GetRow<Transponder_Info_Tag>(db, kTransponderTable, gone), nullptr);
    EXPECT_EQ(db.Size(kChannelTable), 2u);
    std::vector<int> tpids;
    ForEachRow<Transponder_Info_Tag>(db, kTransponderTable, [&](const Transponder_Info_Tag& tp) {
        if (tp.SatID == 2)
            tpids.push_back(tp.TPID);
    });
    EXPECT_EQ(tpids, (std::vector<int>{1, 2, 3}));
    UpdatePlan again;
    ASSERT_TRUE(PlanUpdate(db, kPlain, source, std::nullopt, again).ok);
    EXPECT_TRUE(again.lines.empty());
}

TEST(MatchTest, PairsCarriersByPolarisationAndATolerancePerSymbolRate) {
    tabstore::CQoDB db;
    AddSatellite(db, 2, 192);
    AddTransponder(db, 2, 1, 11000, true, 27500);  // 27.5 MS/s: 7.9 MHz either way
    AddTransponder(db, 2, 2, 11500, true, 2000);   // 2 MS/s: 1.5 MHz
    AddTransponder(db, 2, 3, 12000, false, 27500); // vertical: a horizontal carrier is another one
    const Source source = Read(R"(<sat position="192">
<transponder frequency="11007000" symbol_rate="27500000" polarization="0"/>
<transponder frequency="11502000" symbol_rate="2000000" polarization="0"/>
<transponder frequency="12000000" symbol_rate="27500000" polarization="0"/>
</sat>)");
    UpdatePlan plan;
    ASSERT_TRUE(PlanUpdate(db, kPlain, source, std::nullopt, plan).ok);
    using L = std::vector<std::pair<LineKind, int>>;
    EXPECT_EQ(Lines(plan), (L{{LineKind::Changed, 11007},
                              {LineKind::Gone, 11500},
                              {LineKind::New, 11502},
                              {LineKind::New, 12000},
                              {LineKind::Gone, 12000}}));
}

TEST(MatchTest, KeepsCAndKuBandOfOnePositionApart) {
    tabstore::CQoDB db;
    AddSatellite(db, 2, 3300);
    AddSatellite(db, 3, 3300);
    AddTransponder(db, 2, 1, 11000, true, 27500);
    AddTransponder(db, 3, 1, 3900, true, 27500);
    const Source source = Read(R"(<sat position="-300">
<transponder frequency="11000000" symbol_rate="27500000" polarization="0"/>
<transponder frequency="3900000" symbol_rate="27500000" polarization="0"/>
<transponder frequency="4100000" symbol_rate="27500000" polarization="0"/>
</sat>)");
    UpdatePlan plan;
    ASSERT_TRUE(PlanUpdate(db, kPlain, source, -300, plan).ok);
    EXPECT_EQ(plan.satellites, 2u);
    ASSERT_EQ(plan.lines.size(), 1u);
    EXPECT_EQ(plan.lines[0].kind, LineKind::New);
    EXPECT_EQ(plan.lines[0].after.SatID, 3);

    // The same position twice in one band is what makes tables invalid in the field.
    const Source twice =
        Read("<sat position=\"-300\">\n<transponder frequency=\"11000000\" "
             "symbol_rate=\"27500000\"/></sat>\n<sat position=\"-300\">"
             "<transponder frequency=\"12000000\" symbol_rate=\"27500000\"/></sat>");
    const PlanResult refused = PlanUpdate(db, kPlain, twice, std::nullopt, plan);
    EXPECT_FALSE(refused.ok);
    EXPECT_EQ(refused.message.English(),
              "sat.xml lists the satellite at 30.0W twice (lines 2 and 4): keep one of them");
}

TEST(MergeTest, ChangesOnlyWhatTheCarrierMeansDifferently) {
    auto tp = ZeroRecord<Transponder_Info_Tag>();
    tp.Frequency = 11362;
    tp.SymbolRate = 22000;
    tp.PolFEC = 0x30 | 0x0E; // code 0x30 names "Auto" on DVB-S; bits 1-3 are not ours
    Carrier carrier;
    carrier.frequencyKHz = 11362000;
    carrier.symbolRate = 22000000;
    carrier.polarisation = Polarisation::CircularLeft;
    carrier.fec = Fec::Auto;
    EXPECT_EQ(Merge(tp, carrier, kPlain).PolFEC, 0x3F); // circular left is the horizontal band
    carrier.fec = Fec::F9_10;                           // no DVB-S code: Auto
    EXPECT_EQ(Merge(tp, carrier, kPlain).PolFEC, 0x3F);

    // On list 7 the code depends on system and modulation: 2/3 is 0x30 in DVB-S2 QPSK, 0x20 in
    // 8PSK; a nonzero byte already meaning DVB-S2 or 8PSK stays as it is.
    tp.TxMode = 0x05;
    tp.Modulation = 0;
    carrier.polarisation = Polarisation::Vertical;
    carrier.fec = Fec::F2_3;
    carrier.system = DvbSystem::S2;
    carrier.modulation = Modulation::Qpsk;
    carrier.pilot = Pilot::On;
    Transponder_Info_Tag merged = Merge(tp, carrier, kExtended);
    EXPECT_EQ(merged.PolFEC, 0x3E);
    EXPECT_EQ(merged.TxMode, 0x25);
    carrier.modulation = Modulation::Psk8;
    merged = Merge(tp, carrier, kExtended);
    EXPECT_EQ(merged.PolFEC, 0x2E);
    EXPECT_EQ(merged.Modulation, 1);
    EXPECT_EQ(TransponderText(merged, kExtended), "11362 V 22000 2/3 DVB-S2 8PSK");
    // A product without those fields keeps them as they are.
    EXPECT_EQ(Merge(tp, carrier, kPlain).TxMode, 0x05);
}

TEST(CableTest, UpdatesTheMultiplexesFromTheTablesOneNetwork) {
    tabstore::CQoDB db;
    for (std::uint8_t muxId = 1; muxId <= 3; ++muxId) {
        auto mux = ZeroRecord<CableMux_Info_Tag>();
        mux.MuxID = muxId;
        mux.Frequency = 322000 + 8000u * muxId;
        mux.SymbolRate = 6900;
        mux.Modulation = (5 << 2) | 1; // 256 QAM, inverted
        AppendCopy(db, kCableMuxTable, mux);
        AddChannel(db, muxId == 2 ? "Gone TV" : "Cable TV", muxId, 0, muxId);
    }
    // 330 MHz now 64 QAM, 338 gone, 346 as it was, 354 new.
    const std::string table =
        "[CHANNEL]\n\tDELIVERY_SYSTEM = DVBC/ANNEX_A\n\tFREQUENCY = 330000000\n"
        "\tSYMBOL_RATE = 6900000\n\tMODULATION = QAM/64\n"
        "[CHANNEL]\n\tDELIVERY_SYSTEM = DVBC/ANNEX_A\n\tFREQUENCY = 346000000\n"
        "\tSYMBOL_RATE = 6900000\n\tMODULATION = QAM/256\n"
        "[CHANNEL]\n\tDELIVERY_SYSTEM = DVBC/ANNEX_A\n\tFREQUENCY = 354000000\n"
        "\tSYMBOL_RATE = 6900000\n\tMODULATION = QAM/AUTO\n";
    Source source;
    ASSERT_TRUE(ReadScanTable({reinterpret_cast<const std::uint8_t*>(table.data()), table.size()},
                              "de-Kabel", source)
                    .ok);
    UpdatePlan plan;
    const PlanResult notHere = PlanUpdate(db, kPlain, source, std::nullopt, plan);
    EXPECT_EQ(notHere.message.English(),
              "de-Kabel lists cable multiplexes, which this model does not keep");
    ASSERT_TRUE(PlanUpdate(db, kCable, source, std::nullopt, plan).ok);
    ASSERT_EQ(plan.lines.size(), 3u);
    EXPECT_EQ(LineText(plan.lines[0], false, kCable), "330.000 MHz 6900 256 QAM");
    EXPECT_EQ(LineText(plan.lines[0], true, kCable), "330.000 MHz 6900 64 QAM");
    EXPECT_EQ(plan.lines[0].cableAfter.Modulation, (3 << 2) | 1); // the inversion stays
    EXPECT_EQ(plan.lines[1].kind, LineKind::Gone);
    ASSERT_EQ(plan.lines[1].channels.size(), 1u);
    EXPECT_EQ(plan.lines[2].kind, LineKind::New);
    EXPECT_EQ(LinePlace(db, plan.lines[2]), "cable");

    DocumentValues values;
    ASSERT_EQ(ApplyUpdate(db, values, plan, {}), editing::EditResult::Ok);
    std::vector<std::pair<int, int>> muxes; // frequency, MuxID
    ForEachRow<CableMux_Info_Tag>(db, kCableMuxTable, [&](const CableMux_Info_Tag& mux) {
        muxes.emplace_back(mux.Frequency / 1000, mux.MuxID);
    });
    EXPECT_EQ(muxes, (std::vector<std::pair<int, int>>{{330, 1}, {346, 2}, {354, 3}}));
    EXPECT_EQ(db.Size(kChannelTable), 2u);
    UpdatePlan again;
    ASSERT_TRUE(PlanUpdate(db, kCable, source, std::nullopt, again).ok);
    EXPECT_TRUE(again.lines.empty());
}

TEST(TerrestrialTest, UpdatesTheMultiplexesOfEitherTableFromTheTablesOneRegion) {
    // 8K, no offset, 64QAM, 2/3, 1/4 on the default raster: channel 21 (TPID 9) is 474 MHz.
    constexpr std::uint32_t kParams = (2 << 1) | (1 << 3) | (3 << 6) | (2 << 8) | (4 << 11);
    for (const policy::ProductKind product : {kTerrestrial, kCombination}) {
        SCOPED_TRACE(product.type);
        tabstore::CQoDB db;
        DocumentValues values;
        for (std::uint8_t tpid : {9, 13, 20}) { // 474, 506 and 562 MHz
            auto mux = ZeroRecord<SMux_Info_Tag>();
            mux.TPID = tpid;
            mux.MuxParams = kParams;
            ASSERT_EQ(editing::NewTerrestrialMux(db, product, mux, values).result,
                      editing::EditResult::Ok);
            EXPECT_EQ(editing::NewTerrestrialMux(db, product, mux, values).result,
                      editing::EditResult::Nothing); // one multiplex per channel
        }
        EXPECT_EQ(db.Size(product.Combination() ? kTransponderTable : kTerrestrialMuxTable), 3u);
        AddChannel(db, "Erstes", 1, 1, 9);
        AddChannel(db, "Gone TV", 2, 1, 13);
        // 474 now 16QAM and 166 kHz up, 506 gone, 562 as it was, 642 new, 900 off the raster.
        const std::string table =
            "[CHANNEL]\nDELIVERY_SYSTEM = DVBT\nFREQUENCY = 474166000\nMODULATION = QAM/16\n"
            "[CHANNEL]\nDELIVERY_SYSTEM = DVBT\nFREQUENCY = 562000000\nCODE_RATE_HP = 2/3\n"
            "[CHANNEL]\nDELIVERY_SYSTEM = DVBT2\nFREQUENCY = 642000000\nGUARD_INTERVAL = 1/8\n"
            "[CHANNEL]\nMODULATION = QAM/64\nFREQUENCY = 900000000\nDELIVERY_SYSTEM = DVBT\n";
        Source source;
        ASSERT_TRUE(
            ReadScanTable({reinterpret_cast<const std::uint8_t*>(table.data()), table.size()},
                          "de-Berlin", source)
                .ok);
        UpdatePlan plan;
        EXPECT_EQ(PlanUpdate(db, kPlain, source, std::nullopt, plan).message.English(),
                  "de-Berlin lists terrestrial multiplexes, which this model does not keep");
        ASSERT_TRUE(PlanUpdate(db, product, source, std::nullopt, plan).ok);
        ASSERT_EQ(plan.offRaster.size(), 1u);
        EXPECT_EQ(plan.offRaster[0].line, 13u);
        ASSERT_EQ(plan.lines.size(), 3u);
        EXPECT_EQ(LineText(plan.lines[0], false, product), "474.0 MHz 8K 64QAM 2/3 1/4");
        EXPECT_EQ(LineText(plan.lines[0], true, product), "474.166 MHz 8K 16QAM 2/3 1/4");
        EXPECT_EQ(plan.lines[1].kind, LineKind::Gone);
        EXPECT_EQ(plan.lines[1].channels.size(), 1u);
        EXPECT_EQ(plan.lines[2].kind, LineKind::New);
        EXPECT_EQ(plan.lines[2].muxAfter.TPID, 30);
        EXPECT_EQ(LinePlace(db, plan.lines[2]), "terrestrial");

        const auto original = testkit::StoreBytes(db);
        editing::CUndoStack undo;
        ASSERT_EQ(undo.Record(db, kUpdateTables, "Update transponders",
                              [&] { return ApplyUpdate(db, values, plan, {}); }),
                  editing::EditResult::Ok);
        std::vector<int> channels; // of the multiplexes left
        for (const SMux_Info_Tag& mux : editing::TerrestrialMuxes(db, product))
            channels.push_back(mux.TPID);
        EXPECT_EQ(channels, (std::vector<int>{9, 20, 30}));
        EXPECT_EQ(db.Size(kChannelTable), 1u);
        EXPECT_EQ(values.MaxTPID, 30u);
        UpdatePlan again;
        ASSERT_TRUE(PlanUpdate(db, product, source, std::nullopt, again).ok);
        EXPECT_TRUE(again.lines.empty());
        ASSERT_TRUE(undo.Undo(db));
        EXPECT_EQ(testkit::StoreBytes(db), original);
    }
}

TEST(PlanTest, AScanTableWithoutPositionNeedsTheSatelliteChosen) {
    tabstore::CQoDB db;
    AddSatellite(db, 2, 192);
    const std::string table = "[CHANNEL]\n\tFREQUENCY = 11836000\n\tSYMBOL_RATE = 27500000\n";
    Source source;
    ASSERT_TRUE(ReadScanTable({reinterpret_cast<const std::uint8_t*>(table.data()), table.size()},
                              "my-list", source)
                    .ok);
    UpdatePlan plan;
    const PlanResult refused = PlanUpdate(db, kPlain, source, std::nullopt, plan);
    EXPECT_EQ(refused.message.English(),
              "my-list names no orbital position: choose the satellite to update");
    ASSERT_TRUE(PlanUpdate(db, kPlain, source, 192, plan).ok);
    ASSERT_EQ(plan.lines.size(), 1u);
    EXPECT_EQ(plan.lines[0].kind, LineKind::New);
}

} // namespace
} // namespace chanforge::transponders
