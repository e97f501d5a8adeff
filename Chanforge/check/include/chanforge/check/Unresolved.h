// Channels whose satellite, transponder, multiplex or provider the tables do not hold. A workbook
// carries only the channel table: opened without the receiver's channel file before it, every
// channel it brings names records that are not there.
#pragma once

#include "chanforge/Records.h"
#include "chanforge/codec/FlashLayout.h"
#include "tabstore/QoDB.h"
#include "utils/Phrase.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace chanforge::check {

/// RowIDs of the channels that name a record the tables do not hold, in table order.
std::vector<std::uint32_t> UnresolvedChannels(tabstore::CQoDB& db, const DocumentValues& values,
                                              const codec::FlashLayout& layout);

/// The sentence that reports count such channels.
utils::Phrase UnresolvedChannelsPhrase(std::size_t count);

} // namespace chanforge::check
