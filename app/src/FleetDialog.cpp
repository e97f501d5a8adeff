#include "FleetDialog.h"

#include "FileDialogs.h"
#include "chanforge/fleet/UnitReport.h"
#include "qpui/MessageBox.h"
#include "qpui/PortChoice.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace chanforge::app {

namespace {

enum PortColumn { kPortColumn, kStateColumn, kBarColumn, kRepeatColumn };

QString ResultText(fleet::UnitResult result) {
    return QCoreApplication::translate("Fleet", fleet::ResultWord(result));
}

} // namespace

CFleetDialog::CFleetDialog(fleet::FleetJob job, transfer::TransferLine line, std::string logFolder,
                           std::vector<serlink::PortInfo> ports, QWidget* parent)
    : QDialog(parent), job_(std::move(job)), line_(std::move(line)),
      logFolder_(std::move(logFolder)) {
    setWindowTitle(tr("Send to several receivers"));
    ports_ = new QTreeWidget(this);
    ports_->setHeaderLabels({tr("Port"), tr("State"), tr("Progress"), tr("Repeat on this port")});
    ports_->setRootIsDecorated(false);
    // The send dialog's order: USB adapters first.
    for (const serlink::PortInfo& port : qpui::OfferPorts(std::move(ports), {}).ports)
        AddPort(QString::fromStdString(port.location), QString::fromStdString(port.description),
                false);
    QHeaderView* header = ports_->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(kPortColumn, QHeaderView::ResizeToContents);
    header->setSectionResizeMode(kStateColumn, QHeaderView::Stretch);
    header->setSectionResizeMode(kRepeatColumn, QHeaderView::ResizeToContents);
    header->resizeSection(kBarColumn, 160);

    typed_ = new QLineEdit(this);
    auto* add = new QPushButton(tr("&Add port"), this);
    connect(add, &QPushButton::clicked, this, &CFleetDialog::AddTypedPort);
    connect(typed_, &QLineEdit::returnPressed, this, &CFleetDialog::AddTypedPort);
    auto* other = new QHBoxLayout;
    auto* otherLabel = new QLabel(tr("&Other port:"), this);
    otherLabel->setBuddy(typed_);
    other->addWidget(otherLabel);
    other->addWidget(typed_, 1);
    other->addWidget(add);

    report_ = new QTreeWidget(this);
    report_->setHeaderLabels({tr("Time"), tr("Port"), tr("Receiver version"), tr("Blocks"),
                              tr("Seconds"), tr("Result"), tr("Details")});
    report_->setRootIsDecorated(false);
    for (int column = 0; column + 1 < report_->columnCount(); ++column)
        report_->header()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    note_ = new QLabel(this);
    note_->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(this);
    start_ = buttons->addButton(tr("&Start"), QDialogButtonBox::ActionRole);
    stop_ = buttons->addButton(tr("S&top"), QDialogButtonBox::ActionRole);
    auto* save = buttons->addButton(tr("Save &report…"), QDialogButtonBox::ActionRole);
    buttons->addButton(QDialogButtonBox::Close);
    connect(start_, &QPushButton::clicked, this, &CFleetDialog::Start);
    connect(stop_, &QPushButton::clicked, this, &CFleetDialog::Stop);
    connect(save, &QPushButton::clicked, this, &CFleetDialog::SaveReport);
    connect(buttons, &QDialogButtonBox::rejected, this, &CFleetDialog::reject);
    // Enter in the port box adds the port; it never starts a send.
    start_->setAutoDefault(false);
    add->setAutoDefault(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ports_, 2);
    layout->addLayout(other);
    layout->addWidget(new QLabel(tr("Report"), this));
    layout->addWidget(report_, 1);
    layout->addWidget(note_);
    layout->addWidget(buttons);
    ShowRunning(false);
    resize(760, 520);
}

CFleetDialog::~CFleetDialog() {
    if (fleet_)
        fleet_->disconnect(this);
}

void CFleetDialog::AddPort(const QString& path, const QString& description, bool ticked) {
    auto* item = new QTreeWidgetItem(ports_);
    item->setText(kPortColumn, path);
    item->setToolTip(kPortColumn, description);
    item->setCheckState(kPortColumn, ticked ? Qt::Checked : Qt::Unchecked);
    item->setCheckState(kRepeatColumn, Qt::Unchecked);
    auto* bar = new QProgressBar(ports_);
    bar->setTextVisible(false);
    bar->setValue(0);
    ports_->setItemWidget(item, kBarColumn, bar);
}

void CFleetDialog::AddTypedPort() {
    const QString path = typed_->text().trimmed();
    if (path.isEmpty() || IsRunning())
        return;
    const auto same = ports_->findItems(path, Qt::MatchExactly, kPortColumn);
    if (same.isEmpty())
        AddPort(path, {}, true);
    else
        same.front()->setCheckState(kPortColumn, Qt::Checked);
    typed_->clear();
}

