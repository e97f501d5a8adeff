#include "TickBoxes.h"

#include <QAbstractItemView>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPersistentModelIndex>
#include <QPushButton>

#include <functional>

namespace chanforge::app {

namespace {

bool IsLine(const QModelIndex& index) {
    return index.column() == 0 && index.data(Qt::CheckStateRole).isValid();
}

/// Calls fn on every line of the model, depth first, in the view's order.
void ForEachLine(const QAbstractItemModel& model, const QModelIndex& parent,
                 const std::function<void(const QModelIndex&)>& fn) {
    for (int row = 0; row < model.rowCount(parent); ++row) {
        const QModelIndex index = model.index(row, 0, parent);
        if (IsLine(index))
            fn(index);
        if (model.hasChildren(index))
            ForEachLine(model, index, fn);
    }
}

/// The line a row belongs to: itself, or the nearest line above it in the tree.
QModelIndex LineOf(QModelIndex index) {
    for (index = index.siblingAtColumn(0); index.isValid(); index = index.parent())
        if (IsLine(index))
            return index;
    return {};
}

} // namespace

CTickBoxes::CTickBoxes(QAbstractItemView& view) : QObject(&view), view_(view) {
    view_.installEventFilter(this);
    view_.setSelectionMode(QAbstractItemView::ExtendedSelection);
    view_.setSelectionBehavior(QAbstractItemView::SelectRows);
    connect(view_.model(), &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex&, const QModelIndex&, const QList<int>& roles) {
                if (!batch_ && roles.contains(Qt::CheckStateRole))
                    emit Changed();
            });
}

QHBoxLayout* CTickBoxes::Buttons(QWidget* parent) {
    auto* row = new QHBoxLayout;
    auto* all = new QPushButton(tr("Tick &all"), parent);
    all->setObjectName(view_.objectName() + QStringLiteral("TickAll"));
    auto* none = new QPushButton(tr("Tick &none"), parent);
    none->setObjectName(view_.objectName() + QStringLiteral("TickNone"));
    for (QPushButton* button : {all, none}) {
        button->setAutoDefault(false);
        row->addWidget(button);
    }
    row->addStretch(1);
    connect(all, &QPushButton::clicked, this, [this] { SetAll(Qt::Checked); });
    connect(none, &QPushButton::clicked, this, [this] { SetAll(Qt::Unchecked); });
    return row;
}

editing::LeftOut CTickBoxes::Unticked() const {
    editing::LeftOut out;
    std::size_t line = 0;
    ForEachLine(*view_.model(), {}, [&](const QModelIndex& index) {
        if (index.data(Qt::CheckStateRole).value<Qt::CheckState>() != Qt::Checked)
            out.insert(line);
        ++line;
    });
    return out;
}

Qt::CheckState CTickBoxes::StateFor(bool leftOut) {
    return leftOut ? Qt::Unchecked : Qt::Checked;
}

bool CTickBoxes::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &view_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space &&
        static_cast<QKeyEvent*>(event)->modifiers() == Qt::NoModifier) {
        ToggleSelected();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void CTickBoxes::SetAll(Qt::CheckState state) {
    batch_ = true;
    ForEachLine(*view_.model(), {}, [&](const QModelIndex& index) {
        view_.model()->setData(index, state, Qt::CheckStateRole);
    });
    batch_ = false;
    emit Changed();
}

void CTickBoxes::ToggleSelected() {
    QList<QPersistentModelIndex> lines;
    for (const QModelIndex& index : view_.selectionModel()->selectedIndexes())
        if (const QModelIndex line = LineOf(index); line.isValid() && !lines.contains(line))
            lines << line;
    if (lines.isEmpty())
        if (const QModelIndex line = LineOf(view_.currentIndex()); line.isValid())
            lines << line;
    if (lines.isEmpty())
        return;
    // One state for all: the opposite of the first, so a mixed selection ends up alike.
    const bool ticked =
        lines.front().data(Qt::CheckStateRole).value<Qt::CheckState>() == Qt::Checked;
    batch_ = true;
    for (const QPersistentModelIndex& line : lines)
        view_.model()->setData(line, ticked ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
    batch_ = false;
    emit Changed();
}

} // namespace chanforge::app
