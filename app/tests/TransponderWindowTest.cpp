// File → Update transponders… in the main window: a table in which Astra's carriers moved, came
// and went, its lines ticked off with the keyboard, a deletion asked about by its channels' names,
// and the update taken back by Undo to the same bytes.
#include "EnglishCounts.h"
#include "MainFrame.h"
#include "SampleData.h"
#include "TestBuilders.h"
#include "TransponderUpdateDialog.h"
#include "WindowDriver.h"
#include "WindowFixture.h"

#include "chanforge/TableAccess.h"
#include "chanforge/editing/DeliveryText.h"
#include "chanforge/editing/NetworkEdits.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

using namespace chanforge;
using namespace chanforge::app;

class TransponderWindowTest : public test::WindowFixture {
    Q_OBJECT
  public:
    TransponderWindowTest() : WindowFixture(QMessageBox::Ok) {
        QCoreApplication::installTranslator(&english_);
    }

  private:
    CEnglishCounts english_;

  private slots:
    void tableUpdatesTheTickedLinesAndUndoes();
    void terrestrialMultiplexesFromAScanTable();
};

namespace {

/// Astra 19.2E of the sample as a table lists it a while later: 11494 moved up 1.5 MHz, 12266
/// (with channels on it) gone, 12603 new.
const char kAstraLater[] = R"xml(<?xml version="1.0" encoding="UTF-8"?>
<satellites>
	<sat name="Astra 1KR/1L/1M/1N (19.2E)" flags="1" position="192">
		<transponder frequency="11495500" symbol_rate="22000000" polarization="0" fec_inner="3"/>
		<transponder frequency="11836000" symbol_rate="27500000" polarization="1" fec_inner="3"/>
		<transponder frequency="12188000" symbol_rate="22000000" polarization="0" fec_inner="3"/>
		<transponder frequency="12480000" symbol_rate="22000000" polarization="0" fec_inner="3"/>
		<transponder frequency="10743000" symbol_rate="27500000" polarization="1" fec_inner="3"/>
		<transponder frequency="12603000" symbol_rate="22000000" polarization="0" fec_inner="3"/>
	</sat>
</satellites>
)xml";

/// Opens File → Update transponders…, picks the table with the File… button and hands the
/// dialog, compared, to fn.
void UpdateFromTable(CMainFrame& frame, const QString& table,
                     std::function<void(CTransponderUpdateDialog*)> fn) {
    test::WhenDialog<CTransponderUpdateDialog>([table, fn](CTransponderUpdateDialog* dialog) {
        QVERIFY(dialog->findChild<QComboBox*>("transponderSatellite")
                    ->currentText()
                    .startsWith("19.2E"));
        test::WhenFileDialog(table);
        QTest::mouseClick(dialog->findChild<QPushButton*>("transponderFile"), Qt::LeftButton);
        fn(dialog);
    });
    QMenu* file = frame.menuBar()->findChildren<QMenu*>().front();
    test::MenuItem(file, "Update transponders")->trigger();
}

} // namespace

void TransponderWindowTest::tableUpdatesTheTickedLinesAndUndoes() {
    const QString table = dir_.filePath("satellites.xml");
    QFile file(table);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(kAstraLater);
    file.close();
    const auto window = OpenSample("D", 30);
    QVERIFY(window);
    CMainFrame& frame = *window;
    tabstore::CQoDB& db = document_->Store();
    const auto before = testkit::StoreBytes(db);
    QStringList goneChannels;
    ForEachRow<Channel_Info_Tag>(db, kChannelTable, [&](const Channel_Info_Tag& ch) {
        if (ch.SatID == 2 && ch.TPID == 4)
            goneChannels << QString::fromLatin1(ch.Name);
    });
    QVERIFY(!goneChannels.isEmpty());

    // The deletion ticked: the question names every channel going with it; No changes nothing.
    answer_ = QMessageBox::No;
    UpdateFromTable(frame, table, [](CTransponderUpdateDialog* dialog) {
        QTest::mouseClick(dialog->findChild<QPushButton*>("applyTransponders"), Qt::LeftButton);
    });
    QCOMPARE(messages_.size(), 1);
    QVERIFY2(messages_.front().startsWith(QStringLiteral("Delete transponder 12,266 V and its %1 "
                                                         "channels?")
                                              .arg(goneChannels.size())),
             qPrintable(messages_.front()));
    for (const QString& name : goneChannels)
        QVERIFY2(messages_.front().contains(name), qPrintable(name));
    QVERIFY(testkit::StoreBytes(db) == before);

    // The deletion unticked with the keyboard: the carrier moves, the new one comes, no question.
    messages_.clear();
    UpdateFromTable(frame, table, [](CTransponderUpdateDialog* dialog) {
        auto* lines = dialog->findChild<QTreeWidget*>("transponderLines");
        QCOMPARE(test::ColumnTexts(*lines->model(), 0), (QStringList{"Changed", "Gone", "New"}));
        QCOMPARE(lines->topLevelItem(0)->text(1), QStringLiteral("11494 H 22000 3/4 DVB-S QPSK"));
        QCOMPARE(lines->topLevelItem(0)->text(2), QStringLiteral("11496 H 22000 3/4 DVB-S QPSK"));
        QVERIFY(!lines->topLevelItem(1)->text(3).isEmpty());
        lines->setFocus();
        lines->setCurrentItem(lines->topLevelItem(1));
        QTest::keyClick(lines, Qt::Key_Space);
        QCOMPARE(dialog->findChild<QLabel*>("transponderSummary")->text(),
                 QStringLiteral("Changed: 1, new: 1, deleted: 0."));
        QTest::mouseClick(dialog->findChild<QPushButton*>("applyTransponders"), Qt::LeftButton);
    });
    QVERIFY2(messages_.isEmpty(), qPrintable(messages_.join('\n')));
    std::vector<int> astra;
    ForEachRow<Transponder_Info_Tag>(db, kTransponderTable, [&](const Transponder_Info_Tag& tp) {
        if (tp.SatID == 2)
            astra.push_back(tp.Frequency);
    });
    QCOMPARE(astra, (std::vector<int>{11496, 11836, 12188, 12266, 12480, 10743, 12603}));
    QVERIFY(frame.IsModified());

    frame.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&frame));
    QTest::keyClick(&frame, Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(testkit::StoreBytes(db) == before);
}

