// Workbooks laid out the way other writers lay them out, imported as the sheet "Channel".
#include "chanforge/xls/ChannelWorkbook.h"

#include "chanforge/TableAccess.h"
#include "chanforge/xls/CompoundFile.h"
#include "chanforge/xls/Workbook.h"
#include "utils/Registry.h"

#include "ChannelSamples.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>

namespace chanforge::xls {
namespace {

using chanforge::Channel_Info_Tag;
using chanforge::kChannelTable;
using test::StreamBuilder;

/// A FORMULA body whose cached result is the 8 bytes given (no formula tokens).
std::vector<std::uint8_t> Formula(std::uint16_t row, std::uint16_t col,
                                  std::vector<std::uint8_t> result) {
    std::vector<std::uint8_t> b = StreamBuilder::Body({row, col, 0x10});
    b.insert(b.end(), result.begin(), result.end());
    b.insert(b.end(), 8, 0); // options, chain, empty token list
    return b;
}

/// Globals with one BOUNDSHEET whose name is stored 16-bit, an empty shared-string table, then
/// the sheet's records: what a writer that keeps every text in LABEL records writes.
std::vector<std::uint8_t> LabelWorkbook(const std::function<void(StreamBuilder&)>& cells) {
    std::vector<std::uint8_t> bound = {0, 0, 0, 0, 0, 0, 7, 1};
    for (char c : std::string_view("Channel"))
        bound.insert(bound.end(), {static_cast<std::uint8_t>(c), 0});
    StreamBuilder b;
    b.Bof(0x0005).Record(0x0085, bound).Record(0x00FC, std::vector<std::uint8_t>(8, 0)).Eof();
    const std::size_t sheetAt = b.Size();
    b.Bof(0x0010).Record(0x0200, StreamBuilder::Body({0, 0, 4, 0, 0, 60, 0}));
    cells(b);
    b.Eof();
    std::vector<std::uint8_t> stream = b.Bytes();
    constexpr std::size_t kBoundSheetBody = 4 + 16 + 4; // after the BOF and its own header
    test::Set32(stream, kBoundSheetBody, static_cast<std::uint32_t>(sheetAt));
    return stream;
}

class OtherWritersTest : public ::testing::Test {
  protected:
    void SetUp() override { utils::SetSettingsPath(dir.File("settings.ini")); }
    void TearDown() override { utils::SetSettingsPath(""); }

    WorkbookResult Import(std::vector<std::uint8_t> stream, std::u16string_view name = u"Workbook",
                          RefusedCell* refused = nullptr) {
        CompoundFileWriter writer;
        writer.MakeStream(name);
        writer.WriteStream(name, std::move(stream));
        const auto image = writer.Image();
        std::ofstream(file, std::ios::binary)
            .write(reinterpret_cast<const char*>(image.data()),
                   static_cast<std::streamsize>(image.size()));
        db.Clear(kChannelTable);
        test::FillChannels(db, 2);
        return ImportChannelWorkbook(file, db, nullptr, refused);
    }
    const Channel_Info_Tag& Row(std::uint32_t key) {
        return *chanforge::GetRow<Channel_Info_Tag>(db, kChannelTable, key);
    }

