#include "SortKeysDialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace chanforge::app {

using namespace editing;

CSortKeysDialog::CSortKeysDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("sortKeysDialog");
    setWindowTitle(tr("Sort and renumber"));
    auto* layout = new QVBoxLayout(this);
    auto* note = new QLabel(tr("Every channel gets a new number in this order; the first key "
                               "ticked decides first. Drag or use the buttons to reorder."));
    note->setWordWrap(true);
    layout->addWidget(note);
    auto* row = new QHBoxLayout;
    keys_ = new QListWidget;
    keys_->setObjectName("sortKeys");
    keys_->setDragDropMode(QAbstractItemView::InternalMove);
    const std::pair<QString, SortKey> keys[] = {
        {tr("Satellite"), SortKey::Satellite},
        {tr("Transponder or multiplex"), SortKey::Transponder},
        {tr("Name"), SortKey::Name},
        {tr("Provider"), SortKey::Provider},
        {tr("Scrambled last"), SortKey::ScrambledLast}};
    for (const auto& [text, key] : keys) {
        auto* item = new QListWidgetItem(text, keys_);
        item->setData(Qt::UserRole, static_cast<int>(key));
        item->setCheckState(key == SortKey::Name ? Qt::Unchecked : Qt::Checked);
    }
    keys_->setCurrentRow(0);
    row->addWidget(keys_, 1);
    auto* buttons = new QVBoxLayout;
    auto* up = new QPushButton(tr("Up"));
    auto* down = new QPushButton(tr("Down"));
    up->setObjectName("sortUp");
    down->setObjectName("sortDown");
    buttons->addWidget(up);
    buttons->addWidget(down);
    buttons->addStretch(1);
    row->addLayout(buttons);
    layout->addLayout(row);
    auto* box = new QDialogButtonBox(QDialogButtonBox::Cancel);
    box->addButton(tr("Sort and renumber"), QDialogButtonBox::AcceptRole);
    layout->addWidget(box);
    connect(up, &QPushButton::clicked, this, [this] { MoveCurrent(-1); });
    connect(down, &QPushButton::clicked, this, [this] { MoveCurrent(1); });
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void CSortKeysDialog::MoveCurrent(int step) {
    const int from = keys_->currentRow();
    const int to = from + step;
    if (from < 0 || to < 0 || to >= keys_->count())
        return;
    QListWidgetItem* item = keys_->takeItem(from);
    keys_->insertItem(to, item);
    keys_->setCurrentRow(to);
}

std::vector<SortKey> CSortKeysDialog::Keys() const {
    std::vector<SortKey> keys;
    for (int i = 0; i < keys_->count(); ++i)
        if (keys_->item(i)->checkState() == Qt::Checked)
            keys.push_back(static_cast<SortKey>(keys_->item(i)->data(Qt::UserRole).toInt()));
    return keys;
}

} // namespace chanforge::app
