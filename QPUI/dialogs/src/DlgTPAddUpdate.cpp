#include "qpui/DlgTPAddUpdate.h"

#include "qpui/NumberEdits.h"
#include "utils/Names.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include <algorithm>
#include <cstring>

namespace qpui {

using namespace chanforge;

namespace {

constexpr std::uint32_t kWord = 0xFFFF;
constexpr std::uint8_t kHorizontalBit = 0x01;
constexpr std::uint8_t kFECMask = 0xF0;
constexpr std::uint8_t kSystemMask = 0x0F; ///< TxMode's high nibble holds the DVB-S2 pilot
constexpr std::uint32_t kHorizontal = 2;

const _comboStrValue_ kPolarities[] = {{QT_TRANSLATE_NOOP("ComboValues", "Vertical"), 1},
                                       {QT_TRANSLATE_NOOP("ComboValues", "Horizontal"), 2}};

QLineEdit* Edit(const char* objectName) {
    auto* edit = new QLineEdit;
    edit->setObjectName(objectName);
    return edit;
}

QComboBox* Combo(const char* objectName) {
    auto* combo = new QComboBox;
    combo->setObjectName(objectName);
    return combo;
}

_comboStrValue_ FECEntry(std::uint8_t system, std::uint8_t modulation, std::uint8_t code) {
    _comboStrValue_ entry{};
    GetFECName(system, modulation, code, entry.text);
    entry.value = code;
    return entry;
}

} // namespace

CDlgTPAddUpdate::CDlgTPAddUpdate(QWidget* parent, editing::Product product)
    : QDialog(parent), product_(product) {
    setWindowTitle(tr("Transponder"));
    auto* layout = new QVBoxLayout(this);
    form_ = new QFormLayout;
    satellite_ = Combo("satellite");
    frequency_ = Edit("frequency");
    symbolRate_ = Edit("symbolRate");
    tsid_ = Edit("tsid");
    drift_ = Edit("drift");
    polarity_ = Combo("polarity");
    FillComboValues(polarity_, kPolarities);
    fec_ = Combo("fec");
    form_->addRow(tr("Satellite :"), satellite_);
    form_->addRow(tr("Frequency :"), frequency_);
    form_->addRow(tr("Symbol Rate :"), symbolRate_);
    form_->addRow(tr("TS ID :"), tsid_);
    form_->addRow(tr("Drift :"), drift_);
    form_->addRow(tr("Polarity :"), polarity_);
    form_->addRow(tr("FEC :"), fec_);
    if (product_.ExtendedTransponders()) {
        transmission_ = Combo("transmission");
        transmission_->addItems({QStringLiteral("DVB-S"), QStringLiteral("DVB-S2")});
        modulation_ = Combo("modulation");
        modulation_->addItems({QStringLiteral("QPSK"), QStringLiteral("8PSK")});
        form_->addRow(tr("Transmission :"), transmission_);
        form_->addRow(tr("Modulation :"), modulation_);
        connect(transmission_, &QComboBox::currentIndexChanged, this,
                &CDlgTPAddUpdate::OnSystemChanged);
        connect(modulation_, &QComboBox::currentIndexChanged, this,
                &CDlgTPAddUpdate::OnSystemChanged);
    }
    layout->addLayout(form_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &CDlgTPAddUpdate::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CDlgTPAddUpdate::reject);
    layout->addWidget(buttons);
}

void CDlgTPAddUpdate::AddSatList(const Satellite_Info_Tag* satellite) {
    if (satellite != nullptr)
        satellites_.push_back(*satellite);
}

void CDlgTPAddUpdate::SetTransponderInfo(const Transponder_Info_Tag* transponder) {
    if (transponder != nullptr)
        transponder_ = *transponder;
}

void CDlgTPAddUpdate::FillFEC(std::uint8_t system, std::uint8_t modulation,
                              std::initializer_list<std::uint8_t> codes) {
    fecValues_.clear();
    for (std::uint8_t code : codes)
        fecValues_.push_back(FECEntry(system, modulation, code));
    FillComboValues(fec_, fecValues_);
}

// Code 0 is named "Auto" in every column of the FEC names.
void CDlgTPAddUpdate::RedrawFECComboValues() {
    if (!product_.ExtendedTransponders())
        return;
    if (transmission_->currentIndex() != 1)
        FillFEC(0, 0, {0, 16, 32, 64, 128, 240});
    else if (modulation_->currentIndex() == 1)
        FillFEC(1, 1, {0, 16, 32, 48, 64, 80, 96});
    else
        FillFEC(1, 0, {0, 16, 32, 48, 64, 80, 96, 112, 128});
}

void CDlgTPAddUpdate::OnSystemChanged() {
    // The code rate chosen stays chosen when the new system offers it too, under its own code.
    const QString chosen = fec_->currentText();
    RedrawFECComboValues();
    fec_->setCurrentIndex(std::max(0, fec_->findText(chosen)));
    systemChanged_ = true;
    fec_->setFocus();
}

void CDlgTPAddUpdate::Prepare() {
    satellite_->clear();
    for (const Satellite_Info_Tag& s : satellites_)
        satellite_->addItem(
            QString::fromLatin1(s.Name, static_cast<int>(strnlen(s.Name, sizeof s.Name))),
            static_cast<unsigned>(s.SatID));
    const int chosen = satellite_->findData(static_cast<unsigned>(transponder_.SatID));
    satellite_->setCurrentIndex(chosen >= 0 ? chosen : 0);
    SetComboValue(polarity_, kPolarities,
                  (transponder_.PolFEC & kHorizontalBit) != 0 ? kHorizontal : 1);
    FillFEC(0, 0, {0, 16, 32, 64, 128, 240});
    if (product_.ExtendedTransponders()) {
        const QSignalBlocker blockSystem(transmission_);
        const QSignalBlocker blockModulation(modulation_);
        const int system = transponder_.TxMode & kSystemMask;
        transmission_->setCurrentIndex(system < transmission_->count() ? system : 0);
        modulation_->setCurrentIndex(
            transponder_.Modulation < modulation_->count() ? transponder_.Modulation : 0);
        RedrawFECComboValues();
    }
    fec_->setCurrentIndex(0);
    systemChanged_ = false;
    shown_.Forget();
    if (transponder_.RowID == 0) {
        for (QLineEdit* edit : {frequency_, symbolRate_, tsid_, drift_})
            edit->clear();
        return;
    }
    frequency_->setText(QString::number(transponder_.Frequency));
    symbolRate_->setText(QString::number(transponder_.SymbolRate));
    tsid_->setText(QString::number(transponder_.TSID));
    drift_->setText(QString::number(transponder_.Drift));
    SetComboValue(fec_, fecValues_, transponder_.PolFEC & kFECMask);
    shown_.Remember(*this);
}

int CDlgTPAddUpdate::DoModal() {
    Prepare();
    return exec();
}

bool CDlgTPAddUpdate::StoreNumbers(Transponder_Info_Tag& tp) {
    const struct {
        QLineEdit* edit;
        const char* label;
        std::uint16_t& field;
    } numbers[] = {{frequency_, QT_TR_NOOP("Frequency"), tp.Frequency},
                   {symbolRate_, QT_TR_NOOP("Symbol Rate"), tp.SymbolRate},
                   {tsid_, QT_TR_NOOP("TS ID"), tp.TSID},
                   {drift_, QT_TR_NOOP("Drift"), tp.Drift}};
    for (const auto& n : numbers) {
        if (!shown_.Changed(n.edit))
            continue;
        const auto value = ReadNumberEdit(this, n.edit, tr(n.label), kWord);
        if (!value)
            return false;
        n.field = static_cast<std::uint16_t>(*value);
    }
    return true;
}

void CDlgTPAddUpdate::accept() {
    Transponder_Info_Tag tp = transponder_;
    if (!StoreNumbers(tp))
        return;
    // With no satellite to choose from, the record keeps the one it came with.
    if (satellite_->currentIndex() >= 0 && shown_.Changed(satellite_))
        tp.SatID = static_cast<std::uint8_t>(satellite_->currentData().toUInt());
    // Bits the dialog has no control for keep the receiver's setting.
    if (shown_.Changed(polarity_))
        tp.PolFEC = static_cast<std::uint8_t>(
            (tp.PolFEC & ~kHorizontalBit) |
            (GetComboValue(polarity_, kPolarities) == kHorizontal ? kHorizontalBit : 0));
    // A stored code rate the list lacks opened as "Auto": it stays unless the operator chose.
    if (systemChanged_ || shown_.Changed(fec_))
        tp.PolFEC =
            static_cast<std::uint8_t>((tp.PolFEC & ~kFECMask) | GetComboValue(fec_, fecValues_));
    if (product_.ExtendedTransponders())
        StoreSystem(tp);
    transponder_ = tp;
    QDialog::accept();
}

// The pilot bits have no control, and a stored system or modulation the lists cannot show
// opened as the first entry: each changes only when the operator picks another entry.
void CDlgTPAddUpdate::StoreSystem(Transponder_Info_Tag& tp) const {
    if (shown_.Changed(transmission_))
        tp.TxMode =
            static_cast<std::uint8_t>((tp.TxMode & ~kSystemMask) | transmission_->currentIndex());
    if (shown_.Changed(modulation_))
        tp.Modulation = static_cast<std::uint8_t>(modulation_->currentIndex());
}

} // namespace qpui
