#include "OtherModel.h"

#include "PhraseText.h"
#include "policy/Presets.h"
#include "qpui/MessageBox.h"

#include <QCoreApplication>

namespace chanforge::app {

bool AskOpenAsOtherModel(QWidget* parent, const document::DocResult& refused) {
    if (refused.likelyModels.empty() || policy::FindPreset(refused.likelyModels.front()) == nullptr)
        return false;
    const QString model = QString::fromStdString(refused.likelyModels.front());
    return qpui::AskYesNo(
        parent, Translated(refused.sentence) + QStringLiteral("\n\n") +
                    QCoreApplication::translate("OtherModel",
                                                "Open it as a model %1 database? The window then "
                                                "works in model %1 until the next start.")
                        .arg(model));
}

document::DocResult OpenInModel(CEditContext& context, const std::string& model,
                                const std::function<document::DocResult()>& open) {
    const policy::ProductPreset* preset = policy::FindPreset(model);
    if (preset == nullptr)
        return {document::DocStatus::OpenFailed, document::kOpenFailedMessage, model};
    document::Document& doc = context.Document();
    const document::Model previous = doc.GetModel();
    doc.ChangeModel(document::Model::Of(*preset));
    document::DocResult result = open();
    if (result.ok())
        context.ChangeModel(doc.GetModel()); // tells the panes, the title and the status bar
    else
        doc.ChangeModel(previous);
    return result;
}

} // namespace chanforge::app
