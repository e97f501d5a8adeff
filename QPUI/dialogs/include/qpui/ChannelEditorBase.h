// What the two channel editors share: name, provider, PIDs, service id, Locked, CAS and the
// tuner buttons, and the OK rules for them. Subclasses add the delivery drop-downs.
#pragma once

#include "chanforge/Records.h"
#include "policy/ProductKind.h"
#include "qpui/ChannelSlot.h"
#include "qpui/ShownControls.h"

#include <QDialog>

#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QFormLayout;
class QLineEdit;
class QRadioButton;

namespace qpui {

class CChannelEditorBase : public QDialog {
    Q_OBJECT
  public:
    /// The grid's kind for a new channel: true = TV. An existing channel brings its own.
    void SetChannelMode(bool tv) { tv_ = tv; }
    void SetChannelInfo(const chanforge::Channel_Info_Tag* channel);
    chanforge::Channel_Info_Tag GetChannelInfo() const { return channel_; }
    void AddBroadcastList(const chanforge::Broadcast_Info_Tag* provider);

    /// Fills the controls from the lists and the channel, as opening the dialog does.
    void Prepare();
    /// Prepare, then run modally; QDialog::Accepted or Rejected.
    int DoModal();

    void accept() override;

  protected:
    CChannelEditorBase(QWidget* parent, ChannelSlot slot);

    /// Adds the delivery rows to the form and fills them for the current channel.
    virtual void BuildDelivery(QFormLayout* form) = 0;
    virtual void PrepareDelivery() = 0;
    /// Stores the chosen delivery ids into the channel; only called when the operator changed
    /// a delivery control (DeliveryChanged), so ids the lists cannot show survive otherwise.
    virtual void StoreDelivery(chanforge::Channel_Info_Tag& channel) const = 0;
    virtual bool DeliveryChanged() const = 0;
    /// The extra number edit of the satellite editor, stored as ProgramNum; null elsewhere.
    virtual QLineEdit* NumberEdit() const { return nullptr; }

    /// The id carried by the current entry, cut to the field width as the drop-down's error
    /// value would be when the list is empty.
    static unsigned SelectedId(const QComboBox* combo);
    static void SelectById(QComboBox* combo, unsigned id);

    chanforge::Channel_Info_Tag channel_{};
    ChannelSlot slot_;
    policy::ProductKind product_;
    CShownControls shown_;

  private:
    void BuildCommon();
    /// The edited channel: each field from its control where the operator changed that control.
    /// name: bytes in the channel's code table that fit the slot.
    chanforge::Channel_Info_Tag Edited(const std::string& name) const;

    bool tv_ = false;
    std::vector<chanforge::Broadcast_Info_Tag> providers_;
    QLineEdit* name_ = nullptr;
    QComboBox* provider_ = nullptr;
    QLineEdit* videoPid_ = nullptr;
    QLineEdit* audioPid_ = nullptr;
    QLineEdit* pcrPid_ = nullptr;
    QLineEdit* serviceId_ = nullptr;
    QCheckBox* locked_ = nullptr;
    QCheckBox* cas_ = nullptr;
    QRadioButton* tuner1_ = nullptr;
    QRadioButton* tuner2_ = nullptr;
    QFormLayout* form_ = nullptr;
    bool built_ = false;
};

/// The leading decimal number of a text, 0 when it does not start with one.
unsigned LeadingNumber(const QString& text);

} // namespace qpui
