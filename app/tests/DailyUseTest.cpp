// The window as an operator uses it all day, driven by keys and clicks: a workbook save that
// would hide unsaved changes, the keyboard's way round the panes, Cancel while connecting.
#include "ChannelGrid.h"
#include "CheckCommands.h"
#include "LeftBottomView.h"
#include "LeftTopView.h"
#include "MainFrame.h"
#include "RightView.h"
#include "SampleData.h"
#include "WindowDriver.h"
#include "WindowFixture.h"

#include "chanforge/TableAccess.h"
#include "chanforge/editing/ChannelColumns.h"
#include "chanforge/editing/TextOrder.h"
#include "qpui/MessageBox.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <memory>

using namespace chanforge;
using namespace chanforge::app;
using namespace chanforge::app::test;

namespace {

/// A key as the operator presses it in window, on the widget with the focus.
void Press(QWidget& window, int key, Qt::KeyboardModifiers modifiers = {}) {
    if (QApplication::activeWindow() != &window) { // back from a dialog on the offscreen platform
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus != nullptr ? focus : &window, static_cast<Qt::Key>(key), modifiers);
}

/// A pseudo-terminal nobody answers on: a receiver that is switched off.
struct SilentLine {
    SilentLine() : master(posix_openpt(O_RDWR | O_NOCTTY)) {
        if (master >= 0 && grantpt(master) == 0 && unlockpt(master) == 0)
            path = QString::fromLocal8Bit(ptsname(master));
    }
    ~SilentLine() {
        if (master >= 0)
            close(master);
    }
    int master;
    QString path;
};

} // namespace

class DailyUseTest : public WindowFixture {
    Q_OBJECT
  public:
    DailyUseTest() : WindowFixture(QMessageBox::Cancel) {}

  private slots:
    void emptyWindowSaysHowToStart();
    void workbookSaveKeepsOtherChangesUnsaved();
    void keyboardReachesEveryPane();
    void cancelWhileConnectingAsks();
    void channelGridsGetTheRoom_data();
    void channelGridsGetTheRoom();
    void sortStartsAscendingAndIsRemembered();
    void undoKeepsThePlace();
    void findNextAndFavouritesInReach();
};

void DailyUseTest::emptyWindowSaysHowToStart() {
    // The sample stores its model, which the window's document then works in.
    const QString sample = Path(QStringLiteral("start.bin"));
    QVERIFY(testkit::WriteSampleFile("D", 1, sample.toStdString(), 20) > 0);
    document_ = std::make_unique<document::Document>();
    CMainFrame frame(*document_);
    frame.show();
    frame.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&frame));
    CRightView& right = frame.Right();
    QVERIFY(right.StartHint().isVisible());
    QVERIFY(!right.TV().isVisible());
    // Each button names the key of the command it runs.
    const auto button = [&](const char* name) {
        return right.StartHint().findChild<QPushButton*>(QString::fromLatin1(name));
    };
    QVERIFY(button("startReceive")->text().endsWith(QStringLiteral("(Ctrl+R)")));
    QVERIFY(button("startGuide")->text().endsWith(QStringLiteral("(F1)")));
    QPushButton* open = button("startOpen");
    QVERIFY(open->text().endsWith(QStringLiteral("(Ctrl+O)")));

    WhenFileDialog(sample);
    QTest::mouseClick(open, Qt::LeftButton);
    QVERIFY(!right.StartHint().isVisible());
    QVERIFY(right.TV().isVisible());
    QVERIFY(right.TV().Model().rowCount() > 0);

    // Emptied again, as a new list starts: the hint is back.
    document_->Store().ClearAll();
    Press(frame, Qt::Key_F5);
    QVERIFY(right.StartHint().isVisible());
    QVERIFY(!right.TV().isVisible());
}

