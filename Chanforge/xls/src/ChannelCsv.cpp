#include "chanforge/xls/ChannelCsv.h"

#include "ChannelSheet.h"
#include "SheetColumns.h"
#include "chanforge/Records.h"
#include "chanforge/csv/Csv.h"
#include "chanforge/csv/TextEncoding.h"
#include "utils/Files.h"

#include <charconv>
#include <iterator>
#include <memory>
#include <optional>

namespace chanforge::xls {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

/// Appends a cell as its field: numbers as digits, texts as UTF-8.
void AppendCell(std::string& out, const Worksheet& sheet, std::uint32_t row, std::uint32_t col,
                char separator) {
    switch (sheet.Kind(row, col)) {
    case CellKind::Integer: {
        char digits[16];
        const auto end = std::to_chars(digits, std::end(digits), sheet.GetInteger(row, col)).ptr;
        out.append(digits, end);
        break;
    }
    case CellKind::Text:
        csv::AppendField(out, *sheet.GetText(row, col), separator);
        break;
    case CellKind::WideText:
        csv::AppendField(out, csv::ToUtf8(*sheet.GetWideText(row, col)), separator);
        break;
    default:
        break;
    }
}

/// A field that is a number and nothing else, within an integer cell's range: most fields, and
/// no text the sheet's rules would read otherwise.
std::optional<std::int32_t> PlainInteger(std::string_view field) {
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (field.empty() || error != std::errc() || end != field.data() + field.size())
        return std::nullopt;
    return value;
}

RefusedCell::Fault FaultOf(csv::Fault fault) {
    switch (fault) {
    case csv::Fault::UnterminatedQuote:
        return RefusedCell::Fault::UnterminatedQuote;
    case csv::Fault::QuoteInField:
        return RefusedCell::Fault::QuoteInField;
    case csv::Fault::TextAfterQuote:
        break;
    }
    return RefusedCell::Fault::TextAfterQuote;
}

/// A fault of the text itself, before any value is read.
WorkbookResult Malformed(RefusedCell* refused, RefusedCell::Fault fault, std::uint32_t line,
                         std::uint32_t column, std::string found = {}) {
    if (refused != nullptr)
        *refused = RefusedCell{line, column, fault, std::move(found), true, {}};
    return WorkbookResult::CsvMalformed;
}

/// The name field as the sheet's wide text: UTF-8, or the code page's characters in a file that
/// is not UTF-8.
std::u16string NameText(std::string_view field, csv::TextEncoding encoding, const CodePage& page) {
    return encoding == csv::TextEncoding::Latin1 ? page.Decode(field) : csv::FromUtf8(field);
}

/// Lays the records out as the sheet: numbers as the texts they are, so the sheet's rules read
/// them; the first record (the header) stays row 0, keeping only the names mark.
std::optional<WorkbookResult> FillSheet(const csv::Table& table, csv::TextEncoding encoding,
                                        const CodePage& page, Worksheet& sheet,
                                        RefusedCell* refused) {
    for (std::uint32_t row = 0; row < table.records.size(); ++row) {
        const csv::Record& record = table.records[row];
        if (record.fields.size() < channel::kColumnCount)
            return Malformed(refused, RefusedCell::Fault::TooFewFields, record.line, 0,
                             std::to_string(record.fields.size()));
        sheet.Touch(row, 0); // a row of empty fields is a channel of zeros, as in a workbook
        if (row == 0 && record.fields.size() > channel::kMarkColumn)
            sheet.SetText(0, channel::kMarkColumn, record.fields[channel::kMarkColumn]);
        for (std::uint32_t col = 0; row > 0 && col < channel::kColumnCount; ++col) {
            const std::string& field = record.fields[col];
            if (field.size() > kMaxCellText)
                return Malformed(refused, RefusedCell::Fault::FieldTooLong, record.line, col);
            if (col == channel::kNameColumn)
                sheet.SetWideText(row, col, NameText(field, encoding, page));
            else if (const auto number = PlainInteger(field))
                sheet.SetInteger(row, col, *number);
            else if (!field.empty())
                sheet.SetText(row, col, field);
        }
    }
    return std::nullopt;
}

} // namespace

std::string ChannelCsvText(tabstore::CQoDB& db, char separator) {
    Worksheet sheet("Channel", std::make_shared<TextPool>());
    channel::FillSheet(db, sheet);
    std::string out(kByteOrderMark);
    out.reserve(std::size_t{sheet.TotalRows()} * 384);
    for (std::uint32_t row = 0; row < sheet.TotalRows(); ++row) {
        // The header alone carries the names mark beyond the columns.
        const std::uint32_t fields = row == 0 ? channel::kMarkColumn + 1 : channel::kColumnCount;
        for (std::uint32_t col = 0; col < fields; ++col) {
            if (col > 0)
                out.push_back(separator);
            AppendCell(out, sheet, row, col, separator);
        }
        out += "\r\n";
    }
    return out;
}

WorkbookResult ExportChannelCsv(tabstore::CQoDB& db, const std::string& path, char separator) {
    if (db.Size(chanforge::kChannelTable) > kMaxWorkbookChannels)
        return WorkbookResult::TooManyChannels;
    const std::string text = ChannelCsvText(db, separator);
    const std::span<const std::uint8_t> bytes(reinterpret_cast<const std::uint8_t*>(text.data()),
                                              text.size());
    return utils::ReplaceFile(path, bytes).ok() ? WorkbookResult::Ok : WorkbookResult::CannotWrite;
}

WorkbookResult ReadChannelCsv(std::span<const std::uint8_t> bytes, tabstore::CQoDB& db,
                              NameImport* names, RefusedCell* refused) {
    if (auto other = OtherSpreadsheet(bytes))
        return *other;
    const std::string_view text = csv::WithoutByteOrderMark(
        std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    // The header with its names mark and the most channels a sheet holds: a larger file is
    // refused unread.
    const csv::Table table = csv::Read(text, csv::DetectSeparator(text),
                                       {channel::kMarkColumn + 1, kMaxWorkbookChannels + 1});
    if (table.fault)
        return Malformed(refused, FaultOf(table.fault->fault), table.fault->line,
                         table.fault->field - 1);
    if (table.records.empty())
        return Malformed(refused, RefusedCell::Fault::TooFewFields, 1, 0, "0");
    if (table.more)
        return WorkbookResult::TooManyChannels;

    const CodePage page = WorkbookCodePage();
    Worksheet sheet("Channel", std::make_shared<TextPool>());
    if (auto failed = FillSheet(table, csv::EncodingOf(text), page, sheet, refused))
        return *failed;
    const WorkbookResult result = channel::ReadSheet(sheet, page, db, names, refused);
    // The sheet counts rows; the operator finds lines.
    const bool placed =
        result == WorkbookResult::CellRefused || result == WorkbookResult::NamesRefused;
    if (placed && refused != nullptr) {
        refused->row = table.records[refused->row - 1].line;
        refused->textLine = true;
    }
    if (names != nullptr)
        for (std::uint32_t& row : names->refusedRows)
            row = table.records[row - 1].line;
    return result;
}

WorkbookResult ImportChannelCsv(const std::string& path, tabstore::CQoDB& db, NameImport* names,
                                RefusedCell* refused) {
    std::vector<std::uint8_t> bytes;
    const utils::FileResult read = utils::ReadWholeFile(path, bytes);
    if (!read.ok())
        return read.status == utils::FileStatus::NotRegularFile ? WorkbookResult::NotRegularFile
                                                                : WorkbookResult::CannotOpen;
    return ReadChannelCsv(bytes, db, names, refused);
}

} // namespace chanforge::xls
