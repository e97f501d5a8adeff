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
void MakeBytesFromWORD(std::uint8_t* b0, std::uint8_t* b1, std::uint16_t value, std::uint8_t bigEndian);
void MakeBytesFromDWORD(std::uint8_t* b0, std::uint8_t* b1, std::uint8_t* b2, std::uint8_t* b3,
                        std::uint32_t value, std::uint8_t bigEndian);
}

namespace utils {
/// Reads a 16-bit field at p in the image byte order.
inline std::uint16_t ReadU16(const std::uint8_t* p, bool bigEndian) {
    return ReadWORDFromBytes(p[0], p[1], bigEndian);
}
/// Reads a 32-bit field at p in the image byte order.
inline std::uint32_t ReadU32(const std::uint8_t* p, bool bigEndian) {
    return ReadDWORDFromBytes(p[0], p[1], p[2], p[3], bigEndian);
}
inline void WriteU16(std::uint8_t* p, std::uint16_t v, bool bigEndian) {
    MakeBytesFromWORD(p, p + 1, v, bigEndian);
}
inline void WriteU32(std::uint8_t* p, std::uint32_t v, bool bigEndian) {
    MakeBytesFromDWORD(p, p + 1, p + 2, p + 3, v, bigEndian);
}
} // namespace utils
