// CDuplicatesDialog: the groups of duplicate channels, each with the one the chosen policy
// keeps, before any is deleted.
#pragma once

#include "chanforge/editing/Duplicates.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;
class QTreeWidget;

namespace chanforge::app {

class CDuplicatesDialog : public QDialog {
    Q_OBJECT
  public:
    CDuplicatesDialog(tabstore::CQoDB& db, editing::Product product, QWidget* parent = nullptr);

    /// The groups shown, with the kept channel of each: what Delete acts on.
    const std::vector<editing::DuplicateGroup>& Groups() const { return groups_; }
    std::size_t Doomed() const;

  private:
    void ShowGroups();

    tabstore::CQoDB& db_;
    editing::Product product_;
    std::vector<editing::DuplicateGroup> groups_;
    QComboBox* keep_ = nullptr;
    QTreeWidget* list_ = nullptr;
    QLabel* summary_ = nullptr;
    QPushButton* remove_ = nullptr;
};

} // namespace chanforge::app
