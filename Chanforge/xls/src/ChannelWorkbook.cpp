#include "chanforge/xls/ChannelWorkbook.h"

#include "SheetColumns.h"
#include "chanforge/Records.h"
#include "chanforge/TableAccess.h"
#include "chanforge/xls/CodePage.h"
#include "chanforge/xls/Workbook.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace chanforge::xls {

namespace {

using chanforge::Channel_Info_Tag;
using chanforge::kChannelTable;

constexpr const char* kSheetName = "Channel";
/// Name bytes that fit the record beside its terminating NUL.
constexpr std::size_t kNameLimit = chanforge::kChannelNameSize - 1;

WorkbookResult FromLoad(XlsResult r) {
    switch (r) {
    case XlsResult::Ok:
        return WorkbookResult::Ok;
    case XlsResult::CannotOpen:
    case XlsResult::TooLarge:
        return WorkbookResult::CannotOpen;
    case XlsResult::NotRegularFile:
        return WorkbookResult::NotRegularFile;
    case XlsResult::Encrypted:
        return WorkbookResult::PasswordProtected;
    default:
        return WorkbookResult::NotAWorkbook;
    }
}

void WriteChannel(Worksheet& sheet, std::uint32_t row, const Channel_Info_Tag& ch,
                  const CodePage& page) {
    const auto& columns = channel::Columns();
    for (std::uint32_t col = 0; col < channel::kColumnCount; ++col) {
        if (col == channel::kNameColumn) {
            // The field may fill all its bytes without a NUL.
            const std::size_t length = strnlen(ch.Name, sizeof ch.Name);
            sheet.SetWideText(row, col, page.Decode(std::string_view(ch.Name, length)));
        } else {
            sheet.SetInteger(row, col, channel::ReadField(ch, columns[col]));
        }
    }
}

/// A numeric column: integers as they are, floats truncated toward zero, 8-bit text as the
/// C library reads a leading decimal number; anything else 0.
std::int64_t NumericCell(const Worksheet& sheet, std::uint32_t row, std::uint32_t col) {
    switch (sheet.Kind(row, col)) {
    case CellKind::Integer:
    case CellKind::Float:
        return sheet.GetInteger(row, col);
    case CellKind::Text:
        return std::strtoll(sheet.GetText(row, col)->c_str(), nullptr, 10);
    default:
        return 0;
    }
}

void ReadName(const Worksheet& sheet, std::uint32_t row, const CodePage& page, NameImport* names,
              Channel_Info_Tag& ch) {
    std::string name;
    if (auto wide = sheet.GetWideText(row, channel::kNameColumn))
        name = page.Encode(*wide);
    else if (auto narrow = sheet.GetText(row, channel::kNameColumn))
        name = narrow->substr(0, narrow->find('\0'));
    if (names != nullptr && names->fit) {
        std::optional<std::string> stored = names->fit(name);
        if (!stored)
            names->refusedRows.push_back(row + 1);
        name = stored.value_or(std::string());
    }
    // Longer names are cut to the field; the record is zero-filled, so the NUL is there.
    std::memcpy(ch.Name, name.data(), std::min(name.size(), kNameLimit));
}

chanforge::RowPtr<Channel_Info_Tag> ReadChannel(const Worksheet& sheet, std::uint32_t row,
                                                const CodePage& page, NameImport* names) {
    auto ch = chanforge::MakeRow<Channel_Info_Tag>();
    const auto& columns = channel::Columns();
    for (std::uint32_t col = 0; col < channel::kColumnCount; ++col) {
        if (col == channel::kNameColumn)
            ReadName(sheet, row, page, names, *ch);
        else
            channel::WriteField(*ch, columns[col], NumericCell(sheet, row, col));
    }
    return ch;
}

} // namespace

