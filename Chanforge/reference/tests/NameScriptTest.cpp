// Names in the operator's script: each channel's name is stored in its code table, on every
// model, through a save and a reload, and whatever edits, renames and reference names reach it,
// what the grid shows is what the store holds.
#include "SampleData.h"
#include "chanforge/TableAccess.h"
#include "chanforge/csv/Csv.h"
#include "chanforge/csv/TextEncoding.h"
#include "chanforge/editing/ChannelColumns.h"
#include "chanforge/editing/ChannelName.h"
#include "chanforge/editing/RenamePattern.h"
#include "chanforge/reference/Plan.h"
#include "chanforge/xls/Workbook.h"
#include "policy/Presets.h"
#include "utils/CodeTable.h"
#include "utils/Files.h"
#include "utils/TempFiles.h"

#include <gtest/gtest.h>
#include <rapidcheck.h>
#include <rapidcheck/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace chanforge::reference {
namespace {

const std::vector<const char*> kModels = {"A", "B", "C", "D", "E", "default"};

codec::FlashLayout Layout(const char* model) {
    return codec::FlashLayout::FromPreset(*policy::FindPreset(model));
}

/// The name as the grid shows it: the list model's own text for the name column.
std::string Shown(const Channel_Info_Tag& ch, const codec::FlashLayout& layout) {
    return editing::ChannelCellText(ch, editing::kColName, layout.product, 0);
}

std::vector<Channel_Info_Tag> Channels(tabstore::CQoDB& db) {
    std::vector<Channel_Info_Tag> out;
    ForEachRow<Channel_Info_Tag>(db, kChannelTable,
                                 [&](const Channel_Info_Tag& ch) { out.push_back(ch); });
    return out;
}

/// The document as a save writes it and an open reads it back.
std::vector<Channel_Info_Tag> Reloaded(document::Document& doc) {
    std::string path;
    EXPECT_TRUE(utils::CreateGuardedTempFile("names", ".bin", path).ok());
    EXPECT_TRUE(doc.SaveToFile(path).ok());
    document::Document back(doc.Layout());
    EXPECT_TRUE(back.Open(path).ok());
    utils::RemoveGuardedTempFile(path);
    return Channels(back.Store());
}

/// The channel sheet of the document, saved in form, with one row's name replaced.
std::string SheetWithName(document::Document& doc, const char* form, std::uint32_t row,
                          const std::string& utf8) {
    std::string path;
    EXPECT_TRUE(utils::CreateGuardedTempFile("names", form, path).ok());
    EXPECT_TRUE(doc.SaveToFile(path).ok());
    if (std::string_view(form) == ".xls") {
        xls::Workbook book;
        EXPECT_EQ(book.Load(path), xls::XlsResult::Ok);
        book.GetWorksheet("Channel")->SetWideText(row, 13, csv::FromUtf8(utf8));
        EXPECT_EQ(book.SaveAs(path), xls::XlsResult::Ok);
        return path;
    }
    std::vector<std::uint8_t> bytes;
    EXPECT_TRUE(utils::ReadWholeFile(path, bytes).ok());
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    csv::Table table = csv::Read(csv::WithoutByteOrderMark(text), ',');
    table.records[row].fields[13] = utf8;
    std::string out;
    for (const csv::Record& record : table.records)
        csv::AppendRecord(out, record.fields, ',');
    const auto* data = reinterpret_cast<const std::uint8_t*>(out.data());
    EXPECT_TRUE(utils::ReplaceFile(path, std::span(data, out.size())).ok());
    return path;
}

TEST(NameScriptTest, ASheetsNameItsRowsTableCannotHoldRefusesTheOpenNamingTheCell) {
    const codec::FlashLayout layout = Layout("default");
    for (const char* form : {".xls", ".csv"}) {
        document::Document doc(layout);
        testkit::Populate(doc, layout.product, 3);
        ForEachRow<Channel_Info_Tag>(doc.Store(), kChannelTable,
                                     [](Channel_Info_Tag& ch) { ch.CodeTable = 1; });
        const std::vector<Channel_Info_Tag> before = Channels(doc.Store());
        const std::string path = SheetWithName(doc, form, 2, "\xCE\xA3 Greek"); // Σ: not Cyrillic
        const document::DocResult refused = doc.Open(path);
        utils::RemoveGuardedTempFile(path);
        EXPECT_EQ(refused.status, document::DocStatus::WorkbookFailed) << form;
        EXPECT_EQ(refused.sentence.EnglishUtf8(),
                  std::string(form == std::string(".xls") ? "Sheet \"Channel\", row 3, column N"
                                                          : "Line 3, field 14") +
                      " (Name): \"\xCE\xA3 Greek\" holds \"\xCE\xA3\" (U+03A3), which the "
                      "channel's character table cannot hold")
            << form;
        const std::vector<Channel_Info_Tag> after = Channels(doc.Store());
        ASSERT_EQ(after.size(), before.size()) << form;
        for (std::size_t k = 0; k < before.size(); ++k)
            EXPECT_EQ(std::memcmp(&after[k], &before[k], sizeof after[k]), 0) << form;
    }
}

TEST(NameScriptTest, ACharacterTheChannelsTableLacksIsRefusedOrReplacedWhenCut) {
    const struct {
        const char* name;
        std::uint8_t table;
        const char* utf8;
        editing::NameFit fit;
        const char* stored; ///< or, refused, the character the reason names
    } cases[] = {
        {"Cyrillic in Latin-1", 0, "\xD0\x96K", editing::NameFit::NotInTable,
         "\"\xD0\x96K\" holds \"\xD0\x96\" (U+0416)"},
        {"Greek in Cyrillic", 1, "\xCE\xA3", editing::NameFit::NotInTable, "\"\xCE\xA3\" (U+03A3)"},
        {"Cyrillic in Latin-1, cut", 0, "\xD0\x96K", editing::NameFit::Cut, "?K"},
        {"replaced, then cut to the slot", 3,
         "\xCE\xA3\xD0\x96"
         "ABCDEFGH",
         editing::NameFit::Cut, "\xD3?ABCD"},
        {"in its table", 1, "\xD0\x96K", editing::NameFit::Fits, "\xB6K"},
        {"a pasted paragraph, named by its start", 0,
         "xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxyyyyyyyyyyyyyyyyyyyy", editing::NameFit::TooLong,
         "\"xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx...\" is longer"},
    };
    for (const auto& c : cases) {
        const bool cut = c.fit == editing::NameFit::Cut;
        const editing::FittedName fitted = editing::FitText(c.utf8, c.table, 6, cut);
        EXPECT_EQ(fitted.fit, c.fit) << c.name;
        const std::string refusal = editing::RefusedNamePhrase(fitted, c.table, 6).EnglishUtf8();
        EXPECT_EQ(fitted.Stores() ? fitted.stored == c.stored
                                  : refusal.find(c.stored) != std::string::npos,
                  true)
            << c.name;
    }
}

// Property: whatever edits, renames by pattern, reference names and names retyped in the channel
// sheet reach the channels, every stored name is what the grid shows, read back through the
// channel's code table, and a save and reload keep both.
const std::vector<std::string> kTexts = {
    "\xD0\x9F\xD0\xB5\xD1\x80\xD0\xB2\xD1\x8B\xD0\xB9 \xD0\xBA\xD0\xB0\xD0\xBD\xD0\xB0\xD0\xBB",
    "\xCE\x95\xCE\xA1\xCE\xA4",
    "TRT T\xC3\xBCrk \xC5\x9E\xC4\xB0",
    "\xD8\xA7\xD9\x84\xD8\xAC\xD8\xB2\xD9\x8A\xD8\xB1\xD8\xA9",
    "ZDF",
    "\xC3\x96sterreich 1",
    "\xE2\x82\xAC Euronews",
    "A name longer than any slot of these models keeps",
    "\xE0\xB9\x84\xE0\xB8\x97\xE0\xB8\xA2",
};

void CheckShownIsStored(tabstore::CQoDB& db, const codec::FlashLayout& layout) {
    ForEachRow<Channel_Info_Tag>(db, kChannelTable, [&](const Channel_Info_Tag& ch) {
        const std::string_view stored = editing::NameOf(ch);
        RC_ASSERT(utils::NameFromUtf8(Shown(ch, layout), ch.CodeTable, false).bytes == stored);
        RC_ASSERT(stored.size() <= editing::NameRoom(layout.ChannelNameBytes()));
    });
}

void Edit(tabstore::CQoDB& db, const codec::FlashLayout& layout, const std::string& text,
          bool cut) {
    const std::vector<Channel_Info_Tag> channels = Channels(db);
    const std::size_t at = *rc::gen::inRange<std::size_t>(0, channels.size());
    auto* ch = GetRow<Channel_Info_Tag>(db, kChannelTable, channels[at].RowID);
    const editing::FittedName name =
        editing::FitText(text, ch->CodeTable, layout.ChannelNameBytes(), cut);
    if (name.Stores())
        editing::StoreName(*ch, name.stored);
    // A name that fits is shown exactly as it was typed.
    if (name.fit == editing::NameFit::Fits)
        RC_ASSERT(Shown(*ch, layout) == text);
}

void Rename(tabstore::CQoDB& db, const codec::FlashLayout& layout, const std::string& text,
            bool cut) {
    editing::RowIds keys;
    for (const Channel_Info_Tag& ch : Channels(db))
        keys.push_back(ch.RowID);
    const char* find = *rc::gen::element("a", "\xD0\xB5", "T", " ");
    const editing::RenamePreview preview = editing::PreviewRename(
        db, keys, {find, text, false, false}, layout.ChannelNameBytes(), cut);
    if (preview.Applicable())
        (void)editing::ApplyRename(db, preview);
}

void TakeReferenceNames(tabstore::CQoDB& db, const codec::FlashLayout& layout, bool cut) {
    Reference ref = ReferenceFromStore(db, layout);
    for (Service& entry : ref.entries)
        entry.name = *rc::gen::elementOf(kTexts);
    const Plan plan = PlanReference(db, layout, ref, {.names = true, .cutNames = cut});
    if (!plan.Applicable())
        return;
    RC_ASSERT(ApplyPlan(db, plan));
    // Every name taken whole shows as the reference wrote it.
    std::multiset<std::string> shown;
    for (const Channel_Info_Tag& ch : Channels(db))
        shown.insert(Shown(ch, layout));
    for (std::size_t e = 0; e < plan.entries.size(); ++e) {
        if (!plan.entries[e].applied || plan.entries[e].nameCut)
            continue;
        const auto at = shown.find(ref.entries[e].name);
        RC_ASSERT(at != shown.end());
        shown.erase(at);
    }
}

/// The channel sheet saved as a workbook or CSV file with one row's name retyped there, and opened
/// again: every other channel comes back byte for byte and the retyped name as typing it would
/// store it, or, when typing would refuse it, nothing changes.
void TakeSheet(document::Document& doc, const std::string& text, bool cut) {
    const std::vector<Channel_Info_Tag> before = Channels(doc.Store());
    const std::size_t at = *rc::gen::inRange<std::size_t>(0, before.size());
    const std::string path =
        SheetWithName(doc, *rc::gen::element(".xls", ".csv"), std::uint32_t(at + 1), text);
    doc.CutLongNames(cut);
    const bool opened = doc.Open(path).ok();
    utils::RemoveGuardedTempFile(path);
    const editing::FittedName typed =
        editing::FitText(text, before[at].CodeTable, doc.Layout().ChannelNameBytes(), cut);
    RC_ASSERT(opened == typed.Stores());
    const std::vector<Channel_Info_Tag> after = Channels(doc.Store());
    RC_ASSERT(after.size() == before.size());
    for (std::size_t k = 0; k < before.size(); ++k) {
        Channel_Info_Tag expected = before[k];
        expected.RowID = after[k].RowID;
        if (opened && k == at)
            editing::StoreName(expected, typed.stored);
        RC_ASSERT(std::memcmp(&after[k], &expected, sizeof expected) == 0);
    }
}

void CheckEditsKeepShownAndStoredOne(const char* model) {
    const codec::FlashLayout layout = Layout(model);
    document::Document doc(layout);
    testkit::Populate(doc, layout.product, 6);
    ForEachRow<Channel_Info_Tag>(doc.Store(), kChannelTable, [](Channel_Info_Tag& ch) {
        ch.CodeTable = *rc::gen::element<std::uint8_t>(0, 1, 2, 3, 5, 7, 8, 11, 200);
    });
    CheckShownIsStored(doc.Store(), layout);
    const int steps = *rc::gen::inRange(1, 8);
    for (int step = 0; step < steps; ++step) {
        const std::string text = *rc::gen::elementOf(kTexts);
        const bool cut = *rc::gen::arbitrary<bool>();
        switch (*rc::gen::inRange(0, 4)) {
        case 0:
            Edit(doc.Store(), layout, text, cut);
            break;
        case 1:
            Rename(doc.Store(), layout, text, cut);
            break;
        case 2:
            TakeReferenceNames(doc.Store(), layout, cut);
            break;
        default:
            TakeSheet(doc, text, cut);
            break;
        }
        CheckShownIsStored(doc.Store(), layout);
    }
    const std::vector<Channel_Info_Tag> before = Channels(doc.Store());
    const std::vector<Channel_Info_Tag> after = Reloaded(doc);
    RC_ASSERT(after.size() == before.size());
    for (std::size_t k = 0; k < before.size(); ++k) {
        RC_ASSERT(after[k].CodeTable == before[k].CodeTable);
        RC_ASSERT(Shown(after[k], layout) == Shown(before[k], layout));
    }
}

RC_GTEST_PROP(NameScriptTest, WhatTheGridShowsIsWhatIsStoredOnEveryModel, ()) {
    CheckEditsKeepShownAndStoredOne(*rc::gen::elementOf(kModels));
}

} // namespace
} // namespace chanforge::reference
