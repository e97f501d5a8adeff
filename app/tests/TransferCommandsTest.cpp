// Receive DB from STB and Send DB to STB through the main window, against the virtual receiver
// program on a pseudo-terminal: a stand-in operator works the modal transfer dialog.
#include "ChannelGrid.h"
#include "MainFrame.h"
#include "RightView.h"
#include "SampleData.h"
#include "StbSimProcess.h"
#include "TransferOperator.h"
#include "WindowDriver.h"
#include "WindowFixture.h"

#include "chanforge/TableAccess.h"
#include "chanforge/check/Backups.h"
#include "policy/Presets.h"
#include "qpui/MessageBox.h"

#include <QAction>
#include <QApplication>
#include <QStatusBar>
#include <QtTest>

#include <memory>

using namespace chanforge;
using namespace chanforge::app;

namespace {

using test::ReadAll;

using testkit::ChannelNamed;

/// The newest image kept for model (empty: none); its name is new with every image kept.
std::string NewestBackup(const char* model) {
    const auto kept = check::BackupStore().List(model);
    return kept.empty() ? std::string() : kept.front().path;
}

using Operator = test::TransferOperator;

} // namespace

class TransferCommandsTest : public test::WindowFixture {
    Q_OBJECT
  public:
    TransferCommandsTest() : WindowFixture(QMessageBox::Ok) {}

  private slots:
    void receiveLoadsTheTables();
    void cancelledReceiveLeavesTablesAndWorkFile_data();
    void cancelledReceiveLeavesTablesAndWorkFile();
    void receiveOfAnotherModelOrOfNoDatabase();
    void sendRefusesAListWithoutChannelsOrGroups();

  private:
    /// Policy of model D and a channel file of it with tv TV channels; its channel count.
    int MakeSample(const QString& name, int tv = 20);
};

int TransferCommandsTest::MakeSample(const QString& name, int tv) {
    return testkit::WriteSampleFile("D", 1, Path(name).toStdString(), tv);
}

void TransferCommandsTest::receiveLoadsTheTables() {
    const int channels = MakeSample("sample.bin");
    QVERIFY(channels > 20);
    document::Document document;
    CMainFrame frame(document);
    frame.show();
    QCOMPARE(document.Store().Size(kChannelTable), 0);
    testkit::StbSimProcess receiver(
        {"--model", "D", "--serve", Path("sample.bin"), "--sessions", "1"});
    QVERIFY(!receiver.Path().isEmpty());
    {
        Operator op(receiver.Path());
        frame.Receive();
        QCOMPARE(op.dialogClass, QStringLiteral("qpui::CDlgRecvDataFromSTBEx")); // product list 7
        QCOMPARE(op.lastStatus, QStringLiteral("Received all data completely."));
    }
    QCOMPARE(receiver.Stop(), 0);
    QCOMPARE(int(document.Store().Size(kChannelTable)), channels);
    QVERIFY(ChannelNamed(document.Store(), "ZDF HD") != nullptr);
    QCOMPARE(frame.Right().TV().Model().rowCount(), 20);
    QVERIFY(!frame.IsModified());
    QVERIFY(messages_.isEmpty());
}

void TransferCommandsTest::cancelledReceiveLeavesTablesAndWorkFile_data() {
    QTest::addColumn<int>("cancelAbove");
    QTest::addColumn<bool>("complete");
    QTest::addColumn<QStringList>("line");
    QTest::newRow("in the blocks") << 1500 << false << QStringList{"--baud", "57600"};
    QTest::newRow("after a complete receive") << 9999 << true << QStringList{};
}

