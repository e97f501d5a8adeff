// Remove the unused: satellites that nothing is tuned to, transponders and multiplexes no
// channel names, providers no channel names, and favourite groups without a channel cleared.
// Found first, so the operator sees what goes; then removed in one step.
#pragma once

#include "chanforge/editing/ChannelEdits.h"
#include "chanforge/editing/LeftOut.h"
#include "chanforge/editing/UndoStack.h"

#include <cstddef>

namespace chanforge::editing {

/// Removing a cable multiplex lowers the TPIDs of channels above it.
inline constexpr TableMask kRemoveUnusedTables =
    TableBit(kSatelliteTable) | TableBit(kTransponderTable) | TableBit(kCableMuxTable) |
    TableBit(kProviderTable) | TableBit(kFavoriteTable) | TableBit(kChannelTable);

/// Row keys of what goes, each list in table order. A preview's lines are the lists one after
/// another in the order below.
struct UnusedRecords {
    RowIds satellites;   ///< no channel names them and every transponder of theirs goes
    RowIds transponders; ///< satellite transponders no channel names
    RowIds muxes;        ///< terrestrial multiplexes kept in the transponder table
    RowIds cableMuxes;   ///< no channel names their MuxID as its TPID
    RowIds providers;    ///< no channel names their BroadcastID
    RowIds groups;       ///< favourite groups the receiver keeps, without a member, not blank
    std::size_t Count() const;
};

/// A terrestrial-only receiver's multiplexes are its channel raster, kept in sectors a save
/// does not write, and the stand-in satellite of the terrestrial side stays: neither is listed.
UnusedRecords FindUnused(tabstore::CQoDB& db, Product product);

/// The name a favourite group has when the receiver holds none for it: "Favorite k".
std::string BlankGroupName(std::uint32_t group);

/// What goes of `unused` once the lines of leftOut stay. A satellite goes with its transponders,
/// so one whose transponder stays stays too.
UnusedRecords Going(tabstore::CQoDB& db, const UnusedRecords& unused, const LeftOut& leftOut);

/// Removes what FindUnused listed but the lines left out (a cleared group gets its blank name
/// back). The number of records removed or cleared.
std::size_t RemoveUnused(tabstore::CQoDB& db, const UnusedRecords& unused,
                         const LeftOut& leftOut = {});

} // namespace chanforge::editing
