#include "TransponderUpdateDialog.h"

#include "FileDialogs.h"
#include "PhraseText.h"
#include "TickBoxes.h"

#include "chanforge/TableAccess.h"
#include "chanforge/editing/ChannelName.h"
#include "chanforge/editing/DeliveryLists.h"
#include "chanforge/editing/DeliveryText.h"
#include "chanforge/transponders/Readers.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <cstring>

namespace chanforge::app {

using transponders::LineKind;
using transponders::UpdateLine;

namespace {

QString SatelliteText(const Satellite_Info_Tag& satellite) {
    return QStringLiteral("%1  %2").arg(
        QString::fromStdString(editing::DegreeText(satellite.Degree)),
        QString::fromLatin1(satellite.Name, static_cast<qsizetype>(
                                                strnlen(satellite.Name, sizeof satellite.Name))));
}

QString ChannelNames(tabstore::CQoDB& db, const editing::RowIds& keys) {
    QStringList names;
    for (std::uint32_t key : keys)
        if (const auto* ch = GetRow<Channel_Info_Tag>(db, kChannelTable, key))
            names << QString::fromStdString(editing::NameText(*ch));
    return names.join(QStringLiteral(", "));
}

} // namespace

CTransponderUpdateDialog::CTransponderUpdateDialog(tabstore::CQoDB& db, editing::Product product,
                                                   QWidget* parent)
    : QDialog(parent), db_(db), product_(product) {
    setObjectName("transponderUpdateDialog");
    setWindowTitle(tr("Update transponders"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    satellites_ = new QComboBox;
    satellites_->setObjectName("transponderSatellite");
    for (std::uint32_t key : editing::ListRows(db, editing::ListKind::Satellite, product)) {
        const auto& satellite = *GetRow<Satellite_Info_Tag>(db, kSatelliteTable, key);
        satellites_->addItem(SatelliteText(satellite),
                             transponders::PositionOfDegree(satellite.Degree));
    }
    // No position: the table's one network or region.
    if (product.Cable())
        AddMultiplexes(tr("Cable multiplexes"), Delivery::Cable);
    if (product.Terrestrial())
        AddMultiplexes(tr("Terrestrial multiplexes"), Delivery::Terrestrial);
    form->addRow(tr("&Satellite:"), satellites_);
    auto* sourceRow = new QHBoxLayout;
    sources_ = new QComboBox;
    sources_->setObjectName("transponderSource");
    sourceRow->addWidget(sources_, 1);
    auto* file = new QPushButton(tr("&File…"));
    file->setObjectName("transponderFile");
    sourceRow->addWidget(file);
    auto* tableLabel = new QLabel(tr("Ta&ble:"));
    tableLabel->setBuddy(sources_);
    form->addRow(tableLabel, sourceRow);
    layout->addLayout(form);
    lines_ = new QTreeWidget;
    lines_->setObjectName("transponderLines");
    lines_->setRootIsDecorated(false);
    lines_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lines_->setHeaderLabels({tr("Change"), tr("In the list"), tr("In the table"), tr("Channels")});
    layout->addWidget(lines_, 1);
    ticks_ = new CTickBoxes(*lines_);
    layout->addLayout(ticks_->Buttons(this));
    notes_ = new QLabel;
    notes_->setObjectName("transponderNotes");
    notes_->setWordWrap(true);
    layout->addWidget(notes_);
    summary_ = new QLabel;
    summary_->setObjectName("transponderSummary");
    summary_->setWordWrap(true);
    layout->addWidget(summary_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel);
    apply_ = buttons->addButton(tr("Apply"), QDialogButtonBox::AcceptRole);
    apply_->setObjectName("applyTransponders");
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(file, &QPushButton::clicked, this, &CTransponderUpdateDialog::ChooseFile);
    connect(satellites_, &QComboBox::currentIndexChanged, this,
            &CTransponderUpdateDialog::OfferScanTables);
    connect(sources_, &QComboBox::currentIndexChanged, this, &CTransponderUpdateDialog::Compare);
    connect(ticks_, &CTickBoxes::Changed, this, &CTransponderUpdateDialog::Count);
    resize(760, 460);
    OfferScanTables();
}

void CTransponderUpdateDialog::UseFile(const QString& path) {
    files_.removeAll(path);
    files_.prepend(path);
    OfferScanTables();
}

void CTransponderUpdateDialog::ChooseFile() {
    const QString path =
        AskOpenPath(this, tr("Transponder table"),
                    {tr("Transponder tables (*.xml *E *W)"), tr("All Files(*.*)")});
    if (!path.isEmpty())
        UseFile(path);
}

/// The chosen files, then the system's scan tables of the satellite's position.
void CTransponderUpdateDialog::OfferScanTables() {
    const QSignalBlocker quiet(sources_);
    sources_->clear();
    for (const QString& path : files_)
        sources_->addItem(QFileInfo(path).fileName(), path);
    std::vector<std::string> tables;
    if (const std::optional<int> position = Position())
        tables = transponders::ScanTablesFor(transponders::kSystemScanTables, *position);
    else if (Chosen() == Delivery::Cable)
        tables = transponders::ScanTablesIn(transponders::kSystemCableTables);
    else if (Chosen() == Delivery::Terrestrial)
        tables = transponders::ScanTablesIn(transponders::kSystemTerrestrialTables);
    for (const std::string& table : tables)
        sources_->addItem(tr("%1 (scan table of the system)")
                              .arg(QFileInfo(QString::fromStdString(table)).fileName()),
                          QString::fromStdString(table));
    Compare();
}

namespace {

constexpr int kDeliveryRole = Qt::UserRole + 1;

} // namespace

void CTransponderUpdateDialog::AddMultiplexes(const QString& text, Delivery delivery) {
    satellites_->addItem(text);
    satellites_->setItemData(satellites_->count() - 1, static_cast<int>(delivery), kDeliveryRole);
}

CTransponderUpdateDialog::Delivery CTransponderUpdateDialog::Chosen() const {
    return static_cast<Delivery>(satellites_->currentData(kDeliveryRole).toInt());
}

std::optional<int> CTransponderUpdateDialog::Position() const {
    const QVariant position = satellites_->currentData();
    return position.isValid() ? std::optional<int>(position.toInt()) : std::nullopt;
}

void CTransponderUpdateDialog::Compare() {
    plan_ = {};
    notes_->clear();
    if (sources_->currentIndex() < 0) {
        notes_->setText(satellites_->count() == 0
                            ? tr("The list has no satellite.")
                            : tr("Choose a table: satellites.xml or a DVB scan table."));
        Fill();
        return;
    }
    transponders::Source source;
    const transponders::SourceResult read = transponders::ReadSource(
        QFile::encodeName(sources_->currentData().toString()).toStdString(), source);
    QStringList notes;
    if (!read.ok)
        notes << Translated(read.message);
    for (const utils::Phrase& skipped : source.skipped)
        notes << tr("Left out: %1").arg(Translated(skipped));
    // Only what the first box chose: the table's satellites, its cable network or its region.
    if (Chosen() != Delivery::Satellite)
        source.satellites.clear();
    if (Chosen() != Delivery::Cable)
        source.cables.clear();
    if (Chosen() != Delivery::Terrestrial)
        source.terrestrials.clear();
    if (read.ok)
        if (const transponders::PlanResult planned =
                transponders::PlanUpdate(db_, product_, source, Position(), plan_);
            !planned.ok)
            notes << Translated(planned.message);
    for (const transponders::TerrestrialCarrier& carrier : plan_.offRaster)
        notes << tr("Left out: line %1: %2 is on no free channel of the country's raster")
                     .arg(carrier.line)
                     .arg(
                         QString::fromStdString(editing::CableFrequencyText(carrier.frequencyKHz)));
    notes_->setText(notes.join(QLatin1Char('\n')));
    Fill();
}

void CTransponderUpdateDialog::Fill() {
    lines_->clear();
    for (const UpdateLine& line : plan_.lines) {
        auto* item = new QTreeWidgetItem(
            lines_,
            {QCoreApplication::translate("Transponders", transponders::LineKindText(line.kind)),
             QString::fromStdString(transponders::LineText(line, false, product_)),
             QString::fromStdString(transponders::LineText(line, true, product_)),
             ChannelNames(db_, line.channels)});
        item->setCheckState(0, Qt::Checked);
    }
    for (int column = 0; column < 3; ++column)
        lines_->resizeColumnToContents(column);
    Count();
}

void CTransponderUpdateDialog::Count() {
    leftOut_ = ticks_->Unticked();
    int counts[3] = {};
    for (std::size_t i = 0; i < plan_.lines.size(); ++i)
        if (!leftOut_.contains(i))
            ++counts[static_cast<int>(plan_.lines[i].kind)];
    summary_->setText(plan_.lines.empty() && plan_.satellites + plan_.networks > 0
                          ? tr("The transponders are as the table lists them.")
                          : tr("Changed: %1, new: %2, deleted: %3.")
                                .arg(counts[0])
                                .arg(counts[1])
                                .arg(counts[2]));
    apply_->setEnabled(counts[0] + counts[1] + counts[2] > 0);
}

} // namespace chanforge::app
