#include "chanforge/xls/CodePage.h"

#include "utils/Registry.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

namespace chanforge::xls {
namespace {

struct Mapping {
    unsigned char byte;
    char16_t unit;
};

TEST(CodePage, Windows1252MapsTheHighHalfLikeWindows) {
    const CodePage page = *CodePage::ForNumber(1252);
    const Mapping table[] = {{'A', u'A'},    {0x80, 0x20AC}, {0x81, 0x0081},
                             {0x8A, 0x0160}, {0x9F, 0x0178}, {0xA0, 0x00A0},
                             {0xE9, 0x00E9}, {0xFF, 0x00FF}, {0x9D, 0x009D}};
    for (const Mapping& m : table) {
        const std::string byte(1, static_cast<char>(m.byte));
        EXPECT_EQ(page.Decode(byte), std::u16string(1, m.unit)) << int(m.byte);
        EXPECT_EQ(page.Encode(std::u16string(1, m.unit)), byte) << int(m.byte);
    }
}

TEST(CodePage, EveryByteSurvivesARoundTrip) {
    for (std::uint32_t number : {1252u, 1250u, 1251u, 1253u, 1257u}) {
        const auto page = CodePage::ForNumber(number);
        ASSERT_TRUE(page) << number;
        std::string all;
        for (int b = 1; b < 256; ++b)
            all.push_back(static_cast<char>(b));
        EXPECT_EQ(page->Encode(page->Decode(all)), all) << number;
    }
}

// Other code pages come from the system's converters (1253 read and written: the workbook test
// of sheets without the names mark).
TEST(CodePage, OnlySingleByteCodePagesAreTaken) {
    EXPECT_FALSE(CodePage::ForNumber(932)) << "multi-byte code pages are refused";
    EXPECT_FALSE(CodePage::ForNumber(0));
    EXPECT_FALSE(CodePage::ForNumber(987654));
}

TEST(CodePage, NulEndsAndUnmappableBecomesQuestionMark) {
    const CodePage page = *CodePage::ForNumber(1252);
    EXPECT_EQ(page.Decode(std::string("ab\0cd", 5)), u"ab");
    EXPECT_EQ(page.Encode(std::u16string(u"ab\0cd", 5)), "ab");
    EXPECT_EQ(page.Encode(u"\u03A9x\U0001F600y"), "?x?y") << "a surrogate pair is one character";
    EXPECT_EQ(page.Encode(u"\xD800"), "?");
}

TEST(CodePage, TheSettingChoosesTheCodePage) {
    test::TempDir dir;
    utils::SetSettingsPath(dir.File("settings.ini"));
    EXPECT_EQ(WorkbookCodePage().Number(), 1252u);
    std::uint32_t stored = 0;
    ASSERT_EQ(GetRegistry(kChanforgeKey, kCodePageSetting, &stored, 0), 1);
    EXPECT_EQ(stored, 1252u) << "the default is written on first use";
    SetRegistry(kChanforgeKey, kCodePageSetting, 1251);
    EXPECT_EQ(WorkbookCodePage().Number(), 1251u);
    SetRegistry(kChanforgeKey, kCodePageSetting, 932);
    EXPECT_EQ(WorkbookCodePage().Number(), 1252u);
    utils::SetSettingsPath("");
}

} // namespace
} // namespace chanforge::xls
