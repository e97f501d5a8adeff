// Sector trailers, counts, checksums and limits written by the encoder.
#include "CodecTestSupport.h"

#include <gtest/gtest.h>

#include <numeric>

namespace {

using namespace chanforge;
using namespace chanforge::codec;
using namespace codectest;

/// The checksum a sector must carry: 1 plus the sum of its bytes without the checksum itself.
std::uint16_t ExpectedChecksum(const std::vector<std::uint8_t>& img, std::size_t sector) {
    const auto begin = img.begin() + static_cast<std::ptrdiff_t>(sector);
    return static_cast<std::uint16_t>(std::accumulate(begin, begin + S - 2, 1u));
}

bool AllZero(const std::vector<std::uint8_t>& img, std::size_t from, std::size_t length) {
    return std::all_of(img.begin() + static_cast<std::ptrdiff_t>(from),
                       img.begin() + static_cast<std::ptrdiff_t>(from + length),
                       [](std::uint8_t b) { return b == 0; });
}

TEST(Encoder, EmptyTablesStillWriteTheFixedSectors) {
    const FlashLayout l = PresetLayout("A");
    std::vector<std::uint8_t> img(l.ImageSize(), 0x5A);
    tabstore::CQoDB db;
    ASSERT_TRUE(EncodeImage(img, l, db, DocumentValues{}).ok());
    EXPECT_EQ(img[l.sat.start + S - 5], 0) << "no satellites: count 0 over empty slots";
    EXPECT_TRUE(AllZero(img, l.brd.start, l.brd.count * S));
    EXPECT_TRUE(AllZero(img, l.tp.start, l.tp.count * S));
    EXPECT_TRUE(AllZero(img, l.ch.start, l.ch.count * S));
    auto loaded = Decode(img, l);
    ASSERT_TRUE(loaded->result.ok());
    EXPECT_EQ(loaded->db.Size(kSatelliteTable), 0u) << "deleted satellites must not come back";
}

TEST(Encoder, ChannelSectorsCountTelevisionAndOtherSlots) {
    const FlashLayout l = PresetLayout("D");
    const std::vector<Channel_Info_Tag> channels = {
        MakeChannel("TV", 1, attr::kTV), MakeChannel("Both", 2, attr::kTV | attr::kRadio),
        MakeChannel("Radio", 3, attr::kRadio), MakeChannel("Data", 4, 0)};
    const auto img = WithChannels(l, channels);
    EXPECT_EQ(BE16(img, l.ch.start + S - 6), 2);
    EXPECT_EQ(BE16(img, l.ch.start + S - 4), 2);
    EXPECT_EQ(BE16(img, l.ch.start + S - 2), ExpectedChecksum(img, l.ch.start));

    FlashLayout list9 = l;
    list9.product.list = 9;
    const auto img9 = WithChannels(list9, channels);
    EXPECT_EQ(BE16(img9, l.ch.start + S - 6), 0);
    EXPECT_EQ(BE16(img9, l.ch.start + S - 4), 4) << "list 9 keeps one sum";
}

TEST(Encoder, ListSixWritesEveryChannelOncePerTuner) {
    FlashLayout l = PresetLayout("A");
    l.product.list = 6;
    l.product.type = 1 | 8;
    l.ch.chunk = 64; // 44-byte slots end before the Tuner byte
    tabstore::CQoDB db;
    for (int i = 0; i < 5; ++i)
        AppendCopy(db, kChannelTable, MakeChannel("TV", 1 + i, attr::kTV));
    std::vector<std::uint8_t> img(l.ImageSize(), 0);
    ASSERT_TRUE(EncodeImage(img, l, db, DocumentValues{}).ok());
    EXPECT_EQ(BE16(img, l.ch.start + S - 6), 10);
    const std::size_t L = l.nameLength;
    EXPECT_EQ(img[l.ch.start + 28 + L], 0);
    EXPECT_EQ(img[l.ch.start + l.ch.chunk + 28 + L], 1) << "second copy is for tuner 2";
    auto loaded = Decode(img, l);
    ASSERT_TRUE(loaded->result.ok());
    EXPECT_EQ(loaded->db.Size(kChannelTable), 5u) << "the copies do not come back as channels";
}

TEST(Encoder, TableBeyondItsBlockIsRefusedByNameAndNothingChanges) {
    FlashLayout l = PresetLayout("D");
    l.ch.count = 2; // 2 sectors of 91 slots
    tabstore::CQoDB db;
    for (int i = 0; i < 183; ++i)
        AppendCopy(db, kChannelTable, MakeChannel("TV", 1 + i, attr::kTV));
    std::vector<std::uint8_t> img(l.ImageSize(), 0x77);
    const auto before = img;
    const CodecResult r = EncodeImage(img, l, db, DocumentValues{});
    EXPECT_EQ(r.status, CodecStatus::TableTooLarge);
    EXPECT_NE(r.detail.find("channel table"), std::string::npos) << r.detail;
    EXPECT_NE(r.detail.find("182"), std::string::npos) << r.detail;
    EXPECT_EQ(img, before);
    db.Delete(kChannelTable, 183);
    EXPECT_TRUE(EncodeImage(img, l, db, DocumentValues{}).ok()) << "182 is the limit";
}

TEST(Encoder, TooManyProvidersAndFavouritesAreNamedToo) {
    FlashLayout l = PresetLayout("D");
    l.brd.count = 1;
    tabstore::CQoDB db;
    for (int i = 0; i < 205; ++i) {
        auto brd = ZeroRecord<Broadcast_Info_Tag>();
        std::snprintf(brd.Name, sizeof brd.Name, "P%d", i);
        AppendCopy(db, kProviderTable, brd);
    }
    std::vector<std::uint8_t> img(l.ImageSize(), 0);
    CodecResult r = EncodeImage(img, l, db, DocumentValues{});
    EXPECT_NE(r.detail.find("provider table"), std::string::npos) << r.detail;

    db.Clear(kProviderTable);
    for (int i = 0; i < 300; ++i)
        AppendCopy(db, kFavoriteTable, ZeroRecord<Favorite_Info_Tag>());
    r = EncodeImage(img, l, db, DocumentValues{});
    EXPECT_NE(r.detail.find("favourite table"), std::string::npos) << r.detail;
}

TEST(Encoder, CombinedTrailerHoldsThirtyTwoBitCountsAndChecksum) {
    for (bool be : {false, true}) {
        FlashLayout l = PresetLayout("D");
        l.product.list = 10;
        l.product.type = 5;
        l.bigEndian = be;
        l.tp = {16384, 300, 16};
        l.brd = {0, 2, 20};
        l.ch = {0, 300, 50};
        tabstore::CQoDB db;
        for (int i = 0; i < 260; ++i)
            AppendCopy(db, kChannelTable, MakeChannel("Cable TV", 1 + i, attr::kTV, 0));
        std::vector<std::uint8_t> img(l.ImageSize(), 0);
        ASSERT_TRUE(EncodeImage(img, l, db, DocumentValues{}).ok());
        const std::size_t E = l.tp.start + 300 * 16 + 2 * 20 + 300 * 50;
        EXPECT_EQ(utils::ReadU32(&img[E + 8], be), 260u);
        std::uint32_t sum = 1;
        for (std::size_t i = l.tp.start; i < E + 16; i += 4)
            sum += utils::ReadU32(&img[i], false);
        EXPECT_EQ(utils::ReadU32(&img[E + 16], true), sum);

        auto loaded = Decode(img, l);
        ASSERT_TRUE(loaded->result.ok());
        EXPECT_EQ(loaded->db.Size(kChannelTable), 260u) << (be ? "big" : "little") << "-endian";
        EXPECT_EQ(loaded->values.MaxTVNumber, 260u);
    }
}

} // namespace
