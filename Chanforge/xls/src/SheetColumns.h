// The columns of the sheet "Channel": header text and the channel field each one holds.
#pragma once

#include "chanforge/Records.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace chanforge::xls::channel {

inline constexpr std::uint32_t kColumnCount = 60;
inline constexpr std::uint32_t kNameColumn = 13;

/// Beside the header, after the last column: a sheet that carries it holds each name as text in
/// its row's CodeTable. Sheets without it (an earlier export, one made by hand) hold names in the
/// workbook code page.
inline constexpr std::uint32_t kMarkColumn = kColumnCount;
inline constexpr const char* kNamesMark = "Names in CodeTable";

struct Column {
    std::string header;
    std::size_t offset; ///< of the field in Channel_Info_Tag
    std::size_t width;  ///< 1, 2 or 4 bytes; 0 for the name
};

/// The 60 columns in sheet order.
const std::array<Column, kColumnCount>& Columns();

/// The field's value, widened (u32 fields as the signed integer with the same bits).
std::int32_t ReadField(const chanforge::Channel_Info_Tag& ch, const Column& column);
struct FieldRange {
    std::int64_t low, high;
};
/// What a field takes; 32-bit fields also take the signed values of the same bits, as the
/// export writes them.
FieldRange RangeOf(const Column& column);

/// Stores the low 8, 16 or 32 bits of value into the field.
void WriteField(chanforge::Channel_Info_Tag& ch, const Column& column, std::int64_t value);

} // namespace chanforge::xls::channel
