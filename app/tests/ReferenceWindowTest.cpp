// File → Apply reference list…, Save for another model… and Merge from… in the main window: the
// preview counts what a real reference matches, Cancel changes nothing, Apply is one step that
// Undo takes back to the same bytes, a list saved for another model opens under it, and a merge
// adds the ticked channels with the transponder they need.
#include "EnglishCounts.h"
#include "MainFrame.h"
#include "MergeCommands.h"
#include "ReferenceCommands.h"
#include "SampleData.h"
#include "TestBuilders.h"
#include "WindowDriver.h"
#include "WindowFixture.h"

#include "chanforge/TableAccess.h"
#include "chanforge/editing/FavoriteGroups.h"
#include "chanforge/reference/Service.h"
#include "policy/Presets.h"
#include "qpui/MessageBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTableWidget>
#include <QTreeWidget>
#include <QtTest>

#include <functional>
#include <vector>

using namespace chanforge;
using namespace chanforge::app;

namespace {

CReferenceCommands& Commands(CMainFrame& frame) {
    return *frame.findChild<CReferenceCommands*>();
}

} // namespace

class ReferenceWindowTest : public test::WindowFixture {
    Q_OBJECT
  public:
    // Counts read as the program reads them in English.
    ReferenceWindowTest() : WindowFixture(QMessageBox::Ok) {
        QCoreApplication::installTranslator(&english_);
    }

  private:
    CEnglishCounts english_;

  private slots:
    void textListPreviewAppliesAndUndoes();
    void databaseOfAnotherModelAsksForItsModelAndCancelChangesNothing();
    void savedForAnotherModelOpensUnderIt();
    void savingForAModelThatCannotHoldAllListsEveryChannelLeftOut();
    void eachChoiceChangesThePreviewAndWhatIsApplied();
    void mergeFromModelAAddsTheTickedChannelsWithTheirTransponder();
};

void ReferenceWindowTest::textListPreviewAppliesAndUndoes() {
    const QString list = dir_.filePath("reference.txt");
    QFile file(list);
    QVERIFY(file.open(QIODevice::WriteOnly));
    // Under the guide's header, and one channel twice.
    file.write(
        "Pr#;Name;ONID-TSID-SID\r\n1;ZDF HD;0-0-0\r\n2;das erste hd;0-0-0\r\n"
        "3;Nowhere TV;1-2-3\r\nthis line is no channel\r\n4;arte;0-0-0\r\n5;zdf hd;0-0-0\r\n");
    file.close();
    const auto window = OpenSample("D", 30);
    QVERIFY(window);
    CMainFrame& frame = *window;
    document::Document& document = *document_;
    tabstore::CQoDB& db = document.Store();
    const auto before = testkit::StoreBytes(db);

    test::WhenModal([](QWidget* modal) {
        QVERIFY(modal && modal->objectName() == "referenceDialog");
        QCOMPARE(modal->findChild<QLabel*>("referenceSummary")->text(),
                 QStringLiteral("5 reference channels: 4 matched (4 by name only, to check; 1 in "
                                "conflict), 1 without a match. 37 channels of this list without "
                                "an entry."));
        auto* entries = modal->findChild<QTableWidget*>("referenceEntries");
        QCOMPARE(entries->rowCount(), 5);
        QCOMPARE(entries->item(0, 1)->text(), QStringLiteral("ZDF HD"));
        QCOMPARE(entries->item(0, 3)->text(), QStringLiteral("2"));
        QCOMPARE(entries->item(0, 4)->text(), QStringLiteral("1"));
        QCOMPARE(entries->item(2, 1)->text(), QStringLiteral("(none)"));
        QCOMPARE(modal->findChild<QTableWidget*>("referenceUnmatched")->rowCount(), 37);
        auto* notes = modal->findChild<QTreeWidget*>("referenceNotes");
        const QString conflict =
            QStringLiteral("“5 zdf hd” matches channel 2 “ZDF HD”, which “1 ZDF HD” keeps: it "
                           "changes nothing");
        QCOMPARE(entries->item(4, 5)->text(), conflict);
        QCOMPARE(notes->topLevelItemCount(), 2);
        QCOMPARE(notes->topLevelItem(0)->text(1), conflict);
        QVERIFY(notes->topLevelItem(1)->text(1).startsWith("Line 5: "));
        QTest::mouseClick(modal->findChild<QPushButton*>("apply"), Qt::LeftButton);
    });
    QVERIFY(Commands(frame).ApplyReferenceFrom(list));
    QCOMPARE(testkit::ChannelNamed(db, "ZDF HD")->ProgramNum, 1);
    QCOMPARE(testkit::ChannelNamed(db, "Das Erste HD")->ProgramNum, 2);
    QCOMPARE(testkit::ChannelNamed(db, "arte HD")->ProgramNum, 3);
    QCOMPARE(testkit::ChannelNamed(db, "3sat HD")->ProgramNum, 4);
    QVERIFY(frame.IsModified());

    frame.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&frame));
    QTest::keyClick(&frame, Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(testkit::StoreBytes(db) == before);
    QVERIFY(!frame.IsModified());
}

