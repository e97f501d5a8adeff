#include "ChannelSlot.h"

#include "policy/Policy.h"

#include <cstdint>

namespace qpui {

namespace {

struct ChannelBlock {
    std::uint32_t start = 0, count = 0, chunk = 0, nameLength = 0;
};

ChannelBlock StoredChannelBlock() {
    ChannelBlock b;
    GetFlashCHBlockInfo(&b.start, &b.count, &b.chunk, &b.nameLength);
    return b;
}

} // namespace

int ChannelNameLimit() {
    const ChannelBlock b = StoredChannelBlock();
    // The slot keeps a terminating zero after the name.
    return b.nameLength > 0 ? static_cast<int>(b.nameLength) - 1 : 0;
}

bool ChannelTunerStored(const policy::ProductKind& product) {
    const ChannelBlock b = StoredChannelBlock();
    return product.StoresChannelTuner(b.chunk, b.nameLength);
}

} // namespace qpui
