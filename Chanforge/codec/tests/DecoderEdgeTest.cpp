// What the decoder does with odd, hostile or receiver-specific images.
#include "CodecTestSupport.h"

#include <gtest/gtest.h>

namespace {

using namespace chanforge;
using namespace chanforge::codec;
using namespace codectest;

TEST(Decoder, SatelliteCountIsCappedByItsRuleAndByTheBlock) {
    struct Row {
        const char* preset;
        std::size_t slot, nameAt;
        int filled;
        std::uint8_t count;
        std::size_t expected;
    };
    // Count 0 means up to 120 (128 slots of 32 bytes fit); 93 slots of 44 bytes fit whatever the
    // count says, as the trailer overlaps the last slot's tail.
    for (const Row& r : {Row{"D", 32, 15, 128, 0, 120}, Row{"A", 44, 28, 93, 250, 93}}) {
        const FlashLayout l = PresetLayout(r.preset);
        std::vector<std::uint8_t> img(l.ImageSize(), 0);
        for (int i = 0; i < r.filled; ++i)
            img[l.sat.start + i * r.slot + r.nameAt] = 'S';
        img[l.sat.start + S - 5] = r.count;
        auto loaded = Decode(img, l);
        ASSERT_TRUE(loaded->result.ok()) << r.preset;
        EXPECT_EQ(loaded->db.Size(kSatelliteTable), r.expected) << r.preset;
    }
}

TEST(Decoder, SecondSectorChannelCountsEndOrFailTheList) {
    const FlashLayout l = PresetLayout("default");
    std::vector<Channel_Info_Tag> channels;
    for (int i = 0; i < 150; ++i)
        channels.push_back(MakeChannel("TV", 1 + i, attr::kTV));
    const auto encoded = WithChannels(l, channels); // 72 per sector: three sectors
    const std::size_t counts = l.ch.start + 2 * S - 6;

    auto erased = encoded; // erased counts end the list even with data behind
    SetBE16(erased, counts, 0xFFFF);
    SetBE16(erased, counts + 2, 0xFFFF);
    auto loaded = Decode(erased, l);
    ASSERT_TRUE(loaded->result.ok());
    EXPECT_EQ(loaded->db.Size(kChannelTable), 72u);

    auto impossible = encoded;
    SetBE16(impossible, counts, 0x7000);
    loaded = Decode(impossible, l);
    EXPECT_EQ(loaded->result.status, CodecStatus::BadCounts);
    EXPECT_NE(loaded->result.detail.find("channel block's sector 1"), std::string::npos)
        << loaded->result.detail;
    EXPECT_EQ(loaded->db.Size(kChannelTable), 72u) << "the sector before it was read";
}

TEST(Decoder, ErasedProviderAndTransponderSectorsAreSkipped) {
    const FlashLayout l = PresetLayout("D");
    std::vector<std::uint8_t> img(l.ImageSize(), 0xFF);
    SetBE16(img, l.ch.start + S - 6, 0xFFFF);
    auto loaded = Decode(img, l);
    ASSERT_TRUE(loaded->result.ok());
    EXPECT_EQ(loaded->db.Size(kProviderTable), 0u);
    EXPECT_EQ(loaded->db.Size(kTransponderTable), 0u);
    EXPECT_EQ(loaded->db.Size(kChannelTable), 0u);
}

TEST(Decoder, EmptyFavouriteNamesGetNumberedDefaults) {
    FlashLayout l = PresetLayout("A");
    std::vector<std::uint8_t> img(l.ImageSize(), 0);
    std::memcpy(&img[2 + 20], "Sports", 6);
    auto loaded = Decode(img, l);
    ASSERT_TRUE(loaded->result.ok());
    const auto favs = Rows<Favorite_Info_Tag>(loaded->db, kFavoriteTable);
    ASSERT_EQ(favs.size(), 32u);
    EXPECT_STREQ(favs[0].Name, "Favorite 1");
    EXPECT_STREQ(favs[1].Name, "Sports");
    EXPECT_STREQ(favs[31].Name, "Favorite 32");
    EXPECT_EQ(favs[31].RowID, 32u);
}

TEST(Decoder, SecondTunerChannelsDropOnSingleTunerTerrestrialProducts) {
    FlashLayout l = PresetLayout("B");
    l.ch.chunk = 64; // 44-byte slots end before the Tuner byte
    auto ch = MakeChannel("Tuner2", 1, attr::kTV);
    ch.Tuner = 1;
    for (int type : {2, 3}) {
        l.product.type = type;
        l.product.list = 4;
        const auto img = WithChannels(l, {MakeChannel("Tuner1", 2, attr::kTV), ch});
        auto loaded = Decode(img, l);
        ASSERT_TRUE(loaded->result.ok());
        EXPECT_EQ(loaded->db.Size(kChannelTable), type == 2 ? 1u : 2u) << "type " << type;
    }
}

// A one-byte-mask layout keeps its name field's last byte for the terminator a save writes: a
// receiver's slot whose name fills the field reads as what the next save keeps, not one more.
TEST(Decoder, ANameFillingItsFieldReadsAsASaveKeepsIt) {
    const FlashLayout l = PresetLayout("D"); // list 7: name at slot byte 6 + 16, 16 bytes
    auto img = WithChannels(l, {MakeChannel("ABCDEFGHIJKLMNO", 1, attr::kTV)});
    img[l.ch.start + 22 + 15] = 'P';
    auto loaded = Decode(img, l);
    ASSERT_TRUE(loaded->result.ok());
    const auto channels = Rows<Channel_Info_Tag>(loaded->db, kChannelTable);
    ASSERT_EQ(channels.size(), 1u);
    EXPECT_STREQ(channels[0].Name, "ABCDEFGHIJKLMNO");
}

TEST(Decoder, ChannelWithNeitherKindFlagSurvivesSaveAndLoad) {
    const FlashLayout l = PresetLayout("D");
    const auto img = WithChannels(l, {MakeChannel("Data", 5, 0), MakeChannel("TV", 1, attr::kTV),
                                      MakeChannel("Radio", 2, attr::kRadio)});
    auto loaded = Decode(img, l);
    ASSERT_TRUE(loaded->result.ok());
    const auto rows = Rows<Channel_Info_Tag>(loaded->db, kChannelTable);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_STREQ(rows[0].Name, "Data");
    EXPECT_EQ(loaded->values.MaxTVNumber, 1u);
    EXPECT_EQ(loaded->values.MaxRadioNumber, 2u) << "a channel with neither flag raises neither";
}

TEST(Decoder, TruncatedImageFailsAfterTheBlocksThatFit) {
    const FlashLayout l = PresetLayout("D");
    std::vector<std::uint8_t> img(l.ch.start + 100, 0);
    auto loaded = Decode(img, l);
    EXPECT_EQ(loaded->result.status, CodecStatus::ImageTooShort);
    EXPECT_NE(loaded->result.detail.find("channel"), std::string::npos);
    EXPECT_EQ(loaded->db.Size(kFavoriteTable), 8u) << "rows decoded so far stay";
}

TEST(Decoder, UnusableLayoutsAreRefusedNotRun) {
    FlashLayout zeroChunk = PresetLayout("D");
    zeroChunk.ch.chunk = 0;
    FlashLayout tinySector = PresetLayout("D");
    tinySector.sectorSize = 4;
    FlashLayout hugeName = PresetLayout("D");
    hugeName.nameLength = 4000;
    for (const FlashLayout& l : {zeroChunk, tinySector, hugeName}) {
        std::vector<std::uint8_t> img(1 << 16, 0);
        tabstore::CQoDB db;
        DocumentValues values;
        EXPECT_EQ(DecodeImage(img, l, db, values).status, CodecStatus::BadLayout);
        EXPECT_EQ(EncodeImage(img, l, db, values).status, CodecStatus::BadLayout);
    }
}

TEST(Decoder, TerrestrialSectorProvidersReplaceProvidersOfTheSameRow) {
    FlashLayout l = PresetLayout("D");
    l.product.type = 2;
    l.product.list = 4;
    l.maxMuxCount = 2;
    l.tp.count = 1;
    tabstore::CQoDB db;
    for (const char* name : {"First", "Second", "Third"}) {
        auto brd = ZeroRecord<Broadcast_Info_Tag>();
        std::snprintf(brd.Name, sizeof brd.Name, "%s", name);
        AppendCopy(db, kProviderTable, brd);
    }
    std::vector<std::uint8_t> img(l.ImageSize(), 0);
    ASSERT_TRUE(EncodeImage(img, l, db, DocumentValues{}).ok());
    const std::size_t providers = l.tp.start + 2 * l.tp.chunk;
    std::memcpy(&img[providers + 2 + l.brd.chunk], "Local", 5); // second provider slot
    img[l.tp.start + 10] = 33;                                  // first multiplex: TPID 33
    auto loaded = Decode(img, l);
    ASSERT_TRUE(loaded->result.ok());
    const auto brds = Rows<Broadcast_Info_Tag>(loaded->db, kProviderTable);
    ASSERT_EQ(brds.size(), 3u);
    EXPECT_STREQ(brds[0].Name, "First");
    EXPECT_STREQ(brds[1].Name, "Local");
    EXPECT_STREQ(brds[2].Name, "Third");
    EXPECT_EQ(loaded->db.Size(kTerrestrialMuxTable), 1u);
    EXPECT_EQ(loaded->values.MaxTPID, 33u);
}

TEST(Decoder, ImpossibleProviderCountAndCombinedCountFailTheLoad) {
    FlashLayout l = PresetLayout("D");
    std::vector<std::uint8_t> img(l.ImageSize(), 0);
    SetBE16(img, l.brd.start + S - 4, 205); // 204 provider slots fit a sector
    EXPECT_EQ(Decode(img, l)->result.status, CodecStatus::BadCounts);

    l.product.list = 10;
    l.product.type = 5;
    l.tp = {16384, 10, 16};
    l.brd = {0, 10, 20};
    l.ch = {0, 10, 50};
    img.assign(l.ImageSize(), 0);
    const std::size_t E = 16384 + 10 * 16 + 10 * 20 + 10 * 50;
    img[E + 8] = 11; // eleven channels in ten slots
    EXPECT_EQ(Decode(img, l)->result.status, CodecStatus::BadCounts);
}

TEST(Decoder, UnknownProductListLoadsNoChannels) {
    FlashLayout l = PresetLayout("D");
    const auto img = WithChannels(l, {MakeChannel("TV", 1, attr::kTV)});
    l.product.list = 11;
    auto loaded = Decode(img, l);
    ASSERT_TRUE(loaded->result.ok());
    EXPECT_EQ(loaded->db.Size(kChannelTable), 0u);
}

} // namespace
