// Column widths of the grids and lists: each column as wide as the widest text it shows (and
// its header), one column taking the width the others leave, never less than its contents:
// a narrow window scrolls instead of squeezing names.
#pragma once

#include <QStringList>

#include <vector>

class QTableView;

namespace chanforge::app {

/// Sizes each column to the widest of its candidate texts (widest[column], the longest texts
/// it shows) and its header, then widens column to fill the view. Measures only the candidates,
/// never every row. Call FillWithColumn again on resize.
void FitColumnsToTexts(QTableView& view, int column, const std::vector<QStringList>& widest);
/// Widens or narrows column (down to its contents) to fill the view, after a resize.
void FillWithColumn(QTableView& view, int column);
/// The shown columns side by side, column at its contents: below this width the view scrolls.
int ContentsWidth(const QTableView& view, int column);

} // namespace chanforge::app