void DailyUseTest::workbookSaveKeepsOtherChangesUnsaved() {
    auto frame = OpenSample("D");
    QVERIFY(frame);
    tabstore::CQoDB& db = document_->Store();
    CFAVTreeCtrl& tree = frame->LeftBottom().Tree();
    QTreeWidgetItem* group = tree.topLevelItem(0)->child(1);
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, tree.visualItemRect(group).center());
    QTest::keyClick(&tree, Qt::Key_F2);
    auto* editor = tree.findChild<QLineEdit*>();
    QVERIFY(editor);
    editor->selectAll();
    QTest::keyClicks(editor, "Sport");
    QTest::keyClick(editor, Qt::Key_Return); // the view commits on its next turn
    QTRY_COMPARE(QString::fromLatin1(GetRow<Favorite_Info_Tag>(db, kFavoriteTable, 2)->Name),
                 QStringLiteral("Sport"));
    QVERIFY(frame->isWindowModified());

    // The workbook takes the channels; the rename is still unsaved, and Open asks.
    frame->Right().TV().selectAll();
    frame->Right().TV().SetFlag(attr::kSkipped, true);
    WhenFileDialog(Path(QStringLiteral("x.xls")));
    Press(*frame, Qt::Key_S, Qt::ControlModifier);
    QVERIFY(QFile::exists(Path(QStringLiteral("x.xls"))));
    QVERIFY(frame->isWindowModified());
    messages_.clear();
    answer_ = QMessageBox::Cancel;
    Press(*frame, Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(messages_, QStringList{"The channel list has unsaved changes. Save them now?"});

    // Saved whole, then only channels change: a workbook holds every change.
    WhenFileDialog(Path(QStringLiteral("whole.bin")));
    Press(*frame, Qt::Key_S, Qt::ControlModifier);
    QVERIFY(!frame->isWindowModified());
    frame->Right().TV().selectAll();
    frame->Right().TV().SetFlag(attr::kLocked, true);
    QVERIFY(frame->isWindowModified());
    WhenFileDialog(Path(QStringLiteral("y.xls")));
    Press(*frame, Qt::Key_S, Qt::ControlModifier);
    QVERIFY(!frame->isWindowModified());
    // The CSV type chosen in the dialog chooses the separator.
    WhenFileDialog(Path(QStringLiteral("y.csv")),
                   QStringLiteral("CSV file, semicolon-separated (*.csv)"));
    Press(*frame, Qt::Key_S, Qt::ControlModifier);
    QFile csv(Path(QStringLiteral("y.csv")));
    QVERIFY(csv.open(QIODevice::ReadOnly));
    QVERIFY(csv.readLine().startsWith("\xEF\xBB\xBFProgramNum;CAS;Favorite;"));

    // Asked on the way out, a workbook is not enough when more than channels changed.
    QVERIFY(frame->LeftBottom().Tree().Rename(0, QStringLiteral("News")));
    answer_ = QMessageBox::Yes;
    messages_.clear();
    WhenFileDialog(Path(QStringLiteral("z.xls")));
    QVERIFY(!frame->close());
    QCOMPARE(messages_.size(), 2); // the question, then why the window stays
    QVERIFY(frame->isVisible());
    answer_ = QMessageBox::No;
}

void DailyUseTest::keyboardReachesEveryPane() {
    auto frame = OpenSample("D");
    QVERIFY(frame);
    CChannelGrid& tv = frame->Right().TV();
    CRecordList& satellites = frame->LeftTop().Satellites();
    satellites.setFocus();
    const int rows = tv.Model().rowCount();

    // Tab from list to list, never cell to cell, and nothing it passes becomes the filter.
    int tabs = 0;
    while (QApplication::focusWidget() != &tv && tabs++ < 16)
        Press(*frame, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), &tv); // past the lists and the controls over the grids
    QCOMPARE(tv.Filter().mode, editing::FilterMode::All);
    QCOMPARE(tv.Model().rowCount(), rows);
    Press(*frame, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), &frame->Right().Radio());
    Press(*frame, Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), &tv);

    // Arrows move inside.
    Press(*frame, Qt::Key_Down);
    Press(*frame, Qt::Key_Down);
    QCOMPARE(tv.currentIndex().row(), 2);

    // F6 and Shift+F6 go round the panes and back to the list each had the focus in.
    Press(*frame, Qt::Key_F6);
    QCOMPARE(QApplication::focusWidget(), &frame->LeftTop().Transponders());
    Press(*frame, Qt::Key_F6);
    QCOMPARE(QApplication::focusWidget(), &frame->LeftBottom().Tree());
    Press(*frame, Qt::Key_F6);
    QCOMPARE(QApplication::focusWidget(), &tv);
    QCOMPARE(tv.currentIndex().row(), 2);
    Press(*frame, Qt::Key_F6, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), &frame->LeftBottom().Tree());
}

