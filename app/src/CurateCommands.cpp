#include "CurateCommands.h"

#include "ChannelGrid.h"
#include "DuplicatesDialog.h"
#include "EditText.h"
#include "MainFrame.h"
#include "RenameDialog.h"
#include "RightView.h"
#include "SortKeysDialog.h"
#include "UnusedDialog.h"

#include "qpui/MessageBox.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QStatusBar>

namespace chanforge::app {

using namespace editing;

namespace {

QAction* MakeAction(CCurateCommands* owner, const QString& text, const char* name,
                    const QKeySequence& keys = {}) {
    auto* action = new QAction(text, owner);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    return action;
}

} // namespace

CCurateCommands::CCurateCommands(CMainFrame& frame) : QObject(&frame), frame_(frame) {
    filter_ = MakeAction(this, tr("Filter channels"), "filterChannels",
                         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F));
    selectShown_ = MakeAction(this, tr("Select all shown"), "selectAllShownAction");
    duplicates_ = MakeAction(this, tr("Find duplicates..."), "findDuplicates");
    rename_ = MakeAction(this, tr("Rename by pattern..."), "renameByPattern",
                         QKeySequence(Qt::CTRL | Qt::Key_H));
    sort_ = MakeAction(this, tr("Sort and renumber..."), "sortByKeys");
    unused_ = MakeAction(this, tr("Remove unused..."), "removeUnused");
    frame.addActions({filter_, rename_});
    for (CChannelGrid* grid : {&frame.Right().TV(), &frame.Right().Radio()})
        grid->AddMenuActions(GridActions());
    connect(filter_, &QAction::triggered, this, [this] {
        QLineEdit& text = frame_.Right().FilterBar().TextField();
        text.setFocus();
        text.selectAll();
    });
    connect(selectShown_, &QAction::triggered, &frame_.Right().FilterBar(),
            &CFilterBar::SelectAllShown);
    connect(duplicates_, &QAction::triggered, this, &CCurateCommands::FindDuplicates);
    connect(rename_, &QAction::triggered, this, &CCurateCommands::RenameByPattern);
    connect(sort_, &QAction::triggered, this, &CCurateCommands::SortByKeys);
    connect(unused_, &QAction::triggered, this, &CCurateCommands::RemoveUnused);
}

void CCurateCommands::AddTo(QMenu& menu) const {
    menu.addAction(filter_);
    menu.addAction(selectShown_);
    menu.addSeparator();
    menu.addAction(duplicates_);
    menu.addAction(rename_);
    menu.addAction(sort_);
    menu.addAction(unused_);
}

QList<QAction*> CCurateCommands::GridActions() const {
    return {selectShown_, rename_, duplicates_, sort_};
}

void CCurateCommands::FindDuplicates() {
    CEditContext& context = frame_.Context();
    CDuplicatesDialog dialog(context.Store(), context.Product(), &frame_);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const std::size_t deleted =
        context.Edit(QT_TRANSLATE_NOOP("UndoSteps", "Delete duplicates"), kDedupeTables, [&] {
            return DeleteDuplicates(context.Store(), dialog.Groups(), dialog.LeftOut());
        });
    // Deleting renumbers, which gives the channels other keys.
    context.Clipboard().Clear();
    frame_.Right().RefillBoth({});
    frame_.statusBar()->showMessage(
        tr("%n duplicate channel(s) deleted", nullptr, static_cast<int>(deleted)), 8000);
}

void CCurateCommands::RenameByPattern() {
    CEditContext& context = frame_.Context();
    CChannelGrid& grid = frame_.Right().ActiveGrid();
    const RowIds selected = grid.SelectedKeys();
    if (selected.empty()) {
        qpui::ShowInformation(&frame_, tr("Select the channels to rename first."));
        return;
    }
    CRenameDialog dialog(context.Store(), selected, context.Document().Layout().ChannelNameBytes(),
                         &frame_);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const EditResult result =
        context.Edit(QT_TRANSLATE_NOOP("UndoSteps", "Rename by pattern"), kRenameTables, [&] {
            return ApplyRename(context.Store(), dialog.Preview(), dialog.LeftOut());
        });
    if (const QString message = EditText(result); !message.isEmpty())
        qpui::ShowError(&frame_, message);
    frame_.Right().TV().Refill();
    frame_.Right().Radio().Refill();
}

void CCurateCommands::SortByKeys() {
    CSortKeysDialog dialog(&frame_);
    if (dialog.exec() != QDialog::Accepted)
        return;
    CEditContext& context = frame_.Context();
    const RowKeyMap moved =
        context.Edit(QT_TRANSLATE_NOOP("UndoSteps", "Sort and renumber"), kSortTables, [&] {
            return editing::SortByKeys(context.Store(), dialog.Keys(), context.Product());
        });
    context.Clipboard().Clear();
    CChannelGrid& grid = frame_.Right().ActiveGrid();
    frame_.Right().RefillBoth(Remap(moved, grid.SelectedKeys()));
}

void CCurateCommands::RemoveUnused() {
    CEditContext& context = frame_.Context();
    CUnusedDialog dialog(context.Store(), context.Product(), &frame_);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const std::size_t removed =
        context.Edit(QT_TRANSLATE_NOOP("UndoSteps", "Remove unused"), kRemoveUnusedTables, [&] {
            return editing::RemoveUnused(context.Store(), dialog.Unused(), dialog.LeftOut());
        });
    // Ids of satellites and carriers close their gaps: every list shows them anew.
    frame_.RefreshAll();
    frame_.statusBar()->showMessage(
        tr("%n unused record(s) removed", nullptr, static_cast<int>(removed)), 8000);
}

} // namespace chanforge::app
