// The rows of one channel grid: channel RowIDs in grid order over the store's channel table.
// Column 0 numbers the rows; the "Index" column is the channel's RowID.
#pragma once

#include "chanforge/editing/ChannelEdits.h"
#include "chanforge/editing/ChannelQuery.h"

#include <QAbstractTableModel>
#include <QIcon>

namespace chanforge::app {

inline constexpr const char* kChannelMime = "application/x-chanforge-channels";

class CChannelGridModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    CChannelGridModel(tabstore::CQoDB& db, editing::ChannelKind kind, editing::Product product,
                      QObject* parent = nullptr);

    /// Replaces the rows (a refill), keeping those the filter bar's query fits.
    void SetRows(editing::RowIds rows, std::uint32_t favoriteGroup);
    /// The filter bar's query from the next refill on; null shows every row it is given.
    void SetNarrowing(const editing::CompiledQuery* query) { narrowing_ = query; }
    /// Reorders the rows by a column's text; selections follow their rows.
    void SortByColumn(int column, bool descending);
    const editing::RowIds& Rows() const { return rows_; }
    std::uint32_t FavoriteGroup() const { return favoriteGroup_; }
    std::uint32_t KeyAt(int row) const;
    /// Grid row of a channel, -1 when it is not shown.
    int RowOf(std::uint32_t key) const;
    /// Redraws every row (after edits that keep the rows).
    void Redraw();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    Qt::DropActions supportedDragActions() const override { return Qt::MoveAction; }
    Qt::DropActions supportedDropActions() const override { return Qt::MoveAction; }

  private:
    tabstore::CQoDB& db_;
    editing::ChannelKind kind_;
    editing::Product product_;
    editing::RowIds rows_;
    std::uint32_t favoriteGroup_ = 0;
    const editing::CompiledQuery* narrowing_ = nullptr;
    QIcon icons_[5];
};

} // namespace chanforge::app