void DailyUseTest::cancelWhileConnectingAsks() {
    auto frame = OpenSample("D", 5);
    QVERIFY(frame);
    SilentLine line;
    QVERIFY(!line.path.isEmpty());
    bool stayed = false;
    messages_.clear();
    WhenModal([&](QWidget* dialog) {
        QVERIFY(dialog);
        dialog->findChild<QComboBox*>("port")->setEditText(line.path);
        dialog->findChild<QPushButton*>("connect")->click();
        answer_ = QMessageBox::Cancel; // the operator thinks again
        dialog->findChild<QPushButton*>("cancel")->click();
        stayed = dialog->isVisible();
        answer_ = QMessageBox::Ok;
        dialog->findChild<QPushButton*>("cancel")->click();
    });
    Press(*frame, Qt::Key_R, Qt::ControlModifier);
    QVERIFY(stayed);
    const QString question = QStringLiteral("Would you like to close connected serial port ?");
    QCOMPARE(messages_, (QStringList{question, question}));
}

void DailyUseTest::channelGridsGetTheRoom_data() {
    QTest::addColumn<QByteArray>("model");
    QTest::addColumn<int>("gridColumn");
    for (const char* model : {"D", "E"}) {
        QTest::addRow("%s simple", model) << QByteArray(model) << 0;
        QTest::addRow("%s detail", model) << QByteArray(model) << 1;
    }
}

void DailyUseTest::channelGridsGetTheRoom() {
    QFETCH(QByteArray, model);
    QFETCH(int, gridColumn);
    auto frame = OpenSample(model.constData(), 60, gridColumn);
    QVERIFY(frame);
    frame->resize(1024, 768);
    QTest::qWait(20);
    CChannelGrid& tv = frame->Right().TV();
    QVERIFY(frame->Right().width() > 3 * frame->LeftTop().width() / 2);
    // Every name whole and in view without scrolling sideways.
    int widest = 0;
    for (int row = 0; row < tv.Model().rowCount(); ++row)
        widest = std::max(widest, tv.fontMetrics().horizontalAdvance(
                                      tv.Model().index(row, editing::kColName).data().toString()));
    QVERIFY(tv.columnWidth(editing::kColName) > widest);
    QVERIFY(tv.columnViewportPosition(editing::kColName) + tv.columnWidth(editing::kColName) <=
            tv.viewport()->width());
    // Findings open low: the grids keep most of their rows.
    const int rows = tv.viewport()->height();
    frame->Checks().Check();
    QTest::qWait(20);
    QVERIFY(frame->Checks().Dock().isVisible());
    QVERIFY2(tv.viewport()->height() > 2 * rows / 3,
             qPrintable(QStringLiteral("%1 of %2").arg(tv.viewport()->height()).arg(rows)));
}

void DailyUseTest::sortStartsAscendingAndIsRemembered() {
    auto frame = OpenSample("D");
    QVERIFY(frame);
    CChannelGrid& tv = frame->Right().TV();
    const auto clickHeader = [&tv](int column) {
        QHeaderView* header = tv.horizontalHeader();
        const int x = header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
    };
    clickHeader(editing::kColNumber);
    clickHeader(editing::kColName); // another column starts ascending again
    const auto sorted = [&tv](bool descending) {
        const QStringList shown = ColumnTexts(tv.Model(), editing::kColName);
        return std::is_sorted(shown.begin(), shown.end(), [&](const QString& a, const QString& b) {
            return descending ? editing::NaturalLess(b.toStdString(), a.toStdString())
                              : editing::NaturalLess(a.toStdString(), b.toStdString());
        });
    };
    QVERIFY(sorted(false));
    frame->LeftTop().Satellites().selectRow(0); // a refill keeps the sort
    QVERIFY(tv.Model().rowCount() < 20);
    QVERIFY(sorted(false));
    clickHeader(editing::kColName);
    QVERIFY(tv.SortDescending());
    QVERIFY(sorted(true));

    answer_ = QMessageBox::No;
    QVERIFY(frame->close());
    frame = OpenSample("D");
    QVERIFY(frame);
    QCOMPARE(frame->Right().TV().SortColumn(), int(editing::kColName));
    QVERIFY(frame->Right().TV().SortDescending());
    QCOMPARE(frame->Right().Radio().SortColumn(), -1);
    frame->Right().TV().SetSort(editing::kColNumber, false); // leave channel order for the others
    QVERIFY(frame->close());
}

