// CChannelGrid: the TV or the radio channel grid of the right pane. It shows the channels the
// current filter selects and carries out the grid commands through the editing operations.
#pragma once

#include "ChannelGridModel.h"
#include "DragCode.h"
#include "EditContext.h"
#include "chanforge/editing/ChannelFilter.h"
#include "chanforge/editing/ChannelSelection.h"

#include <QTableView>

class QMenu;

namespace chanforge::app {

class CChannelGrid : public QTableView {
    Q_OBJECT
  public:
    CChannelGrid(CEditContext& context, editing::ChannelKind kind, QWidget* parent = nullptr);

    editing::ChannelKind Kind() const { return kind_; }
    DragCode DragCodeOf() const { return kind_ == editing::ChannelKind::TV ? kDragTV : kDragRadio; }
    const editing::ChannelFilter& Filter() const { return filter_; }
    CChannelGridModel& Model() { return model_; }

    /// The column the rows are sorted by (-1: channel order) and its direction; kept through
    /// refills.
    int SortColumn() const { return sortColumn_; }
    bool SortDescending() const { return sortDescending_; }
    void SetSort(int column, bool descending);

    /// Sets the filter and refills.
    void SetFilter(const editing::ChannelFilter& filter);
    /// Refills for the current filter, keeping the scroll position and the selected channels.
    /// Only for edits that keep every channel's key.
    void Refill();
    /// Refills after the table was re-keyed: selects exactly keys (new keys), never the old ones,
    /// which may now name other channels.
    void RefillSelecting(const editing::RowIds& keys);
    /// Selected channel keys in grid order.
    editing::RowIds SelectedKeys() const;
    void Select(const editing::RowIds& keys);
    void ApplySelection(const editing::Selection& selection);
    std::uint32_t FocusKey() const;

    // Commands of the grid (menu, keyboard); each works on the current selection.
    void NewChannel();
    void UpdateChannel();
    void DeleteOrRemove();
    void Copy();
    void Paste(bool quiet);
    void MoveHere();
    void SetFlag(std::uint16_t bit, bool on);
    void SelectWhere(editing::SelectWhat what);
    void Invert();
    void Search();
    /// Selects the rows whose name contains text; true when one matched.
    bool SearchFor(const QString& text);
    /// Moves to the next (or previous) row whose name contains text, round the end; false
    /// when none does.
    bool FindNext(const QString& text, bool forward);
    void Describe();

    // Drops relayed by the main window onto this grid's selection. Returns how many of the
    // selected channels stayed where they were.
    std::size_t ApplyDrop(DragCode targetCode, std::uint32_t key);

    /// Commands of the window that act on this grid too, shown at the end of its menu.
    void AddMenuActions(const QList<QAction*>& actions) { menuExtras_ += actions; }

  signals:
    /// The channel table was re-keyed (New, Paste, Delete): both grids refill and select the
    /// keys given, which are what the operator's selection became.
    void ChannelsChanged(const editing::RowIds& select);
    void DragStarted(DragCode code);
    /// The operator asked to search (Ctrl+F): the pane asks what and searches both grids.
    void SearchRequested();
    void Dropped(DragCode targetCode, std::uint32_t key);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void startDrag(Qt::DropActions actions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void SetUpColumns();
    void HeaderClicked(int column);
    /// The rows the filter shows, in the order of the sort.
    editing::RowIds FilledRows();
    void ShowSortIndicator();
    void BuildMenu();
    void UpdateMenu();
    bool AcceptsDrag(const QMimeData* mime) const;
    void ReorderTo(std::uint32_t dropKey);
    void ScrollToRows(const editing::RowIds& keys);
    void Report(editing::EditResult result);

    CEditContext& context_;
    editing::ChannelKind kind_;
    int sortColumn_ = -1;
    bool sortDescending_ = false;
    CChannelGridModel model_;
    editing::ChannelFilter filter_;
    QMenu* menu_ = nullptr;
    QList<QAction*> menuExtras_;
    struct MenuItems {
        QAction *newItem, *update, *remove, *copy, *paste, *moveHere, *describe;
        QMenu* favorites;
    } items_{};
};

} // namespace chanforge::app
