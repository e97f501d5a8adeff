#include "utils/Strings.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Apply(void (*fn)(char*), std::string text) {
    text.resize(text.size() * 2 + 4, '\0'); // room for commas
    fn(text.data());
    return std::string(text.c_str());
}

} // namespace

// The trim and split helpers are the utilities' published interface, whoever calls them.
TEST(TrimAndSplit, KeepInteriorTextAndRefuseWithoutTouchingResults) {
    EXPECT_EQ(Apply(LeftTrimString, "\t\r\n a b "), "a b ");
    EXPECT_EQ(Apply(TrimString, "\t\r\n"), "");
    LeftTrimString(nullptr);
    RightTrimString(nullptr);
    std::string left = "L", right = "R";
    for (const char* source : {"=value", "no delimiter", "", "   =x"})
        EXPECT_FALSE(SplitString(source, "=", &left, &right)) << source;
    EXPECT_EQ(left + right, "LR");
    EXPECT_TRUE(SplitString("  a = b=c  ", "=", &left, &right));
    EXPECT_EQ(left + "|" + right, "a|b=c");
    std::vector<std::string> tokens{"stale"};
    char mixed[] = ";a b;;c ";
    EXPECT_EQ(SplitAllString(mixed, "; ", &tokens), 3);
    EXPECT_EQ(tokens, (std::vector<std::string>{"a", "b", "c"}));
}

TEST(MakeCommaDigitString, GroupsEachRunByThrees) {
    struct Case {
        const char* in;
        const char* out;
    };
    for (const Case& c :
         {Case{"123", "123"}, Case{"1000", "1,000"}, Case{"100000", "100,000"},
          Case{"1234567", "1,234,567"}, Case{"12000/27500", "12,000/27,500"}, Case{"", ""},
          Case{"7", "7"}, Case{"-123", "-,123"}, Case{"11750 27500", "11,750 27,500"},
          Case{"1234567890", "1,234,567,890"}}) {
        SCOPED_TRACE(c.in);
        EXPECT_EQ(Apply(MakeCommaDigitString, c.in), c.out);
    }
}

TEST(Latin1ToUtf8, EveryByteBecomesItsCharacter) {
    EXPECT_EQ(Latin1ToUtf8("ZDF"), "ZDF");
    EXPECT_EQ(Latin1ToUtf8("M\xFCnchen \x86\x7F\xFF"), "M\xC3\xBCnchen \xC2\x86\x7F\xC3\xBF");
    EXPECT_EQ(Latin1ToUtf8(std::string_view("a\0b", 3)), std::string("a\0b", 3));
}
