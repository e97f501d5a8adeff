#include "MainActions.h"

#include "MainFrame.h"

#include <QAction>
#include <QStyle>

namespace chanforge::app {

namespace {

/// An action whose tooltip names its accelerator, so the toolbar teaches the keys.
template <class Slot>
QAction* Make(CMainFrame& frame, QStyle::StandardPixmap icon, const char* text, const char* statusTip,
              const QKeySequence& key, Slot slot, const char* buttonTip = nullptr) {
    auto* action = new QAction(QString::fromLatin1(text), &frame);
    if (icon != QStyle::SP_CustomBase)
        action->setIcon(frame.style()->standardIcon(icon));
    action->setStatusTip(QString::fromLatin1(statusTip));
    action->setShortcut(key);
    QString tip = buttonTip != nullptr ? QString::fromLatin1(buttonTip) : action->text().remove(QLatin1Char('&'));
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
    a.open = Make(f, QStyle::SP_DialogOpenButton, "&Open...", "Open existing database", QKeySequence::Open,
                  [&f] { f.Open(); }, "Open file");
    a.save = Make(f, QStyle::SP_DialogSaveButton, "&Save to file...", "Save to file", QKeySequence::Save,
                  [&f] { f.Save(); }, "Save to file");
    a.exportTable = Make(f, kNoIcon, "&Export C table...", "Write the channel table as C source",
                         QKeySequence(), [&f] { f.ExportDefaultTable(); });
    a.quit = Make(f, kNoIcon, "&Quit", "Close the program", QKeySequence(Qt::CTRL | Qt::Key_Q), [&f] { f.close(); });
    a.receive = Make(f, QStyle::SP_ArrowDown, "&Receive", "Receive DB from STB", QKeySequence(Qt::CTRL | Qt::Key_R),
                     [&f] { f.Receive(); }, "Receive");
    a.send = Make(f, QStyle::SP_ArrowUp, "Sen&d", "Send DB to STB", QKeySequence(Qt::CTRL | Qt::Key_T),
                  [&f] { f.Send(); }, "Send");
    a.configuration = Make(f, kNoIcon, "&Configuration (receiver model)...", "Choose the receiver model",
                           QKeySequence(), [&f] { f.Configuration(); });
    a.refresh = Make(f, QStyle::SP_BrowserReload, "Re&fresh", "Refresh all", QKeySequence::Refresh,
                     [&f] { f.RefreshAll(); }, "Refresh");
    a.simpleColumns = Make(f, kNoIcon, "&Simple columns", "Hide the id and PID columns", QKeySequence(),
                           [&f](bool simple) { f.Context().SetSimpleColumns(simple); });
    a.simpleColumns->setCheckable(true);
    a.simpleColumns->setChecked(f.Context().SimpleColumns());
    a.undo = Make(f, QStyle::SP_ArrowBack, "&Undo", "Undo the last change", QKeySequence(Qt::CTRL | Qt::Key_Z),
                  [&f] { f.Undo(); });
    a.redo = Make(f, QStyle::SP_ArrowForward, "&Redo", "Redo the change undone last",
                  QKeySequence(Qt::CTRL | Qt::Key_Y), [&f] { f.Redo(); });
    a.about = Make(f, QStyle::SP_MessageBoxInformation, "&About", "Display program information, version number and copyright",
                   QKeySequence(), [&f] { f.About(); });
    a.shortcuts = Make(f, kNoIcon, "&Keyboard shortcuts", "The keys of the window, grids and lists",
                       QKeySequence::HelpContents, [&f] { f.Shortcuts(); });
    return a;
}

} // namespace chanforge::app
