#include "UnusedDialog.h"

#include "TickBoxes.h"

#include "chanforge/editing/DeliveryLists.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace chanforge::app {

using namespace editing;

namespace {

QString Latin1(const std::string& bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

/// A record as its list shows it: the cells joined.
QString RecordText(tabstore::CQoDB& db, ListKind kind, std::uint32_t key, Product product,
                   std::initializer_list<int> columns) {
    QStringList cells;
    for (int column : columns)
        cells << Latin1(ListCellText(db, kind, key, column, product));
    return cells.join(QLatin1Char(' '));
}

} // namespace

CUnusedDialog::CUnusedDialog(tabstore::CQoDB& db, Product product, QWidget* parent)
    : QDialog(parent), db_(db), unused_(FindUnused(db, product)) {
    setObjectName("unusedDialog");
    setWindowTitle(tr("Remove unused"));
    auto* layout = new QVBoxLayout(this);
    auto* list = new QTreeWidget;
    list->setObjectName("unusedRecords");
    list->setHeaderHidden(true);
    const auto section = [&](const QString& title, const RowIds& keys, auto&& text) {
        if (keys.empty())
            return;
        auto* top = new QTreeWidgetItem(list, QStringList{title.arg(keys.size())});
        for (std::uint32_t key : keys)
            (new QTreeWidgetItem(top, QStringList{text(key)}))->setCheckState(0, Qt::Checked);
    };
    section(tr("Satellites without transponders in use (%1)"), unused_.satellites,
            [&](std::uint32_t k) {
                return RecordText(db, ListKind::Satellite, k, product, {3, 4});
            });
    section(tr("Transponders no channel uses (%1)"), unused_.transponders, [&](std::uint32_t k) {
        return RecordText(db, ListKind::Transponder, k, product, {5, 7, 6});
    });
    section(tr("Multiplexes no channel uses (%1)"), unused_.muxes, [&](std::uint32_t k) {
        return RecordText(db, ListKind::TerrestrialMux, k, product, {0, 2});
    });
    section(tr("Cable multiplexes no channel uses (%1)"), unused_.cableMuxes, [&](std::uint32_t k) {
        return RecordText(db, ListKind::CableMux, k, product, {2, 3});
    });
    section(tr("Providers no channel names (%1)"), unused_.providers,
            [&](std::uint32_t k) { return RecordText(db, ListKind::Provider, k, product, {3}); });
    list->expandAll();
    layout->addWidget(list, 1);
    ticks_ = new CTickBoxes(*list);
    layout->addLayout(ticks_->Buttons(this));
    summary_ = new QLabel;
    summary_->setObjectName("unusedSummary");
    summary_->setWordWrap(true);
    layout->addWidget(summary_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel);
    remove_ = buttons->addButton(tr("Remove"), QDialogButtonBox::AcceptRole);
    remove_->setObjectName("removeUnused");
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(ticks_, &CTickBoxes::Changed, this, &CUnusedDialog::Count);
    resize(480, 400);
    Count();
}

void CUnusedDialog::Count() {
    leftOut_ = ticks_->Unticked();
    const UnusedRecords going = Going(db_, unused_, leftOut_);
    QString text = unused_.Count() == 0 ? tr("Everything is in use.")
                                        : tr("%n record(s) will be removed.", nullptr,
                                             static_cast<int>(going.Count()));
    // A satellite goes with its transponders: one of them kept keeps it.
    const auto ownLines = static_cast<std::size_t>(
        std::count_if(leftOut_.begin(), leftOut_.end(),
                      [&](std::size_t line) { return line < unused_.satellites.size(); }));
    if (const std::size_t held = unused_.satellites.size() - ownLines - going.satellites.size();
        held > 0)
        text += QLatin1Char(' ') + tr("%n satellite(s) kept for a transponder that stays.", nullptr,
                                      static_cast<int>(held));
    summary_->setText(text);
    remove_->setEnabled(going.Count() > 0);
}

} // namespace chanforge::app
