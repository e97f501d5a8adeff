// Curating a full model-D list in the window: the filter bar narrows both grids, the status
// bar counts what is shown, the grid commands act on what is selected among it, and Rename by
// pattern previews before it renames. Every change is one step Undo takes back.
#include "ChannelGrid.h"
#include "CurateCommands.h"
#include "DuplicatesDialog.h"
#include "EnglishCounts.h"
#include "MainFrame.h"
#include "RenameDialog.h"
#include "RightView.h"
#include "SampleData.h"
#include "TestBuilders.h"
#include "WindowDriver.h"
#include "WindowFixture.h"

#include "chanforge/TableAccess.h"
#include "chanforge/editing/Duplicates.h"
#include "qpui/MessageBox.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyleOptionComboBox>
#include <QTableWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

#include <map>

using namespace chanforge;
using namespace chanforge::app;

namespace {

constexpr int kFullModelD = 7280; // what model D's channel block holds

QString Counts(CMainFrame& frame) {
    return frame.findChild<QLabel*>("statusCounts")->text();
}

QString CountsText(int tv, int tvAll, int radio, int radioAll) {
    return QStringLiteral("TV %1 of %2 · Radio %3 of %4")
        .arg(tv)
        .arg(tvAll)
        .arg(radio)
        .arg(radioAll);
}

/// Picks entry index of a filter list with the keyboard, as an operator does.
void Choose(CMainFrame& frame, const char* name, int index) {
    auto* box = frame.findChild<QComboBox*>(name);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Home);
    for (int i = 0; i < index; ++i)
        QTest::keyClick(box, Qt::Key_Down);
}

} // namespace

class CurateWindowTest : public test::WindowFixture {
    Q_OBJECT
  public:
    CurateWindowTest() : WindowFixture(QMessageBox::Yes) {}

  private slots:
    void filterOneSatellitesScrambledChannelsDeleteThemAndUndo();
    void renameByPatternRefusesUntilCutPreviewsAndRenamesTheTicked();
    void removeUnusedIsOneStep();
    void aDuplicateGroupUntickedWithSpaceStaysWhole();
    void eachRenameAndDuplicatesChoiceChangesTheResult();
    void sortByTheKeysTickedInTheirOrder();
};

