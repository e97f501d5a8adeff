#include "ColumnFit.h"

#include <QHeaderView>
#include <QStyle>
#include <QStyleOptionViewItem>
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

void FitColumnsToTexts(QTableView& view, int column, const std::vector<QStringList>& widest) {
    QHeaderView* header = view.horizontalHeader();
    header->setStretchLastSection(false);
    // Lays the sections out anew: columns hidden or shown just now still hold their old places.
    header->resizeSections(QHeaderView::Interactive);
    // Measured as the view lays a cell out: the style's margins round the text, the grid line.
    QStyleOptionViewItem option;
    option.initFrom(&view);
    option.font = view.font();
    option.fontMetrics = QFontMetrics(option.font);
    option.features = QStyleOptionViewItem::HasDisplay;
    option.widget = &view;
    const int grid = view.showGrid() ? 1 : 0;
    for (int c = 0; c < header->count(); ++c) {
        if (view.isColumnHidden(c))
            continue;
        int width = header->sectionSizeHint(c);
        for (const QString& text : c < static_cast<int>(widest.size())
                                       ? widest[static_cast<std::size_t>(c)]
                                       : QStringList()) {
            option.text = text;
            width = std::max(
                width, view.style()
                               ->sizeFromContents(QStyle::CT_ItemViewItem, &option, QSize(), &view)
                               .width() +
                           grid);
        }
        view.setColumnWidth(c, width);
    }
    view.setProperty(kContentWidth, column >= 0 ? view.columnWidth(column) : 0);
    FillWithColumn(view, column);
}

void FillWithColumn(QTableView& view, int column) {
    if (column < 0 || view.isColumnHidden(column))
        return;
    const int needed = view.property(kContentWidth).toInt();
    const int spare = view.viewport()->width() - OthersWidth(view, column);
    view.setColumnWidth(column, std::max(needed, spare));
}

int ContentsWidth(const QTableView& view, int column) {
    const bool fills = column >= 0 && !view.isColumnHidden(column);
    return OthersWidth(view, column) + (fills ? view.property(kContentWidth).toInt() : 0);
}

} // namespace chanforge::app
