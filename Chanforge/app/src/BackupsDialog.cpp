#include "BackupsDialog.h"

#include <QDateTime>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace chanforge::app {

CBackupsDialog::CBackupsDialog(std::vector<check::BackupEntry> entries, QWidget* parent)
    : QDialog(parent), entries_(std::move(entries)) {
    setObjectName("backupsDialog");
    setWindowTitle(tr("Restore"));
    auto* layout = new QVBoxLayout(this);
    list_ = new QTreeWidget(this);
    list_->setObjectName("backups");
    list_->setRootIsDecorated(false);
    list_->setHeaderLabels({tr("Kept"), tr("Model"), tr("Checksum")});
    for (const check::BackupEntry& entry : entries_) {
        const QString kept =
            QDateTime::fromMSecsSinceEpoch(entry.msecsSinceEpoch).toString("yyyy-MM-dd HH:mm:ss");
        new QTreeWidgetItem(list_, {kept, QString::fromStdString(entry.model),
                                    QString::fromStdString(entry.checksum)});
    }
    if (list_->topLevelItemCount() > 0)
        list_->setCurrentItem(list_->topLevelItem(0));
    list_->resizeColumnToContents(0);
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
    resize(480, 360);
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
