// Drives the satellite, transponder and provider lists through the gestures an operator uses:
// context menus, keys, editors typed into, drags started with the mouse, undo and save.
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

#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QStatusBar>
#include <QtTest>

#include <functional>

using namespace chanforge;
using namespace chanforge::app;

namespace {

using test::DragAndDrop;
using test::MenuItem;
using test::RightClick;
using test::WhenModal;

/// Chooses a menu item with the keyboard, as the operator would.
void Choose(QMenu* menu, const char* prefix) {
    QVERIFY(menu);
    QAction* item = MenuItem(menu, prefix);
    QVERIFY2(item && item->isEnabled(), prefix);
    menu->setActiveAction(item);
    QTest::keyClick(menu, Qt::Key_Return);
}

void Type(QWidget* dialog, const char* edit, const char* text) {
    auto* line = dialog->findChild<QLineEdit*>(edit);
    QVERIFY2(line, edit);
    line->selectAll();
    QTest::keyClicks(line, text);
}

QPoint RowCenter(QAbstractItemView& view, int row, int column) {
    return view.visualRect(view.model()->index(row, column)).center();
}

const Satellite_Info_Tag* SatelliteNamed(tabstore::CQoDB& db, const char* name) {
    const Satellite_Info_Tag* found = nullptr;
    ForEachRow<Satellite_Info_Tag>(db, kSatelliteTable, [&](const Satellite_Info_Tag& s) {
        if (found == nullptr && qstrcmp(s.Name, name) == 0)
            found = &s;
    });
    return found;
}

const Transponder_Info_Tag* TransponderAt(tabstore::CQoDB& db, std::uint16_t frequency) {
    const Transponder_Info_Tag* found = nullptr;
    ForEachRow<Transponder_Info_Tag>(db, kTransponderTable, [&](const Transponder_Info_Tag& t) {
        if (found == nullptr && t.Frequency == frequency)
            found = &t;
    });
    return found;
}

} // namespace

class ListCommandsTest : public test::WindowFixture {
    Q_OBJECT
  public:
    ListCommandsTest() : WindowFixture(QMessageBox::Yes) {}

  private slots:
    void satelliteTransponderChannelThroughEditorsDragDeleteUndoSave();
    void channelsDraggedOntoASatelliteTakeItsTwinTransponder();
    void menusKeysAndRefusals();
};

