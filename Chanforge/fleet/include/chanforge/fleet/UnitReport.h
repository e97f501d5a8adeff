// The report of a several-receivers send: one CSV row per receiver's turn, for a file of the
// operator's choosing and for the log the backup folder keeps of every unit programmed.
#pragma once

#include "chanforge/fleet/FleetSend.h"
#include "utils/Files.h"

#include <span>
#include <string>

namespace chanforge::fleet {

/// "verified", "sent", "failed", "stopped": the result column, in English.
const char* ResultWord(UnitResult result);

/// The header and a record per row.
std::string ReportCsv(std::span<const UnitRow> rows);
/// Writes ReportCsv(rows) to path, replacing it.
utils::FileResult WriteReport(const std::string& path, std::span<const UnitRow> rows);
/// Adds the rows to the log in the folder (made with its header when there is none yet).
utils::FileResult AppendToLog(const std::string& folder, std::span<const UnitRow> rows);

/// The log's name in the backup folder.
inline constexpr const char* kLogName = "units.csv";

} // namespace chanforge::fleet
