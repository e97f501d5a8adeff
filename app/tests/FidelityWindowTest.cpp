// Nothing changes that the operator did not change, and nothing is dropped unsaid: every editor
// opened on every record of every bundled model and closed with OK leaves no undo step, no
// unsaved mark and the file byte for byte; a workbook opened without the channel file says that
// its channels name records that are not there.
#include "ChannelGrid.h"
#include "EnglishCounts.h"
#include "FavTree.h"
#include "LeftBottomView.h"
#include "LeftTopView.h"
#include "MainFrame.h"
#include "RightView.h"
#include "WindowDriver.h"

#include "chanforge/codec/FlashLayout.h"
#include "policy/Presets.h"
#include "qpui/MessageBox.h"
#include "samplegen/SampleImage.h"
#include "utils/Files.h"

#include <QSplitter>
#include <QTabBar>
#include <QTemporaryDir>
#include <QToolTip>
#include <QTreeWidget>
#include <QtTest>

using namespace chanforge;
using namespace chanforge::app;

namespace {

using test::MenuItem;
using test::RightClick;
using test::WhenModal;

using test::ReadAll;

/// The middle of the first cell of row that the view shows, scrolled into sight.
QPoint RowPoint(QAbstractItemView& view, int row) {
    for (int column = 0; column < view.model()->columnCount(); ++column) {
        const QModelIndex index = view.model()->index(row, column);
        view.scrollTo(index);
        if (const QRect cell = view.visualRect(index); cell.width() > 0)
            return cell.center();
    }
    return {};
}

/// Selects the model and writes its bundled sample database into dir; empty on failure.
QString WriteBundledSample(const QTemporaryDir& dir, const QString& model) {
    const policy::ProductPreset* preset = policy::FindPreset(model.toStdString());
    if (preset == nullptr)
        return {};
    policy::SelectPreset(*preset, 1);
    std::vector<std::uint8_t> image;
    std::string error;
    const QString path = dir.filePath(QStringLiteral("model-%1.bin").arg(model));
    if (!samplegen::BuildImage(codec::FlashLayout::FromPreset(*preset), image, &error) ||
        !utils::ReplaceFile(path.toStdString(), image).ok())
        return {};
    return path;
}

} // namespace

class FidelityWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void okOnEveryRecordKeepsTheFile_data();
    void okOnEveryRecordKeepsTheFile();
    void workbookWithoutTheChannelFileIsReported();
    void favouriteNamesShowWhole();
    void aChannelGoneWhileItsEditorIsOpenIsTold();

  private:
    /// Once the editor the next gesture opens is up: counts it and closes it with Enter.
    void OkWhenOpen();
    /// Right-clicks at, chooses "Update..." from the context menu and closes the editor with OK.
    void Update(QAbstractItemView& view, QPoint at);
    /// Clicks each row of view, then updates it.
    void UpdateEveryRow(QAbstractItemView& view);

    int editors_ = 0;
    QStringList messages_;
    QMessageBox::StandardButton answer_ = QMessageBox::Ok;
    chanforge::app::test::MessageRecorder recorder_{messages_, answer_};
};

void FidelityWindowTest::OkWhenOpen() {
    WhenModal([this](QWidget* editor) {
        if (editor == nullptr)
            return; // counted as missing at the end
        ++editors_;
        QTest::keyClick(editor, Qt::Key_Return);
    });
}

void FidelityWindowTest::Update(QAbstractItemView& view, QPoint at) {
    RightClick(view.viewport(), at, [this](QMenu* menu) {
        QAction* update = menu != nullptr ? MenuItem(menu, QStringLiteral("Update")) : nullptr;
        if (update == nullptr || !update->isEnabled()) {
            if (menu != nullptr)
                menu->close(); // counted as missing at the end
            return;
        }
        OkWhenOpen();
        menu->setActiveAction(update);
        QTest::keyClick(menu, Qt::Key_Return);
    });
}