std::vector<QTreeWidgetItem*> CFleetDialog::TickedItems() const {
    std::vector<QTreeWidgetItem*> items;
    for (int i = 0; i < ports_->topLevelItemCount(); ++i)
        if (ports_->topLevelItem(i)->checkState(kPortColumn) == Qt::Checked)
            items.push_back(ports_->topLevelItem(i));
    return items;
}

void CFleetDialog::Start() {
    if (IsRunning())
        return;
    running_ = TickedItems();
    if (running_.empty()) {
        note_->setText(tr("Tick the ports of the receivers to send to."));
        return;
    }
    note_->clear();
    std::vector<transfer::TransferLine> lines;
    for (const QTreeWidgetItem* item : running_) {
        transfer::TransferLine line = line_;
        line.port = item->text(kPortColumn).toStdString();
        lines.push_back(line);
    }
    if (fleet_)
        fleet_->disconnect(this);
    fleet_ = std::make_unique<fleet::CFleet>(job_, lines);
    connect(fleet_.get(), &fleet::CFleet::unitChanged, this, &CFleetDialog::ShowUnit);
    connect(fleet_.get(), &fleet::CFleet::unitEnded, this,
            [this](int, const fleet::UnitRow& row) { AddRow(row); });
    connect(fleet_.get(), &fleet::CFleet::allEnded, this, [this] { ShowRunning(false); });
    // The repeat tick is read whenever a turn ends, so it may change while the ports run.
    connect(ports_, &QTreeWidget::itemChanged, fleet_.get(), [this](QTreeWidgetItem* item) {
        const auto found = std::find(running_.begin(), running_.end(), item);
        if (found != running_.end())
            fleet_->Unit(static_cast<int>(found - running_.begin()))
                .SetRepeat(item->checkState(kRepeatColumn) == Qt::Checked);
    });
    for (std::size_t i = 0; i < running_.size(); ++i)
        fleet_->Unit(static_cast<int>(i))
            .SetRepeat(running_[i]->checkState(kRepeatColumn) == Qt::Checked);
    ShowRunning(true);
    fleet_->Start();
}

void CFleetDialog::Stop() {
    if (fleet_)
        fleet_->Stop();
}

void CFleetDialog::ShowRunning(bool running) {
    start_->setEnabled(!running);
    stop_->setEnabled(running);
    typed_->setEnabled(!running);
}

void CFleetDialog::ShowUnit(int index) {
    QTreeWidgetItem* item = running_[static_cast<std::size_t>(index)];
    fleet::CUnit& unit = fleet_->Unit(index);
    item->setText(kStateColumn, unit.StateText());
    item->setToolTip(kStateColumn, unit.StateText());
    auto* bar = static_cast<QProgressBar*>(ports_->itemWidget(item, kBarColumn));
    bar->setMaximum(std::max(1, unit.BlocksTotal()));
    bar->setValue(unit.BlocksTotal() > 0 ? unit.BlocksDone() : 0);
}

void CFleetDialog::AddRow(const fleet::UnitRow& row) {
    QStringList details = row.reason.isEmpty() ? QStringList() : QStringList{row.reason};
    details += row.differences;
    auto* item = new QTreeWidgetItem(
        report_, {QLocale().toString(row.ended.toLocalTime(), QLocale::ShortFormat),
                  QString::fromStdString(row.port), row.version, QString::number(row.blocks),
                  QLocale().toString(row.durationMs / 1000.0, 'f', 1), ResultText(row.result),
                  details.join(QStringLiteral("; "))});
    item->setToolTip(6, details.join(QLatin1Char('\n')));
    report_->scrollToItem(item);
    rows_.push_back(row);
    if (const utils::FileResult logged = fleet::AppendToLog(logFolder_, {&row, 1}); !logged.ok())
        note_->setText(tr("The report row was not added to the log in the backup folder: %1")
                           .arg(QString::fromStdString(logged.message)));
}

void CFleetDialog::SaveReport() {
    if (rows_.empty()) {
        note_->setText(tr("No receiver has finished yet: the report is empty."));
        return;
    }
    const QString path =
        AskSavePath(this, tr("Save report"), {tr("CSV files (*.csv)")}, tr("report.csv"));
    if (path.isEmpty())
        return;
    if (const utils::FileResult written = fleet::WriteReport(path.toStdString(), rows_);
        !written.ok())
        qpui::ShowStop(
            this, tr("The report was not saved: %1").arg(QString::fromStdString(written.message)));
}

void CFleetDialog::reject() {
    // Closing stops every port cleanly first: no receiver is left half-written unannounced.
    if (IsRunning()) {
        Stop();
        if (IsRunning())
            return;
    }
    QDialog::reject();
}

} // namespace chanforge::app
