#include "RecordList.h"

#include "ChannelGrid.h"
#include "ColumnFit.h"
#include "ListCommands.h"
#include "SelectedRows.h"

#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMimeData>
#include <QScrollBar>

#include <algorithm>
#include <string_view>

namespace chanforge::app {

using namespace editing;

CRecordListModel::CRecordListModel(CEditContext& context, ListKind kind, QIcon headerIcon,
                                   DragCode dragCode, QObject* parent)
    : QAbstractTableModel(parent), context_(context), kind_(kind),
      headerIcon_(std::move(headerIcon)), dragCode_(dragCode) {}

void CRecordListModel::Cache() {
    const int columns = columnCount();
    texts_.clear();
    texts_.reserve(rows_.size());
    for (std::uint32_t key : rows_) {
        QStringList row;
        for (int column = 0; column < columns; ++column)
            row << QString::fromLatin1(
                ListCellText(context_.Store(), kind_, key, column, context_.Product()).c_str());
        texts_.push_back(row);
    }
}

void CRecordListModel::Reload(std::uint32_t satelliteId) {
    beginResetModel();
    satelliteId_ = satelliteId;
    rows_ = ListRows(context_.Store(), kind_, context_.Product(), satelliteId);
    Cache();
    endResetModel();
}

void CRecordListModel::RefreshTexts() {
    Cache();
    if (!rows_.empty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), {Qt::DisplayRole});
}

void CRecordListModel::SortByColumn(int column, bool descending) {
    beginResetModel();
    SortListByText(context_.Store(), kind_, rows_, column, descending, context_.Product());
    Cache();
    endResetModel();
}

std::vector<QStringList> CRecordListModel::LongestTexts() const {
    std::vector<QStringList> longest(static_cast<std::size_t>(columnCount()));
    for (const QStringList& row : texts_)
        for (qsizetype c = 0; c < row.size() && c < columnCount(); ++c) {
            QStringList& kept = longest[static_cast<std::size_t>(c)];
            if (kept.isEmpty() || row[c].size() > kept.front().size())
                kept = QStringList{row[c]};
            else if (row[c].size() == kept.front().size() && kept.size() < 8)
                kept << row[c];
        }
    if (!longest.empty() && ListNumbersRows(kind_))
        longest.front() = QStringList{QString::number(rowCount())};
    return longest;
}

std::uint32_t CRecordListModel::KeyAt(int row) const {
    return row >= 0 && static_cast<std::size_t>(row) < rows_.size()
               ? rows_[static_cast<std::size_t>(row)]
               : 0;
}

int CRecordListModel::RowOf(std::uint32_t key) const {
    const auto it = std::find(rows_.begin(), rows_.end(), key);
    return it == rows_.end() ? -1 : static_cast<int>(it - rows_.begin());
}

int CRecordListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int CRecordListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(ListColumns(kind_).size());
}

QVariant CRecordListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const auto column = static_cast<std::size_t>(index.column());
    if (role == Qt::TextAlignmentRole)
        return ListColumns(kind_)[column].rightAligned ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                                                       : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    if (column == 0 && ListNumbersRows(kind_))
        return index.row() + 1;
    return texts_[static_cast<std::size_t>(index.row())].value(index.column());
}

QVariant CRecordListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return QCoreApplication::translate(
            "ListColumns", ListColumns(kind_)[static_cast<std::size_t>(section)].header);
    if (role == Qt::DecorationRole && section == 0)
        return headerIcon_;
    return {};
}

Qt::ItemFlags CRecordListModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    const Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return dragCode_ != kDragNone ? flags | Qt::ItemIsDragEnabled : flags;
}

QStringList CRecordListModel::mimeTypes() const {
    return {QString::fromLatin1(kChannelMime)};
}

QMimeData* CRecordListModel::mimeData(const QModelIndexList&) const {
    auto* mime = new QMimeData;
    // As with the channel grids, the payload names the source; the drop acts on its selection.
    mime->setData(QString::fromLatin1(kChannelMime), QByteArray::number(dragCode_));
    return mime;
}

