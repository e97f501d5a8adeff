#include "PanePlace.h"

#include "LeftBottomView.h"
#include "LeftTopView.h"
#include "RightView.h"

#include <QHash>
#include <QScrollBar>
#include <QSignalBlocker>

#include <array>

namespace chanforge::app {

namespace {

using Lists = std::array<CRecordList*, 5>;

Lists ListsOf(Panes panes) {
    return {&panes.leftTop.Satellites(), &panes.leftTop.Transponders(), &panes.leftTop.Muxes(),
            &panes.leftTop.Cables(), &panes.leftBottom.Providers()};
}

template <class View, class Model>
PanePlace::View Capture(const View& view, const Model& model, editing::RowIds selected) {
    return {std::move(selected), model.KeyAt(view.currentIndex().row()),
            view.verticalScrollBar()->value()};
}

/// Selects the rows that still exist without announcing it: the filter is restored as a whole.
template <class View, class Model>
void Restore(View& view, const Model& model, const PanePlace::View& place) {
    QHash<std::uint32_t, int> rowOf; // a whole grid may have been selected
    for (int row = 0; row < model.rowCount(); ++row)
        rowOf.insert(model.KeyAt(row), row);
    QItemSelection selection;
    for (std::uint32_t key : place.selected)
        if (const int row = rowOf.value(key, -1); row >= 0)
            selection.select(model.index(row, 0), model.index(row, model.columnCount() - 1));
    const QSignalBlocker quiet(view.selectionModel());
    if (const int row = rowOf.value(place.current, -1); row >= 0)
        view.selectionModel()->setCurrentIndex(model.index(row, 0), QItemSelectionModel::NoUpdate);
    view.selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    view.verticalScrollBar()->setValue(place.scroll);
    view.viewport()->update();
}

} // namespace

PanePlace CapturePlace(Panes panes) {
    PanePlace place;
    for (CRecordList* list : ListsOf(panes))
        place.views.push_back(Capture(*list, list->Model(), list->SelectedKeys()));
    for (CChannelGrid* grid : {&panes.right.TV(), &panes.right.Radio()})
        place.views.push_back(Capture(*grid, grid->Model(), grid->SelectedKeys()));
    place.transponderSatellite = panes.leftTop.Transponders().Model().SatelliteId();
    place.filter = panes.right.TV().Filter();
    return place;
}

void RestorePlace(Panes panes, const PanePlace& place) {
    panes.leftTop.Reload();
    panes.leftTop.Transponders().Model().Reload(place.transponderSatellite);
    panes.leftBottom.Reload();
    CChannelGrid* grids[] = {&panes.right.TV(), &panes.right.Radio()};
    for (CChannelGrid* grid : grids)
        grid->SetFilter(place.filter);
    if (place.views.size() != 7)
        return;
    const Lists lists = ListsOf(panes);
    for (std::size_t i = 0; i < lists.size(); ++i)
        Restore(*lists[i], lists[i]->Model(), place.views[i]);
    for (std::size_t i = 0; i < 2; ++i)
        Restore(*grids[i], grids[i]->Model(), place.views[lists.size() + i]);
}

} // namespace chanforge::app
