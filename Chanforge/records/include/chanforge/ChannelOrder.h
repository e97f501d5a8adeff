// Ordering of the channel table: sort by number, renumber, group TV before radio.
// Each rebuilds table 5 through the scratch table 7, which is empty again afterwards; the
// channels get the fresh row ids 1, 2, 3 ... in their new order.
#pragma once

#include "tabstore/QoDB.h"

#include <cstdint>
#include <unordered_map>
#include <vector>

namespace chanforge {

/// Where each channel went when a reorder gave the table fresh row ids: old RowID -> new RowID.
using RowKeyMap = std::unordered_map<std::uint32_t, std::uint32_t>;

/// The new keys of the given old keys, in their order; keys that are gone are left out.
std::vector<std::uint32_t> Remap(const RowKeyMap& map, const std::vector<std::uint32_t>& keys);
/// first, then second: old key -> key after both reorders.
RowKeyMap Compose(const RowKeyMap& first, const RowKeyMap& second);

/// Sorts the channels by ProgramNum; channels with equal numbers keep their table order.
RowKeyMap SortChannels(tabstore::CQoDB& db);

/// Sorts, then numbers TV channels 1, 2, ... and all other channels 1, 2, ... in table order.
/// A ShowNum or LogicalNumber equal to the old ProgramNum takes the new one.
RowKeyMap RenumberChannels(tabstore::CQoDB& db);

/// Sorts, then puts TV channels first and all other channels after them, each in number order.
/// A channel with both kind flags counts as TV, one with neither as radio: none is lost or
/// doubled.
RowKeyMap GroupChannels(tabstore::CQoDB& db);

} // namespace chanforge
