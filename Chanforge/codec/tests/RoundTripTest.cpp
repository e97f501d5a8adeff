// The contract every layout keeps: an image written from tables loads back into the same
// tables, and writing those again reproduces the image byte for byte, noise included.
#include "CodecTestSupport.h"
#include "chanforge/codec/FlashImage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>

namespace {

using namespace chanforge;
using namespace chanforge::codec;
using namespace codectest;

class RoundTrip : public ::testing::TestWithParam<NamedLayout> {};

TEST_P(RoundTrip, SaveLoadSaveReproducesEveryByte) {
    const FlashLayout& layout = GetParam().layout;
    std::mt19937 rng(7);
    tabstore::CQoDB generated;
    Generate(layout, generated, rng, GetParam().sizes);
    DocumentValues values;
    values.FavoriteHeader = 0x1234;
    values.SatTrailer1 = 0x11;
    values.SatTrailer2 = 0x22;
    values.SatTrailer3 = 0x33;
    values.SatTrailer4 = 0x44;

    std::vector<std::uint8_t> image = NoiseImage(layout, rng);
    std::vector<SMux_Info_Tag> muxes;
    if (layout.product.TransponderBlockHoldsMultiplexes())
        muxes = WriteTerrestrialBlock(layout, image, rng);
    const std::vector<std::uint8_t> noise = image;
    ASSERT_TRUE(EncodeImage(image, layout, generated, values).ok());
    ASSERT_EQ(image.size(), noise.size()) << "the image must not grow";

    tabstore::CQoDB loaded;
    DocumentValues loadedValues;
    ASSERT_TRUE(DecodeImage(image, layout, loaded, loadedValues).ok());
    EXPECT_EQ(loadedValues.FavoriteHeader, 0x1234);
    if (layout.product.Satellite() && !layout.product.CombinedBlock()) {
        EXPECT_EQ(loadedValues.SatTrailer1, 0x11u);
        EXPECT_EQ(loadedValues.SatTrailer4, 0x44u);
    }
    if (layout.product.CombinedBlock()) {
        EXPECT_EQ(loadedValues.SatTrailer3, 0x33u);
    }

    for (std::uint8_t table : {kSatelliteTable, kCableMuxTable, kProviderTable, kTransponderTable,
                               kChannelTable, kFavoriteTable})
        EXPECT_EQ(loaded.Size(table), generated.Size(table)) << "table " << int{table};
    EXPECT_EQ(loaded.Size(kTerrestrialMuxTable), muxes.size());

    const auto want = Rows<Channel_Info_Tag>(generated, kChannelTable);
    const auto got = Rows<Channel_Info_Tag>(loaded, kChannelTable);
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = 0; i < got.size(); ++i) {
        EXPECT_STREQ(got[i].Name, want[i].Name) << "channel " << i;
        EXPECT_EQ(got[i].ServiceID, want[i].ServiceID) << "channel " << i;
        EXPECT_EQ(got[i].ProgramNum, want[i].ProgramNum) << "channel " << i;
        EXPECT_EQ(got[i].Attributes, want[i].Attributes) << "channel " << i;
    }

    std::vector<std::uint8_t> again = image;
    ASSERT_TRUE(EncodeImage(again, layout, loaded, loadedValues).ok());
    ASSERT_EQ(again.size(), image.size());
    const auto diff = std::mismatch(again.begin(), again.end(), image.begin()).first;
    EXPECT_EQ(diff, again.end()) << "first differing byte at image offset " << diff - again.begin();

    tabstore::CQoDB reloaded;
    DocumentValues reloadedValues;
    ASSERT_TRUE(DecodeImage(again, layout, reloaded, reloadedValues).ok());
    EXPECT_EQ(Snapshot(reloaded), Snapshot(loaded));
}

/// Byte ranges a layout's blocks cover (nominal sizes; overlaps do not matter here).
std::vector<std::pair<std::uint64_t, std::uint64_t>> BlockRanges(const FlashLayout& l) {
    const auto range = [&](const BlockSpan& b) {
        return std::pair<std::uint64_t, std::uint64_t>(b.start, b.start + std::uint64_t{b.count} *
                                                                              l.sectorSize);
    };
    std::vector<std::pair<std::uint64_t, std::uint64_t>> out = {range(l.mmi)};
    if (l.product.CombinedBlock()) {
        out.emplace_back(l.tp.start, l.ImageSize());
        return out;
    }
    if (l.product.Satellite())
        out.push_back(range(l.sat));
    out.push_back(range(l.brd));
    out.push_back(range(l.tp));
    out.push_back(range(l.ch));
    return out;
}

TEST_P(RoundTrip, BytesNoTableOwnsKeepTheirNoise) {
    const FlashLayout& layout = GetParam().layout;
    std::mt19937 rng(11);
    tabstore::CQoDB db;
    Generate(layout, db, rng, GetParam().sizes);
    std::vector<std::uint8_t> image = NoiseImage(layout, rng);
    const std::vector<std::uint8_t> before = image;
    ASSERT_TRUE(EncodeImage(image, layout, db, DocumentValues{}).ok());

    const auto ranges = BlockRanges(layout);
    std::size_t outside = 0, changedOutside = 0;
    for (std::size_t i = 0; i < image.size(); ++i) {
        const bool inBlock = std::any_of(ranges.begin(), ranges.end(),
                                         [i](auto r) { return i >= r.first && i < r.second; });
        if (inBlock)
            continue;
        ++outside;
        changedOutside += image[i] != before[i];
    }
    EXPECT_EQ(changedOutside, 0u) << "of " << outside << " bytes outside the blocks";

    // Lists 7 to 10 write only the head of their MMI sector; the rest stays as it was.
    const bool shortMMI = layout.product.ShortLastFavoriteSector();
    std::size_t kept = 0;
    for (std::size_t i = 170; i < layout.sectorSize - 4; ++i)
        kept += image[i] == before[i];
    if (shortMMI) {
        EXPECT_EQ(kept, layout.sectorSize - 4 - 170);
    } else {
        EXPECT_LT(kept, 64u) << "the whole MMI sector is rewritten";
    }
}

INSTANTIATE_TEST_SUITE_P(EveryLayout, RoundTrip, ::testing::ValuesIn(ContractLayouts()),
                         [](const auto& info) { return info.param.name; });

} // namespace
