#include "BackupCommands.h"

#include "BackupsDialog.h"
#include "ChangesDialog.h"
#include "MainFrame.h"
#include "OtherModel.h"
#include "PhraseText.h"
#include "WaitCursor.h"

#include "chanforge/check/ImageDiff.h"
#include "policy/Presets.h"
#include "qpui/DlgRecvDataFromSTB.h"
#include "qpui/MessageBox.h"
#include "utils/Files.h"
#include "utils/Registry.h"

#include <QAction>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QStyle>

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

CBackupCommands::CBackupCommands(CMainFrame& frame, document::Document& document)
    : QObject(&frame), frame_(frame), document_(document) {
    restore_ = new QAction(frame.style()->standardIcon(QStyle::SP_DialogResetButton),
                           tr("Restore…"), this);
    restore_->setObjectName("restoreAction");
    restore_->setStatusTip(tr("Open an image kept from a receive or a send"));
    connect(restore_, &QAction::triggered, this, &CBackupCommands::Restore);
    verify_ = new QAction(tr("Verify after send"), this);
    verify_->setObjectName("verifyAction");
    verify_->setStatusTip(tr("Receive the image back after a send and compare it"));
    verify_->setCheckable(true);
    verify_->setChecked(VerifySetting());
    connect(verify_, &QAction::toggled, this,
            [](bool on) { SetRegistry(kChanforgeKey, kVerifySettingName, on ? 1u : 0u); });
}

bool CBackupCommands::ConfirmChangesBeforeSend() {
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

QString CBackupCommands::SkippedBackupNote(const check::IntactBackup& last) {
    if (last.damaged.empty())
        return {};
    if (!last.used)
        return tr("No image kept from this receiver matches its checksum: the send is not "
                  "compared.");
    return tr("The newest image kept from this receiver (%1) no longer matches its checksum; "
              "compared with the one kept %2 instead.")
        .arg(KeptAt(last.damaged.front()), KeptAt(*last.used));
}

void CBackupCommands::AfterReceive() {
    Keep(document_.WorkFilePath(), check::BackupKind::Received);
}

void CBackupCommands::KeepUnopened(std::span<const std::uint8_t> image,
                                   const document::Model& model) {
    if (Keep(image, check::BackupKind::Received, model))
        frame_.Status().Tell(tr("The received list was not opened; it is kept among the "
                                "backups (Receiver → Restore…)."));
}

void CBackupCommands::AfterSend(bool sent) {
    if (!sent)
        return;
    Keep(document_.WorkFilePath(), check::BackupKind::Sent);
    if (verify_->isChecked())
        Verify();
}

void CBackupCommands::Verify() {
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
        CChangesDialog::Show(&frame_, tr("Verification failed"),
                             tr("The receiver holds a database that differs from the one sent:"),
                             diff.changes);
    else if (!diff.bytes.empty())
        OfferRestore(Translated(check::HeldBytesPhrase(diff.bytes)));
    else
        qpui::ShowInformation(&frame_, tr("Verified"));
}

void CBackupCommands::OfferRestore(const QString& warning) {
    if (qpui::ShowMessage(&frame_, qpui::MessageKind::WarningOfferingRestore, warning) ==
        QMessageBox::Yes)
        Restore();
}

void CBackupCommands::Keep(const std::string& path, check::BackupKind kind) {
    std::vector<std::uint8_t> image;
    if (utils::ReadWholeFile(path, image).ok())
        Keep(image, kind, document_.GetModel());
    else
        ShowNotKept(check::BackupResult{check::BackupStatus::CannotRead, path, "unreadable"});
}

bool CBackupCommands::Keep(std::span<const std::uint8_t> image, check::BackupKind kind,
                           const document::Model& model) {
    const check::BackupResult kept = backups_.Keep(image, BackupModel(model), kind, model.layout);
    if (!kept.ok())
        ShowNotKept(kept);
    return kept.ok();
}

void CBackupCommands::ShowNotKept(const check::BackupResult& result) {
    qpui::ShowError(
        &frame_,
        tr("Cannot keep a backup of the image: %1").arg(QString::fromStdString(result.detail)));
}

std::vector<check::BackupEntry> CBackupCommands::BackupsToOffer() const {
    const std::string model = BackupModel(document_.GetModel());
    std::vector<check::BackupEntry> offered = backups_.List(model);
    for (check::BackupEntry& entry : backups_.List())
        if (entry.model != model)
            offered.push_back(std::move(entry));
    return offered;
}

void CBackupCommands::Restore() {
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

} // namespace chanforge::app
