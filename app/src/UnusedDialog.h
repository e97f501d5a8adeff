// CUnusedDialog: the satellites, transponders, multiplexes and providers nothing uses and the
// favourite groups without a channel, before they go.
#pragma once

#include "chanforge/editing/UnusedRecords.h"

#include <QDialog>

namespace chanforge::app {

class CUnusedDialog : public QDialog {
    Q_OBJECT
  public:
    CUnusedDialog(tabstore::CQoDB& db, editing::Product product, QWidget* parent = nullptr);

    /// What Remove acts on: the records listed.
    const editing::UnusedRecords& Unused() const { return unused_; }

  private:
    editing::UnusedRecords unused_;
};

} // namespace chanforge::app
