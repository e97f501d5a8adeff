// CMainFrame: the main window. It owns the toolbar and the three panes, carries out the file
// commands through the document, relays the panes' notifications to each other, and keeps
// track of unsaved changes.
#pragma once

#include "CheckCommands.h"
#include "DragCode.h"
#include "EditContext.h"
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
    CCurateCommands& Curate() { return *curate_; }
    CPrintCommands& Prints() { return *prints_; }
    CPaneCycle& PaneKeys() { return *paneKeys_; }

    /// Opens a channel file or workbook as Open does; false when it failed (the operator was told).
    bool OpenPath(const QString& path);
    /// Saves as Save to file does; false when it failed.
    bool SaveTo(const QString& path);
    /// Name of the file the database was opened from or saved to; empty for one received.
    const QString& FileName() const { return fileName_; }
    /// Whether the tables differ from the last open or save.
    bool IsModified() const;
    /// Asks whether to save unsaved changes; false when the operator cancels.
    bool MaybeSave();
    /// After a load replaced every table: a fresh undo history and the name of what was loaded.
    void TablesReplaced(const QString& name);

    void Open();
    void Save();
    void RefreshAll();
    void Receive();
    void Send();
    void About();
    void Configuration();
    void ExportDefaultTable();
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
    void RefreshPanes();
    void ApplyDrop(DragCode targetCode, std::uint32_t key);
    /// After a network record edit: the panes it feeds show the new state.
    void NetworkEdited(editing::ListKind kind, ListEdit edit);
    void TablesChanged();
    void KeepPlace();
    /// After undo or redo: the panes as they were in this state, else refreshed.
    void ReturnToPlace();
    void MarkSaved();
    /// A workbook holds the channel table only: it saves everything only when nothing else
    /// changed since the last full save.
    bool WorkbookHoldsEveryChange() const;
    static QString WorkbookKeepsChannelsOnly();
    void UpdateTitle();
    bool Report(const document::DocResult& result);
    void TitleBarDoubleClick(Qt::KeyboardModifiers modifiers);
    QString AskSaveChannelData();
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
    CCurateCommands* curate_ = nullptr;
    CPrintCommands* prints_ = nullptr;
    CPaneCycle* paneKeys_ = nullptr;
    QSplitter* outer_ = nullptr;
    QSplitter* inner_ = nullptr;
    MainActions actions_;
    std::unique_ptr<CStatusLine> status_;
    DragCode dragSource_ = kDragNone;
    std::uint64_t savedState_ = 0;
    bool unsavedOutsideUndo_ = false;
    QString fileName_;
    /// Where the operator was in each state of the tables undo and redo lead back to.
    std::map<std::uint64_t, PanePlace> places_;
};

} // namespace chanforge::app