void DailyUseTest::undoKeepsThePlace() {
    auto frame = OpenSample("D", 40);
    QVERIFY(frame);
    tabstore::CQoDB& db = document_->Store();
    CRecordList& satellites = frame->LeftTop().Satellites();
    CChannelGrid& tv = frame->Right().TV();
    QTest::mouseClick(satellites.viewport(), Qt::LeftButton, {},
                      satellites.visualRect(satellites.Model().index(1, 3)).center());
    const editing::ChannelFilter filter = tv.Filter();
    QCOMPARE(filter.mode, editing::FilterMode::Satellite);
    const std::uint32_t picked = tv.Model().KeyAt(3);
    const QString name =
        QString::fromLatin1(GetRow<Channel_Info_Tag>(db, kChannelTable, picked)->Name);
    QTest::mouseClick(tv.viewport(), Qt::LeftButton, {},
                      tv.visualRect(tv.Model().index(3, editing::kColName)).center());
    answer_ = QMessageBox::Yes;
    Press(*frame, Qt::Key_Delete);
    QVERIFY(testkit::ChannelNamed(db, name.toLatin1().constData()) == nullptr);

    Press(*frame, Qt::Key_Z, Qt::ControlModifier);
    const Channel_Info_Tag* back = testkit::ChannelNamed(db, name.toLatin1().constData());
    QVERIFY(back != nullptr);
    QCOMPARE(tv.Filter().mode, filter.mode);
    QCOMPARE(tv.Filter().satellite, filter.satellite);
    QCOMPARE(satellites.SelectedKeys(), (editing::RowIds{satellites.Model().KeyAt(1)}));
    QCOMPARE(tv.SelectedKeys(), (editing::RowIds{back->RowID}));
    Press(*frame, Qt::Key_Y, Qt::ControlModifier); // redo: the place after the delete
    QVERIFY(tv.SelectedKeys().empty());
    QCOMPARE(tv.Filter().satellite, filter.satellite);
}

void DailyUseTest::findNextAndFavouritesInReach() {
    auto frame = OpenSample("D", 30);
    QVERIFY(frame);
    tabstore::CQoDB& db = document_->Store();
    CChannelGrid& tv = frame->Right().TV();
    tv.setFocus();
    WhenModal([](QWidget* dialog) {
        QTest::keyClicks(dialog->findChild<QLineEdit*>("name"), "ZDF");
        QTest::keyClick(dialog, Qt::Key_Return);
    });
    Press(*frame, Qt::Key_F, Qt::ControlModifier);
    const editing::RowIds matches = tv.SelectedKeys();
    QVERIFY(matches.size() >= 3);
    tv.setCurrentIndex(tv.Model().index(tv.Model().RowOf(matches[0]), editing::kColName));
    Press(*frame, Qt::Key_F3);
    QCOMPARE(tv.SelectedKeys(), editing::RowIds{matches[1]});
    Press(*frame, Qt::Key_F3, Qt::ShiftModifier);
    Press(*frame, Qt::Key_F3, Qt::ShiftModifier); // round the top
    QCOMPARE(tv.SelectedKeys(), editing::RowIds{matches.back()});
    QString offered;
    WhenModal([&offered](QWidget* dialog) {
        offered = dialog->findChild<QLineEdit*>("name")->text();
        QMetaObject::invokeMethod(dialog, "reject");
    });
    Press(*frame, Qt::Key_F, Qt::ControlModifier);
    QCOMPARE(offered, QStringLiteral("ZDF"));

    // The grid's menu adds to a group by name; the tree's menu clears it again.
    const QString group = frame->LeftBottom().Tree().topLevelItem(0)->child(2)->text(0);
    const QPoint at = tv.visualRect(tv.Model().index(tv.Model().RowOf(matches.back()), 6)).center();
    RightClick(tv.viewport(), at, [group](QMenu* menu) {
        QAction* add = MenuItem(menu, QStringLiteral("Add to favourite group"));
        QVERIFY(add && add->menu());
        QAction* target = MenuItem(add->menu(), group);
        QVERIFY(target);
        target->trigger();
        menu->close();
    });
    QVERIFY((GetRow<Channel_Info_Tag>(db, kChannelTable, matches.back())->Favorite & 0b100) != 0);

    CFAVTreeCtrl& tree = frame->LeftBottom().Tree();
    QStringList items;
    answer_ = QMessageBox::Yes;
    const QPoint on = tree.visualItemRect(tree.topLevelItem(0)->child(2)).center();
    RightClick(tree.viewport(), on, [&items](QMenu* menu) {
        for (QAction* action : menu->actions())
            items << action->text();
        MenuItem(menu, QStringLiteral("Clear"))->trigger();
        menu->close();
    });
    QCOMPARE(items, (QStringList{"New group...", "Rename...", "Clear", "Delete"}));
    QCOMPARE(GetRow<Channel_Info_Tag>(db, kChannelTable, matches.back())->Favorite & 0b100, 0u);
}

QTEST_MAIN(DailyUseTest)
#include "DailyUseTest.moc"
