// The commands that mend what a check finds, as plain functions over the store. A window runs
// each inside one undo step over the tables named beside it. Numbering findings are mended by
// RenumberChannels (chanforge/ChannelOrder.h), over the channel table.
#pragma once

#include "chanforge/Records.h"
#include "chanforge/codec/FlashLayout.h"
#include "chanforge/editing/UndoStack.h"
#include "tabstore/QoDB.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace chanforge::check {

inline constexpr editing::TableMask kRemoveDuplicatesTables = editing::TableBit(kChannelTable);
inline constexpr editing::TableMask kAssignProviderTables = editing::TableBit(kChannelTable);
inline constexpr editing::TableMask kDeleteUnusedTables =
    editing::TableBit(kTransponderTable) | editing::TableBit(kTerrestrialMuxTable) |
    editing::TableBit(kCableMuxTable) | editing::TableBit(kChannelTable);

/// Channels that carry one service on one transponder, one group per service, in table order.
std::vector<std::vector<std::uint32_t>> DuplicateServiceGroups(tabstore::CQoDB& db);

/// Deletes the ticked channels that are duplicates, always keeping one channel of each
/// service (a group whose every channel is ticked keeps its first); renumbers as a delete
/// does. The number of channels deleted.
std::size_t RemoveDuplicates(tabstore::CQoDB& db, const std::vector<std::uint32_t>& ticked);

/// Deletes every transponder and multiplex that no channel names; the number deleted.
std::size_t DeleteUnused(tabstore::CQoDB& db, const codec::FlashLayout& layout);

/// Gives every channel that names provider missing, which does not exist, the provider
/// provider instead (0: none). Does nothing when missing exists or provider is neither 0 nor an
/// existing provider. The number of channels changed.
std::size_t AssignProvider(tabstore::CQoDB& db, std::uint16_t missing, std::uint16_t provider);

} // namespace chanforge::check
