// Selects records of one table in the pane that lists them: channels in their grid, satellites,
// transponders, multiplexes and providers in their lists.
#pragma once

#include "chanforge/Records.h"

#include <cstdint>
#include <vector>

namespace chanforge::app {

class CLeftTopView;
class CLeftBottomView;
class CRightView;

struct Panes {
    CLeftTopView& leftTop;
    CLeftBottomView& leftBottom;
    CRightView& right;
};

/// Shows every record of the table's pane and selects rows there; false when no pane lists
/// the table or none of the rows is shown.
bool SelectRecords(Panes panes, TableId table, const std::vector<std::uint32_t>& rows);

} // namespace chanforge::app
