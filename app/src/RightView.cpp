#include "RightView.h"

#include "qpui/DlgSearchName.h"
#include "qpui/MessageBox.h"
#include "widgetry/ColorStatic.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace chanforge::app {

using namespace editing;

CRightView::CRightView(CEditContext& context, QWidget* parent)
    : QWidget(parent), context_(context) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    auto* top = new QHBoxLayout;
    auto* title = new widgetry::CColorStatic(tr(" Channels"));
    title->SetStripHeight(22);
    show_ = new QComboBox;
    show_->setObjectName("channelShow");
    show_->addItems({tr("All"), tr("TV Only"), tr("Radio Only")});
    show_->setFixedWidth(100);
    top->addWidget(title, 1);
    top->addStretch(1);
    top->addWidget(show_);
    layout->addLayout(top);
    channels_ = new QWidget;
    auto* channels = new QVBoxLayout(channels_);
    channels->setContentsMargins(0, 0, 0, 0);
    channels->setSpacing(2);
    filterBar_ = new CFilterBar;
    channels->addWidget(filterBar_);

    auto* grids = new QHBoxLayout;
    grids->setSpacing(4);
    tv_ = new CChannelGrid(context, ChannelKind::TV);
    radio_ = new CChannelGrid(context, ChannelKind::Radio);
    tv_->setAccessibleName(tr("TV channels"));
    radio_->setAccessibleName(tr("Radio channels"));
    grids->addWidget(tv_);
    grids->addWidget(radio_);
    channels->addLayout(grids, 1);
    layout->addWidget(channels_, 1);
    startHint_ = new CStartHint;
    layout->addWidget(startHint_, 1);
    for (CChannelGrid* grid : {tv_, radio_}) {
        connect(grid, &CChannelGrid::ChannelsChanged, this, &CRightView::ChannelsChanged);
        connect(grid, &CChannelGrid::DragStarted, this, &CRightView::DragStarted);
        connect(grid, &CChannelGrid::Dropped, this, &CRightView::Dropped);
        connect(grid, &CChannelGrid::SearchRequested, this, &CRightView::AskSearch);
        // Every open, receive, edit and undo refills the grids.
        connect(&grid->Model(), &QAbstractItemModel::modelReset, this,
                &CRightView::ShowStartHintWhenEmpty);
    }
    connect(show_, &QComboBox::currentIndexChanged, this, &CRightView::ApplyLayout);
    connect(filterBar_, &CFilterBar::QueryChanged, this, &CRightView::Narrow);
    connect(filterBar_, &CFilterBar::SelectAllShown, this, [this] {
        active_->SelectWhere(SelectWhat::All);
        active_->setFocus();
    });
    connect(&context_, &CEditContext::Changed, this, &CRightView::ReloadFilterChoices);
    active_ = tv_;
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now == tv_ || now == radio_)
            active_ = static_cast<CChannelGrid*>(now);
    });
    ShowStartHintWhenEmpty();
}

void CRightView::ShowStartHintWhenEmpty() {
    const bool empty = HoldsNothing(context_.Store());
    startHint_->setVisible(empty);
    channels_->setVisible(!empty);
}

CChannelGrid* CRightView::Grid(DragCode dragCode) {
    return dragCode == kDragTV ? tv_ : dragCode == kDragRadio ? radio_ : nullptr;
}

void CRightView::ApplyLayout(int choice) {
    tv_->setVisible(choice != 2);
    radio_->setVisible(choice != 1);
}

void CRightView::SetBoth(const ChannelFilter& filter) {
    tv_->SetFilter(filter);
    radio_->SetFilter(filter);
}

void CRightView::ShowAll() {
    ReloadFilterChoices();
    SetBoth(editing::ShowAll());
}
void CRightView::ShowSatellite(std::uint32_t row) {
    SetBoth(editing::ShowSatellite(context_.Store(), row));
}
void CRightView::ShowTransponder(std::uint32_t key) {
    SetBoth(editing::ShowTransponder(key));
}
void CRightView::ShowTerrestrialMux(std::uint32_t key) {
    SetBoth(editing::ShowTerrestrialMux(key));
}
void CRightView::ShowProvider(std::uint32_t row) {
    SetBoth(editing::ShowProvider(row, tv_->Filter(), context_.Product()));
}
void CRightView::ShowFavorite(std::uint32_t index) {
    SetBoth(editing::ShowFavorite(index, tv_->Filter(), context_.Product()));
}
void CRightView::ShowGenre(std::uint32_t genre) {
    SetBoth(editing::ShowGenre(genre, tv_->Filter(), context_.Product()));
}

void CRightView::RefillBoth(const RowIds& keys) {
    tv_->RefillSelecting(keys);
    radio_->RefillSelecting(keys);
}

void CRightView::AskSearch() {
    qpui::CDlgSearchName dialog(this);
    dialog.SetText(lastSearch_);
    if (dialog.DoModal() == QDialog::Accepted)
        SearchBoth(dialog.Text());
}

void CRightView::FindNext(bool forward) {
    if (lastSearch_.isEmpty()) {
        AskSearch();
        return;
    }
    CChannelGrid* other = active_ == tv_ ? radio_ : tv_;
    if (active_->FindNext(lastSearch_, forward))
        return;
    if (other->FindNext(lastSearch_, forward))
        other->setFocus();
    else
        qpui::ShowInformation(this, tr("No channel named \"%1\"").arg(lastSearch_));
}

void CRightView::SearchBoth(const QString& text) {
    lastSearch_ = text;
    const bool onTV = tv_->SearchFor(text);
    const bool onRadio = radio_->SearchFor(text);
    if (!onTV && !onRadio)
        qpui::ShowInformation(this, tr("No channel named \"%1\"").arg(text));
}

void CRightView::ReloadFilterChoices() {
    filterBar_->SetChoices(ChoicesFor(context_.Store(), context_.Product()));
}

void CRightView::Narrow() {
    const CompiledQuery* query = filterBar_->Narrows() ? &filterBar_->Query() : nullptr;
    for (CChannelGrid* grid : {tv_, radio_}) {
        grid->Model().SetNarrowing(query);
        grid->Refill();
    }
}

} // namespace chanforge::app
