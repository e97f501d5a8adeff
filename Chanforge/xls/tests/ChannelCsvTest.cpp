#include "chanforge/xls/ChannelCsv.h"

#include "chanforge/TableAccess.h"
#include "utils/Phrase.h"
#include "utils/Registry.h"

#include "ChannelSamples.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>

namespace chanforge::xls {
namespace {

using chanforge::Channel_Info_Tag;
using chanforge::kChannelTable;

std::span<const std::uint8_t> Bytes(std::string_view text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

/// The header and one line per row, each row's fields given from the first column on and the
/// rest left empty.
std::string Sheet(const std::vector<std::vector<std::string>>& rows, char sep = ',') {
    std::string text;
    for (int col = 0; col < 60; ++col)
        text += (col ? std::string(1, sep) : "") + "H" + std::to_string(col);
    text += "\r\n";
    for (const auto& row : rows) {
        for (std::size_t col = 0; col < 60; ++col)
            text += (col ? std::string(1, sep) : "") + (col < row.size() ? row[col] : "");
        text += "\r\n";
    }
    return text;
}

/// A row with a number and a name, every other field empty.
std::vector<std::string> Named(const std::string& number, const std::string& name) {
    std::vector<std::string> row(14);
    row[0] = number;
    row[13] = name;
    return row;
}

class ChannelCsvTest : public ::testing::Test {
  protected:
    void SetUp() override {
        utils::SetSettingsPath(dir.File("settings.ini"));
        test::FillChannels(db, 3); // what a refused file must leave alone
    }
    void TearDown() override { utils::SetSettingsPath(""); }

    const Channel_Info_Tag& Row(std::uint32_t key) {
        return *chanforge::GetRow<Channel_Info_Tag>(db, kChannelTable, key);
    }
    void ExpectUntouched() {
        ASSERT_EQ(db.Size(kChannelTable), 3u);
        EXPECT_EQ(Row(3).ProgramNum, 3);
    }

    test::TempDir dir;
    tabstore::CQoDB db;
};

TEST_F(ChannelCsvTest, EveryFieldAndAwkwardNamesSurviveEachSeparator) {
    tabstore::CQoDB source;
    test::FillChannels(source, 200);
    const char* names[] = {"=1+2", "a,b;c\td", "say \"hi\"", "two\r\nlines\n", " padded ",
                           "",     "-5",       "'quoted",    "\x81\x8D\x9D"};
    for (std::uint32_t i = 0; i < std::size(names); ++i) {
        auto* ch = chanforge::GetRow<Channel_Info_Tag>(source, kChannelTable, i + 1);
        std::memset(ch->Name, 0, sizeof ch->Name);
        std::strcpy(ch->Name, names[i]);
    }
    for (char sep : {',', ';', '\t'}) {
        const std::string text = ChannelCsvText(source, sep);
        ASSERT_EQ(ReadChannelCsv(Bytes(text), db), WorkbookResult::Ok) << sep;
        ASSERT_EQ(db.Size(kChannelTable), 200u);
        for (std::uint32_t n = 1; n <= 200; ++n) {
            Channel_Info_Tag expected =
                *chanforge::GetRow<Channel_Info_Tag>(source, kChannelTable, n);
            expected.RowID = n;
            ASSERT_EQ(std::memcmp(&Row(n), &expected, sizeof expected), 0) << "channel " << n;
        }
    }
}

TEST_F(ChannelCsvTest, ReadsTheFormsSpreadsheetProgramsWrite) {
    struct Case {
        const char* name;
        std::string text;
        const char* expectedName;
    };
    const Case cases[] = {
        {"byte-order mark, semicolon", "\xEF\xBB\xBF" + Sheet({Named("7", "Caf\xC3\xA9")}, ';'),
         "Caf\xE9"},
        {"not UTF-8: the code page's bytes", Sheet({Named("7", "Caf\xE9 \x80")}), "Caf\xE9 \x80"},
        {"UTF-8 euro sign to the code page", Sheet({Named(" 7", "\xE2\x82\xAC")}), "\x80"},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(ReadChannelCsv(Bytes(c.text), db), WorkbookResult::Ok) << c.name;
        ASSERT_EQ(db.Size(kChannelTable), 1u) << c.name;
        EXPECT_EQ(Row(1).ProgramNum, 7) << c.name;
        EXPECT_STREQ(Row(1).Name, c.expectedName) << c.name;
    }
}

TEST_F(ChannelCsvTest, RefusesNamingTheLineAndFieldAndChangesNothing) {
    struct Case {
        std::string text;
        WorkbookResult result;
        const char* message;
    };
    const Case cases[] = {
        {Sheet({{"1"}, Named("2", "\"open")}), WorkbookResult::CsvMalformed,
         "Line 3, field 14: the quoted text is never closed"},
        {Sheet({{"1", "x\"y"}}), WorkbookResult::CsvMalformed,
         "Line 2, field 2: a quote inside a field that does not start with one"},
        {Sheet({{"\"1\"2"}}), WorkbookResult::CsvMalformed,
         "Line 2, field 1: text after the closing quote"},
        {Sheet({}) + "1,2,3\r\n", WorkbookResult::CsvMalformed,
         "Line 2 has 3 fields; the channel sheet has 60"},
        {"", WorkbookResult::CsvMalformed, "Line 1 has 0 fields; the channel sheet has 60"},
        {Sheet({{"\"a\nb\"", "", "", "70000"}}), WorkbookResult::CellRefused,
         "Line 2, field 1 (ProgramNum): \"a\nb\" is not a number"},
        {Sheet({Named("1", "\"a\nb\""), {"1", "", "", "70000"}}), WorkbookResult::CellRefused,
         "Line 4, field 4 (SatID): 70000 is outside 0 to 255"},
        {Sheet({{std::string(40000, '1')}}), WorkbookResult::CsvMalformed,
         "Line 2, field 1: longer than 32767 characters"},
    };
    for (const Case& c : cases) {
        RefusedCell refused;
        const WorkbookResult result = ReadChannelCsv(Bytes(c.text), db, nullptr, &refused);
        EXPECT_EQ(result, c.result) << c.message;
        EXPECT_EQ(RefusedCellText(refused).English(), c.message);
        ExpectUntouched();
    }

    NameImport names{[](std::string_view name, std::uint8_t) -> ImportedName {
                         if (name.size() > 4)
                             return {std::nullopt, utils::Phrase::Verbatim("too long")};
                         return {std::string(name), {}};
                     },
                     {}};
    const std::string longNames =
        Sheet({Named("1", "\"long\nname\""), Named("2", "ok"), Named("3", "toolong")});
    RefusedCell refused;
    EXPECT_EQ(ReadChannelCsv(Bytes(longNames), db, &names, &refused), WorkbookResult::NamesRefused);
    EXPECT_EQ(names.refusedRows, (std::vector<std::uint32_t>{2, 5}));
    EXPECT_EQ(RefusedCellText(refused).English(), "Line 2, field 14 (Name): too long");
    ExpectUntouched();
}

TEST_F(ChannelCsvTest, NamesAreUtf8TextInTheirCodeTablesWithTheMark) {
    tabstore::CQoDB source;
    test::FillChannels(source, 2);
    auto* ch = chanforge::GetRow<Channel_Info_Tag>(source, kChannelTable, 1);
    std::strcpy(ch->Name, "\xBF\xD5\xE0\xD2\xEB\xD9");
    ch->CodeTable = 1;
    const std::string text = ChannelCsvText(source, ';');
    EXPECT_NE(text.find(";ServiceType;Names in CodeTable\r\n"), std::string::npos);
    EXPECT_NE(text.find(";\xD0\x9F\xD0\xB5\xD1\x80\xD0\xB2\xD1\x8B\xD0\xB9;1;"), std::string::npos);
    ASSERT_EQ(ReadChannelCsv(Bytes(text), db), WorkbookResult::Ok);
    EXPECT_STREQ(Row(1).Name, "\xBF\xD5\xE0\xD2\xEB\xD9");
}

TEST_F(ChannelCsvTest, NewerSpreadsheetFormatsAreNamedNotReadNorOverwritten) {
    const std::string xlsx = std::string("PK\x03\x04", 4) + std::string(26, '\0') +
                             "[Content_Types].xml" + std::string(200, 'x');
    const std::string ods = std::string("PK\x03\x04", 4) + std::string(26, '\0') +
                            "mimetypeapplication/vnd.oasis.opendocument.spreadsheet" +
                            std::string(200, 'x');
    EXPECT_EQ(ReadChannelCsv(Bytes(xlsx), db), WorkbookResult::OfficeOpenXml);
    EXPECT_EQ(ReadChannelCsv(Bytes(ods), db), WorkbookResult::OpenDocument);
    ExpectUntouched();
    const std::string named = dir.File("renamed.xls");
    std::ofstream(named, std::ios::binary) << ods;
    EXPECT_EQ(ImportChannelWorkbook(named, db), WorkbookResult::OpenDocument);
    EXPECT_EQ(ExportChannelWorkbook(db, named), WorkbookResult::OpenDocument);
    std::ifstream in(named, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), ods) << "the file is kept";
}

} // namespace
} // namespace chanforge::xls
