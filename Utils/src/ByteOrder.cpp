#include "utils/ByteOrder.h"

extern "C" {

std::uint16_t ReadWORDFromBytes(std::uint8_t first, std::uint8_t second, std::uint8_t bigEndian) {
    return bigEndian ? static_cast<std::uint16_t>(first << 8 | second)
                     : static_cast<std::uint16_t>(second << 8 | first);
}

std::uint32_t ReadDWORDFromBytes(std::uint8_t b0, std::uint8_t b1, std::uint8_t b2, std::uint8_t b3,
                                 std::uint8_t bigEndian) {
    if (!bigEndian) return ReadDWORDFromBytes(b3, b2, b1, b0, 1);
    return std::uint32_t{b0} << 24 | std::uint32_t{b1} << 16 | std::uint32_t{b2} << 8 | b3;
}

std::uint32_t ReadDWORDFromWORD(std::uint16_t first, std::uint16_t second, std::uint8_t bigEndian) {
    return bigEndian ? std::uint32_t{second} << 16 | first : std::uint32_t{first} << 16 | second;
}

void MakeBytesFromWORD(std::uint8_t* b0, std::uint8_t* b1, std::uint16_t value,
                       std::uint8_t bigEndian) {
    const auto high = static_cast<std::uint8_t>(value >> 8);
    const auto low = static_cast<std::uint8_t>(value);
    *b0 = bigEndian ? high : low;
    *b1 = bigEndian ? low : high;
}

void MakeBytesFromDWORD(std::uint8_t* b0, std::uint8_t* b1, std::uint8_t* b2, std::uint8_t* b3,
                        std::uint32_t value, std::uint8_t bigEndian) {
    std::uint8_t* const order[4] = {b0, b1, b2, b3};
    for (int i = 0; i < 4; ++i) {
        const int shift = bigEndian ? 24 - 8 * i : 8 * i;
        *order[i] = static_cast<std::uint8_t>(value >> shift);
    }
}

} // extern "C"
