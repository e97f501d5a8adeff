// Remove the unused: satellites that nothing is tuned to, transponders and multiplexes no
// channel names, and providers no channel names. Found first, so the operator sees what goes;
// then removed in one step. Favourite groups are not records to remove: the receiver keeps
// every one, and an empty group keeps the name the operator gave it.
#pragma once

#include "chanforge/editing/ChannelEdits.h"
#include "chanforge/editing/LeftOut.h"
#include "chanforge/editing/UndoStack.h"

#include <cstddef>

namespace chanforge::editing {

/// Removing a cable multiplex lowers the TPIDs of channels above it.
inline constexpr TableMask kRemoveUnusedTables =
    TableBit(kSatelliteTable) | TableBit(kTransponderTable) | TableBit(kCableMuxTable) |
    TableBit(kProviderTable) | TableBit(kChannelTable);

/// Row keys of what goes, each list in table order. A preview's lines are the lists one after
/// another in the order below.
struct UnusedRecords {
    RowIds satellites;   ///< no channel names them and every transponder of theirs goes
    RowIds transponders; ///< satellite transponders no channel names
    RowIds muxes;        ///< terrestrial multiplexes kept in the transponder table
    RowIds cableMuxes;   ///< no channel names their MuxID as its TPID
    RowIds providers;    ///< no channel names their BroadcastID
    std::size_t Count() const;
};

/// A terrestrial-only receiver's multiplexes are its channel raster, kept in sectors a save
/// does not write, and the stand-in satellite of the terrestrial side stays: neither is listed.
UnusedRecords FindUnused(tabstore::CQoDB& db, Product product);

/// What goes of `unused` once the lines of leftOut stay. A satellite goes with its transponders,
/// so one whose transponder stays stays too.
UnusedRecords Going(tabstore::CQoDB& db, const UnusedRecords& unused, const LeftOut& leftOut);

/// Removes what FindUnused listed but the lines left out. The number of records removed.
std::size_t RemoveUnused(tabstore::CQoDB& db, const UnusedRecords& unused,
                         const LeftOut& leftOut = {});

} // namespace chanforge::editing
