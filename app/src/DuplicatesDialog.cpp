#include "DuplicatesDialog.h"

#include "TickBoxes.h"

#include "chanforge/TableAccess.h"
#include "chanforge/editing/ChannelName.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace chanforge::app {

using namespace editing;

namespace {

/// What the members of a group share, in words.
QString Shared(const DuplicateGroup& g) {
    QStringList out;
    if (g.sameService)
        out << CDuplicatesDialog::tr("same service");
    if (g.sameName)
        out << CDuplicatesDialog::tr("same name");
    if (g.variants)
        out << CDuplicatesDialog::tr("SD and HD versions of a name");
    return out.join(QStringLiteral(", "));
}

} // namespace

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
    variants_ = new QCheckBox(tr("Count SD and HD versions as duplicates"));
    variants_->setObjectName("countVariants");
    form->addRow(variants_);
    layout->addLayout(form);
    list_ = new QTreeWidget;
    list_->setObjectName("duplicateGroups");
    list_->setHeaderLabels({tr("Channel"), tr("Number"), tr("Kind"), tr("Action")});
    list_->setRootIsDecorated(true);
    list_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    layout->addWidget(list_, 1);
    ticks_ = new CTickBoxes(*list_);
    layout->addLayout(ticks_->Buttons(this));
    summary_ = new QLabel;
    summary_->setObjectName("duplicatesSummary");
    layout->addWidget(summary_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel);
    remove_ = buttons->addButton(tr("Delete duplicates"), QDialogButtonBox::AcceptRole);
    remove_->setObjectName("deleteDuplicates");
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(keep_, &QComboBox::currentIndexChanged, this, &CDuplicatesDialog::ShowGroups);
    // Other groups come: the ticks start afresh.
    connect(variants_, &QCheckBox::toggled, this, [this] {
        leftOut_.clear();
        ShowGroups();
    });
    connect(ticks_, &CTickBoxes::Changed, this, &CDuplicatesDialog::Count, Qt::QueuedConnection);
    resize(560, 420);
    ShowGroups();
}

void CDuplicatesDialog::ShowGroups() {
    groups_ = FindDuplicates(db_, static_cast<KeepPolicy>(keep_->currentData().toInt()), product_,
                             variants_->isChecked() ? NameRule::WithVariants : NameRule::Exact);
    list_->clear();
    for (std::size_t i = 0; i < groups_.size(); ++i) {
        const DuplicateGroup& g = groups_[i];
        auto* group = new QTreeWidgetItem(list_, {tr("Group %1: %2").arg(i + 1).arg(Shared(g))});
        group->setFirstColumnSpanned(true);
        group->setCheckState(0, CTickBoxes::StateFor(leftOut_.contains(i)));
        for (std::uint32_t key : g.rows) {
            const auto* ch = GetRow<Channel_Info_Tag>(db_, kChannelTable, key);
            const QString name = QString::fromStdString(NameText(*ch));
            auto* row = new QTreeWidgetItem(
                group,
                {name, QString::number(product_.UsesShowNum() ? ch->ShowNum : ch->ProgramNum),
                 IsTV(*ch) ? tr("TV") : tr("Radio")});
            QFont font = row->font(3);
            font.setBold(key == g.kept);
            row->setFont(3, font);
        }
    }
    list_->expandAll();
    Count();
}

void CDuplicatesDialog::Count() {
    leftOut_ = ticks_->Unticked();
    for (int i = 0; i < list_->topLevelItemCount(); ++i) {
        QTreeWidgetItem* group = list_->topLevelItem(i);
        const bool left = leftOut_.contains(static_cast<std::size_t>(i));
        const std::uint32_t kept = groups_[static_cast<std::size_t>(i)].kept;
        for (int c = 0; c < group->childCount(); ++c) {
            const bool keeps = left || groups_[static_cast<std::size_t>(i)].rows[c] == kept;
            if (const QString action = keeps ? tr("Keep") : tr("Delete");
                group->child(c)->text(3) != action)
                group->child(c)->setText(3, action);
        }
    }
    const std::size_t doomed = Doomed(groups_, leftOut_);
    const int ticked = static_cast<int>(groups_.size() - leftOut_.size());
    summary_->setText(groups_.empty()
                          ? tr("No duplicates.")
                          : tr("%n group(s) ticked", nullptr, ticked) + QStringLiteral(": ") +
                                tr("%n channel(s) will be deleted, one of each group kept.",
                                   nullptr, static_cast<int>(doomed)));
    remove_->setEnabled(doomed > 0);
}

} // namespace chanforge::app
