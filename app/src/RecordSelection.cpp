#include "RecordSelection.h"

#include "LeftBottomView.h"
#include "LeftTopView.h"
#include "RightView.h"

#include <QItemSelectionModel>

#include <algorithm>

namespace chanforge::app {

namespace {

/// Selects the list's rows whose key is among rows; how many it selected.
int SelectInList(CRecordList& list, const std::vector<std::uint32_t>& rows) {
    QItemSelection selection;
    int found = 0;
    const CRecordListModel& model = list.Model();
    for (int row = 0; row < model.rowCount(); ++row) {
        if (std::find(rows.begin(), rows.end(), model.KeyAt(row)) == rows.end())
            continue;
        selection.select(model.index(row, 0), model.index(row, model.columnCount() - 1));
        if (found++ == 0)
            list.scrollTo(model.index(row, 0));
    }
    list.selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    return found;
}

bool SelectChannels(CRightView& right, const std::vector<std::uint32_t>& rows) {
    right.ShowAll();
    bool any = false;
    for (CChannelGrid* grid : {&right.TV(), &right.Radio()}) {
        grid->Select(rows);
        any = any || !grid->SelectedKeys().empty();
    }
    return any;
}

} // namespace

bool SelectRecords(Panes panes, TableId table, const std::vector<std::uint32_t>& rows) {
    if (rows.empty())
        return false;
    switch (table) {
    case kChannelTable:
        return SelectChannels(panes.right, rows);
    case kSatelliteTable:
        return SelectInList(panes.leftTop.Satellites(), rows) > 0;
    case kTransponderTable:
        // The transponder table also holds the terrestrial multiplexes.
        panes.leftTop.ShowTransponders(0);
        return SelectInList(panes.leftTop.Transponders(), rows) +
                   SelectInList(panes.leftTop.Muxes(), rows) >
               0;
    case kTerrestrialMuxTable:
        return SelectInList(panes.leftTop.Muxes(), rows) > 0;
    case kCableMuxTable:
        return SelectInList(panes.leftTop.Cables(), rows) > 0;
    case kProviderTable:
        return SelectInList(panes.leftBottom.Providers(), rows) > 0;
    default:
        return false;
    }
}

} // namespace chanforge::app
