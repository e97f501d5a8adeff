#include "qpui/SatelliteEditor.h"

#include "qpui/ComboValues.h"
#include "qpui/DescriptionText.h"
#include "qpui/MessageBox.h"
#include "qpui/NameEdits.h"
#include "qpui/NumberEdits.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include <cstring>

namespace qpui {

using namespace chanforge;

namespace {

constexpr int kLNBHighEntries = 14;
constexpr int kDiSEqCEntries = 7;
constexpr std::uint8_t kLNBPowerBit = 0x01;
constexpr std::uint8_t k22kHzBit = 0x04;
constexpr int kToneBurstShift = 4;
constexpr std::uint8_t kToneBurstBits = 0x30;
constexpr std::uint16_t kWord = 0xFFFF;

/// The C-LNB entries store the LNB low type 2..5; every other type shows as "User" (5).
const _comboStrValue_ kLNBLowTypes[] = {
    {QT_TRANSLATE_NOOP("ComboValues", "C Single Solu.(5150,5750)"), 2},
    {QT_TRANSLATE_NOOP("ComboValues", "C Norm. LNBF(5150)"), 3},
    {"5750", 4},
    {QT_TRANSLATE_NOOP("ComboValues", "User"), 5}};
constexpr std::uint32_t kLNBLowUser = 5;

QComboBox* Combo(const char* objectName, const QStringList& entries) {
    auto* combo = new QComboBox;
    combo->setObjectName(objectName);
    combo->addItems(entries);
    return combo;
}

QLineEdit* Edit(const char* objectName) {
    auto* edit = new QLineEdit;
    edit->setObjectName(objectName);
    return edit;
}

template <class Name> QStringList Names(int count, Name&& name) {
    QStringList out;
    for (int i = 0; i < count; ++i)
        out << QString::fromStdString(name(i));
    return out;
}

/// Selects entry index, the first one when the stored index names no entry.
void SelectIndex(QComboBox* combo, int index) {
    combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : 0);
}

} // namespace

