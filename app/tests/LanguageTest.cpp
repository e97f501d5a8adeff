// The window in the operator's language. A translator that marks every text it is asked for
// shows which texts never pass the catalogue: the walk opens every menu item's dialog and
// message. Each language loads with Qt's own translations, and in each no text is cut at
// 1024×768 and no two items of a menu or dialog share an Alt key.
#include "GuideWindow.h"
#include "Languages.h"
#include "LeftBottomView.h"
#include "MainFrame.h"
#include "PhraseText.h"
#include "SampleData.h"
#include "WindowDriver.h"
#include "WindowFixture.h"

#include "qpui/MessageBox.h"
#include "utils/Phrase.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QGroupBox>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTranslator>
#include <QtTest>

#include <functional>
#include <memory>

using namespace chanforge;
using namespace chanforge::app;

namespace {

constexpr QChar kMark(0x2039); ///< opens every text the marking translator hands out

class MarkingTranslator : public QTranslator {
  public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override {
        return source == nullptr || *source == 0 ? QString() : kMark + QString::fromUtf8(source);
    }
};

struct Shown {
    QString where;
    QString text;
};

bool NeedsTranslation(const QString& text) {
    // Numbers, ids and symbols are the same in every language.
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
}

/// The texts a widget shows of its own: captions, labels, titles, headers, tips.
void TextsOf(QWidget* w, QList<Shown>& out) {
    const QString where =
        QString::fromLatin1(w->metaObject()->className()) + QLatin1Char(' ') + w->objectName();
    const auto add = [&](const QString& text) { out.push_back({where, text}); };
    if (w->isWindow())
        add(w->windowTitle());
    add(w->toolTip());
    if (auto* label = qobject_cast<QLabel*>(w))
        add(label->text());
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        add(button->text());
    if (auto* group = qobject_cast<QGroupBox*>(w))
        add(group->title());
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        add(edit->placeholderText());
    if (auto* tabs = qobject_cast<QTabBar*>(w))
        for (int i = 0; i < tabs->count(); ++i)
            add(tabs->tabText(i));
    // Text pages (the description's), each line, the hidden tabs' too.
    if (auto* tabs = qobject_cast<QTabWidget*>(w))
        for (int i = 0; i < tabs->count(); ++i)
            if (auto* page = qobject_cast<QPlainTextEdit*>(tabs->widget(i)))
                for (const QString& line : page->toPlainText().split(QLatin1Char('\n')))
                    add(line);
    if (auto* bar = qobject_cast<QStatusBar*>(w))
        add(bar->currentMessage());
    if (auto* view = qobject_cast<QAbstractItemView*>(w); view != nullptr && view->model()) {
        auto* header = view->findChild<QHeaderView*>();
        for (int c = 0;
             header != nullptr && header->isVisible() && c < view->model()->columnCount(); ++c)
            if (!header->isSectionHidden(c))
                add(view->model()->headerData(c, Qt::Horizontal).toString());
    }
}

void MenuTexts(QMenu* menu, QList<Shown>& out);

void VisibleTexts(QWidget* root, QList<Shown>& out) {
    TextsOf(root, out);
    for (QWidget* w : root->findChildren<QWidget*>())
        // The open file's name and model are data.
        if (w->isVisible() && !w->isWindow() && w->objectName() != QLatin1String("statusDocument"))
            TextsOf(w, out);
    if (auto* menu = qobject_cast<QMenu*>(root))
        MenuTexts(menu, out);
}

/// Items that show data (files, favourite groups) or a language's own name, which no
/// catalogue translates.
bool ShowsData(const QAction* a) {
    const QObject* menu = a->parent();
    return a->objectName().startsWith(QLatin1String("language-")) ||
           (menu != nullptr && menu->objectName() == QLatin1String("recentMenu")) ||
           a->text().startsWith(QLatin1String("Favorite "));
}

void MenuTexts(QMenu* menu, QList<Shown>& out) {
    emit menu->aboutToShow(); // menus filled when opened
    out.push_back({QStringLiteral("menu"), menu->title()});
    for (QAction* a : menu->actions()) {
        if (a->isSeparator() || ShowsData(a))
            continue;
        out.push_back({QStringLiteral("menu ") + menu->title(), a->text()});
        out.push_back({QStringLiteral("status tip ") + a->text(), a->statusTip()});
        if (a->menu() != nullptr)
            MenuTexts(a->menu(), out);
    }
}

/// Every enabled item of the menu bar but Quit, depth first.
QList<QAction*> Items(QMenuBar* bar) {
    QList<QAction*> items;
    const QKeySequence quit(Qt::CTRL | Qt::Key_Q);
    std::function<void(QMenu*)> walk = [&](QMenu* menu) {
        emit menu->aboutToShow();
        for (QAction* a : menu->actions())
            if (a->menu() != nullptr)
                walk(a->menu());
            else if (!a->isSeparator() && a->isEnabled() && a->shortcut() != quit)
                items << a;
    };
    for (QAction* top : bar->actions())
        walk(top->menu());
    return items;
}

/// Triggers each item; every dialog or message box it opens, and any opened from there, is
/// handed to `seen` and then cancelled.
void WalkItems(QMenuBar* bar, const std::function<void(QWidget*)>& seen) {
    QTimer closer;
    QList<QWidget*> handled;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activePopupWidget();
        if (modal == nullptr)
            modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible() || handled.contains(modal))
            return;
        handled << modal;
        seen(modal);
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
    });
    closer.start(10);
    // Each list's description (Enter) and context menu.
    QWidget* frame = bar->window();
    for (QAbstractItemView* view : frame->findChildren<QAbstractItemView*>()) {
        if (!view->isVisible() || view->model() == nullptr || view->model()->rowCount() == 0)
            continue;
        handled.clear();
        view->setCurrentIndex(view->model()->index(0, 0));
        view->setFocus();
        QTest::keyClick(view, Qt::Key_Return);
        const QPoint at = view->visualRect(view->currentIndex()).center();
        QContextMenuEvent menu(QContextMenuEvent::Keyboard, at, view->viewport()->mapToGlobal(at));
        QCoreApplication::sendEvent(view->viewport(), &menu);
        QCoreApplication::processEvents();
    }
    for (QAction* item : Items(bar)) {
        handled.clear();
        item->trigger();
        QCoreApplication::processEvents();
        // Windows of their own (the guide) are looked at like dialogs.
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->isVisible() && qobject_cast<QDialog*>(top) != nullptr &&
                !handled.contains(top)) {
                handled << top;
                seen(top);
                top->close();
            }
    }
}

