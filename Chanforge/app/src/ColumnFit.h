// One column of a table view takes the width the others leave, but never less than its
// contents need: a narrow window scrolls instead of squeezing names.
#pragma once

class QTableView;

namespace chanforge::app {

/// Sizes every column to its contents and widens column to fill the view; call again on resize.
void FitColumnsToContents(QTableView& view, int column);
/// Widens or narrows column (down to its contents) to fill the view, after a resize.
void FillWithColumn(QTableView& view, int column);

} // namespace chanforge::app
