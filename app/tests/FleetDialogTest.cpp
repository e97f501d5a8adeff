// Receiver → Send to several receivers, against two virtual receiver programs at once: the
// operator adds their ports, starts, and reads each unit's state and report row; one receiver
// stores a damaged byte and fails with the block named while the other verifies.
#include "FleetDialog.h"
#include "StbSimProcess.h"
#include "WindowDriver.h"
#include "WindowFixture.h"

#include "chanforge/check/Backups.h"
#include "chanforge/fleet/UnitReport.h"

#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

using namespace chanforge;
using namespace chanforge::app;

namespace {

QPushButton* Button(QWidget* dialog, const QString& text) {
    for (auto* button : dialog->findChildren<QPushButton*>())
        if (button->text().remove(QLatin1Char('&')) == text)
            return button;
    return nullptr;
}

QAction* ReceiverMenuItem(CMainFrame& frame, const QString& prefix) {
    for (QAction* menu : frame.menuBar()->actions())
        if (menu->text().remove(QLatin1Char('&')) == QLatin1String("Receiver"))
            return test::MenuItem(menu->menu(), prefix);
    return nullptr;
}

} // namespace

class FleetDialogTest : public test::WindowFixture {
    Q_OBJECT
  public:
    FleetDialogTest() : WindowFixture(QMessageBox::Ok) {}

  private slots:
    void twoReceiversAtOnceOneStoringADamagedByte();
};

void FleetDialogTest::twoReceiversAtOnceOneStoringADamagedByte() {
    const auto frame = OpenSample("D");
    QVERIFY(frame);
    qputenv("CHANFORGE_BACKUP_DIR", Path("backups").toLocal8Bit()); // a log of this run only
    const QStringList receiver{"--model", "D", "--sessions", "2"};
    testkit::StbSimProcess good(receiver);
    testkit::StbSimProcess damaging(receiver + QStringList{"--store-corrupt-block", "300"});
    QVERIFY(!good.Path().isEmpty() && !damaging.Path().isEmpty());
    QAction* item = ReceiverMenuItem(*frame, "Send to several receivers");
    QVERIFY(item);

    QStringList states, results;
    bool driven = false;
    test::WhenDialog<CFleetDialog>([&](CFleetDialog* dialog) {
        auto* typed = dialog->findChild<QLineEdit*>();
        for (const QString& port : {good.Path(), damaging.Path()}) {
            QTest::keyClicks(typed, port);
            QTest::keyClick(typed, Qt::Key_Return);
        }
        QTest::mouseClick(Button(dialog, "Start"), Qt::LeftButton);
        QVERIFY(dialog->IsRunning());
        QTRY_VERIFY_WITH_TIMEOUT(!dialog->IsRunning(), 60000);
        QTreeWidget& ports = dialog->Ports();
        for (const QString& port : {good.Path(), damaging.Path()})
            states << ports.findItems(port, Qt::MatchExactly).value(0)->text(1);
        for (int i = 0; i < dialog->Report().topLevelItemCount(); ++i) {
            const QTreeWidgetItem* row = dialog->Report().topLevelItem(i);
            results << row->text(1) + ": " + row->text(5);
        }
        dialog->grab().save(QStringLiteral("/tmp/fleet-dialog.png"));
        test::WhenFileDialog(Path("report.csv"));
        QTest::mouseClick(Button(dialog, "Save report…"), Qt::LeftButton);
        QTest::mouseClick(Button(dialog, "Close"), Qt::LeftButton);
        driven = true;
    });
    item->trigger();
    QVERIFY(driven);
    QCOMPARE(states,
             (QStringList{"done", "failed: The receiver holds 1 byte that differs from what was "
                                  "sent, in block 300"}));
    results.sort();
    const QStringList expected =
        QStringList{good.Path() + ": verified", damaging.Path() + ": failed"};
    QCOMPARE(results,
             (good.Path() < damaging.Path() ? expected : QStringList{expected[1], expected[0]}));
    // The rows went to the backup folder's log and to the file saved.
    for (const QString& csv :
         {QString::fromStdString(check::BackupStore().Folder() + "/" + fleet::kLogName),
          Path("report.csv")}) {
        const QByteArray text = test::ReadAll(csv);
        QCOMPARE(text.count("\r\n"), 3);
        QVERIFY2(text.contains("block 300"), text.constData());
    }
}

QTEST_MAIN(FleetDialogTest)
#include "FleetDialogTest.moc"
