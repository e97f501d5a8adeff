// Where the operator is in the panes: the selected rows and scroll positions of the lists and
// grids and the filter of the grids. Undo and redo put the operator back where they were when
// the tables were last in that state, as far as the rows still exist.
#pragma once

#include "RecordSelection.h"

#include "chanforge/editing/ChannelEdits.h"
#include "chanforge/editing/ChannelFilter.h"

#include <vector>

namespace chanforge::app {

struct PanePlace {
    struct View {
        editing::RowIds selected;
        std::uint32_t current = 0; ///< key of the focus row
        int scroll = 0;
    };
    /// Satellites, transponders, terrestrial and cable multiplexes, providers, TV, radio.
    std::vector<View> views;
    std::uint32_t transponderSatellite = 0; ///< the SatID the transponder list shows
    editing::ChannelFilter filter;
};

PanePlace CapturePlace(Panes panes);
/// Reloads every pane from the tables and goes back to place; rows that are gone are left out.
void RestorePlace(Panes panes, const PanePlace& place);

} // namespace chanforge::app