// The terrestrial multiplexes of a model B list from a DVB-T table: 586 MHz now 64QAM, 666 MHz
// gone with its channels, the question naming the multiplex; Undo takes the update back.
void TransponderWindowTest::terrestrialMultiplexesFromAScanTable() {
    const auto window = OpenSample("B");
    QVERIFY(window);
    tabstore::CQoDB& db = document_->Store();
    const auto before = testkit::StoreBytes(db);
    // A DVB-T table with the list's lowest multiplex in another constellation and none of the
    // others.
    std::vector<SMux_Info_Tag> muxes = editing::TerrestrialMuxes(db, window->Context().Product());
    QVERIFY(muxes.size() > 1);
    const SMux_Info_Tag lowest = *std::min_element(
        muxes.begin(), muxes.end(), [](const SMux_Info_Tag& a, const SMux_Info_Tag& b) {
            return editing::MuxFrequency(a) < editing::MuxFrequency(b);
        });
    const bool qam64 = editing::ConstellationText(lowest.MuxParams) == "64QAM";
    const QString table = dir_.filePath("de-Test");
    QFile file(table);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(("[CHANNEL]\nDELIVERY_SYSTEM = DVBT\nFREQUENCY = " +
                std::to_string(editing::MuxFrequency(lowest) * 1000) +
                "\nMODULATION = " + (qam64 ? "QAM/16" : "QAM/64") + "\n")
                   .c_str());
    file.close();
    QMenu* menu = window->menuBar()->findChildren<QMenu*>().front();
    // Chooses the terrestrial multiplexes and the table, notes what the dialog lists, applies.
    QStringList kinds, after, channels;
    const auto update = [&] {
        test::WhenDialog<CTransponderUpdateDialog>([&](CTransponderUpdateDialog* dialog) {
            auto* box = dialog->findChild<QComboBox*>("transponderSatellite");
            box->setCurrentIndex(box->findText("Terrestrial multiplexes"));
            dialog->UseFile(table);
            auto* lines = dialog->findChild<QTreeWidget*>("transponderLines");
            kinds = test::ColumnTexts(*lines->model(), 0);
            after = test::ColumnTexts(*lines->model(), 2);
            channels = test::ColumnTexts(*lines->model(), 3);
            QTest::mouseClick(dialog->findChild<QPushButton*>("applyTransponders"), Qt::LeftButton);
        });
        test::MenuItem(menu, "Update transponders")->trigger();
    };
    answer_ = QMessageBox::No;
    update();
    QCOMPARE(kinds.size(), static_cast<qsizetype>(muxes.size()));
    QCOMPARE(kinds.front(), QStringLiteral("Changed"));
    QVERIFY(after.front().contains(qam64 ? "16QAM" : "64QAM"));
    QCOMPARE(kinds.count("Gone"), static_cast<qsizetype>(muxes.size() - 1));
    // The question names every channel going with the multiplexes.
    QCOMPARE(messages_.size(), 1);
    for (qsizetype i = 1; i < channels.size(); ++i)
        QVERIFY2(messages_.front().contains(channels[i]), qPrintable(messages_.front()));
    QVERIFY(testkit::StoreBytes(db) == before);

    answer_ = QMessageBox::Yes;
    update();
    QVERIFY(testkit::StoreBytes(db) != before);
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(testkit::StoreBytes(db) == before);
}

QTEST_MAIN(TransponderWindowTest)
#include "TransponderWindowTest.moc"
