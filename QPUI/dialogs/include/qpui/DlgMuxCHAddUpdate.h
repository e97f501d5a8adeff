// CDlgMuxCHAddUpdate: creates or changes one terrestrial or cable channel.
#pragma once

#include "qpui/ChannelEditorBase.h"

namespace qpui {

class CDlgMuxCHAddUpdate : public CChannelEditorBase {
    Q_OBJECT
  public:
    explicit CDlgMuxCHAddUpdate(QWidget* parent = nullptr,
                                ChannelSlot slot = ChannelSlot::Stored());

    void AddMuxList(const chanforge::SMux_Info_Tag* mux);
    /// A terrestrial multiplex kept in the transponder table (combination products).
    void AddMuxList(const chanforge::Transponder_Info_Tag* transponder);
    /// A cable MuxID; ids already listed are ignored, and at most 256 are kept.
    void AddMuxList(int cableId);

  protected:
    void BuildDelivery(QFormLayout* form) override;
    void PrepareDelivery() override;
    void StoreDelivery(chanforge::Channel_Info_Tag& channel) const override;
    bool DeliveryChanged() const override;

  private:
    std::vector<chanforge::SMux_Info_Tag> muxes_;
    std::vector<chanforge::Transponder_Info_Tag> transponderMuxes_;
    std::vector<int> cableIds_;
    QComboBox* mux_ = nullptr;
    QLineEdit* logicalNumber_ = nullptr;
};

} // namespace qpui
