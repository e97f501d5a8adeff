// Changes to channels made from the channel grids. Each works on table 5 of the store only;
// the grids refill themselves afterwards. Rows whose channel no longer exists are skipped.
#pragma once

#include "chanforge/editing/ChannelFilter.h"
#include "chanforge/editing/EditResult.h"

#include <cstdint>
#include <vector>

namespace chanforge::editing {

using RowIds = std::vector<std::uint32_t>;

/// Completes the channel an editor returned for New in the grid of kind under filter (group,
/// genre, kind bit, next number of its kind), adds it and regroups and renumbers the table.
/// In a favourite view the shown group's positions are renumbered afterwards.
/// Returns the channel's RowID after regrouping, 0 when the store refused it.
std::uint32_t AddNewChannel(tabstore::CQoDB& db, Channel_Info_Tag edited, ChannelKind kind,
                            const ChannelFilter& filter, Product product);

/// Replaces the stored channel by the edited record, keeping its key. StoreRefused when the
/// channel is gone or the store did not take the record.
EditResult UpdateChannel(tabstore::CQoDB& db, std::uint32_t key, const Channel_Info_Tag& edited);

/// Deletes the channels and renumbers the table (which re-keys it). Returns how many went.
std::size_t DeleteChannels(tabstore::CQoDB& db, const RowIds& keys);

/// Takes the channels out of favourite group k and renumbers the positions of the rows left
/// (remaining, in grid order). The channels stay in the table.
EditResult RemoveFromFavorite(tabstore::CQoDB& db, const RowIds& keys, const RowIds& remaining,
                              std::uint32_t group, Product product);

/// Sets or clears Attributes bits (attr::kLocked, attr::kSkipped) on the channels.
void SetAttributeBits(tabstore::CQoDB& db, const RowIds& keys, std::uint16_t bits, bool on);

/// Gives the channels genre g (0..15).
void SetGenre(tabstore::CQoDB& db, const RowIds& keys, std::uint32_t genre);

/// Adds the channels to favourite group k, giving each new member the next position of the
/// group among channels of the grid's kind. Members already in the group keep their position.
EditResult AddToFavorite(tabstore::CQoDB& db, const RowIds& keys, std::uint32_t group,
                         ChannelKind kind, Product product);

/// Positions 1, 2, 3 ... in group k for the channels in the given order.
void RenumberFavoritePositions(tabstore::CQoDB& db, const RowIds& order, std::uint32_t group,
                               Product product);

// Drops of channels on the rows of the left-hand lists. Each takes the RowID of the row
// dropped on and, but for a satellite, copies that record's own id into the channels; nothing
// happens when the row does not exist.

/// A channel keeps its TPID only within its satellite: each moves to the transponder of the
/// satellite with its own transponder's frequency and polarisation. One for which there is none
/// (or whose own transponder is unknown) stays where it was; returns how many stayed so.
std::size_t DropOnSatellite(tabstore::CQoDB& db, const RowIds& keys, std::uint32_t satelliteRow,
                            Product product);
/// key: a terrestrial multiplex as the multiplex list names it (see MuxListKey).
void DropOnMux(tabstore::CQoDB& db, const RowIds& keys, std::uint32_t key, Product product);
void DropOnTransponder(tabstore::CQoDB& db, const RowIds& keys, std::uint32_t transponderRow);
void DropOnProvider(tabstore::CQoDB& db, const RowIds& keys, std::uint32_t providerRow);

/// The TPID a channel gets for a multiplex key: the TPID itself on terrestrial-only products,
/// else that of the transponder row (combination products). 0 when there is none.
std::uint32_t MuxTPID(tabstore::CQoDB& db, std::uint32_t key, Product product);

} // namespace chanforge::editing
