// CFAVTreeCtrl: favourite groups and genres; selects them, renames groups, takes channel drops.
#pragma once

#include "DragCode.h"
#include "EditContext.h"
#include "chanforge/editing/EditResult.h"

#include <QTreeWidget>

namespace chanforge::app {

class CFAVTreeCtrl : public QTreeWidget {
    Q_OBJECT
  public:
    explicit CFAVTreeCtrl(CEditContext& context, QWidget* parent = nullptr);

    /// Rebuilds the tree from the favourite table.
    void Rebuild();
    /// Renames group index through the editing operation; false when refused.
    bool Rename(std::uint32_t index, const QString& name);
    // The commands of the tree's menu; index is the 0-based group.
    void NewGroup();
    void RenameGroup(QTreeWidgetItem* item);
    void ClearGroup(std::uint32_t index);
    void DeleteGroup(std::uint32_t index);
    /// As wide as the longest name needs, so the pane gives it that room before eliding.
    QSize minimumSizeHint() const override;

  signals:
    void FavoriteChosen(std::uint32_t group);
    /// The genre root stands for genre 0.
    void GenreChosen(std::uint32_t genre);
    /// The favourites root: every channel.
    void AllChosen();
    void Dropped(DragCode targetCode, std::uint32_t key);
    /// Channels left a group (Clear, Delete): the grids show them anew.
    void MembersChanged();

  protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    /// Arriving by Tab makes an item current without choosing it.
    void focusInEvent(QFocusEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    void ItemChosen(QTreeWidgetItem* item);
    void ItemEdited(QTreeWidgetItem* item, int column);
    void ItemDoubleClicked(QTreeWidgetItem* item);
    /// Asks for a group name; empty when the operator cancels.
    QString AskName(const QString& title, const QString& name);
    bool IsGroup(const QTreeWidgetItem* item) const;
    /// After a drag: the highlight goes back to the item whose channels the grids show.
    void ShowChosenItem();
    /// Tells the operator why a group edit was refused.
    void Report(editing::EditResult result);

    CEditContext& context_;
    QTreeWidgetItem* favorites_ = nullptr;
    QTreeWidgetItem* genres_ = nullptr;
    QTreeWidgetItem* chosen_ = nullptr; ///< what the grids show
    bool chosenByPress_ = false;        ///< the last press made its item current (and chose it)
    bool dragging_ = false;
    bool rebuilding_ = false;
    bool arriving_ = false;
};

} // namespace chanforge::app