void ListCommandsTest::satelliteTransponderChannelThroughEditorsDragDeleteUndoSave() {
    auto frame = OpenSample("D", 12);
    QVERIFY(frame);
    tabstore::CQoDB& db = document_->Store();
    CRecordList& satellites = frame->LeftTop().Satellites();
    CRecordList& transponders = frame->LeftTop().Transponders();
    CChannelGrid& tv = frame->Right().TV();

    // A satellite from the context menu, typed into its editor.
    RightClick(
        satellites.viewport(), QPoint(5, satellites.viewport()->height() - 5), [](QMenu* menu) {
            WhenModal([](QWidget* editor) {
                Type(editor, "name", "Testsat");
                Type(editor, "degree", "19.2");
                editor->findChild<QComboBox*>("eastWest")->setCurrentText(QStringLiteral("E"));
                QTest::keyClick(editor, Qt::Key_Return);
            });
            Choose(menu, "New");
        });
    const Satellite_Info_Tag* created = SatelliteNamed(db, "Testsat");
    QVERIFY(created);
    const std::uint32_t createdRow = created->RowID;
    QCOMPARE(created->SatID, 5);
    QCOMPARE(created->Degree, 192);
    QCOMPARE(satellites.SelectedKey(), createdRow);

    // A transponder on it by Ctrl+N in the transponder list, which now shows that satellite.
    WhenModal([](QWidget* editor) {
        Type(editor, "frequency", "12345");
        Type(editor, "symbolRate", "27500");
        QTest::keyClick(editor, Qt::Key_Return);
    });
    QTest::keyClick(&transponders, Qt::Key_N, Qt::ControlModifier);
    const Transponder_Info_Tag* tp = TransponderAt(db, 12345);
    QVERIFY(tp);
    QCOMPARE(tp->SatID, 5);
    QCOMPARE(tp->TPID, 1);
    QCOMPARE(transponders.Model().rowCount(), 1);

    // A channel on that transponder from the TV grid, which now shows the transponder.
    WhenModal([](QWidget* editor) {
        Type(editor, "name", "Newchan");
        QTest::keyClick(editor, Qt::Key_Return);
    });
    QTest::keyClick(&tv, Qt::Key_N, Qt::ControlModifier);
    QVERIFY(testkit::ChannelNamed(db, "Newchan"));
    QCOMPARE(testkit::ChannelNamed(db, "Newchan")->SatID, 5);
    QCOMPARE(testkit::ChannelNamed(db, "Newchan")->TPID, 1);
    QCOMPARE(tv.Model().rowCount(), 1);

    // Drag the transponder onto the second satellite: it takes the next TPID there, and its channel
    // follows.
    const int hotbird = satellites.Model().RowOf(SatelliteNamed(db, "Hotbird 13E")->RowID);
    DragAndDrop(transponders, RowCenter(transponders, 0, 5), satellites.viewport(),
                RowCenter(satellites, hotbird, 3));
    QCOMPARE(TransponderAt(db, 12345)->SatID, 3);
    QCOMPARE(TransponderAt(db, 12345)->TPID, 7);
    QCOMPARE(testkit::ChannelNamed(db, "Newchan")->SatID, 3);
    QCOMPARE(testkit::ChannelNamed(db, "Newchan")->TPID, 7);
    QCOMPARE(transponders.Model().rowCount(), 7); // the list follows the drop to its satellite
    QCOMPARE(tv.Filter().satellite, 3u);

    // Delete the first satellite by key after the question; undo brings it back.
    QTest::mouseClick(satellites.viewport(), Qt::LeftButton, {},
                      RowCenter(satellites, satellites.Model().RowOf(createdRow), 3));
    messages_.clear();
    QTest::keyClick(&satellites, Qt::Key_Delete);
    QCOMPARE(messages_, QStringList{"Would you like to delete selected item?"});
    QVERIFY(SatelliteNamed(db, "Testsat") == nullptr);
    QCOMPARE(satellites.Model().rowCount(), 3);
    QCOMPARE(tv.Filter().mode, editing::FilterMode::All);
    QVERIFY(tv.SelectedKeys().empty());
    frame->Undo();
    QVERIFY(SatelliteNamed(db, "Testsat"));
    QCOMPARE(satellites.Model().rowCount(), 4);

    // What was saved is what a second document reads.
    const QString saved = dir_.filePath(QStringLiteral("network.bin"));
    QVERIFY(frame->SaveTo(saved));
    document::Document reader;
    QVERIFY(reader.Open(saved.toStdString()).ok());
    QCOMPARE(SatelliteNamed(reader.Store(), "Testsat")->Degree, 192);
    QCOMPARE(TransponderAt(reader.Store(), 12345)->TPID, 7);
    QCOMPARE(reader.Store().Size(kChannelTable), db.Size(kChannelTable));
}

void ListCommandsTest::channelsDraggedOntoASatelliteTakeItsTwinTransponder() {
    CEnglishCounts english; // as the program reads counts in English
    QCoreApplication::installTranslator(&english);
    auto frame = OpenSample("D", 12);
    QVERIFY(frame);
    tabstore::CQoDB& db = document_->Store();
    CChannelGrid& tv = frame->Right().TV();
    CRecordList& satellites = frame->LeftTop().Satellites();
    // Both channels are on Astra (SatID 2), arte HD on TPID 4 and phoenix HD on TPID 1; Hotbird
    // (SatID 3) has the same transponders, but its TPID 1 on the other polarisation.
    ForEachRow<Transponder_Info_Tag>(db, kTransponderTable, [](Transponder_Info_Tag& tp) {
        if (tp.SatID == 3 && tp.TPID == 1)
            tp.PolFEC ^= 1;
    });
    const std::uint32_t arte = testkit::ChannelNamed(db, "arte HD")->RowID;
    const std::uint32_t phoenix = testkit::ChannelNamed(db, "phoenix HD")->RowID;
    const QPoint from = RowCenter(tv, tv.Model().RowOf(arte), editing::kColName);
    QTest::mouseClick(tv.viewport(), Qt::LeftButton, {}, from);
    QTest::mouseClick(tv.viewport(), Qt::LeftButton, Qt::ControlModifier,
                      RowCenter(tv, tv.Model().RowOf(phoenix), editing::kColName));
    const int hotbird = satellites.Model().RowOf(SatelliteNamed(db, "Hotbird 13E")->RowID);
    DragAndDrop(tv, from, satellites.viewport(), RowCenter(satellites, hotbird, 3));
    const auto place = [&](std::uint32_t key) {
        const auto* ch = GetRow<Channel_Info_Tag>(db, kChannelTable, key);
        return std::pair{int{ch->SatID}, int{ch->TPID}};
    };
    QCOMPARE(place(arte), std::pair(3, 4));
    QCOMPARE(place(phoenix), std::pair(2, 1));
    QCOMPARE(frame->statusBar()->currentMessage(),
             QStringLiteral("1 channel not moved: Satellite Hotbird 13E has no transponder of "
                            "the same frequency and polarisation; 1 channel moved to Satellite "
                            "Hotbird 13E"));
}