void ReferenceWindowTest::databaseOfAnotherModelAsksForItsModelAndCancelChangesNothing() {
    const std::string theirs = dir_.filePath("theirs.bin").toStdString();
    QVERIFY(testkit::WriteSampleFile("A", 1, theirs, 30) == 40);
    {
        document::Document their(codec::FlashLayout::FromPreset(*policy::FindPreset("A")));
        QVERIFY(their.Open(theirs).ok());
        testkit::ChannelNamed(their.Store(), "ZDF HD")->Favorite = 0x3;
        QVERIFY(editing::RenameFavoriteGroup(their.Store(), 0, "News") == editing::EditResult::Ok);
        QVERIFY(their.SaveToFile(theirs).ok());
    }
    const auto window = OpenSample("D", 30);
    QVERIFY(window);
    CMainFrame& frame = *window;
    document::Document& document = *document_;
    const auto before = testkit::StoreBytes(document.Store());

    // The model offered first is this list's; the file is model A's, which the window names.
    answer_ = QMessageBox::Yes;
    messages_.clear();
    QString favourites;
    test::WhenModal([&favourites](QWidget* modal) {
        auto* ask = qobject_cast<QInputDialog*>(modal);
        QVERIFY(ask);
        QVERIFY(ask->textValue().startsWith("Model D "));
        test::WhenModal([&favourites](QWidget* preview) {
            QVERIFY(preview && preview->objectName() == "referenceDialog");
            QVERIFY(preview->findChild<QLabel*>("referenceSummary")
                        ->text()
                        .startsWith("40 reference channels: 40 matched (0 by name only"));
            auto* entries = preview->findChild<QTableWidget*>("referenceEntries");
            for (int row = 0; row < entries->rowCount(); ++row)
                if (entries->item(row, 1)->text() == "ZDF HD")
                    favourites = entries->item(row, 5)->text();
            QTest::mouseClick(preview->findChild<QPushButton*>("cancel"), Qt::LeftButton);
        });
        ask->accept();
    });
    QVERIFY(!Commands(frame).ApplyReferenceFrom(QString::fromStdString(theirs)));
    QCOMPARE(messages_.size(), 1);
    QVERIFY2(messages_.front().startsWith("This file looks like a model A / B database, not "
                                          "model D") &&
                 messages_.front().endsWith("Read the reference as model A?"),
             qPrintable(messages_.front()));
    // Favourites by the groups' names: as they are here, and as the reference names them.
    QCOMPARE(favourites, QStringLiteral("favourites “Favorite 3” → “News”, “Favorite 2”"));
    QVERIFY(testkit::StoreBytes(document.Store()) == before);
    QVERIFY(!frame.IsModified());
}

void ReferenceWindowTest::savedForAnotherModelOpensUnderIt() {
    const auto window = OpenSample("D", 30);
    QVERIFY(window);
    CMainFrame& frame = *window;
    // Through the menu: a dialog for the model, then one for the file, named after the open one.
    const QString out = dir_.filePath("for-e.bin");
    messages_.clear();
    QString titles, suggested;
    test::WhenModal([&](QWidget* modal) {
        auto* ask = qobject_cast<QInputDialog*>(modal);
        QVERIFY(ask);
        titles = ask->windowTitle();
        ask->setTextValue(QStringLiteral("Model E Combo(Satellite+Terrestrial)"));
        test::WhenModal([&](QWidget* next) {
            auto* files = qobject_cast<QFileDialog*>(next);
            QVERIFY(files);
            titles += " / " + files->windowTitle();
            auto* name = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            suggested = name->text();
            name->setText(out);
            QTest::keyClick(name, Qt::Key_Return);
        });
        ask->accept();
    });
    frame.findChild<QAction*>(QStringLiteral("saveForModelAction"))->trigger();
    QCOMPARE(titles, "Save for another model: the model / Save for model E: the file");
    QCOMPARE(suggested, "sample-D-for-E.bin");
    QCOMPARE(messages_.size(), 1);
    QVERIFY(messages_.front().startsWith("Saved for Model E"));
    const codec::FlashLayout e = codec::FlashLayout::FromPreset(*policy::FindPreset("E"));
    document::Document moved(e);
    QVERIFY(moved.Open(QFile::encodeName(out).toStdString()).ok());
    QCOMPARE(moved.Store().Size(kChannelTable), 40u);
    QCOMPARE(testkit::ChannelNamed(moved.Store(), "ZDF HD")->ProgramNum, 2);
}

