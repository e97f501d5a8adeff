// What the stored policy's channel slot holds, as the channel editors and the description ask.
#pragma once

#include "policy/ProductKind.h"

namespace qpui {

/// Characters a channel name may have under the stored policy.
int ChannelNameLimit();

/// Whether a channel's tuner choice survives a save under the stored policy's channel slots.
bool ChannelTunerStored(const policy::ProductKind& product);

} // namespace qpui
