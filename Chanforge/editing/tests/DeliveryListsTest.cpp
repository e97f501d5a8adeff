#include "chanforge/editing/DeliveryLists.h"
#include "chanforge/editing/DeliveryText.h"

#include "TestDatabase.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace chanforge;
using namespace chanforge::editing;
using namespace chanforge::editing::test;

namespace {

TEST(DeliveryText, Formats) {
    struct Row {
        std::string got, expected;
    };
    const std::vector<Row> rows = {
        {DegreeText(1800), "180.0E"},
        {DegreeText(1801), "179.9W"},
        {DegreeText(192), "19.2E"},
        {DegreeText(0), "0.0E"},
        {DegreeText(3600), "0.0W"},
        {DegreeText(3601), "?(3601)"},
        {CableFrequencyText(474000), "474.000 MHz"},
        {CableFrequencyText(73125), "073.125 MHz"},
        {QamText(3), "64 QAM"},
        {QamText(9), "--"},
        {Grouped(11700), "11,700"},
        {Grouped(999), "999"},
        {TxModeText(2u << 1), "8K"},
        {CodeRateText(5u << 8), "7/8"},
        {CodeRateText(6u << 8), "--"},
        {ConstellationText(1u << 6), "QPSK"},
        {GuardText(4u << 11), "1/4"},
        {GuardText(5u << 11), "--"},
        {PriorityText(0), "Auto"},
        {PriorityText(3u << 16), "--"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(row.got, row.expected);
}

TEST(DeliveryText, TransponderSlotReadAsMultiplex) {
    Transponder_Info_Tag tp{};
    const std::uint32_t params = 0x00012345;
    std::memcpy(&tp.Frequency, &params, sizeof params);
    const std::uint8_t drift[2] = {0xAA, 0x3C};
    std::memcpy(&tp.Drift, drift, sizeof drift);
    tp.SatID = 1;
    tp.TPID = 40;
    const SMux_Info_Tag mux = MuxFromTransponder(tp);
    EXPECT_EQ(mux.MuxParams, params);
    EXPECT_EQ(mux.MuxNameIndex, 0x3C);
    EXPECT_EQ(mux.TPID, 40);
    EXPECT_EQ(MuxName(mux), "3C");
}

TEST(DeliveryLists, SatelliteListLeavesOutTheTerrestrialPseudoSatelliteByItsId) {
    tabstore::CQoDB db;
    AddSatellite(db, 2, "Astra", 192); // row key 1, but not the stand-in
    AddSatellite(db, 1, "Terrestrial");
    EXPECT_EQ(ListRows(db, ListKind::Satellite, kCombinationProduct), (RowIds{1}));
    EXPECT_EQ(ListRows(db, ListKind::Satellite, kSatelliteProduct), (RowIds{1, 2}));
    EXPECT_EQ(ListCellText(db, ListKind::Satellite, 1, 3, kSatelliteProduct), "Astra");
    EXPECT_EQ(ListCellText(db, ListKind::Satellite, 1, 4, kSatelliteProduct), "19.2E");
    EXPECT_EQ(ListCellText(db, ListKind::Satellite, 7, 4, kSatelliteProduct), "");
}

TEST(DeliveryLists, TransponderListBySatellite) {
    tabstore::CQoDB db;
    AddTransponder(db, 1, 21);
    AddTransponder(db, 2, 1);
    AddTransponder(db, 3, 1);
    AddTransponder(db, 2, 2);
    EXPECT_EQ(ListRows(db, ListKind::Transponder, kCombinationProduct, 0), (RowIds{2, 3, 4}));
    EXPECT_EQ(ListRows(db, ListKind::Transponder, kCombinationProduct, 2), (RowIds{2, 4}));
    EXPECT_EQ(ListRows(db, ListKind::Transponder, kSatelliteProduct, 0), (RowIds{1, 2, 3, 4}));
    EXPECT_EQ(ListRows(db, ListKind::TerrestrialMux, kCombinationProduct), (RowIds{1}));
    EXPECT_EQ(ListCellText(db, ListKind::Transponder, 2, 5, kSatelliteProduct), "11,700");
    EXPECT_EQ(ListCellText(db, ListKind::Transponder, 2, 7, kSatelliteProduct), "VER");
}

TEST(DeliveryLists, MultiplexKeys) {
    tabstore::CQoDB db;
    const std::uint32_t row = AddTerrestrialMux(db, 27);
    EXPECT_EQ(ListRows(db, ListKind::TerrestrialMux, kTerrestrialProduct), (RowIds{row}));
    EXPECT_EQ(MuxListKey(db, row, kTerrestrialProduct), 27u);
    EXPECT_EQ(MuxListKey(db, 5, kCombinationProduct), 5u);
    EXPECT_EQ(ListCellText(db, ListKind::TerrestrialMux, row, 3, kTerrestrialProduct), "8K");
    EXPECT_EQ(ListCellText(db, ListKind::TerrestrialMux, row, 5, kTerrestrialProduct), "64QAM");
    EXPECT_EQ(ListCellText(db, ListKind::TerrestrialMux, row, 1, kTerrestrialProduct), "27");
}

TEST(DeliveryLists, CableConstellationDependsOnProductList) {
    tabstore::CQoDB db;
    const std::uint32_t row = AddCableMux(db, 3, 474000);
    GetRow<CableMux_Info_Tag>(db, kCableMuxTable, row)->Modulation = (3 << 2) | 1;
    EXPECT_EQ(ListCellText(db, ListKind::CableMux, row, 8, kCableProduct), "64 QAM");
    EXPECT_EQ(ListCellText(db, ListKind::CableMux, row, 9, kCableProduct), "1");
    EXPECT_EQ(ListCellText(db, ListKind::CableMux, row, 8, Product{10, 4}), "--");
    EXPECT_EQ(ListCellText(db, ListKind::CableMux, row, 3, kCableProduct), "474.000 MHz");
    EXPECT_EQ(ListCellText(db, ListKind::CableMux, row, 4, kCableProduct), "6900 Ks/s");
    EXPECT_TRUE(ListRows(db, ListKind::CableMux, kSatelliteProduct).empty());
}

TEST(DeliveryLists, ProviderCountsTvAndRadio) {
    tabstore::CQoDB db;
    const std::uint32_t used = AddProvider(db, 7, "Used");
    const std::uint32_t unused = AddProvider(db, 8, "Unused");
    for (bool tv : {true, true, false}) {
        Channel_Info_Tag ch = MakeChannel("C", 1, tv);
        ch.BroadcastID = 7;
        AddChannel(db, ch);
    }
    EXPECT_EQ(ListCellText(db, ListKind::Provider, used, 4, kSatelliteProduct), "2/1");
    EXPECT_EQ(ListCellText(db, ListKind::Provider, unused, 4, kSatelliteProduct), "0/0");
}

TEST(DeliveryLists, HeaderSortByText) {
    tabstore::CQoDB db;
    AddSatellite(db, 1, "Hotbird");
    AddSatellite(db, 2, "Astra");
    AddSatellite(db, 3, "Thor");
    RowIds rows = ListRows(db, ListKind::Satellite, kSatelliteProduct);
    SortListByText(db, ListKind::Satellite, rows, 3, true, kSatelliteProduct);
    EXPECT_EQ(rows, (RowIds{3, 1, 2}));
}

} // namespace
