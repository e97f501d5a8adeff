#include "ChannelGrid.h"

#include "ColumnFit.h"
#include "SelectedRows.h"

#include "chanforge/editing/ChannelColumns.h"
#include "chanforge/editing/FavoriteGroups.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDrag>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QScrollBar>

namespace chanforge::app {

using namespace editing;

CChannelGrid::CChannelGrid(CEditContext& context, ChannelKind kind, QWidget* parent)
    : QTableView(parent), context_(context), kind_(kind),
      model_(context.Store(), kind, context.Product(), this) {
    setObjectName(kind == ChannelKind::TV ? "tvGrid" : "radioGrid");
    setModel(&model_);
    QFont small = font();
    small.setPointSize(8);
    setFont(small);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false); // Tab goes to the next pane's list; arrows move inside
    setDragEnabled(true);
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDropIndicatorShown(true);
    setAutoScroll(true);
    setAutoScrollMargin(20);
    setAlternatingRowColors(true);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setStretchLastSection(false);
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, &CChannelGrid::HeaderClicked);
    // A model reset gives the header its default section sizes back.
    connect(&model_, &QAbstractItemModel::modelReset, this, &CChannelGrid::SetUpColumns);
    connect(&context, &CEditContext::ColumnsChanged, this, &CChannelGrid::SetUpColumns);
    SetUpColumns();
}

namespace {

/// The name right after the number, the ids last: at 1024 pixels both grids show names whole.
constexpr int kShownOrder[] = {kColRowNumber, kColNumber,  kColName,  kColGenre, kColCAS,
                               kColLocked,    kColSkipped, kColTuner, kColFav,   kColIndex,
                               kColSatID,     kColTPID,    kColVPID,  kColAPID,  kColPCRPID};
static_assert(std::size(kShownOrder) == kChannelColumnCount);

} // namespace

void CChannelGrid::SetUpColumns() {
    QHeaderView* header = horizontalHeader();
    for (int visual = 0; visual < kChannelColumnCount; ++visual)
        if (header->visualIndex(kShownOrder[visual]) != visual)
            header->moveSection(header->visualIndex(kShownOrder[visual]), visual);
    ShowSortIndicator();
    for (int column = 0; column < kChannelColumnCount; ++column)
        setColumnHidden(column,
                        ChannelColumnHidden(column, context_.SimpleColumns(), context_.Product(),
                                            context_.ChannelSlot().TunerStored()));
    std::vector<QStringList> widest;
    for (const std::vector<std::string>& texts : LongestCellTexts(
             context_.Store(), model_.Rows(), context_.Product(), model_.FavoriteGroup())) {
        QStringList shown; // as the model shows them: genres translated
        for (const std::string& text : texts)
            shown << (widest.size() == kColGenre
                          ? QCoreApplication::translate("Genres", text.c_str())
                          : QString::fromStdString(text));
        widest.push_back(shown);
    }
    FitColumnsToTexts(*this, kColName, widest);
    // Header symbols are 24 pixels wide and need room beside the sort arrow.
    for (int column : {int(kColRowNumber), int(kColCAS), int(kColLocked), int(kColSkipped)})
        setColumnWidth(column, std::max(columnWidth(column), 34));
    FillWithColumn(*this, kColName);
}

void CChannelGrid::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    FillWithColumn(*this, kColName);
}

RowIds CChannelGrid::FilledRows() {
    RowIds rows = FillChannels(context_.Store(), kind_, filter_, context_.Product());
    if (sortColumn_ >= 0)
        SortByColumnText(context_.Store(), rows, sortColumn_, sortDescending_, context_.Product(),
                         FavoriteGroupOf(filter_));
    return rows;
}

void CChannelGrid::SetFilter(const ChannelFilter& filter) {
    filter_ = filter;
    model_.SetRows(FilledRows(), FavoriteGroupOf(filter_));
    scrollToTop();
}

void CChannelGrid::Refill() {
    RefillSelecting(SelectedKeys());
}

void CChannelGrid::RefillSelecting(const RowIds& keys) {
    const int position = verticalScrollBar()->value();
    model_.SetRows(FilledRows(), FavoriteGroupOf(filter_));
    Select(keys);
    verticalScrollBar()->setValue(position);
}

RowIds CChannelGrid::SelectedKeys() const {
    return SelectedRowKeys(*this, model_);
}

