#include "qpui/ChannelSlot.h"

#include "chanforge/editing/ChannelName.h"
#include "policy/Policy.h"

namespace qpui {

ChannelSlot ChannelSlot::Stored() {
    ChannelSlot slot{policy::ProductKind::Current()};
    std::uint32_t start = 0, count = 0;
    GetFlashCHBlockInfo(&start, &count, &slot.size, &slot.nameLength);
    return slot;
}

int ChannelSlot::NameLimit() const {
    // What a save writes back: the editor takes no byte the slot would drop, and refuses none
    // it keeps.
    return static_cast<int>(chanforge::editing::NameRoom(product.ChannelNameBytes(nameLength)));
}

bool ChannelSlot::TunerStored() const {
    return product.StoresChannelTuner(size, nameLength);
}

} // namespace qpui
