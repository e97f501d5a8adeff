// One worksheet of a workbook: a name and integer, floating and text cells by row and column.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace chanforge::xls {

inline constexpr std::uint32_t kMaxRows = 65536;
inline constexpr std::uint32_t kMaxColumns = 256;
/// Longest text a cell holds, in characters (the limit of spreadsheet programs).
inline constexpr std::size_t kMaxCellText = 32767;
/// Longest sheet name, in characters.
inline constexpr std::size_t kMaxSheetName = 31;

enum class CellKind : std::uint8_t { Empty = 0, Integer = 1, Float = 2, Text = 3, WideText = 4 };

/// Texts of the cells of one workbook. 8-bit texts hold one byte per character (the code units
/// 0 to 255 of a compressed string); wide texts hold UTF-16. Cells refer to entries by index, so
/// many cells can share one string without copying it.
struct TextPool {
    std::vector<std::string> narrow;
    std::vector<std::u16string> wide;
};

/// A stored cell. Texts are indices into the workbook's TextPool.
struct Cell {
    std::uint8_t column = 0;
    CellKind kind = CellKind::Empty;
    std::int32_t integer = 0; ///< Integer: the value; Text/WideText: the pool index
    double number = 0;        ///< Float: the value
};

class Worksheet {
  public:
    Worksheet(std::string name, std::shared_ptr<TextPool> pool);
    Worksheet(std::u16string name, std::shared_ptr<TextPool> pool);

    /// True when the name is stored as UTF-16; an 8-bit lookup never matches such a sheet.
    bool HasWideName() const { return wideName_; }
    const std::string& Name() const { return name_; }
    const std::u16string& WideName() const { return name16_; }
    void SetName(std::string name);
    void SetWideName(std::u16string name);

    /// One more than the highest row / column that has been used.
    std::uint32_t TotalRows() const { return totalRows_; }
    std::uint32_t TotalColumns() const { return totalColumns_; }
    /// Enlarges the sheet to include (row, column); false (nothing changes) outside the limits.
    bool Touch(std::uint32_t row, std::uint32_t column);

    CellKind Kind(std::uint32_t row, std::uint32_t column) const;
    /// Integer cells give their value, floating cells their value truncated toward zero (NaN as
    /// 0, beyond the 64-bit range saturated); every other cell 0.
    std::int64_t GetInteger(std::uint32_t row, std::uint32_t column) const;
    /// Integer and floating cells give their value, every other cell 0.
    double GetFloat(std::uint32_t row, std::uint32_t column) const;
    std::optional<std::string> GetText(std::uint32_t row, std::uint32_t column) const;
    std::optional<std::u16string> GetWideText(std::uint32_t row, std::uint32_t column) const;

    /// Setters give false, changing nothing, for a cell outside the limits or a text longer than
    /// kMaxCellText.
    bool SetInteger(std::uint32_t row, std::uint32_t column, std::int32_t value);
    bool SetFloat(std::uint32_t row, std::uint32_t column, double value);
    bool SetText(std::uint32_t row, std::uint32_t column, std::string_view text);
    bool SetWideText(std::uint32_t row, std::uint32_t column, std::u16string_view text);
    /// Points the cell at an existing pool entry (the loader shares shared strings this way).
    bool SetPooledText(std::uint32_t row, std::uint32_t column, CellKind kind, std::uint32_t index);

    /// Stored cells by row, each row ordered by column; may hold Empty cells and empty rows.
    const std::vector<std::vector<Cell>>& Rows() const { return rows_; }

  private:
    const Cell* Find(std::uint32_t row, std::uint32_t column) const;
    /// The stored cell at (row, column), created when absent; null outside the limits.
    Cell* Put(std::uint32_t row, std::uint32_t column);

    std::string name_;
    std::u16string name16_;
    bool wideName_ = false;
    std::shared_ptr<TextPool> pool_;
    std::vector<std::vector<Cell>> rows_;
    std::uint32_t totalRows_ = 0;
    std::uint32_t totalColumns_ = 0;
};

} // namespace chanforge::xls
