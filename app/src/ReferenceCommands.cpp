#include "ReferenceCommands.h"

#include "FileDialogs.h"
#include "LossesDialog.h"
#include "MainFrame.h"
#include "PhraseText.h"
#include "ReferenceDialog.h"
#include "WindowMemory.h"

#include "chanforge/convert/ModelConvert.h"
#include "chanforge/reference/Plan.h"
#include "policy/Presets.h"
#include "qpui/MessageBox.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QInputDialog>

namespace chanforge::app {

namespace {

QString Title(const policy::ProductPreset& preset) {
    return QString::fromLatin1(preset.title.data(), static_cast<qsizetype>(preset.title.size()));
}

std::vector<const policy::ProductPreset*> Presets() {
    std::vector<const policy::ProductPreset*> presets;
    for (const policy::ProductPreset& p : policy::ConfigurablePresets())
        presets.push_back(&p);
    presets.push_back(&policy::StartupPreset());
    return presets;
}

/// The preset whose title the operator chose from Presets(), current offered first; null when
/// cancelled.
const policy::ProductPreset* AskPreset(QWidget* parent, const QString& title, const QString& label,
                                       const policy::ProductPreset* current) {
    QStringList titles;
    int offered = 0;
    for (const policy::ProductPreset* p : Presets()) {
        if (p == current)
            offered = static_cast<int>(titles.size());
        titles << Title(*p);
    }
    bool ok = false;
    const QString chosen = QInputDialog::getItem(parent, title, label, titles, offered, false, &ok);
    const auto at = titles.indexOf(chosen);
    return ok && at >= 0 ? Presets()[static_cast<std::size_t>(at)] : nullptr;
}

std::string LocalPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

} // namespace

CReferenceCommands::CReferenceCommands(CMainFrame& frame) : QObject(&frame), frame_(frame) {
    apply_ = new QAction(tr("Apply re&ference list…"), this);
    apply_->setObjectName("applyReferenceAction");
    apply_->setStatusTip(tr("Number, group, lock and skip the channels as another list does"));
    connect(apply_, &QAction::triggered, this, &CReferenceCommands::ApplyReference);
    saveForModel_ = new QAction(tr("Save for &another model…"), this);
    saveForModel_->setObjectName("saveForModelAction");
    saveForModel_->setStatusTip(tr("Write this database in the layout of another receiver model"));
    connect(saveForModel_, &QAction::triggered, this, &CReferenceCommands::SaveForModel);
}

void CReferenceCommands::ApplyReference() {
    const QString path =
        AskOpenPath(&frame_, tr("Reference list"),
                    {tr("Reference lists (*.bin *.xls *.txt *.csv)"), tr("All Files(*.*)")});
    if (!path.isEmpty())
        ApplyReferenceFrom(path);
}

QString CReferenceCommands::AskReferenceModel() {
    const policy::ProductPreset* preset = AskPreset(
        &frame_, tr("Reference list"), tr("The receiver model the reference database is for:"),
        frame_.Context().Document().GetModel().preset);
    return preset == nullptr ? QString() : QString::fromLatin1(preset->name.data());
}

bool CReferenceCommands::ApplyReferenceFrom(const QString& path) {
    CEditContext& context = frame_.Context();
    document::Document& doc = context.Document();
    const codec::FlashLayout layout = doc.Layout();
    reference::ReferenceSource source{
        LocalPath(path), layout, [this](const std::string& q) {
            return qpui::AskYesNo(&frame_, QCoreApplication::translate("Document", q.c_str()));
        }};
    if (reference::NeedsModel(source.path)) {
        const QString model = AskReferenceModel();
        if (model.isEmpty())
            return false;
        source.layout = codec::FlashLayout::FromPreset(*policy::FindPreset(model.toStdString()));
    }
    reference::Reference ref;
    reference::ReferenceResult loaded =
        reference::LoadReference(source, context.Store(), layout, ref);
    if (loaded.status == reference::ReferenceStatus::OtherModel &&
        !loaded.likelyModels.front().empty() &&
        qpui::AskYesNo(&frame_,
                       Translated(loaded.sentence) + QStringLiteral("\n\n") +
                           tr("Read the reference as model %1?")
                               .arg(QString::fromStdString(loaded.likelyModels.front())))) {
        source.layout =
            codec::FlashLayout::FromPreset(*policy::FindPreset(loaded.likelyModels.front()));
        loaded = reference::LoadReference(source, context.Store(), layout, ref);
    } else if (loaded.status == reference::ReferenceStatus::OtherModel) {
        return false;
    }
    if (!loaded.ok()) {
        qpui::ShowStop(&frame_, QCoreApplication::translate("Reference", loaded.message.c_str()) +
                                    QStringLiteral("\n") + QString::fromStdString(loaded.detail));
        return false;
    }
    CReferenceDialog dialog(
        QFileInfo(path).fileName(), ref,
        [&](const reference::ApplyOptions& options, const editing::LeftOut& leftOut) {
            return reference::PlanReference(context.Store(), layout, ref, options, leftOut);
        },
        &frame_);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    const bool applied = context.Edit(
        QT_TRANSLATE_NOOP("UndoSteps", "Apply reference list"), reference::kApplyTables,
        [&] { return reference::ApplyPlan(context.Store(), dialog.CurrentPlan()); });
    // The channel table was re-keyed: copied keys would name other channels.
    context.Clipboard().Clear();
    frame_.RefreshAll();
    return applied;
}

void CReferenceCommands::SaveForModel() {
    const policy::ProductPreset* preset =
        AskPreset(&frame_, tr("Save for another model: the model"), tr("Write the database for:"),
                  frame_.Context().Document().GetModel().preset);
    if (preset == nullptr)
        return;
    const QString model = QString::fromLatin1(preset->name.data());
    // NAME-for-D.bin after the open file, so the copy is not taken for the original.
    const QString base = QFileInfo(frame_.FileName()).completeBaseName();
    const QString suggested =
        QDir(CWindowMemory::LastFolder())
            .filePath((base.isEmpty() ? QStringLiteral("channels") : base) +
                      QStringLiteral("-for-") + model + QStringLiteral(".bin"));
    const QString path = AskSavePath(&frame_, tr("Save for model %1: the file").arg(model),
                                     {tr("Local file (*.bin)"), tr("All Files(*.*)")}, suggested);
    if (!path.isEmpty())
        SaveForModelTo(model, path);
}

bool CReferenceCommands::SaveForModelTo(const QString& model, const QString& path) {
    const policy::ProductPreset* preset = policy::FindPreset(model.toStdString());
    if (preset == nullptr)
        return false;
    document::Document& doc = frame_.Context().Document();
    const codec::FlashLayout layout = doc.Layout();
    const codec::FlashLayout target = codec::FlashLayout::FromPreset(*preset);
    const convert::Database source{doc.Store(), doc.Values(), layout};
    const std::vector<convert::Loss> losses = convert::LossesForModel(source, target);
    if (!losses.empty() && !AskToDropLosses(&frame_, Title(*preset), losses))
        return false;
    const convert::ConvertResult saved =
        convert::SaveForModel(source, target, !losses.empty(), LocalPath(path));
    if (!saved.ok()) {
        qpui::ShowStop(&frame_, QCoreApplication::translate("Document", saved.message.c_str()) +
                                    QStringLiteral("\n") + QString::fromStdString(saved.detail));
        return false;
    }
    qpui::ShowInformation(&frame_, tr("Saved for %1. It opens once that model is chosen in the "
                                      "configuration.")
                                       .arg(Title(*preset)));
    return true;
}

} // namespace chanforge::app
