// Print, Print preview and Export through the window as an operator reaches them: Ctrl+P and
// the File menu, the list options, Qt's print dialogs and the file dialog.
#include "ChannelGrid.h"
#include "ListOptionsDialog.h"
#include "MainFrame.h"
#include "PrintCommands.h"
#include "RightView.h"
#include "SampleData.h"
#include "WindowDriver.h"
#include "WindowFixture.h"
#include "chanforge/listprint/ListPages.h"

#include "qpui/MessageBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QtTest>

#include <algorithm>
#include <memory>

using namespace chanforge;
using namespace chanforge::app;
using namespace chanforge::app::test;

namespace {

/// Chooses columns and columns per page in the list options, then OK.
void ChooseList(CListOptionsDialog* dialog, const QStringList& columns, int pageColumns,
                int scope = 0, int group = 0) {
    for (QCheckBox* box : dialog->findChildren<QCheckBox*>())
        box->setChecked(columns.contains(box->objectName().mid(7)));
    dialog->findChild<QSpinBox*>(QStringLiteral("listPageColumns"))->setValue(pageColumns);
    dialog->findChild<QComboBox*>(QStringLiteral("listScope"))->setCurrentIndex(scope);
    dialog->findChild<QComboBox*>(QStringLiteral("listGroup"))->setCurrentIndex(group);
    dialog->accept();
}

QString PdfText(const QString& path) {
    QProcess reader;
    reader.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    reader.waitForFinished(60000);
    return QString::fromUtf8(reader.readAllStandardOutput());
}

} // namespace

class PrintWindowTest : public test::WindowFixture {
    Q_OBJECT
  public:
    PrintWindowTest() : WindowFixture(QMessageBox::Ok) {}

  private slots:
    void initTestCase();
    void previewShowsTheListInOneAndThreeColumns();
    void ctrlPPrintsThroughThePrintDialog();
    void exportWritesTheChosenGroupAndTheChoiceIsKept();

  private:
    std::unique_ptr<CMainFrame> frame_;
};

void PrintWindowTest::initTestCase() {
    SaveListChoice({});
    // 60 TV and 20 radio channels: two pages in one column, one in three.
    frame_ = OpenSample("D", 60, 0);
    QVERIFY(frame_);
}

void PrintWindowTest::previewShowsTheListInOneAndThreeColumns() {
    for (const auto& [columns, pages] : {std::pair{1, 2}, std::pair{3, 1}}) {
        WhenDialog<CListOptionsDialog>([columns](CListOptionsDialog* dialog) {
            ChooseList(dialog, {"number", "name", "provider", "favorites"}, columns);
        });
        int shown = 0;
        WhenDialog<QPrintPreviewDialog>([&](QPrintPreviewDialog* dialog) {
            shown = dialog->findChild<QPrintPreviewWidget*>()->pageCount();
            // The paper and margins of the PDF, so both have the same pages.
            QVERIFY(dialog->printer()->pageLayout().isEquivalentTo(listprint::ListPageLayout()));
            dialog->reject();
        });
        frame_->Prints().PreviewAction()->trigger();
        QCOMPARE(shown, pages);
    }
}

void PrintWindowTest::ctrlPPrintsThroughThePrintDialog() {
    const QString printed = dir_.filePath(QStringLiteral("printed.pdf"));
    WhenDialog<CListOptionsDialog>([](CListOptionsDialog* dialog) {
        ChooseList(dialog, {"number", "name"}, 2);
    });
    bool asked = false;
    WhenDialog<QPrintDialog>([&](QPrintDialog* dialog) {
        asked = true;
        auto* printers = dialog->findChild<QComboBox*>(QStringLiteral("printers"));
        QVERIFY(printers);
        printers->setCurrentIndex(printers->count() - 1); // print to a PDF file
        dialog->findChild<QLineEdit*>(QStringLiteral("filename"))->setText(printed);
        dialog->accept();
    });
    frame_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(frame_.get()));
    frame_->Right().TV().setFocus();
    QTest::keyClick(&frame_->Right().TV(), Qt::Key_P, Qt::ControlModifier);
    QVERIFY(asked);
    const QString text = PdfText(printed);
    QVERIFY2(text.contains(QStringLiteral("Page 1 of 1")), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("Das Erste HD")));
    QVERIFY(text.contains(QStringLiteral("Bayern 1")));
}

