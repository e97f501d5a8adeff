// CBackupCommands: the window's record of what went to and came from the receiver. Every image
// received or sent is kept; before Send the changes against the receiver's last image are shown;
// "Restore…" opens a kept one; a send can be verified by receiving the image back and comparing
// it byte for byte. The main window and the file commands only call the hooks.
#pragma once

#include "chanforge/check/Backups.h"

#include <QObject>

#include <cstdint>
#include <span>
#include <string>
#include <vector>

class QAction;
class QToolBar;

namespace chanforge::document {
class Document;
struct Model;
} // namespace chanforge::document

namespace chanforge::app {

class CMainFrame;

/// Settings value that switches the read-back after a send on (1, the default) or off.
inline constexpr const char* kVerifySettingName = "Verify After Send";

class CBackupCommands : public QObject {
    Q_OBJECT
  public:
    CBackupCommands(CMainFrame& frame, document::Document& document);

    QAction* RestoreAction() const { return restore_; }
    QAction* VerifyAction() const { return verify_; }

    /// Shows what the send will change against the receiver's last intact image; false when
    /// the operator stops the send.
    bool ConfirmChangesBeforeSend();
    /// Keeps the image just received (the work file).
    void AfterReceive();
    /// Keeps an image received whole that the operator did not open, filed under the model
    /// whose image it is, and says where it is.
    void KeepUnopened(std::span<const std::uint8_t> image, const document::Model& model);
    /// After the send dialog: keeps the image sent and, when the setting asks for it, receives
    /// it back and reports "Verified" or the differences.
    void AfterSend(bool sent);
    void Restore();

  private:
    void Keep(const std::string& path, check::BackupKind kind);
    /// Files the image under model; false after telling the operator why it was not kept.
    bool Keep(std::span<const std::uint8_t> image, check::BackupKind kind,
              const document::Model& model);
    void ShowNotKept(const check::BackupResult& result);
    /// Says which damaged backups the comparison before a send passed over; empty for none.
    static QString SkippedBackupNote(const check::IntactBackup& last);
    /// This model's backups first, then the others, which open only as their own model.
    std::vector<check::BackupEntry> BackupsToOffer() const;
    void Verify();
    /// A warning after a send the receiver did not store as sent, with Restore offered.
    void OfferRestore(const QString& warning);

    CMainFrame& frame_;
    document::Document& document_;
    check::BackupStore backups_;
    QAction* restore_ = nullptr;
    QAction* verify_ = nullptr;
};

} // namespace chanforge::app
