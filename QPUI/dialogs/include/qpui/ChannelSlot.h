// What a model's channel slot keeps, as the channel editors and the description ask it: the
// window hands over its document's model, so the editors never read the settings.
#pragma once

#include "policy/ProductKind.h"

#include <cstdint>

namespace qpui {

struct ChannelSlot {
    policy::ProductKind product;
    std::uint32_t size = 0;       ///< bytes of one channel slot
    std::uint32_t nameLength = 0; ///< name bytes in it, its terminating zero included

    /// The stored policy's (tools and tests that have no document).
    static ChannelSlot Stored();
    /// Bytes of a channel name the slot keeps (one a character in every code table).
    int NameLimit() const;
    /// Whether a channel's tuner choice survives a save.
    bool TunerStored() const;
};

} // namespace qpui
