#include "qpui/DlgMuxCHAddUpdate.h"

#include "chanforge/editing/DeliveryText.h"
#include "policy/Policy.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>

#include <algorithm>

namespace qpui {

using namespace chanforge;

namespace {

constexpr std::size_t kMaxCableIds = 256;

QString MuxEntry(const SMux_Info_Tag& mux) {
    const int f = editing::MuxFrequency(mux);
    return QString::asprintf("%s, %03d.%dMHz", editing::MuxName(mux).c_str(), f / 1000, f % 1000);
}

} // namespace

CDlgMuxCHAddUpdate::CDlgMuxCHAddUpdate(QWidget* parent, ChannelSlot slot)
    : CChannelEditorBase(parent, slot) {}

void CDlgMuxCHAddUpdate::AddMuxList(const SMux_Info_Tag* mux) {
    if (mux != nullptr)
        muxes_.push_back(*mux);
}

void CDlgMuxCHAddUpdate::AddMuxList(const Transponder_Info_Tag* transponder) {
    if (transponder != nullptr)
        transponderMuxes_.push_back(*transponder);
}

void CDlgMuxCHAddUpdate::AddMuxList(int cableId) {
    if (cableIds_.size() < kMaxCableIds &&
        std::find(cableIds_.begin(), cableIds_.end(), cableId) == cableIds_.end())
        cableIds_.push_back(cableId);
}

void CDlgMuxCHAddUpdate::BuildDelivery(QFormLayout* form) {
    mux_ = new QComboBox;
    mux_->setObjectName("mux");
    form->addRow(tr("Mux :"), mux_);
    logicalNumber_ = new QLineEdit;
    form->addRow(tr("Logical Number :"), logicalNumber_);
    logicalNumber_->setVisible(false);
    form->labelForField(logicalNumber_)->setVisible(false);
}

void CDlgMuxCHAddUpdate::PrepareDelivery() {
    mux_->clear();
    if (product_.CableTunerOnly()) {
        for (int id : cableIds_)
            mux_->addItem(QString::asprintf("[ %3d ]", id), static_cast<unsigned>(id));
    } else if (product_.TerrestrialTunerOnly()) {
        for (const SMux_Info_Tag& mux : muxes_)
            mux_->addItem(MuxEntry(mux), static_cast<unsigned>(mux.TPID));
    } else {
        for (const Transponder_Info_Tag& tp : transponderMuxes_)
            mux_->addItem(MuxEntry(editing::MuxFromTransponder(tp)),
                          static_cast<unsigned>(tp.TPID));
    }
    SelectById(mux_, channel_.TPID);
}

bool CDlgMuxCHAddUpdate::DeliveryChanged() const {
    return shown_.Changed(mux_);
}

void CDlgMuxCHAddUpdate::StoreDelivery(Channel_Info_Tag& channel) const {
    channel.SatID = 1;
    channel.TPID = static_cast<std::uint8_t>(SelectedId(mux_));
}

} // namespace qpui
