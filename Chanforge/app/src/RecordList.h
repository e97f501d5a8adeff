// A list of the left-hand panes (satellites, transponders, multiplexes, providers): a table
// model of record RowIDs with cached cell texts, and the view that selects, sorts and takes drops.
#pragma once

#include "EditContext.h"
#include "HeaderIcons.h"
#include "chanforge/editing/DeliveryLists.h"

#include <QAbstractTableModel>
#include <QTableView>

namespace chanforge::app {

class CRecordListModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    CRecordListModel(CEditContext& context, editing::ListKind kind, QIcon headerIcon, QObject* parent = nullptr);

    /// Refills from the store; satelliteId narrows the transponder list (0 = all).
    void Reload(std::uint32_t satelliteId = 0);
    void Empty();
    /// Re-reads the cell texts of the rows shown (counts after channel edits); the rows, their
    /// order and the selection stay.
    void RefreshTexts();
    void SortByColumn(int column, bool descending);
    std::uint32_t KeyAt(int row) const;
    editing::ListKind Kind() const { return kind_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    void Cache();

    CEditContext& context_;
    editing::ListKind kind_;
    QIcon headerIcon_;
    editing::RowIds rows_;
    std::vector<QStringList> texts_;
};

class CRecordList : public QTableView {
    Q_OBJECT
  public:
    /// dropCode: the code a channel drop on this list reports (0: the list takes no drops).
    CRecordList(CEditContext& context, editing::ListKind kind, int dropCode, QWidget* parent = nullptr);

    CRecordListModel& Model() { return model_; }
    /// The RowID of the selected row, 0 without one.
    std::uint32_t SelectedKey() const;

  signals:
    void RecordSelected(std::uint32_t key);
    void Dropped(int targetCode, std::uint32_t key);

  protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    /// A channel drag may land on index: the list takes drops and the row exists.
    bool CanDropOn(const QDropEvent* event, const QModelIndex& index) const;

  private:
    void SetUpColumns();
    void HeaderClicked(int column);

    CEditContext& context_;
    CRecordListModel model_;
    int dropCode_;
    bool descending_ = false;
};

} // namespace chanforge::app
