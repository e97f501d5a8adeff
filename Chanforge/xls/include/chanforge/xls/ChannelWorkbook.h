// The channel table as the sheet "Channel" of an Excel workbook: row 0 the column headers, then
// one channel per row, 60 columns matched by position. A name is text: its bytes read through
// the row's CodeTable, and stored back through it.
#pragma once

#include "tabstore/QoDB.h"
#include "utils/Phrase.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace chanforge::xls {

enum class [[nodiscard]] WorkbookResult{
    Ok,
    CannotOpen,        ///< the file could not be read
    NotRegularFile,    ///< a FIFO, device or folder
    NotAWorkbook,      ///< not a readable Excel 97-2003 workbook
    PasswordProtected, ///< encrypted: its records cannot be read
    TwoChannelSheets,  ///< export: the workbook already has more than one sheet "Channel"
    NoChannelSheet,    ///< import: a readable workbook without a sheet "Channel" (8-bit name)
    CannotWrite,       ///< export: nothing was written, an existing file is unchanged
    TooManyChannels,   ///< export: more channels than a sheet has rows; nothing was written
    NamesRefused,      ///< import: names the model cannot keep (RefusedCell); nothing replaced
    CellRefused,       ///< import: a cell its column cannot take (RefusedCell); nothing replaced
    CsvMalformed,      ///< import: a CSV file that does not read as the sheet (RefusedCell)
    OfficeOpenXml,     ///< an Excel 2007 or later workbook (.xlsx); nothing read or written
    OpenDocument,      ///< an OpenDocument spreadsheet (.ods); nothing read or written
};

/// A cell of the sheet "Channel" that its column cannot take, or where a CSV file stops reading
/// as the sheet.
struct RefusedCell {
    enum class Fault {
        BeyondField,
        NotANumber,
        NameRefused,       ///< reason says why
        UnterminatedQuote, ///< CSV only, from here on
        QuoteInField,
        TextAfterQuote,
        TooFewFields, ///< found: how many the line has
        FieldTooLong,
    };
    std::uint32_t row = 0;    ///< numbered as a spreadsheet shows them (the header is row 1)
    std::uint32_t column = 0; ///< from 0; shown as the spreadsheet's letters
    Fault fault = Fault::BeyondField;
    std::string found;     ///< the cell's value as text
    bool textLine = false; ///< a CSV file's: row is its line (from 1), column its field
    utils::Phrase reason;  ///< NameRefused: why the name cannot be stored
};

/// The operator's text for a refused cell: sheet, row, column (or a CSV file's line and field)
/// and what is wrong.
utils::Phrase RefusedCellText(const RefusedCell& cell);

/// What an import stores of a name, or why it refuses it.
struct ImportedName {
    std::optional<std::string> bytes; ///< none: refused
    utils::Phrase refusal;
};

/// How an import takes the sheet's names: `fit` is given a name as text (UTF-8) with its row's
/// code table and gives the bytes it is stored as, or why it is refused; refusedRows receives
/// the sheet rows refused (numbered as a spreadsheet shows them).
struct NameImport {
    std::function<ImportedName(std::string_view utf8, std::uint8_t codeTable)> fit;
    std::vector<std::uint32_t> refusedRows;
};

/// Most channels one sheet holds (its rows less the header row).
inline constexpr std::uint32_t kMaxWorkbookChannels = 65535;

/// Writes the channel table as the sheet "Channel" of the workbook at path, after the sheets it
/// already holds (a previous "Channel" sheet is replaced). A missing or unreadable file becomes
/// a new workbook with that sheet alone. The file is replaced only once the new one is complete.
WorkbookResult ExportChannelWorkbook(tabstore::CQoDB& db, const std::string& path);

/// Replaces the channel table with the rows of the sheet "Channel"; the new rows get the keys
/// 1, 2, 3 ... in sheet order. A file that cannot be read as a workbook changes nothing; a
/// workbook without the sheet leaves the channel table empty (NoChannelSheet). Only the channel
/// table is touched. With names, a name it refuses refuses the import (NamesRefused; the first
/// such name goes to refused); without, a character the code table lacks is stored as '?' and
/// a long name is cut. A sheet without the export's names mark (an earlier version's, or one
/// made by hand) is read as earlier versions read it, through the workbook code page; only a
/// name the code page cannot hold is read through its row's code table. A number
/// outside its field or a text that is no number refuses it too (CellRefused; the first such
/// cell in sheet order goes to refused when given): values are never cut to the field.
WorkbookResult ImportChannelWorkbook(const std::string& path, tabstore::CQoDB& db,
                                     NameImport* names = nullptr, RefusedCell* refused = nullptr);

/// The operator's text for a result (empty for Ok; translation context "Document").
std::string WorkbookMessage(WorkbookResult result);

/// OfficeOpenXml or OpenDocument for the first bytes of a spreadsheet this system cannot read,
/// so the operator learns how to save it instead; none for anything else.
std::optional<WorkbookResult> OtherSpreadsheet(std::span<const std::uint8_t> head);

} // namespace chanforge::xls
