// The records a save writes, and how the loader copes with hand-made and hostile record streams.
#include "chanforge/xls/Workbook.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>

namespace chanforge::xls {
namespace {

using test::Get16;
using test::Get32;
using test::StreamBuilder;

struct Rec {
    std::uint16_t type;
    std::size_t at; ///< of the header
    std::vector<std::uint8_t> body;
};

std::vector<Rec> Records(const std::vector<std::uint8_t>& s) {
    std::vector<Rec> out;
    for (std::size_t p = 0; p + 4 <= s.size();) {
        const std::uint16_t len = Get16(s, p + 2);
        out.push_back(Rec{Get16(s, p), p,
                          std::vector<std::uint8_t>(s.begin() + p + 4, s.begin() + p + 4 + len)});
        p += 4 + len;
    }
    return out;
}

std::vector<std::uint16_t> Types(const std::vector<Rec>& recs, std::size_t from, std::size_t to) {
    std::vector<std::uint16_t> t;
    for (std::size_t i = from; i < to; ++i)
        t.push_back(recs[i].type);
    return t;
}

Workbook Sample() {
    Workbook book = Workbook::New(1);
    Worksheet& s = book.Sheet(0);
    for (std::uint32_t r = 0; r < 70; ++r) { // three row blocks
        s.SetText(r, 0, "name");
        s.SetInteger(r, 1, static_cast<std::int32_t>(r));
        s.SetInteger(r, 2, 7);
        s.SetInteger(r, 4, 1 << 30); // NUMBER
        s.SetInteger(r, 5, 9);       // alone: RK
    }
    book.AddWorksheet("Second")->SetInteger(2, 2, 1);
    return book;
}

TEST(BiffRecords, GlobalsAreExactlyTheListedRecords) {
    const auto recs = Records(Sample().SaveStream());
    std::vector<std::uint16_t> expected = {0x0809, 0x003D};
    expected.insert(expected.end(), 4, 0x0031);
    expected.insert(expected.end(), 21, 0x00E0);
    expected.insert(expected.end(), 6, 0x0293);
    expected.insert(expected.end(), {0x0085, 0x0085, 0x00FC, 0x000A});
    ASSERT_GE(recs.size(), expected.size());
    EXPECT_EQ(Types(recs, 0, expected.size()), expected);
    EXPECT_EQ(recs[0].body,
              StreamBuilder::Body({0x0600, 0x0005, 0x19A0, 1997, 0xC0C9, 0, 0x0306, 0}));
    EXPECT_EQ(recs[1].body, StreamBuilder::Body({120, 120, 15135, 9300, 0x0038, 0, 0, 1, 600}));
}

TEST(BiffRecords, PositionsPointAtTheirRecords) {
    const auto stream = Sample().SaveStream();
    const auto recs = Records(stream);
    std::map<std::size_t, const Rec*> byOffset;
    for (const Rec& r : recs)
        byOffset[r.at] = &r;

    int sheets = 0;
    for (const Rec& r : recs) {
        if (r.type == 0x0085) { // BOUNDSHEET -> the sheet's BOF
            const Rec* bof = byOffset.at(Get32(r.body, 0));
            EXPECT_EQ(bof->type, 0x0809);
            EXPECT_EQ(Get16(bof->body, 2), 0x0010);
            ++sheets;
        }
        if (r.type == 0x020B) { // INDEX -> DBCELLs
            for (std::size_t k = 16; k < r.body.size(); k += 4)
                EXPECT_EQ(byOffset.at(Get32(r.body, k))->type, 0x00D7);
        }
        if (r.type == 0x00D7) { // DBCELL -> first ROW, then the first cell of each row
            const std::size_t firstRow = r.at - Get32(r.body, 0);
            ASSERT_EQ(byOffset.at(firstRow)->type, 0x0208);
            std::size_t cell = firstRow + 20; // the offsets start at the end of the first ROW
            for (std::size_t k = 4, i = 0; k < r.body.size(); k += 2, ++i) {
                cell += Get16(r.body, k);
                const Rec* first = byOffset.at(cell);
                const Rec* row = byOffset.at(firstRow + 20 * i);
                ASSERT_EQ(row->type, 0x0208);
                EXPECT_NE(first->type, 0x0208);
                EXPECT_EQ(Get16(first->body, 0), Get16(row->body, 0));
            }
        }
    }
    EXPECT_EQ(sheets, 2);
}

TEST(BiffRecords, SheetLayoutAndCellRecordChoice) {
    const auto recs = Records(Sample().SaveStream());
    std::size_t bof = 0;
    while (!(recs[bof].type == 0x0809 && Get16(recs[bof].body, 2) == 0x0010))
        ++bof;
    EXPECT_EQ(recs[bof + 1].type, 0x020B);
    EXPECT_EQ(Get32(recs[bof + 1].body, 4), 0u);
    EXPECT_EQ(Get32(recs[bof + 1].body, 8), 70u);
    EXPECT_EQ(recs[bof + 1].body.size(), 16u + 3 * 4) << "three row blocks";
    EXPECT_EQ(recs[bof + 2].type, 0x0200);
    EXPECT_EQ(recs[bof + 2].body,
              (std::vector<std::uint8_t>{0, 0, 0, 0, 70, 0, 0, 0, 0, 0, 6, 0, 0, 0}));
    // First block: 32 ROW records, then per row LABELSST, MULRK (columns 1-2), NUMBER, RK.
    for (std::size_t i = 0; i < 32; ++i)
        ASSERT_EQ(recs[bof + 3 + i].type, 0x0208);
    EXPECT_EQ(Types(recs, bof + 35, bof + 39),
              (std::vector<std::uint16_t>{0x00FD, 0x00BD, 0x0203, 0x027E}));
    // Every body starts with row, column and cell format 15; an integer RK holds value x 4 + 2.
    // MULRK: row, first column, a (format, RK) pair per cell, last column.
    using Bytes = std::vector<std::uint8_t>;
    EXPECT_EQ(recs[bof + 35].body, (Bytes{0, 0, 0, 0, 15, 0, 0, 0, 0, 0})); // string 0
    EXPECT_EQ(recs[bof + 36].body,
              (Bytes{0, 0, 1, 0, 15, 0, 2, 0, 0, 0, 15, 0, 30, 0, 0, 0, 2, 0})); // 0 and 7
    EXPECT_EQ(recs[bof + 37].body,
              (Bytes{0, 0, 4, 0, 15, 0, 0, 0, 0, 0, 0, 0, 0xD0, 0x41}));     // 2^30 as a double
    EXPECT_EQ(recs[bof + 38].body, (Bytes{0, 0, 5, 0, 15, 0, 38, 0, 0, 0})); // 9
    std::size_t end = bof;
    while (recs[end].type != 0x000A)
        ++end;
    EXPECT_EQ(recs[end - 1].type, 0x023E);
    EXPECT_EQ(Get16(recs[end - 1].body, 0), 0x06B6) << "the first sheet is the active one";
    EXPECT_EQ(Get16(recs[end - 1].body, 6), 64);
    for (const Rec& r : recs)
        EXPECT_NE(r.type, 0x00FF) << "no EXTSST";
}

TEST(BiffRecords, EveryRecordFitsItsLimit) {
    Workbook book = Workbook::New(1);
    for (std::uint32_t r = 0; r < 5000; ++r)
        book.Sheet(0).SetWideText(r, 0, u"string number " + std::u16string(r % 40, u'x'));
    for (const Rec& r : Records(book.SaveStream()))
        EXPECT_LE(r.body.size(), 8224u);
}

/// A globals substream with the given sheets, then their substreams built by fill.
std::vector<std::uint8_t> Stream(const std::vector<std::string>& names,
                                 const std::function<void(StreamBuilder&, std::size_t)>& fill,
                                 const std::vector<std::uint8_t>& sst = {},
                                 const std::vector<std::uint8_t>& sstContinue = {}) {
    // Positions depend on the globals' size: build once to measure, then for real.
    std::vector<std::uint32_t> positions(names.size(), 0);
    for (int pass = 0; pass < 2; ++pass) {
        StreamBuilder b;
        b.Bof(0x0005);
        for (std::size_t i = 0; i < names.size(); ++i)
            b.Record(0x0085, test::BoundSheetBody(positions[i], names[i]));
        if (!sst.empty())
            b.Record(0x00FC, sst);
        if (!sstContinue.empty())
            b.Record(0x003C, sstContinue);
        b.Eof();
        for (std::size_t i = 0; i < names.size(); ++i) {
            positions[i] = static_cast<std::uint32_t>(b.Size());
            b.Bof(0x0010);
            fill(b, i);
            b.Eof();
        }
        if (pass == 1)
            return b.Bytes();
    }
    return {};
}

std::vector<std::uint8_t> Sst(std::uint32_t unique, const std::vector<std::uint8_t>& strings) {
    std::vector<std::uint8_t> b = {static_cast<std::uint8_t>(unique), 0, 0, 0,
                                   static_cast<std::uint8_t>(unique), 0, 0, 0};
    b.insert(b.end(), strings.begin(), strings.end());
    return b;
}

// Bytes as the record format lays them out: a string broken by a CONTINUE record resumes with an
// option byte of its own, which may change the character width in the middle of the string.
TEST(BiffLoad, ContinuedStringTakesTheWidthItsNewOptionByteGives) {
    const auto stream =
        Stream({"S"},
               [](StreamBuilder& b, std::size_t) {
                   b.Record(0x00FD, {0, 0, 0, 0, 15, 0, 0, 0, 0, 0}); // LABELSST string 0
                   b.Record(0x00FD, {0, 0, 1, 0, 15, 0, 1, 0, 0, 0}); // LABELSST string 1
               },
               Sst(2, {4, 0, 0, 'a', 'b'}),                                 // 4 characters, 8-bit
               {0x01, 0xA9, 0x03, 0x16, 0x04, 2, 0, 0x01, 'o', 0, 'k', 0}); // ... 16-bit; then "ok"
    Workbook book;
    ASSERT_EQ(book.LoadStream(stream), XlsResult::Ok);
    EXPECT_EQ(book.Sheet(0).GetWideText(0, 0), u"ab\u03A9\u0416");
    EXPECT_EQ(book.Sheet(0).GetWideText(0, 1), u"ok");
}

TEST(BiffLoad, ReadsEveryCellRecordKind) {
    const auto sst = Sst(2, {2, 0, 0, 'h', 'i', 1, 0, 1, 0xA9, 0x03});
    const auto stream = Stream(
        {"S"},
        [](StreamBuilder& b, std::size_t) {
            b.Record(0x027E, {0, 0, 0, 0, 15, 0, 0x1A, 0, 0, 0});    // RK 6 (6*4+2)
            b.Record(0x027E, {0, 0, 1, 0, 15, 0, 0x4B, 0x13, 0, 0}); // RK 1234 x100 -> 12.34
            b.Record(0x027E, {0, 0, 2, 0, 15, 0, 0, 0, 0xF0, 0x3F}); // RK float 1.0
            b.Record(0x00BD,
                     {1, 0, 3, 0, 15, 0, 6, 0, 0, 0, 15, 0, 10, 0, 0, 0, 4, 0}); // MULRK 1, 2
            b.Record(0x0203, {2, 0, 0, 0, 15, 0, 0, 0, 0, 0, 0, 0, 0x04, 0x40}); // NUMBER 2.5
            b.Record(0x00FD, {3, 0, 0, 0, 15, 0, 0, 0, 0, 0});                   // LABELSST "hi"
            b.Record(0x00FD, {3, 0, 1, 0, 15, 0, 1, 0, 0, 0});                   // LABELSST wide
            b.Record(0x00FD, {3, 0, 2, 0, 15, 0, 9, 0, 0, 0});         // index beyond the table
            b.Record(0x0205, {4, 0, 0, 0, 15, 0, 1, 0});               // TRUE
            b.Record(0x0205, {4, 0, 1, 0, 15, 0, 7, 1});               // error: its text
            b.Record(0x0201, {5, 0, 9, 0, 15, 0});                     // BLANK
            b.Record(0x00BE, {6, 0, 0, 0, 15, 0, 15, 0, 15, 0, 2, 0}); // MULBLANK 0..2
            b.Record(0x0006, {7, 0, 0,    0,    15, 0, 0, 0, 0, 0,
                              0, 0, 0x08, 0x40, 0,  0, 0, 0, 0, 0}); // FORMULA 3.0
            b.Record(0x0006, {7, 0, 1,    0,    15, 0, 0, 0, 0, 0,
                              0, 0, 0xFF, 0xFF, 0,  0, 0, 0, 0, 0}); // text result
            b.Record(0x0207, {2, 0, 0, 'o', 'k'});
            b.Record(0x0204, {8, 0, 0, 0, 15, 0, 3, 0, 0, 'a', 'b', 'c'});      // LABEL
            b.Record(0x0208, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}); // ROW: ignored
        },
        sst);
    Workbook book;
    ASSERT_EQ(book.LoadStream(stream), XlsResult::Ok);
    ASSERT_EQ(book.SheetCount(), 1u);
    const Worksheet& s = book.Sheet(0);
    EXPECT_EQ(s.Kind(0, 0), CellKind::Integer);
    EXPECT_EQ(s.GetInteger(0, 0), 6);
    EXPECT_EQ(s.Kind(0, 1), CellKind::Float);
    EXPECT_DOUBLE_EQ(s.GetFloat(0, 1), 12.34);
    EXPECT_EQ(s.GetFloat(0, 2), 1.0);
    EXPECT_EQ(s.GetInteger(1, 3), 1);
    EXPECT_EQ(s.GetInteger(1, 4), 2);
    EXPECT_EQ(s.GetFloat(2, 0), 2.5);
    EXPECT_EQ(s.GetText(3, 0), "hi");
    EXPECT_EQ(s.GetWideText(3, 1), u"\u03A9");
    EXPECT_EQ(s.Kind(3, 2), CellKind::Empty);
    EXPECT_EQ(s.Kind(4, 0), CellKind::Integer);
    EXPECT_EQ(s.GetInteger(4, 0), 1);
    EXPECT_EQ(s.GetText(4, 1), "#DIV/0!");
    EXPECT_EQ(s.GetFloat(7, 0), 3.0);
    EXPECT_EQ(s.GetText(7, 1), "ok");
    EXPECT_EQ(s.GetText(8, 0), "abc");
    EXPECT_EQ(s.TotalRows(), 9u);
    EXPECT_EQ(s.TotalColumns(), 10u) << "BLANK at column 9 counts";
}

TEST(BiffLoad, SheetsAreNamedByTheirPositionAndOtherSubstreamsSkipped) {
    const auto stream = Stream({"First", "Second"}, [](StreamBuilder& b, std::size_t i) {
        b.Record(0x027E, {0, 0, 0, 0, 15, 0, static_cast<std::uint8_t>(i * 4 + 2), 0, 0, 0});
        b.Bof(0x0020).Record(0x027E, {0, 0, 0, 0, 15, 0, 0x7E, 0, 0, 0}).Eof(); // embedded chart
        b.Record(0x027E, {1, 0, 0, 0, 15, 0, 0x06, 0, 0, 0});
    });
    Workbook book;
    ASSERT_EQ(book.LoadStream(stream), XlsResult::Ok);
    ASSERT_EQ(book.SheetCount(), 2u);
    EXPECT_EQ(book.Sheet(0).Name(), "First");
    EXPECT_EQ(book.Sheet(1).Name(), "Second");
    EXPECT_EQ(book.Sheet(1).GetInteger(0, 0), 1);
    EXPECT_EQ(book.Sheet(0).GetInteger(0, 0), 0) << "the chart's cells are not the sheet's";
    EXPECT_EQ(book.Sheet(1).GetInteger(1, 0), 1);
}

struct BadStream {
    const char* name;
    std::vector<std::uint8_t> stream;
    XlsResult expected;
};

std::vector<BadStream> BadStreams() {
    auto noop = [](StreamBuilder&, std::size_t) {};
    std::vector<BadStream> cases;
    auto past = Stream({"S"}, noop);
    past.insert(past.end(), {0x03, 0x02, 0x20, 0x00, 1, 2}); // NUMBER claiming 32 bytes
    cases.push_back({"RecordRunsPastTheStream", past, XlsResult::Corrupt});
    cases.push_back({"StringClaimsMoreCharacters",
                     Stream({"S"}, noop, Sst(1, {200, 0, 0, 'a', 'b'})), XlsResult::Corrupt});
    cases.push_back({"WideStringSplitInHalf", Stream({"S"}, noop, Sst(1, {2, 0, 1, 'a', 0, 'b'})),
                     XlsResult::Corrupt});
    cases.push_back({"RichStringWithoutRuns", Stream({"S"}, noop, Sst(1, {1, 0, 8, 5, 0, 'a'})),
                     XlsResult::Corrupt});
    StreamBuilder encrypted;
    encrypted.Bof(0x0005).Record(0x002F, {0, 0, 0, 0, 0, 0}).Eof();
    cases.push_back({"Encrypted", encrypted.Bytes(), XlsResult::Encrypted});
    StreamBuilder sheetOnly;
    sheetOnly.Bof(0x0010).Eof();
    cases.push_back({"NoGlobals", sheetOnly.Bytes(), XlsResult::Corrupt});
    cases.push_back({"Empty", {}, XlsResult::Corrupt});
    return cases;
}

TEST(BiffLoad, HostileStreamsFailCleanly) {
    for (const BadStream& c : BadStreams()) {
        Workbook book = Workbook::New(2);
        EXPECT_EQ(book.LoadStream(c.stream), c.expected) << c.name;
        EXPECT_EQ(book.SheetCount(), 0u) << c.name;
    }
}

TEST(BiffLoad, OddButReadableRecordsAreTolerated) {
    const auto stream = Stream({"S"}, [](StreamBuilder& b, std::size_t) {
        b.Record(0x00BD,
                 {0,  0, 250, 0, 15, 0, 6,  0, 0,  0, 15, 0, 6,  0, 0, 0,
                  15, 0, 6,   0, 0,  0, 15, 0, 6,  0, 0,  0, 15, 0, 6, 0,
                  0,  0, 15,  0, 6,  0, 0,  0, 15, 0, 6,  0, 0,  0, 0, 0}); // MULRK past column 255
        b.Record(0x027E, {1, 0, 0x00, 0x01, 15, 0, 6, 0, 0, 0});            // column 256
        b.Record(0x0203, {2, 0, 0, 0});                                     // short NUMBER
    });
    Workbook book;
    ASSERT_EQ(book.LoadStream(stream), XlsResult::Ok);
    const Worksheet& s = book.Sheet(0);
    EXPECT_EQ(s.GetInteger(0, 255), 1);
    EXPECT_EQ(s.TotalColumns(), 256u);
    EXPECT_EQ(s.TotalRows(), 1u);
}

} // namespace
} // namespace chanforge::xls
