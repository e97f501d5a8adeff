// The satellite editors: name, orbital position and, per tuner, the LNB, switch and motor
// settings. CDlgSATAddUpdate edits the first tuner block, CDlgSAT2AddUpdate both.
#pragma once

#include "chanforge/Records.h"
#include "chanforge/editing/Product.h"
#include "qpui/ShownControls.h"

#include <QDialog>

#include <array>

class QComboBox;
class QFormLayout;
class QLineEdit;

namespace qpui {

class CSatelliteEditor : public QDialog {
    Q_OBJECT
  public:
    /// A record whose RowID is 0 is new: the controls keep their defaults.
    void SetSatelliteInfo(const chanforge::Satellite_Info_Tag* satellite);
    chanforge::Satellite_Info_Tag GetSatelliteInfo() const { return satellite_; }

    /// Fills the controls from the record, as opening the dialog does.
    void Prepare();
    /// Prepare, then run modally; QDialog::Accepted or Rejected.
    int DoModal();
    void accept() override;

  protected:
    CSatelliteEditor(QWidget* parent, int tuners, chanforge::editing::Product product);

  private:
    /// The controls of one tuner block.
    struct Tuner {
        QComboBox* ckuSwitch = nullptr;
        QComboBox* lnbHigh = nullptr;
        QLineEdit* highFrequency = nullptr;
        QComboBox* lnbLow = nullptr;
        QLineEdit* lowFrequency = nullptr;
        QComboBox* lnbPower = nullptr;
        QComboBox* tone22k = nullptr;
        QComboBox* toneBurst = nullptr;
        QComboBox* diseqc = nullptr;
        QLineEdit* motorPos = nullptr;
    };

    QWidget* BuildTuner(Tuner& tuner);
    static void ShowTuner(const Tuner& tuner, const chanforge::LNBSetting& lnb);
    /// False, the record untouched, when a number does not fit. Only the fields of controls the
    /// operator changed are stored.
    bool StoreTuner(const Tuner& tuner, int index, chanforge::LNBSetting& lnb);
    void ResetControls();

    chanforge::editing::Product product_;
    int tunerCount_;
    chanforge::Satellite_Info_Tag satellite_{};
    QLineEdit* name_ = nullptr;
    QLineEdit* degree_ = nullptr;
    QComboBox* eastWest_ = nullptr;
    std::array<Tuner, 2> tuners_{};
    CShownControls shown_;
};

/// One-tuner satellite editor ("Satellite").
class CDlgSATAddUpdate : public CSatelliteEditor {
    Q_OBJECT
  public:
    CDlgSATAddUpdate(QWidget* parent, chanforge::editing::Product product)
        : CSatelliteEditor(parent, 1, product) {}
};

/// Two-tuner satellite editor: the tuner controls twice, grouped " Tuner 1 " and " Tuner 2 ".
class CDlgSAT2AddUpdate : public CSatelliteEditor {
    Q_OBJECT
  public:
    CDlgSAT2AddUpdate(QWidget* parent, chanforge::editing::Product product)
        : CSatelliteEditor(parent, 2, product) {}
};

} // namespace qpui
