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

namespace {

/// The model the kept images are filed under: the document's.
std::string BackupModel(const document::Model& model) {
    return model.preset != nullptr ? model.Name()
                                   : "list" + std::to_string(model.layout.product.list);
}

bool VerifySetting() {
    std::uint32_t on = 1;
    GetRegistry(kChanforgeKey, kVerifySettingName, &on, 1);
    return on != 0;
}

QString KeptAt(const check::BackupEntry& entry) {
    return QDateTime::fromMSecsSinceEpoch(entry.msecsSinceEpoch).toString("yyyy-MM-dd HH:mm:ss");
}

} // namespace

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
    restore_ = make(tr("Restore…"), tr("Open an image kept from a receive or a send"),
                    QStyle::SP_DialogResetButton, &CCheckCommands::Restore);
    restore_->setObjectName("restoreAction");
    verify_ = new QAction(tr("Verify after send"), this);
    verify_->setObjectName("verifyAction");
    verify_->setStatusTip(tr("Receive the image back after a send and compare it"));
    verify_->setCheckable(true);
    verify_->setChecked(VerifySetting());
    connect(verify_, &QAction::toggled, this,
            [](bool on) { SetRegistry(kChanforgeKey, kVerifySettingName, on ? 1u : 0u); });
}

void CCheckCommands::AddTo(QToolBar& bar) {
    bar.addAction(check_);
    bar.addAction(restore_);
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
    std::vector<std::uint8_t> image;
    const check::IntactBackup last =
        backups_.ReadNewestIntact(BackupModel(document_.GetModel()), image);
    const QString skipped = SkippedBackupNote(last);
    const check::ImageDiff diff =
        last.used ? check::DiffImageToStore(image, document_.Store(), document_.Layout())
                  : check::ImageDiff{};
    if (!diff.ok) {
        if (!skipped.isEmpty())
            qpui::ShowInformation(&frame_, skipped);
        return true; // nothing trustworthy to compare with
    }
    if (diff.changes.empty() && skipped.isEmpty())
        return true;
    QString intro = tr("Against the image last received from or sent to this receiver (%1):")
                        .arg(KeptAt(*last.used));
    if (!skipped.isEmpty())
        intro = skipped + "\n" + (diff.changes.empty() ? tr("No differences.") : intro);
    CChangesDialog dialog(tr("What will change"), intro, diff.changes,
                          CChangesDialog::Buttons::SendOrCancel, &frame_);
    return dialog.exec() == QDialog::Accepted;
}

QString CCheckCommands::SkippedBackupNote(const check::IntactBackup& last) {
    if (last.damaged.empty())
        return {};
    if (!last.used)
        return tr("No image kept from this receiver matches its checksum: the send is not "
                  "compared.");
    return tr("The newest image kept from this receiver (%1) no longer matches its checksum; "
              "compared with the one kept %2 instead.")
        .arg(KeptAt(last.damaged.front()), KeptAt(*last.used));
}

void CCheckCommands::AfterReceive() {
    Keep(document_.WorkFilePath(), check::BackupKind::Received);
}

void CCheckCommands::AfterSend(bool sent) {
    if (!sent)
        return;
    Keep(document_.WorkFilePath(), check::BackupKind::Sent);
    if (verify_->isChecked())
        Verify();
}

