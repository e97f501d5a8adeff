// Conversions between host integers and the receiver's flash byte layout.
// The flag is one byte: non-zero = big-endian (first byte most significant), zero = little-endian.
#pragma once

#include <cstdint>

extern "C" {
std::uint16_t ReadWORDFromBytes(std::uint8_t first, std::uint8_t second, std::uint8_t bigEndian);
std::uint32_t ReadDWORDFromBytes(std::uint8_t b0, std::uint8_t b1, std::uint8_t b2, std::uint8_t b3,
                                 std::uint8_t bigEndian);
/// Flag set: the second word is the high half (the opposite sense of ReadDWORDFromBytes).
std::uint32_t ReadDWORDFromWORD(std::uint16_t first, std::uint16_t second, std::uint8_t bigEndian);
void MakeBytesFromWORD(std::uint8_t* b0, std::uint8_t* b1, std::uint16_t value,
                       std::uint8_t bigEndian);
void MakeBytesFromDWORD(std::uint8_t* b0, std::uint8_t* b1, std::uint8_t* b2, std::uint8_t* b3,
                        std::uint32_t value, std::uint8_t bigEndian);
}

namespace utils {
// Inline so that codecs converting every field of an image pay no call per field; the exported
// functions above are defined with these.

/// Reads a 16-bit field at p in the image byte order.
inline std::uint16_t ReadU16(const std::uint8_t* p, bool bigEndian) {
    return bigEndian ? static_cast<std::uint16_t>(p[0] << 8 | p[1])
                     : static_cast<std::uint16_t>(p[1] << 8 | p[0]);
}
/// Reads a 32-bit field at p in the image byte order.
inline std::uint32_t ReadU32(const std::uint8_t* p, bool bigEndian) {
    const std::uint32_t b0 = p[0], b1 = p[1], b2 = p[2], b3 = p[3];
    return bigEndian ? b0 << 24 | b1 << 16 | b2 << 8 | b3 : b3 << 24 | b2 << 16 | b1 << 8 | b0;
}
inline void WriteU16(std::uint8_t* p, std::uint16_t v, bool bigEndian) {
    p[bigEndian ? 0 : 1] = static_cast<std::uint8_t>(v >> 8);
    p[bigEndian ? 1 : 0] = static_cast<std::uint8_t>(v);
}
inline void WriteU32(std::uint8_t* p, std::uint32_t v, bool bigEndian) {
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<std::uint8_t>(v >> (bigEndian ? 24 - 8 * i : 8 * i));
}
} // namespace utils