void ListCommandsTest::menusKeysAndRefusals() {
    CEnglishCounts english; // as the program reads counts in English
    QCoreApplication::installTranslator(&english);
    auto frame = OpenSample("D", 12);
    QVERIFY(frame);
    tabstore::CQoDB& db = document_->Store();
    CRecordList& satellites = frame->LeftTop().Satellites();
    CRecordList& providers = frame->LeftBottom().Providers();

    // Without a selection only New is offered.
    satellites.clearSelection();
    RightClick(satellites.viewport(), QPoint(5, satellites.viewport()->height() - 5),
               [](QMenu* menu) {
                   QVERIFY(menu);
                   QCOMPARE(menu->actions().size(), 5);
                   for (const char* item : {"Update", "Delete", "Description"})
                       QVERIFY2(!MenuItem(menu, item)->isEnabled(), item);
                   menu->close();
               });

    // Enter describes a provider; double click describes a satellite with its tab.
    providers.setFocus();
    QTest::mouseClick(providers.viewport(), Qt::LeftButton, {}, RowCenter(providers, 0, 3));
    messages_.clear();
    QTest::keyClick(&providers, Qt::Key_Return);
    QCOMPARE(messages_, QStringList{"Broadcast Name : ARD (ID : 1)"});
    QStringList tabs;
    WhenModal([&tabs](QWidget* dialog) {
        tabs = dialog->findChild<QTabWidget*>()
                   ? QStringList{dialog->findChild<QTabWidget*>()->tabText(0)}
                   : QStringList{};
        dialog->close();
    });
    QTest::mouseDClick(satellites.viewport(), Qt::LeftButton, {}, RowCenter(satellites, 0, 3));
    QCOMPARE(tabs, QStringList{"Satellite"});

    // No to the question keeps the provider; an empty name is refused with its message.
    answer_ = QMessageBox::No;
    QTest::keyClick(&providers, Qt::Key_Delete);
    answer_ = QMessageBox::Yes;
    QCOMPARE(db.Size(kProviderTable), 4u);

    // A delete that takes channels along says how many before anything goes.
    CRecordList& transponders = frame->LeftTop().Transponders();
    answer_ = QMessageBox::No;
    messages_.clear();
    QTest::mouseClick(satellites.viewport(), Qt::LeftButton, {}, RowCenter(satellites, 0, 3));
    QTest::keyClick(&satellites, Qt::Key_Delete);
    QTest::mouseClick(transponders.viewport(), Qt::LeftButton, {}, RowCenter(transponders, 3, 3));
    QTest::keyClick(&transponders, Qt::Key_Delete);
    QTest::mouseClick(satellites.viewport(), Qt::LeftButton, Qt::ControlModifier,
                      RowCenter(satellites, 1, 3));
    QTest::keyClick(&satellites, Qt::Key_Delete);
    answer_ = QMessageBox::Yes;
    QCOMPARE(messages_.size(), 3);
    QCOMPARE(messages_.mid(0, 2), QStringList({"Delete satellite Astra 19.2E and its 5 channels?",
                                               "Delete transponder 12,266 V and its 3 channels?"}));
    QVERIFY2(messages_[2].startsWith("Delete 2 satellites and their ") &&
                 messages_[2].endsWith(" channels?"),
             qPrintable(messages_[2]));
    QCOMPARE(db.Size(kChannelTable), 16u);

    messages_.clear();
    WhenModal([](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Return); });
    QTest::keyClick(&providers, Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(messages_.size(), 1);
    QCOMPARE(db.Size(kProviderTable), 4u);
    QVERIFY(!frame->Context().Undo().CanUndo());

    // A new provider takes the next BroadcastID and at most 16 characters, and counts "0/0".
    WhenModal([](QWidget* dialog) {
        Type(dialog, "name", "A provider name too long");
        QTest::keyClick(dialog, Qt::Key_Return);
    });
    QTest::keyClick(&providers, Qt::Key_N, Qt::ControlModifier);
    const int row = providers.Model().RowOf(providers.SelectedKey());
    QCOMPARE(providers.Model().index(row, 3).data().toString(), QStringLiteral("A provider name "));
    QCOMPARE(providers.Model().index(row, 2).data().toString(), QStringLiteral("5"));
    QCOMPARE(providers.Model().index(row, 4).data().toString(), QStringLiteral("0/0"));
}

QTEST_MAIN(ListCommandsTest)
#include "ListCommandsTest.moc"
