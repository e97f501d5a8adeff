#include "chanforge/xls/Worksheet.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace chanforge::xls {

Worksheet::Worksheet(std::string name, std::shared_ptr<TextPool> pool)
    : name_(std::move(name)), pool_(std::move(pool)) {}

Worksheet::Worksheet(std::u16string name, std::shared_ptr<TextPool> pool)
    : name16_(std::move(name)), wideName_(true), pool_(std::move(pool)) {}

void Worksheet::SetName(std::string name) {
    name_ = std::move(name);
    name16_.clear();
    wideName_ = false;
}

void Worksheet::SetWideName(std::u16string name) {
    name16_ = std::move(name);
    name_.clear();
    wideName_ = true;
}

bool Worksheet::Touch(std::uint32_t row, std::uint32_t column) {
    if (row >= kMaxRows || column >= kMaxColumns)
        return false;
    totalRows_ = std::max(totalRows_, row + 1);
    totalColumns_ = std::max(totalColumns_, column + 1);
    return true;
}

const Cell* Worksheet::Find(std::uint32_t row, std::uint32_t column) const {
    if (row >= rows_.size() || column >= kMaxColumns)
        return nullptr;
    const std::vector<Cell>& cells = rows_[row];
    // Rows mostly hold every column from the first: the cell is at its column's index.
    if (column < cells.size() && cells[column].column == column)
        return &cells[column];
    const auto it =
        std::lower_bound(cells.begin(), cells.end(), column,
                         [](const Cell& c, std::uint32_t col) { return c.column < col; });
    return it != cells.end() && it->column == column ? &*it : nullptr;
}

Cell* Worksheet::Put(std::uint32_t row, std::uint32_t column) {
    if (!Touch(row, column))
        return nullptr;
    if (row >= rows_.size())
        rows_.resize(row + 1);
    std::vector<Cell>& cells = rows_[row];
    // A row is mostly as wide as the one before it.
    if (cells.empty() && row > 0)
        cells.reserve(rows_[row - 1].size());
    // Cells mostly arrive in column order: appending is the common case.
    if (cells.empty() || cells.back().column < column) {
        cells.push_back(Cell{static_cast<std::uint8_t>(column)});
        return &cells.back();
    }
    auto it = std::lower_bound(cells.begin(), cells.end(), column,
                               [](const Cell& c, std::uint32_t col) { return c.column < col; });
    if (it == cells.end() || it->column != column)
        it = cells.insert(it, Cell{static_cast<std::uint8_t>(column)});
    return &*it;
}

CellKind Worksheet::Kind(std::uint32_t row, std::uint32_t column) const {
    const Cell* c = Find(row, column);
    return c ? c->kind : CellKind::Empty;
}

std::int64_t Worksheet::GetInteger(std::uint32_t row, std::uint32_t column) const {
    const Cell* c = Find(row, column);
    if (c == nullptr)
        return 0;
    if (c->kind == CellKind::Integer)
        return c->integer;
    if (c->kind != CellKind::Float || std::isnan(c->number))
        return 0;
    // Converting an out-of-range double is undefined: saturate first.
    constexpr double kLimit = 9223372036854775807.0; // rounds to 2^63
    if (c->number >= kLimit)
        return std::numeric_limits<std::int64_t>::max();
    if (c->number <= -kLimit)
        return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(c->number);
}

double Worksheet::GetFloat(std::uint32_t row, std::uint32_t column) const {
    const Cell* c = Find(row, column);
    if (c == nullptr)
        return 0;
    if (c->kind == CellKind::Integer)
        return c->integer;
    return c->kind == CellKind::Float ? c->number : 0;
}

std::optional<std::string> Worksheet::GetText(std::uint32_t row, std::uint32_t column) const {
    const Cell* c = Find(row, column);
    if (c == nullptr || c->kind != CellKind::Text)
        return std::nullopt;
    return pool_->narrow[static_cast<std::uint32_t>(c->integer)];
}

std::optional<std::u16string> Worksheet::GetWideText(std::uint32_t row,
                                                     std::uint32_t column) const {
    const Cell* c = Find(row, column);
    if (c == nullptr || c->kind != CellKind::WideText)
        return std::nullopt;
    return pool_->wide[static_cast<std::uint32_t>(c->integer)];
}

bool Worksheet::SetInteger(std::uint32_t row, std::uint32_t column, std::int32_t value) {
    Cell* c = Put(row, column);
    if (c == nullptr)
        return false;
    c->kind = CellKind::Integer;
    c->integer = value;
    return true;
}

bool Worksheet::SetFloat(std::uint32_t row, std::uint32_t column, double value) {
    Cell* c = Put(row, column);
    if (c == nullptr)
        return false;
    c->kind = CellKind::Float;
    c->number = value;
    return true;
}

bool Worksheet::SetText(std::uint32_t row, std::uint32_t column, std::string_view text) {
    if (text.size() > kMaxCellText || row >= kMaxRows || column >= kMaxColumns)
        return false;
    pool_->narrow.emplace_back(text);
    return SetPooledText(row, column, CellKind::Text,
                         static_cast<std::uint32_t>(pool_->narrow.size() - 1));
}

bool Worksheet::SetWideText(std::uint32_t row, std::uint32_t column, std::u16string_view text) {
    if (text.size() > kMaxCellText || row >= kMaxRows || column >= kMaxColumns)
        return false;
    pool_->wide.emplace_back(text);
    return SetPooledText(row, column, CellKind::WideText,
                         static_cast<std::uint32_t>(pool_->wide.size() - 1));
}

bool Worksheet::SetPooledText(std::uint32_t row, std::uint32_t column, CellKind kind,
                              std::uint32_t index) {
    const std::size_t size = kind == CellKind::Text ? pool_->narrow.size() : pool_->wide.size();
    if ((kind != CellKind::Text && kind != CellKind::WideText) || index >= size)
        return false;
    Cell* c = Put(row, column);
    if (c == nullptr)
        return false;
    c->kind = kind;
    c->integer = static_cast<std::int32_t>(index);
    return true;
}

} // namespace chanforge::xls
