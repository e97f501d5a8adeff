// CDuplicatesDialog: the groups of duplicate channels, each with the one the chosen policy
// keeps and a tick box, before any is deleted.
#pragma once

#include "chanforge/editing/Duplicates.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTreeWidget;

namespace chanforge::app {

class CTickBoxes;

class CDuplicatesDialog : public QDialog {
    Q_OBJECT
  public:
    CDuplicatesDialog(tabstore::CQoDB& db, editing::Product product, QWidget* parent = nullptr);

    /// The groups shown, with the kept channel of each: what Delete acts on.
    const std::vector<editing::DuplicateGroup>& Groups() const { return groups_; }
    /// The groups without a tick, which stay whole.
    const editing::LeftOut& LeftOut() const { return leftOut_; }

  private:
    void ShowGroups();
    void Count();

    tabstore::CQoDB& db_;
    editing::Product product_;
    std::vector<editing::DuplicateGroup> groups_;
    editing::LeftOut leftOut_;
    QComboBox* keep_ = nullptr;
    QCheckBox* variants_ = nullptr;
    QTreeWidget* list_ = nullptr;
    CTickBoxes* ticks_ = nullptr;
    QLabel* summary_ = nullptr;
    QPushButton* remove_ = nullptr;
};

} // namespace chanforge::app
