#include "ChannelSheet.h"

#include "SheetColumns.h"
#include "chanforge/Records.h"
#include "chanforge/TableAccess.h"
#include "chanforge/csv/TextEncoding.h"
#include "utils/CodeTable.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <vector>

namespace chanforge::xls::channel {

namespace {

using chanforge::Channel_Info_Tag;
using chanforge::kChannelTable;

/// Name bytes that fit the record beside its terminating NUL.
constexpr std::size_t kNameLimit = chanforge::kChannelNameSize - 1;

void WriteChannel(Worksheet& sheet, std::uint32_t row, const Channel_Info_Tag& ch) {
    const auto& columns = Columns();
    for (std::uint32_t col = 0; col < kColumnCount; ++col) {
        if (col == kNameColumn)
            sheet.SetWideText(row, col, csv::FromUtf8(NameText(ch)));
        else
            sheet.SetInteger(row, col, ReadField(ch, columns[col]));
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
std::string CellText(const CellValue& cell) {
    switch (cell.kind) {
    case CellKind::Integer:
        return std::to_string(cell.integer);
    case CellKind::Float: {
        char text[32];
        std::snprintf(text, sizeof text, "%.17g", cell.number);
        return text;
    }
    case CellKind::Text:
        return cell.text;
    case CellKind::WideText:
        return Latin1(cell.wide);
    case CellKind::Empty:
        break;
    }
    return {};
}

/// A numeric column: integers as they are, floats truncated toward zero, texts by their leading
/// decimal number; none for a text without one or a float that is no number.
std::optional<std::int64_t> NumericCell(const CellValue& cell) {
    switch (cell.kind) {
    case CellKind::Integer:
        return cell.integer;
    case CellKind::Float:
        if (!std::isfinite(cell.number))
            return std::nullopt;
        return cell.integer;
    case CellKind::Text:
    case CellKind::WideText:
        return LeadingNumber(CellText(cell));
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

/// The name cell as text (UTF-8) in the row's code table. In a sheet without the mark (legacy,
/// its code page) a wide text the code page holds stands for those bytes and an 8-bit text for
/// its own bytes, as earlier versions read them; otherwise a text is the characters it holds.
std::string NameCellText(const CellValue& cell, std::uint8_t codeTable, const CodePage* legacy) {
    if (cell.kind == CellKind::WideText) {
        if (legacy != nullptr && legacy->Holds(cell.wide))
            return utils::NameToUtf8(legacy->Encode(cell.wide), codeTable);
        return csv::ToUtf8(cell.wide);
    }
    if (cell.kind == CellKind::Text) {
        const std::string_view units = std::string_view(cell.text).substr(0, cell.text.find('\0'));
        // An 8-bit text's units are the first 256 characters: table 0, Latin-1, reads them so.
        return utils::NameToUtf8(units, legacy != nullptr ? codeTable : 0);
    }
    return {};
}

/// The bytes a name is stored as; none when names refuses it (why says so). Without names, a
/// character the table lacks becomes '?' and the name is cut to the field.
std::optional<std::string> StoredName(std::string_view text, std::uint8_t codeTable,
                                      NameImport* names, utils::Phrase& why) {
    if (names != nullptr && names->fit) {
        ImportedName taken = names->fit(text, codeTable);
        why = std::move(taken.refusal);
        return std::move(taken.bytes);
    }
    std::string bytes = utils::NameFromUtf8(text.substr(0, text.find('\0')), codeTable, true).bytes;
    bytes.resize(std::min(bytes.size(), kNameLimit));
    return bytes;
}

bool HasNamesMark(const Worksheet& sheet) {
    const std::optional<std::string> mark = sheet.GetText(0, kMarkColumn);
    return mark == kNamesMark;
}

/// The cells of a sheet row in the columns of the channel sheet.
void SheetRow(const Worksheet& sheet, std::uint32_t row, RowCells& cells) {
    for (std::uint32_t col = 0; col < kColumnCount; ++col) {
        CellValue& cell = cells[col];
        cell.kind = sheet.Kind(row, col);
        cell.integer = sheet.GetInteger(row, col);
        cell.number = sheet.GetFloat(row, col);
        if (cell.kind == CellKind::Text)
            cell.text = *sheet.GetText(row, col);
        if (cell.kind == CellKind::WideText)
            cell.wide = *sheet.GetWideText(row, col);
    }
}

} // namespace

std::string NameText(const Channel_Info_Tag& ch) {
    // The field may fill all its bytes without a NUL.
    return utils::NameToUtf8(std::string_view(ch.Name, strnlen(ch.Name, sizeof ch.Name)),
                             ch.CodeTable);
}

void FillSheet(tabstore::CQoDB& db, Worksheet& sheet) {
    const auto& columns = Columns();
    for (std::uint32_t col = 0; col < kColumnCount; ++col)
        sheet.SetText(0, col, columns[col].header);
    sheet.SetText(0, kMarkColumn, kNamesMark);
    std::uint32_t row = 1;
    chanforge::ForEachRow<Channel_Info_Tag>(
        db, kChannelTable, [&](const Channel_Info_Tag& ch) { WriteChannel(sheet, row++, ch); });
}

WorkbookResult ReadSheet(const Worksheet& sheet, const CodePage& page, tabstore::CQoDB& db,
                         NameImport* names, RefusedCell* refused) {
    RowReader reader(HasNamesMark(sheet) ? nullptr : &page, names);
    RowCells cells;
    for (std::uint32_t r = 1; r < sheet.TotalRows(); ++r) {
        SheetRow(sheet, r, cells);
        reader.Read(cells, r + 1);
    }
    return reader.Finish(db, refused);
}

void RowReader::Read(const RowCells& cells, std::uint32_t shown) {
    auto ch = chanforge::MakeRow<Channel_Info_Tag>();
    const auto& columns = Columns();
    for (std::uint32_t col = 0; col < kColumnCount; ++col) {
        if (col == kNameColumn)
            continue;
        const std::optional<std::int64_t> value = NumericCell(cells[col]);
        const FieldRange range = RangeOf(columns[col]);
        if (value && *value >= range.low && *value <= range.high)
            WriteField(*ch, columns[col], *value);
        else if (!cellRefused_)
            cellRefused_ = RefusedCell{shown,
                                       col,
                                       value ? RefusedCell::Fault::BeyondField
                                             : RefusedCell::Fault::NotANumber,
                                       Excerpt(CellText(cells[col])),
                                       false,
                                       {}};
    }
    // The name is read last, in the row's code table.
    ReadName(cells[kNameColumn], shown, *ch);
    rows_.push_back(std::move(ch));
}

void RowReader::ReadName(const CellValue& cell, std::uint32_t shown, Channel_Info_Tag& ch) {
    const std::string text = NameCellText(cell, ch.CodeTable, legacy_);
    utils::Phrase why;
    const std::optional<std::string> stored = StoredName(text, ch.CodeTable, names_, why);
    if (!stored) {
        names_->refusedRows.push_back(shown);
        if (!nameRefused_)
            nameRefused_ = RefusedCell{shown, kNameColumn, RefusedCell::Fault::NameRefused,
                                       {},    false,       std::move(why)};
        return;
    }
    // The record is zero-filled, so the NUL is there; a name ends at its first NUL.
    const std::string_view bytes = std::string_view(*stored).substr(0, stored->find('\0'));
    std::memcpy(ch.Name, bytes.data(), std::min(bytes.size(), kNameLimit));
}

WorkbookResult RowReader::Finish(tabstore::CQoDB& db, RefusedCell* refused) {
    const std::optional<RefusedCell>& first = cellRefused_ ? cellRefused_ : nameRefused_;
    if (first && refused != nullptr)
        *refused = *first;
    if (first)
        return cellRefused_ ? WorkbookResult::CellRefused : WorkbookResult::NamesRefused;
    db.Clear(kChannelTable);
    for (auto& ch : rows_)
        chanforge::AppendRow(db, kChannelTable, std::move(ch));
    rows_.clear();
    return WorkbookResult::Ok;
}

} // namespace chanforge::xls::channel
