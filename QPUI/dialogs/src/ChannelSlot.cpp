#include "qpui/ChannelSlot.h"

#include "policy/Policy.h"

namespace qpui {

ChannelSlot ChannelSlot::Stored() {
    ChannelSlot slot{policy::ProductKind::Current()};
    std::uint32_t start = 0, count = 0;
    GetFlashCHBlockInfo(&start, &count, &slot.size, &slot.nameLength);
    return slot;
}

int ChannelSlot::NameLimit() const {
    // The slot keeps a terminating zero after the name.
    return nameLength > 0 ? static_cast<int>(nameLength) - 1 : 0;
}

bool ChannelSlot::TunerStored() const {
    return product.StoresChannelTuner(size, nameLength);
}

} // namespace qpui
