#include "qpui/DlgCHAddUpdate.h"

#include "policy/Policy.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>

#include <cstring>

namespace qpui {

using namespace chanforge;

CDlgCHAddUpdate::CDlgCHAddUpdate(QWidget* parent, ChannelSlot slot)
    : CChannelEditorBase(parent, slot) {}

void CDlgCHAddUpdate::AddSatList(const Satellite_Info_Tag* satellite) {
    if (satellite != nullptr)
        satellites_.push_back(*satellite);
}

void CDlgCHAddUpdate::AddTPList(const Transponder_Info_Tag* transponder) {
    if (transponder != nullptr)
        transponders_.push_back(*transponder);
}

void CDlgCHAddUpdate::BuildDelivery(QFormLayout* form) {
    satellite_ = new QComboBox;
    satellite_->setObjectName("satellite");
    transponder_ = new QComboBox;
    transponder_->setObjectName("transponder");
    number_ = new QLineEdit;
    number_->setObjectName("number");
    form->addRow(tr("Satellite :"), satellite_);
    form->addRow(tr("Transponder :"), transponder_);
    form->addRow(tr("Channel Number :"), number_);
    connect(satellite_, &QComboBox::currentIndexChanged, this, [this] { FillTransponders(); });
}

void CDlgCHAddUpdate::FillTransponders() {
    transponder_->clear();
    const unsigned satId = SelectedId(satellite_);
    for (const Transponder_Info_Tag& tp : transponders_) {
        if (tp.SatID != satId)
            continue;
        transponder_->addItem(QStringLiteral("%1/%2(%3)")
                                  .arg(tp.Frequency)
                                  .arg(tp.SymbolRate)
                                  .arg((tp.PolFEC & 1) != 0 ? "H" : "V"),
                              static_cast<unsigned>(tp.TPID));
    }
}

void CDlgCHAddUpdate::PrepareDelivery() {
    const QSignalBlocker block(satellite_);
    satellite_->clear();
    for (const Satellite_Info_Tag& s : satellites_)
        satellite_->addItem(
            QString::fromLatin1(s.Name, static_cast<int>(strnlen(s.Name, sizeof s.Name))),
            static_cast<unsigned>(s.SatID));
    SelectById(satellite_, channel_.SatID);
    FillTransponders();
    SelectById(transponder_, channel_.TPID);
    // Kept hidden, but it carries the channel's number through an update.
    number_->setText(QString::number(channel_.ProgramNum));
}

bool CDlgCHAddUpdate::DeliveryChanged() const {
    return shown_.AnyChanged({satellite_, transponder_});
}

void CDlgCHAddUpdate::StoreDelivery(Channel_Info_Tag& channel) const {
    channel.SatID = static_cast<std::uint8_t>(SelectedId(satellite_));
    channel.TPID = static_cast<std::uint8_t>(SelectedId(transponder_));
}

} // namespace qpui