void ReferenceWindowTest::savingForAModelThatCannotHoldAllListsEveryChannelLeftOut() {
    const auto window = OpenSample("B", 30);
    QVERIFY(window);
    CMainFrame& frame = *window;
    const QString out = dir_.filePath("for-d.bin");
    for (const auto button : {QDialogButtonBox::Cancel, QDialogButtonBox::Save}) {
        QString listed;
        test::WhenModal([&](QWidget* modal) {
            QVERIFY(modal && modal->objectName() == "lossesDialog");
            listed = modal->findChild<QPlainTextEdit*>("lossesList")->toPlainText();
            QTest::mouseClick(modal->findChild<QDialogButtonBox*>()->button(button),
                              Qt::LeftButton);
        });
        QCOMPARE(Commands(frame).SaveForModelTo("D", out), button == QDialogButtonBox::Save);
        QCOMPARE(QFile::exists(out), button == QDialogButtonBox::Save);
        // The terrestrial channels, each by kind, number and name, under the sentence naming
        // why they go.
        QVERIFY2(listed.contains("channels on terrestrial carriers cannot be written"),
                 qPrintable(listed));
        QVERIFY2(listed.contains(QRegularExpression("\\n    (TV|Radio) \\d+ \"[^\"]+\"\\n")),
                 qPrintable(listed));
    }
}

// Each choice under the preview, switched on its own, changes what the preview says will happen,
// and Apply does what the preview last said.
void ReferenceWindowTest::eachChoiceChangesThePreviewAndWhatIsApplied() {
    const auto window = OpenSample("D", 30);
    QVERIFY(window);
    CMainFrame& frame = *window;
    document::Document& document = *document_;
    const Channel_Info_Tag zdf = *testkit::ChannelNamed(document.Store(), "ZDF HD");
    reference::Service ids;
    for (const reference::Service& s :
         reference::ServicesOf(document.Store(), document.Store(), document.Layout()))
        if (s.row == zdf.RowID)
            ids = s;
    // ZDF HD by its ids under a name longer than a slot, and Das Erste HD by its name.
    const QString list = dir_.filePath("choices.txt");
    QFile file(list);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QStringLiteral("5;Zweites Deutsches Fernsehen HD;%1-%2-%3\n9;das erste hd;0-0-0\n")
                   .arg(ids.onid)
                   .arg(ids.tsid)
                   .arg(ids.sid)
                   .toUtf8());
    file.close();

    QStringList changed;
    test::WhenModal([&changed](QWidget* modal) {
        const auto preview = [modal] {
            QStringList cells;
            for (const char* name : {"referenceEntries", "referenceUnmatched"}) {
                const auto* table = modal->findChild<QTableWidget*>(name);
                for (int row = 0; row < table->rowCount(); ++row)
                    for (int column = 0; column < table->columnCount(); ++column)
                        cells << (table->item(row, column) ? table->item(row, column)->text()
                                                           : QString());
            }
            return cells;
        };
        const QStringList plain = preview();
        const auto differs = [&](const char* choice, const std::function<void(bool)>& set) {
            set(true);
            if (preview() != plain)
                changed << QString::fromLatin1(choice);
            set(false);
        };
        auto* start = modal->findChild<QSpinBox*>("startNumber");
        auto* unmatched = modal->findChild<QComboBox*>("unmatchedChoice");
        auto* gaps = modal->findChild<QCheckBox*>("closeGaps");
        auto* names = modal->findChild<QCheckBox*>("takeNames");
        auto* cut = modal->findChild<QCheckBox*>("cutNames");
        differs("start", [start](bool on) { start->setValue(on ? 100 : 1); });
        differs("unmatched", [unmatched](bool on) { unmatched->setCurrentIndex(on ? 1 : 0); });
        differs("gaps", [gaps](bool on) { gaps->setChecked(!on); });
        differs("names", [names](bool on) { names->setChecked(on); });
        names->setChecked(true);
        const QStringList named = preview();
        cut->setChecked(true);
        if (preview() != named)
            changed << QStringLiteral("cut");
        QTest::mouseClick(modal->findChild<QPushButton*>("apply"), Qt::LeftButton);
    });
    QVERIFY(Commands(frame).ApplyReferenceFrom(list));
    QCOMPARE(changed, QStringList({"start", "unmatched", "gaps", "names", "cut"}));
    // Renamed and cut to the slot, numbered from 1 without the reference's gaps.
    const std::string cut = std::string("Zweites Deutsches Fernsehen HD")
                                .substr(0, document.Layout().ChannelNameBytes());
    QVERIFY(testkit::ChannelNamed(document.Store(), cut.c_str()) != nullptr);
    QCOMPARE(testkit::ChannelNamed(document.Store(), cut.c_str())->ProgramNum, 1);
    QCOMPARE(testkit::ChannelNamed(document.Store(), "das erste hd")->ProgramNum, 2);
}

