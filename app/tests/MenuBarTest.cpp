// The menu bar as a new user meets it: every item reaches its command; channel numbers sort by
// value; a search that finds nothing says so; a file saved under a name typed without extension
// gets ".bin".
#include "ChannelGrid.h"
#include "CheckCommands.h"
#include "LeftTopView.h"
#include "MainFrame.h"
#include "RightView.h"
#include "SampleData.h"
#include "WindowDriver.h"
#include "WindowFixture.h"

#include "chanforge/TableAccess.h"
#include "chanforge/editing/ChannelColumns.h"
#include "policy/Policy.h"
#include "qpui/MessageBox.h"

#include <QDockWidget>
#include <QHeaderView>
#include <QMenuBar>
#include <QtTest>

#include <memory>

using namespace chanforge;
using namespace chanforge::app;
using namespace chanforge::app::test;
using namespace chanforge::testkit;

namespace {

/// "File/Save to file" → that item of the menu bar.
QAction* Item(QMenuBar* bar, const QString& path) {
    const QStringList parts = path.split(QLatin1Char('/'));
    const QMenu* menu = nullptr;
    for (QAction* top : bar->actions())
        if (top->text().remove(QLatin1Char('&')) == parts[0])
            menu = top->menu();
    for (int i = 1; menu != nullptr && i < parts.size(); ++i) {
        QAction* action = MenuItem(menu, parts[i]);
        if (i + 1 == parts.size())
            return action;
        menu = action != nullptr ? action->menu() : nullptr;
    }
    return nullptr;
}

/// Triggers the item; any dialog it opens is cancelled. Returns that dialog's title, empty
/// when none opened.
QString TriggerAndCancel(QMenuBar* bar, const QString& path) {
    QAction* action = Item(bar, path);
    if (action == nullptr || !action->isEnabled())
        return QStringLiteral("<no enabled item %1>").arg(path);
    QString title;
    WhenModal([&title](QWidget* dialog) {
        if (dialog == nullptr)
            return;
        title = dialog->windowTitle();
        QMetaObject::invokeMethod(dialog, "reject");
    });
    action->trigger();
    QCoreApplication::processEvents();
    return title;
}

} // namespace

class MenuBarTest : public test::WindowFixture {
    Q_OBJECT
  public:
    MenuBarTest() : WindowFixture(QMessageBox::No) {}

  private slots:
    void everyMenuItemReachesItsCommand();
    void numbersSortByValueAndSearchSaysWhenNothingMatches();
    void nameTypedWithoutExtensionGetsBin();
};

