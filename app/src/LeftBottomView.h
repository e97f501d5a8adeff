// CLeftBottomView: the lower left pane with the provider list and the favourite tree.
#pragma once

#include "FavTree.h"
#include "ListCommands.h"
#include "RecordList.h"

#include <QWidget>

namespace chanforge::app {

class CLeftBottomView : public QWidget {
    Q_OBJECT
  public:
    explicit CLeftBottomView(CEditContext& context, QWidget* parent = nullptr);

    /// Refills the provider list and rebuilds the tree.
    void Reload();
    CRecordList& Providers() { return *providers_; }
    CFAVTreeCtrl& Tree() { return *tree_; }

  signals:
    void FavoriteChosen(std::uint32_t group);
    void GenreChosen(std::uint32_t genre);
    void AllChosen();
    void ProviderSelected(std::uint32_t providerRow);
    void Dropped(DragCode targetCode, std::uint32_t key);
    void DragStarted(DragCode code);
    void NetworkEdited(editing::ListKind kind, ListEdit edit);
    void FavoriteMembersChanged();

  private:
    CRecordList* providers_ = nullptr;
    CFAVTreeCtrl* tree_ = nullptr;
};

} // namespace chanforge::app
