#include "qpui/DlgCableMuxAddUpdate.h"

#include "qpui/ComboValues.h"
#include "qpui/NumberEdits.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace qpui {

using namespace chanforge;

namespace {

const _comboStrValue_ kConstellations[] = {
    {"16 QAM", 1}, {"32 QAM", 2}, {"64 QAM", 3}, {"128 QAM", 4}, {"256 QAM", 5}};

/// Outside product list 10 the constellation sits above the two spectrum inversion bits.
constexpr int kConstellationShift = 2;
constexpr std::uint8_t kInversionBits = 0x03;

} // namespace

CDlgCableMuxAddUpdate::CDlgCableMuxAddUpdate(QWidget* parent, editing::Product product)
    : QDialog(parent), product_(product) {
    //: Window title: a cable multiplex (one carrier frequency), a noun.
    setWindowTitle(tr("Mux"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    frequency_ = new QLineEdit;
    frequency_->setObjectName("frequency");
    symbolRate_ = new QLineEdit;
    symbolRate_->setObjectName("symbolRate");
    constellation_ = new QComboBox;
    constellation_->setObjectName("constellation");
    FillComboValues(constellation_, kConstellations);
    form->addRow(tr("Frequency :"), frequency_);
    form->addRow(tr("Symbol Rate :"), symbolRate_);
    form->addRow(tr("Constellation :"), constellation_);
    layout->addLayout(form);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &CDlgCableMuxAddUpdate::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CDlgCableMuxAddUpdate::reject);
    layout->addWidget(buttons);
}

void CDlgCableMuxAddUpdate::SetCableInfo(const CableMux_Info_Tag* mux) {
    if (mux != nullptr)
        mux_ = *mux;
}

void CDlgCableMuxAddUpdate::Prepare() {
    frequency_->setText(QStringLiteral("0"));
    symbolRate_->setText(QStringLiteral("0"));
    constellation_->setCurrentIndex(0);
    shown_.Forget();
    if (mux_.RowID == 0)
        return;
    frequency_->setText(QString::number(mux_.Frequency));
    symbolRate_->setText(QString::number(mux_.SymbolRate));
    const std::uint32_t code = product_.SeparateCableInversion()
                                   ? mux_.Modulation
                                   : mux_.Modulation >> kConstellationShift;
    SetComboValue(constellation_, kConstellations, code);
    shown_.Remember(*this);
}

int CDlgCableMuxAddUpdate::DoModal() {
    Prepare();
    return exec();
}

void CDlgCableMuxAddUpdate::accept() {
    CableMux_Info_Tag mux = mux_;
    if (shown_.Changed(frequency_)) {
        const auto frequency = ReadNumberEdit(this, frequency_, tr("Frequency"), 0xFFFFFFFFu);
        if (!frequency)
            return;
        mux.Frequency = *frequency;
    }
    if (shown_.Changed(symbolRate_)) {
        const auto symbolRate = ReadNumberEdit(this, symbolRate_, tr("Symbol Rate"), 0xFFFF);
        if (!symbolRate)
            return;
        mux.SymbolRate = static_cast<std::uint16_t>(*symbolRate);
    }
    // A stored constellation the list lacks opened as the first entry: it stays unless chosen.
    if (shown_.Changed(constellation_)) {
        const std::uint32_t code = GetComboValue(constellation_, kConstellations);
        // The dialog has no control for the inversion bits: they keep the receiver's setting.
        mux.Modulation = static_cast<std::uint8_t>(product_.SeparateCableInversion()
                                                       ? code
                                                       : (code << kConstellationShift) |
                                                             (mux.Modulation & kInversionBits));
    }
    mux_ = mux;
    QDialog::accept();
}

} // namespace qpui
