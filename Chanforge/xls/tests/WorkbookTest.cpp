// The workbook object model and its round trip through Save and Load.
#include "chanforge/xls/Workbook.h"
#include "chanforge/xls/CompoundFile.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace chanforge::xls {
namespace {

Workbook RoundTrip(const Workbook& book) {
    Workbook back;
    EXPECT_EQ(back.LoadImage(book.SaveImage()), XlsResult::Ok);
    return back;
}

std::vector<std::string> SheetNames(const Workbook& book) {
    std::vector<std::string> names;
    for (std::size_t i = 0; i < book.SheetCount(); ++i)
        names.push_back(book.Sheet(i).Name());
    return names;
}

TEST(Workbook, NewNumberedAndPositionedSheets) {
    Workbook three = Workbook::New(3);
    EXPECT_EQ(SheetNames(three), (std::vector<std::string>{"Sheet1", "Sheet2", "Sheet3"}));
    ASSERT_TRUE(three.RenameWorksheet("Sheet2", "Sheet4"));
    ASSERT_NE(three.AddNumberedWorksheet(0), nullptr); // 4 is taken: 5
    three.AddWorksheet("Beyond", 99);
    EXPECT_EQ(SheetNames(three),
              (std::vector<std::string>{"Sheet5", "Sheet1", "Sheet4", "Sheet3", "Beyond"}));
}

TEST(Workbook, SheetNamesMatchByteForByteAndNeverAcrossWidths) {
    Workbook book;
    ASSERT_NE(book.AddWorksheet("Channel"), nullptr);
    EXPECT_EQ(book.AddWorksheet("Channel"), nullptr);
    EXPECT_NE(book.AddWorksheet("channel"), nullptr);
    ASSERT_NE(book.AddWorksheet(std::u16string_view(u"Channel")), nullptr);
    EXPECT_EQ(book.AddWorksheet(std::u16string_view(u"Channel")), nullptr);
    EXPECT_EQ(book.AddWorksheet(""), nullptr);
    EXPECT_EQ(book.AddWorksheet(std::string(32, 'x')), nullptr);
    EXPECT_NE(book.AddWorksheet(std::string(31, 'x')), nullptr);

    EXPECT_EQ(book.GetWorksheet("Channel"), &book.Sheet(0));
    EXPECT_EQ(book.GetWorksheet("CHANNEL"), nullptr);
    ASSERT_TRUE(book.DeleteWorksheet("Channel"));
    EXPECT_EQ(book.GetWorksheet("Channel"), nullptr) << "the UTF-16 sheet never matches";
    EXPECT_FALSE(book.DeleteWorksheet("Channel"));
    EXPECT_FALSE(book.RenameWorksheet("channel", std::string(31, 'x')));
    EXPECT_TRUE(book.RenameWorksheet("channel", "Other"));
    EXPECT_EQ(book.Sheet(0).Name(), "Other");
}

TEST(Worksheet, CellLimitsAndTotals) {
    Workbook book = Workbook::New(1);
    Worksheet& s = book.Sheet(0);
    EXPECT_EQ(s.TotalRows(), 0u);
    EXPECT_TRUE(s.SetInteger(65535, 255, 1));
    EXPECT_FALSE(s.SetInteger(65536, 0, 1));
    EXPECT_FALSE(s.SetInteger(0, 256, 1));
    EXPECT_FALSE(s.Touch(65536, 0));
    EXPECT_EQ(s.TotalRows(), 65536u);
    EXPECT_EQ(s.TotalColumns(), 256u);
    EXPECT_EQ(s.Kind(3, 3), CellKind::Empty);
    EXPECT_FALSE(s.SetText(0, 0, std::string(kMaxCellText + 1, 'a')));
    EXPECT_TRUE(s.SetText(0, 0, std::string(kMaxCellText, 'a')));
}

TEST(Worksheet, GettersByKind) {
    Workbook book = Workbook::New(1);
    Worksheet& s = book.Sheet(0);
    s.SetFloat(0, 0, 12.9);
    s.SetFloat(0, 1, -12.9);
    s.SetFloat(0, 2, std::nan(""));
    s.SetFloat(0, 3, 1e300);
    s.SetFloat(0, 4, -1e300);
    s.SetInteger(0, 5, -7);
    s.SetText(0, 6, "12");
    s.SetWideText(0, 7, u"w");
    const std::int64_t expected[] = {12,
                                     -12,
                                     0,
                                     std::numeric_limits<std::int64_t>::max(),
                                     std::numeric_limits<std::int64_t>::min(),
                                     -7,
                                     0,
                                     0};
    for (std::uint32_t c = 0; c < 8; ++c)
        EXPECT_EQ(s.GetInteger(0, c), expected[c]) << c;
    EXPECT_EQ(s.GetText(0, 6), "12");
    EXPECT_FALSE(s.GetText(0, 7));
    EXPECT_EQ(s.GetWideText(0, 7), u"w");
    EXPECT_FALSE(s.GetWideText(0, 6));
    EXPECT_DOUBLE_EQ(s.GetFloat(0, 5), -7.0);
    s.SetInteger(0, 6, 3); // a cell changes kind
    EXPECT_EQ(s.Kind(0, 6), CellKind::Integer);
}

struct IntegerCase {
    std::int32_t value;
    CellKind kindAfterLoad;
};

// Integers beyond the RK range come back as floats; floats and texts keep their exact value and
// width. Row 0: floats, rows 1-2: texts, rows 3...: integers.
TEST(Workbook, CellsComeBackWithTheirKindValueAndWidth) {
    const IntegerCase cases[] = {{0, CellKind::Integer},
                                 {-1, CellKind::Integer},
                                 {536870911, CellKind::Integer},
                                 {-536870912, CellKind::Integer},
                                 {536870912, CellKind::Float},
                                 {-536870913, CellKind::Float},
                                 {std::numeric_limits<std::int32_t>::min(), CellKind::Float},
                                 {std::numeric_limits<std::int32_t>::max(), CellKind::Float}};
    const double floats[] = {0.5, 12.34, -0.01, 3.0, 1.0 / 3, 1e-300, 1e300, -2147483648.0, 5e9};
    const std::string latin = "Caf\xE9 \x80\xFF";
    Workbook book = Workbook::New(1);
    Worksheet& s = book.Sheet(0);
    for (std::uint32_t i = 0; i < std::size(floats); ++i)
        s.SetFloat(0, i, floats[i]);
    s.SetText(1, 0, latin);
    s.SetText(1, 1, "");
    s.SetWideText(2, 0, u"\u03A9\u00E9 plain");
    s.SetWideText(2, 1, u"");
    s.SetWideText(2, 2, u"ascii but wide");
    for (std::uint32_t i = 0; i < std::size(cases); ++i) {
        s.SetInteger(3 + i, 0, cases[i].value); // alone: RK or NUMBER
        s.SetInteger(3 + i, 2, cases[i].value); // with a neighbour: MULRK or NUMBER
        s.SetInteger(3 + i, 3, 5);
    }
    const Workbook back = RoundTrip(book);
    const Worksheet& b = back.Sheet(0);
    for (std::uint32_t i = 0; i < std::size(floats); ++i) {
        EXPECT_EQ(b.Kind(0, i), CellKind::Float);
        EXPECT_EQ(b.GetFloat(0, i), floats[i]);
    }
    EXPECT_EQ(b.GetText(1, 0), latin);
    EXPECT_EQ(b.GetText(1, 1), "");
    EXPECT_EQ(b.GetWideText(2, 0), u"\u03A9\u00E9 plain");
    EXPECT_EQ(b.GetWideText(2, 1), u"");
    EXPECT_EQ(b.GetWideText(2, 2), u"ascii but wide");
    for (std::uint32_t i = 0; i < std::size(cases); ++i)
        for (std::uint32_t col : {0u, 2u}) {
            EXPECT_EQ(b.Kind(3 + i, col), cases[i].kindAfterLoad) << cases[i].value;
            EXPECT_EQ(b.GetInteger(3 + i, col), cases[i].value);
        }
}

TEST(Workbook, ManyAndLongStringsSpanContinueRecords) {
    Workbook book = Workbook::New(1);
    Worksheet& s = book.Sheet(0);
    for (std::uint32_t r = 0; r < 3000; ++r)
        s.SetText(r, 0, "row " + std::to_string(r));
    std::u16string longWide;
    for (std::size_t i = 0; i < kMaxCellText; ++i)
        longWide.push_back(static_cast<char16_t>(0x400 + i % 64));
    s.SetWideText(0, 1, longWide);
    s.SetText(1, 1, std::string(kMaxCellText, 'n'));
    const Workbook back = RoundTrip(book);
    for (std::uint32_t r = 0; r < 3000; ++r)
        ASSERT_EQ(back.Sheet(0).GetText(r, 0), "row " + std::to_string(r));
    EXPECT_EQ(back.Sheet(0).GetWideText(0, 1), longWide);
    EXPECT_EQ(back.Sheet(0).GetText(1, 1), std::string(kMaxCellText, 'n'));
}

TEST(Workbook, SheetsOrderNamesAndSparseCellsSurvive) {
    Workbook book;
    book.AddWorksheet("A")->SetInteger(100, 200, 1);
    book.AddWorksheet(std::u16string_view(u"\u041B\u0438\u0441\u0442"))->SetText(0, 0, "x");
    book.AddWorksheet("Empty");
    Worksheet* c = book.AddWorksheet("C");
    c->SetInteger(40000, 0, 2);
    c->SetInteger(40000, 255, 3);
    c->SetInteger(5, 7, 4);
    const Workbook back = RoundTrip(book);
    ASSERT_EQ(back.SheetCount(), 4u);
    EXPECT_EQ(back.Sheet(0).Name(), "A");
    EXPECT_TRUE(back.Sheet(1).HasWideName());
    EXPECT_EQ(back.Sheet(1).WideName(), u"\u041B\u0438\u0441\u0442");
    EXPECT_EQ(back.Sheet(2).TotalRows(), 0u);
    EXPECT_EQ(back.Sheet(0).GetInteger(100, 200), 1);
    EXPECT_EQ(back.Sheet(3).GetInteger(40000, 255), 3);
    EXPECT_EQ(back.Sheet(3).GetInteger(5, 7), 4);
    EXPECT_EQ(back.Sheet(3).TotalRows(), 40001u);
    EXPECT_EQ(back.Sheet(3).TotalColumns(), 256u);
}

TEST(Workbook, FileRoundTripAndLoadFailures) {
    test::TempDir dir;
    Workbook book = Workbook::New(2);
    book.Sheet(1).SetInteger(1, 1, 99);
    ASSERT_EQ(book.SaveAs(dir.File("a.xls")), XlsResult::Ok);
    Workbook back;
    ASSERT_EQ(back.Load(dir.File("a.xls")), XlsResult::Ok);
    EXPECT_EQ(back.Sheet(1).GetInteger(1, 1), 99);

    EXPECT_EQ(back.Load(dir.File("missing.xls")), XlsResult::CannotOpen);
    EXPECT_EQ(back.SheetCount(), 0u) << "a failed load leaves an empty workbook";

    CompoundFileWriter older; // a file of an older format: Excel 5 records in a "Book" stream
    older.MakeStream(u"Book");
    test::StreamBuilder excel5;
    excel5.Record(0x0809, test::StreamBuilder::Body({0x0500, 0x0005, 0, 0})).Eof();
    older.WriteStream(u"Book", excel5.Bytes());
    EXPECT_EQ(back.LoadImage(older.Image()), XlsResult::NoWorkbookStream);
    EXPECT_EQ(back.LoadImage(std::vector<std::uint8_t>(600, 'x')), XlsResult::NotCompoundFile);
    EXPECT_EQ(book.SaveAs(dir.File("no/such/dir.xls")), XlsResult::CannotWrite);
}

} // namespace
} // namespace chanforge::xls
