#include "FindingsDock.h"

#include "PhraseText.h"

#include "chanforge/check/Titles.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace chanforge::app {

using check::Finding;
using check::Fix;

namespace {

constexpr int kFindingRole = Qt::UserRole; ///< index into the findings
constexpr int kRowRole = Qt::UserRole + 1; ///< RowID of a duplicate's child item

QString FixText(Fix fix) {
    switch (fix) {
    case Fix::Renumber:
        return CFindingsDock::tr("Renumber");
    case Fix::RemoveDuplicates:
        return CFindingsDock::tr("Remove ticked duplicates");
    case Fix::DeleteUnused:
        return CFindingsDock::tr("Delete unused");
    case Fix::AssignProvider:
        return CFindingsDock::tr("Assign to a provider…");
    case Fix::None:
        break;
    }
    return CFindingsDock::tr("Fix");
}

QString Summary(const check::Findings& findings) {
    if (findings.empty())
        return CFindingsDock::tr("No faults found.");
    const auto errors = std::count_if(findings.begin(), findings.end(), [](const Finding& f) {
        return f.severity == check::Severity::Error;
    });
    return CFindingsDock::tr("%n error(s)", nullptr, static_cast<int>(errors)) +
           QStringLiteral(", ") +
           CFindingsDock::tr("%n warning(s)", nullptr,
                             static_cast<int>(static_cast<qsizetype>(findings.size()) - errors));
}

} // namespace

CFindingsDock::CFindingsDock(QWidget* parent) : QDockWidget(tr("Findings"), parent) {
    setObjectName("findingsDock");
    auto* body = new QWidget(this);
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    summary_ = new QLabel(body);
    list_ = new QTreeWidget(body);
    list_->setObjectName("findings");
    list_->setHeaderLabels({tr("Severity"), tr("Rule"), tr("Message")});
    list_->setRootIsDecorated(true);
    fix_ = new QPushButton(FixText(Fix::None), body);
    fix_->setObjectName("fix");
    fix_->setEnabled(false);
    // One line for the summary and the fix leaves the list its rows in a low panel.
    auto* top = new QHBoxLayout;
    top->addWidget(summary_, 1);
    top->addWidget(fix_);
    layout->addLayout(top);
    layout->addWidget(list_);
    setWidget(body);
    connect(list_, &QTreeWidget::itemDoubleClicked, this, &CFindingsDock::ItemActivated);
    connect(list_, &QTreeWidget::currentItemChanged, this, &CFindingsDock::CurrentChanged);
    connect(fix_, &QPushButton::clicked, this, &CFindingsDock::FixClicked);
}

void CFindingsDock::ShowFindings(const check::Findings& findings, const RecordName& name) {
    findings_ = findings;
    list_->clear();
    for (int i = 0; i < static_cast<int>(findings_.size()); ++i)
        AddFinding(i, name);
    list_->resizeColumnToContents(0);
    list_->resizeColumnToContents(1);
    summary_->setText(Summary(findings_));
    CurrentChanged();
    show();
    raise();
}

void CFindingsDock::AddFinding(int index, const RecordName& name) {
    const Finding& f = findings_[static_cast<std::size_t>(index)];
    const bool error = f.severity == check::Severity::Error;
    auto* item = new QTreeWidgetItem(
        list_,
        {QCoreApplication::translate("Check", check::SeverityTitle(f.severity)),
         QCoreApplication::translate("Check", check::RuleTitle(f.rule)), Translated(f.message)});
    item->setIcon(0, style()->standardIcon(error ? QStyle::SP_MessageBoxCritical
                                                 : QStyle::SP_MessageBoxWarning));
    item->setData(0, kFindingRole, index);
    if (f.rule != check::Rule::DuplicateService)
        return;
    // The operator ticks which copies go; the first of each service is left unticked.
    for (std::size_t k = 0; k < f.rows.size(); ++k) {
        auto* child = new QTreeWidgetItem(item, {QString(), QString(), name(f.table, f.rows[k])});
        child->setData(0, kFindingRole, index);
        child->setData(0, kRowRole, f.rows[k]);
        child->setCheckState(0, k == 0 ? Qt::Unchecked : Qt::Checked);
    }
    item->setExpanded(true);
}

const Finding* CFindingsDock::FindingOf(const QTreeWidgetItem* item) const {
    if (item == nullptr)
        return nullptr;
    const int index = item->data(0, kFindingRole).toInt();
    return index >= 0 && index < static_cast<int>(findings_.size())
               ? &findings_[static_cast<std::size_t>(index)]
               : nullptr;
}

void CFindingsDock::ItemActivated(QTreeWidgetItem* item) {
    const Finding* f = FindingOf(item);
    if (f == nullptr)
        return;
    // A duplicate's own line selects that one channel; the finding's line all of them.
    const QVariant row = item->data(0, kRowRole);
    emit RecordsRequested(f->table, row.isValid() ? RowList{row.toUInt()} : f->rows);
}

void CFindingsDock::CurrentChanged() {
    const Finding* f = FindingOf(list_->currentItem());
    const Fix fix = f != nullptr ? check::FixFor(f->rule) : Fix::None;
    fix_->setText(FixText(fix));
    fix_->setEnabled(fix != Fix::None);
}

RowList CFindingsDock::TickedDuplicates() const {
    RowList ticked;
    for (int i = 0; i < list_->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = list_->topLevelItem(i);
        for (int k = 0; k < item->childCount(); ++k)
            if (item->child(k)->checkState(0) == Qt::Checked)
                ticked.push_back(item->child(k)->data(0, kRowRole).toUInt());
    }
    return ticked;
}

void CFindingsDock::FixClicked() {
    const Finding* f = FindingOf(list_->currentItem());
    if (f == nullptr)
        return;
    switch (const Fix fix = check::FixFor(f->rule)) {
    case Fix::RemoveDuplicates:
        emit FixRequested(fix, TickedDuplicates());
        break;
    case Fix::AssignProvider:
        emit FixRequested(fix, f->rows);
        break;
    case Fix::Renumber:
    case Fix::DeleteUnused:
        emit FixRequested(fix, {});
        break;
    case Fix::None:
        break;
    }
}

} // namespace chanforge::app
