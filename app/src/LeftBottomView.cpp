#include "LeftBottomView.h"

#include "ChannelGrid.h"
#include "widgetry/ColorStatic.h"

#include <QGridLayout>

namespace chanforge::app {

CLeftBottomView::CLeftBottomView(CEditContext& context, QWidget* parent) : QWidget(parent) {
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    auto* providerTitle = new widgetry::CColorStatic(tr(" Provider"));
    auto* favoriteTitle = new widgetry::CColorStatic(tr(" Favorite"));
    providerTitle->SetStripHeight(20);
    favoriteTitle->SetStripHeight(20);
    providers_ = new CRecordList(context, editing::ListKind::Provider, kDragProvider);
    tree_ = new CFAVTreeCtrl(context);
    providers_->setAccessibleName(tr("Providers"));
    tree_->setAccessibleName(tr("Favourites"));
    layout->addWidget(providerTitle, 0, 0);
    layout->addWidget(favoriteTitle, 0, 1);
    layout->addWidget(providers_, 1, 0);
    layout->addWidget(tree_, 1, 1);
    layout->setColumnStretch(0, 1);
    layout->setColumnStretch(1, 1);
    connect(providers_, &CRecordList::RecordSelected, this, &CLeftBottomView::ProviderSelected);
    connect(providers_, &CRecordList::Dropped, this, &CLeftBottomView::Dropped);
    connect(providers_, &CRecordList::DragStarted, this, &CLeftBottomView::DragStarted);
    connect(providers_->Commands(), &CListCommands::Edited, this, &CLeftBottomView::NetworkEdited);
    connect(tree_, &CFAVTreeCtrl::FavoriteChosen, this, &CLeftBottomView::FavoriteChosen);
    connect(tree_, &CFAVTreeCtrl::GenreChosen, this, &CLeftBottomView::GenreChosen);
    connect(tree_, &CFAVTreeCtrl::AllChosen, this, &CLeftBottomView::AllChosen);
    connect(tree_, &CFAVTreeCtrl::Dropped, this, &CLeftBottomView::Dropped);
    connect(tree_, &CFAVTreeCtrl::MembersChanged, this, &CLeftBottomView::FavoriteMembersChanged);
}

void CLeftBottomView::Reload() {
    providers_->Model().Reload();
    tree_->Rebuild();
}

} // namespace chanforge::app