/// Captions a layout cuts: a caption narrower than its text needs.
QStringList CutTexts(QWidget* window) {
    QStringList cut;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisible())
            continue;
        const auto* label = qobject_cast<QLabel*>(w);
        const auto* button = qobject_cast<QAbstractButton*>(w);
        const bool caption = (label != nullptr && !label->wordWrap() && label->pixmap().isNull() &&
                              !label->text().isEmpty()) ||
                             (button != nullptr && !button->text().isEmpty());
        if (caption && w->width() < w->sizeHint().width())
            cut << QStringLiteral("%1 \"%2\" is cut: %3 of %4 px")
                       .arg(QString::fromLatin1(w->metaObject()->className()),
                            label != nullptr ? label->text() : button->text())
                       .arg(w->width())
                       .arg(w->sizeHint().width());
    }
    if (window->width() > 1024 || window->height() > 768)
        cut << QStringLiteral("\"%1\" is %2×%3, larger than the screen")
                   .arg(window->windowTitle())
                   .arg(window->width())
                   .arg(window->height());
    return cut;
}

/// The letter after a single '&', lower case; none for a caption without one.
QChar Accelerator(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&'))
            continue;
        if (caption[i + 1] != QLatin1Char('&'))
            return caption[i + 1].toLower();
        ++i; // "&&" is a literal ampersand
    }
    return {};
}

/// Captions of one menu or window that answer to the same Alt key.
QStringList SharedAccelerators(const QString& where, const QStringList& captions) {
    QHash<QChar, QString> taken;
    QStringList clashes;
    for (const QString& caption : captions) {
        const QChar key = Accelerator(caption);
        if (key.isNull())
            continue;
        if (const auto first = taken.constFind(key); first != taken.cend())
            clashes << QStringLiteral("%1: \"%2\" and \"%3\" share Alt+%4")
                           .arg(where, *first, caption, QString(key));
        else
            taken.insert(key, caption);
    }
    return clashes;
}

