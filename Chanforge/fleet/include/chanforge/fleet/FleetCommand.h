// The command line's send to several ports: the fleet run to its end, a progress line per port
// (or JSON lines), the report, and Ctrl+C as Stop.
#pragma once

#include "chanforge/fleet/FleetSend.h"
#include "chanforge/transfer/TransferCommand.h"

#include <ostream>
#include <string>
#include <vector>

namespace chanforge::fleet {

struct FleetCommandOptions {
    std::vector<transfer::LineOptions> lines; ///< one per port
    FleetJob job;
    bool repeat = false; ///< every port serves receiver after receiver until Ctrl+C
    bool json = false;   ///< JSON lines on out instead of progress lines
    std::string report;  ///< CSV written after each unit; empty: none
};

/// Exit status: 0 when every unit verified (or was sent, without verify), 1 otherwise, 2 for
/// bad settings. Each unit's end is a line on out; progress goes to standard error.
int RunFleetSend(const FleetCommandOptions& options, std::ostream& out);

} // namespace chanforge::fleet
