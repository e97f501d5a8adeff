// CBackupsDialog: the kept images of every model, newest first, to pick one to open.
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
    CBackupsDialog(std::vector<check::BackupEntry> entries, QWidget* parent = nullptr);

    /// The backup chosen with Open; none after Cancel or without a selection.
    std::optional<check::BackupEntry> Chosen() const;
    QTreeWidget& List() { return *list_; }

  private:
    std::vector<check::BackupEntry> entries_;
    QTreeWidget* list_ = nullptr;
};

} // namespace chanforge::app
