// Which of the two channel grids an operation works for.
#pragma once

#include "chanforge/Records.h"

namespace chanforge::editing {

enum class ChannelKind { TV, Radio };

/// Whether the channel is shown in the grid of that kind (a channel may carry both flags).
inline bool ShownIn(const Channel_Info_Tag& ch, ChannelKind kind) {
    return kind == ChannelKind::TV ? IsTV(ch) : IsRadio(ch);
}

inline std::uint16_t KindBit(ChannelKind kind) {
    return kind == ChannelKind::TV ? attr::kTV : attr::kRadio;
}

} // namespace chanforge::editing
