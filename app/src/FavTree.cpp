#include "FavTree.h"

#include "ChannelGrid.h"
#include "EditText.h"
#include "chanforge/editing/FavoriteGroupEdits.h"
#include "chanforge/editing/FavoriteGroups.h"
#include "qpui/DlgSearchName.h"
#include "qpui/MessageBox.h"
#include "utils/Names.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QToolTip>

#include <algorithm>
#include <utility>

namespace chanforge::app {

using namespace editing;

namespace {

constexpr int kKeyRole = Qt::UserRole;

/// The in-place editor of a group name stops at what a group record holds; a name the pane is
/// too narrow for shows whole in a tooltip.
class GroupNameDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override {
        if (event->type() != QEvent::ToolTip)
            return QStyledItemDelegate::helpEvent(event, view, option, index);
        QStyleOptionViewItem item = option;
        initStyleOption(&item, index);
        const QStyle* style = view->style();
        // What the viewport shows of it: a scrolled or clipped column cuts a name too.
        const QRect text = style->subElementRect(QStyle::SE_ItemViewItemText, &item, view)
                               .intersected(view->viewport()->rect());
        // The style keeps a margin either side of the text inside its rectangle.
        const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
        if (item.fontMetrics.horizontalAdvance(item.text) > text.width() - 2 * margin)
            QToolTip::showText(event->globalPos(), item.text, view);
        else
            QToolTip::hideText();
        return true;
    }
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor))
            line->setMaxLength(static_cast<int>(kFavoriteNameMax));
        return editor;
    }
};

} // namespace

CFAVTreeCtrl::CFAVTreeCtrl(CEditContext& context, QWidget* parent)
    : QTreeWidget(parent), context_(context) {
    setObjectName("favoriteTree");
    header()->hide();
    setRootIsDecorated(true);
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    setItemDelegate(new GroupNameDelegate(this));
    connect(this, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (dragging_ || rebuilding_ || arriving_)
            return;
        chosenByPress_ = true;
        ItemChosen(item);
    });
    // A click on the item that is already current filters again (the grids may show another
    // pane's filter by now).
    connect(this, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
        if (!std::exchange(chosenByPress_, false))
            ItemChosen(item);
    });
    connect(this, &QTreeWidget::itemChanged, this, &CFAVTreeCtrl::ItemEdited);
    // The pane sizes the tree by its minimum: new or renamed names ask for it anew.
    for (const auto changed : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(model(), changed, this, [this] { updateGeometry(); });
    connect(model(), &QAbstractItemModel::dataChanged, this, [this] { updateGeometry(); });
    connect(this, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* item) { ItemDoubleClicked(item); });
}

void CFAVTreeCtrl::Rebuild() {
    rebuilding_ = true;
    chosen_ = nullptr;
    clear();
    favorites_ = new QTreeWidgetItem(this, {tr("Favorite")});
    favorites_->setData(0, kKeyRole, 0);
    favorites_->setIcon(0, style()->standardIcon(QStyle::SP_DirIcon));
    for (const FavoriteGroupName& group : FavoriteGroups(context_.Store())) {
        auto* item = new QTreeWidgetItem(favorites_, {QString::fromLatin1(group.name.c_str())});
        item->setData(0, kKeyRole, group.index);
        item->setFlags(item->flags() | Qt::ItemIsEditable | Qt::ItemIsDropEnabled);
        item->setIcon(0, style()->standardIcon(QStyle::SP_FileIcon));
    }
    genres_ = new QTreeWidgetItem(this, {tr("Genre")});
    genres_->setData(0, kKeyRole, 0);
    genres_->setIcon(0, style()->standardIcon(QStyle::SP_DirIcon));
    for (std::uint16_t code = 0; code < 16; ++code) {
        char name[kNameBufferSize] = {};
        GetGenreName(code, name);
        auto* item = new QTreeWidgetItem(genres_, {QCoreApplication::translate("Genres", name)});
        item->setData(0, kKeyRole, code);
        item->setIcon(0, style()->standardIcon(QStyle::SP_FileIcon));
    }
    expandAll();
    rebuilding_ = false;
}