void CChannelGrid::Select(const RowIds& keys) {
    QItemSelection selection;
    for (std::uint32_t key : keys) {
        const int row = model_.RowOf(key);
        if (row >= 0)
            selection.select(model_.index(row, 0), model_.index(row, kChannelColumnCount - 1));
    }
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}

void CChannelGrid::ApplySelection(const Selection& selection) {
    QItemSelection chosen;
    for (std::size_t row = 0; row < selection.size(); ++row)
        if (selection[row])
            chosen.select(model_.index(static_cast<int>(row), 0),
                          model_.index(static_cast<int>(row), kChannelColumnCount - 1));
    selectionModel()->select(chosen, QItemSelectionModel::ClearAndSelect);
}

std::uint32_t CChannelGrid::FocusKey() const {
    const QModelIndex current = currentIndex();
    if (current.isValid() && selectionModel()->isRowSelected(current.row(), {}))
        return model_.KeyAt(current.row());
    const RowIds selected = SelectedKeys();
    return selected.empty() ? 0 : selected.front();
}

void CChannelGrid::ScrollToRows(const RowIds& keys) {
    for (auto it = keys.rbegin(); it != keys.rend(); ++it)
        if (const int row = model_.RowOf(*it); row >= 0)
            scrollTo(model_.index(row, kColName), QAbstractItemView::EnsureVisible);
    if (!keys.empty())
        if (const int row = model_.RowOf(keys.front()); row >= 0)
            scrollTo(model_.index(row, kColName), QAbstractItemView::EnsureVisible);
}

void CChannelGrid::HeaderClicked(int column) {
    if (column < 1)
        return;
    // A new column starts ascending; the same one again turns round.
    SetSort(column, column == sortColumn_ && !sortDescending_);
}

void CChannelGrid::SetSort(int column, bool descending) {
    if (column < 1 || column >= kChannelColumnCount)
        return;
    sortColumn_ = column;
    sortDescending_ = descending;
    model_.SortByColumn(column, descending);
    ShowSortIndicator();
}

void CChannelGrid::ShowSortIndicator() {
    horizontalHeader()->setSortIndicatorShown(sortColumn_ >= 0);
    if (sortColumn_ >= 0)
        horizontalHeader()->setSortIndicator(sortColumn_, sortDescending_ ? Qt::DescendingOrder
                                                                          : Qt::AscendingOrder);
}

void CChannelGrid::keyPressEvent(QKeyEvent* event) {
    const bool ctrl = (event->modifiers() & Qt::ControlModifier) != 0;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Describe();
        return;
    case Qt::Key_Delete:
        DeleteOrRemove();
        return;
    default:
        break;
    }
    if (ctrl) {
        switch (event->key()) {
        case Qt::Key_N:
            NewChannel();
            return;
        case Qt::Key_C:
            Copy();
            break;
        case Qt::Key_V:
            Paste(true);
            return;
        case Qt::Key_F:
            Search();
            return;
        case Qt::Key_X:
            return;
        default:
            break;
        }
    }
    QTableView::keyPressEvent(event);
}

void CChannelGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    QTableView::mouseDoubleClickEvent(event);
    if (indexAt(event->position().toPoint()).isValid())
        Describe();
}

