#include "FileCommands.h"

#include "FileDialogs.h"
#include "FleetDialog.h"
#include "MainFrame.h"
#include "OtherModel.h"
#include "PhraseText.h"
#include "WaitCursor.h"
#include "WindowMemory.h"
#include "chanforge/check/Backups.h"
#include "chanforge/check/Unresolved.h"
#include "policy/Presets.h"
#include "qpui/DlgRecvDataFromSTB.h"
#include "qpui/DlgSendDataToSTB.h"
#include "qpui/MessageBox.h"
#include "utils/Files.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>

namespace chanforge::app {

// The texts are the window's: CMainFrame::tr keeps them where the catalogue has them.

namespace {

std::string FilePath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

} // namespace

CFileCommands::CFileCommands(CMainFrame& frame, document::Document& document)
    : QObject(&frame), frame_(frame), document_(document) {}

bool CFileCommands::Report(const document::DocResult& result) {
    if (result.ok())
        return true;
    const QString message = QCoreApplication::translate("Document", result.message.c_str());
    if (result.status == document::DocStatus::OtherModel)
        qpui::ShowStop(&frame_, Translated(result.sentence));
    else if (!result.sentence.English().empty()) // what exactly, such as a workbook's cell
        qpui::ShowStop(&frame_, message + QStringLiteral("\n") + Translated(result.sentence));
    else if (!result.message.empty())
        qpui::ShowStop(&frame_, message);
    return false;
}

bool CFileCommands::IsModified() const {
    return frame_.Context().Undo().StateId() != savedState_;
}

void CFileCommands::MarkSaved() {
    savedState_ = frame_.Context().Undo().StateId();
    frame_.TablesChanged();
}

void CFileCommands::TablesReplaced(const QString& name) {
    frame_.ForgetHistory();
    fileName_ = name;
    MarkSaved();
}

bool CFileCommands::MaybeSave() {
    if (!IsModified())
        return true;
    const auto answer =
        qpui::ShowMessage(&frame_, qpui::MessageKind::QuestionWithCancel,
                          CMainFrame::tr("The channel list has unsaved changes. Save them now?"));
    if (answer == QMessageBox::Cancel)
        return false;
    if (answer == QMessageBox::No)
        return true;
    const QString path = AskSaveChannelData();
    if (path.isEmpty() || !SaveTo(path))
        return false;
    if (!IsModified())
        return true;
    qpui::ShowInformation(&frame_, WorkbookKeepsChannelsOnly());
    return false;
}

QString CFileCommands::AskSaveChannelData() {
    // The CSV filters choose the separator: a comma for most spreadsheet programs, a semicolon
    // where the comma is the decimal mark, a tab for scripts.
    constexpr int kFirstCsv = 2;
    constexpr char kSeparators[] = {',', ';', '\t'};
    int chosen = -1;
    // The file opened or saved last, where it is and under its name.
    const QString path = AskSavePath(
        &frame_, CMainFrame::tr("Save Channel Data"),
        {CMainFrame::tr("Local file (*.bin)"), CMainFrame::tr("Excel file (*.xls)"),
         CMainFrame::tr("CSV file, comma-separated (*.csv)"),
         CMainFrame::tr("CSV file, semicolon-separated (*.csv)"),
         CMainFrame::tr("CSV file, tab-separated (*.csv)"), CMainFrame::tr("All Files(*.*)")},
        CWindowMemory::RecentFiles().value(0), &chosen);
    const bool csv = chosen >= kFirstCsv && chosen < kFirstCsv + 3;
    document_.SetCsvSeparator(csv ? kSeparators[chosen - kFirstCsv] : ',');
    return path;
}

bool CFileCommands::OpenPath(const QString& path) {
    const auto open = [&] {
        WaitCursor wait;
        // Recorded as a step over the channel table, which is all a workbook replaces: that
        // stays a step the operator can undo. A channel file replaces every table and so
        // starts a fresh history; a file that does not load changes nothing.
        return frame_.Context().Edit(QT_TRANSLATE_NOOP("UndoSteps", "Workbook import"),
                                     editing::TableBit(kChannelTable),
                                     [&] { return document_.Open(FilePath(path)); });
    };
    document::DocResult result = open();
    if (result.status == document::DocStatus::OtherModel) {
        if (!AskOpenAsOtherModel(&frame_, result))
            return false;
        result = OpenInModel(frame_.Context(), result.likelyModels.front(), open);
    }
    if (!Report(result))
        return false;
    if (result.tables == document::TableScope::AllTables)
        TablesReplaced(QFileInfo(path).fileName());
    CWindowMemory::AddRecentFile(path);
    frame_.RefreshPanes();
    if (result.tables == document::TableScope::ChannelTable)
        TellUnresolved();
    return true;
}

void CFileCommands::TellUnresolved() {
    // A workbook carries channels only: without the channel file first, what they name is not here.
    const std::size_t unresolved =
        check::UnresolvedChannels(document_.Store(), document_.Values(), document_.Layout()).size();
    if (unresolved > 0)
        qpui::ShowMessage(&frame_, qpui::MessageKind::Information,
                          Translated(check::UnresolvedChannelsPhrase(unresolved)));
}

bool CFileCommands::SaveTo(const QString& path) {
    frame_.Checks().BeforeSave();
    document::DocResult result;
    {
        WaitCursor wait;
        result = document_.SaveToFile(FilePath(path));
    }
    if (!Report(result))
        return false;
    CWindowMemory::AddRecentFile(path);
    if (result.tables == document::TableScope::AllTables) {
        fileName_ = QFileInfo(path).fileName();
        MarkSaved();
    } else if (WorkbookHoldsEveryChange()) {
        MarkSaved();
    } else {
        frame_.Status().Tell(WorkbookKeepsChannelsOnly());
    }
    return true;
}

bool CFileCommands::WorkbookHoldsEveryChange() const {
    const editing::TableMask changed = frame_.Context().Undo().TablesChangedSince(savedState_);
    return (changed & ~editing::TableBit(kChannelTable)) == 0;
}

QString CFileCommands::WorkbookKeepsChannelsOnly() {
    return CMainFrame::tr(
        "The workbook holds the channels only: save to a channel file to keep the other "
        "changes");
}

void CFileCommands::Open() {
    if (!MaybeSave())
        return;
    const QString path =
        AskOpenPath(&frame_, CMainFrame::tr("Load Channel Data"),
                    {CMainFrame::tr("Binary file (*.bin)"), CMainFrame::tr("Excel file (*.xls)"),
                     CMainFrame::tr("CSV file (*.csv)"), CMainFrame::tr("All Files(*.*)")});
    if (!path.isEmpty())
        OpenPath(path);
}

void CFileCommands::OpenChosen(const QString& path) {
    if (!path.isEmpty() && MaybeSave())
        OpenPath(path);
}

void CFileCommands::Save() {
    const QString path = AskSaveChannelData();
    if (!path.isEmpty())
        SaveTo(path);
}

void CFileCommands::Receive() {
    if (!MaybeSave())
        return;
    // The received image waits beside the work file until it is taken: Cancel after a complete
    // receive must not leave it under the old tables.
    const auto dialog = qpui::MakeReceiveDialog(frame_.Context().Product(), &frame_);
    dialog->Initialize(document_.ReceivedPath());
    dialog->SetTransferValues(document_.GetModel().transfer);
    // The dialog says the receive is complete only for bytes that are a database; another
    // model's is asked about once it closed.
    dialog->SetReceivedCheck([this](const std::string& target) {
        std::vector<std::uint8_t> bytes;
        if (!utils::ReadWholeFile(target, bytes).ok())
            return QCoreApplication::translate("Document", document::kOpenFailedMessage);
        const document::DocResult judged = document_.Examine(bytes);
        return judged.ok() || judged.status == document::DocStatus::OtherModel
                   ? QString()
                   : QCoreApplication::translate("Document", judged.message.c_str());
    });
    const bool received = dialog->exec() == QDialog::Accepted;
    std::vector<std::uint8_t> image;
    const bool read =
        dialog->TransferSucceeded() && utils::ReadWholeFile(document_.ReceivedPath(), image).ok();
    document_.DiscardReceived();
    if (!received) {
        // Closed after a complete receive: the list stays, the receiver's image is kept all
        // the same.
        if (read)
            frame_.Backups().KeepUnopened(image, document_.GetModel());
        return;
    }
    const auto adopt = [&] {
        WaitCursor wait;
        return read ? document_.AdoptImage(image)
                    : document::DocResult{document::DocStatus::OpenFailed,
                                          document::kOpenFailedMessage, "the received image"};
    };
    document::DocResult result = adopt();
    if (result.status == document::DocStatus::OtherModel && AskOpenAsOtherModel(&frame_, result))
        result = OpenInModel(frame_.Context(), result.likelyModels.front(), adopt);
    else if (result.status == document::DocStatus::OtherModel) {
        // Not opened, but what the receiver holds is kept, filed under its own model.
        if (const policy::ProductPreset* preset = policy::FindPreset(result.likelyModels.front()))
            frame_.Backups().KeepUnopened(image, document::Model::Of(*preset));
        return;
    }
    if (!Report(result))
        return;
    // The receiver holds what was received; it is not a file of the operator's.
    TablesReplaced(QString());
    frame_.RefreshPanes();
    frame_.Backups().AfterReceive();
}

bool CFileCommands::PrepareSend() {
    if (document_.Store().Size(kChannelTable) == 0 || document_.Store().Size(kFavoriteTable) == 0) {
        qpui::ShowStop(&frame_,
                       QCoreApplication::translate("Document", document::kUploadEmptyMessage));
        return false;
    }
    frame_.RefreshPanes();
    if (!frame_.Checks().BeforeSend())
        return false;
    document::DocResult prepared;
    {
        WaitCursor wait;
        prepared = document_.PrepareSend();
    }
    return Report(prepared);
}

void CFileCommands::Send() {
    if (!PrepareSend())
        return;
    qpui::CDlgSendDataToSTB dialog(frame_.Context().Product(), &frame_);
    dialog.Initialize(document_.WorkFilePath());
    dialog.SetTransferValues(document_.GetModel().transfer);
    dialog.exec();
    frame_.Backups().AfterSend(dialog.TransferSucceeded());
}

void CFileCommands::SendToSeveral() {
    if (!PrepareSend())
        return;
    fleet::FleetJob job;
    job.file = document_.WorkFilePath();
    job.layout = document_.Layout();
    job.family = transfer::FamilyFor(frame_.Context().Product());
    job.scratch = QFileInfo(QString::fromStdString(job.file)).absolutePath().toStdString();
    job.say = [](const utils::Phrase& phrase) { return Translated(phrase); };
    transfer::TransferLine line;
    line.settings = transfer::ReadSerialSettings();
    line.idleTimeoutMs = transfer::kDefaultIdleMs;
    line.policy = document_.GetModel().transfer;
    CFleetDialog dialog(std::move(job), line, check::BackupStore().Folder(),
                        serlink::EnumeratePorts(), &frame_);
    dialog.exec();
}

void CFileCommands::ExportDefaultTable() {
    const QString path =
        AskSavePath(&frame_, CMainFrame::tr("Save Default Channel Data"),
                    {CMainFrame::tr("Local file (*.h)"), CMainFrame::tr("All Files(*.*)")});
    if (path.isEmpty())
        return;
    WaitCursor wait;
    Report(document_.ExportDefaultChannelTable(FilePath(path)));
}

} // namespace chanforge::app
