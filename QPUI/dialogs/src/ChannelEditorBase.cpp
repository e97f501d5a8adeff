#include "qpui/ChannelEditorBase.h"

#include "chanforge/editing/ChannelName.h"
#include "chanforge/editing/EditResult.h"
#include "qpui/MessageBox.h"
#include "qpui/NameEdits.h"
#include "utils/CodeTable.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace qpui {

using namespace chanforge;

unsigned LeadingNumber(const QString& text) {
    const QByteArray bytes = text.trimmed().toLatin1();
    if (bytes.isEmpty() || !std::isdigit(static_cast<unsigned char>(bytes[0])))
        return 0;
    return static_cast<unsigned>(std::strtoul(bytes.constData(), nullptr, 10));
}

CChannelEditorBase::CChannelEditorBase(QWidget* parent, ChannelSlot slot)
    : QDialog(parent), slot_(slot), product_(slot.product) {
    setWindowTitle(tr("Channel"));
}

void CChannelEditorBase::SetChannelInfo(const Channel_Info_Tag* channel) {
    if (channel != nullptr)
        channel_ = *channel;
}

void CChannelEditorBase::AddBroadcastList(const Broadcast_Info_Tag* provider) {
    if (provider != nullptr)
        providers_.push_back(*provider);
}

unsigned CChannelEditorBase::SelectedId(const QComboBox* combo) {
    return combo->currentIndex() < 0 ? 0xFFFFFFFFu : combo->currentData().toUInt();
}

void CChannelEditorBase::SelectById(QComboBox* combo, unsigned id) {
    const int at = combo->findData(id);
    if (at >= 0)
        combo->setCurrentIndex(at);
}

void CChannelEditorBase::BuildCommon() {
    auto* layout = new QVBoxLayout(this);
    form_ = new QFormLayout;
    name_ = new QLineEdit;
    name_->setObjectName("name");
    form_->addRow(tr("Name :"), name_);
    BuildDelivery(form_);
    provider_ = new QComboBox;
    provider_->setObjectName("provider");
    form_->addRow(tr("Provider :"), provider_);
    auto pidEdit = [&](const QString& label, const char* objectName) {
        auto* edit = new QLineEdit;
        edit->setObjectName(objectName);
        form_->addRow(label, edit);
        return edit;
    };
    videoPid_ = pidEdit(tr("Video PID :"), "videoPid");
    audioPid_ = pidEdit(tr("Audio PID :"), "audioPid");
    pcrPid_ = pidEdit(tr("PCR PID :"), "pcrPid");
    serviceId_ = pidEdit(tr("Service ID :"), "serviceId");
    layout->addLayout(form_);

    auto* flags = new QHBoxLayout;
    locked_ = new QCheckBox(tr("Locked"));
    locked_->setObjectName("locked");
    //: Tick box: the channel is scrambled (conditional access). Keep it short.
    cas_ = new QCheckBox(tr("CAS"));
    cas_->setObjectName("cas");
    tuner1_ = new QRadioButton(tr("Tuner 1"));
    tuner1_->setObjectName("tuner1");
    tuner2_ = new QRadioButton(tr("Tuner 2"));
    tuner2_->setObjectName("tuner2");
    for (QWidget* w : {static_cast<QWidget*>(locked_), static_cast<QWidget*>(cas_),
                       static_cast<QWidget*>(tuner1_), static_cast<QWidget*>(tuner2_)})
        flags->addWidget(w);
    layout->addLayout(flags);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &CChannelEditorBase::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CChannelEditorBase::reject);
    layout->addWidget(buttons);
    built_ = true;
}

