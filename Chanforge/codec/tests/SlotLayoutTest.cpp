// Field offsets of every slot layout, checked against hand-placed bytes.
#include "CodecTestSupport.h"
#include "chanforge/codec/TransponderMux.h"

#include <gtest/gtest.h>

namespace {

using namespace chanforge;
using namespace chanforge::codec;
using namespace codectest;

/// A one-sector-per-block layout with everything at known places.
FlashLayout Small(int list, int type, bool bigEndian) {
    FlashLayout l;
    l.product = {list, type};
    l.bigEndian = bigEndian;
    l.mmi = {0, 1, 20};
    l.favoriteCount = 4;
    l.sat = {S, 1, l.product.TwoTuners() ? 44u : 32u};
    l.brd = {2 * S, 1, 20};
    l.tp = {3 * S, 1, 20};
    l.ch = {4 * S, 2, 64};
    l.nameLength = 16;
    return l;
}

std::vector<std::uint8_t> Blank(const FlashLayout& l) {
    return std::vector<std::uint8_t>(l.ImageSize(), 0);
}

/// The one row a decoded image holds in the table (a zero record, and a failure, otherwise).
template <class T>
T OnlyRow(const FlashLayout& l, const std::vector<std::uint8_t>& img, std::uint8_t table) {
    auto loaded = Decode(img, l);
    EXPECT_TRUE(loaded->result.ok());
    const auto rows = Rows<T>(loaded->db, table);
    EXPECT_EQ(rows.size(), 1u);
    return rows.empty() ? ZeroRecord<T>() : rows[0];
}

// The editors offer the tuner choice where the product says it is stored: it must survive.
TEST(ChannelSlot, TunerChoiceSurvivesExactlyWhereTheProductStoresIt) {
    for (const NamedLayout& n : ContractLayouts()) {
        const FlashLayout& l = n.layout;
        Channel_Info_Tag ch = MakeChannel("Tuned", 1, attr::kTV, 2, 1);
        ch.Tuner = 1;
        auto loaded = Decode(WithChannels(l, {ch}), l);
        const auto rows = Rows<Channel_Info_Tag>(loaded->db, kChannelTable);
        const bool survives = rows.size() == 1 && rows[0].Tuner == 1;
        const bool stores = l.product.StoresChannelTuner(l.ch.chunk, l.nameLength);
        if (l.product.TwoTuners())
            EXPECT_EQ(survives, stores) << n.name;
        else
            EXPECT_FALSE(stores) << n.name;
    }
}

TEST(ChannelSlot, LayoutCGivesEveryChannelSatelliteOne) {
    FlashLayout l = Small(9, 2 | 16, true);
    l.tp.count = 0; // no multiplex sectors
    auto img = Blank(l);
    const std::size_t at = l.ch.start;
    img[at + 4] = 0x01;
    img[at + 5] = 0x02;
    img[at + 7] = 0x33;  // LogicalNumber
    img[at + 24] = 0x40; // Favorite
    img[at + 26] = 0x17; // TPID
    img[at + 32] = 'C';
    img[at + 32 + 16] = 0x77;    // OrgMuxID
    img[at + 34 + 16] = 0x99;    // NetNameID low byte
    img[l.ch.start + S - 3] = 1; // list 9 count: the low byte at S - 3
    const Channel_Info_Tag ch = OnlyRow<Channel_Info_Tag>(l, img, kChannelTable);
    EXPECT_EQ(ch.SatID, 1);
    EXPECT_EQ(ch.ProgramNum, 0x0102);
    EXPECT_EQ(ch.LogicalNumber, 0x33);
    EXPECT_EQ(ch.Favorite, 0x40u);
    EXPECT_EQ(ch.TPID, 0x17);
    EXPECT_EQ(ch.OrgMuxID, 0x77);
    EXPECT_EQ(ch.NetNameID, 0x99);
}

// Without the terrestrial bit satellite 1 is an ordinary satellite (with it, a multiplex: the
// per-model byte expectations of models B and C).
TEST(Transponder, SatelliteOneIsAMultiplexOnlyWithTheTerrestrialBit) {
    const FlashLayout l = Small(4, 1, true);
    auto img = Blank(l);
    img[l.tp.start] = 0x80; // MuxParams bit 0 in the big-endian packing
    img[l.tp.start + 7] = 0x5A;
    img[l.tp.start + 10] = 1;
    img[l.tp.start + 11] = 21;
    SetBE16(img, l.tp.start + S - 4, 1);
    const auto tp = OnlyRow<Transponder_Info_Tag>(l, img, kTransponderTable);
    EXPECT_EQ(tp.Frequency, 0x8000);
    EXPECT_EQ(tp.Drift & 0xFF, 0x5A);
    EXPECT_EQ(tp.TPID, 21);
}

struct MuxCase {
    const char* name;
    std::uint32_t params;
    bool bigEndian;
    std::uint8_t bytes[4];
};

class MuxParamsPacking : public ::testing::TestWithParam<MuxCase> {};

TEST_P(MuxParamsPacking, PacksAndUnpacks) {
    const MuxCase& c = GetParam();
    std::uint8_t packed[4];
    PackMuxParams(c.params, c.bigEndian, packed);
    EXPECT_EQ(std::vector<std::uint8_t>(packed, packed + 4),
              std::vector<std::uint8_t>(c.bytes, c.bytes + 4));
    EXPECT_EQ(UnpackMuxParams(c.bytes, c.bigEndian), c.params);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MuxParamsPacking,
    ::testing::Values(MuxCase{"LittleEndianIsPlain", 0x2A345678, false, {0x78, 0x56, 0x34, 0x2A}},
                      MuxCase{"BigReservedFlag", 0x1, true, {0x80, 0, 0, 0}},
                      MuxCase{"BigMode8K", 2u << 1, true, {0x40, 0, 0, 0}},
                      MuxCase{"BigOffsetStep", 5u << 3, true, {0x14, 0, 0, 0}},
                      MuxCase{"Big64QAM", 3u << 6, true, {0x03, 0, 0, 0}},
                      MuxCase{"BigCodeRate", 4u << 8, true, {0, 0x80, 0, 0}},
                      MuxCase{"BigGuard", 0x1Fu << 11, true, {0, 0x1F, 0, 0}},
                      MuxCase{"BigPriority", 2u << 16, true, {0, 0, 0x80, 0}},
                      MuxCase{"BigBits18to23", 0x3Fu << 18, true, {0, 0, 0x3F, 0}},
                      MuxCase{"BigKeepsAllSixTopBits", 0x3Fu << 24, true, {0, 0, 0, 0xFC}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CableSlot, SeparateAndCombinedOrders) {
    FlashLayout l = Small(6, 4, true);
    auto img = Blank(l);
    const std::size_t at = l.tp.start;
    img[at + 3] = 0x40; // Frequency
    img[at + 5] = 0x01; // TSID
    img[at + 7] = 0x02; // SymbolRate
    img[at + 8] = 3 << 2;
    img[at + 11] = 7;    // MuxID
    img[at + 12] = 0xD0; // Data[0]
    SetBE16(img, l.tp.start + S - 4, 1);
    const auto cab = OnlyRow<CableMux_Info_Tag>(l, img, kCableMuxTable);
    EXPECT_EQ(cab.Frequency, 0x40u);
    EXPECT_EQ(cab.TSID, 1);
    EXPECT_EQ(cab.SymbolRate, 2);
    EXPECT_EQ(cab.Modulation, 12);
    EXPECT_EQ(cab.MuxID, 7);
    EXPECT_EQ(cab.Data[0], 0xD0);
    EXPECT_EQ(cab.Data[8], 0) << "a 20-byte slot carries 8 data bytes";
}

TEST(ProviderSlot, NameStopsAtSixteenCharactersEvenWithoutTerminator) {
    const FlashLayout l = Small(1, 1, false);
    auto img = Blank(l);
    const std::size_t at = l.brd.start;
    img[at] = 0x34;
    for (int i = 0; i < 17; ++i)
        img[at + 2 + i] = 'P';
    img[at + 19] = 0x66;
    SetBE16(img, l.brd.start + S - 4, 1);
    const auto brd = OnlyRow<Broadcast_Info_Tag>(l, img, kProviderTable);
    EXPECT_EQ(brd.BroadcastID, 0x34);
    EXPECT_EQ(std::string(brd.Name), std::string(16, 'P'));
    EXPECT_EQ(brd.Byte23, 0x66);
}

} // namespace
