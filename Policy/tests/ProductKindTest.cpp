#include "policy/ProductKind.h"

#include <gtest/gtest.h>

namespace {

using policy::ChannelSlotLayout;
using policy::ProductKind;

// The questions whose answers combine several bits or lists, per kind of model.
struct Row {
    const char* name;
    ProductKind kind;
    bool combination, terrestrialTunerOnly, cableTunerOnly, holdsMultiplexes, combinedBlock;
    ChannelSlotLayout slots;
};

const Row kRows[] = {
    {"satellite, two tuners", {3, 9}, false, false, false, false, false, ChannelSlotLayout::A},
    {"combination", {4, 11}, true, false, false, false, false, ChannelSlotLayout::A},
    {"terrestrial", {4, 2}, false, true, false, true, false, ChannelSlotLayout::A},
    // Terrestrial and cable: the flash layout takes multiplex sectors, the views are not
    // terrestrial-only.
    {"terrestrial and cable", {4, 6}, false, false, false, true, false, ChannelSlotLayout::A},
    {"cable", {6, 4}, false, false, true, false, false, ChannelSlotLayout::A},
    {"cable on list 10", {10, 5}, false, false, false, false, true, ChannelSlotLayout::D},
    {"list 10 without cable", {10, 1}, false, false, false, false, false, ChannelSlotLayout::None},
    {"list 8", {8, 3}, true, false, false, false, false, ChannelSlotLayout::B},
    {"list 9", {9, 17}, false, false, false, false, false, ChannelSlotLayout::C},
};

TEST(ProductKindTest, CombinedQuestionsPerModel) {
    for (const Row& r : kRows) {
        EXPECT_EQ(r.kind.Combination(), r.combination) << r.name;
        EXPECT_EQ(r.kind.TerrestrialTunerOnly(), r.terrestrialTunerOnly) << r.name;
        EXPECT_EQ(r.kind.CableTunerOnly(), r.cableTunerOnly) << r.name;
        EXPECT_EQ(r.kind.TransponderBlockHoldsMultiplexes(), r.holdsMultiplexes) << r.name;
        EXPECT_EQ(r.kind.CombinedBlock(), r.combinedBlock) << r.name;
        EXPECT_EQ(r.kind.ChannelSlots(), r.slots) << r.name;
    }
}

TEST(ProductKindTest, FavouriteSlotsFollowTheFirstWideBit) {
    EXPECT_EQ((ProductKind{3, 1 | 32 | 64}.WideFavoriteSlots()), 24u);
    EXPECT_EQ((ProductKind{3, 1 | 64}.WideFavoriteSlots()), 32u);
    EXPECT_EQ((ProductKind{7, 1 | 16}.ShortFavoriteSlots()), 8u);
    EXPECT_FALSE((ProductKind{7, 1 | 8}.KeepsFavoritePositions()));
    EXPECT_EQ((ProductKind{10, 5}.OneByteFavoriteMask()), true);
    EXPECT_EQ((ProductKind{6, 5}.OneByteFavoriteMask()), false);
}

} // namespace
