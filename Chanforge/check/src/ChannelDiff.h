// The channel part of a diff: moved, renamed, re-flagged and otherwise changed channels.
#pragma once

#include "chanforge/check/Diff.h"

namespace chanforge::check::detail {

void DiffChannels(tabstore::CQoDB& a, tabstore::CQoDB& b, Changes& out);

} // namespace chanforge::check::detail
