// How the lines of a channel list fall onto pages: each page holds columns of lines side by
// side, filled top to bottom and left to right. Measured in lines, so it is planned before
// anything is painted and the footer can say how many pages there are.
#pragma once

#include "chanforge/listprint/ChannelList.h"

#include <vector>

namespace chanforge::listprint {

struct PlannedLine {
    std::size_t section;
    int row; ///< kHeadingRow for the section's heading
};

inline constexpr int kHeadingRow = -1;

using PlannedColumn = std::vector<PlannedLine>;
using PlannedPage = std::vector<PlannedColumn>;

/// At least one page, even for an empty list. A section's heading opens the section and never
/// ends a column, so it always stands above the section's first entry.
/// linesPerColumn below 2 is taken as 2: a heading and an entry.
std::vector<PlannedPage> PlanPages(const ChannelList& list, int linesPerColumn, int pageColumns);

} // namespace chanforge::listprint
