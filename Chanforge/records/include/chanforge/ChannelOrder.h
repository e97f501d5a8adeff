// Ordering of the channel table: sort by number, renumber, group TV before radio.
// Each rebuilds table 5 through the scratch table 7, which is empty again afterwards; the
// channels get the fresh row ids 1, 2, 3 ... in their new order.
#pragma once

#include "tabstore/QoDB.h"

namespace chanforge {

/// Sorts the channels by ProgramNum; channels with equal numbers keep their table order.
void SortChannels(tabstore::CQoDB& db);

/// Sorts, then numbers TV channels 1, 2, ... and all other channels 1, 2, ... in table order.
void RenumberChannels(tabstore::CQoDB& db);

/// Sorts, then puts TV channels first and all other channels after them, each in number order.
/// A channel with both kind flags counts as TV, one with neither as radio: none is lost or
/// doubled.
void GroupChannels(tabstore::CQoDB& db);

} // namespace chanforge