namespace {

HeaderImage ImageOf(ListKind kind) {
    switch (kind) {
    case ListKind::Satellite:
        return HeaderImage::Satellite;
    case ListKind::Transponder:
        return HeaderImage::Transponder;
    case ListKind::TerrestrialMux:
        return HeaderImage::Mux;
    case ListKind::CableMux:
        return HeaderImage::Cable;
    case ListKind::Provider:
        return HeaderImage::Transponder;
    }
    return HeaderImage::Mux;
}

const char* NameOf(ListKind kind) {
    switch (kind) {
    case ListKind::Satellite:
        return "satelliteList";
    case ListKind::Transponder:
        return "transponderList";
    case ListKind::TerrestrialMux:
        return "muxList";
    case ListKind::CableMux:
        return "cableList";
    case ListKind::Provider:
        return "providerList";
    }
    return "list";
}

} // namespace

CRecordList::CRecordList(CEditContext& context, ListKind kind, DragCode dropCode, QWidget* parent)
    : QTableView(parent), context_(context),
      model_(context, kind, HeaderIcon(ImageOf(kind)), dropCode, this), dropCode_(dropCode) {
    setObjectName(NameOf(kind));
    setModel(&model_);
    QFont small = font();
    small.setPointSize(8);
    setFont(small);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false); // Tab leaves the list; arrows move inside
    setAcceptDrops(dropCode != kDragNone);
    setDragEnabled(dropCode != kDragNone);
    setDragDropMode(dropCode != kDragNone ? QAbstractItemView::DragDrop
                                          : QAbstractItemView::NoDragDrop);
    if (kind != ListKind::TerrestrialMux)
        commands_ = new CListCommands(context, *this);
    setDropIndicatorShown(false);
    setAlternatingRowColors(true);
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(true);
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, &CRecordList::HeaderClicked);
    // Selection, not the current row: focus alone moves the current row and must not filter.
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (const std::uint32_t key = SelectedKey(); key != 0)
            emit RecordSelected(key);
    });
    connect(&model_, &QAbstractItemModel::modelReset, this, &CRecordList::SetUpColumns);
    connect(&context, &CEditContext::ColumnsChanged, this, &CRecordList::SetUpColumns);
    SetUpColumns();
}

void CRecordList::SetUpColumns() {
    horizontalHeader()->setSortIndicatorShown(false); // a refill restores table order
    const auto columns = ListColumns(model_.Kind());
    for (std::size_t i = 0; i < columns.size(); ++i)
        setColumnHidden(static_cast<int>(i), ListColumnHidden(model_.Kind(), static_cast<int>(i),
                                                              context_.SimpleColumns()));
    FitColumnsToTexts(*this, NameColumn(), model_.LongestTexts());
    const QFontMetrics metrics(font());
    for (std::size_t i = 0; i < columns.size(); ++i) {
        // The template keeps an empty list readable; contents and header may ask for more.
        const int column = static_cast<int>(i);
        const int text =
            metrics.horizontalAdvance(QString::fromLatin1(columns[i].widthTemplate)) + 5;
        setColumnWidth(column, std::max({columnWidth(column), text, column == 0 ? 36 : 0}));
    }
    FillWithColumn(*this, NameColumn());
    updateGeometry(); // the pane asks the minimum anew
}

QSize CRecordList::minimumSizeHint() const {
    // Its columns whole beside a neighbour in a pane (the providers beside the favourites): the
    // pane grows before the list has to scroll, as it does in longer languages.
    const int width = ContentsWidth(*this, NameColumn()) + 2 * frameWidth() +
                      verticalScrollBar()->sizeHint().width();
    return {width, QTableView::minimumSizeHint().height()};
}

int CRecordList::NameColumn() const {
    const auto columns = ListColumns(model_.Kind());
    for (std::size_t i = 0; i < columns.size(); ++i)
        if (std::string_view(columns[i].header) == "Name")
            return static_cast<int>(i);
    return -1; // the transponder list has none: its spare width stays empty
}

