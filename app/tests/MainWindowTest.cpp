// Drives the main window on the offscreen platform: open, filter, search, lock, move, undo,
// redo, save, and a file that does not open.
#include "ChannelGrid.h"
#include "EnglishCounts.h"
#include "LeftBottomView.h"
#include "LeftTopView.h"
#include "MainFrame.h"
#include "RightView.h"
#include "SampleData.h"
#include "WindowDriver.h"
#include "WindowFixture.h"

#include "chanforge/TableAccess.h"
#include "chanforge/editing/ChannelColumns.h"
#include "qpui/MessageBox.h"

#include <QAbstractItemModelTester>
#include <QLineEdit>
#include <QMenu>
#include <QtTest>

#include <memory>

using namespace chanforge;
using namespace chanforge::app;

namespace {

using test::ColumnTexts;
using test::DragAndDrop;
using test::MenuItem;
using test::RightClick;
using test::WhenModal;
using testkit::ChannelNamed;

QPoint RowCenter(QTableView& view, int row) {
    return view.visualRect(view.model()->index(row, 6)).center();
}

/// Clicks the row showing the channel, with the given modifiers.
void ClickChannel(CChannelGrid& grid, tabstore::CQoDB& db, const char* name,
                  Qt::KeyboardModifiers modifiers = {}) {
    const Channel_Info_Tag* ch = testkit::ChannelNamed(db, name);
    QVERIFY2(ch != nullptr, name);
    const int row = grid.Model().RowOf(ch->RowID);
    QVERIFY2(row >= 0, name);
    grid.scrollTo(grid.Model().index(row, 6));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, modifiers, RowCenter(grid, row));
}

QStringList ChannelNames(tabstore::CQoDB& db) {
    QStringList names;
    ForEachRow<Channel_Info_Tag>(db, kChannelTable, [&](const Channel_Info_Tag& ch) {
        names << QString::fromLatin1(ch.Name);
    });
    names.sort();
    return names;
}

/// TV channels the provider list counts.
int ProviderCountSum(CRecordList& providers) {
    int sum = 0;
    for (const QString& counts : ColumnTexts(providers.Model(), 4))
        sum += counts.section('/', 0, 0).toInt(); // "tv/radio"
    return sum;
}

} // namespace

class MainWindowTest : public test::WindowFixture {
    Q_OBJECT
  public:
    MainWindowTest() : WindowFixture(QMessageBox::Yes) {}

  private slots:
    void modelsPassTheModelTester();
    void filterSearchLockMoveUndoRedoSave();
    void favouriteRename();
    void editsByKeyAndMouseNeverLoseChannels();
    void treeFiltersOnEveryClickAndAfterADrop();
};

