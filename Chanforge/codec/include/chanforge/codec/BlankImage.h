// An empty database for a model: the flash erased (0xFF) outside the blocks, the blocks blank.
#pragma once

#include "chanforge/codec/FlashImageCodec.h"

#include <cstdint>
#include <vector>

namespace chanforge::codec {

/// The empty database of the layout as a channel file; file is untouched on failure.
CodecResult MakeBlankImage(const FlashLayout& layout, std::vector<std::uint8_t>& file);

} // namespace chanforge::codec
