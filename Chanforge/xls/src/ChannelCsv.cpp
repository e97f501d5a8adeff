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

/// Appends a number field.
void AppendNumber(std::string& out, std::int32_t value) {
    char digits[16];
    out.append(digits, std::to_chars(digits, std::end(digits), value).ptr);
}

/// Appends the header record: the columns' headers, then the names mark.
void AppendHeader(std::string& out, char separator) {
    for (const channel::Column& column : channel::Columns()) {
        csv::AppendField(out, column.header, separator);
        out.push_back(separator);
    }
    csv::AppendField(out, channel::kNamesMark, separator);
    out += "\r\n";
}

/// Appends a channel's record: numbers as digits, the name as UTF-8.
void AppendChannel(std::string& out, const chanforge::Channel_Info_Tag& ch, char separator) {
    const auto& columns = channel::Columns();
    for (std::uint32_t col = 0; col < channel::kColumnCount; ++col) {
        if (col > 0)
            out.push_back(separator);
        if (col == channel::kNameColumn)
            csv::AppendField(out, channel::NameText(ch), separator);
        else
            AppendNumber(out, channel::ReadField(ch, columns[col]));
    }
    out += "\r\n";
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

/// Reads the records as the sheet: the header (its names mark tells how names are held), then
/// each record a channel, its fields the cells of a row.
class CsvRows {
  public:
    CsvRows(csv::TextEncoding encoding, NameImport* names, RefusedCell* refused)
        : encoding_(encoding), names_(names), refused_(refused) {}

    /// Reads a record as a row of the sheet; after the first that does not read, the records
    /// are only walked through, as a fault of the text itself comes first.
    void Take(const csv::Record& record) {
        if (malformed_)
            return;
        if (record.fields.size() < channel::kColumnCount) {
            malformed_ = Malformed(refused_, RefusedCell::Fault::TooFewFields, record.line, 0,
                                   std::to_string(record.fields.size()));
            return;
        }
        if (!reader_) {
            const bool marked = record.fields.size() > channel::kMarkColumn &&
                                record.fields[channel::kMarkColumn] == channel::kNamesMark;
            reader_.emplace(marked ? nullptr : &page_, names_);
            return;
        }
        for (std::uint32_t col = 0; col < channel::kColumnCount; ++col) {
            const std::string& field = record.fields[col];
            if (field.size() > kMaxCellText) {
                malformed_ =
                    Malformed(refused_, RefusedCell::Fault::FieldTooLong, record.line, col);
                return;
            }
            Cell(field, col == channel::kNameColumn, cells_[col]);
        }
        reader_->Read(cells_, record.line);
    }

    /// A fault of the text first, then what the rows made of their cells.
    WorkbookResult Finish(const csv::ReadEnd& end, tabstore::CQoDB& db) {
        if (end.fault)
            return Malformed(refused_, FaultOf(end.fault->fault), end.fault->line,
                             end.fault->field - 1);
        if (malformed_)
            return *malformed_;
        if (!reader_)
            return Malformed(refused_, RefusedCell::Fault::TooFewFields, 1, 0, "0");
        if (end.more)
            return WorkbookResult::TooManyChannels;
        const WorkbookResult result = reader_->Finish(db, refused_);
        if (refused_ != nullptr && result != WorkbookResult::Ok)
            refused_->textLine = true; // its row is the line
        return result;
    }

  private:
    /// A field as the sheet's cell: a number, the name (UTF-8, or the code page's characters in a
    /// file that is not UTF-8) or a text for the sheet's rules to read.
    void Cell(const std::string& field, bool name, channel::CellValue& cell) const {
        cell.kind = CellKind::Empty;
        if (name) {
            cell.kind = CellKind::WideText;
            cell.wide =
                encoding_ == csv::TextEncoding::Latin1 ? page_.Decode(field) : csv::FromUtf8(field);
        } else if (const auto number = PlainInteger(field)) {
            cell.kind = CellKind::Integer;
            cell.integer = *number;
        } else if (!field.empty()) {
            cell.kind = CellKind::Text;
            cell.text = field;
        }
    }

    const CodePage page_ = WorkbookCodePage();
    csv::TextEncoding encoding_;
    NameImport* names_;
    RefusedCell* refused_;
    std::optional<channel::RowReader> reader_; ///< from the header on
    channel::RowCells cells_;
    std::optional<WorkbookResult> malformed_;
};

} // namespace

std::string ChannelCsvText(tabstore::CQoDB& db, char separator) {
    std::string out(kByteOrderMark);
    out.reserve((db.Size(chanforge::kChannelTable) + 1) * 384);
    AppendHeader(out, separator);
    chanforge::ForEachRow<chanforge::Channel_Info_Tag>(
        db, chanforge::kChannelTable,
        [&](const chanforge::Channel_Info_Tag& ch) { AppendChannel(out, ch, separator); });
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
    CsvRows rows(csv::EncodingOf(text), names, refused);
    // The header with its names mark and the most channels a sheet holds: reading stops there.
    const csv::ReadEnd end = csv::ForEachRecord(
        text, csv::DetectSeparator(text), {channel::kMarkColumn + 1, kMaxWorkbookChannels + 1},
        [&](const csv::Record& record) { rows.Take(record); });
    return rows.Finish(end, db);
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
