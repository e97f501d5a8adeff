#include "chanforge/codec/TransponderMux.h"

#include <cstring>

namespace chanforge::codec {

TransponderMux ReadTransponderMux(const Transponder_Info_Tag& tp) {
    TransponderMux mux;
    std::uint16_t words[2] = {tp.Frequency, tp.SymbolRate};
    std::memcpy(&mux.MuxParams, words, sizeof mux.MuxParams);
    mux.Word1 = tp.TSID;
    std::uint8_t drift[2];
    std::memcpy(drift, &tp.Drift, sizeof drift);
    mux.Byte6 = drift[0];
    mux.MuxNameIndex = drift[1];
    mux.Byte12 = tp.PolFEC;
    mux.Byte13 = tp.Signal;
    mux.SatID = tp.SatID;
    mux.TPID = tp.TPID;
    return mux;
}

void WriteTransponderMux(const TransponderMux& mux, Transponder_Info_Tag& tp) {
    std::uint16_t words[2];
    std::memcpy(words, &mux.MuxParams, sizeof words);
    tp.Frequency = words[0];
    tp.SymbolRate = words[1];
    tp.TSID = mux.Word1;
    const std::uint8_t drift[2] = {mux.Byte6, mux.MuxNameIndex};
    std::memcpy(&tp.Drift, drift, sizeof drift);
    tp.PolFEC = mux.Byte12;
    tp.Signal = mux.Byte13;
    tp.SatID = mux.SatID;
    tp.TPID = mux.TPID;
}

std::uint32_t UnpackMuxParams(const std::uint8_t b[4], bool bigEndian) {
    if (!bigEndian)
        return std::uint32_t{b[0]} | std::uint32_t{b[1]} << 8 | std::uint32_t{b[2]} << 16 |
               std::uint32_t{b[3] & 0x3Fu} << 24;
    // Big-endian receivers pack each field from the most significant bit of its byte.
    std::uint32_t v = 0;
    v |= std::uint32_t{(b[0] >> 7) & 0x1u};
    v |= std::uint32_t{(b[0] >> 5) & 0x3u} << 1;
    v |= std::uint32_t{(b[0] >> 2) & 0x7u} << 3;
    v |= std::uint32_t{b[0] & 0x3u} << 6;
    v |= std::uint32_t{(b[1] >> 5) & 0x7u} << 8;
    v |= std::uint32_t{b[1] & 0x1Fu} << 11;
    v |= std::uint32_t{(b[2] >> 6) & 0x3u} << 16;
    v |= std::uint32_t{b[2] & 0x3Fu} << 18;
    v |= std::uint32_t{(b[3] >> 2) & 0x3Fu} << 24;
    return v;
}

void PackMuxParams(std::uint32_t p, bool bigEndian, std::uint8_t b[4]) {
    if (!bigEndian) {
        b[0] = static_cast<std::uint8_t>(p);
        b[1] = static_cast<std::uint8_t>(p >> 8);
        b[2] = static_cast<std::uint8_t>(p >> 16);
        b[3] = static_cast<std::uint8_t>((p >> 24) & 0x3F);
        return;
    }
    b[0] = static_cast<std::uint8_t>((p & 0x1) << 7 | ((p >> 1) & 0x3) << 5 |
                                     ((p >> 3) & 0x7) << 2 | ((p >> 6) & 0x3));
    b[1] = static_cast<std::uint8_t>(((p >> 8) & 0x7) << 5 | ((p >> 11) & 0x1F));
    b[2] = static_cast<std::uint8_t>(((p >> 16) & 0x3) << 6 | ((p >> 18) & 0x3F));
    b[3] = static_cast<std::uint8_t>(((p >> 24) & 0x3F) << 2);
}

} // namespace chanforge::codec
