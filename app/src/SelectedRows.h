// The record keys of a view's selected rows, in grid order; shared by the grids and the lists.
#pragma once

#include "chanforge/editing/ChannelEdits.h"

#include <QAbstractItemView>
#include <QItemSelectionModel>

#include <algorithm>

namespace chanforge::app {

/// model maps a row to its key (KeyAt).
template <class Model>
editing::RowIds SelectedRowKeys(const QAbstractItemView& view, const Model& model) {
    QList<int> rows;
    for (const QModelIndex& index : view.selectionModel()->selectedRows())
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    editing::RowIds keys;
    for (int row : rows)
        keys.push_back(model.KeyAt(row));
    return keys;
}

} // namespace chanforge::app