/// The captions a window answers Alt keys for: its buttons, tabs, group boxes and labels.
QStringList WindowCaptions(QWidget* window) {
    QStringList captions;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisible() || w->window() != window)
            continue;
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            captions << button->text();
        else if (auto* label = qobject_cast<QLabel*>(w); label != nullptr && label->buddy())
            captions << label->text();
        else if (auto* group = qobject_cast<QGroupBox*>(w))
            captions << group->title();
        else if (auto* tabs = qobject_cast<QTabBar*>(w))
            for (int i = 0; i < tabs->count(); ++i)
                captions << tabs->tabText(i);
    }
    return captions;
}

/// Each menu of the bar opens, fits the screen, and gives each Alt key to one item.
QStringList MenuFaults(QMenuBar* bar) {
    QStringList faults;
    QStringList titles;
    std::function<void(QMenu*)> look = [&](QMenu* menu) {
        emit menu->aboutToShow();
        QStringList items;
        for (QAction* a : menu->actions()) {
            if (a->isSeparator() || !a->isVisible())
                continue;
            items << a->text();
            if (a->menu() != nullptr)
                look(a->menu());
        }
        faults << SharedAccelerators(QStringLiteral("menu ") + menu->title(), items);
        menu->popup(bar->mapToGlobal(QPoint()));
        if (!menu->isVisible())
            faults << QStringLiteral("menu %1 does not open").arg(menu->title());
        else if (menu->width() > 1024)
            faults << QStringLiteral("menu %1 is %2 px wide").arg(menu->title()).arg(menu->width());
        menu->hide();
    };
    for (QAction* top : bar->actions()) {
        titles << top->text();
        look(top->menu());
    }
    faults << SharedAccelerators(QStringLiteral("menu bar"), titles);
    return faults;
}

} // namespace

class LanguageTest : public test::WindowFixture {
    Q_OBJECT
  public:
    LanguageTest() : WindowFixture(QMessageBox::No) {}

  private slots:
    void cleanup();
    void everyShownTextPassesTheCatalogue();
    void genresAndMultiplexesPassTheCatalogue();
    void eachLanguageReadsRight_data();
    void eachLanguageReadsRight();
    void textsAreWholeAndKeysUnique_data();
    void textsAreWholeAndKeysUnique();
    void f1OpensTheGuideAtTheDialogsSection();

  private:
    std::unique_ptr<CMainFrame> Open();
    void RemoveTranslators();
};

void LanguageTest::cleanup() {
    RemoveTranslators();
    ChooseLanguage({});
    messages_.clear();
}

void LanguageTest::RemoveTranslators() {
    for (QTranslator* t : QCoreApplication::instance()->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(t);
        delete t;
    }
    QLocale::setDefault(QLocale(QLocale::English));
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
}

std::unique_ptr<CMainFrame> LanguageTest::Open() {
    auto frame = OpenSample("E", 40);
    if (frame)
        frame->resize(1024, 768);
    return frame;
}

void LanguageTest::everyShownTextPassesTheCatalogue() {
    auto* marker = new MarkingTranslator; // removed by cleanup()
    marker->setParent(QCoreApplication::instance());
    QCoreApplication::installTranslator(marker);
    auto frame = Open();
    QVERIFY(frame);
    QList<Shown> shown;
    VisibleTexts(frame.get(), shown);
    for (QAction* top : frame->menuBar()->actions())
        MenuTexts(top->menu(), shown);
    WalkItems(frame->menuBar(), [&](QWidget* window) { VisibleTexts(window, shown); });
    VisibleTexts(frame.get(), shown); // the findings pane, the status bar after the commands
    for (const QString& message : messages_)
        shown.push_back({QStringLiteral("message"), message});
    QStringList untranslated;
    for (const Shown& s : shown)
        if (NeedsTranslation(s.text) && !s.text.contains(kMark))
            untranslated << s.where + QStringLiteral(": ") + s.text;
    untranslated.removeDuplicates();
    QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(QLatin1Char('\n'))));
}

