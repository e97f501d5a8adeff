// A phrase of the libraries below the window, in the operator's language.
#pragma once

#include "utils/Phrase.h"

#include <QString>

namespace chanforge::app {

/// Looks the sentence and each argument up in the catalogue; names show as Latin-1, as in
/// every view.
QString Translated(const utils::Phrase& phrase);

} // namespace chanforge::app
