#include "MainMenu.h"

#include "ChannelGrid.h"
#include "CheckCommands.h"
#include "CurateCommands.h"
#include "Languages.h"
#include "LeftBottomView.h"
#include "LeftTopView.h"
#include "MainFrame.h"
#include "MergeCommands.h"
#include "PaneCycle.h"
#include "PrintCommands.h"
#include "ReferenceCommands.h"
#include "RightView.h"
#include "TransponderCommands.h"
#include "WindowMemory.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>

namespace chanforge::app {

namespace {

/// An item for a grid command: the grid handles the key itself, the menu shows it.
template <class Fn>
QAction* AddGridItem(QMenu* menu, CMainFrame& frame, const QString& text, const char* key, Fn fn) {
    const QString label =
        key[0] == 0 ? text : QStringLiteral("%1\t%2").arg(text, QLatin1String(key));
    return menu->addAction(label, &frame, [&frame, fn] { fn(frame.Right().ActiveGrid()); });
}

void AddFileMenu(CMainFrame& frame, const MainActions& a) {
    QMenu* file = frame.menuBar()->addMenu(CMainFrame::tr("&File"));
    file->addAction(a.open);
    QMenu* recent = file->addMenu(CMainFrame::tr("Open &Recent"));
    recent->setObjectName(QStringLiteral("recentMenu"));
    recent->setToolTipsVisible(true);
    // Filled when opened, so files opened meanwhile are there.
    QObject::connect(recent, &QMenu::aboutToShow, &frame, [recent, &frame] {
        recent->clear();
        for (const QString& path : CWindowMemory::RecentFiles())
            recent
                ->addAction(QStringLiteral("%1  (%2)")
                                .arg(QFileInfo(path).fileName(),
                                     QDir::toNativeSeparators(QFileInfo(path).absolutePath())),
                            &frame, [path, &frame] { frame.Files().OpenChosen(path); })
                ->setToolTip(path);
        recent->setEnabled(true);
        if (recent->isEmpty())
            recent->addAction(CMainFrame::tr("(none)"))->setEnabled(false);
    });
    file->addAction(a.save);
    file->addAction(a.exportTable);
    frame.Prints().AddTo(*file);
    file->addSeparator();
    auto* references = new CReferenceCommands(frame);
    file->addAction(references->ApplyAction());
    file->addAction(references->SaveForModelAction());
    file->addAction((new CMergeCommands(frame))->MergeAction());
    file->addAction((new CTransponderCommands(frame))->UpdateAction());
    file->addSeparator();
    file->addAction(a.quit);
}

void AddEditMenu(CMainFrame& frame, const MainActions& a) {
    QMenu* edit = frame.menuBar()->addMenu(CMainFrame::tr("&Edit"));
    edit->addAction(a.undo);
    edit->addAction(a.redo);
    edit->addSeparator();
    AddGridItem(edit, frame, CMainFrame::tr("New channel..."), "Ctrl+N",
                [](CChannelGrid& g) { g.NewChannel(); });
    AddGridItem(edit, frame, CMainFrame::tr("Update channel..."), "",
                [](CChannelGrid& g) { g.UpdateChannel(); });
    AddGridItem(edit, frame, CMainFrame::tr("Copy"), "Ctrl+C", [](CChannelGrid& g) { g.Copy(); });
    AddGridItem(edit, frame, CMainFrame::tr("Paste"), "Ctrl+V",
                [](CChannelGrid& g) { g.Paste(false); });
    AddGridItem(edit, frame, CMainFrame::tr("Move here"), "",
                [](CChannelGrid& g) { g.MoveHere(); });
    AddGridItem(edit, frame, CMainFrame::tr("Delete"), "Del",
                [](CChannelGrid& g) { g.DeleteOrRemove(); });
    edit->addSeparator();
    QMenu* select = edit->addMenu(CMainFrame::tr("&Select"));
    AddGridItem(select, frame, CMainFrame::tr("All"), "",
                [](CChannelGrid& g) { g.SelectWhere(editing::SelectWhat::All); });
    AddGridItem(select, frame, CMainFrame::tr("Locked"), "",
                [](CChannelGrid& g) { g.SelectWhere(editing::SelectWhat::Locked); });
    //: Menu item: select the scrambled channels (conditional access).
    AddGridItem(select, frame, CMainFrame::tr("CAS"), "",
                [](CChannelGrid& g) { g.SelectWhere(editing::SelectWhat::CAS); });
    AddGridItem(select, frame, CMainFrame::tr("Invert"), "", [](CChannelGrid& g) { g.Invert(); });
    AddGridItem(edit, frame, CMainFrame::tr("Search..."), "Ctrl+F",
                [](CChannelGrid& g) { g.Search(); });
    edit->addAction(CMainFrame::tr("Find next"), &frame, [&frame] { frame.Right().FindNext(true); })
        ->setShortcut(Qt::Key_F3);
    edit->addAction(CMainFrame::tr("Find previous"), &frame,
                    [&frame] { frame.Right().FindNext(false); })
        ->setShortcut(Qt::SHIFT | Qt::Key_F3);
}

void AddRecordsMenu(CMainFrame& frame) {
    QMenu* records = frame.menuBar()->addMenu(CMainFrame::tr("Re&cords"));
    const auto add = [&](const QString& text, CRecordList& list) {
        if (list.Commands() != nullptr)
            records->addAction(text, list.Commands(), &CListCommands::New);
    };
    const editing::Product product = frame.Context().Product();
    if (product.Satellite()) {
        add(CMainFrame::tr("New satellite..."), frame.LeftTop().Satellites());
        add(CMainFrame::tr("New transponder..."), frame.LeftTop().Transponders());
    }
    if (product.Cable())
        add(CMainFrame::tr("New cable multiplex..."), frame.LeftTop().Cables());
    add(CMainFrame::tr("New provider..."), frame.LeftBottom().Providers());
}

void AddReceiverMenu(CMainFrame& frame, const MainActions& a) {
    QMenu* receiver = frame.menuBar()->addMenu(CMainFrame::tr("&Receiver"));
    receiver->addAction(a.receive);
    receiver->addAction(a.send);
    receiver->addAction(a.sendSeveral);
    receiver->addSeparator();
    receiver->addAction(frame.Checks().CheckAction());
    receiver->addAction(frame.Checks().CompareAction());
    receiver->addAction(frame.Backups().RestoreAction());
    receiver->addAction(frame.Backups().VerifyAction());
    receiver->addSeparator();
    receiver->addAction(a.configuration);
}

} // namespace

QString ShortcutsText() {
    return CMainFrame::tr(
        "Window\n"
        "  Ctrl+O  Open    Ctrl+S  Save to file    Ctrl+R  Receive    Ctrl+T  Send\n"
        "  Ctrl+Z  Undo    Ctrl+Y  Redo    F5  Refresh    Ctrl+P  Print    Ctrl+Q  Quit\n"
        "  F6, Shift+F6  next, previous pane    Tab, Shift+Tab  next, previous list\n"
        "Channel grids\n"
        "  Ctrl+N  New    Ctrl+C  Copy    Ctrl+V  Paste    Del  Delete    Ctrl+F  Search\n"
        "  F3, Shift+F3  next, previous channel named as searched\n"
        "  Enter or double click  Description    drag  move, or drop on a list or group\n"
        "  Ctrl+Shift+F  Filter channels    Ctrl+H  Rename by pattern\n"
        "Satellite, transponder, cable and provider lists\n"
        "  Ctrl+N  New    Del  Delete    Enter or double click  Description\n"
        "Title bar or toolbar\n"
        "  Ctrl + double click  Configuration    Shift + double click  Export C table");
}

void BuildMenuBar(CMainFrame& frame, const MainActions& a) {
    AddFileMenu(frame, a);
    AddEditMenu(frame, a);
    frame.Curate().AddTo(*frame.menuBar()->addMenu(CMainFrame::tr("&List")));
    AddRecordsMenu(frame);
    AddReceiverMenu(frame, a);
    QMenu* view = frame.menuBar()->addMenu(CMainFrame::tr("&View"));
    view->addAction(a.simpleColumns);
    view->addAction(a.refresh);
    view->addSeparator();
    view->addAction(frame.PaneKeys().NextAction());
    view->addAction(frame.PaneKeys().PreviousAction());
    view->addSeparator();
    view->addMenu(LanguageMenu(&frame));
    QMenu* help = frame.menuBar()->addMenu(CMainFrame::tr("&Help"));
    help->addAction(a.guide);
    help->addAction(a.shortcuts);
    help->addAction(a.about);
}

} // namespace chanforge::app
