// Where each block of a layout lies in the image once overlaps are resolved.
#pragma once

#include "chanforge/codec/FlashLayout.h"

#include <cstdint>

namespace chanforge::codec::detail {

struct Area {
    std::uint64_t start = 0;
    std::uint64_t length = 0; ///< whole sectors (bytes for the combined block)
    std::uint64_t sectors = 0;
};

enum class Block { MMI, Satellite, Provider, Transponder, Channel };

/// A block's area: its sectors, but only up to the start of the next block the layout uses,
/// so that two blocks never read or write the same bytes.
Area AreaOf(const FlashLayout& layout, Block block);

/// The combined block of list 10: the slots and the trailer of counts (and the checksum).
struct CombinedArea {
    std::uint64_t start = 0;
    std::uint64_t cableAt = 0, providerAt = 0, channelAt = 0;
    std::uint64_t trailerAt = 0; ///< E: counts at E, E + 4, E + 8; trailer bytes at E + 12, 13
};
CombinedArea CombinedAreaOf(const FlashLayout& layout);
inline constexpr std::uint64_t kCombinedReadTrailer = 14;
inline constexpr std::uint64_t kCombinedWriteTrailer = 20;

} // namespace chanforge::codec::detail
