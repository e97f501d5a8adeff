#include "LeftTopView.h"

#include "ChannelGrid.h"
#include "chanforge/TableAccess.h"
#include "widgetry/ColorStatic.h"

#include <QSplitter>
#include <QTabBar>
#include <QVBoxLayout>

namespace chanforge::app {

using namespace editing;

CLeftTopView::CLeftTopView(CEditContext& context, QWidget* parent)
    : QWidget(parent), context_(context) {
    const Product product = context.Product();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    QString title;
    if (product.Satellite())
        title = tr(" Satellite");
    else if (product.TerrestrialTunerOnly() || product.CableTunerOnly())
        title = tr(" Mux information");
    auto* strip = new widgetry::CColorStatic(title);
    strip->SetStripHeight(20);
    layout->addWidget(strip);

    tabs_ = new QTabBar;
    tabs_->setObjectName("deliveryTabs");
    tabs_->addTab(tr("Satellite"));
    tabs_->addTab(tr("Terrestrial"));
    tabs_->setFixedHeight(23);
    tabs_->setExpanding(false);
    layout->addWidget(tabs_);

    satellites_ = new CRecordList(context, ListKind::Satellite, kDragSatellite);
    transponders_ = new CRecordList(context, ListKind::Transponder, kDragTransponder);
    muxes_ = new CRecordList(context, ListKind::TerrestrialMux, kDragMux);
    cables_ = new CRecordList(context, ListKind::CableMux, kDragNone);
    satellites_->setAccessibleName(tr("Satellites"));
    transponders_->setAccessibleName(tr("Transponders"));
    muxes_->setAccessibleName(tr("Multiplexes"));
    cables_->setAccessibleName(tr("Cable multiplexes"));
    satelliteSide_ = new QSplitter(Qt::Vertical);
    satelliteSide_->addWidget(satellites_);
    satelliteSide_->addWidget(transponders_);
    satelliteSide_->setChildrenCollapsible(false);
    layout->addWidget(satelliteSide_, 1);
    layout->addWidget(muxes_, 1);
    layout->addWidget(cables_, 1);

    connect(satellites_, &CRecordList::RecordSelected, this, &CLeftTopView::SatelliteSelected);
    connect(transponders_, &CRecordList::RecordSelected, this, &CLeftTopView::TransponderSelected);
    connect(cables_, &CRecordList::RecordSelected, this, &CLeftTopView::TransponderSelected);
    connect(muxes_, &CRecordList::RecordSelected, this, [this](std::uint32_t row) {
        emit TerrestrialSelected(MuxListKey(context_.Store(), row, context_.Product()));
    });
    for (CRecordList* list : {satellites_, transponders_, muxes_}) {
        connect(list, &CRecordList::Dropped, this, &CLeftTopView::Dropped);
        connect(list, &CRecordList::DragStarted, this, &CLeftTopView::DragStarted);
    }
    for (CRecordList* list : {satellites_, transponders_, cables_})
        connect(list->Commands(), &CListCommands::Edited, this, &CLeftTopView::NetworkEdited);
    connect(tabs_, &QTabBar::currentChanged, this, &CLeftTopView::TabChanged);
    FollowModel();
}

void CLeftTopView::FollowModel() {
    tabs_->setVisible(context_.Product().Combination());
    ApplyLayout();
}

void CLeftTopView::ApplyLayout() {
    const Product product = context_.Product();
    const bool satelliteSide = product.Satellite() && tabs_->currentIndex() == 0;
    satelliteSide_->setVisible(satelliteSide);
    muxes_->setVisible(!satelliteSide && !product.Cable());
    cables_->setVisible(!satelliteSide && product.Cable());
}

void CLeftTopView::TabChanged(int tab) {
    ApplyLayout();
    if (tab == 1)
        emit TerrestrialSelected(0);
    else
        emit SatelliteSelected(0);
}

void CLeftTopView::Reload() {
    satellites_->Model().Reload();
    transponders_->Model().Reload();
    muxes_->Model().Reload();
    cables_->Model().Reload();
}

void CLeftTopView::ShowTransponders(std::uint32_t satelliteRow) {
    const auto* sat = GetRow<Satellite_Info_Tag>(context_.Store(), kSatelliteTable, satelliteRow);
    transponders_->Model().Reload(sat != nullptr ? sat->SatID : 0);
}

void CLeftTopView::Refill() {
    for (CRecordList* list : {satellites_, transponders_, muxes_, cables_})
        list->Model().Refill();
}

void CLeftTopView::ShowSatellite(std::uint32_t satelliteRow) {
    satellites_->SelectKey(satelliteRow);
    if (satellites_->Model().RowOf(satelliteRow) < 0)
        emit SatelliteSelected(satelliteRow);
}

} // namespace chanforge::app
