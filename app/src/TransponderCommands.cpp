#include "TransponderCommands.h"

#include "EditText.h"
#include "MainFrame.h"
#include "TransponderUpdateDialog.h"

#include "chanforge/TableAccess.h"
#include "chanforge/editing/ChannelName.h"
#include "chanforge/editing/DeliveryText.h"
#include "qpui/MessageBox.h"

#include <QAction>
#include <QCoreApplication>
#include <QStatusBar>

namespace chanforge::app {

namespace {

using transponders::LineKind;

// The list's own delete question, so a transponder going with its channels is asked about in
// the same words wherever it goes.
QString ListText(const char* text, int n = -1) {
    return QCoreApplication::translate("chanforge::app::CListCommands", text, nullptr, n);
}

QString TransponderName(const Transponder_Info_Tag& tp) {
    return ListText("transponder %1 %2")
        .arg(QString::fromStdString(editing::Grouped(tp.Frequency)))
        .arg((tp.PolFEC & 1) != 0 ? QStringLiteral("H") : QStringLiteral("V"));
}

/// A gone line's record in the words of the list it is deleted from.
QString GoneName(const transponders::UpdateLine& line) {
    if (line.terrestrial)
        return ListText("multiplex %1")
            .arg(QString::fromStdString(editing::MuxFrequencyText(line.muxBefore) + " MHz"));
    if (line.cable)
        return ListText("multiplex %1")
            .arg(QString::fromStdString(editing::CableFrequencyText(line.cableBefore.Frequency)));
    return TransponderName(line.before);
}

} // namespace

CTransponderCommands::CTransponderCommands(CMainFrame& frame) : QObject(&frame), frame_(frame) {
    update_ = new QAction(tr("Update tra&nsponders…"), this);
    update_->setObjectName("updateTranspondersAction");
    update_->setStatusTip(
        tr("Bring a satellite's transponders up to date from satellites.xml or a scan table"));
    connect(update_, &QAction::triggered, this, &CTransponderCommands::UpdateTransponders);
}

bool CTransponderCommands::AskDeleteInUse(const CTransponderUpdateDialog& dialog) {
    const auto& lines = dialog.Plan().lines;
    std::vector<const transponders::UpdateLine*> inUse;
    QStringList names;
    int channels = 0;
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (lines[i].kind == LineKind::Gone && !lines[i].channels.empty() &&
            !dialog.LeftOut().contains(i)) {
            inUse.push_back(&lines[i]);
            for (std::uint32_t key : lines[i].channels)
                if (const auto* ch =
                        GetRow<Channel_Info_Tag>(frame_.Context().Store(), kChannelTable, key)) {
                    names << QString::fromStdString(editing::NameText(*ch));
                    ++channels;
                }
        }
    if (inUse.empty())
        return true;
    const QString question =
        inUse.size() == 1
            ? ListText("Delete %1 and its %n channel(s)?", channels).arg(GoneName(*inUse.front()))
            : ListText("Delete %n transponders and their %1?", static_cast<int>(inUse.size()))
                  .arg(ListText("%n channel(s)", channels));
    return qpui::AskYesNo(&frame_,
                          question + QStringLiteral("\n\n") + names.join(QStringLiteral(", ")));
}

bool CTransponderCommands::UpdateTransponders() {
    CEditContext& context = frame_.Context();
    CTransponderUpdateDialog dialog(context.Store(), context.Product(), &frame_);
    if (dialog.exec() != QDialog::Accepted || !AskDeleteInUse(dialog))
        return false;
    const editing::EditResult result = context.Edit(
        QT_TRANSLATE_NOOP("UndoSteps", "Update transponders"), transponders::kUpdateTables, [&] {
            return transponders::ApplyUpdate(context.Store(), context.Document().Values(),
                                             dialog.Plan(), dialog.LeftOut());
        });
    if (const QString message = EditText(result); !message.isEmpty())
        qpui::ShowError(&frame_, message);
    // Deleting closes the gaps in the ids: copied keys would name other channels.
    context.Clipboard().Clear();
    frame_.RefreshAll();
    frame_.statusBar()->showMessage(tr("Transponders updated"), 8000);
    return result == editing::EditResult::Ok;
}

} // namespace chanforge::app
