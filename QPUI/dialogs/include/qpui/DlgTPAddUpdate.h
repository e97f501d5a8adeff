// CDlgTPAddUpdate: creates or changes one transponder. On product lists with DVB-S2 the
// transmission system and modulation choose which code rates the FEC list offers.
#pragma once

#include "chanforge/Records.h"
#include "chanforge/editing/Product.h"
#include "qpui/ComboValues.h"
#include "qpui/ShownControls.h"

#include <QDialog>

#include <vector>

class QComboBox;
class QFormLayout;
class QLineEdit;

namespace qpui {

class CDlgTPAddUpdate : public QDialog {
    Q_OBJECT
  public:
    CDlgTPAddUpdate(QWidget* parent, chanforge::editing::Product product);

    /// Offers the satellite in the "Satellite :" drop-down (once per satellite, in order).
    void AddSatList(const chanforge::Satellite_Info_Tag* satellite);
    /// A record whose RowID is 0 is new; its SatID still chooses the satellite.
    void SetTransponderInfo(const chanforge::Transponder_Info_Tag* transponder);
    chanforge::Transponder_Info_Tag GetTransponderInfo() const { return transponder_; }

    void Prepare();
    int DoModal();
    void accept() override;

    /// Refills the FEC list for the chosen transmission and modulation ("Auto" first); does
    /// nothing on products without DVB-S2.
    void RedrawFECComboValues();

  private:
    void FillFEC(std::uint8_t system, std::uint8_t modulation,
                 std::initializer_list<std::uint8_t> codes);
    void OnSystemChanged();
    void StoreSystem(chanforge::Transponder_Info_Tag& tp) const;
    /// False, the record untouched, when a number does not fit.
    bool StoreNumbers(chanforge::Transponder_Info_Tag& tp);

    chanforge::editing::Product product_;
    std::vector<chanforge::Satellite_Info_Tag> satellites_;
    chanforge::Transponder_Info_Tag transponder_{};
    std::vector<_comboStrValue_> fecValues_;
    QFormLayout* form_ = nullptr;
    QComboBox* satellite_ = nullptr;
    QLineEdit* frequency_ = nullptr;
    QLineEdit* symbolRate_ = nullptr;
    QLineEdit* tsid_ = nullptr;
    QLineEdit* drift_ = nullptr;
    QComboBox* polarity_ = nullptr;
    QComboBox* fec_ = nullptr;
    QComboBox* transmission_ = nullptr;
    QComboBox* modulation_ = nullptr;
    CShownControls shown_;
    bool systemChanged_ = false; ///< the FEC list was refilled for another system or modulation
};

} // namespace qpui