void TransferCommandsTest::cancelledReceiveLeavesTablesAndWorkFile() {
    QFETCH(int, cancelAbove);
    QFETCH(bool, complete);
    QFETCH(QStringList, line);
    QVERIFY(MakeSample("other.bin", 8) > 0); // what the receiver holds
    const auto window = OpenSample("D");
    QVERIFY(window);
    CMainFrame& frame = *window;
    document::Document& document = *document_;
    const int channels = int(document.Store().Size(kChannelTable));
    const QByteArray work = ReadAll(QString::fromStdString(document.WorkFilePath()));
    const QString title = frame.windowTitle();
    const std::string newest = NewestBackup("D");
    messages_.clear();

    testkit::StbSimProcess receiver(
        line + QStringList{"--model", "D", "--serve", Path("other.bin"), "--sessions", "1"});
    QVERIFY(!receiver.Path().isEmpty());
    Operator op(receiver.Path(), cancelAbove);
    frame.Receive();
    QCOMPARE(int(document.Store().Size(kChannelTable)), channels);
    QCOMPARE(ReadAll(QString::fromStdString(document.WorkFilePath())), work);
    QCOMPARE(frame.windowTitle(), title);
    const QFileInfo workFile(QString::fromStdString(document.WorkFilePath()));
    QCOMPARE(QDir(workFile.path()).entryList({workFile.fileName() + "*"}, QDir::Files),
             QStringList{workFile.fileName()});
    const auto kept = check::BackupStore().List("D");
    if (complete) {
        QVERIFY(messages_.isEmpty()); // the line is closed: nothing to ask
        QCOMPARE(op.lastStatus, QStringLiteral("Received all data completely."));
        QCOMPARE(receiver.Stop(), 0);
        // What the receiver sent is kept all the same, and the operator is told where.
        QVERIFY(NewestBackup("D") != newest);
        QVERIFY(kept.front().kind == check::BackupKind::Received);
        QVERIFY(kept.front().channels && kept.front().channels->tv == 8);
        QCOMPARE(frame.statusBar()->currentMessage(),
                 QStringLiteral("The received list was not opened; it is kept among the backups "
                                "(Receiver → Restore…)."));
    } else {
        QCOMPARE(NewestBackup("D"), newest);
        QCOMPARE(messages_, QStringList{"Would you like to close connected serial port ?"});
        QCOMPARE(receiver.Stop(), 1);
        QVERIFY2(receiver.Log().contains("the PC cancelled"), qPrintable(receiver.Log()));
    }
}

// A receiver of another model: the receive is complete, then the window says which model the
// list is and keeps its own unless told otherwise. Bytes that are no database at all are refused
// in the dialog, which never says they were received whole.
void TransferCommandsTest::receiveOfAnotherModelOrOfNoDatabase() {
    QVERIFY(MakeSample("other.bin") > 0);
    const std::string newest = NewestBackup("D");
    QVERIFY(policy::SelectPreset(*policy::FindPreset("A"), 1) == 1);
    document::Document document;
    CMainFrame frame(document);
    frame.show();
    messages_.clear();
    {
        testkit::StbSimProcess receiver(
            {"--model", "D", "--serve", Path("other.bin"), "--sessions", "1"});
        Operator op(receiver.Path());
        frame.Receive();
        QCOMPARE(op.lastStatus, QStringLiteral("Received all data completely."));
    }
    QCOMPARE(messages_.size(), 1);
    QVERIFY2(messages_.front().startsWith(
                 QStringLiteral("This file looks like a model D database, not model A: ")),
             qPrintable(messages_.front()));
    QCOMPARE(document.Store().Size(kChannelTable), 0); // the answer was not Yes
    QCOMPARE(document.GetModel().Name(), std::string("A"));
    // Not opened, but kept, under the model it is of.
    const auto kept = check::BackupStore().List("D");
    QVERIFY(NewestBackup("D") != newest);
    QVERIFY(kept.front().kind == check::BackupKind::Received);
    QVERIFY(kept.front().channels && kept.front().channels->tv == 20);

    QByteArray noise("QP  P\0", 6);
    noise.append(80, '\0');
    for (unsigned i = 0; i < 384u * 1024u; ++i)
        noise.append(static_cast<char>((i * 7919u + i / 13u) & 0xFFu));
    QFile file(Path("noise.bin"));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(noise) == noise.size());
    file.close();
    messages_.clear();
    {
        testkit::StbSimProcess receiver(
            {"--model", "A", "--serve", Path("noise.bin"), "--sessions", "1"});
        Operator op(receiver.Path());
        frame.Receive();
        QCOMPARE(op.lastStatus, QStringLiteral("Cannot open or invalid version file"));
    }
    QVERIFY(messages_.isEmpty());
    QCOMPARE(document.Store().Size(kChannelTable), 0);
}

// A receiver cannot run without a favourite group or a channel: refused before any question,
// such as what the send would change against the image last received.
void TransferCommandsTest::sendRefusesAListWithoutChannelsOrGroups() {
    QStringList asked;
    QTimer watcher;
    connect(&watcher, &QTimer::timeout, [&asked] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            asked << dialog->windowTitle();
            dialog->reject();
        }
    });
    watcher.start(50);
    for (const TableId emptied : {kFavoriteTable, kChannelTable}) {
        auto frame = OpenSample("D");
        QVERIFY(frame);
        frame->Backups().AfterReceive();
        document_->Store().Clear(emptied);
        messages_.clear();
        frame->Send();
        QCOMPARE(messages_, QStringList{QStringLiteral("Upload data is empty or invalid")});
    }
    QCOMPARE(asked, QStringList());
}

QTEST_MAIN(TransferCommandsTest)
#include "TransferCommandsTest.moc"