void FidelityWindowTest::UpdateEveryRow(QAbstractItemView& view) {
    for (int row = 0; row < view.model()->rowCount(); ++row) {
        const QPoint at = RowPoint(view, row);
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, at);
        Update(view, at);
    }
}

void FidelityWindowTest::okOnEveryRecordKeepsTheFile_data() {
    QTest::addColumn<QString>("model");
    for (const char* model : {"A", "B", "C", "D", "E", "default"})
        QTest::newRow(model) << QString::fromLatin1(model);
}

void FidelityWindowTest::okOnEveryRecordKeepsTheFile() {
    QFETCH(QString, model);
    QTemporaryDir dir;
    const QString original = WriteBundledSample(dir, model);
    document::Document document;
    CMainFrame frame(document);
    frame.show();
    QVERIFY(frame.OpenPath(original));
    editors_ = 0;
    tabstore::CQoDB& db = document.Store();
    CRecordList& satellites = frame.LeftTop().Satellites();
    // The terrestrial stand-in satellite has no editor: the satellite list leaves it out.
    const int records = satellites.Model().rowCount() +
                        static_cast<int>(db.Size(kProviderTable) + db.Size(kFavoriteTable) +
                                         db.Size(kChannelTable));

    CRecordList& transponders = frame.LeftTop().Transponders();
    int listed = 0;
    // Each satellite in its editor, then its transponders and its channels.
    for (int row = 0; row < satellites.Model().rowCount(); ++row) {
        const QPoint at = RowPoint(satellites, row);
        QTest::mouseClick(satellites.viewport(), Qt::LeftButton, {}, at);
        Update(satellites, at);
        listed += transponders.Model().rowCount();
        UpdateEveryRow(transponders);
        // The grids show the satellite's channels once it is chosen again.
        satellites.clearSelection();
        QTest::mouseClick(satellites.viewport(), Qt::LeftButton, {}, at);
        UpdateEveryRow(frame.Right().TV());
        UpdateEveryRow(frame.Right().Radio());
    }
    // The terrestrial channels, in the multiplex channel editor.
    if (policy::FindPreset(model.toStdString())->Kind().Combination()) {
        auto* tabs = frame.LeftTop().findChild<QTabBar*>("deliveryTabs");
        QVERIFY(tabs);
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
        UpdateEveryRow(frame.Right().TV());
        UpdateEveryRow(frame.Right().Radio());
    }
    UpdateEveryRow(frame.LeftBottom().Providers());
    QTreeWidget& tree = frame.LeftBottom().Tree();
    QTreeWidgetItem* groups = tree.topLevelItem(0);
    QVERIFY(groups);
    tree.expandItem(groups);
    for (int i = 0; i < groups->childCount(); ++i) {
        tree.scrollToItem(groups->child(i));
        const QPoint at = tree.visualItemRect(groups->child(i)).center();
        QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, at);
        OkWhenOpen();
        QTest::mouseDClick(tree.viewport(), Qt::LeftButton, {}, at);
    }

    QCOMPARE(editors_, records + listed);
    QVERIFY(!frame.Context().Undo().CanUndo());
    QVERIFY(!frame.IsModified());
    const QString saved = dir.filePath(QStringLiteral("saved.bin"));
    QVERIFY(frame.SaveTo(saved));
    QVERIFY(ReadAll(saved) == ReadAll(original));
}

void FidelityWindowTest::workbookWithoutTheChannelFileIsReported() {
    CEnglishCounts english; // as the program reads counts in English
    QCoreApplication::installTranslator(&english);
    QTemporaryDir dir;
    const QString channels = WriteBundledSample(dir, QStringLiteral("D"));
    // Opened over the channel file (that it was saved from), a workbook or CSV file names
    // nothing missing; opened alone, all its channels do.
    for (const QString& name : {QStringLiteral("list.xls"), QStringLiteral("list.csv")}) {
        const QString sheet = dir.filePath(name);
        messages_.clear();
        for (const QStringList& files : {QStringList{channels, sheet}, QStringList{sheet}}) {
            document::Document document;
            CMainFrame frame(document);
            for (const QString& file : files)
                QVERIFY(frame.OpenPath(file) && (file != channels || frame.SaveTo(sheet)));
        }
        QCOMPARE(messages_,
                 QStringList{"The satellite, transponder or provider of 27 channels is not in "
                             "this database: open the receiver's channel file first."});
    }
}

