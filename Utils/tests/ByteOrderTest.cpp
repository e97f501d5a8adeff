#include "utils/ByteOrder.h"

#include <gtest/gtest.h>

#include <cstdint>

TEST(ByteOrder, ReadsBothOrders) {
    EXPECT_EQ(ReadWORDFromBytes(0x12, 0x34, 1), 0x1234);
    EXPECT_EQ(ReadWORDFromBytes(0x12, 0x34, 0), 0x3412);
    EXPECT_EQ(ReadDWORDFromBytes(0x12, 0x34, 0x56, 0x78, 1), 0x12345678u);
    EXPECT_EQ(ReadDWORDFromBytes(0x12, 0x34, 0x56, 0x78, 0), 0x78563412u);
    EXPECT_EQ(ReadDWORDFromBytes(0xFF, 0x00, 0x00, 0x80, 1), 0xFF000080u); // no sign spill
    // The word pair reads its flag in the opposite sense.
    EXPECT_EQ(ReadDWORDFromWORD(0x1234, 0x5678, 1), 0x56781234u);
    EXPECT_EQ(ReadDWORDFromWORD(0x1234, 0x5678, 0), 0x12345678u);
}

TEST(ByteOrder, AnyNonZeroFlagIsBigEndian) {
    for (std::uint8_t flag : {1, 2, 0x80, 0xFF}) {
        SCOPED_TRACE(static_cast<int>(flag));
        EXPECT_EQ(ReadWORDFromBytes(0xAB, 0xCD, flag), 0xABCD);
        std::uint8_t b[4] = {};
        MakeBytesFromDWORD(&b[0], &b[1], &b[2], &b[3], 0x01020304u, flag);
        EXPECT_EQ(b[0], 0x01);
        EXPECT_EQ(b[3], 0x04);
    }
}

TEST(ByteOrder, WriteLaysOutBytesInMemoryOrder) {
    std::uint8_t w[2];
    MakeBytesFromWORD(&w[0], &w[1], 0x1234, 0);
    EXPECT_EQ(w[0], 0x34);
    EXPECT_EQ(w[1], 0x12);
    std::uint8_t d[4];
    MakeBytesFromDWORD(&d[0], &d[1], &d[2], &d[3], 0x80000001u, 0);
    EXPECT_EQ(d[0], 0x01);
    EXPECT_EQ(d[3], 0x80);
    utils::WriteU32(d, 0x12345678u, false);
    EXPECT_EQ(d[0], 0x78);
    EXPECT_EQ(d[3], 0x12);
    EXPECT_EQ(utils::ReadU32(d, false), 0x12345678u);
    utils::WriteU16(d, 0xBEEF, true);
    EXPECT_EQ(d[0], 0xBE);
    EXPECT_EQ(utils::ReadU16(d, true), 0xBEEF);
}
