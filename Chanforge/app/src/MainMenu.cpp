#include "MainMenu.h"

#include "ChannelGrid.h"
#include "CheckCommands.h"
#include "LeftBottomView.h"
#include "LeftTopView.h"
#include "MainFrame.h"
#include "RightView.h"
#include "WindowMemory.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>

namespace chanforge::app {

namespace {

/// An item for a grid command: the grid handles the key itself, the menu shows it.
template <class Fn> QAction* AddGridItem(QMenu* menu, CMainFrame& frame, const char* text, const char* key, Fn fn) {
    const QString label = key[0] == 0 ? QString::fromLatin1(text) : QStringLiteral("%1\t%2").arg(text, key);
    return menu->addAction(label, &frame, [&frame, fn] { fn(frame.Right().ActiveGrid()); });
}

void AddFileMenu(CMainFrame& frame, const MainActions& a) {
    QMenu* file = frame.menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(a.open);
    QMenu* recent = file->addMenu(QStringLiteral("Open &Recent"));
    recent->setObjectName(QStringLiteral("recentMenu"));
    // Filled when opened, so files opened meanwhile are there.
    QObject::connect(recent, &QMenu::aboutToShow, &frame, [recent, &frame] {
        recent->clear();
        for (const QString& path : CWindowMemory::RecentFiles())
            recent->addAction(QFileInfo(path).fileName(), &frame, [path, &frame] {
                if (frame.MaybeSave())
                    frame.OpenPath(path);
            })->setToolTip(path);
        recent->setEnabled(true);
        if (recent->isEmpty())
            recent->addAction(QStringLiteral("(none)"))->setEnabled(false);
    });
    file->addAction(a.save);
    file->addAction(a.exportTable);
    file->addSeparator();
    file->addAction(a.quit);
}

void AddEditMenu(CMainFrame& frame, const MainActions& a) {
    QMenu* edit = frame.menuBar()->addMenu(QStringLiteral("&Edit"));
    edit->addAction(a.undo);
    edit->addAction(a.redo);
    edit->addSeparator();
    AddGridItem(edit, frame, "New channel...", "Ctrl+N", [](CChannelGrid& g) { g.NewChannel(); });
    AddGridItem(edit, frame, "Update channel...", "", [](CChannelGrid& g) { g.UpdateChannel(); });
    AddGridItem(edit, frame, "Copy", "Ctrl+C", [](CChannelGrid& g) { g.Copy(); });
    AddGridItem(edit, frame, "Paste", "Ctrl+V", [](CChannelGrid& g) { g.Paste(false); });
    AddGridItem(edit, frame, "Move here", "", [](CChannelGrid& g) { g.MoveHere(); });
    AddGridItem(edit, frame, "Delete", "Del", [](CChannelGrid& g) { g.DeleteOrRemove(); });
    edit->addSeparator();
    QMenu* select = edit->addMenu(QStringLiteral("&Select"));
    AddGridItem(select, frame, "All", "", [](CChannelGrid& g) { g.SelectWhere(editing::SelectWhat::All); });
    AddGridItem(select, frame, "Locked", "", [](CChannelGrid& g) { g.SelectWhere(editing::SelectWhat::Locked); });
    AddGridItem(select, frame, "CAS", "", [](CChannelGrid& g) { g.SelectWhere(editing::SelectWhat::CAS); });
    AddGridItem(select, frame, "Invert", "", [](CChannelGrid& g) { g.Invert(); });
    AddGridItem(edit, frame, "Search...", "Ctrl+F", [](CChannelGrid& g) { g.Search(); });
}

void AddRecordsMenu(CMainFrame& frame) {
    QMenu* records = frame.menuBar()->addMenu(QStringLiteral("Re&cords"));
    const auto add = [&](const char* text, CRecordList& list) {
        if (list.Commands() != nullptr)
            records->addAction(QString::fromLatin1(text), list.Commands(), &CListCommands::New);
    };
    const editing::Product product = frame.Context().Product();
    if (product.Satellite()) {
        add("New satellite...", frame.LeftTop().Satellites());
        add("New transponder...", frame.LeftTop().Transponders());
    }
    if (product.Cable())
        add("New cable multiplex...", frame.LeftTop().Cables());
    add("New provider...", frame.LeftBottom().Providers());
}

void AddReceiverMenu(CMainFrame& frame, const MainActions& a) {
    QMenu* receiver = frame.menuBar()->addMenu(QStringLiteral("&Receiver"));
    receiver->addAction(a.receive);
    receiver->addAction(a.send);
    receiver->addSeparator();
    receiver->addAction(frame.Checks().CheckAction());
    receiver->addAction(frame.Checks().CompareAction());
    receiver->addAction(frame.Checks().RestoreAction());
    receiver->addAction(frame.Checks().VerifyAction());
    receiver->addSeparator();
    receiver->addAction(a.configuration);
}

} // namespace

const char* ShortcutsText() {
    return "Window\n"
           "  Ctrl+O  Open    Ctrl+S  Save to file    Ctrl+R  Receive    Ctrl+T  Send\n"
           "  Ctrl+Z  Undo    Ctrl+Y  Redo    F5  Refresh    Ctrl+Q  Quit\n"
           "Channel grids\n"
           "  Ctrl+N  New    Ctrl+C  Copy    Ctrl+V  Paste    Del  Delete    Ctrl+F  Search\n"
           "  Enter or double click  Description    drag  move, or drop on a list or group\n"
           "Satellite, transponder, cable and provider lists\n"
           "  Ctrl+N  New    Del  Delete    Enter or double click  Description\n"
           "Title bar or toolbar\n"
           "  Ctrl + double click  Configuration    Shift + double click  Export C table";
}

void BuildMenuBar(CMainFrame& frame, const MainActions& a) {
    AddFileMenu(frame, a);
    AddEditMenu(frame, a);
    AddRecordsMenu(frame);
    AddReceiverMenu(frame, a);
    QMenu* view = frame.menuBar()->addMenu(QStringLiteral("&View"));
    view->addAction(a.simpleColumns);
    view->addAction(a.refresh);
    QMenu* help = frame.menuBar()->addMenu(QStringLiteral("&Help"));
    help->addAction(a.shortcuts);
    help->addAction(a.about);
}

} // namespace chanforge::app
