#include "chanforge/csv/Csv.h"
#include "chanforge/csv/TextEncoding.h"

#include <gtest/gtest.h>

namespace chanforge::csv {
namespace {

using Rows = std::vector<std::vector<std::string>>;

Rows FieldsOf(const Table& table) {
    Rows rows;
    for (const Record& r : table.records)
        rows.push_back(r.fields);
    return rows;
}

TEST(Csv, ReadsTheFormsWritersUse) {
    struct Case {
        const char* name;
        std::string_view text;
        char separator;
        Rows rows;
        std::vector<std::uint32_t> lines;
    };
    const Case cases[] = {
        {"CR LF", "a,b\r\nc,d\r\n", ',', {{"a", "b"}, {"c", "d"}}, {1, 2}},
        {"LF, no last line end", "a;b\nc;d", ';', {{"a", "b"}, {"c", "d"}}, {1, 2}},
        {"lone CR", "a\tb\rc\td\r", '\t', {{"a", "b"}, {"c", "d"}}, {1, 2}},
        {"empty fields", ",,\r\n", ',', {{"", "", ""}}, {1}},
        {"empty lines skipped", "\r\na\r\n\r\n\r\nb\r\n\r\n", ',', {{"a"}, {"b"}}, {2, 5}},
        {"quoted separators and quotes",
         "\"a,b\",\"say \"\"hi\"\"\",\"\"\r\n",
         ',',
         {{"a,b", "say \"hi\"", ""}},
         {1}},
        {"line breaks inside quotes kept as written",
         "\"x\r\ny\nz\",1\r\nnext,2\r\n",
         ',',
         {{"x\r\ny\nz", "1"}, {"next", "2"}},
         {1, 4}},
        {"a quoted empty line is a record", "\"\"\r\n", ',', {{""}}, {1}},
    };
    for (const Case& c : cases) {
        const Table table = Read(c.text, c.separator);
        EXPECT_FALSE(table.fault) << c.name;
        EXPECT_EQ(FieldsOf(table), c.rows) << c.name;
        std::vector<std::uint32_t> lines;
        for (const Record& r : table.records)
            lines.push_back(r.line);
        EXPECT_EQ(lines, c.lines) << c.name;
    }
}

TEST(Csv, NamesTheLineAndFieldOfMalformedText) {
    struct Case {
        std::string_view text;
        Fault fault;
        std::uint32_t line, field;
    };
    const Case cases[] = {
        {"a,b\r\nc,\"open\r\nstill open", Fault::UnterminatedQuote, 2, 2},
        {"a,b\r\n\"x\ny\",z\nc,d\"e\r\n", Fault::QuoteInField, 4, 2},
        {"a\n\"x\"y,z\n", Fault::TextAfterQuote, 2, 1},
    };
    for (const Case& c : cases) {
        const Table table = Read(c.text, ',');
        ASSERT_TRUE(table.fault) << c.text;
        EXPECT_EQ(table.fault->fault, c.fault) << c.text;
        EXPECT_EQ(table.fault->line, c.line) << c.text;
        EXPECT_EQ(table.fault->field, c.field) << c.text;
        EXPECT_TRUE(table.records.empty());
    }
}

TEST(Csv, KeepsNoMoreThanTheLimitsAsk) {
    const Table table = Read("a,b,c\n\n1,\"2\",\"3\nx\"\n4,5,6\n", ',', {2, 2});
    EXPECT_FALSE(table.fault);
    EXPECT_EQ(FieldsOf(table), (Rows{{"a", "b"}, {"1", "2"}}));
    EXPECT_TRUE(table.more);
    EXPECT_FALSE(Read("a\n\n", ',', {1, 1}).more) << "empty lines are no records";
    EXPECT_EQ(Read("a,\"b\"c", ',', {1, 1}).fault->field, 2u) << "a field not kept is still read";

    Rows seen; // record by record, one record reused
    const ReadEnd end = ForEachRecord("a,b,c\nd\ne,f\ng\n", ',', {4, 3},
                                      [&](const Record& r) { seen.push_back(r.fields); });
    EXPECT_EQ(seen, (Rows{{"a", "b", "c"}, {"d"}, {"e", "f"}})) << "each record holds its own";
    EXPECT_TRUE(end.more);
}

TEST(Csv, DetectsTheSeparatorOfTheFirstRecord) {
    EXPECT_EQ(DetectSeparator("a;b;c,d\r\n1,2,3,4,5"), ';');
    EXPECT_EQ(DetectSeparator("a\tb\tc"), '\t');
    EXPECT_EQ(DetectSeparator("\"a;b;c\",d\r\n"), ',');
    EXPECT_EQ(DetectSeparator("one column"), ',');
    EXPECT_EQ(DetectSeparator("\"x\r\n;;\";b\r\n"), ';');
}

TEST(Csv, WritesWhatItReadsBack) {
    const std::vector<std::string> fields = {"plain", "a,b",           "semi;colon", "tab\tbed",
                                             "\"q\"", "line\r\nbreak", " padded ",   "",
                                             "=1+2",  "Caf\xC3\xA9"};
    for (char separator : kSeparators) {
        std::string text;
        AppendRecord(text, fields, separator);
        AppendRecord(text, fields, separator);
        const Table table = Read(text, separator);
        ASSERT_FALSE(table.fault);
        EXPECT_EQ(FieldsOf(table), (Rows{fields, fields}));
        EXPECT_EQ(table.records[1].line, 3u);
    }
    EXPECT_EQ(Field("plain", ','), "plain");
    EXPECT_EQ(Field("=1+2", ','), "=1+2");
    EXPECT_EQ(Field("say \"hi\"", ';'), "\"say \"\"hi\"\"\"");
}

TEST(TextEncoding, ReadsUtf8ElseEachByteAsACharacter) {
    EXPECT_EQ(EncodingOf("ARD"), TextEncoding::Ascii);
    EXPECT_EQ(EncodingOf("Caf\xC3\xA9"), TextEncoding::Utf8);
    EXPECT_EQ(EncodingOf("Caf\xE9"), TextEncoding::Latin1);
    EXPECT_EQ(EncodingOf("\xC0\xAF"), TextEncoding::Latin1); // overlong
    // Long ASCII runs are stepped over a word at a time; a sequence may straddle two words.
    const std::string ascii(15, 'a');
    EXPECT_EQ(EncodingOf(ascii + "\xC3\xA9" + ascii), TextEncoding::Utf8);
    EXPECT_EQ(EncodingOf(ascii + "\xC3\xA9" + ascii + "\xE9" + ascii), TextEncoding::Latin1);
    EXPECT_EQ(EncodingOf(ascii + ascii), TextEncoding::Ascii);
    EXPECT_EQ(FromUtf8("\xCE\xA9\xF0\x9F\x93\xBA"), u"\u03A9\U0001F4FA");
    EXPECT_EQ(FromUtf8("a\xFF"), u"a\uFFFD");
    EXPECT_EQ(ToUtf8(u"\u03A9\U0001F4FA\u00E9"), "\xCE\xA9\xF0\x9F\x93\xBA\xC3\xA9");
    EXPECT_EQ(ToUtf8(std::u16string(1, u'\xD800')), "\xEF\xBF\xBD");
    EXPECT_EQ(WithoutByteOrderMark("\xEF\xBB\xBFx"), "x");
}

} // namespace
} // namespace chanforge::csv