QSize CFAVTreeCtrl::minimumSizeHint() const {
    // Wide enough for the longest name beside its indentation and icon; the scroll bar's room is
    // kept whether or not it shows, so that showing it never cuts a name.
    const int names =
        sizeHintForColumn(0) + 2 * frameWidth() + verticalScrollBar()->sizeHint().width();
    return {std::max(names, QTreeWidget::minimumSizeHint().width()),
            QTreeWidget::minimumSizeHint().height()};
}

bool CFAVTreeCtrl::IsGroup(const QTreeWidgetItem* item) const {
    return item != nullptr && item->parent() == favorites_;
}

void CFAVTreeCtrl::ItemChosen(QTreeWidgetItem* item) {
    if (item == nullptr)
        return;
    chosen_ = item;
    const auto key = item->data(0, kKeyRole).toUInt();
    if (item->parent() == favorites_)
        emit FavoriteChosen(key);
    else if (item->parent() == genres_)
        emit GenreChosen(key);
    else if (item == favorites_)
        emit AllChosen();
    else if (item == genres_)
        emit GenreChosen(0);
}

bool CFAVTreeCtrl::Rename(std::uint32_t index, const QString& name) {
    const EditResult result = context_.Edit(
        QT_TRANSLATE_NOOP("UndoSteps", "Rename favourite group"), TableBit(kFavoriteTable), [&] {
            return RenameFavoriteGroup(context_.Store(), index, name.toLatin1().toStdString());
        });
    if (result == EditResult::FavoriteNameTooLong)
        qpui::ShowError(this, EditText(result));
    return result == EditResult::Ok;
}

void CFAVTreeCtrl::ItemEdited(QTreeWidgetItem* item, int) {
    if (rebuilding_ || !IsGroup(item))
        return;
    const auto index = item->data(0, kKeyRole).toUInt();
    if (!Rename(index, item->text(0))) {
        // Refused or empty: the label goes back to the stored name.
        const QSignalBlocker block(this);
        for (const FavoriteGroupName& group : FavoriteGroups(context_.Store()))
            if (group.index == index)
                item->setText(0, QString::fromLatin1(group.name.c_str()));
    }
}

void CFAVTreeCtrl::ItemDoubleClicked(QTreeWidgetItem* item) {
    RenameGroup(item);
}

QString CFAVTreeCtrl::AskName(const QString& title, const QString& name) {
    qpui::CDlgSearchName dialog(this);
    dialog.SetTitle(title);
    dialog.SetText(name);
    return dialog.DoModal() == QDialog::Accepted ? dialog.Text() : QString();
}

void CFAVTreeCtrl::RenameGroup(QTreeWidgetItem* item) {
    if (!IsGroup(item))
        return;
    const QString name = AskName(tr("Update"), item->text(0));
    if (!name.isEmpty() && Rename(item->data(0, kKeyRole).toUInt(), name)) {
        const QSignalBlocker block(this);
        item->setText(0, name);
    }
}

void CFAVTreeCtrl::NewGroup() {
    const std::optional<std::uint32_t> free = FreeFavoriteGroup(context_.Store());
    if (!free) {
        qpui::ShowInformation(this, tr("Every favourite group the receiver keeps is in use: "
                                       "clear or delete one first."));
        return;
    }
    const QString name = AskName(tr("New"), QString());
    if (!name.isEmpty() && Rename(*free, name))
        Rebuild();
}

void CFAVTreeCtrl::Report(EditResult result) {
    if (const QString message = EditText(result); !message.isEmpty())
        qpui::ShowError(this, message);
}

