// The channel part of a diff: moved, renamed, re-flagged and otherwise changed channels.
#pragma once

#include "chanforge/check/Diff.h"

namespace chanforge::check::detail {

/// Channels are paired by place and service, then by service alone (a channel moved to another
/// transponder is one change); numbers changed in kept order are summed up per list; changes come
/// in list order, TV first.
void DiffChannels(tabstore::CQoDB& a, tabstore::CQoDB& b, const policy::ProductKind& product,
                  Changes& out);

} // namespace chanforge::check::detail
