// How core libraries tell the operator about a failure without depending on widgets.
// The GUI installs a hook that shows a message box; by default messages go to standard error.
#pragma once

#include <functional>
#include <string>

namespace utils {

enum class ReportLevel { Information, Error };

using ReportHook = std::function<void(ReportLevel, const std::string& message)>;

/// Installs the hook (an empty hook restores the default, standard error); returns the old one.
ReportHook SetReportHook(ReportHook hook);
void Report(ReportLevel level, const std::string& message);

} // namespace utils
