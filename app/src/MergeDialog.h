// CMergeDialog: the preview of merging another list into this one. One row per channel of the
// other list: what it becomes here (added with its number, updated, already here, or why it
// cannot be added), each with a tick; filters by satellite and kind; the records the merge
// creates and the room each table has left. Each choice and each tick plans afresh, so the
// counts and the room follow them; nothing changes before Apply.
#pragma once

#include "chanforge/merge/Merge.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;
class QTreeWidget;

namespace chanforge::app {

class CTickBoxes;

class CMergeDialog : public QDialog {
    Q_OBJECT
  public:
    /// Makes the plan for a choice of options, from the store as it is.
    using Planner =
        std::function<merge::MergePlan(const merge::MergeOptions&, const editing::LeftOut&)>;

    CMergeDialog(const QString& source, const merge::Incoming& incoming, Planner planner,
                 QWidget* parent = nullptr);

    /// The plan for the options and ticks shown now: what Apply carries out.
    const merge::MergePlan& CurrentPlan() const { return plan_; }

  private:
    void BuildOptions();
    void Replan();
    void FillLines();
    void FillCreated();
    void Filter();
    QString CarrierText(std::size_t line) const;
    QString Details(const merge::MergeLine& line) const;

    const merge::Incoming& incoming_;
    Planner planner_;
    merge::MergePlan plan_;
    QLabel* summary_ = nullptr;
    QLabel* room_ = nullptr;
    QCheckBox* flags_ = nullptr;
    QCheckBox* favourites_ = nullptr;
    QCheckBox* names_ = nullptr;
    QComboBox* numbers_ = nullptr;
    QComboBox* satellite_ = nullptr;
    QComboBox* kind_ = nullptr;
    QTableWidget* lines_ = nullptr;
    CTickBoxes* ticks_ = nullptr;
    QTreeWidget* created_ = nullptr;
    QPushButton* apply_ = nullptr;
};

} // namespace chanforge::app
