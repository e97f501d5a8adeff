// What a receiver model can do, asked by name. The product list (model number) and the product
// type bits are read nowhere else: every library asks its question here.
#pragma once

#include <cstddef>
#include <cstdint>

namespace policy {

/// How a model's channel slots look in the flash image.
enum class ChannelSlotLayout {
    None, ///< a list the codec does not know
    A,    ///< lists 1 to 6 and 64
    B,    ///< lists 7 and 8
    C,    ///< list 9
    D,    ///< the combined block of list 10 with cable
};

struct ProductKind {
    int list = 0; ///< product list (model number)
    int type = 0; ///< product type bits

    /// The product stored in the settings now.
    static ProductKind Current();

    // Tuners.
    bool Satellite() const;
    bool Terrestrial() const;
    bool Cable() const;
    /// Satellites carry a second LNB block for the second tuner.
    bool TwoTuners() const;
    /// Satellite and terrestrial tuners: terrestrial multiplexes sit under the stand-in satellite.
    bool Combination() const;
    bool TerrestrialOrCable() const;
    /// The views show multiplexes only: a terrestrial tuner and no other (type 6 is not).
    bool TerrestrialTunerOnly() const;
    /// The views show cable multiplexes only: a cable tuner and no other.
    bool CableTunerOnly() const;

    // Flash layout.
    /// The transponder block holds terrestrial multiplex and provider sectors: terrestrial
    /// without satellite, whatever else (type 6 is, unlike TerrestrialTunerOnly).
    bool TransponderBlockHoldsMultiplexes() const;
    /// List 10 with cable: one block of cable multiplex, provider and channel slots.
    bool CombinedBlock() const;
    ChannelSlotLayout ChannelSlots() const;
    /// Lists 5 and 6 store every channel once per tuner.
    bool ChannelPerTuner() const;
    /// A channel's own tuner choice survives a save: two tuners, layout A, each channel stored
    /// once, and slots long enough to reach the tuner byte after the name (44-byte slots with a
    /// 16-byte name end before it).
    bool StoresChannelTuner(std::uint32_t channelSlotSize, std::uint32_t nameLength) const;
    /// List 9 counts a channel sector's slots in one byte.
    bool OneByteChannelCount() const;
    /// Layouts B, C and D keep favourite membership in one byte (so at most 8 groups).
    bool OneByteFavoriteMask() const;
    /// Name bytes a channel slot keeps of its "Flash CH Name Length": all of them in layout A,
    /// one fewer where the slot keeps the field's last byte for the terminator (B, C, D).
    std::uint32_t ChannelNameBytes(std::uint32_t nameLength) const;
    /// Lists 7 to 10 keep only the head of their last favourite sector.
    bool ShortLastFavoriteSector() const;
    /// Favourite positions in a layout A channel slot: 24, 32 or none.
    std::size_t WideFavoriteSlots() const;
    /// Favourite positions in the slots of lists 7, 8 and 9: 8 or none.
    std::size_t ShortFavoriteSlots() const;
    /// Favourite positions are kept only on products with 8, 24 or 32 favourite slots.
    bool KeepsFavoritePositions() const;
    /// List 8 shows and moves the receiver's own channel number.
    bool UsesShowNum() const;
    /// Lists 7 and 8 give transponders a transmission system, modulation and pilot (DVB-S2),
    /// and so a code-rate list per system and modulation.
    bool ExtendedTransponders() const;
    /// Lists 7 and 8 can switch the C/Ku band by LNB voltage ("0V / 12V").
    bool VoltageBandSwitch() const;
    /// List 10 keeps the cable constellation and the spectrum inversion in fields of their own;
    /// the others pack both into Modulation (constellation << 2 | inversion).
    bool SeparateCableInversion() const;

    // Transfer.
    /// Lists 7 to 10 are receivers of the ST7100 platform, with their own protocol and dialog.
    bool St7100Platform() const;
};

} // namespace policy
