#include "BackupsDialog.h"

#include <QDateTime>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace chanforge::app {

namespace {

/// Blank when the image did not decode or was kept before counts were.
QString CountText(const std::optional<check::ChannelCounts>& channels, bool tv) {
    return channels ? QString::number(tv ? channels->tv : channels->radio) : QString();
}

} // namespace

QString CBackupsDialog::KindText(check::BackupKind kind) {
    switch (kind) {
    case check::BackupKind::Received:
        return tr("Received");
    case check::BackupKind::Sent:
        return tr("Sent");
    case check::BackupKind::ReadBack:
        return tr("Read back after a send");
    case check::BackupKind::Unknown:
        break;
    }
    return {};
}

CBackupsDialog::CBackupsDialog(std::vector<check::BackupEntry> entries, const std::string& ownModel,
                               QWidget* parent)
    : QDialog(parent), entries_(std::move(entries)) {
    setObjectName("backupsDialog");
    setWindowTitle(tr("Restore"));
    auto* layout = new QVBoxLayout(this);
    list_ = new QTreeWidget(this);
    list_->setObjectName("backups");
    list_->setRootIsDecorated(false);
    list_->setHeaderLabels({tr("Kept"), tr("Kind"), tr("TV"), tr("Radio"), tr("Model")});
    list_->headerItem()->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    list_->headerItem()->setTextAlignment(3, Qt::AlignRight | Qt::AlignVCenter);
    for (const check::BackupEntry& entry : entries_) {
        const QString kept =
            QDateTime::fromMSecsSinceEpoch(entry.msecsSinceEpoch).toString("yyyy-MM-dd HH:mm:ss");
        const bool other = entry.model != ownModel;
        const QString model = QString::fromStdString(entry.model);
        auto* item =
            new QTreeWidgetItem(list_, {kept, KindText(entry.kind), CountText(entry.channels, true),
                                        CountText(entry.channels, false),
                                        other ? tr("%1 (another model)").arg(model) : model});
        item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
        item->setTextAlignment(3, Qt::AlignRight | Qt::AlignVCenter);
        if (other)
            for (int column = 0; column < item->columnCount(); ++column)
                item->setForeground(column, palette().brush(QPalette::Disabled, QPalette::Text));
        item->setToolTip(0, tr("Checksum %1").arg(QString::fromStdString(entry.checksum)));
    }
    if (list_->topLevelItemCount() > 0)
        list_->setCurrentItem(list_->topLevelItem(0));
    for (int column = 0; column < list_->columnCount(); ++column)
        list_->resizeColumnToContents(column);
    layout->addWidget(list_);
    auto* box = new QDialogButtonBox(this);
    QPushButton* open = box->addButton(QDialogButtonBox::Open);
    open->setObjectName("open");
    open->setEnabled(!entries_.empty());
    box->addButton(QDialogButtonBox::Cancel);
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QTreeWidget::itemDoubleClicked, this, &QDialog::accept);
    layout->addWidget(box);
    resize(560, 360);
}

std::optional<check::BackupEntry> CBackupsDialog::Chosen() const {
    if (result() != QDialog::Accepted || list_->currentItem() == nullptr)
        return std::nullopt;
    const int row = list_->indexOfTopLevelItem(list_->currentItem());
    if (row < 0 || row >= static_cast<int>(entries_.size()))
        return std::nullopt;
    return entries_[static_cast<std::size_t>(row)];
}

} // namespace chanforge::app
