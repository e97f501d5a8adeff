// A database of another model than the window's: refused first, then opened as that model only
// when the operator says so. The window then works in that model until the next start.
#pragma once

#include "EditContext.h"

#include <QString>

#include <functional>

class QWidget;

namespace chanforge::app {

/// Shows why the file was refused and asks whether to open it as the model it looks like;
/// true for Yes. False without asking when that model has no preset.
bool AskOpenAsOtherModel(QWidget* parent, const document::DocResult& refused);

/// Works in the named model and runs open; when open fails the model stays as it was, so a
/// window never works in a model it shows nothing of.
document::DocResult OpenInModel(CEditContext& context, const std::string& model,
                                const std::function<document::DocResult()>& open);

} // namespace chanforge::app