void LanguageTest::genresAndMultiplexesPassTheCatalogue() {
    auto* marker = new MarkingTranslator; // removed by cleanup()
    marker->setParent(QCoreApplication::instance());
    QCoreApplication::installTranslator(marker);
    auto frame = Open();
    QVERIFY(frame);
    // The status bar names a chosen genre as the tree does.
    CFAVTreeCtrl& tree = frame->LeftBottom().Tree();
    QTreeWidgetItem* genre = tree.topLevelItem(tree.topLevelItemCount() - 1)->child(1);
    tree.expandItem(genre->parent());
    tree.scrollToItem(genre);
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, tree.visualItemRect(genre).center());
    const auto* status = frame->findChild<QLabel*>(QStringLiteral("statusFilter"));
    QVERIFY2(status->text().contains(genre->text(0)), qPrintable(status->text()));
    // The terrestrial side's carriers are all multiplexes, each said in the language.
    auto* satellite = frame->findChild<QComboBox*>(QStringLiteral("filterSatellite"));
    QVERIFY(satellite->findData(1) > 0);
    satellite->setCurrentIndex(satellite->findData(1));
    const auto* carrier = frame->findChild<QComboBox*>(QStringLiteral("filterCarrier"));
    QVERIFY(carrier->count() > 1);
    for (int i = 0; i < carrier->count(); ++i)
        QVERIFY2(carrier->itemText(i).startsWith(kMark), qPrintable(carrier->itemText(i)));
}

void LanguageTest::eachLanguageReadsRight_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("menus");
    QTest::addColumn<QString>("cancel");      ///< Qt's own catalogue
    QTest::addColumn<QStringList>("deleted"); ///< for 1, 2 and 5 duplicates
    QTest::addColumn<QString>("finding");     ///< a library's counted phrase, for 1
    QTest::newRow("en") << "en"
                        << QStringList{"File", "Edit", "Records", "Receiver", "View", "Help"}
                        << "Cancel"
                        << QStringList{"1 duplicate channel deleted",
                                       "2 duplicate channels deleted",
                                       "5 duplicate channels deleted"}
                        << "Favourite group 33 holds 1 channel, past the 32 groups the receiver "
                           "keeps";
    QTest::newRow("de") << "de" << QStringList{"Datei",    "Bearbeiten", "Einträge",
                                               "Receiver", "Ansicht",    "Hilfe"}
                        << "Abbrechen"
                        << QStringList{"1 doppelter Sender gelöscht", "2 doppelte Sender gelöscht",
                                       "5 doppelte Sender gelöscht"}
                        << "Favoritenliste 33 enthält 1 Sender, jenseits der 32 Listen, die der "
                           "Receiver speichert";
    QTest::newRow("it") << "it" << QStringList{"File",       "Modifica",   "Record",
                                               "Ricevitore", "Visualizza", "Aiuto"}
                        << "Annulla"
                        << QStringList{"1 canale doppio eliminato", "2 canali doppi eliminati",
                                       "5 canali doppi eliminati"}
                        << "Il gruppo preferiti 33 contiene 1 canale, oltre i 32 gruppi che il "
                           "ricevitore conserva";
    // Three forms of a counted text, and six in Arabic, whose window reads from the right.
    QTest::newRow("pl") << "pl"
                        << QStringList{"Plik", "Edycja", "Wpisy", "Odbiornik", "Widok", "Pomoc"}
                        << "Anuluj"
                        << QStringList{"Usunięto 1 zdublowany kanał",
                                       "Usunięto 2 zdublowane kanały",
                                       "Usunięto 5 zdublowanych kanałów"}
                        << "Grupa ulubionych 33 zawiera 1 kanał i wykracza poza liczbę grup, które "
                           "zapamiętuje odbiornik (32)";
    QTest::newRow("ru")
        << "ru" << QStringList{"Файл", "Правка", "Записи", "Ресивер", "Вид", "Справка"} << "Отмена"
        << QStringList{"Удалён 1 дубликат канала", "Удалено 2 дубликата каналов",
                       "Удалено 5 дубликатов каналов"}
        << "Группа избранного 33 содержит 1 канал и выходит за число групп, которые "
           "хранит ресивер (32)";
    QTest::newRow("ar")
        << "ar" << QStringList{"ملف", "تحرير", "سجلات", "جهاز الاستقبال", "عرض", "مساعدة"} << "ألغِ"
        << QStringList{"حُذفت 1 قناة مكررة", "حُذفت 2 قناتان مكررة", "حُذفت 5 قنوات مكررة"}
        << "مجموعة المفضلة 33 تضم 1 قناة، وتقع خارج المجموعات الـ 32 التي يحفظها جهاز "
           "الاستقبال";
}

