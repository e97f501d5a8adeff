// Text lists: what a line must look like, and what is reported when it does not.
#include "chanforge/reference/TextList.h"
#include "utils/Strings.h"

#include <gtest/gtest.h>

#include <string>

namespace chanforge::reference {
namespace {

TextList Parse(const std::string& text) {
    return ParseTextList({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
}

TEST(TextListTest, ReadsEntriesWithUnknownsAsZero) {
    const TextList list = Parse("\xEF\xBB\xBF"
                                "1;Das Erste HD;1-1019-10301\r\n"
                                "\r\n"
                                "0; ZDF HD ;0-0-0\r"
                                "65535;a;b;c-d\n"
                                "7;  Name with  spaces;65535-1-2");
    ASSERT_EQ(list.entries.size(), 3u);
    const Service& first = list.entries[0];
    EXPECT_EQ(first.number, 1);
    EXPECT_EQ(first.name, "Das Erste HD");
    EXPECT_EQ(first.onid, 1);
    EXPECT_EQ(first.tsid, 1019);
    EXPECT_EQ(first.sid, 10301);
    EXPECT_EQ(first.kind, Kind::Unknown);
    EXPECT_EQ(first.row, 1u); // the line number
    EXPECT_EQ(list.entries[1].name, "ZDF HD");
    EXPECT_EQ(list.entries[1].number, 0);
    EXPECT_EQ(list.entries[1].row, 3u);
    EXPECT_EQ(list.entries[2].name, "Name with  spaces");
    EXPECT_EQ(list.entries[2].onid, 65535);
    ASSERT_EQ(list.problems.size(), 1u);
    EXPECT_EQ(list.problems[0].line, 4u);
    EXPECT_EQ(list.problems[0].fault, LineFault::Fields);
}

// Names come in as they were written and stay text (UTF-8) until a channel's code table takes
// them: UTF-8 (BOM or not) as it is, bytes that are not UTF-8 read as Latin-1.
TEST(TextListTest, ReadsUtf8AsWrittenAndFallsBackToLatin1) {
    const TextList utf8 = Parse("1;T\xC3\xA9l\xC3\xA9 \xC3\x96st;1-2-3\n"
                                "2;\xD0\x9F\xD0\xB5\xD1\x80\xD0\xB2\xD1\x8B\xD0\xB9;1-2-4\n");
    EXPECT_EQ(utf8.encoding, TextEncoding::Utf8);
    ASSERT_EQ(utf8.entries.size(), 2u);
    EXPECT_EQ(utf8.entries[0].name, "T\xC3\xA9l\xC3\xA9 \xC3\x96st");
    EXPECT_EQ(utf8.entries[1].name, "\xD0\x9F\xD0\xB5\xD1\x80\xD0\xB2\xD1\x8B\xD0\xB9");
    EXPECT_TRUE(utf8.problems.empty());
    EXPECT_EQ(Parse("\xEF\xBB\xBF"
                    "1;\xC3\x96;0-0-0")
                  .entries.at(0)
                  .name,
              "\xC3\x96");

    // A lone Latin-1 byte, an overlong form and a surrogate are no UTF-8: the list is Latin-1.
    for (const char* name : {"T\xE9l\xE9", "\xC0\xAF", "\xED\xA0\x80"}) {
        const TextList latin1 = Parse(std::string("1;") + name + ";0-0-0");
        EXPECT_EQ(latin1.encoding, TextEncoding::Latin1) << name;
        EXPECT_EQ(latin1.entries.at(0).name, Latin1ToUtf8(name));
    }
    EXPECT_EQ(Parse("1;ARD;0-0-0").encoding, TextEncoding::Ascii);
    EXPECT_EQ(EncodingNote(TextEncoding::Ascii), nullptr);
}

// The guide's header line, in any of its languages and cases, is taken as the header where it
// opens the list; anywhere else it is a line that does not read.
TEST(TextListTest, TakesTheGuidesHeaderOnlyAsTheFirstLine) {
    for (const std::string header : {"Pr#;Name;ONID-TSID-SID", " pr# ; NAME ;onid-tsid-sid",
                                     "Nr.;Name;ONID-TSID-SID", "N.;Nome;ONID-TSID-SID"}) {
        SCOPED_TRACE(header);
        const TextList list = Parse("\xEF\xBB\xBF\r\n" + header + "\r\n1;A;0-0-1\r\n" + header);
        ASSERT_EQ(list.entries.size(), 1u);
        EXPECT_EQ(list.entries[0].row, 3u);
        ASSERT_EQ(list.problems.size(), 1u);
        EXPECT_EQ(list.problems[0].line, 4u);
    }
    EXPECT_EQ(Parse("Pr#;Name;ONID-TSID-SID;x\n1;A;0-0-1").problems.size(), 1u);
}

TEST(TextListTest, LinesThatDoNotReadAreReportedNeverGuessed) {
    const struct {
        std::string line;
        LineFault fault;
    } cases[] = {
        {"Pr#;Name;SID", LineFault::Number},
        {"1;Name", LineFault::Fields},
        {"1;Na;me;1-2-3", LineFault::Fields},
        {"65536;Name;1-2-3", LineFault::Number},
        {"-1;Name;1-2-3", LineFault::Number},
        {"1x;Name;1-2-3", LineFault::Number},
        {"1;Name;1-2", LineFault::Ids},
        {"1;Name;1-2-3-4", LineFault::Ids},
        {"1;Name;1-2-65536", LineFault::Ids},
        {"1;Name;0x1-2-3", LineFault::Ids},
        {"1;Name;", LineFault::Ids},
        {"1;  ;1-2-3", LineFault::EmptyName},
        {"1;" + std::string(255, 'n') + ";1-2-3", LineFault::LongName},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        const TextList list = Parse("\n" + c.line + "\n");
        EXPECT_TRUE(list.entries.empty());
        ASSERT_EQ(list.problems.size(), 1u);
        EXPECT_EQ(list.problems[0].line, 2u);
        EXPECT_EQ(list.problems[0].fault, c.fault);
    }
}

std::span<const std::uint8_t> Bytes(const std::string& text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

TEST(TextListTest, TellsTextFromImagesAndFindsANulByteInText) {
    const std::uint8_t image[] = {'Q', 'P', ' ', ' ', 80, 0};
    EXPECT_FALSE(LooksLikeText(image));
    EXPECT_FALSE(LooksLikeText(Bytes(std::string("\xff\xff\0\0\n1;A;0-0-1", 11))));
    const std::string text("\xEF\xBB\xBF\r\n1;A;0-0-1\r\n2;B;0-0-2\r3;C\0;0-0-3\n", 37);
    EXPECT_TRUE(LooksLikeText(Bytes(text)));
    const std::optional<NulByte> nul = FindNulByte(Bytes(text));
    ASSERT_TRUE(nul);
    EXPECT_EQ(nul->line, 4u);
    EXPECT_EQ(nul->column, 4u);
    EXPECT_FALSE(FindNulByte(Bytes("1;A;0-0-1\n")));
}

} // namespace
} // namespace chanforge::reference
