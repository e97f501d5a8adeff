#include "utils/CodeTable.h"

#include <gtest/gtest.h>

namespace {

using utils::NameFromUtf8;
using utils::NameToUtf8;

TEST(CodeTable, NamesReadAndWriteThroughTheirTable) {
    const struct {
        const char* name;
        std::uint8_t table;
        const char* bytes;
        const char* utf8;
    } cases[] = {
        {"Cyrillic", 1, "\xBF\xD5\xE0\xD2\xEB\xD9 \xDA\xD0\xDD\xD0\xDB",
         "\xD0\x9F\xD0\xB5\xD1\x80\xD0\xB2\xD1\x8B\xD0\xB9 "
         "\xD0\xBA\xD0\xB0\xD0\xBD\xD0\xB0\xD0\xBB"},
        {"Arabic", 2, "\xC7\xE4\xCC\xD2\xEA\xD1\xC9",
         "\xD8\xA7\xD9\x84\xD8\xAC\xD8\xB2\xD9\x8A\xD8\xB1\xD8\xA9"},
        {"Greek", 3, "\xC5\xD1\xD4 \xC5\xEB\xEB\xDC\xE4\xE1",
         "\xCE\x95\xCE\xA1\xCE\xA4 \xCE\x95\xCE\xBB\xCE\xBB\xCE\xAC\xCE\xB4\xCE\xB1"},
        {"Hebrew", 4, "\xF2\xF8\xE5\xF5", "\xD7\xA2\xD7\xA8\xD7\x95\xD7\xA5"},
        {"Turkish", 5, "TRT T\xFCrk \xDE\xF0\xDD\xFD",
         "TRT T\xC3\xBCrk \xC5\x9E\xC4\x9F\xC4\xB0\xC4\xB1"},
        {"Thai", 7, "\xE4\xB7\xC2", "\xE0\xB9\x84\xE0\xB8\x97\xE0\xB8\xA2"},
        {"euro in 8859-15", 11, "\xA4uro", "\xE2\x82\xACuro"},
        {"Latin-1", 0, "M\xFCnchen\xDF", "M\xC3\xBCnchen\xC3\x9F"},
        {"reserved 8 reads Latin-1", 8, "\xDC", "\xC3\x9C"},
        {"unknown 200 reads Latin-1", 200, "\xDC", "\xC3\x9C"},
        {"a byte Arabic has no character for is kept apart", 2, "\xA1", "\xEF\x9E\xA1"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NameToUtf8(c.bytes, c.table), c.utf8) << c.name;
        const utils::EncodedName back = NameFromUtf8(c.utf8, c.table, false);
        EXPECT_TRUE(back.Encoded()) << c.name;
        EXPECT_EQ(back.bytes, c.bytes) << c.name;
    }
}

TEST(CodeTable, EveryByteOfEveryTableComesBack) {
    for (int table = 0; table < 256; ++table)
        for (int b = 1; b < 256; ++b) {
            const std::string byte(1, static_cast<char>(b));
            EXPECT_EQ(NameFromUtf8(NameToUtf8(byte, table), table, false).bytes, byte)
                << "table " << table << " byte " << b;
        }
}

TEST(CodeTable, ACharacterTheTableLacksIsRefusedOrReplaced) {
    const struct {
        const char* name;
        std::uint8_t table;
        const char* utf8;
        char32_t refused;
        const char* replacedBytes;
        std::size_t replaced;
    } cases[] = {
        {"Cyrillic in Latin-1", 0, "A\xD0\x96\xD0\x96", 0x416, "A??", 2},
        {"umlaut in Cyrillic", 1, "\xC3\xBC", 0xFC, "?", 1},
        {"euro in Latin-1", 0, "\xE2\x82\xAC", 0x20AC, "?", 1},
        {"emoji", 3, "\xF0\x9F\x93\xBA", 0x1F4FA, "?", 1},
        {"bytes that are not UTF-8", 1, "a\xFF", 0xFFFD, "a?", 1},
        {"a cut sequence", 1, "\xD0", 0xFFFD, "?", 1},
        {"an overlong slash", 0, "\xC0\xAF", 0xFFFD, "??", 2},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NameFromUtf8(c.utf8, c.table, false).refused, c.refused) << c.name;
        const utils::EncodedName cut = NameFromUtf8(c.utf8, c.table, true);
        EXPECT_TRUE(cut.Encoded()) << c.name;
        EXPECT_EQ(cut.bytes, c.replacedBytes) << c.name;
        EXPECT_EQ(cut.replaced, c.replaced) << c.name;
    }
    EXPECT_EQ(utils::CharacterText(0x416), "\"\xD0\x96\" (U+0416)");
    EXPECT_EQ(utils::CharacterText(0x9), "U+0009");
}

} // namespace