void CRecordList::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    FillWithColumn(*this, NameColumn());
}

std::uint32_t CRecordList::SelectedKey() const {
    const RowIds keys = SelectedKeys();
    return keys.empty() ? 0 : keys.front();
}

RowIds CRecordList::SelectedKeys() const {
    return SelectedRowKeys(*this, model_);
}

std::uint32_t CRecordList::FocusKey() const {
    const QModelIndex current = currentIndex();
    if (current.isValid() && selectionModel()->isRowSelected(current.row(), {}))
        return model_.KeyAt(current.row());
    return SelectedKey();
}

void CRecordList::SelectKey(std::uint32_t key) {
    const int row = model_.RowOf(key);
    if (row < 0)
        return;
    {
        const QSignalBlocker quiet(selectionModel());
        setCurrentIndex(model_.index(row, 0));
        selectRow(row);
    }
    scrollTo(model_.index(row, 0));
    viewport()->update();
    emit RecordSelected(key);
}

void CRecordList::HeaderClicked(int column) {
    if (column < 1)
        return;
    descending_ = !descending_;
    model_.SortByColumn(column, descending_);
}

void CRecordList::keyPressEvent(QKeyEvent* event) {
    if (commands_ != nullptr && commands_->HandleKey(event->key(), event->modifiers()))
        return;
    QTableView::keyPressEvent(event);
}

void CRecordList::mouseDoubleClickEvent(QMouseEvent* event) {
    QTableView::mouseDoubleClickEvent(event);
    if (commands_ != nullptr && indexAt(event->position().toPoint()).isValid())
        commands_->Describe();
}

void CRecordList::contextMenuEvent(QContextMenuEvent* event) {
    if (commands_ != nullptr)
        commands_->ShowMenu(event->globalPos());
}

void CRecordList::startDrag(Qt::DropActions actions) {
    emit DragStarted(dropCode_);
    QTableView::startDrag(actions);
}

bool CRecordList::Accepts(const QMimeData* mime) const {
    if (dropCode_ == kDragNone || mime == nullptr ||
        !mime->hasFormat(QString::fromLatin1(kChannelMime)))
        return false;
    const int source = mime->data(QString::fromLatin1(kChannelMime)).toInt();
    return source == kDragTV || source == kDragRadio ||
           (source == kDragTransponder && model_.Kind() == ListKind::Satellite);
}

void CRecordList::dragEnterEvent(QDragEnterEvent* event) {
    if (Accepts(event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

bool CRecordList::CanDropOn(const QDropEvent* event, const QModelIndex& index) const {
    return index.isValid() && Accepts(event->mimeData());
}

void CRecordList::dragMoveEvent(QDragMoveEvent* event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    if (!CanDropOn(event, index)) {
        ShowDropTarget({});
        event->ignore();
        return;
    }
    ShowDropTarget(index);
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void CRecordList::dragLeaveEvent(QDragLeaveEvent* event) {
    ShowDropTarget({});
    QTableView::dragLeaveEvent(event);
}

void CRecordList::ShowDropTarget(const QModelIndex& index) {
    // The focus frame marks the row a drop lands on; the selection, which filters the grids,
    // stays as it is.
    if (index.isValid() && !dropTarget_.isValid())
        currentBeforeDrop_ = currentIndex();
    dropTarget_ = index;
    selectionModel()->setCurrentIndex(index.isValid() ? index : QModelIndex(currentBeforeDrop_),
                                      QItemSelectionModel::NoUpdate);
}

void CRecordList::dropEvent(QDropEvent* event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    ShowDropTarget({});
    if (!CanDropOn(event, index)) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    std::uint32_t key = model_.KeyAt(index.row());
    if (model_.Kind() == ListKind::TerrestrialMux)
        key = MuxListKey(context_.Store(), key, context_.Product());
    emit Dropped(dropCode_, key);
}

} // namespace chanforge::app