void MainWindowTest::modelsPassTheModelTester() {
    auto frame = OpenSample("D", 30);
    QVERIFY(frame);
    QAbstractItemModelTester tvTester(&frame->Right().TV().Model(),
                                      QAbstractItemModelTester::FailureReportingMode::QtTest);
    QAbstractItemModelTester listTester(&frame->LeftTop().Satellites().Model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
    frame->Right().ShowGenre(3);
    frame->Right().ShowAll();
    frame->Right().TV().Model().SortByColumn(editing::kColName, true);
    frame->LeftTop().Satellites().Model().SortByColumn(3, false);
    frame->LeftTop().Satellites().Model().Reload();
    QCOMPARE(frame->Right().TV().Model().rowCount(), 30);
}

void MainWindowTest::filterSearchLockMoveUndoRedoSave() {
    auto frame = OpenSample("D", 30);
    QVERIFY(frame);
    tabstore::CQoDB& db = document_->Store();
    CChannelGrid& tv = frame->Right().TV();
    QCOMPARE(tv.Model().rowCount(), 30);
    QCOMPARE(frame->Right().Radio().Model().rowCount(), 10);
    QVERIFY(!frame->IsModified());

    // Filter by the first satellite (Astra, SatID 2): channel numbers 3, 6, 9 ... are on it.
    CRecordList& satellites = frame->LeftTop().Satellites();
    QCOMPARE(satellites.Model().rowCount(), 3);
    satellites.setCurrentIndex(satellites.Model().index(0, 3));
    QCOMPARE(tv.Model().rowCount(), 10);
    for (const QString& number : ColumnTexts(tv.Model(), editing::kColNumber))
        QCOMPARE(number.toInt() % 3, 0);
    QCOMPARE(frame->LeftTop().Transponders().Model().rowCount(), 6);

    // Back to everything; search selects the matching rows.
    frame->Right().ShowAll();
    QVERIFY(tv.SearchFor(QStringLiteral("zdf")));
    const editing::RowIds found = tv.SelectedKeys();
    QVERIFY(found.size() >= 3);
    for (std::uint32_t key : found)
        QVERIFY(QString::fromLatin1(GetRow<Channel_Info_Tag>(db, kChannelTable, key)->Name)
                    .contains("ZDF"));

    // Lock them.
    tv.SetFlag(attr::kLocked, true);
    for (std::uint32_t key : found)
        QVERIFY((GetRow<Channel_Info_Tag>(db, kChannelTable, key)->Attributes & attr::kLocked) !=
                0);
    QVERIFY(frame->IsModified());

    // Move channel 5 to the place of channel 2 (a drag within the TV grid).
    const Channel_Info_Tag* five = ChannelNamed(db, "KiKA HD");
    const Channel_Info_Tag* two = ChannelNamed(db, "ZDF HD");
    QVERIFY(five && two);
    const std::uint32_t fiveKey = five->RowID;
    tv.Select({fiveKey});
    emit tv.DragStarted(kDragTV); // what a drag start tells the main window
    emit frame->Right().Dropped(kDragTV, two->RowID);
    QCOMPARE(ChannelNamed(db, "KiKA HD")->ProgramNum, 2);
    QCOMPARE(ChannelNamed(db, "ZDF HD")->ProgramNum, 3);
    QCOMPARE(ChannelNamed(db, "3sat HD")->ProgramNum, 5);

    // Undo the move, then the lock; redo the lock.
    frame->Undo();
    QCOMPARE(ChannelNamed(db, "KiKA HD")->ProgramNum, 5);
    QCOMPARE(ChannelNamed(db, "ZDF HD")->ProgramNum, 2);
    frame->Undo();
    QCOMPARE(ChannelNamed(db, "ZDF HD")->Attributes & attr::kLocked, 0);
    QVERIFY(!frame->IsModified());
    frame->Redo();
    QVERIFY((ChannelNamed(db, "ZDF HD")->Attributes & attr::kLocked) != 0);

    // Save and read the file back through a separate document.
    const QString saved = dir_.filePath(QStringLiteral("saved.bin"));
    QVERIFY(frame->SaveTo(saved));
    QVERIFY(!frame->IsModified());
    QVERIFY(frame->windowTitle().contains("saved.bin"));
    document::Document reader;
    QVERIFY(reader.Open(saved.toStdString()).ok());
    QVERIFY((ChannelNamed(reader.Store(), "ZDF HD")->Attributes & attr::kLocked) != 0);
}

void MainWindowTest::favouriteRename() {
    auto frame = OpenSample("D", 16);
    QVERIFY(frame);
    tabstore::CQoDB& db = document_->Store();
    const QString before =
        QString::fromLatin1(GetRow<Favorite_Info_Tag>(db, kFavoriteTable, 1)->Name);
    messages_.clear();
    QVERIFY(!frame->LeftBottom().Tree().Rename(0, QString(20, 'x')));
    QCOMPARE(
        messages_,
        QStringList{"Cannot change Favorite name. mismatch string size (at most 19 characters)"});
    QVERIFY(frame->LeftBottom().Tree().Rename(0, QStringLiteral("Nachrichten")));
    QCOMPARE(QString::fromLatin1(GetRow<Favorite_Info_Tag>(db, kFavoriteTable, 1)->Name),
             QStringLiteral("Nachrichten"));
    frame->Undo();
    QCOMPARE(QString::fromLatin1(GetRow<Favorite_Info_Tag>(db, kFavoriteTable, 1)->Name), before);
}

void MainWindowTest::editsByKeyAndMouseNeverLoseChannels() {
    CEnglishCounts english; // as the program reads counts in English
    QCoreApplication::installTranslator(&english);
    auto frame = OpenSample("D", 20);
    QVERIFY(frame);
    tabstore::CQoDB& db = document_->Store();
    CChannelGrid& tv = frame->Right().TV();
    QStringList names = ChannelNames(db);

    // Update through the context menu, OK without a change, then New: one channel more, none lost.
    ClickChannel(tv, db, "Das Erste HD");
    const QPoint at = RowCenter(tv, tv.currentIndex().row());
    RightClick(tv.viewport(), at, [](QMenu* popup) {
        QVERIFY(popup);
        QAction* update = MenuItem(popup, QStringLiteral("Update"));
        QVERIFY(update);
        popup->setActiveAction(update);
        WhenModal([](QWidget* editor) { QTest::keyClick(editor, Qt::Key_Return); });
        QTest::keyClick(popup, Qt::Key_Return);
    });
    QCOMPARE(ChannelNames(db), names);
    WhenModal([](QWidget* editor) {
        auto* name = editor->findChild<QLineEdit*>("name");
        QVERIFY(name);
        QTest::keyClicks(name, "Fresh");
        QTest::keyClick(editor, Qt::Key_Return);
    });
    QTest::keyClick(&tv, Qt::Key_N, Qt::ControlModifier);
    names << QStringLiteral("Fresh");
    names.sort();
    QCOMPARE(ChannelNames(db), names);
    QCOMPARE(tv.SelectedKeys(), (editing::RowIds{ChannelNamed(db, "Fresh")->RowID}));

    // Delete two picked channels: afterwards nothing is selected, so a second Delete deletes
    // nothing.
    CRecordList& providers = frame->LeftBottom().Providers();
    const int counted = ProviderCountSum(providers);
    ClickChannel(tv, db, "3sat HD");
    ClickChannel(tv, db, "KiKA HD", Qt::ControlModifier);
    QCOMPARE(tv.SelectedKeys().size(), 2u);
    messages_.clear();
    QTest::keyClick(&tv, Qt::Key_Delete);
    QCOMPARE(messages_, QStringList{"Delete 2 channels?"});
    names.removeOne(QStringLiteral("3sat HD"));
    names.removeOne(QStringLiteral("KiKA HD"));
    QCOMPARE(ChannelNames(db), names);
    QVERIFY(tv.SelectedKeys().empty());
    QVERIFY(frame->Right().Radio().SelectedKeys().empty());
    QCOMPARE(ProviderCountSum(providers), counted - 2);
    QTest::keyClick(&tv, Qt::Key_Delete);
    QCOMPARE(ChannelNames(db), names);

    // A file that does not open changes nothing: tables, panes, history, title.
    const QString title = frame->windowTitle();
    const int rows = tv.Model().rowCount();
    const QString broken = dir_.filePath(QStringLiteral("not-a-database.bin"));
    QFile file(broken);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("QP  not a database");
    file.close();
    messages_.clear();
    answer_ = QMessageBox::No;
    QVERIFY(!frame->OpenPath(broken));
    answer_ = QMessageBox::Yes;
    QVERIFY(messages_.contains(QString::fromLatin1(document::kOpenFailedMessage)));
    QCOMPARE(ChannelNames(db), names);
    QCOMPARE(tv.Model().rowCount(), rows);
    QCOMPARE(frame->windowTitle(), title);
    QVERIFY(frame->IsModified());
    QVERIFY(frame->Context().Undo().CanUndo());
    frame->Undo(); // the delete comes back
    QCOMPARE(db.Size(kChannelTable), static_cast<std::uint32_t>(names.size() + 2));
}

void MainWindowTest::treeFiltersOnEveryClickAndAfterADrop() {
    auto frame = OpenSample("D", 16);
    QVERIFY(frame);
    CFAVTreeCtrl& tree = frame->LeftBottom().Tree();
    CChannelGrid& tv = frame->Right().TV();
    QTreeWidgetItem* group = tree.topLevelItem(0)->child(0);
    auto click = [&](QTreeWidgetItem* item) {
        QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, tree.visualItemRect(item).center());
    };
    click(group);
    QCOMPARE(tv.Filter().mode, editing::FilterMode::Favorite);
    frame->Right().ShowAll(); // another pane's filter
    click(group);             // the group that is still current
    QCOMPARE(tv.Filter().mode, editing::FilterMode::Favorite);

    // A channel dragged with the mouse onto another group joins it; the grids still show the
    // first group.
    const std::uint32_t key = tv.Model().KeyAt(0);
    DragAndDrop(tv, tv.visualRect(tv.Model().index(0, editing::kColName)).center(), tree.viewport(),
                tree.visualItemRect(tree.topLevelItem(0)->child(2)).center());
    QVERIFY((GetRow<Channel_Info_Tag>(document_->Store(), kChannelTable, key)->Favorite & 0b100) !=
            0);
    QCOMPARE(tree.currentItem(), group);
    QCOMPARE(tv.Filter().favorite, 1u);
}

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
