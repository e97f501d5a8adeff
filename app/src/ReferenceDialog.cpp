#include "ReferenceDialog.h"

#include "PhraseText.h"
#include "TickBoxes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <vector>

namespace chanforge::app {

namespace {

using namespace chanforge::reference;

/// A channel's or an entry's name: text, as its code table reads it.
QString Name(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

/// A favourite group's name: bytes of no code table, shown as Latin-1.
QString GroupName(const std::string& bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

QString MethodText(Method method) {
    switch (method) {
    case Method::Carrier:
        return CReferenceDialog::tr("same carrier and service");
    case Method::ServiceIds:
        return CReferenceDialog::tr("service and stream ids");
    case Method::Name:
        return CReferenceDialog::tr("name (uncertain)");
    case Method::NameVariant:
        return CReferenceDialog::tr("name with or without HD (uncertain)");
    case Method::None:
        break;
    }
    return CReferenceDialog::tr("none");
}

/// The groups by name, before or once the plan is applied.
QString Groups(const Plan& plan, std::uint32_t mask, bool applied) {
    QStringList groups;
    for (const NamedGroup& g : plan.GroupsOf(mask, applied))
        groups << (g.name.empty() ? CReferenceDialog::tr("group %1").arg(g.group)
                                  : QStringLiteral("“%1”").arg(GroupName(g.name)));
    return groups.isEmpty() ? CReferenceDialog::tr("none") : groups.join(QStringLiteral(", "));
}

/// What changes besides the number, in words.
QString OtherChanges(const Plan& plan, const ChannelState& before, const ChannelState& after) {
    QStringList out;
    if (after.favorite != before.favorite)
        out << CReferenceDialog::tr("favourites %1 → %2")
                   .arg(Groups(plan, before.favorite, false), Groups(plan, after.favorite, true));
    if (after.locked != before.locked)
        out << (after.locked ? CReferenceDialog::tr("locked") : CReferenceDialog::tr("unlocked"));
    if (after.skipped != before.skipped)
        out << (after.skipped ? CReferenceDialog::tr("skipped")
                              : CReferenceDialog::tr("not skipped"));
    if (after.name != before.name)
        out << CReferenceDialog::tr("name “%1”").arg(Name(after.name));
    return out.join(QStringLiteral("; "));
}

QTableWidget* MakeTable(const QStringList& headers, const char* name, QWidget* parent) {
    auto* table = new QTableWidget(0, static_cast<int>(headers.size()), parent);
    table->setObjectName(name);
    table->setHorizontalHeaderLabels(headers);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

/// A row whose first cell carries the line's tick.
void SetRow(QTableWidget* table, int row, const QStringList& cells, bool leftOut) {
    for (int c = 0; c < cells.size(); ++c) {
        auto* item = new QTableWidgetItem(cells[c]);
        if (c == 0)
            item->setCheckState(CTickBoxes::StateFor(leftOut));
        table->setItem(row, c, item);
    }
}

/// A table with its tick buttons below, as one tab.
QWidget* TickedTab(QTableWidget* table, CTickBoxes* ticks, QWidget* parent) {
    auto* tab = new QWidget(parent);
    auto* layout = new QVBoxLayout(tab);
    layout->setContentsMargins(0, 0, 0, 0);
    table->setParent(tab);
    layout->addWidget(table, 1);
    layout->addLayout(ticks->Buttons(tab));
    return tab;
}

} // namespace

CReferenceDialog::CReferenceDialog(const QString& source, const Reference& ref, Planner planner,
                                   QWidget* parent)
    : QDialog(parent), ref_(ref), planner_(std::move(planner)) {
    setObjectName("referenceDialog");
    setWindowTitle(tr("Apply reference list: %1").arg(source));
    auto* layout = new QVBoxLayout(this);
    summary_ = new QLabel(this);
    summary_->setObjectName("referenceSummary");
    summary_->setWordWrap(true);
    layout->addWidget(summary_);
    BuildOptions();
    auto* tabs = new QTabWidget(this);
    entries_ = MakeTable({tr("Reference"), tr("Matched channel"), tr("Method"), tr("Before"),
                          tr("After"), tr("Also changes")},
                         "referenceEntries", tabs);
    entryTicks_ = new CTickBoxes(*entries_);
    tabs->addTab(TickedTab(entries_, entryTicks_, tabs), tr("Reference entries"));
    unmatchedList_ = MakeTable({tr("Kind"), tr("Channel"), tr("Before"), tr("After")},
                               "referenceUnmatched", tabs);
    unmatchedTicks_ = new CTickBoxes(*unmatchedList_);
    tabs->addTab(TickedTab(unmatchedList_, unmatchedTicks_, tabs), tr("Channels without a match"));
    // Planning afresh fills the tables anew: not while a tick's item is still being changed.
    for (CTickBoxes* ticks : {entryTicks_, unmatchedTicks_})
        connect(ticks, &CTickBoxes::Changed, this, &CReferenceDialog::TicksChanged,
                Qt::QueuedConnection);
    notes_ = new QTreeWidget(tabs);
    notes_->setObjectName("referenceNotes");
    notes_->setRootIsDecorated(false);
    notes_->setHeaderLabels({tr("What"), tr("Details")});
    tabs->addTab(notes_, tr("Conflicts and notes"));
    layout->addWidget(tabs, 1);
    auto* box = new QDialogButtonBox(this);
    apply_ = box->addButton(tr("Apply"), QDialogButtonBox::AcceptRole);
    apply_->setObjectName("apply");
    box->addButton(QDialogButtonBox::Cancel)->setObjectName("cancel");
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(box);
    resize(900, 560);
    Replan();
}

void CReferenceDialog::BuildOptions() {
    auto* row = new QHBoxLayout;
    auto* form = new QFormLayout;
    start_ = new QSpinBox(this);
    start_->setObjectName("startNumber");
    start_->setRange(1, 65535);
    form->addRow(tr("&Start at"), start_);
    unmatched_ = new QComboBox(this);
    unmatched_->setObjectName("unmatchedChoice");
    unmatched_->addItems({tr("Keep them after the matched ones"), tr("Delete them")});
    form->addRow(tr("Channels &without a match"), unmatched_);
    row->addLayout(form);
    closeGaps_ = new QCheckBox(tr("&Close gaps"), this);
    closeGaps_->setObjectName("closeGaps");
    closeGaps_->setChecked(true);
    names_ = new QCheckBox(tr("Take the &names"), this);
    names_->setObjectName("takeNames");
    cutNames_ = new QCheckBox(tr("C&ut names to fit"), this);
    cutNames_->setObjectName("cutNames");
    cutNames_->setEnabled(false);
    connect(names_, &QCheckBox::toggled, cutNames_, &QCheckBox::setEnabled);
    row->addWidget(closeGaps_);
    row->addWidget(names_);
    row->addWidget(cutNames_);
    row->addStretch();
    static_cast<QVBoxLayout*>(this->layout())->addLayout(row);
    connect(start_, &QSpinBox::valueChanged, this, &CReferenceDialog::Replan);
    connect(unmatched_, &QComboBox::currentIndexChanged, this, &CReferenceDialog::Replan);
    connect(closeGaps_, &QCheckBox::toggled, this, &CReferenceDialog::Replan);
    connect(names_, &QCheckBox::toggled, this, &CReferenceDialog::Replan);
    connect(cutNames_, &QCheckBox::toggled, this, &CReferenceDialog::Replan);
}

void CReferenceDialog::TicksChanged() {
    leftOut_ = entryTicks_->Unticked();
    for (std::size_t line : unmatchedTicks_->Unticked())
        leftOut_.insert(plan_.entries.size() + line);
    Replan();
}

void CReferenceDialog::Replan() {
    const ApplyOptions options{
        static_cast<std::uint32_t>(start_->value()), closeGaps_->isChecked(), names_->isChecked(),
        unmatched_->currentIndex() == 1 ? Unmatched::Delete : Unmatched::Keep,
        cutNames_->isChecked()};
    plan_ = planner_(options, leftOut_);
    const auto n = [](std::size_t count) { return static_cast<int>(count); };
    const std::size_t matched = plan_.Matched();
    QString text =
        tr("%n reference channel(s):", nullptr, n(plan_.entries.size())) + QLatin1Char(' ') +
        tr("%1 matched (%2 by name only, to check; %3 in conflict), %4 without a match.")
            .arg(matched)
            .arg(plan_.Uncertain())
            .arg(plan_.conflicts.size())
            .arg(std::count_if(plan_.entries.begin(), plan_.entries.end(),
                               [](const EntryPlan& p) { return !p.match.found(); })) +
        QLatin1Char(' ') +
        tr("%n channel(s) of this list without an entry.", nullptr, n(plan_.unmatched.size()));
    if (const std::size_t left = plan_.LeftOutLines(); left > 0)
        text +=
            QLatin1Char(' ') + tr("%n line(s) left out: nothing changes there.", nullptr, n(left));
    if (!plan_.ok())
        text +=
            QLatin1Char(' ') + QCoreApplication::translate("Reference", kNumbersExhaustedMessage);
    if (const std::size_t tooLong = plan_.NamesTooLong(); tooLong > 0)
        text += QLatin1Char(' ') +
                tr("%n name(s) this receiver cannot keep (too long, or holding a character the "
                   "channel's character table lacks): tick \"Cut names to fit\", leave the "
                   "names as they are or leave those lines out.",
                   nullptr, n(tooLong));
    summary_->setText(text);
    apply_->setEnabled(plan_.Applicable());
    FillEntries();
    FillUnmatched();
    FillNotes();
}

QString CReferenceDialog::EntryText(std::size_t e) const {
    const Service& entry = ref_.entries[e];
    return entry.number == 0 ? Name(entry.name)
                             : QStringLiteral("%1 %2").arg(entry.number).arg(Name(entry.name));
}

QString CReferenceDialog::ConflictText(const Conflict& c) const {
    if (c.kind == ConflictKind::SameChannel) {
        const ChannelState& channel = plan_.entries[c.entry].before;
        return tr("“%1” matches channel %2 “%3”, which “%4” keeps: it changes nothing")
            .arg(EntryText(c.entry))
            .arg(channel.number)
            .arg(Name(channel.name), EntryText(c.holder));
    }
    if (c.holder < plan_.entries.size() && plan_.entries[c.holder].applied)
        return tr("“%1” wants %2, taken by “%3”: it gets %4")
            .arg(EntryText(c.entry))
            .arg(c.wanted)
            .arg(EntryText(c.holder))
            .arg(c.given);
    if (c.holder != kNoLine) {
        const std::size_t entries = plan_.entries.size();
        const ChannelState& held = c.holder < entries ? plan_.entries[c.holder].before
                                                      : plan_.unmatched[c.holder - entries].before;
        return tr("“%1” wants %2, which channel “%3” keeps, left as it is: it gets %4")
            .arg(EntryText(c.entry))
            .arg(c.wanted)
            .arg(Name(held.name))
            .arg(c.given);
    }
    return tr("“%1” gets %2: %3 is taken").arg(EntryText(c.entry)).arg(c.given).arg(c.wanted);
}

void CReferenceDialog::FillEntries() {
    std::vector<const Conflict*> conflictOf(plan_.entries.size());
    for (const Conflict& c : plan_.conflicts)
        conflictOf[c.entry] = &c;
    entries_->setRowCount(static_cast<int>(plan_.entries.size()));
    for (std::size_t e = 0; e < plan_.entries.size(); ++e) {
        const EntryPlan& p = plan_.entries[e];
        const bool found = p.match.found();
        const QString after = p.applied            ? QString::number(p.after.number)
                              : p.leftOut && found ? QString::number(p.before.number)
                                                   : QString();
        QStringList changes;
        if (p.applied)
            changes << OtherChanges(plan_, p.before, p.after);
        else if (p.leftOut)
            changes << tr("left out: stays as it is");
        if (conflictOf[e] != nullptr)
            changes << ConflictText(*conflictOf[e]);
        changes.removeAll(QString());
        SetRow(entries_, static_cast<int>(e),
               {EntryText(e), found ? Name(p.before.name) : tr("(none)"),
                MethodText(p.match.method), found ? QString::number(p.before.number) : QString(),
                after, changes.join(QStringLiteral("; "))},
               p.leftOut);
    }
    entries_->resizeColumnsToContents();
}

void CReferenceDialog::FillUnmatched() {
    unmatchedList_->setRowCount(static_cast<int>(plan_.unmatched.size()));
    for (std::size_t i = 0; i < plan_.unmatched.size(); ++i) {
        const UnmatchedPlan& u = plan_.unmatched[i];
        SetRow(unmatchedList_, static_cast<int>(i),
               {u.kind == Kind::TV ? tr("TV") : tr("Radio"), Name(u.before.name),
                QString::number(u.before.number),
                u.leftOut   ? tr("%1, as it is").arg(u.before.number)
                : u.deleted ? tr("deleted")
                            : QString::number(u.after.number)},
               u.leftOut);
    }
    unmatchedList_->resizeColumnsToContents();
}

void CReferenceDialog::FillNotes() {
    notes_->clear();
    const auto add = [&](const QString& what, const QString& details) {
        new QTreeWidgetItem(notes_, {what, details});
    };
    for (const Conflict& c : plan_.conflicts)
        add(c.kind == ConflictKind::SameChannel ? tr("Same channel") : tr("Number taken"),
            ConflictText(c));
    for (std::size_t e = 0; e < plan_.entries.size(); ++e) {
        const EntryPlan& p = plan_.entries[e];
        if (p.nameTooLong)
            add(tr("Name too long"), tr("“%1” is longer than this receiver keeps: refused")
                                         .arg(Name(ref_.entries[e].name)));
        else if (p.nameNotInTable != 0)
            add(tr("Name refused"), Translated(p.nameRefusal));
        else if (p.nameReplaced > 0)
            add(tr("Characters replaced"),
                tr("“%1” is stored as “%2”: the channel's character table lacks %n of its "
                   "character(s)",
                   nullptr, static_cast<int>(p.nameReplaced))
                    .arg(Name(ref_.entries[e].name), Name(p.after.name)));
        else if (p.sameAfterCut)
            add(tr("Same name after the cut"),
                tr("“%1” is cut to “%2”, as another name is")
                    .arg(Name(ref_.entries[e].name), Name(p.after.name)));
    }
    for (const GroupPast& g : plan_.groupsPast)
        add(tr("Group not kept"),
            tr("Favourite group %1 “%2” (%n channel(s)) is past the groups this receiver keeps",
               nullptr, static_cast<int>(g.channels))
                .arg(g.group)
                .arg(GroupName(g.name)));
    if (const char* note = EncodingNote(ref_.encoding))
        add(tr("Text"), QCoreApplication::translate("Reference", note));
    for (const LineProblem& p : ref_.problems)
        add(tr("Line not read"),
            tr("Line %1: %2")
                .arg(p.line)
                .arg(QCoreApplication::translate("Reference", LineFaultText(p.fault))));
    notes_->resizeColumnToContents(0);
}

} // namespace chanforge::app