void MenuBarTest::everyMenuItemReachesItsCommand() {
    auto frame = OpenSample("D", 20, 0);
    QVERIFY(frame);
    QMenuBar* bar = frame->menuBar();
    tabstore::CQoDB& db = document_->Store();
    CChannelGrid& tv = frame->Right().TV();

    // Items that open a dialog, named by the dialog's title.
    const std::pair<const char*, const char*> dialogs[] = {
        {"File/Open", "Load Channel Data"},
        {"File/Save to file", "Save Channel Data"},
        {"File/Export C table", "Save Default Channel Data"},
        {"Edit/New channel", "Channel"},
        {"Edit/Search", "Search..."},
        {"Records/New satellite", "Satellite"},
        {"Records/New transponder", "Transponder"},
        {"Records/New provider", "New"},
        {"List/Find duplicates", "Find duplicates"},
        {"List/Sort and renumber", "Sort and renumber"},
        {"List/Remove unused", "Remove unused"},
        {"Receiver/Receive", "Receive data from STB"},
        {"Receiver/Configuration", "Configuration"},
        {"Help/Keyboard shortcuts", "Keyboard shortcuts"},
        {"Help/About", "About Chanforge"},
    };
    for (const auto& [path, title] : dialogs)
        QCOMPARE(TriggerAndCancel(bar, QString::fromLatin1(path)), QString::fromLatin1(title));

    // File/Open Recent lists the file just opened.
    QMenu* recent = Item(bar, QStringLiteral("File/Open Recent"))->menu();
    emit recent->aboutToShow();
    QVERIFY(MenuItem(recent, QStringLiteral("sample-D.bin")) != nullptr);

    // Edit items act on the grid that had the focus.
    tv.setFocus();
    tv.Select({tv.Model().KeyAt(0)});
    QCOMPARE(TriggerAndCancel(bar, QStringLiteral("Edit/Update channel")),
             QStringLiteral("Channel"));
    TriggerAndCancel(bar, QStringLiteral("Edit/Select/All"));
    QCOMPARE(tv.SelectedKeys().size(), static_cast<std::size_t>(tv.Model().rowCount()));
    TriggerAndCancel(bar, QStringLiteral("Edit/Select/Invert"));
    QVERIFY(tv.SelectedKeys().empty());
    tv.Select({tv.Model().KeyAt(2)});
    TriggerAndCancel(bar, QStringLiteral("Edit/Copy"));
    QVERIFY(!frame->Context().Clipboard().Empty());
    const std::uint32_t third = tv.Model().KeyAt(2);
    tv.setCurrentIndex(tv.Model().index(0, editing::kColName));
    tv.Select({tv.Model().KeyAt(0)});
    TriggerAndCancel(bar, QStringLiteral("Edit/Move here"));
    QCOMPARE(GetRow<Channel_Info_Tag>(db, kChannelTable, third)->ProgramNum, 1);
    const std::uint32_t channels = db.Size(kChannelTable);
    TriggerAndCancel(bar, QStringLiteral("Edit/Copy"));
    TriggerAndCancel(bar, QStringLiteral("Edit/Paste"));
    QCOMPARE(db.Size(kChannelTable), channels + 1);
    TriggerAndCancel(bar, QStringLiteral("Edit/Undo"));
    QCOMPARE(db.Size(kChannelTable), channels);
    TriggerAndCancel(bar, QStringLiteral("Edit/Redo"));
    QCOMPARE(db.Size(kChannelTable), channels + 1);
    messages_.clear();
    tv.Select({tv.Model().KeyAt(0)});
    TriggerAndCancel(bar, QStringLiteral("Edit/Delete"));
    QCOMPARE(messages_, QStringList{QStringLiteral("Would you like to delete selected item?")});
    for (const auto& [item, bit] :
         {std::pair{"Edit/Select/Locked", attr::kLocked}, {"Edit/Select/CAS", attr::kScrambled}}) {
        tv.selectAll();
        TriggerAndCancel(bar, QString::fromLatin1(item));
        const editing::RowIds chosen = tv.SelectedKeys();
        for (std::uint32_t key : tv.Model().Rows()) {
            const bool selected = std::find(chosen.begin(), chosen.end(), key) != chosen.end();
            QCOMPARE(selected,
                     (GetRow<Channel_Info_Tag>(db, kChannelTable, key)->Attributes & bit) != 0);
        }
    }

    // View: the column mode switches the id columns; Refresh shows every channel again.
    const bool simple = tv.isColumnHidden(editing::kColSatID);
    TriggerAndCancel(bar, QStringLiteral("View/Simple columns"));
    QCOMPARE(tv.isColumnHidden(editing::kColSatID), !simple);
    QCOMPARE(GetGridColumn(), simple ? 1 : 0);
    frame->Right().ShowGenre(3);
    TriggerAndCancel(bar, QStringLiteral("View/Refresh"));
    QCOMPARE(tv.Filter().mode, editing::FilterMode::All);

    // Receiver: Check shows the findings panel.
    TriggerAndCancel(bar, QStringLiteral("Receiver/Check"));
    QVERIFY(frame->Checks().Dock().isVisible());
    messages_.clear();
    QVERIFY(!TriggerAndCancel(bar, QStringLiteral("Receiver/Send")).isEmpty() ||
            !messages_.isEmpty());

    // File/Quit closes the window (unsaved changes are asked about first; the answer is No).
    TriggerAndCancel(bar, QStringLiteral("File/Quit"));
    QVERIFY(!frame->isVisible());
}

void MenuBarTest::numbersSortByValueAndSearchSaysWhenNothingMatches() {
    auto frame = OpenSample("D", 12, 0);
    QVERIFY(frame);
    CChannelGrid& tv = frame->Right().TV();
    tv.horizontalHeader()->sectionClicked(editing::kColNumber); // first click: ascending
    QStringList numbers = ColumnTexts(tv.Model(), editing::kColNumber);
    QCOMPARE(numbers.mid(0, 3), (QStringList{"1", "2", "3"}));
    QCOMPARE(numbers.mid(9, 3), (QStringList{"10", "11", "12"}));
    messages_.clear();
    frame->Right().SearchBoth(QStringLiteral("No Such Channel"));
    QCOMPARE(messages_, QStringList{QStringLiteral("No channel named \"No Such Channel\"")});
}

void MenuBarTest::nameTypedWithoutExtensionGetsBin() {
    auto frame = OpenSample("D", 5, 0);
    QVERIFY(frame);
    const QString typed = dir_.filePath(QStringLiteral("typed-without-extension"));
    WhenFileDialog(typed);
    Item(frame->menuBar(), QStringLiteral("File/Save to file"))->trigger();
    QVERIFY(QFile::exists(typed + QStringLiteral(".bin")));
    QVERIFY(!QFile::exists(typed));
}

QTEST_MAIN(MenuBarTest)
#include "MenuBarTest.moc"
