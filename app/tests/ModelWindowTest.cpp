// The window works in the model of its open database: another model's file opens only as that
// model, and Configuration (which stores a model for the next start) leaves the open database,
// its editors, title, status bar and backups in the model it was opened with.
#include "BackupsDialog.h"
#include "CheckCommands.h"
#include "MainFrame.h"
#include "PrintCommands.h"
#include "RightView.h"
#include "WindowDriver.h"
#include "WindowFixture.h"

#include "SampleData.h"
#include "chanforge/check/Backups.h"
#include "chanforge/document/Document.h"
#include "policy/Presets.h"
#include "utils/Files.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QTest>
#include <QTreeWidget>

namespace chanforge::app {

namespace {

QString Title(const char* preset) {
    const std::string_view title = policy::FindPreset(preset)->title;
    return QString::fromLatin1(title.data(), static_cast<qsizetype>(title.size()));
}

/// Opens a new channel editor with Ctrl+N and gives the room its name field offers.
int NameRoomOfNewChannel(CMainFrame& frame) {
    int room = -1;
    test::WhenModal([&](QWidget* editor) {
        if (const auto* name = editor->findChild<QLineEdit*>(QStringLiteral("name")))
            room = name->maxLength();
        QTest::keyClick(editor, Qt::Key_Escape);
    });
    frame.Right().TV().setFocus();
    QTest::keyClick(&frame.Right().TV(), Qt::Key_N, Qt::ControlModifier);
    return room;
}

/// The model column of each row Restore offers, first row first.
QStringList OfferedModels(CMainFrame& frame) {
    QStringList models;
    test::WhenModal([&](QWidget* modal) {
        if (auto* dialog = qobject_cast<CBackupsDialog*>(modal))
            for (int i = 0; i < dialog->List().topLevelItemCount(); ++i)
                models << dialog->List().topLevelItem(i)->text(4);
        modal->close();
    });
    frame.Backups().RestoreAction()->trigger();
    return models;
}

/// Exports the channel list as HTML through File → Export, as the operator does; its text.
QString ExportedHtml(CMainFrame& frame, const QString& path) {
    test::WhenModal([&](QWidget* options) {
        test::WhenFileDialog(path);
        QTest::keyClick(options, Qt::Key_Return);
    });
    frame.Prints().Export(listprint::ListFormat::Html);
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

class ModelWindowTest : public test::WindowFixture {
    Q_OBJECT
  public:
    ModelWindowTest() : WindowFixture(QMessageBox::No) {}

  private slots:
    void anotherModelsFileOpensOnlyAsThatModel();
    void configurationLeavesTheOpenDatabaseInItsModel();

  private:
    QString Sample(const char* preset) {
        const QString path = Path(QStringLiteral("sample-%1.bin").arg(preset));
        return testkit::WriteSampleFile(preset, 1, path.toStdString(), 20) > 0 ? path : QString();
    }
};

void ModelWindowTest::anotherModelsFileOpensOnlyAsThatModel() {
    const QString other = Sample("default"); // 28-byte names in 56-byte slots
    const QString own = Sample("A");         // the model stored last: the window's
    document::Document document;
    CMainFrame frame(document);
    frame.show();
    QVERIFY(frame.OpenPath(own));
    const std::size_t channels = document.Store().Size(kChannelTable);
    QCOMPARE(NameRoomOfNewChannel(frame), 16); // all the name bytes a layout A slot keeps

    messages_.clear();
    answer_ = QMessageBox::No;
    QVERIFY(!frame.OpenPath(other));
    QCOMPARE(messages_.size(), 1);
    QVERIFY2(messages_.front().startsWith(
                 QStringLiteral("This file looks like a model default database, not model A: ")),
             qPrintable(messages_.front()));
    QVERIFY(messages_.front().contains(QStringLiteral("Open it as a model default database?")));
    QCOMPARE(document.Store().Size(kChannelTable), channels);
    QVERIFY(frame.windowTitle().contains(Title("A")));

    answer_ = QMessageBox::Yes;
    QVERIFY(frame.OpenPath(other));
    QCOMPARE(document.GetModel().Name(), std::string("default"));
    QVERIFY(frame.windowTitle().startsWith(Title("default")));
    // One fewer than its name length: the layout keeps the last byte for the terminator.
    QCOMPARE(NameRoomOfNewChannel(frame), 27);
    QVERIFY(testkit::ChannelNamed(document.Store(), "ZDF HD") != nullptr);
}

void ModelWindowTest::configurationLeavesTheOpenDatabaseInItsModel() {
    qputenv("CHANFORGE_BACKUP_DIR", Path("backups").toLocal8Bit());
    const QString sample = Sample("default");
    document::Document document;
    CMainFrame frame(document);
    frame.show();
    QVERIFY(frame.OpenPath(sample));
    const check::BackupStore store;
    std::vector<std::uint8_t> image;
    QVERIFY(utils::ReadWholeFile(sample.toStdString(), image).ok());
    for (const char* model : {"A", "default"})
        QVERIFY(store.Keep(image, model, check::BackupKind::Received, document.Layout()).ok());
    const QString title = frame.windowTitle();

    // Configuration stores model A for the next start and asks for a restart.
    messages_.clear();
    test::WhenModal([](QWidget* dialog) {
        auto* product = dialog->findChild<QComboBox*>("product");
        product->setCurrentIndex(product->findText(Title("A")));
        QTest::keyClick(dialog, Qt::Key_Return);
    });
    frame.Configuration();
    QCOMPARE(policy::ProductKind::Current().list, policy::FindPreset("A")->productList);
    QCOMPARE(messages_, QStringList{"You have to restart this program now."});
    QCOMPARE(NameRoomOfNewChannel(frame), 27);
    frame.TablesChanged(); // title and status bar are drawn anew
    QCOMPARE(frame.windowTitle(), title);
    QVERIFY(title.startsWith(Title("default")));
    QCOMPARE(OfferedModels(frame), (QStringList{"default", "A (another model)"}));
    const QString html = ExportedHtml(frame, Path(QStringLiteral("list.html")));
    QVERIFY2(html.contains(Title("default")) && !html.contains(Title("A")),
             qPrintable(html.left(400)));
    QCOMPARE(document.Layout().ch.chunk, 56u);
    QString receive; // model A's dialog would not wait for the receiver
    test::WhenModal([&receive](QWidget* dialog) {
        receive = QString::fromLatin1(dialog->metaObject()->className());
        qobject_cast<QDialog*>(dialog)->reject();
    });
    frame.Receive();
    QCOMPARE(receive, QStringLiteral("qpui::CDlgRecvDataFromSTBEx"));
}

} // namespace chanforge::app

QTEST_MAIN(chanforge::app::ModelWindowTest)
#include "ModelWindowTest.moc"
