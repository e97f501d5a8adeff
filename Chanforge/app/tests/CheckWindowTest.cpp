// The Check command in the main window: the findings panel lists a fault of each kind, a double
// click selects the records concerned, and each fix is one step that Undo takes back.
#include "ChannelGrid.h"
#include "LeftTopView.h"
#include "MainFrame.h"
#include "RightView.h"
#include "SampleData.h"
#include "WindowDriver.h"

#include "chanforge/TableAccess.h"
#include "chanforge/check/Titles.h"
#include "qpui/MessageBox.h"

#include <QAction>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include <algorithm>
#include <cstring>
#include <sys/stat.h>

using namespace chanforge;
using namespace chanforge::app;

namespace {

QString RuleText(check::Rule rule) {
    return QString::fromLatin1(check::RuleTitle(rule));
}

/// The panel's first line of a rule, null when it lists none.
QTreeWidgetItem* FindingItem(CFindingsDock& dock, check::Rule rule) {
    const auto found = dock.List().findItems(RuleText(rule), Qt::MatchExactly, 1);
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

class CheckWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void cleanupTestCase();
    void findingsSelectTheirRecordsAndFixesUndo();
    void channelsOfADeletedProviderGoToTheOneChosen();
    void compareWithAFifoSaysSoAtOnce();

  private:
    QTemporaryDir dir_;
    qpui::MessageHandler previous_;
};

void CheckWindowTest::initTestCase() {
    QVERIFY(dir_.isValid());
    previous_ =
        qpui::SetMessageHandler([](qpui::MessageKind, const QString&) { return QMessageBox::Ok; });
}

void CheckWindowTest::cleanupTestCase() {
    qpui::SetMessageHandler(previous_);
}

void CheckWindowTest::findingsSelectTheirRecordsAndFixesUndo() {
    const std::string sample = dir_.filePath("sample.bin").toStdString();
    QVERIFY(testkit::WriteSampleFile("D", 1, sample, 20) > 0);
    document::Document document;
    CMainFrame frame(document);
    frame.show();
    QVERIFY(frame.OpenPath(QString::fromStdString(sample)));
    tabstore::CQoDB& db = document.Store();
    // One fault of each kind the sample lacks; its unused transponders it has already.
    testkit::ChannelNamed(db, "arte HD")->TPID = 99;
    std::strcpy(testkit::ChannelNamed(db, "3sat HD")->Name, "3sat HD with a name too long");
    testkit::ChannelNamed(db, "KiKA HD")->ProgramNum = 400;
    AppendRow(db, kChannelTable, CopyRow(*testkit::ChannelNamed(db, "ZDF HD")));
    frame.RefreshAll();

    frame.Checks().CheckAction()->trigger();
    CFindingsDock& dock = frame.Checks().Dock();
    QVERIFY(dock.isVisible());
    using check::Rule;
    for (Rule rule : {Rule::MissingTransponder, Rule::NameCut, Rule::NumberGap, Rule::NumberRepeat,
                      Rule::DuplicateService, Rule::UnusedTransponder})
        QVERIFY2(FindingItem(dock, rule) != nullptr, check::RuleName(rule).data());

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
    const std::string sample = dir_.filePath("providers.bin").toStdString();
    QVERIFY(testkit::WriteSampleFile("D", 1, sample, 20) > 0);
    document::Document document;
    CMainFrame frame(document);
    frame.show();
    QVERIFY(frame.OpenPath(QString::fromStdString(sample)));
    tabstore::CQoDB& db = document.Store();
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
    QStringList messages;
    const qpui::MessageHandler previous =
        qpui::SetMessageHandler([&messages](qpui::MessageKind, const QString& text) {
            messages << text;
            return QMessageBox::Ok;
        });
    test::WhenModal([fifo](QWidget* modal) {
        auto* files = qobject_cast<QFileDialog*>(modal);
        QVERIFY(files != nullptr && files->objectName() == QStringLiteral("fileDialog"));
        auto* name = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        QVERIFY(name);
        name->setText(fifo);
        QTest::keyClick(name, Qt::Key_Return);
    });
    frame.findChild<QAction*>(QStringLiteral("compareAction"))->trigger();
    qpui::SetMessageHandler(previous);
    QCOMPARE(messages, QStringList{QString::fromLatin1(document::kOpenFailedMessage)});
}

QTEST_MAIN(CheckWindowTest)
#include "CheckWindowTest.moc"
