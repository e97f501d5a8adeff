// The Check command in the main window: the findings panel lists a fault of each kind, a double
// click selects the records concerned, and each fix is one step that Undo takes back. Restore
// lists what each kept image is and opens the one chosen.
#include "BackupsDialog.h"
#include "ChangesDialog.h"
#include "ChannelGrid.h"
#include "LeftTopView.h"
#include "MainFrame.h"
#include "RightView.h"
#include "SampleData.h"
#include "WindowDriver.h"
#include "WindowFixture.h"

#include "chanforge/TableAccess.h"
#include "chanforge/check/Backups.h"
#include "chanforge/check/Titles.h"
#include "qpui/MessageBox.h"
#include "utils/Files.h"

#include <QAction>
#include <QInputDialog>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

#include <algorithm>
#include <cstring>
#include <sys/stat.h>

using namespace chanforge;
using namespace chanforge::app;

namespace {

/// The panel's first line of a rule, null when it lists none.
QTreeWidgetItem* FindingItem(CFindingsDock& dock, check::Rule rule) {
    const auto found =
        dock.List().findItems(QString::fromLatin1(check::RuleTitle(rule)), Qt::MatchExactly, 1);
    return found.isEmpty() ? nullptr : found.front();
}

/// The finding a line of the panel stands for.
const check::Finding& FindingAt(CFindingsDock& dock, QTreeWidgetItem* item) {
    return dock.Findings().at(static_cast<std::size_t>(dock.List().indexOfTopLevelItem(item)));
}

void DoubleClick(QTreeWidget& list, QTreeWidgetItem* item) {
    list.scrollToItem(item);
    const QPoint at = list.visualItemRect(item).center();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, at);
}

} // namespace

class CheckWindowTest : public test::WindowFixture {
    Q_OBJECT
  public:
    CheckWindowTest() : WindowFixture(QMessageBox::Ok) {}

  private slots:
    void findingsSelectTheirRecordsAndFixesUndo();
    void channelsOfADeletedProviderGoToTheOneChosen();
    void compareWithAFifoSaysSoAtOnce();
    void restoreListsWhatWasKeptAndAsksAfterTheChoice();
};

void CheckWindowTest::findingsSelectTheirRecordsAndFixesUndo() {
    const auto window = OpenSample("D");
    QVERIFY(window);
    CMainFrame& frame = *window;
    tabstore::CQoDB& db = document_->Store();
    // A channel twice; the sample has unused transponders already.
    AppendRow(db, kChannelTable, CopyRow(*testkit::ChannelNamed(db, "ZDF HD")));
    frame.RefreshAll();

    frame.Checks().CheckAction()->trigger();
    CFindingsDock& dock = frame.Checks().Dock();
    QVERIFY(dock.isVisible());
    using check::Rule;

    // A double click selects the records concerned in their pane.
    QTreeWidgetItem* duplicate = FindingItem(dock, Rule::DuplicateService);
    std::vector<std::uint32_t> copies = FindingAt(dock, duplicate).rows;
    QCOMPARE(copies.size(), std::size_t{2});
    DoubleClick(dock.List(), duplicate);
    editing::RowIds selected = frame.Right().TV().SelectedKeys();
    for (std::uint32_t key : frame.Right().Radio().SelectedKeys())
        selected.push_back(key);
    std::sort(selected.begin(), selected.end());
    QCOMPARE(selected, copies);
    QTreeWidgetItem* unused = FindingItem(dock, Rule::UnusedTransponder);
    const std::uint32_t transponder = FindingAt(dock, unused).rows.front();
    DoubleClick(dock.List(), unused);
    QCOMPARE(frame.LeftTop().Transponders().SelectedKey(), transponder);

    // Each fix is one undo step; the panel follows the tables.
    const auto fixAndUndo = [&](Rule rule, TableId table, std::uint32_t expectedAfter,
                                bool someLeft) {
        const std::uint32_t before = db.Size(table);
        dock.List().setCurrentItem(FindingItem(dock, rule));
        QVERIFY(dock.FixButton().isEnabled());
        dock.FixButton().click();
        QCOMPARE(db.Size(table), expectedAfter);
        QCOMPARE(FindingItem(dock, rule) != nullptr, someLeft);
        frame.Undo();
        QCOMPARE(db.Size(table), before);
        QVERIFY(FindingItem(dock, rule) != nullptr);
    };
    // Every copy but the first of each service is ticked; the operator unticks one of them.
    QCOMPARE(duplicate->child(0)->checkState(0), Qt::Unchecked);
    QCOMPARE(duplicate->child(1)->checkState(0), Qt::Checked);
    duplicate->child(1)->setCheckState(0, Qt::Unchecked);
    std::uint32_t ticked = 0;
    for (int i = 0; i < dock.List().topLevelItemCount(); ++i)
        for (int k = 0; k < dock.List().topLevelItem(i)->childCount(); ++k)
            ticked += dock.List().topLevelItem(i)->child(k)->checkState(0) == Qt::Checked ? 1 : 0;
    fixAndUndo(Rule::DuplicateService, kChannelTable, db.Size(kChannelTable) - ticked, true);
    const auto unusedCount =
        std::count_if(dock.Findings().begin(), dock.Findings().end(),
                      [](const check::Finding& f) { return f.rule == Rule::UnusedTransponder; });
    fixAndUndo(Rule::UnusedTransponder, kTransponderTable,
               db.Size(kTransponderTable) - static_cast<std::uint32_t>(unusedCount), false);
}

