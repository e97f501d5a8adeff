#include "utils/Names.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string CAS(std::uint32_t mask, const char* separator = ", ") {
    char buffer[1024] = "";
    GetCASName(mask, separator, buffer);
    return buffer;
}

std::string FEC(std::uint8_t system, std::uint8_t modulation, std::uint8_t code) {
    char buffer[kNameBufferSize] = "";
    GetFECName(system, modulation, code, buffer);
    return buffer;
}

std::string Genre(std::uint16_t genre) {
    char buffer[kNameBufferSize];
    GetGenreName(genre, buffer);
    return buffer;
}

std::string Tuner(std::uint8_t tuner) {
    char buffer[kNameBufferSize];
    GetTunerName(tuner, buffer);
    return buffer;
}

} // namespace

TEST(CASName, ListsSetBitsLowestFirst) {
    EXPECT_EQ(CAS(0x22), "MediaGuard, Viaccess");
    EXPECT_EQ(CAS(0), "None");
    EXPECT_EQ(CAS(0x04000000), "None"); // bit 26 has no name
    EXPECT_EQ(CAS(0x1 | 0x02000000, "/"), "Standardized systems/SkyCrypt");
    EXPECT_EQ(CAS(0xFFFFFFFF).size(), CAS(0x03FFFFFF).size()); // bits 26-31 add nothing
}

TEST(CASName, AppendsToWhatTheBufferHolds) {
    char buffer[1024] = "CA: ";
    GetCASName(0x800, ", ", buffer);
    EXPECT_STREQ(buffer, "CA: Conax");
}

TEST(FECName, ColumnsBySystemAndModulation) {
    struct Row {
        std::uint8_t system, modulation, code;
        const char* name;
    };
    for (const Row& r : {Row{0, 0, 0x10, "1/2"}, Row{0, 0, 0x30, "Auto"}, Row{0, 0, 0x40, "3/4"},
                         Row{0, 0, 0x80, "5/6"}, Row{0, 0, 0xF0, "7/8"}, Row{0, 5, 0x20, "2/3"},
                         Row{1, 0, 0x20, "3/5"}, Row{1, 0, 0x80, "9/10"}, Row{1, 0, 0xF0, "Auto"},
                         Row{1, 1, 0x10, "3/5"}, Row{2, 9, 0x60, "9/10"}, Row{1, 1, 0x70, "Auto"},
                         Row{0, 0, 0x00, "Auto"}, Row{1, 1, 0x90, "Auto"}}) {
        SCOPED_TRACE(testing::Message()
                     << int(r.system) << "/" << int(r.modulation) << "/" << int(r.code));
        EXPECT_EQ(FEC(r.system, r.modulation, r.code), r.name);
    }
}

TEST(GenreAndTunerNames, KnownAndUnknownCodes) {
    // The edges of each table: the last named code, the first beyond it.
    EXPECT_EQ(Genre(15), "Documentary");
    EXPECT_EQ(Genre(16), "None");
    EXPECT_EQ(Genre(0xFFFF), "None");
    EXPECT_EQ(Tuner(1), "Tuner 2");
    EXPECT_EQ(Tuner(2), "Unknown Tuner");
    EXPECT_EQ(Tuner(19), "Cable");
    EXPECT_EQ(Tuner(255), "Unknown Tuner");
}
