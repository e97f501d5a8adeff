// Which of the two channel grids an operation works for.
#pragma once

#include "chanforge/Records.h"

namespace chanforge::editing {

enum class ChannelKind { TV, Radio };

/// Whether the channel is shown in the grid of that kind (a channel may carry both flags).
inline bool ShownIn(const Channel_Info_Tag& ch, ChannelKind kind) {
    return kind == ChannelKind::TV ? IsTV(ch) : IsRadio(ch);
}

/// Numbering classes: TV channels, and all others (radio and channels with neither flag).
inline bool NumberedAsTV(const Channel_Info_Tag& ch) { return IsTV(ch); }
inline bool SameNumbering(const Channel_Info_Tag& ch, ChannelKind kind) {
    return NumberedAsTV(ch) == (kind == ChannelKind::TV);
}

inline std::uint16_t KindBit(ChannelKind kind) {
    return kind == ChannelKind::TV ? attr::kTV : attr::kRadio;
}

} // namespace chanforge::editing
