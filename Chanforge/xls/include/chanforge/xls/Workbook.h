// An Excel 97-2003 workbook (BIFF8 records in the "Workbook" stream of a compound file), reduced
// to named worksheets holding integer, floating and text cells (a boolean loads as the integer 0
// or 1, an error value as the text a spreadsheet shows for it).
//
// Saving writes a fixed set of workbook-global records (one window, four fonts, 21 cell formats,
// six styles) and, per sheet, the cells with their row index. Everything else a loaded file held
// (number formats, column widths, names, charts) is dropped.
#pragma once

#include "chanforge/xls/Worksheet.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace chanforge::xls {

enum class [[nodiscard]] XlsResult{
    Ok,
    CannotOpen,       ///< the file could not be read
    NotRegularFile,   ///< a FIFO, device or folder
    NotCompoundFile,  ///< not a compound file at all
    NoWorkbookStream, ///< no "Workbook" stream, nor a "Book" stream of Excel 97 records
    Corrupt,          ///< the container or the records are inconsistent or truncated
    Encrypted,        ///< protected with a password: the records cannot be read
    CannotWrite,      ///< the file could not be written; an existing file is unchanged
    TooLarge,
};

class Workbook {
  public:
    Workbook();

    /// A workbook with n empty sheets named "Sheet1", "Sheet2", ...
    static Workbook New(int sheets);

    /// Replaces the content with the workbook in the file; on failure the workbook is empty.
    XlsResult Load(const std::string& path);
    /// The same from a compound file image in memory.
    XlsResult LoadImage(std::span<const std::uint8_t> image);
    /// The same from the bytes of a "Workbook" stream.
    XlsResult LoadStream(std::span<const std::uint8_t> stream);

    /// Writes the workbook to path through a temporary file (an existing file is kept on failure).
    XlsResult SaveAs(const std::string& path) const;
    /// The compound file image that SaveAs writes.
    std::vector<std::uint8_t> SaveImage() const;
    /// The "Workbook" stream that SaveImage stores.
    std::vector<std::uint8_t> SaveStream() const;

    std::size_t SheetCount() const { return sheets_.size(); }
    Worksheet& Sheet(std::size_t index) { return *sheets_[index]; }
    const Worksheet& Sheet(std::size_t index) const { return *sheets_[index]; }

    /// The sheet with this 8-bit name, compared byte for byte; sheets named in UTF-16 never match.
    Worksheet* GetWorksheet(std::string_view name);
    /// Adds an empty sheet at position (-1 or beyond the end: after the last); null when the name
    /// is taken (as GetWorksheet finds names), empty or longer than kMaxSheetName.
    Worksheet* AddWorksheet(std::string_view name, int position = -1);
    /// Adds a sheet named in UTF-16; taken when a UTF-16 name is equal.
    Worksheet* AddWorksheet(std::u16string_view name, int position = -1);
    /// Adds a sheet named "Sheet<n>" with the lowest n from the sheet count + 1 that is free.
    Worksheet* AddNumberedWorksheet(int position = -1);
    bool DeleteWorksheet(std::string_view name);
    /// False when the old name is not found or the new one is taken or invalid.
    bool RenameWorksheet(std::string_view oldName, std::string_view newName);

  private:
    Worksheet* Insert(std::unique_ptr<Worksheet> sheet, int position);
    bool WideNameTaken(std::u16string_view name) const;

    std::shared_ptr<TextPool> pool_;
    std::vector<std::unique_ptr<Worksheet>> sheets_;
};

} // namespace chanforge::xls
