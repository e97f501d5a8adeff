#include "utils/ByteOrder.h"

extern "C" {

std::uint16_t ReadWORDFromBytes(std::uint8_t first, std::uint8_t second, std::uint8_t bigEndian) {
    const std::uint8_t bytes[2] = {first, second};
    return utils::ReadU16(bytes, bigEndian != 0);
}

std::uint32_t ReadDWORDFromBytes(std::uint8_t b0, std::uint8_t b1, std::uint8_t b2, std::uint8_t b3,
                                 std::uint8_t bigEndian) {
    const std::uint8_t bytes[4] = {b0, b1, b2, b3};
    return utils::ReadU32(bytes, bigEndian != 0);
}

std::uint32_t ReadDWORDFromWORD(std::uint16_t first, std::uint16_t second, std::uint8_t bigEndian) {
    return bigEndian ? std::uint32_t{second} << 16 | first : std::uint32_t{first} << 16 | second;
}

void MakeBytesFromWORD(std::uint8_t* b0, std::uint8_t* b1, std::uint16_t value,
                       std::uint8_t bigEndian) {
    std::uint8_t bytes[2];
    utils::WriteU16(bytes, value, bigEndian != 0);
    *b0 = bytes[0];
    *b1 = bytes[1];
}

void MakeBytesFromDWORD(std::uint8_t* b0, std::uint8_t* b1, std::uint8_t* b2, std::uint8_t* b3,
                        std::uint32_t value, std::uint8_t bigEndian) {
    std::uint8_t bytes[4];
    utils::WriteU32(bytes, value, bigEndian != 0);
    *b0 = bytes[0];
    *b1 = bytes[1];
    *b2 = bytes[2];
    *b3 = bytes[3];
}

} // extern "C"
