// Send with verification through the main window against the virtual receiver program: the
// receiver takes the send, then sends its flash back. A receiver whose flash damages a block
// makes the verification fail with the changed channel named; one that damages a byte no table
// reads, with the block named.
#include "MainFrame.h"
#include "SampleData.h"
#include "StbSimProcess.h"
#include "TransferOperator.h"

#include "chanforge/TableAccess.h"
#include "chanforge/check/Backups.h"
#include "qpui/MessageBox.h"

#include <QAction>
#include <QTemporaryDir>
#include <QtTest>

#include <cstring>

using namespace chanforge;
using namespace chanforge::app;

using Operator = test::TransferOperator;

class VerifySendTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void cleanupTestCase();
    void sendIsVerifiedUntilTheReceiverDamagesABlock();

  private:
    QString Path(const QString& name) const { return dir_.filePath(name); }

    QTemporaryDir dir_;
    QStringList messages_;
    QStringList warnings_; ///< those that offer Restore
    qpui::MessageHandler previous_;
};

void VerifySendTest::initTestCase() {
    QVERIFY(dir_.isValid());
    qputenv("CHANFORGE_BACKUP_DIR", Path("backups").toLocal8Bit());
    previous_ = qpui::SetMessageHandler([this](qpui::MessageKind kind, const QString& text) {
        messages_ << text;
        if (kind == qpui::MessageKind::WarningOfferingRestore)
            warnings_ << text;
        return kind == qpui::MessageKind::Question ? QMessageBox::Yes : QMessageBox::Ok;
    });
}

void VerifySendTest::cleanupTestCase() {
    qpui::SetMessageHandler(previous_);
}

void VerifySendTest::sendIsVerifiedUntilTheReceiverDamagesABlock() {
    QVERIFY(testkit::WriteSampleFile("D", 1, Path("sample.bin").toStdString(), 20) > 0);
    document::Document document;
    CMainFrame frame(document);
    frame.show();
    QVERIFY(frame.OpenPath(Path("sample.bin")));
    QVERIFY(frame.Backups().VerifyAction()->isChecked()); // on by default
    const QStringList receiver{"--model",    "D", "--offer", "prompt", "--offer-after-send",
                               "--sessions", "2"};

    {
        testkit::StbSimProcess sim(receiver + QStringList{"--store", Path("good.bin")});
        QVERIFY(!sim.Path().isEmpty());
        Operator op(sim.Path());
        frame.Send();
        QCOMPARE(op.transfers, (QStringList{"Send data to STB", "Verify: Receive data from STB"}));
        QVERIFY(op.changeLists.isEmpty()); // nothing kept yet to compare with
        QCOMPARE(sim.Stop(), 0);
    }
    QCOMPARE(messages_.filter("Verified"), QStringList{"Verified"});
    // The image sent and the image read back are both kept, the read-back one last.
    const auto kept = check::BackupStore().List("D");
    QCOMPARE(kept.size(), std::size_t{2});
    QVERIFY(kept[0].kind == check::BackupKind::ReadBack && kept[1].kind == check::BackupKind::Sent);

    std::strcpy(testkit::ChannelNamed(document.Store(), "ZDF HD")->Name, "ZDF Neu");
    messages_.clear();
    {
        // The channel table starts at block 48; its middle byte is in the name of the 12th slot.
        testkit::StbSimProcess sim(
            receiver + QStringList{"--store", Path("bad.bin"), "--store-corrupt-block", "48"});
        QVERIFY(!sim.Path().isEmpty());
        Operator op(sim.Path());
        frame.Send();
        QCOMPARE(op.transfers.size(), 2);
        QCOMPARE(
            op.changeLists.value("What will change"),
            QStringList{"Channels Renamed: The TV channel 2 \"ZDF HD\" renamed to \"ZDF Neu\""});
        const QStringList failed = op.changeLists.value("Verification failed");
        QCOMPARE(failed.size(), 1);
        QCOMPARE(failed.front(),
                 QString::fromLatin1("Channels Renamed: The TV channel 12 \"hr-fernsehen\" "
                                     "renamed to \"hr-fer\x91sehen\""));
        QCOMPARE(sim.Stop(), 0);
    }
    QVERIFY(messages_.filter("Verified").isEmpty());

    // A flash cell no table reads: the tables agree, the bytes do not.
    messages_.clear();
    {
        testkit::StbSimProcess sim(
            receiver + QStringList{"--store", Path("cell.bin"), "--store-corrupt-block", "300"});
        QVERIFY(!sim.Path().isEmpty());
        Operator op(sim.Path());
        frame.Send();
        QCOMPARE(op.transfers.size(), 2);
        QVERIFY(!op.changeLists.contains("Verification failed"));
        QCOMPARE(sim.Stop(), 0);
    }
    QVERIFY(messages_.filter("Verified").isEmpty());
    document::Document stored; // what is sent is the tables as they are now
    QVERIFY(stored.Open(Path("cell.bin").toStdString()).ok());
    QVERIFY(testkit::ChannelNamed(stored.Store(), "ZDF Neu") != nullptr);
    QCOMPARE(warnings_, QStringList{"The receiver holds 1 byte that differs from what was sent, "
                                    "in block 300"});
}

QTEST_MAIN(VerifySendTest)
#include "VerifySendTest.moc"
