// CBackupsDialog: the kept images, the window's model first, newest first, with what each is
// (received, sent or read back after a send) and its channels, to pick one to open. Another
// model's backups are marked as such: they open only as that model.
#pragma once

#include "chanforge/check/Backups.h"

#include <QDialog>

#include <optional>
#include <vector>

class QTreeWidget;

namespace chanforge::app {

class CBackupsDialog : public QDialog {
    Q_OBJECT
  public:
    CBackupsDialog(std::vector<check::BackupEntry> entries, const std::string& ownModel,
                   QWidget* parent = nullptr);

    /// The backup chosen with Open; none after Cancel or without a selection.
    std::optional<check::BackupEntry> Chosen() const;
    QTreeWidget& List() { return *list_; }

  private:
    /// Blank for a backup kept before kinds were.
    static QString KindText(check::BackupKind kind);

    std::vector<check::BackupEntry> entries_;
    QTreeWidget* list_ = nullptr;
};

} // namespace chanforge::app
