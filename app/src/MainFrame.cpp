#include "MainFrame.h"

#include "ChannelGrid.h"
#include "CurateCommands.h"
#include "LeftBottomView.h"
#include "LeftTopView.h"
#include "MainMenu.h"
#include "PaneCycle.h"
#include "PhraseText.h"
#include "PrintCommands.h"
#include "RightView.h"
#include "WaitCursor.h"
#include "WindowMemory.h"
#include "chanforge/TableAccess.h"
#include "chanforge/editing/FilterText.h"
#include "policy/Policy.h"
#include "policy/Presets.h"
#include "qpui/DlgConfiguration.h"
#include "qpui/MessageBox.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMessageBox>
#include <QMimeData>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QStringList>
#include <QStyle>
#include <QToolBar>

namespace chanforge::app {

using namespace editing;

namespace {

QString BaseTitle(const document::Model& model) {
    const QString title = QString::fromStdString(model.Title());
    if (model.preset == &policy::StartupPreset())
        return title;
    if (model.preset != nullptr)
        return CMainFrame::tr("Chanforge for %1").arg(title);
    return CMainFrame::tr("Chanforge");
}

/// The undo stack keeps the untranslated step names the commands mark with "UndoSteps".
QString UndoStepText(const std::string& label) {
    return QCoreApplication::translate("UndoSteps", label.c_str());
}

} // namespace

CMainFrame::CMainFrame(document::Document& document, QWidget* parent)
    : QMainWindow(parent), document_(document) {
    setObjectName("mainFrame");
    // Every editor and transfer asks the document's model, whatever the settings say after
    // Configuration until the next start.
    context_ = new CEditContext(document, GetGridColumn() == 0, this);
    document_.SetQuestionHandler([this](const std::string& question) {
        return qpui::AskYesNo(this, QCoreApplication::translate("Document", question.c_str()));
    });
    checks_ = new CCheckCommands(*this, document_);
    backups_ = new CBackupCommands(*this, document_);
    files_ = new CFileCommands(*this, document_);
    prints_ = new CPrintCommands(*this);
    actions_ = CreateMainActions(*this);
    BuildToolbar();
    BuildPanes();
    curate_ = new CCurateCommands(*this);
    paneKeys_ = new CPaneCycle(*this, {leftTop_, leftBottom_, right_, &checks_->Dock()});
    BuildMenuBar(*this, actions_);
    status_ = std::make_unique<CStatusLine>(*statusBar());
    ConnectRelay();
    setAcceptDrops(true);
    if (!CWindowMemory::RestoreLayout(*this, *outer_, *inner_)) {
        resize(1024, 768);
        if (const QScreen* screen = QApplication::primaryScreen())
            move(screen->availableGeometry().center() - rect().center());
        // The channel grids take most of the width: the left lists need less.
        outer_->setSizes({380, 644});
        inner_->setSizes({384, 384});
    }
    for (CChannelGrid* grid : {&right_->TV(), &right_->Radio()}) {
        const CWindowMemory::Sort sort = CWindowMemory::GridSort(grid->objectName());
        grid->SetSort(sort.column, sort.descending);
    }
    RefreshPanes();
    UpdateTitle();
}

CMainFrame::~CMainFrame() = default;

void CMainFrame::BuildToolbar() {
    QToolBar* bar = addToolBar(tr("Toolbar"));
    bar->setObjectName("toolbar");
    bar->setMovable(true);
    bar->setIconSize(QSize(16, 16));
    // Where the window manager keeps title-bar clicks to itself, the toolbar takes the gestures.
    bar->installEventFilter(this);
    bar->setToolTip(
        tr("Ctrl + double click: Configuration · Shift + double click: Export C table"));
    bar->addAction(actions_.open);
    bar->addAction(actions_.save);
    bar->addSeparator();
    bar->addAction(actions_.receive);
    bar->addSeparator();
    checks_->AddTo(*bar);
    bar->addSeparator();
    bar->addAction(actions_.refresh);
    bar->addSeparator();
    bar->addAction(actions_.undo);
    bar->addAction(actions_.redo);
    bar->addSeparator();
    bar->addAction(actions_.about);
    actions_.undo->setEnabled(false);
    actions_.redo->setEnabled(false);
}

void CMainFrame::BuildPanes() {
    outer_ = new QSplitter(Qt::Horizontal, this);
    inner_ = new QSplitter(Qt::Vertical, outer_);
    for (QSplitter* splitter : {outer_, inner_}) {
        splitter->setHandleWidth(10);
        splitter->setChildrenCollapsible(false);
    }
    leftTop_ = new CLeftTopView(*context_, inner_);
    leftBottom_ = new CLeftBottomView(*context_, inner_);
    right_ = new CRightView(*context_, outer_);
    right_->StartHint().UseActions(actions_.receive, actions_.open, actions_.guide);
    for (QWidget* pane : {static_cast<QWidget*>(leftTop_), static_cast<QWidget*>(leftBottom_),
                          static_cast<QWidget*>(right_)})
        pane->setMinimumSize(100, 100);
    outer_->setStretchFactor(1, 1); // a wider window widens the channel grids
    setCentralWidget(outer_);
}

void CMainFrame::ConnectRelay() {
    connect(context_, &CEditContext::ModelChanged, this, [this] {
        leftTop_->FollowModel();
        UpdateTitle();
        ShowStatus();
    });
    connect(leftBottom_, &CLeftBottomView::FavoriteChosen, right_, &CRightView::ShowFavorite);
    connect(leftBottom_, &CLeftBottomView::GenreChosen, right_, &CRightView::ShowGenre);
    connect(leftBottom_, &CLeftBottomView::AllChosen, right_, &CRightView::ShowAll);
    connect(leftTop_, &CLeftTopView::SatelliteSelected, this, [this](std::uint32_t key) {
        leftTop_->ShowTransponders(key);
        right_->ShowSatellite(key);
    });
    connect(leftTop_, &CLeftTopView::TransponderSelected, right_, &CRightView::ShowTransponder);
    connect(leftTop_, &CLeftTopView::TerrestrialSelected, right_, &CRightView::ShowTerrestrialMux);
    connect(leftBottom_, &CLeftBottomView::ProviderSelected, right_, &CRightView::ShowProvider);
    connect(right_, &CRightView::ChannelsChanged, right_, &CRightView::RefillBoth);
    // Any channel edit may move channels between providers.
    connect(context_, &CEditContext::Changed, this,
            [this] { leftBottom_->Providers().Model().RefreshTexts(); });
    connect(right_, &CRightView::DragStarted, this, [this](DragCode code) { dragSource_ = code; });
    connect(leftTop_, &CLeftTopView::DragStarted, this,
            [this](DragCode code) { dragSource_ = code; });
    connect(leftBottom_, &CLeftBottomView::DragStarted, this,
            [this](DragCode code) { dragSource_ = code; });
    connect(leftTop_, &CLeftTopView::NetworkEdited, this, &CMainFrame::NetworkEdited);
    connect(leftBottom_, &CLeftBottomView::NetworkEdited, this, &CMainFrame::NetworkEdited);
    connect(leftBottom_, &CLeftBottomView::FavoriteMembersChanged, this, [this] {
        right_->TV().Refill();
        right_->Radio().Refill();
    });
    connect(leftTop_, &CLeftTopView::Dropped, this, &CMainFrame::ApplyDrop);
    connect(leftBottom_, &CLeftBottomView::Dropped, this, &CMainFrame::ApplyDrop);
    connect(right_, &CRightView::Dropped, this, &CMainFrame::ApplyDrop);
    connect(context_, &CEditContext::Changed, this, &CMainFrame::TablesChanged);
    connect(context_, &CEditContext::AboutToEdit, this, &CMainFrame::KeepPlace);
    // Every refill of a grid (a filter chosen, an edit, undo) changes what the status bar says.
    for (CChannelGrid* grid : {&right_->TV(), &right_->Radio()})
        connect(&grid->Model(), &QAbstractItemModel::modelReset, this, &CMainFrame::ShowStatus);
}

void CMainFrame::ApplyDrop(DragCode targetCode, std::uint32_t key) {
    const DragCode source = std::exchange(dragSource_, kDragNone);
    if (CChannelGrid* grid = right_->Grid(source)) {
        const std::size_t count = grid->SelectedKeys().size();
        const std::size_t stayed = grid->ApplyDrop(targetCode, key);
        TellDrop(targetCode, key, count - stayed, stayed);
    }
    if (source == kDragTransponder && targetCode == kDragSatellite) {
        leftTop_->Transponders().Commands()->MoveTransponders(key);
        leftTop_->ShowSatellite(key);
    }
}

void CMainFrame::NetworkEdited(ListKind kind, ListEdit edit) {
    if (edit != ListEdit::Delete || kind == ListKind::Provider) {
        // Channels kept their keys: the grids keep their selection.
        right_->TV().Refill();
        right_->Radio().Refill();
        return;
    }
    // A delete takes channels along and lowers the ids after the deleted one: the grids select
    // nothing, and a deleted satellite's transponders and channels go from view.
    if (kind == ListKind::Satellite) {
        leftTop_->ShowTransponders(0);
        right_->ShowAll(); // the grids' SatID may now name another satellite
    } else {
        right_->RefillBoth({});
    }
}

void CMainFrame::TellDrop(DragCode targetCode, std::uint32_t key, std::size_t moved,
                          std::size_t stayed) {
    tabstore::CQoDB& db = context_->Store();
    const Product product = context_->Product();
    ChannelFilter target;
    // Whole sentences, so a translation can order the words its own way; %n is the count.
    const char* done = QT_TR_N_NOOP("%n channel(s) moved to %1");
    switch (targetCode) {
    case kDragSatellite:
        target = editing::ShowSatellite(db, key);
        break;
    case kDragTransponder:
        target = editing::ShowTransponder(key);
        break;
    case kDragMux:
        target = editing::ShowTerrestrialMux(key);
        break;
    case kDragProvider:
        target = editing::ShowProvider(key, {}, product);
        done = QT_TR_N_NOOP("%n channel(s) given to %1");
        break;
    case kDragFavorite:
        target = editing::ShowFavorite(key, {}, product);
        done = QT_TR_N_NOOP("%n channel(s) added to %1");
        break;
    case kDragGenre:
        target = editing::ShowGenre(key, {}, product);
        done = QT_TR_N_NOOP("%n channel(s) set to %1");
        break;
    default:
        return;
    }
    const QString name = Translated(FilterPhrase(db, target, product));
    QStringList told;
    // Only a drop on a satellite leaves channels behind: it must find them a transponder there.
    // Said first, so a narrow status bar cuts the part the operator can guess.
    if (stayed > 0)
        told << tr("%n channel(s) not moved: %1 has no transponder of the same frequency and "
                   "polarisation",
                   nullptr, static_cast<int>(stayed))
                    .arg(name);
    if (moved > 0)
        told << tr(done, nullptr, static_cast<int>(moved)).arg(name);
    if (!told.isEmpty())
        status_->Tell(told.join(QStringLiteral("; ")));
}

void CMainFrame::ShowStatus() {
    if (status_ == nullptr || right_ == nullptr)
        return;
    tabstore::CQoDB& db = context_->Store();
    const QString shown = Translated(FilterPhrase(db, right_->TV().Filter(), context_->Product()));
    status_->ShowFilter(
        right_->FilterBar().Narrows() ? tr("%1, narrowed by the filter bar").arg(shown) : shown);
    int tv = 0;
    int radio = 0;
    ForEachRow<Channel_Info_Tag>(db, kChannelTable, [&](const Channel_Info_Tag& ch) {
        tv += IsTV(ch) ? 1 : 0;
        radio += IsRadio(ch) ? 1 : 0;
    });
    status_->ShowCounts(right_->TV().Model().rowCount(), tv, right_->Radio().Model().rowCount(),
                        radio);
    const document::Model& model = document_.GetModel();
    status_->ShowDocument(files_->FileName(), model.preset != nullptr
                                                  ? QString::fromStdString(model.Title())
                                                  : tr("Receiver model not set"));
}

void CMainFrame::Shortcuts() {
    QMessageBox box(QMessageBox::Information, tr("Keyboard shortcuts"), ShortcutsText(),
                    QMessageBox::Ok, this);
    box.setStyleSheet(QStringLiteral("QLabel { font-family: monospace; }"));
    box.exec();
}

void CMainFrame::RefreshPanes() {
    leftTop_->Reload();
    leftBottom_->Reload();
    right_->ShowAll();
}

void CMainFrame::TablesChanged() {
    actions_.undo->setEnabled(context_->Undo().CanUndo());
    actions_.redo->setEnabled(context_->Undo().CanRedo());
    actions_.undo->setToolTip(
        tr("Undo %1 (Ctrl+Z)").arg(UndoStepText(context_->Undo().UndoLabel())));
    actions_.redo->setToolTip(
        tr("Redo %1 (Ctrl+Y)").arg(UndoStepText(context_->Undo().RedoLabel())));
    ShowStatus();
    UpdateTitle();
    checks_->TablesChanged();
}

void CMainFrame::ForgetHistory() {
    context_->Undo().Clear();
    context_->Clipboard().Clear();
    places_.clear();
}

void CMainFrame::UpdateTitle() {
    QString title = BaseTitle(document_.GetModel());
    if (!files_->FileName().isEmpty())
        title += QStringLiteral(" - ") + files_->FileName();
    setWindowTitle(title + QStringLiteral("[*]"));
    setWindowModified(files_->IsModified());
}

void CMainFrame::RefreshAll() {
    WaitCursor wait;
    RefreshPanes();
}

void CMainFrame::About() {
    QMessageBox box(this);
    box.setWindowTitle(tr("About Chanforge"));
    box.setIconPixmap(style()->standardIcon(QStyle::SP_ComputerIcon).pixmap(32, 32));
    box.setText(tr("Chanforge Version %1 (build: %2)")
                    .arg(QStringLiteral(CHANFORGE_VERSION), QStringLiteral(CHANFORGE_BUILD_DATE)));
    box.setInformativeText(tr("Channel list editor for digital TV receivers."));
    box.exec();
}

void CMainFrame::Configuration() {
    qpui::CDlgConfiguration dialog(this);
    if (dialog.DoModal() == QDialog::Accepted)
        qpui::ShowInformation(this, tr("You have to restart this program now."));
}

void CMainFrame::KeepPlace() {
    constexpr std::size_t kPlacesKept = 600; // beyond what the undo stack holds
    places_[context_->Undo().StateId()] = CapturePlace({*leftTop_, *leftBottom_, *right_});
    if (places_.size() > kPlacesKept)
        places_.erase(places_.begin());
}

void CMainFrame::ReturnToPlace() {
    const auto place = places_.find(context_->Undo().StateId());
    if (place == places_.end())
        RefreshPanes();
    else
        RestorePlace({*leftTop_, *leftBottom_, *right_}, place->second);
}

void CMainFrame::Undo() {
    KeepPlace();
    if (!context_->Undo().Undo(context_->Store()))
        return;
    // Undo may give rows other keys: copied keys would name other channels.
    context_->Clipboard().Clear();
    TablesChanged();
    ReturnToPlace();
}

void CMainFrame::Redo() {
    KeepPlace();
    if (!context_->Undo().Redo(context_->Store()))
        return;
    context_->Clipboard().Clear();
    TablesChanged();
    ReturnToPlace();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (!files_->MaybeSave()) {
        event->ignore();
        return;
    }
    CWindowMemory::SaveLayout(*this, *outer_, *inner_);
    for (CChannelGrid* grid : {&right_->TV(), &right_->Radio()})
        CWindowMemory::SetGridSort(grid->objectName(),
                                   {grid->SortColumn(), grid->SortDescending()});
    event->accept();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty() || !urls.front().isLocalFile())
        return;
    event->acceptProposedAction();
    files_->OpenChosen(urls.front().toLocalFile());
}

void CMainFrame::TitleBarDoubleClick(Qt::KeyboardModifiers modifiers) {
    if ((modifiers & Qt::ControlModifier) != 0)
        Configuration();
    else if ((modifiers & Qt::ShiftModifier) != 0)
        files_->ExportDefaultTable();
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick) {
        const Qt::KeyboardModifiers modifiers = QApplication::keyboardModifiers();
        if ((modifiers & (Qt::ControlModifier | Qt::ShiftModifier)) != 0) {
            TitleBarDoubleClick(modifiers);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

bool CMainFrame::event(QEvent* event) {
    if (event->type() == QEvent::NonClientAreaMouseButtonDblClick) {
        const Qt::KeyboardModifiers modifiers = QApplication::keyboardModifiers();
        if ((modifiers & (Qt::ControlModifier | Qt::ShiftModifier)) != 0) {
            TitleBarDoubleClick(modifiers);
            return true;
        }
    }
    return QMainWindow::event(event);
}

} // namespace chanforge::app