    test::TempDir dir;
    std::string file = dir.File("other.xls");
    tabstore::CQoDB db;
};

TEST_F(OtherWritersTest, ZerosAfterTheLastRecordArePadding) {
    Workbook book;
    book.AddWorksheet("Channel")->SetInteger(1, 0, 7);
    std::vector<std::uint8_t> stream = book.SaveStream();
    stream.resize(4096, 0); // an odd number of zeros: not even whole empty records
    ASSERT_EQ(Import(stream), WorkbookResult::Ok);
    ASSERT_EQ(db.Size(kChannelTable), 1u);
    EXPECT_EQ(Row(1).ProgramNum, 7);

    stream.back() = 1; // not padding: a record cut short
    EXPECT_EQ(Import(stream), WorkbookResult::NotAWorkbook);
    EXPECT_EQ(db.Size(kChannelTable), 2u) << "the table stays as it was";
}

TEST_F(OtherWritersTest, TextsRunOnIntoContinueRecordsAndFormulaResultsAreRead) {
    ASSERT_EQ(Import(LabelWorkbook([](StreamBuilder& b) {
                  // "Caf" 8-bit, then "\u00E9!" continued 16-bit: one 8-bit name
                  b.Record(0x0204, {1, 0, 13, 0, 0x10, 0, 5, 0, 0, 'C', 'a', 'f'});
                  b.Record(0x003C, {1, 0xE9, 0, '!', 0}); // CONTINUE
                  // a text result: the STRING record after the formula, itself continued
                  b.Record(0x0006, Formula(1, 0, {0, 0, 0, 0, 0, 0, 0xFF, 0xFF}));
                  b.Record(0x0207, {4, 0, 0, '1', '2'});
                  b.Record(0x003C, {0, '3', '4'});
                  b.Record(0x0006, Formula(1, 4, {1, 0, 1, 0, 0, 0, 0xFF, 0xFF})); // TRUE
                  // (MULRK, MULBLANK and numeric results: BiffLoad.ReadsEveryCellRecordKind)
                  b.Record(0x00D6, {2, 0, 13, 0, 0x10, 0, 5, 0, 0, 'R', 'a', 'd', 'i', 'o'});
                  b.Record(0x0201, StreamBuilder::Body({2, 1, 0x10})); // BLANK
              })),
              WorkbookResult::Ok);
    ASSERT_EQ(db.Size(kChannelTable), 2u);
    EXPECT_STREQ(Row(1).Name, "Caf\xE9!");
    EXPECT_EQ(Row(1).ProgramNum, 1234);
    EXPECT_EQ(Row(1).TPID, 1);
    EXPECT_STREQ(Row(2).Name, "Radio") << "RSTRING";
    EXPECT_EQ(Row(2).CAS, 0u);
}

TEST_F(OtherWritersTest, ErrorValuesAreRefusedWhereANumberBelongs) {
    const std::pair<std::vector<std::uint8_t>, std::string> cells[] = {
        {LabelWorkbook([](StreamBuilder& b) {
             b.Record(0x0205, {1, 0, 1, 0, 0x10, 0, 0x2A, 1});
         }),
         "\"#N/A\""}, // BOOLERR
        {LabelWorkbook([](StreamBuilder& b) {
             b.Record(0x0006, Formula(1, 1, {2, 0, 0x07, 0, 0, 0, 0xFF, 0xFF}));
         }),
         "\"#DIV/0!\""}, // a formula's error result
    };
    for (const auto& [stream, shown] : cells) {
        RefusedCell refused;
        EXPECT_EQ(Import(stream, u"Workbook", &refused), WorkbookResult::CellRefused);
        EXPECT_EQ(RefusedCellText(refused).English(),
                  "Sheet \"Channel\", row 2, column B (CAS): " + shown + " is not a number");
        EXPECT_EQ(db.Size(kChannelTable), 2u) << "the table stays as it was";
    }
}

// Files other writers made from the same edge values (beside the scripts that made them): the
// JavaScript writer (sheet names 16-bit, texts as 16-bit LABEL records, every number a NUMBER
// record, no row index) and Gnumeric (shared strings, RK and NUMBER cells, row records).
TEST_F(OtherWritersTest, WorkbooksOfOtherWritersImportWithTheirEdgeValues) {
    const std::string fixtures = CHANFORGE_XLS_FIXTURES;
    for (const char* file : {"/sheetjs-channel.xls", "/gnumeric-channel.xls"}) {
        SCOPED_TRACE(file);
        db.Clear(kChannelTable);
        ASSERT_EQ(ImportChannelWorkbook(fixtures + file, db), WorkbookResult::Ok);
        ASSERT_EQ(db.Size(kChannelTable), 4u);
        const Channel_Info_Tag& ch = Row(1);
        EXPECT_EQ(ch.ProgramNum, 65535);
        EXPECT_EQ(ch.CAS, 0x7FFFFFFFu);
        EXPECT_EQ(ch.Favorite, 0xFFFFFFFFu) << "-1: the same 32 bits";
        EXPECT_EQ(ch.SatID, 255);
        EXPECT_EQ(ch.TPID, 1) << "TRUE";
        EXPECT_EQ(ch.BroadcastID, 12) << "12.9 truncated";
        EXPECT_EQ(ch.ServiceID, 42);
        EXPECT_STREQ(ch.Name, "Caf\xE9 \xD1"
                              "and\xFA");
        EXPECT_EQ(ch.FavoriteSlot[31], 65535);
        EXPECT_EQ(ch.ServiceType, 255);
        EXPECT_EQ(Row(2).ProgramNum, 0) << "an empty row is a channel of zeros";
        EXPECT_EQ(Row(3).CAS, 0x80000000u);
        EXPECT_EQ(Row(3).Favorite, 0xFFFFFFFFu);
        EXPECT_STREQ(Row(3).Name, "");
        EXPECT_EQ(std::string(Row(4).Name), std::string(chanforge::kChannelNameSize - 1, '\xE9'))
            << "a name longer than the field is cut to it";
    }

    // The JavaScript writer's shared-string form.
    RefusedCell refused;
    EXPECT_EQ(ImportChannelWorkbook(fixtures + "/sheetjs-beyond.xls", db, nullptr, &refused),
              WorkbookResult::CellRefused);
    EXPECT_EQ(RefusedCellText(refused).English(),
              "Sheet \"Channel\", row 3, column B (CAS): 4294967296 is outside -2147483648 to "
              "4294967295");
    EXPECT_EQ(db.Size(kChannelTable), 4u) << "the table stays as it was";
}

TEST_F(OtherWritersTest, BookStreamIsReadWhenItHoldsExcel97Records) {
    Workbook book;
    book.AddWorksheet("Channel")->SetInteger(1, 0, 9);
    ASSERT_EQ(Import(book.SaveStream(), u"Book"), WorkbookResult::Ok);
    EXPECT_EQ(Row(1).ProgramNum, 9);
}

} // namespace
} // namespace chanforge::xls
