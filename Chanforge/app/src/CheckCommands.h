// CCheckCommands: the window's checked path to the receiver. Check lists findings in the
// findings panel and runs their fixes as undo steps; before Save and Send the tables are
// checked, before Send the changes against the receiver's last image are shown; every image
// received or sent is kept, "Restore…" opens a kept one, and a send can be verified by
// receiving the image back. The main window only calls the hooks.
#pragma once

#include "FindingsDock.h"

#include "chanforge/check/Backups.h"
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

/// Settings value that switches the read-back after a send on (1, the default) or off.
inline constexpr const char* kVerifySettingName = "Verify After Send";

class CCheckCommands : public QObject {
    Q_OBJECT
  public:
    CCheckCommands(CMainFrame& frame, document::Document& document);

    QAction* CheckAction() const { return check_; }
    QAction* CompareAction() const { return compare_; }
    QAction* RestoreAction() const { return restore_; }
    QAction* VerifyAction() const { return verify_; }
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
    /// Keeps the image just received (the work file).
    void AfterReceive();
    /// After the send dialog: keeps the image sent and, when the setting asks for it, receives
    /// it back and reports "Verified" or the differences.
    void AfterSend(bool sent);
    /// Re-checks while the panel is shown, so its findings name the rows of the tables as they are.
    void TablesChanged();

    void CompareWithFile();
    void Restore();

  private:
    void ApplyFix(check::Fix fix, const RowList& rows);
    /// Lists the findings; the first time, the panel opens low, so the grids keep their rows.
    void ShowFindings(const check::Findings& findings);
    /// Asks which provider the channels of provider missing go to; 0 for none.
    std::optional<std::uint16_t> ChooseProvider(std::uint16_t missing);
    void SelectRecords(TableId table, const RowList& rows);
    void Keep(const std::string& path, check::BackupKind kind);
    /// Says which damaged backups the comparison before a send passed over; empty for none.
    static QString SkippedBackupNote(const check::IntactBackup& last);
    /// This model's backups first, then the others, which open only as their own model.
    std::vector<check::BackupEntry> BackupsToOffer() const;
    void Verify();
    /// A warning after a send the receiver did not store as sent, with Restore offered.
    void OfferRestore(const QString& warning);
    void ShowChanges(const QString& title, const QString& intro, const check::Changes& changes);
    QString RecordName(TableId table, std::uint32_t row);

    CMainFrame& frame_;
    document::Document& document_;
    check::BackupStore backups_;
    CFindingsDock* dock_ = nullptr;
    QAction* check_ = nullptr;
    QAction* compare_ = nullptr;
    QAction* restore_ = nullptr;
    QAction* verify_ = nullptr;
    bool dockShown_ = false;
};

} // namespace chanforge::app
