// The upper halves of the character tables a channel's code table byte selects (generated data).
#pragma once

#include <array>
#include <cstddef>

namespace utils::detail {

inline constexpr std::size_t kCodeTableCount = 12;
inline constexpr std::size_t kUpperHalfSize = 96; ///< bytes 0xA0 to 0xFF

/// The character of each upper-half byte; 0 where the table has none.
using UpperHalf = std::array<char16_t, kUpperHalfSize>;

extern const std::array<UpperHalf, kCodeTableCount> kUpperHalves;

} // namespace utils::detail
