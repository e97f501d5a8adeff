// The channel clipboard shared by both grids, and the commands that use it.
#pragma once

#include "chanforge/editing/ChannelEdits.h"

namespace chanforge::editing {

struct ChannelClipboard {
    RowIds keys; ///< channel RowIDs in grid order
    bool fromTV = false;

    bool Empty() const { return keys.empty(); }
    /// Whether the clipboard holds channels copied from a grid of that kind.
    bool Holds(ChannelKind kind) const {
        return !keys.empty() && fromTV == (kind == ChannelKind::TV);
    }
    void Clear() { keys.clear(); }
};

/// Copy: the clipboard takes the selected rows of the grid of that kind.
void CopyChannels(ChannelClipboard& clipboard, const RowIds& selected, ChannelKind kind);

/// Paste into the grid of that kind under filter: copies of the clipboard's channels placed on
/// the filter's satellite, transponder or provider, without genre and favourite groups, numbered
/// after the last channel of their kind; then the table is regrouped and renumbered and the
/// clipboard emptied. Refused between kinds (nothing changes). pasted, when given, receives the
/// copies' keys after the regroup.
EditResult PasteChannels(tabstore::CQoDB& db, ChannelClipboard& clipboard, ChannelKind kind,
                         const ChannelFilter& filter, Product product, RowIds* pasted = nullptr);

} // namespace chanforge::editing