void FidelityWindowTest::aChannelGoneWhileItsEditorIsOpenIsTold() {
    QTemporaryDir dir;
    const QString sample = WriteBundledSample(dir, QStringLiteral("D")); // stores model D
    document::Document document;
    CMainFrame frame(document);
    frame.show();
    QVERIFY(frame.OpenPath(sample));
    const std::uint32_t before = document.Store().Size(kChannelTable);
    messages_.clear();
    // Update... on a channel that goes while its editor is open: OK is refused, and said so.
    CChannelGrid& tv = frame.Right().TV();
    const QPoint at = RowPoint(tv, 0);
    QTest::mouseClick(tv.viewport(), Qt::LeftButton, {}, at);
    QCOMPARE(tv.SelectedKeys().size(), std::size_t{1});
    const std::uint32_t gone = tv.SelectedKeys().front();
    RightClick(tv.viewport(), at, [&](QMenu* menu) {
        WhenModal([&](QWidget* editor) {
            document.Store().Delete(kChannelTable, gone);
            QTest::keyClick(editor, Qt::Key_Return);
        });
        menu->setActiveAction(MenuItem(menu, QStringLiteral("Update")));
        QTest::keyClick(menu, Qt::Key_Return);
    });
    QCOMPARE(messages_, QStringList{"The record could not be stored"});
    QCOMPARE(document.Store().Size(kChannelTable), before - 1);
}

void FidelityWindowTest::favouriteNamesShowWhole() {
    QTemporaryDir dir;
    const QString sample = WriteBundledSample(dir, QStringLiteral("default"));
    document::Document document;
    CMainFrame frame(document);
    frame.show();
    QCOMPARE(frame.size(), QSize(1024, 768));
    QVERIFY(frame.OpenPath(sample));
    QTreeWidget& tree = frame.LeftBottom().Tree();
    // Fractional widths: the style elides a text a fraction of a pixel too wide.
    const QFontMetricsF metrics(tree.font());
    QTreeWidgetItem* longest = tree.topLevelItem(0);
    QVERIFY(longest);
    for (QTreeWidgetItemIterator it(&tree); *it != nullptr; ++it)
        if (metrics.horizontalAdvance((*it)->text(0)) > metrics.horizontalAdvance(longest->text(0)))
            longest = *it;
    const qreal width = metrics.horizontalAdvance(longest->text(0));
    const auto textRoom = [&] {
        QApplication::processEvents(); // the layout settles
        // The cell starts past the indentation; the icon and the style's margins come off it.
        const QRect cell = tree.visualItemRect(longest);
        const int margin = tree.style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1;
        return std::min(cell.right() + 1, tree.viewport()->width()) - cell.left() -
               tree.style()->pixelMetric(QStyle::PM_SmallIconSize) - 4 * margin;
    };
    QCOMPARE_LE(width, textRoom());

    // Narrowed by the operator past its names, the tree cuts them and shows them whole on hover.
    qobject_cast<QSplitter*>(frame.centralWidget())->setSizes({160, 864});
    QCOMPARE_GT(width, textRoom());
    const QRect cell = tree.visualItemRect(longest);
    const QPoint at(cell.left() + 1, cell.center().y());
    QHelpEvent hover(QEvent::ToolTip, at, tree.viewport()->mapToGlobal(at));
    QApplication::sendEvent(tree.viewport(), &hover);
    QTRY_COMPARE(QToolTip::text(), longest->text(0));
}

QTEST_MAIN(FidelityWindowTest)
#include "FidelityWindowTest.moc"