void CurateWindowTest::filterOneSatellitesScrambledChannelsDeleteThemAndUndo() {
    const auto window = OpenSample("D", kFullModelD * 3 / 4);
    QVERIFY(window);
    CMainFrame& frame = *window;
    document::Document& document = *document_;
    frame.resize(1024, 768);
    int tvAll = 0, radioAll = 0, tvHit = 0, radioHit = 0;
    ForEachRow<Channel_Info_Tag>(document.Store(), kChannelTable, [&](const Channel_Info_Tag& ch) {
        const bool hit = ch.SatID == 3 && (ch.Attributes & attr::kScrambled) != 0;
        (IsTV(ch) ? tvAll : radioAll) += 1;
        (IsTV(ch) ? tvHit : radioHit) += hit ? 1 : 0;
    });
    QVERIFY(tvHit > 0 && radioHit > 0);
    QCOMPARE(Counts(frame), CountsText(tvAll, tvAll, radioAll, radioAll));

    // Satellite Hotbird 13E (the second) and scrambled only, under More filters.
    QTest::mouseClick(frame.findChild<QToolButton*>("filterMore"), Qt::LeftButton);
    Choose(frame, "filterSatellite", 2);
    Choose(frame, "filterScrambled", 1);
    QCOMPARE(Counts(frame), CountsText(tvHit, tvAll, radioHit, radioAll));
    const auto* shown = frame.findChild<QLabel*>(QStringLiteral("statusFilter"));
    QCOMPARE(shown->text(), "All channels, narrowed by the filter bar");
    // At this size every box still shows what it asks for whole.
    for (QComboBox* box : frame.findChild<QWidget*>("filterBar")->findChildren<QComboBox*>()) {
        QStyleOptionComboBox option;
        option.initFrom(box);
        const QRect field = box->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                         QStyle::SC_ComboBoxEditField, box);
        QVERIFY2(box->fontMetrics().horizontalAdvance(box->currentText()) <= field.width(),
                 qPrintable(box->currentText()));
    }

    // Select all shown, then Delete, in each grid.
    auto* selectAll = frame.findChild<QPushButton*>("selectAllShown");
    for (CChannelGrid* grid : {&frame.Right().TV(), &frame.Right().Radio()}) {
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                          grid->visualRect(grid->model()->index(0, 6)).center());
        QTest::mouseClick(selectAll, Qt::LeftButton);
        QCOMPARE(static_cast<int>(grid->SelectedKeys().size()), grid->model()->rowCount());
        QTest::keyClick(grid, Qt::Key_Delete);
    }
    QCOMPARE(Counts(frame), CountsText(0, tvAll - tvHit, 0, radioAll - radioHit));
    QCOMPARE(static_cast<int>(document.Store().Size(kChannelTable)),
             kFullModelD - tvHit - radioHit);

    // Two steps: each Undo brings one grid's channels back, still filtered.
    QTest::keyClick(&frame, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(&frame, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(static_cast<int>(document.Store().Size(kChannelTable)), kFullModelD);
    QCOMPARE(Counts(frame), CountsText(tvHit, tvAll, radioHit, radioAll));
    QTest::mouseClick(frame.findChild<QToolButton*>("filterClear"), Qt::LeftButton);
    QCOMPARE(Counts(frame), CountsText(tvAll, tvAll, radioAll, radioAll));
    QCOMPARE(shown->text(), "All channels");
}

// A name the model's slot cannot keep is refused until Cut to fit is ticked; a line unticked in
// the preview keeps its name.
void CurateWindowTest::renameByPatternRefusesUntilCutPreviewsAndRenamesTheTicked() {
    CEnglishCounts english; // as the program reads counts in English
    QCoreApplication::installTranslator(&english);
    const auto window = OpenSample("D", kFullModelD * 3 / 4);
    QVERIFY(window);
    CMainFrame& frame = *window;
    // "HD" names, by a regular expression typed into the filter bar.
    QLineEdit* text = frame.findChild<QLineEdit*>("filterText");
    QTest::keyClick(&frame, Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(text->hasFocus());
    QTest::mouseClick(frame.findChild<QCheckBox*>("filterRegex"), Qt::LeftButton);
    QTest::keyClicks(text, " HD$");
    CChannelGrid& tv = frame.Right().TV();
    const int shown = tv.model()->rowCount();
    QVERIFY(shown > 1);
    tv.setFocus();
    QTest::keyClick(&tv, Qt::Key_A, Qt::ControlModifier);
    bool previewed = false, refused = false, cut = false;
    test::WhenModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<CRenameDialog*>(modal);
        QTest::keyClicks(dialog->findChild<QLineEdit*>("renameFind"), " HD");
        QTest::keyClicks(dialog->findChild<QLineEdit*>("renameReplace"), " Hochaufloesend");
        auto* rename = dialog->findChild<QDialogButtonBox*>()->buttons().constFirst();
        refused = !rename->isEnabled();
        dialog->findChild<QCheckBox*>("renameCutToFit")->setChecked(true);
        cut = rename->isEnabled();
        auto* preview = dialog->findChild<QTableWidget*>("renamePreview");
        previewed = preview->rowCount() == shown &&
                    preview->item(0, 1)->text() != preview->item(0, 0)->text();
        preview->setFocus();
        preview->selectRow(0);
        QTest::keyClick(preview, Qt::Key_Space);
        QTRY_VERIFY(dialog->findChild<QLabel*>("renameSummary")
                        ->text()
                        .startsWith(QStringLiteral("%1 ticked names").arg(shown - 1)));
        dialog->accept();
    });
    QTest::keyClick(&frame, Qt::Key_H, Qt::ControlModifier);
    QVERIFY(previewed && refused && cut);
    // Only the line left out still fits " HD$"; the slot keeps every name the table holds, so
    // the grid shows what Save writes.
    QCOMPARE(tv.model()->rowCount(), 1);
    const std::size_t room = document_->Layout().ChannelNameBytes();
    std::size_t longer = 0;
    ForEachRow<Channel_Info_Tag>(
        document_->Store(), kChannelTable,
        [&](const Channel_Info_Tag& ch) { longer += strnlen(ch.Name, sizeof ch.Name) > room; });
    QCOMPARE(longer, std::size_t{0});
    text->setText(QStringLiteral(" Hoch"));
    QVERIFY(tv.model()->rowCount() > 1);
    frame.activateWindow(); // the dialog had it
    QVERIFY(QTest::qWaitForWindowActive(&frame));
    QTest::keyClick(&frame, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(tv.model()->rowCount(), 0);
}

// A satellite nothing is tuned to goes with List → Remove unused, in one step Undo takes back.
// (Find duplicates deletes through its dialog in aDuplicateGroupUntickedWithSpaceStaysWhole.)
void CurateWindowTest::removeUnusedIsOneStep() {
    const auto window = OpenSample("D", kFullModelD * 3 / 4);
    QVERIFY(window);
    CMainFrame& frame = *window;
    tabstore::CQoDB& db = document_->Store();
    const std::uint32_t satellites = db.Size(kSatelliteTable);
    auto idle = *GetRow<Satellite_Info_Tag>(db, kSatelliteTable, 1);
    idle.SatID = 9;
    AppendCopy(db, kSatelliteTable, idle);
    frame.RefreshAll();
    test::WhenModal([](QWidget* dialog) { static_cast<QDialog*>(dialog)->accept(); });
    frame.findChild<QAction*>("removeUnused")->trigger();
    QCOMPARE(db.Size(kSatelliteTable), satellites);
    QVERIFY(frame.Context().Undo().Undo(db));
    QCOMPARE(db.Size(kSatelliteTable), satellites + 1);
}

void CurateWindowTest::aDuplicateGroupUntickedWithSpaceStaysWhole() {
    CEnglishCounts english;
    QCoreApplication::installTranslator(&english);
    const auto window = OpenSample("D", 200);
    QVERIFY(window);
    CMainFrame& frame = *window;
    tabstore::CQoDB& db = document_->Store();
    const auto original = testkit::StoreBytes(db);
    const std::size_t channels = db.Size(kChannelTable);
    const auto groups =
        editing::FindDuplicates(db, editing::KeepPolicy::Lowest, frame.Context().Product());
    QVERIFY(groups.size() >= 2);
    QString summary;
    test::WhenModal([&](QWidget* dialog) {
        auto* list = dialog->findChild<QTreeWidget*>("duplicateGroups");
        list->setFocus();
        list->setCurrentItem(list->topLevelItem(0)->child(1)); // a channel row: its group toggles
        QTest::keyClick(list, Qt::Key_Space);
        QCOMPARE(list->topLevelItem(0)->checkState(0), Qt::Unchecked);
        QCOMPARE(list->topLevelItem(1)->checkState(0), Qt::Checked);
        QTRY_COMPARE(list->topLevelItem(0)->child(1)->text(3), CDuplicatesDialog::tr("Keep"));
        summary = dialog->findChild<QLabel*>("duplicatesSummary")->text();
        dialog->findChild<QPushButton*>("deleteDuplicates")->click();
    });
    frame.findChild<QAction*>("findDuplicates")->trigger();
    const std::size_t doomed = editing::Doomed(groups, {0});
    QVERIFY2(summary.endsWith(QStringLiteral(" groups ticked: %1 channels will be deleted, one of "
                                             "each group kept.")
                                  .arg(doomed)),
             qPrintable(summary));
    QCOMPARE(std::size_t{db.Size(kChannelTable)}, channels - doomed);
    QVERIFY(frame.Context().Undo().Undo(db));
    QVERIFY(testkit::StoreBytes(db) == original);
}

// Every choice of the two dialogs reaches what they preview: each one, switched, changes a line.
void CurateWindowTest::eachRenameAndDuplicatesChoiceChangesTheResult() {
    const auto window = OpenSample("D");
    QVERIFY(window);
    CMainFrame& frame = *window;
    tabstore::CQoDB& db = document_->Store();
    const auto lineOf = [](const QTableWidget& preview, const QString& name) {
        for (int row = 0; row < preview.rowCount(); ++row)
            if (preview.item(row, 0)->text() == name)
                return preview.item(row, 1)->text();
        return QString();
    };
    QStringList renamed;
    test::WhenModal([&](QWidget* dialog) {
        const auto& preview = *dialog->findChild<QTableWidget*>("renamePreview");
        auto* find = dialog->findChild<QLineEdit*>("renameFind");
        auto* regex = dialog->findChild<QCheckBox*>("renameRegex");
        auto* matchCase = dialog->findChild<QCheckBox*>("renameMatchCase");
        auto* change = dialog->findChild<QComboBox*>("renameCase");
        const auto show = [&] { renamed << lineOf(preview, QStringLiteral("ZDF HD")); };
        find->setText(QStringLiteral("hd"));
        dialog->findChild<QLineEdit*>("renameReplace")->setText(QStringLiteral("Hd"));
        show();
        matchCase->setChecked(true);
        show();
        matchCase->setChecked(false);
        find->setText(QStringLiteral("^z.f hd$"));
        show();
        regex->setChecked(true);
        show();
        for (int index : {1, 2, 3}) {
            change->setCurrentIndex(index);
            show();
        }
        static_cast<QDialog*>(dialog)->reject();
    });
    frame.Right().TV().selectAll();
    QTest::keyClick(&frame, Qt::Key_H, Qt::ControlModifier);
    QCOMPARE(renamed, QStringList({"ZDF Hd", "ZDF HD", "ZDF HD", "Hd", "HD", "hd", "Hd"}));

    // A copy of ZDF HD, free to air and in Cyrillic, beside a scrambled original; and plain ZDF.
    auto* original = testkit::ChannelNamed(db, "ZDF HD");
    original->Attributes |= attr::kScrambled;
    original->ServiceID = 0x7F01; // a service of their own
    Channel_Info_Tag copy = *original;
    copy.Attributes &= ~attr::kScrambled;
    copy.CodeTable = 1;
    std::strcpy(copy.Name, "\xBF\xE0\xD8\xDC\xD5\xE0 HD"); // "Пример HD" in ISO 8859-5
    AppendCopy(db, kChannelTable, copy);
    Channel_Info_Tag plain = *original;
    std::strcpy(plain.Name, "ZDF");
    plain.ServiceID = 0x7F02;
    AppendCopy(db, kChannelTable, plain);
    frame.RefreshAll();
    QStringList kept;
    QList<int> sizes;
    test::WhenModal([&](QWidget* dialog) {
        const auto& list = *dialog->findChild<QTreeWidget*>("duplicateGroups");
        const auto show = [&] { // the group of ZDF HD: who is kept, and how many
            for (int g = 0; g < list.topLevelItemCount(); ++g) {
                const QTreeWidgetItem& group = *list.topLevelItem(g);
                bool ours = false;
                QString keeps;
                for (int c = 0; c < group.childCount(); ++c) {
                    ours = ours || group.child(c)->text(0) == QStringLiteral("ZDF HD");
                    if (group.child(c)->font(3).bold())
                        keeps = group.child(c)->text(0);
                }
                if (ours) {
                    kept << keeps;
                    sizes << group.childCount();
                }
            }
        };
        show();
        auto* keep = dialog->findChild<QComboBox*>("keepPolicy");
        keep->setCurrentIndex(keep->findData(int(editing::KeepPolicy::FreeToAir)));
        show();
        dialog->findChild<QCheckBox*>("countVariants")->setChecked(true);
        show();
        static_cast<QDialog*>(dialog)->reject();
    });
    frame.findChild<QAction*>("findDuplicates")->trigger();
    QCOMPARE(kept, QStringList({"ZDF HD", "Пример HD", "Пример HD"}));
    QCOMPARE(sizes, QList<int>({2, 2, 3})); // plain ZDF joins as the SD version
}

// Sort and renumber by its default keys, then by the name alone moved to the top.
void CurateWindowTest::sortByTheKeysTickedInTheirOrder() {
    const auto window = OpenSample("D");
    QVERIFY(window);
    CMainFrame& frame = *window;
    const auto inNameOrder = [&] {
        std::map<std::uint16_t, QByteArray> byNumber;
        ForEachRow<Channel_Info_Tag>(document_->Store(), kChannelTable,
                                     [&](const Channel_Info_Tag& ch) {
                                         if (IsTV(ch))
                                             byNumber[ch.ProgramNum] = QByteArray(ch.Name);
                                     });
        QByteArray last;
        for (const auto& [number, name] : byNumber) {
            if (name.compare(last, Qt::CaseInsensitive) < 0)
                return false;
            last = name;
        }
        return true;
    };
    const auto sort = [&](bool nameAlone) {
        test::WhenModal([nameAlone](QWidget* dialog) {
            auto* keys = dialog->findChild<QListWidget*>("sortKeys");
            if (nameAlone) {
                for (int row = 0; row < keys->count(); ++row)
                    keys->item(row)->setCheckState(row == 2 ? Qt::Checked : Qt::Unchecked);
                keys->setCurrentRow(2);
                for (int up = 0; up < 2; ++up)
                    dialog->findChild<QPushButton*>("sortUp")->click();
                QCOMPARE(keys->item(0)->text(), QStringLiteral("Name"));
            }
            static_cast<QDialog*>(dialog)->accept();
        });
        frame.findChild<QAction*>("sortByKeys")->trigger();
    };
    sort(false);
    QVERIFY(!inNameOrder());
    sort(true);
    QVERIFY(inNameOrder());
}

QTEST_MAIN(CurateWindowTest)
#include "CurateWindowTest.moc"