CSatelliteEditor::CSatelliteEditor(QWidget* parent, int tuners, editing::Product product)
    : QDialog(parent), product_(product), tunerCount_(tuners) {
    setWindowTitle(tr("Satellite"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    name_ = Edit("name");
    form->addRow(tr("Satellite Name :"), name_);
    auto* degreeRow = new QHBoxLayout;
    degree_ = Edit("degree");
    eastWest_ = Combo("eastWest", {QStringLiteral("W"), QStringLiteral("E")});
    degreeRow->addWidget(degree_, 1);
    degreeRow->addWidget(eastWest_);
    form->addRow(tr("Degree :"), degreeRow);
    layout->addLayout(form);

    if (tunerCount_ == 1) {
        layout->addWidget(BuildTuner(tuners_[0]));
    } else {
        auto* row = new QHBoxLayout;
        for (int i = 0; i < tunerCount_; ++i) {
            auto* group = new QGroupBox(tr(" Tuner %1 ").arg(i + 1));
            group->setObjectName(QStringLiteral("tuner%1").arg(i + 1));
            auto* inner = new QVBoxLayout(group);
            inner->addWidget(BuildTuner(tuners_[static_cast<std::size_t>(i)]));
            row->addWidget(group);
        }
        layout->addLayout(row);
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &CSatelliteEditor::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CSatelliteEditor::reject);
    layout->addWidget(buttons);
}

QWidget* CSatelliteEditor::BuildTuner(Tuner& t) {
    auto* panel = new QWidget;
    if (tunerCount_ == 1)
        panel->setObjectName(QStringLiteral("tuner1"));
    auto* form = new QFormLayout(panel);
    form->setContentsMargins(0, 0, 0, 0);
    const int ckuEntries = product_.VoltageBandSwitch() ? 3 : 2;
    t.ckuSwitch =
        Combo("ckuSwitch", Names(ckuEntries, [&](int i) { return CKuSwitchName(i, product_); }));
    t.lnbHigh = Combo("lnbHigh", Names(kLNBHighEntries, LNBHighName));
    t.highFrequency = Edit("highFrequency");
    t.lnbLow = new QComboBox;
    t.lnbLow->setObjectName("lnbLow");
    FillComboValues(t.lnbLow, kLNBLowTypes);
    t.lowFrequency = Edit("lowFrequency");
    const QStringList offOn = {tr("Off"), tr("On")};
    t.lnbPower = Combo("lnbPower", offOn);
    t.tone22k = Combo("tone22k", offOn);
    t.toneBurst = Combo("toneBurst", {tr("Off"), tr("SAT A"), tr("SAT B")});
    t.diseqc = Combo("diseqc", Names(kDiSEqCEntries, DiSEqCName));
    t.motorPos = Edit("motorPos");
    form->addRow(tr("C/Ku switch :"), t.ckuSwitch);
    form->addRow(tr("LNB Freq :"), t.lnbHigh);
    form->addRow(tr("LNB Freq-Custom :"), t.highFrequency);
    form->addRow(tr("C-LNB Freq :"), t.lnbLow);
    form->addRow(tr("C-LNB Freq Custom :"), t.lowFrequency);
    form->addRow(tr("LNB Power :"), t.lnbPower);
    form->addRow(tr("22 KHz :"), t.tone22k);
    form->addRow(tr("Tone Burst :"), t.toneBurst);
    form->addRow(tr("DiSEqC :"), t.diseqc);
    form->addRow(tr("Motor Pos :"), t.motorPos);
    return panel;
}

void CSatelliteEditor::SetSatelliteInfo(const Satellite_Info_Tag* satellite) {
    if (satellite != nullptr)
        satellite_ = *satellite;
}

void CSatelliteEditor::ResetControls() {
    name_->clear();
    degree_->clear();
    for (QComboBox* combo : findChildren<QComboBox*>())
        combo->setCurrentIndex(0);
    for (int i = 0; i < tunerCount_; ++i) {
        const Tuner& t = tuners_[static_cast<std::size_t>(i)];
        for (QLineEdit* edit : {t.highFrequency, t.lowFrequency, t.motorPos})
            edit->clear();
    }
}

void CSatelliteEditor::ShowTuner(const Tuner& t, const LNBSetting& lnb) {
    SelectIndex(t.ckuSwitch, lnb.CKuSwitch);
    SelectIndex(t.lnbHigh, lnb.LNBHighType);
    t.highFrequency->setText(QString::number(lnb.HighFrequency));
    const bool named = lnb.LNBLowType >= 2 && lnb.LNBLowType <= 4;
    SetComboValue(t.lnbLow, kLNBLowTypes, named ? lnb.LNBLowType : kLNBLowUser);
    t.lowFrequency->setText(QString::number(lnb.LowFrequency));
    t.lnbPower->setCurrentIndex((lnb.Switches & kLNBPowerBit) != 0 ? 1 : 0);
    t.tone22k->setCurrentIndex((lnb.Switches & k22kHzBit) != 0 ? 1 : 0);
    const int burst = (lnb.Switches >> kToneBurstShift) & 3;
    t.toneBurst->setCurrentIndex(burst == 1 || burst == 2 ? burst : 0);
    SelectIndex(t.diseqc, lnb.DiSEqCMode);
    t.motorPos->setText(QString::number(lnb.MotorPos));
}

void CSatelliteEditor::Prepare() {
    ResetControls();
    if (satellite_.RowID != 0)
        name_->setText(QString::fromLatin1(
            satellite_.Name, static_cast<int>(strnlen(satellite_.Name, sizeof satellite_.Name))));
    LimitNameEdit(*name_, sizeof satellite_.Name - 1);
    shown_.Forget();
    if (satellite_.RowID == 0)
        return;
    const bool east = satellite_.Degree <= 1800;
    const int tenths = east ? satellite_.Degree : 3600 - satellite_.Degree;
    degree_->setText(QString::asprintf("%3.1f", tenths / 10.0));
    eastWest_->setCurrentIndex(east ? 1 : 0);
    for (int i = 0; i < tunerCount_; ++i)
        ShowTuner(tuners_[static_cast<std::size_t>(i)], satellite_.Tuner[i]);
    shown_.Remember(*this);
}

int CSatelliteEditor::DoModal() {
    Prepare();
    return exec();
}

bool CSatelliteEditor::StoreTuner(const Tuner& t, int index, LNBSetting& lnb) {
    const QString suffix = tunerCount_ > 1 ? tr(" (Tuner %1)").arg(index + 1) : QString();
    LNBSetting out = lnb;
    const auto number = [&](QLineEdit* edit, const QString& label, std::uint16_t& field) {
        if (!shown_.Changed(edit))
            return true;
        const auto value = ReadNumberEdit(this, edit, label + suffix, kWord);
        if (value)
            field = static_cast<std::uint16_t>(*value);
        return value.has_value();
    };
    if (!number(t.highFrequency, tr("LNB Freq-Custom"), out.HighFrequency) ||
        !number(t.lowFrequency, tr("C-LNB Freq Custom"), out.LowFrequency) ||
        !number(t.motorPos, tr("Motor Pos"), out.MotorPos))
        return false;
    if (shown_.Changed(t.ckuSwitch))
        out.CKuSwitch = static_cast<std::uint16_t>(t.ckuSwitch->currentIndex());
    if (shown_.Changed(t.lnbHigh))
        out.LNBHighType = static_cast<std::uint8_t>(t.lnbHigh->currentIndex());
    if (shown_.Changed(t.lnbLow))
        out.LNBLowType = static_cast<std::uint8_t>(GetComboValue(t.lnbLow, kLNBLowTypes));
    // Each switch drop-down owns its bits; the bits no control shows keep the receiver's value.
    const auto bits = [&](QComboBox* combo, std::uint8_t mask, int value) {
        if (shown_.Changed(combo))
            out.Switches = static_cast<std::uint8_t>((out.Switches & ~mask) | (value & mask));
    };
    bits(t.lnbPower, kLNBPowerBit, t.lnbPower->currentIndex() == 1 ? kLNBPowerBit : 0);
    bits(t.tone22k, k22kHzBit, t.tone22k->currentIndex() == 1 ? k22kHzBit : 0);
    bits(t.toneBurst, kToneBurstBits, t.toneBurst->currentIndex() << kToneBurstShift);
    if (shown_.Changed(t.diseqc))
        out.DiSEqCMode = static_cast<std::uint8_t>(t.diseqc->currentIndex());
    lnb = out;
    return true;
}

void CSatelliteEditor::accept() {
    const QByteArray name = name_->text().toLatin1();
    if (!NameFits(this, name, sizeof satellite_.Name - 1))
        return;
    Satellite_Info_Tag sat = satellite_;
    if (shown_.AnyChanged({degree_, eastWest_})) {
        const auto tenths = ReadDegreeEdit(this, degree_);
        if (!tenths)
            return;
        const bool east = eastWest_->currentIndex() == 1;
        sat.Degree = static_cast<std::uint16_t>(east ? *tenths : 3600 - *tenths);
    }
    if (shown_.Changed(name_)) {
        std::memset(sat.Name, 0, sizeof sat.Name);
        std::memcpy(sat.Name, name.constData(), static_cast<std::size_t>(name.size()));
    }
    for (int i = 0; i < tunerCount_; ++i)
        if (!StoreTuner(tuners_[static_cast<std::size_t>(i)], i, sat.Tuner[i]))
            return;
    satellite_ = sat;
    QDialog::accept();
}

} // namespace qpui
