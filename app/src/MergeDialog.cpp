#include "MergeDialog.h"

#include "PhraseText.h"
#include "TickBoxes.h"

#include "chanforge/editing/DeliveryText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <set>

namespace chanforge::app {

namespace {

using namespace chanforge::merge;
using reference::Delivery;

enum Column { kChannel, kKind, kCarrier, kAction, kNumberHere, kDetails };

QString ActionWord(Action action) {
    return QCoreApplication::translate("Merge", ActionText(action));
}

QString TableWord(TableId table) {
    switch (table) {
    case kSatelliteTable:
        return CMergeDialog::tr("Satellites");
    case kTransponderTable:
        return CMergeDialog::tr("Transponders");
    case kTerrestrialMuxTable:
    case kCableMuxTable:
        return CMergeDialog::tr("Multiplexes");
    case kProviderTable:
        return CMergeDialog::tr("Providers");
    default:
        return CMergeDialog::tr("Channels");
    }
}

QString MethodWord(reference::Method method) {
    switch (method) {
    case reference::Method::Carrier:
        return CMergeDialog::tr("found by carrier and service");
    case reference::Method::ServiceIds:
        return CMergeDialog::tr("found by service and stream ids");
    default:
        return CMergeDialog::tr("found by name");
    }
}

/// A record's text: bytes of no code table, shown as Latin-1.
QString Latin1(const std::string& bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

} // namespace

CMergeDialog::CMergeDialog(const QString& source, const Incoming& incoming, Planner planner,
                           QWidget* parent)
    : QDialog(parent), incoming_(incoming), planner_(std::move(planner)) {
    setObjectName("mergeDialog");
    setWindowTitle(tr("Merge from %1").arg(source));
    auto* layout = new QVBoxLayout(this);
    summary_ = new QLabel(this);
    summary_->setObjectName("mergeSummary");
    summary_->setWordWrap(true);
    layout->addWidget(summary_);
    room_ = new QLabel(this);
    room_->setObjectName("mergeRoom");
    room_->setWordWrap(true);
    layout->addWidget(room_);
    BuildOptions();
    auto* tabs = new QTabWidget(this);
    auto* channels = new QWidget(tabs);
    auto* channelsLayout = new QVBoxLayout(channels);
    channelsLayout->setContentsMargins(0, 0, 0, 0);
    lines_ = new QTableWidget(0, 6, channels);
    lines_->setObjectName("mergeLines");
    lines_->setHorizontalHeaderLabels({tr("Channel"), tr("Kind"), tr("Satellite"), tr("Action"),
                                       tr("Number here"), tr("Details")});
    lines_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lines_->setSelectionBehavior(QAbstractItemView::SelectRows);
    lines_->verticalHeader()->hide();
    lines_->horizontalHeader()->setStretchLastSection(true);
    ticks_ = new CTickBoxes(*lines_);
    channelsLayout->addWidget(lines_, 1);
    channelsLayout->addLayout(ticks_->Buttons(channels));
    tabs->addTab(channels, tr("Channels of the other list"));
    // Planning afresh fills the table anew: not while a tick's item is still being changed.
    connect(ticks_, &CTickBoxes::Changed, this, &CMergeDialog::Replan, Qt::QueuedConnection);
    created_ = new QTreeWidget(tabs);
    created_->setObjectName("mergeCreated");
    created_->setRootIsDecorated(false);
    created_->setHeaderLabels({tr("Table"), tr("Record")});
    tabs->addTab(created_, tr("Records to create"));
    layout->addWidget(tabs, 1);
    auto* box = new QDialogButtonBox(this);
    apply_ = box->addButton(tr("Apply"), QDialogButtonBox::AcceptRole);
    apply_->setObjectName("apply");
    box->addButton(QDialogButtonBox::Cancel)->setObjectName("cancel");
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(box);
    resize(960, 600);
    Replan();
}

void CMergeDialog::BuildOptions() {
    auto* row = new QHBoxLayout;
    auto* form = new QFormLayout;
    numbers_ = new QComboBox(this);
    numbers_->setObjectName("mergeNumbers");
    numbers_->addItems({tr("After the last of their kind"), tr("Keep their numbers where free"),
                        tr("Fill the gaps")});
    form->addRow(tr("Added channels' n&umbers"), numbers_);
    satellite_ = new QComboBox(this);
    satellite_->setObjectName("mergeSatellite");
    satellite_->addItem(tr("All satellites"));
    std::set<QString> carriers;
    for (std::size_t i = 0; i < incoming_.services.size(); ++i)
        carriers.insert(CarrierText(i));
    for (const QString& c : carriers)
        satellite_->addItem(c);
    kind_ = new QComboBox(this);
    kind_->setObjectName("mergeKind");
    kind_->addItems({tr("TV and radio"), tr("TV"), tr("Radio")});
    auto* filters = new QHBoxLayout;
    filters->addWidget(satellite_);
    filters->addWidget(kind_);
    auto* shown = new QLabel(tr("Show &only"), this);
    shown->setBuddy(satellite_);
    form->addRow(shown, filters);
    row->addLayout(form);
    auto* updates = new QVBoxLayout;
    updates->addWidget(new QLabel(tr("Channels already here take:"), this));
    flags_ = new QCheckBox(tr("&Locks and skips"), this);
    favourites_ = new QCheckBox(tr("&Favourites"), this);
    names_ = new QCheckBox(tr("Na&mes"), this);
    flags_->setObjectName("updateFlags");
    favourites_->setObjectName("updateFavourites");
    names_->setObjectName("updateNames");
    for (QCheckBox* box : {flags_, favourites_, names_}) {
        updates->addWidget(box);
        connect(box, &QCheckBox::toggled, this, &CMergeDialog::Replan);
    }
    row->addLayout(updates);
    row->addStretch();
    static_cast<QVBoxLayout*>(layout())->addLayout(row);
    connect(numbers_, &QComboBox::currentIndexChanged, this, &CMergeDialog::Replan);
    connect(satellite_, &QComboBox::currentIndexChanged, this, &CMergeDialog::Filter);
    connect(kind_, &QComboBox::currentIndexChanged, this, &CMergeDialog::Filter);
}

void CMergeDialog::Replan() {
    MergeOptions options;
    options.update = static_cast<std::uint8_t>((flags_->isChecked() ? kUpdateFlags : 0) |
                                               (favourites_->isChecked() ? kUpdateFavorites : 0) |
                                               (names_->isChecked() ? kUpdateNames : 0));
    options.numbers = static_cast<Numbers>(numbers_->currentIndex());
    plan_ = planner_(options, lines_->rowCount() == 0 ? editing::LeftOut{} : ticks_->Unticked());
    summary_->setText(tr("To add: %1. To update: %2. Already here: %3. Cannot add: %4. Records to "
                         "create: %5.")
                          .arg(plan_.Count(Action::Add))
                          .arg(plan_.Count(Action::Update))
                          .arg(plan_.Count(Action::AlreadyHere))
                          .arg(plan_.Count(Action::CannotAdd))
                          .arg(plan_.created.size()));
    QStringList room;
    for (const Room& r : plan_.room)
        room << tr("%1 %2 of %3").arg(TableWord(r.table)).arg(r.now + r.added).arg(r.capacity);
    room_->setText(tr("After Apply: %1.").arg(room.join(QStringLiteral(", "))));
    apply_->setEnabled(plan_.Count(Action::Add) + plan_.Count(Action::Update) > 0);
    FillLines();
    FillCreated();
    Filter();
}

QString CMergeDialog::CarrierText(std::size_t line) const {
    const reference::Carrier& c = incoming_.services[line].carrier;
    switch (c.delivery) {
    case Delivery::Satellite:
        return QString::fromStdString(editing::DegreeText(c.degree));
    case Delivery::Terrestrial:
        return tr("Terrestrial");
    case Delivery::Cable:
        return tr("Cable");
    case Delivery::Unknown:
        break;
    }
    return tr("Unknown");
}

QString CMergeDialog::Details(const MergeLine& line) const {
    switch (line.action) {
    case Action::CannotAdd:
        return Translated(line.reason);
    case Action::AlreadyHere:
        return MethodWord(line.method);
    case Action::Update: {
        QStringList changes;
        if (line.after.locked != line.before.locked || line.after.skipped != line.before.skipped)
            changes << tr("locks and skips");
        if (line.after.favorite != line.before.favorite)
            changes << tr("favourites");
        if (line.after.name != line.before.name)
            changes << tr("name");
        return changes.join(QStringLiteral(", "));
    }
    case Action::Add:
        break;
    }
    return {};
}

void CMergeDialog::FillLines() {
    lines_->setRowCount(static_cast<int>(plan_.lines.size()));
    for (std::size_t i = 0; i < plan_.lines.size(); ++i) {
        const MergeLine& line = plan_.lines[i];
        const reference::Service& s = incoming_.services[i];
        const bool added = line.action == Action::Add && !line.leftOut;
        const QStringList cells = {
            QStringLiteral("%1 %2").arg(s.number).arg(QString::fromStdString(s.name)),
            s.kind == reference::Kind::TV ? tr("TV") : tr("Radio"),
            CarrierText(i),
            ActionWord(line.action),
            added ? QString::number(line.number) : QString(),
            Details(line)};
        for (int c = 0; c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            if (c == kChannel)
                item->setCheckState(CTickBoxes::StateFor(line.leftOut));
            lines_->setItem(static_cast<int>(i), c, item);
        }
    }
    lines_->resizeColumnsToContents();
}

void CMergeDialog::FillCreated() {
    created_->clear();
    for (const NewRecord& r : plan_.created)
        new QTreeWidgetItem(created_, {TableWord(r.table), Latin1(r.text)});
    created_->resizeColumnToContents(0);
}

void CMergeDialog::Filter() {
    const QString carrier = satellite_->currentIndex() == 0 ? QString() : satellite_->currentText();
    const int kind = kind_->currentIndex();
    for (int row = 0; row < lines_->rowCount(); ++row) {
        const reference::Service& s = incoming_.services[static_cast<std::size_t>(row)];
        const bool kindShown = kind == 0 || (kind == 1) == (s.kind == reference::Kind::TV);
        lines_->setRowHidden(row, !kindShown || (!carrier.isEmpty() &&
                                                 lines_->item(row, kCarrier)->text() != carrier));
    }
}

} // namespace chanforge::app
