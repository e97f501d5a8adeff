// Puts a channel on the record the grids' filter shows, as New and Paste do.
#pragma once

#include "chanforge/editing/ChannelFilter.h"

namespace chanforge::editing {

/// Gives the channel the filter's satellite, transponder (with its satellite), multiplex or
/// provider; a record that does not exist changes nothing.
void PlaceOnFilter(tabstore::CQoDB& db, Channel_Info_Tag& ch, const ChannelFilter& filter,
                   Product product);

} // namespace chanforge::editing
