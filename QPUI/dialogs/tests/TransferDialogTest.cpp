// Drives the receive and send dialogs against the virtual receiver on a pseudo-terminal, as an
// operator would: pick the port, Connect, watch, Complete or Cancel.
#include "DialogTestSupport.h"
#include "StbSimProcess.h"
#include "qpui/PortChoice.h"

#include "chanforge/transfer/SerialSettings.h"
#include "chanforge/transfer/TransferTexts.h"
#include "policy/Policy.h"
#include "policy/Presets.h"
#include "qpui/DlgRecvDataFromSTB.h"
#include "qpui/DlgSendDataToSTB.h"
#include "qpui/MessageBox.h"
#include "serlink/PortNames.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSerialPortInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <vector>

using namespace qpui;

namespace {

constexpr int kTransferMs = 30000;

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

/// A channel file with a zero info block and a random image of whole blocks.
QByteArray ChannelFile(int blocks, quint32 seed) {
    QByteArray file("QP  \x50\0", 6);
    file.append(QByteArray(80, '\0'));
    QRandomGenerator random(seed);
    for (int i = 0; i < blocks * 1024; ++i)
        file.append(static_cast<char>(random.bounded(256)));
    return file;
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

/// Replaces what the port box shows, key by key.
void TypePort(QComboBox& box, const QString& port) {
    QTest::keyClick(box.lineEdit(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(box.lineEdit(), port);
}

/// The controls of a transfer dialog, by name.
struct Controls {
    explicit Controls(CTransferDialog& dialog)
        : port(dialog.findChild<QComboBox*>("port")),
          connect(dialog.findChild<QPushButton*>("connect")),
          cancel(dialog.findChild<QPushButton*>("cancel")),
          status(dialog.findChild<QLabel*>("status")),
          progress(dialog.findChild<QProgressBar*>("progress")),
          blocks(dialog.findChild<QLabel*>("blocks")) {}
    bool Complete() const { return port && connect && cancel && status && progress && blocks; }
    /// The block count beside the bar; -1 when it shows none.
    int BlocksDone() const {
        const auto match = QRegularExpression(R"(^block (\d+) of \d+$)").match(blocks->text());
        return match.hasMatch() ? match.captured(1).toInt() : -1;
    }

    QComboBox* port;
    QPushButton* connect;
    QPushButton* cancel;
    QLabel* status;
    QProgressBar* progress;
    QLabel* blocks;
};

/// Remembers what the dialog showed a third of the way through the transfer.
struct MidTransfer {
    MidTransfer(CTransferDialog& dialog, const Controls& controls) {
        QObject::connect(controls.progress, &QProgressBar::valueChanged, &dialog, [&](int value) {
            if (value < 3000 || value >= 10000 || seen)
                return;
            seen = true;
            status = controls.status->text();
            connectEnabled = controls.connect->isEnabled();
        });
    }
    bool seen = false;
    QString status;
    bool connectEnabled = true;
};

} // namespace

class TransferDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QVERIFY(dir_.isValid()); }
    void init();
    void receiveReplacesTheFileAndCompleteCloses_data();
    void receiveReplacesTheFileAndCompleteCloses();
    void sendDeliversTheFileByteForByte();
    void receiverThatFailsTheWriteEndsWithOk();
    void lostLineSaysHowFarItGotAndConnectStartsAfresh();
    void enterAndEscapeDoNotClose();
    void aLineThatCannotOpenLeavesTheDialogReady();
    void portsOfferAdaptersFirstAndEachPortOnce();
    void aFileThatCannotBeMadeStopsBeforeTheLineAndThePortIsRemembered();

  private:
    QString Path(const QString& name) const { return dir_.filePath(name); }

    QTemporaryDir dir_;
    test::MessageRecorder messages_;
};

void TransferDialogTest::init() {
    // A QVR model; SelectPreset also forgets the serial settings and the port choice.
    policy::SelectPreset(*policy::FindPreset("A"), 1);
    messages_.kinds.clear();
    messages_.texts.clear();
    messages_.answer = QMessageBox::Ok;
}

void TransferDialogTest::receiveReplacesTheFileAndCompleteCloses_data() {
    QTest::addColumn<QString>("model");
    QTest::addColumn<QStringList>("receiver");
    QTest::addColumn<bool>("extended");
    QTest::newRow("access code") << "A" << QStringList{} << false;
    QTest::newRow("receiver begins") << "D" << QStringList{"--offer", "prompt"} << true;
}

void TransferDialogTest::receiveReplacesTheFileAndCompleteCloses() {
    QFETCH(QString, model);
    QFETCH(QStringList, receiver);
    QFETCH(bool, extended);
    const policy::ProductPreset& preset = *policy::FindPreset(model.toStdString());
    policy::WritePreset(preset);
    const QString served = Path("served.bin");
    const QString target = Path("received-" + model + ".bin");
    QVERIFY(WriteFile(served, ChannelFile(12, 7)));
    QVERIFY(WriteFile(target, "previous database"));
    chanforge::testkit::StbSimProcess sim(
        receiver + QStringList{"--model", model, "--serve", served, "--sessions", "1"});
    QVERIFY(!sim.Path().isEmpty());

    const auto dialog = MakeReceiveDialog(preset.Kind());
    QCOMPARE(qobject_cast<CDlgRecvDataFromSTBEx*>(dialog.get()) != nullptr, extended);
    dialog->Initialize(target.toStdString());
    dialog->show();
    Controls c(*dialog);
    QVERIFY(c.Complete());
    QCOMPARE(c.connect->text(), QStringLiteral("Connect"));
    MidTransfer mid(*dialog, c);
    // Each figure of the bar lies within the block the count beside it says is next: the bytes
    // of 12 blocks fill the bar from 9% to 99%, 7.5% a block.
    QStringList outOfStep;
    connect(c.progress, &QProgressBar::valueChanged, dialog.get(), [&](int value) {
        const int done = c.BlocksDone();
        const bool inStep = value == 10000 ? done == 12
                            : done < 0
                                ? value <= 900
                                : value >= 900 + done * 750 && value <= 900 + (done + 1) * 750;
        if (!inStep)
            outOfStep << QStringLiteral("%1 beside %2").arg(value).arg(c.blocks->text());
    });
    c.port->setEditText(sim.Path());
    c.connect->click();
    QVERIFY(!c.connect->isEnabled());
    QTRY_COMPARE_WITH_TIMEOUT(c.connect->text(), QStringLiteral("Complete"), kTransferMs);
    QVERIFY(c.connect->isEnabled());
    QCOMPARE(c.status->text(), QStringLiteral("Received all data completely."));
    QCOMPARE(c.progress->value(), 10000);
    QCOMPARE(c.blocks->text(), QStringLiteral("block 12 of 12"));
    QVERIFY2(outOfStep.isEmpty(), qPrintable(outOfStep.join(", ")));
    QVERIFY(mid.seen);
    QVERIFY(!mid.connectEnabled);
    QVERIFY2(QRegularExpression(R"(^Downloading \(\d{1,3}\.\d\d%\)\.{6}  $)")
                 .match(mid.status)
                 .hasMatch(),
             qPrintable(mid.status));
    QCOMPARE(ReadAll(target), ReadAll(served));
    c.connect->click();
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    QCOMPARE(sim.Stop(), 0);
    QVERIFY(messages_.texts.isEmpty());
}

void TransferDialogTest::sendDeliversTheFileByteForByte() {
    const QString model = QStringLiteral("A"); // D sends through the window in VerifySendTest
    const policy::ProductPreset& preset = *policy::FindPreset(model.toStdString());
    policy::WritePreset(preset);
    const QString file = Path("send.bin");
    const QString stored = Path("flash-" + model + ".bin");
    QVERIFY(WriteFile(file, ChannelFile(10, 11)));
    chanforge::testkit::StbSimProcess sim({"--model", model, "--store", stored, "--sessions", "1"});
    QVERIFY(!sim.Path().isEmpty());

    CDlgSendDataToSTB dialog(preset.Kind());
    dialog.Initialize(file.toStdString());
    dialog.show();
    Controls c(dialog);
    QVERIFY(c.Complete());
    MidTransfer mid(dialog, c);
    c.port->setEditText(sim.Path());
    c.connect->click();
    QVERIFY(!c.connect->isEnabled());
    QCOMPARE(c.status->text(), QString::fromLatin1(transfer::texts::kTurnOffAndOn));
    QTRY_COMPARE_WITH_TIMEOUT(c.connect->text(), QStringLiteral("Complete"), kTransferMs);
    QCOMPARE(c.status->text(), QStringLiteral("Sent and wrote all data completely."));
    QCOMPARE(c.progress->value(), 10000);
    QVERIFY(mid.seen);
    QVERIFY2(mid.status.startsWith("Uploading (") || mid.status.startsWith("Data upload complete."),
             qPrintable(mid.status));
    QCOMPARE(sim.Stop(), 0);
    QCOMPARE(ReadAll(stored), ReadAll(file));
    c.connect->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

void TransferDialogTest::receiverThatFailsTheWriteEndsWithOk() {
    const QString file = Path("refused.bin");
    QVERIFY(WriteFile(file, ChannelFile(4, 3)));
    chanforge::testkit::StbSimProcess sim({"--model", "A", "--fail-send", "--sessions", "1"});
    QVERIFY(!sim.Path().isEmpty());
    CDlgSendDataToSTB dialog(policy::ProductKind::Current());
    dialog.Initialize(file.toStdString());
    dialog.show();
    Controls c(dialog);
    c.port->setEditText(sim.Path());
    c.connect->click();
    QTRY_COMPARE_WITH_TIMEOUT(c.connect->text(), QStringLiteral("OK"), kTransferMs);
    QVERIFY(c.connect->isEnabled());
    QCOMPARE(c.status->text(), QStringLiteral("Fail to send all data."));
    QCOMPARE(c.progress->value(), 0);
    c.connect->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

// A receiver switched off: the dialog says so in the operator's words and keeps how far it got;
// Connect again starts afresh, nothing of the last attempt on screen.
void TransferDialogTest::lostLineSaysHowFarItGotAndConnectStartsAfresh() {
    const policy::ProductPreset& preset = *policy::FindPreset("D");
    policy::WritePreset(preset);
    const QString served = Path("lost.bin");
    QVERIFY(WriteFile(served, ChannelFile(60, 9)));
    const auto dialog = MakeReceiveDialog(preset.Kind()); // waits for the receiver
    dialog->Initialize(Path("lost-target.bin").toStdString());
    dialog->show();
    Controls c(*dialog);
    const QString connecting = QString::fromLatin1(transfer::texts::kConnecting);
    {
        chanforge::testkit::StbSimProcess silent({"--model", "D", "--offer", "none"});
        QVERIFY(!silent.Path().isEmpty());
        c.port->setEditText(silent.Path());
        c.connect->click();
        QCOMPARE(c.status->text(), connecting);
        silent.Stop(0);
    }
    QTRY_VERIFY_WITH_TIMEOUT(c.connect->isEnabled(), kTransferMs);
    QCOMPARE(c.status->text(),
             QStringLiteral("The connection to the receiver was lost before the first block."));

    chanforge::testkit::StbSimProcess sim(
        {"--model", "D", "--serve", served, "--baud", "57600", "--sessions", "1"});
    QVERIFY(!sim.Path().isEmpty());
    c.port->setEditText(sim.Path());
    c.connect->click();
    QCOMPARE(c.status->text(), connecting);
    QVERIFY(c.blocks->text().isEmpty());
    QTRY_VERIFY_WITH_TIMEOUT(c.BlocksDone() >= 8, kTransferMs);
    sim.Stop(0);
    QTRY_VERIFY_WITH_TIMEOUT(c.connect->isEnabled(), kTransferMs);
    const int done = c.BlocksDone();
    QCOMPARE(
        c.status->text(),
        QStringLiteral("The connection to the receiver was lost after block %1 of 60.").arg(done));
    QVERIFY2(c.progress->value() >= 900 + done * 9000 / 60, qPrintable(c.blocks->text()));
    QCOMPARE(c.connect->text(), QStringLiteral("Connect"));
    QVERIFY(messages_.texts.isEmpty());
}

void TransferDialogTest::enterAndEscapeDoNotClose() {
    CDlgRecvDataFromSTB dialog;
    dialog.Initialize(Path("none.bin").toStdString());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    Controls c(dialog);
    for (QWidget* focus : QList<QWidget*>{&dialog, c.port, c.connect}) {
        focus->setFocus();
        QTest::keyClick(focus, Qt::Key_Escape);
        QTest::keyClick(focus, Qt::Key_Return);
        QTest::keyClick(focus, Qt::Key_Enter);
    }
    QVERIFY(dialog.isVisible());
    QVERIFY(c.status->text().isEmpty()); // Enter did not press Connect either
}

// The line cannot be opened: the reason shows, and Connect may be pressed again.
void TransferDialogTest::aLineThatCannotOpenLeavesTheDialogReady() {
    CDlgRecvDataFromSTB receive;
    receive.Initialize(Path("out.bin").toStdString());
    Controls r(receive);
    r.port->setEditText("/dev/chanforge-missing");
    r.connect->click();
    QVERIFY2(r.status->text().startsWith("Cannot open serial port /dev/chanforge-missing"),
             qPrintable(r.status->text()));
    QVERIFY(r.connect->isEnabled());
    QCOMPARE(r.connect->text(), QStringLiteral("Connect"));
    QVERIFY(messages_.texts.isEmpty());
}

void TransferDialogTest::portsOfferAdaptersFirstAndEachPortOnce() {
    const std::vector<serlink::PortInfo> machine{
        {"ttyS10", "/dev/ttyS10", ""},   {"ttyS2", "/dev/ttyS2", ""},
        {"ttyACM0", "/dev/ttyACM0", ""}, {"ttyUSB1", "/dev/ttyUSB1", "adapter"},
        {"ttyS2", "/dev/ttyS2", ""},     {"ttyUSB0", "/dev/ttyUSB0", "adapter"}};
    // The offer in one line, the chosen port in brackets.
    const auto offer = [&](const std::string& choice) {
        const PortOffer offered = OfferPorts(machine, choice);
        QStringList paths;
        for (const serlink::PortInfo& port : offered.ports)
            paths << QString::fromStdString(port.location);
        if (offered.chosen >= 0)
            paths[offered.chosen] = '[' + paths[offered.chosen] + ']';
        return paths.join(' ');
    };
    QCOMPARE(offer("/dev/pts/3"),
             "/dev/ttyACM0 /dev/ttyUSB0 /dev/ttyUSB1 [/dev/pts/3] /dev/ttyS2 /dev/ttyS10");
    QCOMPARE(offer("COM3"), "/dev/ttyACM0 /dev/ttyUSB0 /dev/ttyUSB1 [/dev/ttyS2] /dev/ttyS10");
    QCOMPARE(offer("COM9"), "/dev/ttyACM0 /dev/ttyUSB0 /dev/ttyUSB1 /dev/ttyS2 /dev/ttyS10 [COM9]");
}

void TransferDialogTest::aFileThatCannotBeMadeStopsBeforeTheLineAndThePortIsRemembered() {
    // Each dialog stops before the line opens: its file cannot be made, and a message says so.
    {
        CDlgRecvDataFromSTB first;
        first.Initialize(Path("no/such/dir/first.bin").toStdString());
        first.show();
        Controls c(first);
        // Nothing stored: the first numbered port, as this machine names it.
        QCOMPARE(c.port->currentText(), QString::fromStdString(serlink::ResolvePortName("COM1")));
        TypePort(*c.port, "  COM3 ");
        QTest::mouseClick(c.connect, Qt::LeftButton);
        QCOMPARE(messages_.texts, QStringList{transfer::texts::kCannotInitialize});
        QCOMPARE(messages_.kinds.back(), MessageKind::Error);
        QVERIFY(c.connect->isEnabled());
    }
    QCOMPARE(int(transfer::ReadSerialSettings().port), 3);
    const QString typed = QStringLiteral("/dev/pts/chanforge-9");
    {
        CDlgSendDataToSTB second(policy::ProductKind::Current());
        second.Initialize(Path("no/such/dir/second.bin").toStdString());
        second.show();
        Controls c(second);
        TypePort(*c.port, typed);
        QTest::mouseClick(c.connect, Qt::LeftButton);
        QTest::mouseClick(c.cancel, Qt::LeftButton); // not connected: closes without a question
        QCOMPARE(second.result(), int(QDialog::Rejected));
        QCOMPARE(messages_.texts, QStringList(2, transfer::texts::kCannotInitialize));
    }
    CDlgRecvDataFromSTB third;
    third.show();
    Controls c(third);
    QCOMPARE(c.port->itemText(c.port->currentIndex()), typed); // offered, and chosen
    QCOMPARE(int(transfer::ReadSerialSettings().port), 3);     // a path has no number to store
    // Besides it, every port the machine reports, once.
    QStringList machine{typed};
    for (const QSerialPortInfo& port : QSerialPortInfo::availablePorts())
        machine << port.systemLocation();
    QCOMPARE(c.port->count(), machine.size());
    for (const QString& port : machine)
        QVERIFY2(c.port->findText(port) >= 0, qPrintable(port));
}

QTEST_MAIN(TransferDialogTest)
#include "TransferDialogTest.moc"
