// What a save for another model leaves out, each record named in a list that scrolls, asked
// before anything is written.
#pragma once

#include "chanforge/convert/ModelConvert.h"

#include <QString>

#include <vector>

class QWidget;

namespace chanforge::app {

/// The losses, one a line, each followed by its records (channels by kind, number and name;
/// cut names with what stays). True when the operator saves without them.
bool AskToDropLosses(QWidget* parent, const QString& model,
                     const std::vector<convert::Loss>& losses);

} // namespace chanforge::app
