#include "chanforge/xls/ChannelWorkbook.h"

#include "SheetColumns.h"
#include "chanforge/Records.h"
#include "chanforge/TableAccess.h"
#include "chanforge/xls/CodePage.h"
#include "chanforge/xls/Workbook.h"
#include "utils/Translatable.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>
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

/// A text's leading decimal number as the C library reads it (blanks, sign, digits); none when
/// the text does not start with one.
std::optional<std::int64_t> LeadingNumber(const std::string& text) {
    const char* start = text.c_str();
    char* end = nullptr;
    const long long value = std::strtoll(start, &end, 10);
    if (std::none_of(start, static_cast<const char*>(end),
                     [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    return value; // saturated beyond 64 bits: beyond every field all the same
}

/// A wide text as 8-bit units, '?' for what 8 bits cannot hold.
std::string Latin1(const std::u16string& text) {
    std::string out;
    for (char16_t c : text)
        out.push_back(c < 0x100 ? static_cast<char>(c) : '?');
    return out;
}

/// The text of a numeric column's cell (empty for an empty cell).
std::string CellText(const Worksheet& sheet, std::uint32_t row, std::uint32_t col) {
    switch (sheet.Kind(row, col)) {
    case CellKind::Integer:
        return std::to_string(sheet.GetInteger(row, col));
    case CellKind::Float: {
        char text[32];
        std::snprintf(text, sizeof text, "%.17g", sheet.GetFloat(row, col));
        return text;
    }
    case CellKind::Text:
        return *sheet.GetText(row, col);
    case CellKind::WideText:
        return Latin1(*sheet.GetWideText(row, col));
    case CellKind::Empty:
        break;
    }
    return {};
}

/// A numeric column: integers as they are, floats truncated toward zero, texts by their leading
/// decimal number; none for a text without one or a float that is no number.
std::optional<std::int64_t> NumericCell(const Worksheet& sheet, std::uint32_t row,
                                        std::uint32_t col) {
    switch (sheet.Kind(row, col)) {
    case CellKind::Integer:
        return sheet.GetInteger(row, col);
    case CellKind::Float:
        if (!std::isfinite(sheet.GetFloat(row, col)))
            return std::nullopt;
        return sheet.GetInteger(row, col);
    case CellKind::Text:
    case CellKind::WideText:
        return LeadingNumber(CellText(sheet, row, col));
    case CellKind::Empty:
        break;
    }
    return 0;
}

/// Enough of a cell's text to find it in the sheet; a message quotes no more.
std::string Excerpt(std::string text) {
    constexpr std::size_t kShown = 24;
    if (text.size() > kShown)
        text.replace(kShown - 3, std::string::npos, "...");
    return text;
}

struct FieldRange {
    std::int64_t low, high;
};

/// What a field takes; 32-bit fields also take the signed values of the same bits, as the
/// export writes them.
FieldRange RangeOf(const channel::Column& column) {
    switch (column.width) {
    case 1:
        return {0, 0xFF};
    case 2:
        return {0, 0xFFFF};
    default:
        return {std::numeric_limits<std::int32_t>::min(), 0xFFFFFFFF};
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

/// Reads a row into a channel; the first cell its column cannot take goes to refused (if it
/// holds none yet) and leaves that field 0.
chanforge::RowPtr<Channel_Info_Tag> ReadChannel(const Worksheet& sheet, std::uint32_t row,
                                                const CodePage& page, NameImport* names,
                                                std::optional<RefusedCell>& refused) {
    auto ch = chanforge::MakeRow<Channel_Info_Tag>();
    const auto& columns = channel::Columns();
    for (std::uint32_t col = 0; col < channel::kColumnCount; ++col) {
        if (col == channel::kNameColumn) {
            ReadName(sheet, row, page, names, *ch);
            continue;
        }
        const std::optional<std::int64_t> value = NumericCell(sheet, row, col);
        const FieldRange range = RangeOf(columns[col]);
        if (value && *value >= range.low && *value <= range.high)
            channel::WriteField(*ch, columns[col], *value);
        else if (!refused)
            refused = RefusedCell{row + 1, col,
                                  value ? RefusedCell::Fault::BeyondField
                                        : RefusedCell::Fault::NotANumber,
                                  Excerpt(CellText(sheet, row, col))};
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
                                     NameImport* names, RefusedCell* refused) {
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
    std::optional<RefusedCell> badCell;
    for (std::uint32_t r = 1; r < sheet->TotalRows(); ++r)
        rows.push_back(ReadChannel(*sheet, r, page, names, badCell));
    if (badCell) {
        if (refused != nullptr)
            *refused = *badCell;
        return WorkbookResult::CellRefused;
    }
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
    case WorkbookResult::CellRefused:
        return "The sheet \"Channel\" holds a value its column cannot take: correct it in the "
               "workbook";
    }
    return {};
}

namespace {

/// A column as the spreadsheet names it: A ... Z, AA ...
std::string ColumnLetters(std::uint32_t column) {
    std::string letters;
    for (std::uint32_t n = column + 1; n > 0; n = (n - 1) / 26)
        letters.insert(letters.begin(), static_cast<char>('A' + (n - 1) % 26));
    return letters;
}

} // namespace

utils::Phrase RefusedCellText(const RefusedCell& cell) {
    const channel::Column& column = channel::Columns()[cell.column];
    std::vector<utils::Phrase> args = {
        utils::Phrase::Verbatim(kSheetName), utils::Phrase::Number(cell.row),
        utils::Phrase::Verbatim(ColumnLetters(cell.column)), utils::Phrase::Verbatim(column.header),
        utils::Phrase::Verbatim(cell.found)};
    if (cell.fault == RefusedCell::Fault::NotANumber)
        return utils::Phrase(
            "Workbook",
            CF_TR_NOOP("Workbook", "Sheet \"%1\", row %2, column %3 (%4): \"%5\" is not a number"),
            std::move(args));
    const FieldRange range = RangeOf(column);
    args.push_back(utils::Phrase::Verbatim(std::to_string(range.low)));
    args.push_back(utils::Phrase::Verbatim(std::to_string(range.high)));
    return utils::Phrase(
        "Workbook",
        CF_TR_NOOP("Workbook", "Sheet \"%1\", row %2, column %3 (%4): %5 is outside %6 to %7"),
        std::move(args));
}

} // namespace chanforge::xls
