#include "ChannelSheet.h"

#include "SheetColumns.h"
#include "chanforge/Records.h"
#include "chanforge/TableAccess.h"

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

void WriteChannel(Worksheet& sheet, std::uint32_t row, const Channel_Info_Tag& ch,
                  const CodePage& page) {
    const auto& columns = Columns();
    for (std::uint32_t col = 0; col < kColumnCount; ++col) {
        if (col == kNameColumn) {
            // The field may fill all its bytes without a NUL.
            const std::size_t length = strnlen(ch.Name, sizeof ch.Name);
            sheet.SetWideText(row, col, page.Decode(std::string_view(ch.Name, length)));
        } else {
            sheet.SetInteger(row, col, ReadField(ch, columns[col]));
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

void ReadName(const Worksheet& sheet, std::uint32_t row, const CodePage& page, NameImport* names,
              Channel_Info_Tag& ch) {
    std::string name;
    if (auto wide = sheet.GetWideText(row, kNameColumn))
        name = page.Encode(*wide);
    else if (auto narrow = sheet.GetText(row, kNameColumn))
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
    const auto& columns = Columns();
    for (std::uint32_t col = 0; col < kColumnCount; ++col) {
        if (col == kNameColumn) {
            ReadName(sheet, row, page, names, *ch);
            continue;
        }
        const std::optional<std::int64_t> value = NumericCell(sheet, row, col);
        const FieldRange range = RangeOf(columns[col]);
        if (value && *value >= range.low && *value <= range.high)
            WriteField(*ch, columns[col], *value);
        else if (!refused)
            refused = RefusedCell{row + 1, col,
                                  value ? RefusedCell::Fault::BeyondField
                                        : RefusedCell::Fault::NotANumber,
                                  Excerpt(CellText(sheet, row, col))};
    }
    return ch;
}

} // namespace

void FillSheet(tabstore::CQoDB& db, Worksheet& sheet, const CodePage& page) {
    const auto& columns = Columns();
    for (std::uint32_t col = 0; col < kColumnCount; ++col)
        sheet.SetText(0, col, columns[col].header);
    std::uint32_t row = 1;
    chanforge::ForEachRow<Channel_Info_Tag>(db, kChannelTable, [&](const Channel_Info_Tag& ch) {
        WriteChannel(sheet, row++, ch, page);
    });
}

WorkbookResult ReadSheet(const Worksheet& sheet, const CodePage& page, tabstore::CQoDB& db,
                         NameImport* names, RefusedCell* refused) {
    // Build every record first so that the table changes only once the sheet has been read.
    std::vector<chanforge::RowPtr<Channel_Info_Tag>> rows;
    std::optional<RefusedCell> badCell;
    for (std::uint32_t r = 1; r < sheet.TotalRows(); ++r)
        rows.push_back(ReadChannel(sheet, r, page, names, badCell));
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

} // namespace chanforge::xls::channel
