// The operator's text for an editing result, translated: the editing library marks its
// messages for the catalogue under the context "EditResult".
#pragma once

#include "chanforge/editing/EditResult.h"

#include <QCoreApplication>
#include <QString>

namespace chanforge::app {

/// Empty for results that need no word to the operator.
inline QString EditText(editing::EditResult result) {
    const std::string message = editing::EditMessage(result);
    return message.empty() ? QString() : QCoreApplication::translate("EditResult", message.c_str());
}

} // namespace chanforge::app
