// The Select commands, Invert and Search of the channel grids. Each takes the grid's rows
// (channel RowIDs in grid order) and returns the new selection state of every row.
#pragma once

#include "chanforge/editing/ChannelEdits.h"

#include <optional>
#include <string>

namespace chanforge::editing {

using Selection = std::vector<bool>;

enum class SelectWhat { All, Locked, CAS, Tuner1, Tuner2 };

Selection SelectRows(tabstore::CQoDB& db, const RowIds& rows, SelectWhat what, Product product);
Selection InvertSelection(const Selection& selection);

/// Rows whose channel name (read through its code table) contains text (UTF-8), compared
/// without regard to case. An empty text matches every row.
Selection SearchByName(tabstore::CQoDB& db, const RowIds& rows, const std::string& text);

/// The selected row after from (before it when !forward), going round the end; from may be
/// past the rows (none is current). None when no row is selected.
std::optional<std::size_t> NextSelected(const Selection& selection, std::size_t from, bool forward);

/// The keys of the selected rows, in grid order.
RowIds SelectedKeys(const RowIds& rows, const Selection& selection);

} // namespace chanforge::editing