void ReferenceWindowTest::mergeFromModelAAddsTheTickedChannelsWithTheirTransponder() {
    const QString theirs = dir_.filePath("theirs.bin");
    QVERIFY(testkit::WriteSampleFile("A", 1, theirs.toStdString(), 36) == 48);
    const auto window = OpenSample("D", 30);
    QVERIFY(window);
    CMainFrame& frame = *window;
    tabstore::CQoDB& db = document_->Store();
    // This list lacks a transponder of Hotbird and its channels (TV and radio 4 and 10, ...).
    std::vector<std::pair<TableId, std::uint32_t>> gone;
    ForEachRow<Transponder_Info_Tag>(db, kTransponderTable, [&](const Transponder_Info_Tag& tp) {
        if (tp.SatID == 3 && tp.TPID == 5)
            gone.emplace_back(kTransponderTable, tp.RowID);
    });
    ForEachRow<Channel_Info_Tag>(db, kChannelTable, [&](const Channel_Info_Tag& ch) {
        if (ch.SatID == 3 && ch.TPID == 5)
            gone.emplace_back(kChannelTable, ch.RowID);
    });
    QCOMPARE(gone.size(), std::size_t{8});
    for (const auto& [table, row] : gone)
        db.Delete(table, row);
    frame.RefreshAll();
    const auto before = testkit::StoreBytes(db);

    answer_ = QMessageBox::Yes; // read it as model A
    test::WhenModal([](QWidget* modal) {
        QVERIFY(modal && modal->objectName() == "mergeDialog");
        auto* summary = modal->findChild<QLabel*>("mergeSummary");
        // Radio 11 and 12 share their carrier and service with TV 11 and 12 here.
        QCOMPARE(summary->text(), QStringLiteral("To add: 13. To update: 0. Already here: 35. "
                                                 "Cannot add: 0. Records to create: 1."));
        auto* created = modal->findChild<QTreeWidget*>("mergeCreated");
        QCOMPARE(created->topLevelItemCount(), 1);
        QVERIFY(created->topLevelItem(0)->text(1).endsWith("Hotbird 13E 12480 MHz H 22000"));
        // Radio only, then every kind again.
        auto* lines = modal->findChild<QTableWidget*>("mergeLines");
        const auto shown = [lines] {
            int n = 0;
            for (int row = 0; row < lines->rowCount(); ++row)
                n += lines->isRowHidden(row) ? 0 : 1;
            return n;
        };
        auto* kind = modal->findChild<QComboBox*>("mergeKind");
        QTest::keyClick(kind, Qt::Key_Down);
        QTest::keyClick(kind, Qt::Key_Down);
        QCOMPARE(shown(), 12);
        QTest::keyClick(kind, Qt::Key_Home);
        QCOMPARE(shown(), 48);
        // Leave out TV 36 with the keyboard: select its row, Space.
        QCOMPARE(lines->item(35, 0)->text(), QStringLiteral("36 WDR HD Koeln 36"));
        lines->scrollToItem(lines->item(35, 1));
        QTest::mouseClick(lines->viewport(), Qt::LeftButton, {},
                          lines->visualItemRect(lines->item(35, 1)).center());
        QTest::keyClick(lines, Qt::Key_Space);
        QTRY_COMPARE(summary->text(), QStringLiteral("To add: 12. To update: 0. Already here: 35. "
                                                     "Cannot add: 0. Records to create: 1."));
        QCOMPARE(lines->item(35, 0)->checkState(), Qt::Unchecked);
        QCOMPARE(modal->findChild<QLabel*>("mergeRoom")->text().left(28),
                 QStringLiteral("After Apply: Channels 45 of "));
        QTest::mouseClick(modal->findChild<QPushButton*>("apply"), Qt::LeftButton);
    });
    QVERIFY(window->findChild<CMergeCommands*>()->MergeFromFiles({theirs}));
    QCOMPARE(db.Size(kChannelTable), 45u);
    QVERIFY(testkit::ChannelNamed(db, "WDR HD Koeln 36") == nullptr);
    const Channel_Info_Tag* back = testkit::ChannelNamed(db, "3sat HD");
    QVERIFY(back && back->SatID == 3);
    int carriers = 0;
    ForEachRow<Transponder_Info_Tag>(db, kTransponderTable, [&](const Transponder_Info_Tag& tp) {
        if (tp.SatID == 3 && tp.Frequency == 12480 && (tp.PolFEC & 1) == 1) {
            ++carriers;
            QCOMPARE(tp.TPID, back->TPID);
        }
    });
    QCOMPARE(carriers, 1);

    frame.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&frame));
    QTest::keyClick(&frame, Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(testkit::StoreBytes(db) == before);
}

QTEST_MAIN(ReferenceWindowTest)
#include "ReferenceWindowTest.moc"