void CChannelGrid::BuildMenu() {
    menu_ = new QMenu(this);
    items_.newItem =
        menu_->addAction(tr("New...        \tCtrl+N"), this, &CChannelGrid::NewChannel);
    items_.update = menu_->addAction(tr("Update..."), this, &CChannelGrid::UpdateChannel);
    items_.remove =
        menu_->addAction(tr("Delete        \tDelete"), this, &CChannelGrid::DeleteOrRemove);
    menu_->addSeparator();
    items_.copy = menu_->addAction(tr("Copy          \tCtrl+C"), this, &CChannelGrid::Copy);
    items_.paste = menu_->addAction(tr("Paste         \tCtrl+V"), this, [this] { Paste(false); });
    items_.moveHere = menu_->addAction(tr("Move here"), this, &CChannelGrid::MoveHere);
    items_.favorites = menu_->addMenu(tr("Add to favourite group"));
    menu_->addSeparator();
    QMenu* lock = menu_->addMenu(tr("Lock..."));
    lock->addAction(tr("On"), this, [this] { SetFlag(attr::kLocked, true); });
    lock->addAction(tr("Off"), this, [this] { SetFlag(attr::kLocked, false); });
    QMenu* skip = menu_->addMenu(tr("Skip..."));
    skip->addAction(tr("On"), this, [this] { SetFlag(attr::kSkipped, true); });
    skip->addAction(tr("Off"), this, [this] { SetFlag(attr::kSkipped, false); });
    menu_->addSeparator();
    QMenu* select = menu_->addMenu(tr("Select..."));
    select->addAction(tr("Select All      Ctrl+A"), this, [this] { SelectWhere(SelectWhat::All); });
    select->addAction(tr("Locked"), this, [this] { SelectWhere(SelectWhat::Locked); });
    //: Menu item: select the scrambled channels (conditional access).
    select->addAction(tr("CAS"), this, [this] { SelectWhere(SelectWhat::CAS); });
    if (context_.Product().type == 8) {
        select->addAction(tr("Tuner 1"), this, [this] { SelectWhere(SelectWhat::Tuner1); });
        select->addAction(tr("Tuner 2"), this, [this] { SelectWhere(SelectWhat::Tuner2); });
    }
    menu_->addAction(tr("Invert selection"), this, &CChannelGrid::Invert);
    menu_->addSeparator();
    menu_->addAction(tr("Search..."), this, &CChannelGrid::Search);
    menu_->addSeparator();
    items_.describe = menu_->addAction(tr("Description...\tEnter"), this, &CChannelGrid::Describe);
    if (!menuExtras_.isEmpty()) {
        menu_->addSeparator();
        menu_->addActions(menuExtras_);
    }
}

void CChannelGrid::UpdateMenu() {
    const bool favorite = filter_.mode == FilterMode::Favorite;
    const bool genre = filter_.mode == FilterMode::Genre;
    const bool pasteable = context_.Clipboard().Holds(kind_);
    items_.newItem->setEnabled(!favorite && !genre);
    items_.paste->setEnabled(!favorite && !genre && pasteable);
    items_.moveHere->setEnabled(!favorite && !genre && pasteable);
    items_.remove->setText(favorite ? tr("Remove from FAV") : tr("Delete        \tDelete"));
    const bool any = selectionModel()->hasSelection();
    for (QAction* item : {items_.update, items_.remove, items_.copy, items_.describe})
        item->setEnabled(any);
    // The groups as they are named now.
    items_.favorites->clear();
    for (const FavoriteGroupName& group : FavoriteGroups(context_.Store()))
        items_.favorites->addAction(
            QString::fromLatin1(group.name.c_str()), this,
            [this, index = group.index] { ApplyDrop(kDragFavorite, index); });
    items_.favorites->setEnabled(any && !items_.favorites->isEmpty());
}

void CChannelGrid::contextMenuEvent(QContextMenuEvent* event) {
    if (menu_ == nullptr)
        BuildMenu();
    UpdateMenu();
    setFocus(); // the window's commands in the menu act on the grid with the focus
    menu_->exec(event->globalPos());
}

void CChannelGrid::startDrag(Qt::DropActions actions) {
    emit DragStarted(DragCodeOf());
    QTableView::startDrag(actions);
}

bool CChannelGrid::AcceptsDrag(const QMimeData* mime) const {
    return mime != nullptr && mime->hasFormat(QString::fromLatin1(kChannelMime)) &&
           mime->data(QString::fromLatin1(kChannelMime)).toInt() == DragCodeOf();
}

void CChannelGrid::dragEnterEvent(QDragEnterEvent* event) {
    if (AcceptsDrag(event->mimeData()))
        QTableView::dragEnterEvent(event);
    else
        event->ignore();
}

void CChannelGrid::dragMoveEvent(QDragMoveEvent* event) {
    if (!AcceptsDrag(event->mimeData())) {
        event->ignore();
        return;
    }
    QTableView::dragMoveEvent(event);
    event->setDropAction(Qt::MoveAction);
    event->accept();
}

void CChannelGrid::dropEvent(QDropEvent* event) {
    if (!AcceptsDrag(event->mimeData())) {
        event->ignore();
        return;
    }
    const QModelIndex target = indexAt(event->position().toPoint());
    // The drop is acted on by the main window; the grid keeps its rows itself.
    event->setDropAction(Qt::CopyAction);
    event->accept();
    if (target.isValid())
        emit Dropped(DragCodeOf(), model_.KeyAt(target.row()));
}

} // namespace chanforge::app
