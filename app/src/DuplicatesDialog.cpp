#include "DuplicatesDialog.h"

#include "chanforge/TableAccess.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <cstring>

namespace chanforge::app {

using namespace editing;

CDuplicatesDialog::CDuplicatesDialog(tabstore::CQoDB& db, Product product, QWidget* parent)
    : QDialog(parent), db_(db), product_(product) {
    setObjectName("duplicatesDialog");
    setWindowTitle(tr("Find duplicates"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    keep_ = new QComboBox;
    keep_->setObjectName("keepPolicy");
    keep_->addItem(tr("The lowest number"), int(KeepPolicy::Lowest));
    keep_->addItem(tr("HD over SD"), int(KeepPolicy::HD));
    keep_->addItem(tr("Free-to-air over scrambled"), int(KeepPolicy::FreeToAir));
    keep_->addItem(tr("The one in a favourite group"), int(KeepPolicy::Favorite));
    form->addRow(tr("Keep:"), keep_);
    layout->addLayout(form);
    list_ = new QTreeWidget;
    list_->setObjectName("duplicateGroups");
    list_->setHeaderLabels({tr("Channel"), tr("Number"), tr("Kind"), tr("Action")});
    list_->setRootIsDecorated(true);
    list_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    layout->addWidget(list_, 1);
    summary_ = new QLabel;
    summary_->setObjectName("duplicatesSummary");
    layout->addWidget(summary_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel);
    remove_ = buttons->addButton(tr("Delete duplicates"), QDialogButtonBox::AcceptRole);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(keep_, &QComboBox::currentIndexChanged, this, &CDuplicatesDialog::ShowGroups);
    resize(560, 420);
    ShowGroups();
}

std::size_t CDuplicatesDialog::Doomed() const {
    std::size_t doomed = 0;
    for (const DuplicateGroup& g : groups_)
        doomed += g.rows.size() - 1;
    return doomed;
}

void CDuplicatesDialog::ShowGroups() {
    groups_ = FindDuplicates(db_, static_cast<KeepPolicy>(keep_->currentData().toInt()), product_);
    list_->clear();
    for (std::size_t i = 0; i < groups_.size(); ++i) {
        const DuplicateGroup& g = groups_[i];
        const QString why = g.sameService && g.sameName ? tr("same service and name")
                            : g.sameService             ? tr("same service")
                                                        : tr("same name");
        auto* group = new QTreeWidgetItem(list_, {tr("Group %1: %2").arg(i + 1).arg(why)});
        group->setFirstColumnSpanned(true);
        for (std::uint32_t key : g.rows) {
            const auto* ch = GetRow<Channel_Info_Tag>(db_, kChannelTable, key);
            const QString name = QString::fromLatin1(
                ch->Name, static_cast<qsizetype>(strnlen(ch->Name, sizeof ch->Name)));
            const bool kept = key == g.kept;
            auto* row = new QTreeWidgetItem(
                group,
                {name, QString::number(product_.UsesShowNum() ? ch->ShowNum : ch->ProgramNum),
                 IsTV(*ch) ? tr("TV") : tr("Radio"), kept ? tr("Keep") : tr("Delete")});
            QFont font = row->font(3);
            font.setBold(kept);
            row->setFont(3, font);
        }
    }
    list_->expandAll();
    summary_->setText(groups_.empty()
                          ? tr("No duplicates.")
                          : tr("%1 groups: %2 channels will be deleted, one of each group kept.")
                                .arg(groups_.size())
                                .arg(Doomed()));
    remove_->setEnabled(!groups_.empty());
}

} // namespace chanforge::app