void CCheckCommands::Verify() {
    const std::string readBack = document_.WorkFilePath() + ".verify";
    const auto dialog = qpui::MakeReceiveDialog(frame_.Context().Product(), &frame_);
    dialog->setWindowTitle(tr("Verify: Receive data from STB"));
    dialog->Initialize(readBack);
    dialog->SetTransferValues(document_.GetModel().transfer);
    const bool received = dialog->exec() == QDialog::Accepted;
    std::vector<std::uint8_t> sent, back;
    const bool read = received && utils::ReadWholeFile(document_.WorkFilePath(), sent).ok() &&
                      utils::ReadWholeFile(readBack, back).ok();
    if (read)
        Keep(readBack, check::BackupKind::ReadBack);
    std::error_code ignored;
    std::filesystem::remove(readBack, ignored);
    if (!received)
        return; // the operator gave up the read-back
    const check::ImageDiff diff =
        read ? check::DiffImages(sent, back, document_.Layout()) : check::ImageDiff{};
    if (!diff.ok)
        qpui::ShowStop(&frame_, tr("Cannot verify the send: %1")
                                    .arg(read ? QString::fromStdString(diff.detail)
                                              : tr("the image cannot be read")));
    else if (!diff.changes.empty())
        ShowChanges(tr("Verification failed"),
                    tr("The receiver holds a database that differs from the one sent:"),
                    diff.changes);
    else if (!diff.bytes.empty())
        OfferRestore(Translated(check::HeldBytesPhrase(diff.bytes)));
    else
        qpui::ShowInformation(&frame_, tr("Verified"));
}

void CCheckCommands::OfferRestore(const QString& warning) {
    if (qpui::ShowMessage(&frame_, qpui::MessageKind::WarningOfferingRestore, warning) ==
        QMessageBox::Yes)
        Restore();
}

void CCheckCommands::Keep(const std::string& path, check::BackupKind kind) {
    std::vector<std::uint8_t> image;
    const check::BackupResult kept =
        utils::ReadWholeFile(path, image).ok()
            ? backups_.Keep(image, BackupModel(document_.GetModel()), kind, document_.Layout())
            : check::BackupResult{check::BackupStatus::CannotRead, path, "unreadable"};
    if (!kept.ok())
        qpui::ShowError(
            &frame_,
            tr("Cannot keep a backup of the image: %1").arg(QString::fromStdString(kept.detail)));
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
    ShowChanges(tr("What will change"),
                tr("From %1 to the open database:").arg(QFileInfo(path).fileName()), diff.changes);
}

void CCheckCommands::ShowChanges(const QString& title, const QString& intro,
                                 const check::Changes& changes) {
    CChangesDialog dialog(title, changes.empty() ? tr("No differences.") : intro, changes,
                          CChangesDialog::Buttons::Close, &frame_);
    dialog.exec();
}

std::vector<check::BackupEntry> CCheckCommands::BackupsToOffer() const {
    const std::string model = BackupModel(document_.GetModel());
    std::vector<check::BackupEntry> offered = backups_.List(model);
    for (check::BackupEntry& entry : backups_.List())
        if (entry.model != model)
            offered.push_back(std::move(entry));
    return offered;
}

void CCheckCommands::Restore() {
    CBackupsDialog dialog(BackupsToOffer(), BackupModel(document_.GetModel()), &frame_);
    dialog.exec();
    const auto chosen = dialog.Chosen();
    if (!chosen || !frame_.MaybeSave())
        return;
    const bool ownModel = chosen->model == BackupModel(document_.GetModel());
    if (!ownModel && (policy::FindPreset(chosen->model) == nullptr ||
                      !qpui::AskYesNo(&frame_, tr("This backup is of model %1. Open it as a model "
                                                  "%1 database? The window then works in model "
                                                  "%1 until the next start.")
                                                   .arg(QString::fromStdString(chosen->model)))))
        return;
    std::vector<std::uint8_t> image;
    const check::BackupResult read = backups_.Read(*chosen, image);
    if (!read.ok()) {
        qpui::ShowStop(&frame_, QString::fromStdString(read.detail));
        return;
    }
    const QString name = QFileInfo(QFile::decodeName(chosen->path.c_str())).fileName();
    // The bytes just checked are decoded, whatever happens to the backup meanwhile.
    const auto adopt = [&] {
        WaitCursor wait;
        return document_.AdoptImage(image);
    };
    const document::DocResult result =
        ownModel ? adopt() : OpenInModel(frame_.Context(), chosen->model, adopt);
    if (!frame_.Files().Report(result))
        return;
    frame_.TablesReplaced(name);
    frame_.RefreshAll();
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
    return ch == nullptr
               ? QString::number(row)
               : QStringLiteral("%1 %2").arg(ch->ProgramNum).arg(QString::fromLatin1(ch->Name));
}

} // namespace chanforge::app
