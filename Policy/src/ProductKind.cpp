#include "policy/ProductKind.h"

#include "policy/Policy.h"

namespace policy {

namespace {

constexpr int kTunerBits =
    kProductSatellite | kProductTerrestrial | kProductCable | kProductTwoTuner;

bool Between(int value, int low, int high) {
    return value >= low && value <= high;
}

} // namespace

ProductKind ProductKind::Current() {
    return {GetProductList(), GetProductType()};
}

bool ProductKind::Satellite() const {
    return (type & kProductSatellite) != 0;
}
bool ProductKind::Terrestrial() const {
    return (type & kProductTerrestrial) != 0;
}
bool ProductKind::Cable() const {
    return (type & kProductCable) != 0;
}
bool ProductKind::TwoTuners() const {
    return (type & kProductTwoTuner) != 0;
}
bool ProductKind::Combination() const {
    return Satellite() && Terrestrial();
}
bool ProductKind::TerrestrialOrCable() const {
    return Terrestrial() || Cable();
}
bool ProductKind::TerrestrialTunerOnly() const {
    return (type & kTunerBits) == kProductTerrestrial;
}
bool ProductKind::CableTunerOnly() const {
    return (type & kTunerBits) == kProductCable;
}

bool ProductKind::TransponderBlockHoldsMultiplexes() const {
    return Terrestrial() && !Satellite();
}
bool ProductKind::CombinedBlock() const {
    return Cable() && list == 10;
}

ChannelSlotLayout ProductKind::ChannelSlots() const {
    if (CombinedBlock())
        return ChannelSlotLayout::D;
    switch (list) {
    case 1:
    case 2:
    case 3:
    case 4:
    case 5:
    case 6:
    case 64:
        return ChannelSlotLayout::A;
    case 7:
    case 8:
        return ChannelSlotLayout::B;
    case 9:
        return ChannelSlotLayout::C;
    default:
        return ChannelSlotLayout::None;
    }
}

bool ProductKind::ChannelPerTuner() const {
    return list == 5 || list == 6;
}
bool ProductKind::StoresChannelTuner(std::uint32_t channelSlotSize,
                                     std::uint32_t nameLength) const {
    // Layout A: the name starts at byte 26; the code table and the tuner follow it.
    constexpr std::uint64_t kTunerAfterName = 28;
    return TwoTuners() && !ChannelPerTuner() && ChannelSlots() == ChannelSlotLayout::A &&
           kTunerAfterName + nameLength < channelSlotSize;
}

bool ProductKind::OneByteChannelCount() const {
    return list == 9;
}

bool ProductKind::OneByteFavoriteMask() const {
    const ChannelSlotLayout slots = ChannelSlots();
    return slots == ChannelSlotLayout::B || slots == ChannelSlotLayout::C ||
           slots == ChannelSlotLayout::D;
}

std::uint32_t ProductKind::ChannelNameBytes(std::uint32_t nameLength) const {
    return OneByteFavoriteMask() && nameLength > 0 ? nameLength - 1 : nameLength;
}

bool ProductKind::ShortLastFavoriteSector() const {
    return Between(list, 7, 10);
}

std::size_t ProductKind::WideFavoriteSlots() const {
    if ((type & kProductFav24) != 0)
        return 24;
    if ((type & kProductFav32) != 0)
        return 32;
    return 0;
}

std::size_t ProductKind::ShortFavoriteSlots() const {
    return (type & kProductFav8) != 0 ? 8 : 0;
}

bool ProductKind::KeepsFavoritePositions() const {
    return (type & (kProductFav8 | kProductFav24 | kProductFav32)) != 0;
}

bool ProductKind::UsesShowNum() const {
    return list == 8;
}
bool ProductKind::ExtendedTransponders() const {
    return list == 7 || list == 8;
}
bool ProductKind::VoltageBandSwitch() const {
    return list == 7 || list == 8;
}
bool ProductKind::SeparateCableInversion() const {
    return list == 10;
}
bool ProductKind::St7100Platform() const {
    return Between(list, 7, 10);
}

} // namespace policy
