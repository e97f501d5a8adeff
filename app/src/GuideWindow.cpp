#include "GuideWindow.h"

#include "Languages.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLocale>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace chanforge::app {

namespace {

struct Section {
    const char* windowClass; ///< the class or a base class of the window
    const char* anchor;
};

// Most specific classes first: the search stops at the first class the window inherits.
constexpr Section kSections[] = {
    {"qpui::CDlgConfiguration", "model"},
    {"qpui::CDlgRecvDataFromSTB", "receive"},
    {"qpui::CDlgSendDataToSTB", "send"},
    {"chanforge::app::CChangesDialog", "send"},
    {"chanforge::app::CFleetDialog", "several"},
    {"chanforge::app::CBackupsDialog", "backups"},
    {"qpui::CChannelEditorBase", "edit"},
    {"qpui::CDlgDescription", "edit"},
    {"qpui::CDlgProviderName", "network"},
    {"qpui::CDlgSearchName", "edit"},
    {"qpui::CSatelliteEditor", "network"},
    {"qpui::CDlgTPAddUpdate", "network"},
    {"qpui::CDlgCableMuxAddUpdate", "network"},
    {"chanforge::app::CReferenceDialog", "reference"},
    {"chanforge::app::CMergeDialog", "merge"},
    {"chanforge::app::CTransponderUpdateDialog", "transponders"},
    {"chanforge::app::CDuplicatesDialog", "curate"},
    {"chanforge::app::CRenameDialog", "curate"},
    {"chanforge::app::CSortKeysDialog", "curate"},
    {"chanforge::app::CUnusedDialog", "curate"},
    {"chanforge::app::CListOptionsDialog", "print"},
    {"QPrintPreviewDialog", "print"},
};

QString GuideFolder() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/../share/chanforge/guide/");
}

} // namespace

QString GuideFile() {
    const QString language = QLocale().name().section(QLatin1Char('_'), 0, 0);
    for (const QString& folder : {language, QStringLiteral("en")}) {
        const QFileInfo file(GuideFolder() + folder + QStringLiteral("/index.html"));
        if (file.isFile())
            return file.canonicalFilePath();
    }
    return {};
}

QString GuideSectionFor(const QWidget* window) {
    if (window != nullptr)
        for (const Section& s : kSections)
            if (window->inherits(s.windowClass))
                return QString::fromLatin1(s.anchor);
    return {};
}

CGuideWindow::CGuideWindow(QWidget* parent) : QDialog(parent, Qt::Window) {
    setObjectName(QStringLiteral("guideWindow"));
    setWindowTitle(tr("Chanforge Guide"));
    auto* layout = new QVBoxLayout(this);
    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("guide"));
    browser_->setOpenLinks(true);
    browser_->setOpenExternalLinks(false);
    layout->addWidget(browser_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    layout->addWidget(buttons);
    const QString file = GuideFile();
    if (file.isEmpty())
        browser_->setPlainText(tr("The guide is not installed beside the program."));
    else
        browser_->setSource(QUrl::fromLocalFile(file));
    resize(760, 620);
}

void CGuideWindow::ShowSection(const QString& anchor) {
    if (anchor.isEmpty())
        browser_->scrollToAnchor(QStringLiteral("start"));
    else
        browser_->scrollToAnchor(anchor);
}

void OpenGuideFor(QWidget* window) {
    // A child of the dialog it explains: a modal dialog blocks every other window.
    QWidget* owner = window != nullptr ? window->window() : nullptr;
    auto* guide = owner != nullptr
                      ? owner->findChild<CGuideWindow*>(QString(), Qt::FindDirectChildrenOnly)
                      : nullptr;
    if (guide == nullptr) {
        guide = new CGuideWindow(owner);
        guide->setAttribute(Qt::WA_DeleteOnClose);
    }
    guide->show();
    guide->raise();
    guide->activateWindow();
    guide->ShowSection(GuideSectionFor(owner));
}

CGuideKey::CGuideKey(QApplication& app) : QObject(&app) {
    app.installEventFilter(this);
}

bool CGuideKey::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier)
        return false;
    // The key goes to the focus widget of the window the operator works in.
    QWidget* window = static_cast<QWidget*>(watched)->window();
    if (qobject_cast<CGuideWindow*>(window) != nullptr)
        return false;
    OpenGuideFor(window);
    return true;
}

} // namespace chanforge::app
