// CCheckCommands: the window's findings. Check lists them in the findings panel and runs their
// fixes as undo steps; before Save and Send the tables are checked (the changes against the
// receiver's last image are the backups' part); Compare with file lists what changes from a
// channel file. The main window only calls the hooks.
#pragma once

#include "FindingsDock.h"

#include "chanforge/check/Diff.h"
#include "chanforge/check/Findings.h"

#include <QObject>

#include <optional>
#include <span>
#include <string>

class QAction;
class QToolBar;

namespace chanforge::document {
class Document;
}

namespace chanforge::app {

class CMainFrame;

class CCheckCommands : public QObject {
    Q_OBJECT
  public:
    CCheckCommands(CMainFrame& frame, document::Document& document);

    QAction* CheckAction() const { return check_; }
    QAction* CompareAction() const { return compare_; }
    CFindingsDock& Dock() const { return *dock_; }
    /// Puts Check and Restore on the toolbar.
    void AddTo(QToolBar& bar);

    /// Check: lists every finding in the panel; what it found.
    check::Findings Check();
    /// Lists the findings when there are any; the save goes on either way.
    void BeforeSave();
    /// Checks, asks "Send anyway?" when there are errors, and shows what the send will change
    /// against the receiver's last image. False when the operator stops the send.
    bool BeforeSend();
    /// Re-checks while the panel is shown, so its findings name the rows of the tables as they are.
    void TablesChanged();

    void CompareWithFile();

  private:
    void ApplyFix(check::Fix fix, const RowList& rows);
    /// Lists the findings; the first time, the panel opens low, so the grids keep their rows.
    void ShowFindings(const check::Findings& findings);
    /// Asks which provider the channels of provider missing go to; 0 for none.
    std::optional<std::uint16_t> ChooseProvider(std::uint16_t missing);
    void SelectRecords(TableId table, const RowList& rows);
    QString RecordName(TableId table, std::uint32_t row);

    CMainFrame& frame_;
    document::Document& document_;
    CFindingsDock* dock_ = nullptr;
    QAction* check_ = nullptr;
    QAction* compare_ = nullptr;
    bool dockShown_ = false;
};

} // namespace chanforge::app
