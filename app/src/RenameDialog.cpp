#include "RenameDialog.h"

#include "TickBoxes.h"

#include "chanforge/editing/ChannelName.h"
#include "utils/CodeTable.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace chanforge::app {

using namespace editing;

namespace {

/// A line's name bytes through its channel's code table.
QString Shown(const std::string& bytes, const RenameLine& line) {
    return QString::fromStdString(utils::NameToUtf8(bytes, line.codeTable));
}

} // namespace

CRenameDialog::CRenameDialog(tabstore::CQoDB& db, RowIds keys, std::size_t nameBytes,
                             QWidget* parent)
    : QDialog(parent), db_(db), keys_(std::move(keys)), nameBytes_(nameBytes) {
    setObjectName("renameDialog");
    setWindowTitle(tr("Rename by pattern"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    find_ = new QLineEdit;
    find_->setObjectName("renameFind");
    replace_ = new QLineEdit;
    replace_->setObjectName("renameReplace");
    replace_->setPlaceholderText(tr("\\1, \\2 ... put back a group of a regular expression"));
    form->addRow(tr("Find:"), find_);
    form->addRow(tr("Replace with:"), replace_);
    auto* options = new QHBoxLayout;
    regex_ = new QCheckBox(tr("Regular expression"));
    regex_->setObjectName("renameRegex");
    matchCase_ = new QCheckBox(tr("Match case"));
    matchCase_->setObjectName("renameMatchCase");
    change_ = new QComboBox;
    change_->setObjectName("renameCase");
    change_->addItems({tr("Keep the case"), tr("UPPER CASE"), tr("lower case"), tr("Title Case")});
    cutToFit_ = new QCheckBox(tr("Cut names to fit"));
    cutToFit_->setObjectName("renameCutToFit");
    options->addWidget(regex_);
    options->addWidget(matchCase_);
    options->addWidget(cutToFit_);
    options->addStretch(1);
    options->addWidget(change_);
    form->addRow(options);
    layout->addLayout(form);
    table_ = new QTableWidget(0, 3);
    table_->setObjectName("renamePreview");
    table_->setHorizontalHeaderLabels({tr("Name now"), tr("New name"), tr("Note")});
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    layout->addWidget(table_, 1);
    ticks_ = new CTickBoxes(*table_);
    layout->addLayout(ticks_->Buttons(this));
    summary_ = new QLabel;
    summary_->setObjectName("renameSummary");
    summary_->setWordWrap(true);
    // A refusal takes two lines; the preview above must not hide the second.
    summary_->setMinimumHeight(2 * summary_->fontMetrics().lineSpacing());
    layout->addWidget(summary_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel);
    rename_ = buttons->addButton(tr("Rename"), QDialogButtonBox::AcceptRole);
    rename_->setObjectName("rename");
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    for (QLineEdit* edit : {find_, replace_})
        connect(edit, &QLineEdit::textChanged, this, &CRenameDialog::ShowPreview);
    for (QCheckBox* box : {regex_, matchCase_, cutToFit_})
        connect(box, &QCheckBox::toggled, this, &CRenameDialog::ShowPreview);
    connect(change_, &QComboBox::currentIndexChanged, this, &CRenameDialog::ShowPreview);
    connect(ticks_, &CTickBoxes::Changed, this, &CRenameDialog::Count);
    resize(600, 440);
    ShowPreview();
}

void CRenameDialog::ShowPreview() {
    const RenameRule rule{find_->text().toStdString(), replace_->text().toStdString(),
                          regex_->isChecked(), matchCase_->isChecked(),
                          static_cast<CaseChange>(change_->currentIndex())};
    preview_ = PreviewRename(db_, keys_, rule, nameBytes_, cutToFit_->isChecked());
    table_->setUpdatesEnabled(false);
    table_->setRowCount(static_cast<int>(preview_.lines.size()));
    for (std::size_t i = 0; i < preview_.lines.size(); ++i) {
        const RenameLine& line = preview_.lines[i];
        QStringList notes;
        if (line.empty)
            notes << tr("nothing left: refused");
        if (line.notInTable != 0)
            notes << tr("holds %1, which the channel's character table cannot hold: refused")
                         .arg(QString::fromStdString(utils::CharacterText(line.notInTable)));
        else if (line.tooLong)
            notes << tr("longer than the receiver keeps: refused");
        else if (line.cut)
            notes << tr("cut to \"%1\"").arg(Shown(line.kept, line));
        if (line.sameAfterCut)
            notes << tr("the same name as another row after the cut");
        if (line.unshown)
            notes << tr("characters the receiver cannot show");
        const int row = static_cast<int>(i);
        // The lines stay the same channels whatever the pattern: so do their ticks.
        auto* old = new QTableWidgetItem(Shown(line.oldName, line));
        old->setCheckState(CTickBoxes::StateFor(leftOut_.contains(i)));
        table_->setItem(row, 0, old);
        auto* renamed = new QTableWidgetItem(Shown(line.newName, line));
        QFont font = renamed->font();
        font.setBold(line.Changes());
        renamed->setFont(font);
        table_->setItem(row, 1, renamed);
        auto* note = new QTableWidgetItem(notes.join(QStringLiteral("; ")));
        if (!notes.isEmpty())
            note->setForeground(QColor(0xb0, 0x00, 0x20));
        table_->setItem(row, 2, note);
    }
    table_->setUpdatesEnabled(true);
    Count();
}

void CRenameDialog::Count() {
    leftOut_ = ticks_->Unticked();
    std::size_t cut = 0, tooLong = 0, notInTable = 0, unshown = 0, empty = 0;
    for (std::size_t i = 0; i < preview_.lines.size(); ++i) {
        if (leftOut_.contains(i))
            continue;
        const RenameLine& line = preview_.lines[i];
        cut += line.cut && !line.tooLong;
        tooLong += line.tooLong;
        notInTable += line.notInTable != 0;
        unshown += line.unshown;
        empty += line.empty;
    }
    const auto n = [](std::size_t count) { return static_cast<int>(count); };
    const int room = static_cast<int>(NameRoom(nameBytes_));
    QString summary;
    if (!preview_.ok())
        summary = tr("Not a regular expression: %1").arg(QString::fromStdString(preview_.error));
    else if (empty > 0)
        summary = tr("%n name(s) would be left empty: rename refused.", nullptr, n(empty));
    else if (notInTable > 0)
        summary = tr("%n name(s) with characters the channel's character table cannot hold: "
                     "rename refused. Tick \"Cut names to fit\" to store them as '?', or leave "
                     "those lines out.",
                     nullptr, n(notInTable));
    else if (tooLong > 0)
        summary =
            tr("%n name(s) longer than the receiver keeps: rename refused.", nullptr, n(tooLong)) +
            QLatin1Char(' ') +
            tr("It keeps %n character(s). Shorten the replacement, tick \"Cut names to "
               "fit\" or leave those lines out.",
               nullptr, room);
    else
        summary = tr("%n ticked name(s) will change.", nullptr, n(preview_.Changed(leftOut_)));
    if (cut > 0)
        summary +=
            QLatin1Char(' ') + tr("%n name(s) cut to what the receiver keeps.", nullptr, n(cut));
    if (unshown > 0)
        summary += QLatin1Char(' ') +
                   tr("%n name(s) with characters the receiver cannot show.", nullptr, n(unshown));
    summary_->setText(summary);
    rename_->setEnabled(preview_.Applicable(leftOut_) && preview_.Changed(leftOut_) > 0);
}

} // namespace chanforge::app
