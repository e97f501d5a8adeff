#include "chanforge/xls/ChannelWorkbook.h"

#include "chanforge/TableAccess.h"
#include "chanforge/xls/CodePage.h"
#include "chanforge/xls/CompoundFile.h"
#include "chanforge/xls/Workbook.h"
#include "utils/Registry.h"

#include "ChannelSamples.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>

namespace chanforge::xls {
namespace {

using chanforge::Channel_Info_Tag;
using chanforge::kChannelTable;

class ChannelWorkbookTest : public ::testing::Test {
  protected:
    void SetUp() override { utils::SetSettingsPath(dir.File("settings.ini")); }
    void TearDown() override { utils::SetSettingsPath(""); }

    Workbook Load(const std::string& path) {
        Workbook book;
        EXPECT_EQ(book.Load(path), XlsResult::Ok);
        return book;
    }
    /// Imports a workbook made by fill into a fresh store.
    void ImportSheet(const std::function<void(Worksheet&)>& fill) {
        Workbook book;
        fill(*book.AddWorksheet("Channel"));
        ASSERT_EQ(book.SaveAs(file), XlsResult::Ok);
        ASSERT_EQ(ImportChannelWorkbook(file, db), WorkbookResult::Ok);
    }
    Channel_Info_Tag& Row(std::uint32_t key) {
        return *chanforge::GetRow<Channel_Info_Tag>(db, kChannelTable, key);
    }
    std::string Content() const {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    test::TempDir dir;
    std::string file = dir.File("channels.xls");
    tabstore::CQoDB db;
};

TEST_F(ChannelWorkbookTest, EmptyTableGivesTheHeaderRowOnly) {
    ASSERT_EQ(ExportChannelWorkbook(db, file), WorkbookResult::Ok);
    Workbook book = Load(file);
    ASSERT_EQ(book.SheetCount(), 1u);
    const Worksheet* s = book.GetWorksheet("Channel");
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->TotalRows(), 1u);
    EXPECT_EQ(s->TotalColumns(), 61u) << "60 columns and the names mark";
    // The columns around the 32 favourite slots, and the mark.
    EXPECT_EQ(s->GetText(0, 17), "LogicalNumber");
    EXPECT_EQ(s->GetText(0, 18), "F0");
    EXPECT_EQ(s->GetText(0, 49), "F31");
    EXPECT_EQ(s->GetText(0, 50), "ShowNum");
    EXPECT_EQ(s->GetText(0, 60), "Names in CodeTable");
}

TEST_F(ChannelWorkbookTest, EveryFieldSurvivesExportAndImport) {
    test::FillChannels(db, 300);
    ASSERT_EQ(ExportChannelWorkbook(db, file), WorkbookResult::Ok);
    tabstore::CQoDB back;
    chanforge::AppendRow(back, kChannelTable, test::SampleChannel(999)); // replaced by the import
    ASSERT_EQ(ImportChannelWorkbook(file, back), WorkbookResult::Ok);
    ASSERT_EQ(back.Size(kChannelTable), 300u);
    for (std::uint32_t n = 1; n <= 300; ++n) {
        auto expected = test::SampleChannel(n);
        expected->RowID = n;
        const auto* got = chanforge::GetRow<Channel_Info_Tag>(back, kChannelTable, n);
        ASSERT_NE(got, nullptr);
        ASSERT_EQ(std::memcmp(got, expected.get(), sizeof(Channel_Info_Tag)), 0) << "channel " << n;
    }
}

TEST_F(ChannelWorkbookTest, CellKindsOfTheExport) {
    chanforge::AppendRow(db, kChannelTable, test::SampleChannel(7)); // CAS 0x80000000
    ASSERT_EQ(ExportChannelWorkbook(db, file), WorkbookResult::Ok);
    Workbook book = Load(file);
    const Worksheet& s = *book.GetWorksheet("Channel");
    EXPECT_EQ(s.GetInteger(1, 1), -2147483648LL);
    EXPECT_EQ(s.Kind(1, 0), CellKind::Integer);
}

TEST_F(ChannelWorkbookTest, ExportKeepsOtherSheetsAndPutsChannelLast) {
    Workbook book;
    book.AddWorksheet("A")->SetInteger(0, 0, 11);
    book.AddWorksheet("Channel")->SetText(5, 5, "old");
    book.AddWorksheet("B")->SetText(1, 1, "kept");
    ASSERT_EQ(book.SaveAs(file), XlsResult::Ok);
    test::FillChannels(db, 2);
    ASSERT_EQ(ExportChannelWorkbook(db, file), WorkbookResult::Ok);
    Workbook after = Load(file);
    ASSERT_EQ(after.SheetCount(), 3u);
    EXPECT_EQ(after.Sheet(0).Name(), "A");
    EXPECT_EQ(after.Sheet(1).Name(), "B");
    EXPECT_EQ(after.Sheet(2).Name(), "Channel");
    EXPECT_EQ(after.Sheet(0).GetInteger(0, 0), 11);
    EXPECT_EQ(after.Sheet(1).GetText(1, 1), "kept");
    EXPECT_EQ(after.Sheet(2).TotalRows(), 3u);
    EXPECT_EQ(after.Sheet(2).Kind(5, 5), CellKind::Empty);
}

TEST_F(ChannelWorkbookTest, TheChannelSheetIsNamedExactlyInEitherWidth) {
    Workbook book;
    book.AddWorksheet("channel")->SetInteger(1, 0, 5);
    ASSERT_EQ(book.SaveAs(file), XlsResult::Ok);
    test::FillChannels(db, 3);
    EXPECT_EQ(ImportChannelWorkbook(file, db), WorkbookResult::NoChannelSheet);
    EXPECT_EQ(db.Size(kChannelTable), 0u) << "the channel table is emptied";
    test::FillChannels(db, 1);
    ASSERT_EQ(ExportChannelWorkbook(db, file), WorkbookResult::Ok);
    EXPECT_EQ(Load(file).SheetCount(), 2u) << "a second sheet is added";

    Workbook wide; // the name stored 16-bit is the same name
    wide.AddWorksheet(std::u16string_view(u"Channel"))->SetInteger(1, 0, 5);
    ASSERT_EQ(wide.SaveAs(file), XlsResult::Ok);
    ASSERT_EQ(ImportChannelWorkbook(file, db), WorkbookResult::Ok);
    EXPECT_EQ(Row(1).ProgramNum, 5);
    ASSERT_EQ(ExportChannelWorkbook(db, file), WorkbookResult::Ok);
    EXPECT_EQ(Load(file).SheetCount(), 1u) << "the sheet is replaced";
}

TEST_F(ChannelWorkbookTest, NumbersReadWhateverKindOfCellHoldsThem) {
    ImportSheet([](Worksheet& s) {
        s.SetText(0, 0, "anything at all");
        s.SetFloat(1, 0, 12.9);         // ProgramNum
        s.SetInteger(1, 3, 255);        // SatID u8
        s.SetInteger(1, 5, 65535);      // BroadcastID u16
        s.SetText(1, 6, "  42abc");     // ServiceID
        s.SetWideText(1, 8, u"77");     // AudioPID
        s.SetFloat(1, 1, 4294967295.0); // CAS u32: unsigned ...
        s.SetFloat(1, 2, -1.5);         // ... or signed, as the export writes it
    });
    const Channel_Info_Tag& ch = Row(1);
    EXPECT_EQ(ch.ProgramNum, 12);
    EXPECT_EQ(ch.SatID, 255);
    EXPECT_EQ(ch.BroadcastID, 65535);
    EXPECT_EQ(ch.ServiceID, 42);
    EXPECT_EQ(ch.AudioPID, 77);
    EXPECT_EQ(ch.CAS, 0xFFFFFFFFu);
    EXPECT_EQ(ch.Favorite, 0xFFFFFFFFu) << "-1.5 truncates to -1";
}

TEST_F(ChannelWorkbookTest, ACellItsColumnCannotTakeRefusesTheImport) {
    struct Case {
        const char* name;
        std::function<void(Worksheet&)> put;
        const char* message;
    };
    const Case cases[] = {
        {"u16 above", [](Worksheet& s) { s.SetInteger(1, 5, 70000); },
         "Sheet \"Channel\", row 2, column F (BroadcastID): 70000 is outside 0 to 65535"},
        {"negative", [](Worksheet& s) { s.SetText(1, 57, "-1"); },
         "Sheet \"Channel\", row 2, column BF (NetNameID): -1 is outside 0 to 65535"},
        {"u32 above", [](Worksheet& s) { s.SetFloat(1, 1, 4294967296.0); },
         "Sheet \"Channel\", row 2, column B (CAS): 4294967296 is outside -2147483648 to "
         "4294967295"},
        {"no number", [](Worksheet& s) { s.SetWideText(1, 0, u"x\u03A9"); },
         "Sheet \"Channel\", row 2, column A (ProgramNum): \"x?\" is not a number"},
        {"long text", [](Worksheet& s) { s.SetText(1, 4, std::string(9000, 'y')); },
         "Sheet \"Channel\", row 2, column E (TPID): \"yyyyyyyyyyyyyyyyyyyyy...\" is not a "
         "number"},
    };
    for (const Case& c : cases) {
        Workbook book;
        Worksheet* s = book.AddWorksheet("Channel");
        s->SetInteger(1, 0, 1);
        c.put(*s);
        ASSERT_EQ(book.SaveAs(file), XlsResult::Ok);
        db.Clear(kChannelTable);
        test::FillChannels(db, 2);
        RefusedCell refused;
        EXPECT_EQ(ImportChannelWorkbook(file, db, nullptr, &refused), WorkbookResult::CellRefused)
            << c.name;
        EXPECT_EQ(RefusedCellText(refused).English(), c.message) << c.name;
        EXPECT_EQ(db.Size(kChannelTable), 2u) << c.name << ": the table stays as it was";
    }
}

TEST_F(ChannelWorkbookTest, NamesTravelAsTextInTheirCodeTables) {
    auto ch = chanforge::MakeRow<Channel_Info_Tag>();
    std::memcpy(ch->Name, "\xD9\xE1", 2);
    ch->CodeTable = 3; // Greek
    chanforge::AppendRow(db, kChannelTable, std::move(ch));
    auto full = chanforge::MakeRow<Channel_Info_Tag>(); // no NUL: exported whole
    std::memset(full->Name, 'n', sizeof full->Name);
    chanforge::AppendRow(db, kChannelTable, std::move(full));
    ASSERT_EQ(ExportChannelWorkbook(db, file), WorkbookResult::Ok);
    Workbook book = Load(file);
    Worksheet& sheet = *book.GetWorksheet("Channel");
    EXPECT_EQ(sheet.GetWideText(1, 13), u"\u03A9\u03B1");
    EXPECT_EQ(sheet.GetWideText(2, 13), std::u16string(255, u'n'));

    // An edited name goes back through its row's table; a character the table lacks is refused
    // (here without a fit: stored as '?').
    sheet.SetWideText(1, 13, u"\u03A3\u0416"); // Greek, then Cyrillic
    ASSERT_EQ(book.SaveAs(file), XlsResult::Ok);
    ASSERT_EQ(ImportChannelWorkbook(file, db), WorkbookResult::Ok);
    EXPECT_STREQ(Row(1).Name, "\xD3?");
    EXPECT_EQ(std::string(Row(2).Name), std::string(254, 'n')) << "cut to the field and its NUL";
}

TEST_F(ChannelWorkbookTest, SheetsWithoutTheMarkHoldNamesInTheCodePage) {
    // As an earlier version exported a Cyrillic channel (code table 1) through Windows-1252.
    ImportSheet([](Worksheet& s) {
        s.SetWideText(1, 13, u"\u00BF\u00D5\u00E0\u00D2\u00EB\u00D9 \u20AC");
        s.SetInteger(1, 14, 1);
        s.SetText(2, 13, "raw \xE9\x80"); // 8-bit: copied as it is
        s.SetInteger(2, 14, 1);
        s.SetInteger(3, 13, 5); // not text: empty name
        s.SetWideText(4, 13, std::u16string(400, u'x'));
        s.SetWideText(5, 13, u"ab\0cd");
    });
    EXPECT_STREQ(Row(1).Name, "\xBF\xD5\xE0\xD2\xEB\xD9 \x80") << "the same bytes as before";
    EXPECT_STREQ(Row(2).Name, "raw \xE9\x80");
    EXPECT_STREQ(Row(3).Name, "");
    EXPECT_EQ(std::string(Row(4).Name), std::string(254, 'x'));
    EXPECT_STREQ(Row(5).Name, "ab");

    // What the code page lacks is read in the row's own table.
    SetRegistry(kChanforgeKey, kCodePageSetting, 1253);
    ImportSheet([](Worksheet& s) {
        s.SetWideText(1, 13, u"\u03A9\u03BC\u03AD\u03B3\u03B1");       // in Windows-1253
        s.SetWideText(2, 13, u"\u041F\u0435\u0440\u0432\u044B\u0439"); // not: Cyrillic
        s.SetInteger(2, 14, 1);
    });
    EXPECT_STREQ(Row(1).Name, "\xD9\xEC\xDD\xE3\xE1");
    EXPECT_STREQ(Row(2).Name, "\xBF\xD5\xE0\xD2\xEB\xD9");
}

TEST_F(ChannelWorkbookTest, UnreadableFilesLeaveTheTableAlone) {
    test::FillChannels(db, 4);
    EXPECT_EQ(ImportChannelWorkbook(dir.File("missing.xls"), db), WorkbookResult::CannotOpen);
    std::ofstream(file) << "not a workbook at all, just some text that is long enough";
    EXPECT_EQ(ImportChannelWorkbook(file, db), WorkbookResult::NotAWorkbook);
    EXPECT_EQ(db.Size(kChannelTable), 4u);
}

TEST_F(ChannelWorkbookTest, ExportReplacesAnUnreadableFileAndFailsWithoutTrace) {
    std::ofstream(file) << "garbage";
    test::FillChannels(db, 2);
    ASSERT_EQ(ExportChannelWorkbook(db, file), WorkbookResult::Ok);
    EXPECT_EQ(Load(file).SheetCount(), 1u);

    EXPECT_EQ(ExportChannelWorkbook(db, dir.File("no/such/dir.xls")), WorkbookResult::CannotWrite);
    std::filesystem::create_directory(dir.File("folder.xls"));
    EXPECT_EQ(ExportChannelWorkbook(db, dir.File("folder.xls")), WorkbookResult::NotRegularFile);
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("folder.xls")));
    int files = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.Path()))
        ++files;
    EXPECT_EQ(files, 2) << "the workbook and the folder: no temporary file is left";
}

