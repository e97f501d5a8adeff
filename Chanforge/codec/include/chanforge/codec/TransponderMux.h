// A terrestrial multiplex kept in the transponder table (products with a terrestrial tuner,
// SatID 1): its fields occupy the places of the transponder's fields in the row buffer.
#pragma once

#include "chanforge/Records.h"
#include "policy/ProductKind.h"

#include <cstdint>

namespace chanforge::codec {

struct TransponderMux {
    std::uint32_t MuxParams = 0;   ///< in place of Frequency and SymbolRate
    std::uint16_t Word1 = 0;       ///< in place of TSID
    std::uint8_t Byte6 = 0;        ///< first byte of the Drift place (slot byte 6)
    std::uint8_t MuxNameIndex = 0; ///< second byte of the Drift place
    std::uint8_t Byte12 = 0;       ///< in place of PolFEC
    std::uint8_t Byte13 = 0;       ///< in place of Signal
    std::uint8_t SatID = 1;
    std::uint8_t TPID = 0;
};

/// True when a transponder row holds a multiplex on this product.
inline bool HoldsMux(const Transponder_Info_Tag& tp, const policy::ProductKind& product) {
    return product.Terrestrial() && tp.SatID == 1;
}

TransponderMux ReadTransponderMux(const Transponder_Info_Tag& tp);
/// Stores the multiplex in the row's transponder fields; the list 7/8 extension is left alone.
void WriteTransponderMux(const TransponderMux& mux, Transponder_Info_Tag& tp);

/// MuxParams from the four image bytes in the image byte order, and back (exact inverses for
/// the 30 bits a multiplex uses).
std::uint32_t UnpackMuxParams(const std::uint8_t b[4], bool bigEndian);
void PackMuxParams(std::uint32_t params, bool bigEndian, std::uint8_t b[4]);

} // namespace chanforge::codec