void CFAVTreeCtrl::ClearGroup(std::uint32_t index) {
    Report(context_.Edit(QT_TRANSLATE_NOOP("UndoSteps", "Clear favourite group"),
                         TableBit(kChannelTable),
                         [&] { return ClearFavoriteGroup(context_.Store(), index); }));
    emit MembersChanged();
}

void CFAVTreeCtrl::DeleteGroup(std::uint32_t index) {
    Report(context_.Edit(QT_TRANSLATE_NOOP("UndoSteps", "Delete favourite group"),
                         TableBit(kChannelTable) | TableBit(kFavoriteTable),
                         [&] { return DeleteFavoriteGroup(context_.Store(), index); }));
    Rebuild();
    emit MembersChanged();
}

void CFAVTreeCtrl::contextMenuEvent(QContextMenuEvent* event) {
    QTreeWidgetItem* item = itemAt(event->pos());
    const bool group = IsGroup(item);
    const std::uint32_t index = group ? item->data(0, kKeyRole).toUInt() : 0;
    const QString name = group ? item->text(0) : QString();
    QMenu menu(this);
    menu.addAction(tr("New group..."), this, &CFAVTreeCtrl::NewGroup);
    menu.addAction(tr("Rename..."), this, [this, item] { RenameGroup(item); })->setEnabled(group);
    menu.addAction(tr("Clear"), this,
                   [this, index, name] {
                       if (qpui::AskYesNo(this, tr("Take every channel out of %1?").arg(name)))
                           ClearGroup(index);
                   })
        ->setEnabled(group);
    menu.addAction(tr("Delete"), this,
                   [this, index, name] {
                       if (qpui::AskYesNo(this, tr("Delete the favourite group %1? Its channels "
                                                   "stay in the list.")
                                                    .arg(name)))
                           DeleteGroup(index);
                   })
        ->setEnabled(group);
    menu.exec(event->globalPos());
}

void CFAVTreeCtrl::dragEnterEvent(QDragEnterEvent* event) {
    const QByteArray code = event->mimeData()->data(QString::fromLatin1(kChannelMime));
    if (code.toInt() == kDragTV || code.toInt() == kDragRadio) {
        dragging_ = true;
        event->acceptProposedAction();
    } else {
        event->ignore();
    }
}

void CFAVTreeCtrl::dragMoveEvent(QDragMoveEvent* event) {
    QTreeWidgetItem* item = itemAt(event->position().toPoint());
    const bool target =
        item != nullptr && (item->parent() == favorites_ || item->parent() == genres_);
    if (!target) {
        event->ignore();
        return;
    }
    setCurrentItem(item, 0, QItemSelectionModel::NoUpdate);
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void CFAVTreeCtrl::dragLeaveEvent(QDragLeaveEvent* event) {
    QTreeWidget::dragLeaveEvent(event);
    ShowChosenItem();
}

void CFAVTreeCtrl::ShowChosenItem() {
    dragging_ = true; // moving the highlight back is not a choice
    setCurrentItem(chosen_, 0, QItemSelectionModel::ClearAndSelect);
    if (chosen_ == nullptr)
        clearSelection();
    dragging_ = false;
}

void CFAVTreeCtrl::mousePressEvent(QMouseEvent* event) {
    chosenByPress_ = false;
    QTreeWidget::mousePressEvent(event);
}

void CFAVTreeCtrl::focusInEvent(QFocusEvent* event) {
    arriving_ = true;
    QTreeWidget::focusInEvent(event);
    arriving_ = false;
}

void CFAVTreeCtrl::dropEvent(QDropEvent* event) {
    QTreeWidgetItem* item = itemAt(event->position().toPoint());
    ShowChosenItem();
    if (item == nullptr || (item->parent() != favorites_ && item->parent() != genres_)) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    emit Dropped(item->parent() == favorites_ ? kDragFavorite : kDragGenre,
                 item->data(0, kKeyRole).toUInt());
}

} // namespace chanforge::app
