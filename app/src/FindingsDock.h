// CFindingsDock: the panel that lists what a check found. A double click asks for the records
// concerned; the fix button asks for the command that mends the current finding. It edits
// nothing itself.
#pragma once

#include "chanforge/check/Findings.h"

#include <QDockWidget>

#include <cstdint>
#include <functional>
#include <vector>

class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace chanforge::app {

using RowList = std::vector<std::uint32_t>;

class CFindingsDock : public QDockWidget {
    Q_OBJECT
  public:
    /// Names a record for the operator (the duplicates to tick are listed by name).
    using RecordName = std::function<QString(TableId table, std::uint32_t row)>;

    explicit CFindingsDock(QWidget* parent = nullptr);

    /// Lists the findings (replacing the last ones) and shows the panel.
    void ShowFindings(const check::Findings& findings, const RecordName& name);
    const check::Findings& Findings() const { return findings_; }
    QTreeWidget& List() { return *list_; }
    QPushButton& FixButton() { return *fix_; }

  signals:
    void RecordsRequested(chanforge::TableId table, const chanforge::app::RowList& rows);
    /// rows: the duplicate channels ticked for removal (RemoveDuplicates), the finding's
    /// channel (AssignProvider), else none.
    void FixRequested(chanforge::check::Fix fix, const chanforge::app::RowList& rows);

  private:
    void AddFinding(int index, const RecordName& name);
    void ItemActivated(QTreeWidgetItem* item);
    void CurrentChanged();
    void FixClicked();
    /// The finding an item stands for (a duplicate's item stands for its group); null if none.
    const check::Finding* FindingOf(const QTreeWidgetItem* item) const;
    RowList TickedDuplicates() const;

    check::Findings findings_;
    QLabel* summary_ = nullptr;
    QTreeWidget* list_ = nullptr;
    QPushButton* fix_ = nullptr;
};

} // namespace chanforge::app