void LanguageTest::eachLanguageReadsRight() {
    QFETCH(QString, language);
    QFETCH(QStringList, menus);
    QFETCH(QString, cancel);
    QFETCH(QStringList, deleted);
    QFETCH(QString, finding);
    ChooseLanguage(language);
    QCOMPARE(InstallTranslators(*QCoreApplication::instance()).name().left(2), language);
    auto frame = Open();
    QVERIFY(frame);
    QStringList titles;
    for (QAction* top : frame->menuBar()->actions())
        titles << top->text().remove(QLatin1Char('&'));
    for (const QString& menu : menus)
        QVERIFY2(titles.contains(menu), qPrintable(titles.join(QLatin1Char(' '))));
    QDialogButtonBox box(QDialogButtonBox::Cancel);
    QCOMPARE(box.button(QDialogButtonBox::Cancel)->text(), cancel);
    const int counts[] = {1, 2, 5};
    for (int i = 0; i < 3; ++i)
        QCOMPARE(QCoreApplication::translate("chanforge::app::CCurateCommands",
                                             "%n duplicate channel(s) deleted", nullptr, counts[i]),
                 deleted[i]);
    const utils::Phrase phrase = utils::Phrase::Counted(
        "Check", "Favourite group %1 holds %n channel(s), past the %2 groups the receiver keeps", 1,
        {utils::Phrase::Number(33), utils::Phrase::Number(32)});
    QCOMPARE(Translated(phrase), finding);
}

void LanguageTest::textsAreWholeAndKeysUnique_data() {
    QTest::addColumn<QString>("language");
    for (const Language& language : Languages())
        if (*language.code != 0)
            QTest::newRow(language.code) << QString::fromLatin1(language.code);
}

/// In every language the window starts in, each menu opens, no caption of the window, a menu,
/// a dialog or a message is cut at 1024×768, and no two items of a menu or a dialog answer to
/// one Alt key.
void LanguageTest::textsAreWholeAndKeysUnique() {
    QFETCH(QString, language);
    ChooseLanguage(language);
    QCOMPARE(InstallTranslators(*QCoreApplication::instance()).name().left(2), language);
    QStringList faults;
    const auto look = [&](QWidget* window) {
        QTest::qWait(20); // laid out
        faults << CutTexts(window);
        faults << SharedAccelerators(QStringLiteral("window ") + window->windowTitle(),
                                     WindowCaptions(window));
    };
    {
        document_ = std::make_unique<document::Document>();
        CMainFrame empty(*document_); // how to start
        empty.resize(1024, 768);
        empty.show();
        look(&empty);
    }
    auto frame = Open();
    QVERIFY(frame);
    QCOMPARE(frame->layoutDirection(), QLocale(language).textDirection());
    look(frame.get());
    faults << MenuFaults(frame->menuBar());
    WalkItems(frame->menuBar(), look);
    look(frame.get());
    faults.removeDuplicates();
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

void LanguageTest::f1OpensTheGuideAtTheDialogsSection() {
    auto frame = Open();
    QVERIFY(frame);
    CGuideKey key(*qApp);
    QString section;
    QTimer::singleShot(0, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        QTest::keyClick(dialog, Qt::Key_F1);
        auto* guide = dialog->findChild<CGuideWindow*>();
        if (guide != nullptr && guide->isVisible())
            section = GuideSectionFor(dialog);
        QMetaObject::invokeMethod(dialog, "reject");
    });
    for (QAction* item : Items(frame->menuBar()))
        if (item->text().remove(QLatin1Char('&')).startsWith(QLatin1String("Configuration")))
            item->trigger();
    QCOMPARE(section, QStringLiteral("model"));
}

QTEST_MAIN(LanguageTest)
#include "LanguageTest.moc"
