// The two policy values the editing operations depend on, passed in explicitly so that the
// operations stay pure functions of (store, arguments) and can be tested without settings.
#pragma once

namespace chanforge::editing {

struct Product {
    int list = 0; ///< product list (model number)
    int type = 0; ///< product type bits (kProductSatellite ...)

    bool Satellite() const { return (type & 1) != 0; }
    bool Terrestrial() const { return (type & 2) != 0; }
    bool Cable() const { return (type & 4) != 0; }
    bool Combination() const { return (type & 3) == 3; }
    /// Only terrestrial products name multiplexes by TPID; satellite ones use table 4.
    bool TerrestrialOnly() const { return !Combination() && (type & 0xF) == 2; }
    bool CableOnly() const { return !Combination() && (type & 0xF) == 4; }
    /// Favourite positions are kept only on products with 8, 24 or 32 favourite slots.
    bool KeepsFavoritePositions() const { return (type & 0x70) != 0; }
    /// Product list 8 shows and moves the receiver's own channel number.
    bool UsesShowNum() const { return list == 8; }
    /// Product lists 7 and 8 give transponders a transmission system, modulation and pilot
    /// (DVB-S2) and so a code-rate list per system and modulation.
    bool ExtendedTransponders() const { return list == 7 || list == 8; }
    /// Product lists 7 and 8 can switch the C/Ku band by LNB voltage ("0V / 12V").
    bool VoltageBandSwitch() const { return list == 7 || list == 8; }
    /// Product list 10 keeps the cable constellation and the spectrum inversion in fields of
    /// their own; the others pack both into Modulation (constellation << 2 | inversion).
    bool SeparateCableInversion() const { return list == 10; }
    /// Satellites carry a second LNB block for the second tuner.
    bool TwoTuners() const { return (type & 8) != 0; }
};

/// Reads the product list and type from the stored policy.
Product CurrentProduct();

} // namespace chanforge::editing
