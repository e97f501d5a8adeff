#include "utils/Phrase.h"

#include <gtest/gtest.h>

namespace {

using utils::FillPlaceholders;
using utils::Phrase;

TEST(FillPlaceholders, OnePassAndOnlyArgumentsThatExist) {
    const struct {
        const char* name;
        const char* pattern;
        std::vector<std::string> args;
        const char* expected;
    } cases[] = {
        {"in order", "%1 of %2", {"a", "b"}, "a of b"},
        {"reordered", "%2 von %1", {"a", "b"}, "b von a"},
        {"repeated", "%1 and %1", {"x"}, "x and x"},
        {"argument holding a placeholder", "%1 %2", {"%2", "y"}, "%2 y"},
        {"missing argument kept", "%1 %3", {"a"}, "a %3"},
        {"percent sign and %0 kept", "100% %0 %", {"a"}, "100% %0 %"},
        {"ninth", "%9", {"1", "2", "3", "4", "5", "6", "7", "8", "nine"}, "nine"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FillPlaceholders(c.pattern, c.args), c.expected) << c.name;
}

TEST(Phrase, EnglishNestsArgumentsAndKeepsNameBytes) {
    const Phrase channel("Check", "TV channel %1 \"%2\"",
                         {Phrase::Number(7), Phrase::Verbatim("hr-fer\x91sehen")});
    const Phrase finding("Check", "The %1 names satellite %2, which does not exist",
                         {channel, Phrase::Number(3)});
    EXPECT_EQ(finding.English(),
              "The TV channel 7 \"hr-fer\x91sehen\" names satellite 3, which does not exist");
    EXPECT_EQ(Phrase("Check", "%1 \xC2\xB7 %2", {Phrase::Verbatim("M\xFCnchen"), Phrase::Number(1)})
                  .EnglishUtf8(),
              "M\xC3\xBCnchen \xC2\xB7 1");
    // A channel's name reads through its code table (1: Cyrillic), its bytes kept for English().
    const Phrase cyrillic("Check", "\"%1\"", {Phrase::Name("\xBF\xD5\xE0\xD2\xEB\xD9", 1)});
    EXPECT_EQ(cyrillic.EnglishUtf8(), "\"\xD0\x9F\xD0\xB5\xD1\x80\xD0\xB2\xD1\x8B\xD0\xB9\"");
    EXPECT_EQ(cyrillic.English(), "\"\xBF\xD5\xE0\xD2\xEB\xD9\"");
    EXPECT_FALSE(finding.IsVerbatim());
    EXPECT_TRUE(finding.Args()[1].IsVerbatim());
    EXPECT_EQ(Phrase().English(), "");
}

} // namespace
