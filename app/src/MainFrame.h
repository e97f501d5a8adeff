// CMainFrame: the main window. It owns the toolbar and the three panes, wires the actions to
// the command classes (files, checks, lists, printing) and relays the panes' notifications to
// each other.
#pragma once

#include "BackupCommands.h"
#include "CheckCommands.h"
#include "DragCode.h"
#include "EditContext.h"
#include "FileCommands.h"
#include "ListCommands.h"
#include "MainActions.h"
#include "PanePlace.h"
#include "StatusLine.h"

#include <QMainWindow>

#include <map>
#include <memory>

class QAction;
class QSplitter;

namespace chanforge::app {

class CLeftTopView;
class CLeftBottomView;
class CRightView;
class CCurateCommands;
class CPrintCommands;
class CPaneCycle;

class CMainFrame : public QMainWindow {
    Q_OBJECT
  public:
    explicit CMainFrame(document::Document& document, QWidget* parent = nullptr);
    ~CMainFrame() override;

    CEditContext& Context() { return *context_; }
    CLeftTopView& LeftTop() { return *leftTop_; }
    CLeftBottomView& LeftBottom() { return *leftBottom_; }
    CRightView& Right() { return *right_; }
    CCheckCommands& Checks() { return *checks_; }
    CBackupCommands& Backups() { return *backups_; }
    CFileCommands& Files() { return *files_; }
    CCurateCommands& Curate() { return *curate_; }
    CPrintCommands& Prints() { return *prints_; }
    CPaneCycle& PaneKeys() { return *paneKeys_; }

    CStatusLine& Status() { return *status_; }

    // The file commands, as the menus, tests and the other commands name them.
    bool OpenPath(const QString& path) { return files_->OpenPath(path); }
    bool SaveTo(const QString& path) { return files_->SaveTo(path); }
    const QString& FileName() const { return files_->FileName(); }
    bool IsModified() const { return files_->IsModified(); }
    bool MaybeSave() { return files_->MaybeSave(); }
    void TablesReplaced(const QString& name) { files_->TablesReplaced(name); }
    void Receive() { files_->Receive(); }
    void Send() { files_->Send(); }

    /// The panes show the tables anew.
    void RefreshPanes();
    /// After the tables changed: actions, status bar, title and findings follow.
    void TablesChanged();
    /// After a load replaced every table: no undo history, clipboard or kept places remain.
    void ForgetHistory();

    void RefreshAll();
    void About();
    void Configuration();
    void Undo();
    void Redo();
    void Shortcuts();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildToolbar();
    void BuildPanes();
    void ConnectRelay();
    void ApplyDrop(DragCode targetCode, std::uint32_t key);
    /// After a network record edit: the panes it feeds show the new state.
    void NetworkEdited(editing::ListKind kind, ListEdit edit);
    void KeepPlace();
    /// After undo or redo: the panes as they were in this state, else refreshed.
    void ReturnToPlace();
    void UpdateTitle();
    void TitleBarDoubleClick(Qt::KeyboardModifiers modifiers);
    /// The status bar: the filter in words, the channels shown, the file and the model.
    void ShowStatus();
    /// Says in the status bar what a drop did: moved channels went, stayed ones could not.
    void TellDrop(DragCode targetCode, std::uint32_t key, std::size_t moved, std::size_t stayed);

    document::Document& document_;
    CEditContext* context_ = nullptr;
    CLeftTopView* leftTop_ = nullptr;
    CLeftBottomView* leftBottom_ = nullptr;
    CRightView* right_ = nullptr;
    CCheckCommands* checks_ = nullptr;
    CBackupCommands* backups_ = nullptr;
    CFileCommands* files_ = nullptr;
    CCurateCommands* curate_ = nullptr;
    CPrintCommands* prints_ = nullptr;
    CPaneCycle* paneKeys_ = nullptr;
    QSplitter* outer_ = nullptr;
    QSplitter* inner_ = nullptr;
    MainActions actions_;
    std::unique_ptr<CStatusLine> status_;
    DragCode dragSource_ = kDragNone;
    /// Where the operator was in each state of the tables undo and redo lead back to.
    std::map<std::uint64_t, PanePlace> places_;
};

} // namespace chanforge::app
