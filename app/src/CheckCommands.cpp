#include "CheckCommands.h"

#include "BackupsDialog.h"
#include "ChangesDialog.h"
#include "FileDialogs.h"
#include "MainFrame.h"
#include "OtherModel.h"
#include "PhraseText.h"
#include "RecordSelection.h"
#include "WaitCursor.h"

#include "chanforge/ChannelOrder.h"
#include "chanforge/TableAccess.h"
#include "chanforge/check/Fixes.h"
#include "chanforge/check/ImageDiff.h"
#include "chanforge/check/Validate.h"
#include "chanforge/editing/ChannelName.h"
#include "policy/Policy.h"
#include "policy/Presets.h"
#include "qpui/DlgRecvDataFromSTB.h"
#include "qpui/MessageBox.h"
#include "utils/Files.h"
#include "utils/Registry.h"

#include <QAction>
#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QInputDialog>
#include <QStyle>
#include <QToolBar>

#include <cstring>
#include <filesystem>
#include <system_error>

namespace chanforge::app {

CCheckCommands::CCheckCommands(CMainFrame& frame, document::Document& document)
    : QObject(&frame), frame_(frame), document_(document) {
    dock_ = new CFindingsDock(&frame);
    frame.addDockWidget(Qt::BottomDockWidgetArea, dock_);
    dock_->hide();
    connect(dock_, &CFindingsDock::RecordsRequested, this, &CCheckCommands::SelectRecords);
    connect(dock_, &CFindingsDock::FixRequested, this, &CCheckCommands::ApplyFix);

    const auto make = [&](const QString& text, const QString& tip, QStyle::StandardPixmap icon,
                          auto slot) {
        auto* action = new QAction(frame.style()->standardIcon(icon), text, this);
        action->setStatusTip(tip);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    check_ = make(tr("Check"), tr("Check the database against what the receiver holds"),
                  QStyle::SP_DialogApplyButton, &CCheckCommands::Check);
    check_->setObjectName("checkAction");
    compare_ = make(tr("Compare with file…"),
                    tr("Show what changes from a channel file to the open database"),
                    QStyle::SP_FileDialogContentsView, &CCheckCommands::CompareWithFile);
    compare_->setObjectName("compareAction");
}

void CCheckCommands::AddTo(QToolBar& bar) {
    bar.addAction(check_);
    bar.addAction(frame_.Backups().RestoreAction());
}

check::Findings CCheckCommands::Check() {
    check::Findings findings =
        check::CheckDatabase(document_.Store(), document_.Values(), document_.Layout());
    ShowFindings(findings);
    return findings;
}

void CCheckCommands::ShowFindings(const check::Findings& findings) {
    const bool first = !dockShown_;
    dock_->ShowFindings(
        findings, [this](TableId table, std::uint32_t row) { return RecordName(table, row); });
    dockShown_ = true;
    if (first)
        frame_.resizeDocks({dock_}, {std::max(140, frame_.height() / 5)}, Qt::Vertical);
}

void CCheckCommands::TablesChanged() {
    if (dock_->isVisible())
        Check();
}

void CCheckCommands::BeforeSave() {
    const check::Findings findings =
        check::CheckDatabase(document_.Store(), document_.Values(), document_.Layout());
    if (!findings.empty())
        ShowFindings(findings);
}

bool CCheckCommands::BeforeSend() {
    const check::Findings findings = Check();
    if (check::HasErrors(findings) && !qpui::AskYesNo(&frame_, tr("Send anyway?")))
        return false;
    return frame_.Backups().ConfirmChangesBeforeSend();
}

void CCheckCommands::CompareWithFile() {
    const QString path = AskOpenPath(&frame_, tr("Compare with file"),
                                     {tr("Binary file (*.bin)"), tr("All Files(*.*)")});
    if (path.isEmpty())
        return;
    const check::ImageDiff diff = check::DiffFileToStore(QFile::encodeName(path).toStdString(),
                                                         document_.Store(), document_.Layout());
    if (!diff.readable) {
        qpui::ShowStop(&frame_,
                       QCoreApplication::translate("Document", document::kOpenFailedMessage));
        return;
    }
    if (!diff.ok) {
        qpui::ShowStop(&frame_, QString::fromStdString(diff.detail));
        return;
    }
    CChangesDialog::Show(&frame_, tr("What will change"),
                         tr("From %1 to the open database:").arg(QFileInfo(path).fileName()),
                         diff.changes);
}

void CCheckCommands::SelectRecords(TableId table, const RowList& rows) {
    app::SelectRecords({frame_.LeftTop(), frame_.LeftBottom(), frame_.Right()}, table, rows);
}

std::optional<std::uint16_t> CCheckCommands::ChooseProvider(std::uint16_t missing) {
    QStringList names;
    std::vector<std::uint16_t> ids;
    ForEachRow<Broadcast_Info_Tag>(
        document_.Store(), kProviderTable, [&](const Broadcast_Info_Tag& p) {
            names << tr("%1 (ID %2)")
                         .arg(QString::fromLatin1(
                             p.Name, static_cast<qsizetype>(strnlen(p.Name, sizeof p.Name))))
                         .arg(p.BroadcastID);
            ids.push_back(p.BroadcastID);
        });
    names << tr("No provider");
    ids.push_back(0);
    bool ok = false;
    const QString chosen = QInputDialog::getItem(
        &frame_, tr("Assign to a provider"),
        tr("The channels of provider %1, which does not exist, go to:").arg(missing), names, 0,
        false, &ok);
    const auto at = names.indexOf(chosen);
    if (!ok || at < 0)
        return std::nullopt;
    return ids[static_cast<std::size_t>(at)];
}

void CCheckCommands::ApplyFix(check::Fix fix, const RowList& rows) {
    CEditContext& context = frame_.Context();
    tabstore::CQoDB& db = context.Store();
    switch (fix) {
    case check::Fix::Renumber:
        context.Edit(QT_TRANSLATE_NOOP("UndoSteps", "Renumber"), editing::TableBit(kChannelTable),
                     [&] { RenumberChannels(db); });
        break;
    case check::Fix::RemoveDuplicates:
        context.Edit(QT_TRANSLATE_NOOP("UndoSteps", "Remove duplicates"),
                     check::kRemoveDuplicatesTables,
                     [&] { return check::RemoveDuplicates(db, rows); });
        break;
    case check::Fix::DeleteUnused:
        context.Edit(QT_TRANSLATE_NOOP("UndoSteps", "Delete unused"), check::kDeleteUnusedTables,
                     [&, layout = document_.Layout()] { return check::DeleteUnused(db, layout); });
        break;
    case check::Fix::AssignProvider: {
        const auto* ch =
            rows.empty() ? nullptr : GetRow<Channel_Info_Tag>(db, kChannelTable, rows.front());
        if (ch == nullptr)
            return;
        const std::uint16_t missing = ch->BroadcastID;
        const std::optional<std::uint16_t> provider = ChooseProvider(missing);
        if (!provider)
            return;
        context.Edit(QT_TRANSLATE_NOOP("UndoSteps", "Assign to a provider"),
                     check::kAssignProviderTables,
                     [&] { return check::AssignProvider(db, missing, *provider); });
        break;
    }
    case check::Fix::None:
        return;
    }
    // Copied keys would name other channels after the table was re-keyed.
    context.Clipboard().Clear();
    frame_.RefreshAll();
}

QString CCheckCommands::RecordName(TableId table, std::uint32_t row) {
    if (table != kChannelTable)
        return QString::number(row);
    const auto* ch = GetRow<Channel_Info_Tag>(document_.Store(), kChannelTable, row);
    return ch == nullptr ? QString::number(row)
                         : QStringLiteral("%1 %2")
                               .arg(ch->ProgramNum)
                               .arg(QString::fromStdString(editing::NameText(*ch)));
}

} // namespace chanforge::app
