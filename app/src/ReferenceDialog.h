// CReferenceDialog: the preview of applying a reference list. One row per reference entry with
// the channel it matched (or none), the method, the number before and after and what else
// changes; this list's unmatched channels; the clashes, groups not kept and unread lines; the
// options, each change of which plans afresh, as does each tick: an entry or channel left out
// stays as it is. Nothing changes before Apply.
#pragma once

#include "chanforge/reference/Plan.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QPushButton;
class QComboBox;
class QLabel;
class QSpinBox;
class QTableWidget;
class QTreeWidget;

namespace chanforge::app {

class CTickBoxes;

class CReferenceDialog : public QDialog {
    Q_OBJECT
  public:
    /// Makes the plan for a choice of options, from the store as it is.
    using Planner =
        std::function<reference::Plan(const reference::ApplyOptions&, const editing::LeftOut&)>;

    CReferenceDialog(const QString& source, const reference::Reference& ref, Planner planner,
                     QWidget* parent = nullptr);

    /// The plan for the options and ticks shown now: what Apply carries out.
    const reference::Plan& CurrentPlan() const { return plan_; }

  private:
    void BuildOptions();
    void Replan();
    void TicksChanged();
    void FillEntries();
    void FillUnmatched();
    void FillNotes();
    QString EntryText(std::size_t e) const;
    /// What the entry conflicts with, and what becomes of it.
    QString ConflictText(const reference::Conflict& c) const;

    const reference::Reference& ref_;
    Planner planner_;
    reference::Plan plan_;
    editing::LeftOut leftOut_; ///< entries, then unmatched channels
    QLabel* summary_ = nullptr;
    QSpinBox* start_ = nullptr;
    QCheckBox* closeGaps_ = nullptr;
    QComboBox* unmatched_ = nullptr;
    QCheckBox* names_ = nullptr;
    QCheckBox* cutNames_ = nullptr;
    QTableWidget* entries_ = nullptr;
    QTableWidget* unmatchedList_ = nullptr;
    CTickBoxes* entryTicks_ = nullptr;
    CTickBoxes* unmatchedTicks_ = nullptr;
    QTreeWidget* notes_ = nullptr;
    QPushButton* apply_ = nullptr;
};

} // namespace chanforge::app