void PrintWindowTest::exportWritesTheChosenGroupAndTheChoiceIsKept() {
    QMenu* exports = frame_->menuBar()->findChild<QMenu*>(QStringLiteral("exportMenu"));
    QVERIFY(exports);
    const QString csv = dir_.filePath(QStringLiteral("group"));
    WhenDialog<CListOptionsDialog>([](CListOptionsDialog* dialog) {
        ChooseList(dialog, {"name", "favorites"}, 1, 2, 1); // group 2 of the blank image
    });
    WhenFileDialog(csv);
    MenuItem(exports, QStringLiteral("CSV"))->trigger();
    QFile file(csv + QStringLiteral(".csv")); // the filter's extension is added
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    QCOMPARE(lines.front(), QByteArray("Type,Name,Favourites\r"));
    QCOMPARE(lines.size(), 1 + 8 + 3 + 1); // channels 1, 9, 17 ... of 60 TV and 20 radio
    for (qsizetype i = 1; i + 1 < lines.size(); ++i)
        QVERIFY2(lines[i].endsWith(",Favorite 2\r"), lines[i].constData());

    const ListChoice kept = LoadListChoice();
    QCOMPARE(kept.scope, ListScope::Favorite);
    QCOMPARE(kept.group, 1u);
    QCOMPARE(listprint::ColumnListText(kept.options.columns), std::string("name,favorites"));

    // Radio only, by name: the kinds and the order chosen reach the list.
    const QString radio = dir_.filePath(QStringLiteral("radio.csv"));
    WhenDialog<CListOptionsDialog>([](CListOptionsDialog* dialog) {
        dialog->findChild<QComboBox*>(QStringLiteral("listKinds"))->setCurrentIndex(2);
        dialog->findChildren<QRadioButton*>().back()->setChecked(true);
        ChooseList(dialog, {"name"}, 1);
    });
    WhenFileDialog(radio);
    MenuItem(exports, QStringLiteral("CSV"))->trigger();
    QFile radioFile(radio);
    QVERIFY(radioFile.open(QIODevice::ReadOnly));
    QList<QByteArray> names = radioFile.readAll().split('\n').mid(1);
    names.removeLast(); // after the last line end
    QCOMPARE(names.size(), 20);
    QVERIFY(
        std::is_sorted(names.begin(), names.end(), [](const QByteArray& a, const QByteArray& b) {
            return QString::fromUtf8(a).compare(QString::fromUtf8(b), Qt::CaseInsensitive) < 0;
        }));
    QVERIFY(!names.contains("\"Das Erste HD\"\r") && !names.contains("Das Erste HD\r"));

    // A read-only file is not replaced: the operator is told, naming it.
    messages_.clear();
    const QString locked = dir_.filePath(QStringLiteral("locked.html"));
    QFile(locked).open(QIODevice::WriteOnly);
    QFile::setPermissions(locked, QFile::ReadOwner);
    WhenDialog<CListOptionsDialog>([](CListOptionsDialog* dialog) { dialog->accept(); });
    WhenFileDialog(locked);
    WhenDialog<QMessageBox>(
        [](QMessageBox* replace) { replace->button(QMessageBox::Yes)->click(); });
    MenuItem(exports, QStringLiteral("HTML"))->trigger();
    QCOMPARE(messages_.size(), 1);
    QVERIFY2(messages_.front().startsWith(QStringLiteral("Cannot write the channel list")),
             qPrintable(messages_.front()));
    QVERIFY(messages_.front().contains(locked));
    QCOMPARE(QFileInfo(locked).size(), 0);
}

QTEST_MAIN(PrintWindowTest)
#include "PrintWindowTest.moc"
