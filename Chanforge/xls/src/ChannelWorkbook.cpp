#include "chanforge/xls/ChannelWorkbook.h"

#include "ChannelSheet.h"
#include "SheetColumns.h"
#include "chanforge/Records.h"
#include "chanforge/xls/CodePage.h"
#include "chanforge/xls/Workbook.h"
#include "utils/Files.h"
#include "utils/Translatable.h"

#include <optional>
#include <string_view>
#include <vector>

namespace chanforge::xls {

namespace {

using chanforge::kChannelTable;

constexpr const char* kSheetName = "Channel";

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

/// OfficeOpenXml or OpenDocument when a file that did not load as a workbook is one of those.
std::optional<WorkbookResult> OtherSpreadsheetAt(const std::string& path, XlsResult loaded) {
    std::vector<std::uint8_t> bytes;
    if (loaded != XlsResult::NotCompoundFile || !utils::ReadWholeFile(path, bytes).ok())
        return std::nullopt;
    return OtherSpreadsheet(bytes);
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
    if (auto other = OtherSpreadsheetAt(path, loaded))
        return *other;
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

    channel::FillSheet(db, *sheet);
    return book.SaveAs(path) == XlsResult::Ok ? WorkbookResult::Ok : WorkbookResult::CannotWrite;
}

WorkbookResult ImportChannelWorkbook(const std::string& path, tabstore::CQoDB& db,
                                     NameImport* names, RefusedCell* refused) {
    Workbook book;
    if (XlsResult r = book.Load(path); r != XlsResult::Ok)
        return OtherSpreadsheetAt(path, r).value_or(FromLoad(r));
    const Worksheet* sheet = book.GetWorksheet(kSheetName);
    if (sheet == nullptr) {
        db.Clear(kChannelTable);
        return WorkbookResult::NoChannelSheet;
    }
    return channel::ReadSheet(*sheet, WorkbookCodePage(), db, names, refused);
}

std::optional<WorkbookResult> OtherSpreadsheet(std::span<const std::uint8_t> head) {
    const std::string_view text(reinterpret_cast<const char*>(head.data()), head.size());
    if (!text.starts_with("PK\x03\x04"))
        return std::nullopt;
    // An OpenDocument file opens with its stored "mimetype" entry; any other zip we are given
    // as a spreadsheet is the newer Excel format.
    constexpr std::size_t kMimeEnd = 100;
    if (text.substr(0, kMimeEnd).find("application/vnd.oasis.opendocument.spreadsheet") !=
        std::string_view::npos)
        return WorkbookResult::OpenDocument;
    return WorkbookResult::OfficeOpenXml;
}

std::string WorkbookMessage(WorkbookResult result) {
    switch (result) {
    case WorkbookResult::Ok:
        return {};
    case WorkbookResult::CannotOpen:
        return CF_TR_NOOP("Document", "Cannot open the workbook file");
    case WorkbookResult::NotRegularFile:
        return CF_TR_NOOP("Document", "Cannot open the workbook file: not a regular file");
    case WorkbookResult::NotAWorkbook:
        return CF_TR_NOOP("Document", "Not a readable Excel 97-2003 workbook");
    case WorkbookResult::PasswordProtected:
        return CF_TR_NOOP("Document", "The workbook is password-protected");
    case WorkbookResult::TwoChannelSheets:
        return CF_TR_NOOP("Document",
                          "The workbook has two sheets \"Channel\": cannot tell which to replace");
    case WorkbookResult::NoChannelSheet:
        return CF_TR_NOOP("Document", "The workbook has no sheet \"Channel\"");
    case WorkbookResult::CannotWrite:
        return CF_TR_NOOP("Document", "Cannot write the workbook file");
    case WorkbookResult::NamesRefused:
        return CF_TR_NOOP("Document",
                          "The channel sheet holds names the receiver cannot keep: correct them "
                          "in the rows named, or open it with the names cut to fit");
    case WorkbookResult::TooManyChannels:
        return CF_TR_NOOP("Document", "Too many channels for one worksheet (at most 65535)");
    case WorkbookResult::CellRefused:
        return CF_TR_NOOP("Document", "The channel sheet holds a value its column cannot take: "
                                      "correct it in the file");
    case WorkbookResult::CsvMalformed:
        return CF_TR_NOOP("Document", "The CSV file does not read as the channel sheet: correct "
                                      "it at the line named");
    case WorkbookResult::OfficeOpenXml:
        return CF_TR_NOOP("Document",
                          "This is an Excel 2007 or later workbook (.xlsx). Save it as Excel "
                          "97-2003 (.xls) or CSV in your spreadsheet program.");
    case WorkbookResult::OpenDocument:
        return CF_TR_NOOP("Document",
                          "This is an OpenDocument spreadsheet (.ods). Save it as Excel 97-2003 "
                          "(.xls) or CSV in your spreadsheet program.");
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

utils::Phrase Text(const char* source, std::vector<utils::Phrase> args) {
    return utils::Phrase("Workbook", source, std::move(args));
}

/// Where a CSV file stops reading as the sheet, by its line and field.
utils::Phrase CsvFaultText(const RefusedCell& cell) {
    using Fault = RefusedCell::Fault;
    std::vector<utils::Phrase> args = {utils::Phrase::Number(cell.row),
                                       utils::Phrase::Number(std::uint64_t{cell.column} + 1)};
    switch (cell.fault) {
    case Fault::UnterminatedQuote:
        return Text(CF_TR_NOOP("Workbook", "Line %1, field %2: the quoted text is never closed"),
                    std::move(args));
    case Fault::QuoteInField:
        return Text(CF_TR_NOOP("Workbook", "Line %1, field %2: a quote inside a field that does "
                                           "not start with one"),
                    std::move(args));
    case Fault::TextAfterQuote:
        return Text(CF_TR_NOOP("Workbook", "Line %1, field %2: text after the closing quote"),
                    std::move(args));
    case Fault::FieldTooLong:
        args.push_back(utils::Phrase::Number(kMaxCellText));
        return Text(CF_TR_NOOP("Workbook", "Line %1, field %2: longer than %3 characters"),
                    std::move(args));
    default:
        return Text(CF_TR_NOOP("Workbook", "Line %1 has %2 fields; the channel sheet has %3"),
                    {utils::Phrase::Number(cell.row), utils::Phrase::Verbatim(cell.found),
                     utils::Phrase::Number(channel::kColumnCount)});
    }
}

} // namespace

utils::Phrase RefusedCellText(const RefusedCell& cell) {
    using Fault = RefusedCell::Fault;
    const bool value = cell.fault == Fault::NotANumber || cell.fault == Fault::BeyondField;
    const bool name = cell.fault == Fault::NameRefused;
    if ((!value && !name) || cell.column >= channel::kColumnCount)
        return CsvFaultText(cell);
    const channel::Column& column = channel::Columns()[cell.column];
    std::vector<utils::Phrase> args;
    if (cell.textLine)
        args = {utils::Phrase::Number(cell.row),
                utils::Phrase::Number(std::uint64_t{cell.column} + 1),
                utils::Phrase::Verbatim(column.header)};
    else
        args = {utils::Phrase::Verbatim(kSheetName), utils::Phrase::Number(cell.row),
                utils::Phrase::Verbatim(ColumnLetters(cell.column)),
                utils::Phrase::Verbatim(column.header)};
    if (name) {
        args.push_back(cell.reason);
        return Text(cell.textLine
                        ? CF_TR_NOOP("Workbook", "Line %1, field %2 (%3): %4")
                        : CF_TR_NOOP("Workbook", "Sheet \"%1\", row %2, column %3 (%4): %5"),
                    std::move(args));
    }
    args.push_back(utils::Phrase::Verbatim(cell.found));
    if (cell.fault == Fault::NotANumber)
        return Text(cell.textLine
                        ? CF_TR_NOOP("Workbook", "Line %1, field %2 (%3): \"%4\" is not a number")
                        : CF_TR_NOOP("Workbook", "Sheet \"%1\", row %2, column %3 (%4): "
                                                 "\"%5\" is not a number"),
                    std::move(args));
    const channel::FieldRange range = channel::RangeOf(column);
    args.push_back(utils::Phrase::Verbatim(std::to_string(range.low)));
    args.push_back(utils::Phrase::Verbatim(std::to_string(range.high)));
    return Text(cell.textLine
                    ? CF_TR_NOOP("Workbook", "Line %1, field %2 (%3): %4 is outside %5 to %6")
                    : CF_TR_NOOP("Workbook",
                                 "Sheet \"%1\", row %2, column %3 (%4): %5 is outside %6 to %7"),
                std::move(args));
}

} // namespace chanforge::xls
