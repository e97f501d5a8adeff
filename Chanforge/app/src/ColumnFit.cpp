#include "ColumnFit.h"

#include <QHeaderView>
#include <QTableView>

#include <algorithm>

namespace chanforge::app {

namespace {

constexpr const char* kContentWidth = "contentWidth"; // the column's need, kept on the view

int OthersWidth(const QTableView& view, int column) {
    int width = 0;
    for (int c = 0; c < view.horizontalHeader()->count(); ++c)
        if (c != column && !view.isColumnHidden(c))
            width += view.columnWidth(c);
    return width;
}

} // namespace

void FitColumnsToContents(QTableView& view, int column) {
    view.horizontalHeader()->setStretchLastSection(false);
    view.resizeColumnsToContents();
    view.setProperty(kContentWidth, view.columnWidth(column));
    FillWithColumn(view, column);
}

void FillWithColumn(QTableView& view, int column) {
    if (column < 0 || view.isColumnHidden(column))
        return;
    const int needed = view.property(kContentWidth).toInt();
    const int spare = view.viewport()->width() - OthersWidth(view, column);
    view.setColumnWidth(column, std::max(needed, spare));
}

} // namespace chanforge::app
