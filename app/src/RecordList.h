// A list of the left-hand panes (satellites, transponders, multiplexes, providers): a table
// model of record RowIDs with cached cell texts, and the view that selects, sorts, starts drags,
// takes drops and hands the operator's commands to its CListCommands.
#pragma once

#include "DragCode.h"
#include "EditContext.h"
#include "HeaderIcons.h"
#include "chanforge/editing/DeliveryLists.h"

#include <QAbstractTableModel>
#include <QTableView>

namespace chanforge::app {

class CRecordListModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    /// dragCode: what a drag started in the list names as its source (0: no drags).
    CRecordListModel(CEditContext& context, editing::ListKind kind, QIcon headerIcon,
                     DragCode dragCode, QObject* parent = nullptr);

    /// Refills from the store; satelliteId narrows the transponder list (0 = all).
    void Reload(std::uint32_t satelliteId = 0);
    /// Refills keeping the narrowing of the last Reload.
    void Refill() { Reload(satelliteId_); }
    /// The SatID the transponder list is narrowed to, 0 for all.
    std::uint32_t SatelliteId() const { return satelliteId_; }
    /// Re-reads the cell texts of the rows shown (counts after channel edits); the rows, their
    /// order and the selection stay.
    void RefreshTexts();
    void SortByColumn(int column, bool descending);
    std::uint32_t KeyAt(int row) const;
    /// List row of a record, -1 when it is not shown.
    int RowOf(std::uint32_t key) const;
    editing::ListKind Kind() const { return kind_; }
    /// Per column, the longest texts shown: what sizing the columns has to measure.
    std::vector<QStringList> LongestTexts() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    Qt::DropActions supportedDragActions() const override {
        return Qt::CopyAction | Qt::MoveAction;
    }

  private:
    void Cache();

    CEditContext& context_;
    editing::ListKind kind_;
    QIcon headerIcon_;
    DragCode dragCode_;
    std::uint32_t satelliteId_ = 0;
    editing::RowIds rows_;
    std::vector<QStringList> texts_;
};

class CListCommands;

class CRecordList : public QTableView {
    Q_OBJECT
  public:
    /// dropCode: the code a drop on this list reports and a drag from it names as its source
    /// (0: the list takes no drops and starts no drags).
    CRecordList(CEditContext& context, editing::ListKind kind, DragCode dropCode,
                QWidget* parent = nullptr);

    CRecordListModel& Model() { return model_; }
    /// Null for the lists without commands (terrestrial multiplexes).
    CListCommands* Commands() { return commands_; }
    /// The RowID of the first selected row, 0 without one.
    std::uint32_t SelectedKey() const;
    /// The selected RowIDs in list order.
    editing::RowIds SelectedKeys() const;
    /// The current row when it is selected, else the first selected; 0 without a selection.
    std::uint32_t FocusKey() const;
    /// Selects the record's row (nothing when it is not shown) and announces the selection.
    void SelectKey(std::uint32_t key);

  signals:
    void RecordSelected(std::uint32_t key);
    void Dropped(DragCode targetCode, std::uint32_t key);
    void DragStarted(DragCode code);

  public:
    QSize minimumSizeHint() const override;

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void startDrag(Qt::DropActions actions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    /// Channels may land on any list that takes drops, transponders only on the satellite list.
    bool Accepts(const QMimeData* mime) const;
    /// The drag may land on index: the list accepts it and the row exists.
    bool CanDropOn(const QDropEvent* event, const QModelIndex& index) const;

  private:
    void SetUpColumns();
    /// The column that takes the spare width, -1 when the list has no name column.
    int NameColumn() const;
    /// Marks index as where a drop would land; an invalid index takes the mark away.
    void ShowDropTarget(const QModelIndex& index);
    void HeaderClicked(int column);

    CEditContext& context_;
    CRecordListModel model_;
    CListCommands* commands_ = nullptr;
    DragCode dropCode_;
    bool descending_ = false;
    QPersistentModelIndex dropTarget_;
    QPersistentModelIndex currentBeforeDrop_;
};

} // namespace chanforge::app