void CheckWindowTest::channelsOfADeletedProviderGoToTheOneChosen() {
    const auto window = OpenSample("D");
    QVERIFY(window);
    CMainFrame& frame = *window;
    tabstore::CQoDB& db = document_->Store();
    for (const char* name : {"arte HD", "phoenix HD"})
        testkit::ChannelNamed(db, name)->BroadcastID = 77;
    frame.Checks().CheckAction()->trigger();
    CFindingsDock& dock = frame.Checks().Dock();
    dock.List().setCurrentItem(FindingItem(dock, check::Rule::MissingProvider));
    QCOMPARE(dock.FixButton().text(), QStringLiteral("Assign to a provider…"));
    test::WhenModal([](QWidget* modal) {
        auto* dialog = qobject_cast<QInputDialog*>(modal);
        QVERIFY(dialog);
        QVERIFY(dialog->comboBoxItems().contains(QStringLiteral("No provider")));
        dialog->setTextValue(QStringLiteral("BR (ID 3)"));
        dialog->accept();
    });
    dock.FixButton().click();
    for (const char* name : {"arte HD", "phoenix HD"})
        QCOMPARE(testkit::ChannelNamed(db, name)->BroadcastID, 3);
    QVERIFY(FindingItem(dock, check::Rule::MissingProvider) == nullptr);
    frame.Undo();
    QCOMPARE(testkit::ChannelNamed(db, "arte HD")->BroadcastID, 77);
}

// Compare with file asks through the window's file dialog; a FIFO chosen there is refused at once
// instead of holding the window until something writes to it.
void CheckWindowTest::compareWithAFifoSaysSoAtOnce() {
    const QString fifo = dir_.filePath("fifo.bin");
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    document::Document document;
    CMainFrame frame(document);
    frame.show();
    test::WhenFileDialog(fifo);
    frame.findChild<QAction*>(QStringLiteral("compareAction"))->trigger();
    QCOMPARE(messages_, QStringList{QString::fromLatin1(document::kOpenFailedMessage)});
}

namespace {

std::vector<std::uint8_t> ReadBytes(const QString& path) {
    std::vector<std::uint8_t> bytes;
    return utils::ReadWholeFile(path.toStdString(), bytes).ok() ? bytes : decltype(bytes){};
}

QStringList RowTexts(const QTreeWidgetItem* item) {
    QStringList texts;
    texts << item->text(0).left(4); // the year of the local time
    for (int column = 1; column < 4; ++column)
        texts << item->text(column);
    return texts;
}

} // namespace

