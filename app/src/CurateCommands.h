// The commands that curate a big list: the filter bar, Select all shown, Find duplicates,
// Rename by pattern, Sort and renumber, Remove unused. Each asks the operator with a preview,
// then runs one editing operation as one undo step and refills the panes.
#pragma once

#include <QList>
#include <QObject>

class QAction;
class QMenu;

namespace chanforge::app {

class CMainFrame;

class CCurateCommands : public QObject {
    Q_OBJECT
  public:
    explicit CCurateCommands(CMainFrame& frame);

    /// The List menu.
    void AddTo(QMenu& menu) const;
    /// What a channel grid's menu offers of them.
    QList<QAction*> GridActions() const;

    void FindDuplicates();
    void RenameByPattern();
    void SortByKeys();
    void RemoveUnused();

  private:
    CMainFrame& frame_;
    QAction* filter_ = nullptr;
    QAction* selectShown_ = nullptr;
    QAction* duplicates_ = nullptr;
    QAction* rename_ = nullptr;
    QAction* sort_ = nullptr;
    QAction* unused_ = nullptr;
};

} // namespace chanforge::app
