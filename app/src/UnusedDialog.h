// CUnusedDialog: the satellites, transponders, multiplexes and providers nothing uses, each with
// a tick box, before they go.
#pragma once

#include "chanforge/editing/UnusedRecords.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace chanforge::app {

class CTickBoxes;

class CUnusedDialog : public QDialog {
    Q_OBJECT
  public:
    CUnusedDialog(tabstore::CQoDB& db, editing::Product product, QWidget* parent = nullptr);

    /// What Remove acts on: the records listed, but those left out.
    const editing::UnusedRecords& Unused() const { return unused_; }
    const editing::LeftOut& LeftOut() const { return leftOut_; }

  private:
    void Count();

    tabstore::CQoDB& db_;
    editing::UnusedRecords unused_;
    editing::LeftOut leftOut_;
    CTickBoxes* ticks_ = nullptr;
    QLabel* summary_ = nullptr;
    QPushButton* remove_ = nullptr;
};

} // namespace chanforge::app