void CChannelEditorBase::Prepare() {
    if (!built_)
        BuildCommon();
    PrepareDelivery();
    provider_->clear();
    for (const Broadcast_Info_Tag& p : providers_)
        provider_->addItem(
            QString::fromLatin1(p.Name, static_cast<int>(strnlen(p.Name, sizeof p.Name))),
            static_cast<unsigned>(p.BroadcastID));
    if (QLineEdit* number = NumberEdit()) {
        number->setVisible(false);
        if (auto* label = form_->labelForField(number))
            label->setVisible(false);
    }
    tuner1_->setChecked(true);
    if (channel_.RowID != 0) {
        name_->setText(QString::fromStdString(editing::NameText(channel_)));
        SelectById(provider_, channel_.BroadcastID);
        videoPid_->setText(QString::number(channel_.VideoPID));
        audioPid_->setText(QString::number(channel_.AudioPID));
        pcrPid_->setText(QString::number(channel_.PCRPID));
        serviceId_->setText(QString::number(channel_.ServiceID));
        tv_ = IsTV(channel_);
        cas_->setChecked((channel_.Attributes & attr::kScrambled) != 0);
        locked_->setChecked((channel_.Attributes & attr::kLocked) != 0);
        (channel_.Tuner != 0 ? tuner2_ : tuner1_)->setChecked(true);
    }
    LimitNameEdit(*name_, slot_.NameLimit());
    // A choice the model's file would drop is not offered.
    const bool tunerStored = slot_.TunerStored();
    tuner1_->setVisible(tunerStored);
    tuner2_->setVisible(tunerStored);
    if (channel_.RowID != 0)
        shown_.Remember(*this);
    else
        shown_.Forget();
}

int CChannelEditorBase::DoModal() {
    Prepare();
    return exec();
}

Channel_Info_Tag CChannelEditorBase::Edited(const std::string& name) const {
    Channel_Info_Tag ch = channel_;
    if (shown_.Changed(name_))
        editing::StoreName(ch, name);
    if (DeliveryChanged())
        StoreDelivery(ch);
    if (shown_.Changed(provider_))
        ch.BroadcastID = static_cast<std::uint16_t>(SelectedId(provider_));
    const auto number = [&](QLineEdit* edit, std::uint16_t& field) {
        if (edit != nullptr && shown_.Changed(edit))
            field = static_cast<std::uint16_t>(LeadingNumber(edit->text()));
    };
    number(videoPid_, ch.VideoPID);
    number(audioPid_, ch.AudioPID);
    number(pcrPid_, ch.PCRPID);
    number(serviceId_, ch.ServiceID);
    number(NumberEdit(), ch.ProgramNum);
    auto setBit = [&](std::uint16_t bit, bool on) {
        ch.Attributes = static_cast<std::uint16_t>(on ? ch.Attributes | bit : ch.Attributes & ~bit);
    };
    setBit(attr::kTV, tv_);
    if (shown_.Changed(locked_))
        setBit(attr::kLocked, locked_->isChecked());
    if (shown_.Changed(cas_))
        setBit(attr::kScrambled, cas_->isChecked());
    if (shown_.AnyChanged({tuner1_, tuner2_}))
        ch.Tuner = tuner1_->isChecked() ? 0 : 1;
    return ch;
}

void CChannelEditorBase::accept() {
    const QString text = name_->text();
    if (text.trimmed().isEmpty()) {
        ShowError(this,
                  QCoreApplication::translate(
                      "EditResult", editing::EditMessage(editing::EditResult::EmptyName).c_str()));
        return;
    }
    // The name goes into the channel's own character table; the limit counts its bytes there.
    const editing::FittedName name = editing::FitText(
        text.toStdString(), channel_.CodeTable, static_cast<std::size_t>(slot_.NameLimit()), false);
    if (name.fit == editing::NameFit::NotInTable) {
        ShowError(this, tr("The name holds %1, which the channel's character table cannot hold.")
                            .arg(QString::fromStdString(utils::CharacterText(name.refused))));
        return;
    }
    if (!NameFits(this, QByteArray::fromStdString(name.stored), slot_.NameLimit()))
        return;
    channel_ = Edited(name.stored);
    QDialog::accept();
}

} // namespace qpui
