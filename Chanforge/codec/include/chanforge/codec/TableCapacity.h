// How many records of each table a save can write into a layout's flash blocks, so that a
// check can warn before the save refuses.
#pragma once

#include "chanforge/Records.h"
#include "chanforge/codec/FlashLayout.h"

#include <cstdint>
#include <optional>

namespace chanforge::codec {

/// Records of the table the encoder fits into its block; nothing when this layout does not
/// write the table at all (a terrestrial multiplex table, satellites of a cable-only model).
std::optional<std::uint64_t> TableCapacity(const FlashLayout& layout, TableId table);

} // namespace chanforge::codec