TEST_F(ChannelWorkbookTest, ProtectedAndAmbiguousWorkbooksAreLeftAloneAndSaySo) {
    const auto writeWorkbook = [&](std::vector<std::uint8_t> stream) {
        CompoundFileWriter writer;
        writer.MakeStream(u"Workbook");
        writer.WriteStream(u"Workbook", std::move(stream));
        const auto image = writer.Image();
        std::ofstream(file, std::ios::binary)
            .write(reinterpret_cast<const char*>(image.data()),
                   static_cast<std::streamsize>(image.size()));
        return Content();
    };
    test::FillChannels(db, 2);
    test::StreamBuilder encrypted;
    encrypted.Bof(0x0005).Record(0x002F, {0, 0, 0, 0, 0, 0}).Eof();
    const std::string protectedFile = writeWorkbook(encrypted.Bytes());
    EXPECT_EQ(ImportChannelWorkbook(file, db), WorkbookResult::PasswordProtected);
    EXPECT_EQ(ExportChannelWorkbook(db, file), WorkbookResult::PasswordProtected);
    EXPECT_EQ(Content(), protectedFile);

    Workbook book;
    book.AddWorksheet("Channel");
    book.AddWorksheet("Chanxxx");
    std::vector<std::uint8_t> stream = book.SaveStream();
    const std::string renamed = "Chanxxx";
    const auto at = std::search(stream.begin(), stream.end(), renamed.begin(), renamed.end());
    ASSERT_NE(at, stream.end());
    std::copy_n("Channel", 7, at);
    const std::string twoSheets = writeWorkbook(std::move(stream));
    EXPECT_EQ(ExportChannelWorkbook(db, file), WorkbookResult::TwoChannelSheets);
    EXPECT_EQ(Content(), twoSheets);
}

TEST_F(ChannelWorkbookTest, MoreChannelsThanRowsAreRefused) {
    std::ofstream(file) << "previous content";
    test::FillChannels(db, kMaxWorkbookChannels + 1);
    EXPECT_EQ(ExportChannelWorkbook(db, file), WorkbookResult::TooManyChannels);
    EXPECT_EQ(Content(), "previous content");
    db.Delete(kChannelTable, 1);
    EXPECT_EQ(ExportChannelWorkbook(db, file), WorkbookResult::Ok);
    EXPECT_EQ(Load(file).GetWorksheet("Channel")->TotalRows(), kMaxRows);
}

} // namespace
} // namespace chanforge::xls