WorkbookResult ExportChannelWorkbook(tabstore::CQoDB& db, const std::string& path) {
    if (db.Size(kChannelTable) > kMaxWorkbookChannels)
        return WorkbookResult::TooManyChannels;

    Workbook book;
    const XlsResult loaded = book.Load(path);
    // Our own read limit is no reason to throw the user's workbook away.
    if (loaded == XlsResult::TooLarge)
        return WorkbookResult::CannotOpen;
    // Neither can be rewritten without losing what the user keeps in it.
    if (loaded == XlsResult::NotRegularFile || loaded == XlsResult::Encrypted)
        return FromLoad(loaded);
    Worksheet* sheet = nullptr;
    if (loaded == XlsResult::Ok) {
        book.DeleteWorksheet(kSheetName);
        if (book.GetWorksheet(kSheetName) != nullptr)
            return WorkbookResult::TwoChannelSheets;
        sheet = book.AddWorksheet(kSheetName);
    } else {
        book = Workbook::New(1);
        book.RenameWorksheet("Sheet1", kSheetName);
        sheet = book.GetWorksheet(kSheetName);
    }
    if (sheet == nullptr)
        return WorkbookResult::CannotWrite;

    const auto& columns = channel::Columns();
    for (std::uint32_t col = 0; col < channel::kColumnCount; ++col)
        sheet->SetText(0, col, columns[col].header);
    const CodePage page = WorkbookCodePage();
    std::uint32_t row = 1;
    chanforge::ForEachRow<Channel_Info_Tag>(db, kChannelTable, [&](const Channel_Info_Tag& ch) {
        WriteChannel(*sheet, row++, ch, page);
    });
    return book.SaveAs(path) == XlsResult::Ok ? WorkbookResult::Ok : WorkbookResult::CannotWrite;
}

WorkbookResult ImportChannelWorkbook(const std::string& path, tabstore::CQoDB& db,
                                     NameImport* names) {
    Workbook book;
    if (XlsResult r = book.Load(path); r != XlsResult::Ok)
        return FromLoad(r);
    const Worksheet* sheet = book.GetWorksheet(kSheetName);
    if (sheet == nullptr) {
        db.Clear(kChannelTable);
        return WorkbookResult::NoChannelSheet;
    }

    // Build every record first so that the table changes only once the sheet has been read.
    const CodePage page = WorkbookCodePage();
    std::vector<chanforge::RowPtr<Channel_Info_Tag>> rows;
    for (std::uint32_t r = 1; r < sheet->TotalRows(); ++r)
        rows.push_back(ReadChannel(*sheet, r, page, names));
    if (names != nullptr && !names->refusedRows.empty())
        return WorkbookResult::NamesRefused;
    db.Clear(kChannelTable);
    for (auto& ch : rows)
        chanforge::AppendRow(db, kChannelTable, std::move(ch));
    return WorkbookResult::Ok;
}

std::string WorkbookMessage(WorkbookResult result) {
    switch (result) {
    case WorkbookResult::Ok:
        return {};
    case WorkbookResult::CannotOpen:
        return "Cannot open the workbook file";
    case WorkbookResult::NotRegularFile:
        return "Cannot open the workbook file: not a regular file";
    case WorkbookResult::NotAWorkbook:
        return "Not a readable Excel 97-2003 workbook";
    case WorkbookResult::PasswordProtected:
        return "The workbook is password-protected";
    case WorkbookResult::TwoChannelSheets:
        return "The workbook has two sheets \"Channel\": cannot tell which to replace";
    case WorkbookResult::NoChannelSheet:
        return "The workbook has no sheet \"Channel\"";
    case WorkbookResult::CannotWrite:
        return "Cannot write the workbook file";
    case WorkbookResult::NamesRefused:
        return "The workbook holds names longer than the receiver keeps: shorten them in the "
               "rows named, or open it with the names cut to fit";
    case WorkbookResult::TooManyChannels:
        return "Too many channels for one worksheet (at most 65535)";
    }
    return {};
}

} // namespace chanforge::xls
