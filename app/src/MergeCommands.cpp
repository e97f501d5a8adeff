#include "MergeCommands.h"

#include "FileDialogs.h"
#include "MainFrame.h"
#include "MergeDialog.h"
#include "PhraseText.h"

#include "chanforge/merge/Merge.h"
#include "policy/Presets.h"
#include "qpui/MessageBox.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <memory>

namespace chanforge::app {

namespace {

/// Opens the files into doc in order; the first failure, or an ok result.
document::DocResult OpenAll(document::Document& doc, const QStringList& files) {
    for (const QString& file : files)
        if (document::DocResult opened = doc.Open(QFile::encodeName(file).toStdString());
            !opened.ok())
            return opened;
    return {};
}

} // namespace

CMergeCommands::CMergeCommands(CMainFrame& frame) : QObject(&frame), frame_(frame) {
    merge_ = new QAction(tr("&Merge from…"), this);
    merge_->setObjectName("mergeAction");
    merge_->setStatusTip(tr("Add the channels of another list, with their satellites and "
                            "transponders"));
    connect(merge_, &QAction::triggered, this, &CMergeCommands::MergeFrom);
}

void CMergeCommands::MergeFrom() {
    const QString path = AskOpenPath(
        &frame_, tr("Merge from"), {tr("Channel lists (*.bin *.xls *.csv)"), tr("All Files(*.*)")});
    if (path.isEmpty())
        return;
    if (!document::IsChannelSheetPath(QFile::encodeName(path).toStdString())) {
        MergeFromFiles({path});
        return;
    }
    // A workbook holds the channels only: their satellites and transponders are in its file.
    const QString channelFile = AskOpenPath(&frame_, tr("The channel file of the workbook"),
                                            {tr("Local file (*.bin)"), tr("All Files(*.*)")});
    if (!channelFile.isEmpty())
        MergeFromFiles({channelFile, path});
}

bool CMergeCommands::MergeFromFiles(const QStringList& files) {
    CEditContext& context = frame_.Context();
    document::Document& doc = context.Document();
    const codec::FlashLayout layout = doc.Layout();
    const auto ask = [this](const std::string& q) {
        return qpui::AskYesNo(&frame_, QCoreApplication::translate("Document", q.c_str()));
    };
    codec::FlashLayout otherLayout = layout;
    auto other = std::make_unique<document::Document>(otherLayout);
    other->SetQuestionHandler(ask);
    document::DocResult opened = OpenAll(*other, files);
    if (opened.status == document::DocStatus::OtherModel && !opened.likelyModels.empty() &&
        !opened.likelyModels.front().empty() &&
        qpui::AskYesNo(&frame_,
                       Translated(opened.sentence) + QStringLiteral("\n\n") +
                           tr("Read the other list as model %1?")
                               .arg(QString::fromStdString(opened.likelyModels.front())))) {
        otherLayout =
            codec::FlashLayout::FromPreset(*policy::FindPreset(opened.likelyModels.front()));
        other = std::make_unique<document::Document>(otherLayout);
        other->SetQuestionHandler(ask);
        opened = OpenAll(*other, files);
    } else if (opened.status == document::DocStatus::OtherModel) {
        return false;
    }
    if (!opened.ok()) {
        qpui::ShowStop(&frame_, QCoreApplication::translate("Document", opened.message.c_str()) +
                                    QStringLiteral("\n") + QString::fromStdString(opened.detail));
        return false;
    }
    auto incoming = std::make_unique<merge::Incoming>();
    if (!merge::ReadIncoming({other->Store(), other->Values(), otherLayout}, layout, *incoming)) {
        qpui::ShowStop(&frame_, tr("The other list cannot be put into this model's layout."));
        return false;
    }
    CMergeDialog dialog(
        QFileInfo(files.back()).fileName(), *incoming,
        [&](const merge::MergeOptions& options, const editing::LeftOut& leftOut) {
            return merge::PlanMerge(context.Store(), layout, *incoming, options, leftOut);
        },
        &frame_);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    context.Edit(QT_TRANSLATE_NOOP("UndoSteps", "Merge from"), merge::kMergeTables, [&] {
        merge::ApplyMerge(context.Store(), doc.Values(), dialog.CurrentPlan(), *incoming);
    });
    // The channel table was re-keyed: copied keys would name other channels.
    context.Clipboard().Clear();
    frame_.RefreshAll();
    return true;
}

} // namespace chanforge::app
