// Moving channels to another place in the numbering of their kind: Move here and reorder by
// drag. Moves renumber channels in place; no row is re-keyed.
#pragma once

#include "chanforge/editing/ChannelClipboard.h"

namespace chanforge::editing {

/// Gives the moved channels, in order, the numbers from the target channel's number on,
/// shifting the channels in between. Only channels of the grid's kind take part.
void MoveChannels(tabstore::CQoDB& db, const RowIds& moved, std::uint32_t target, ChannelKind kind,
                  Product product);

/// Move here: the clipboard's channels to the focus row's channel. Refused between kinds.
EditResult MoveClipboardHere(tabstore::CQoDB& db, const ChannelClipboard& clipboard,
                             std::uint32_t target, ChannelKind kind, Product product);

/// Reorder in a favourite view: the selected rows, as a block in grid order, go right after the
/// drop row (at the end when the drop row is itself selected). Returns the new grid order.
RowIds ReorderRows(const RowIds& gridOrder, const RowIds& selected, std::uint32_t dropRow);

} // namespace chanforge::editing
