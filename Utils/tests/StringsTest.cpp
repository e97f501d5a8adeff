#include "utils/Strings.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

std::string Apply(void (*fn)(char*), std::string text) {
    text.resize(text.size() * 2 + 4, '\0'); // room for commas
    fn(text.data());
    return std::string(text.c_str());
}

} // namespace

TEST(Trim, LeftKeepsInteriorAndTrailingBlanks) {
    EXPECT_EQ(Apply(LeftTrimString, "  a b "), "a b ");
    EXPECT_EQ(Apply(LeftTrimString, "\t\r\nx"), "x");
    EXPECT_EQ(Apply(RightTrimString, "  a b \r\n"), "  a b");
    EXPECT_EQ(Apply(TrimString, "\t\r\n"), "");
    EXPECT_EQ(Apply(TrimString, " \tkey = value\n"), "key = value");
    EXPECT_EQ(Apply(RightTrimString, ""), "");
    LeftTrimString(nullptr);
    RightTrimString(nullptr);
}

TEST(SplitString, SplitsAtTheFirstDelimiter) {
    std::string left = "untouched", right = "untouched";
    EXPECT_TRUE(SplitString("  key = value  ", "=", &left, &right));
    EXPECT_EQ(left, "key");
    EXPECT_EQ(right, "value");
    EXPECT_TRUE(SplitString("a=b=c", "=", &left, &right));
    EXPECT_EQ(left, "a");
    EXPECT_EQ(right, "b=c");
    EXPECT_TRUE(SplitString("name::x", "::", &left, &right));
    EXPECT_EQ(right, "x");
}

TEST(SplitString, RefusesWithoutTouchingResults) {
    for (const char* source : {"=value", "no delimiter", "", "   =x"}) {
        SCOPED_TRACE(source);
        std::string left = "L", right = "R";
        EXPECT_FALSE(SplitString(source, "=", &left, &right));
        EXPECT_EQ(left, "L");
        EXPECT_EQ(right, "R");
    }
}

TEST(SplitAllString, SkipsEmptyTokens) {
    std::vector<std::string> tokens{"stale"};
    char source[] = "1,,2";
    EXPECT_EQ(SplitAllString(source, ",", &tokens), 2);
    EXPECT_EQ(tokens, (std::vector<std::string>{"1", "2"}));
    char empty[] = "";
    EXPECT_EQ(SplitAllString(empty, ",", &tokens), 0);
    EXPECT_TRUE(tokens.empty());
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
