// CSortKeysDialog: which keys the whole list is sorted and renumbered by, in an order the
// operator arranges.
#pragma once

#include "chanforge/editing/SortByKeys.h"

#include <QDialog>

class QListWidget;

namespace chanforge::app {

class CSortKeysDialog : public QDialog {
    Q_OBJECT
  public:
    explicit CSortKeysDialog(QWidget* parent = nullptr);

    /// The ticked keys, first deciding first.
    std::vector<editing::SortKey> Keys() const;

  private:
    void MoveCurrent(int step);

    QListWidget* keys_ = nullptr;
};

} // namespace chanforge::app
