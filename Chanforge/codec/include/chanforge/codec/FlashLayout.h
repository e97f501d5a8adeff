// Where the receiver keeps each block of its channel database in the flash image, and how the
// slots inside look. Read from the product policy for each load or save; the codec itself never
// reads settings, so tests, tools and the command line can hand it any model's layout.
#pragma once

#include "policy/ProductKind.h"

#include <cstdint>
#include <string>

namespace policy {
struct ProductPreset;
}

namespace chanforge::codec {

struct BlockSpan {
    std::uint32_t start = 0; ///< byte offset in the image (after the file header)
    std::uint32_t count = 0; ///< sectors (slots for the combined block of list 10)
    std::uint32_t chunk = 0; ///< bytes per record slot
};

struct FlashLayout {
    policy::ProductKind product; ///< what the model can do: ask it, never its bits
    std::uint32_t sectorSize = 4096;
    bool bigEndian = false;
    BlockSpan mmi;
    std::uint32_t favoriteCount = 0;
    BlockSpan sat;
    BlockSpan brd;
    BlockSpan tp;
    BlockSpan ch;
    std::uint32_t nameLength = 0;  ///< channel-name bytes per slot
    std::uint32_t maxMuxCount = 0; ///< multiplex and provider slots per terrestrial sector

    /// The layout stored in the settings now (every value read afresh).
    static FlashLayout FromPolicy();
    /// The layout a preset writes; values a preset leaves out take their stored defaults.
    static FlashLayout FromPreset(const policy::ProductPreset& preset);

    /// Empty when the codec can work with the layout, else why not (settings are untrusted too).
    std::string Problem() const;
    /// Bytes from the image start to the end of the last block the layout uses.
    std::uint64_t ImageSize() const;
    /// Name bytes a channel slot keeps: one-byte-mask layouts give the last to its NUL.
    std::uint32_t ChannelNameBytes() const;
};

} // namespace chanforge::codec
