#include "MainActions.h"

#include "GuideWindow.h"
#include "MainFrame.h"

#include <QAction>
#include <QStyle>

namespace chanforge::app {

namespace {

/// An action whose tooltip names its accelerator, so the toolbar teaches the keys.
template <class Slot>
QAction* Make(CMainFrame& frame, QStyle::StandardPixmap icon, const QString& text,
              const QString& statusTip, const QKeySequence& key, Slot slot,
              const QString& buttonTip = QString()) {
    auto* action = new QAction(text, &frame);
    if (icon != QStyle::SP_CustomBase)
        action->setIcon(frame.style()->standardIcon(icon));
    action->setStatusTip(statusTip);
    action->setShortcut(key);
    QString tip = !buttonTip.isEmpty() ? buttonTip : action->text().remove(QLatin1Char('&'));
    if (!key.isEmpty())
        tip += QStringLiteral(" (%1)").arg(key.toString(QKeySequence::NativeText));
    action->setToolTip(tip);
    QObject::connect(action, &QAction::triggered, &frame, slot);
    frame.addAction(action); // shortcuts work even where no menu or toolbar shows the action
    return action;
}

constexpr auto kNoIcon = QStyle::SP_CustomBase;

} // namespace

MainActions CreateMainActions(CMainFrame& f) {
    MainActions a;
    a.open = Make(
        f, QStyle::SP_DialogOpenButton, CMainFrame::tr("&Open..."),
        CMainFrame::tr("Open existing database"), QKeySequence::Open, [&f] { f.Files().Open(); },
        CMainFrame::tr("Open file"));
    a.save = Make(
        f, QStyle::SP_DialogSaveButton, CMainFrame::tr("&Save to file..."),
        CMainFrame::tr("Save to file"), QKeySequence::Save, [&f] { f.Files().Save(); },
        CMainFrame::tr("Save to file"));
    a.exportTable = Make(f, kNoIcon, CMainFrame::tr("&Export C table..."),
                         CMainFrame::tr("Write the channel table as C source"), QKeySequence(),
                         [&f] { f.Files().ExportDefaultTable(); });
    a.quit = Make(f, kNoIcon, CMainFrame::tr("&Quit"), CMainFrame::tr("Close the program"),
                  QKeySequence(Qt::CTRL | Qt::Key_Q), [&f] { f.close(); });
    a.receive = Make(
        f, QStyle::SP_ArrowDown, CMainFrame::tr("&Receive"), CMainFrame::tr("Receive DB from STB"),
        QKeySequence(Qt::CTRL | Qt::Key_R), [&f] { f.Files().Receive(); },
        CMainFrame::tr("Receive"));
    a.send = Make(
        f, QStyle::SP_ArrowUp, CMainFrame::tr("Sen&d"), CMainFrame::tr("Send DB to STB"),
        QKeySequence(Qt::CTRL | Qt::Key_T), [&f] { f.Files().Send(); }, CMainFrame::tr("Send"));
    a.sendSeveral = Make(f, kNoIcon, CMainFrame::tr("Send to se&veral receivers…"),
                         CMainFrame::tr("Send DB to every ticked port at once, each verified"),
                         QKeySequence(), [&f] { f.Files().SendToSeveral(); });
    a.configuration = Make(f, kNoIcon, CMainFrame::tr("&Configuration (receiver model)..."),
                           CMainFrame::tr("Choose the receiver model"), QKeySequence(),
                           [&f] { f.Configuration(); });
    a.refresh = Make(
        f, QStyle::SP_BrowserReload, CMainFrame::tr("Re&fresh"), CMainFrame::tr("Refresh all"),
        QKeySequence::Refresh, [&f] { f.RefreshAll(); }, CMainFrame::tr("Refresh"));
    a.simpleColumns = Make(f, kNoIcon, CMainFrame::tr("&Simple columns"),
                           CMainFrame::tr("Hide the id and PID columns"), QKeySequence(),
                           [&f](bool simple) { f.Context().SetSimpleColumns(simple); });
    a.simpleColumns->setCheckable(true);
    a.simpleColumns->setChecked(f.Context().SimpleColumns());
    a.undo = Make(f, QStyle::SP_ArrowBack, CMainFrame::tr("&Undo"),
                  CMainFrame::tr("Undo the last change"), QKeySequence(Qt::CTRL | Qt::Key_Z),
                  [&f] { f.Undo(); });
    a.redo = Make(f, QStyle::SP_ArrowForward, CMainFrame::tr("&Redo"),
                  CMainFrame::tr("Redo the change undone last"), QKeySequence(Qt::CTRL | Qt::Key_Y),
                  [&f] { f.Redo(); });
    a.about = Make(f, QStyle::SP_MessageBoxInformation, CMainFrame::tr("&About"),
                   CMainFrame::tr("Display program information, version number and copyright"),
                   QKeySequence(), [&f] { f.About(); });
    a.guide = Make(f, QStyle::SP_DialogHelpButton, CMainFrame::tr("&Guide"),
                   CMainFrame::tr("The operator's guide: receiving, editing, checking, sending"),
                   QKeySequence::HelpContents, [&f] { OpenGuideFor(&f); });
    a.shortcuts = Make(f, kNoIcon, CMainFrame::tr("&Keyboard shortcuts"),
                       CMainFrame::tr("The keys of the window, grids and lists"), QKeySequence(),
                       [&f] { f.Shortcuts(); });
    return a;
}

} // namespace chanforge::app