// Kept images list newest first with their kind and channel counts (an old name without a kind
// too); the question about unsaved changes comes once one is chosen. Before a send, a newest
// backup that fails its checksum gives way to the one before it, and the operator is told.
void CheckWindowTest::restoreListsWhatWasKeptAndAsksAfterTheChoice() {
    qputenv("CHANFORGE_BACKUP_DIR", dir_.filePath("backups").toLocal8Bit());
    const QString sample = dir_.filePath("restore.bin");
    QVERIFY(testkit::WriteSampleFile("D", 1, sample.toStdString(), 20) > 0);
    document::Document document;
    CMainFrame frame(document);
    frame.show();
    QVERIFY(frame.OpenPath(sample));
    const check::BackupStore store;
    const std::int64_t t0 = 1700000000000; // 2023-11-14
    QVERIFY(store.Keep(ReadBytes(sample), "D", check::BackupKind::Received, document.Layout(), t0)
                .ok());
    // Unsaved changes that also change the TV count of what is kept next.
    frame.Context().Edit("Rename", editing::TableBit(kChannelTable), [&] {
        tabstore::CQoDB& db = document.Store();
        std::strcpy(testkit::ChannelNamed(db, "ZDF HD")->Name, "ZDF Sent");
        AppendRow(db, kChannelTable, CopyRow(*testkit::ChannelNamed(db, "ZDF Sent")));
    });
    const QString sent = dir_.filePath("sent.bin");
    QVERIFY(document.SaveToFile(sent.toStdString()).ok());
    for (auto kind : {check::BackupKind::Sent, check::BackupKind::ReadBack})
        QVERIFY(store.Keep(ReadBytes(sent), "D", kind, document.Layout(), t0).ok());
    QVERIFY(
        QFile::copy(sample, dir_.filePath("backups/D_20231114-221320-000_0123456789abcdef.bin")));
    QVERIFY(frame.IsModified());

    messages_.clear();
    answer_ = QMessageBox::No;
    QList<QStringList> rows;
    QStringList askedBeforeTheChoice;
    test::WhenModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<CBackupsDialog*>(modal);
        askedBeforeTheChoice = messages_;
        if (dialog == nullptr || dialog->List().topLevelItemCount() < 3) {
            modal->close();
            return;
        }
        QTreeWidget& list = dialog->List();
        for (int i = 0; i < list.topLevelItemCount(); ++i)
            rows << RowTexts(list.topLevelItem(i));
        QTreeWidgetItem* received = list.topLevelItem(2);
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                          list.visualItemRect(received).center());
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("open")), Qt::LeftButton);
    });
    frame.Backups().RestoreAction()->trigger();
    QVERIFY(askedBeforeTheChoice.isEmpty());
    QCOMPARE(rows, (QList<QStringList>{{"2023", "Read back after a send", "21", "6"},
                                       {"2023", "Sent", "21", "6"},
                                       {"2023", "Received", "20", "6"},
                                       {"2023", "", "", ""}}));
    QCOMPARE(messages_.size(), 1); // unsaved changes? No: the backup replaces them
    QVERIFY(!frame.IsModified());
    QVERIFY(testkit::ChannelNamed(document.Store(), "ZDF HD") != nullptr);
    QVERIFY(testkit::ChannelNamed(document.Store(), "ZDF Sent") == nullptr);
    QVERIFY(frame.windowTitle().contains(QStringLiteral("_received_20tv-6radio")));

    // The newest backup damaged: the comparison before a send takes the sent one and says so.
    QFile damaged(QString::fromStdString(store.List("D").front().path));
    QVERIFY(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
    damaged.close();
    QString intro;
    test::WhenModal([&](QWidget* modal) {
        for (const QLabel* label : modal->findChildren<QLabel*>())
            intro += label->text();
        modal->close(); // Cancel the send
    });
    QVERIFY(!frame.Checks().BeforeSend());
    QVERIFY2(intro.contains(QStringLiteral("no longer matches its checksum; compared with the one "
                                           "kept 2023-11-1")),
             qPrintable(intro));
}

QTEST_MAIN(CheckWindowTest)
#include "CheckWindowTest.moc"
