// CDlgCHAddUpdate: creates or changes one satellite channel.
#pragma once

#include "qpui/ChannelEditorBase.h"

namespace qpui {

class CDlgCHAddUpdate : public CChannelEditorBase {
    Q_OBJECT
  public:
    explicit CDlgCHAddUpdate(QWidget* parent = nullptr, ChannelSlot slot = ChannelSlot::Stored());

    void AddSatList(const chanforge::Satellite_Info_Tag* satellite);
    void AddTPList(const chanforge::Transponder_Info_Tag* transponder);

  protected:
    void BuildDelivery(QFormLayout* form) override;
    void PrepareDelivery() override;
    void StoreDelivery(chanforge::Channel_Info_Tag& channel) const override;
    bool DeliveryChanged() const override;
    QLineEdit* NumberEdit() const override { return number_; }

  private:
    void FillTransponders();

    std::vector<chanforge::Satellite_Info_Tag> satellites_;
    std::vector<chanforge::Transponder_Info_Tag> transponders_;
    QComboBox* satellite_ = nullptr;
    QComboBox* transponder_ = nullptr;
    QLineEdit* number_ = nullptr;
};

} // namespace qpui
