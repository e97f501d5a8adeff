// How the channels of two databases pair up beyond their place, and what of a pair changed: a
// channel moved to another satellite or transponder is one channel, and channels that kept their
// order through a renumbering are told apart from those moved within the list.
#pragma once

#include "chanforge/Records.h"
#include "tabstore/QoDB.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace chanforge::check::detail {

using RowPairs = std::vector<std::pair<std::uint32_t, std::uint32_t>>;

/// Pairs channels only in a with channels only in b that carry the same service elsewhere (same
/// kind and service id, or, without a service id, the same name), in table order; the paired
/// rows leave onlyA and onlyB.
RowPairs PairAcrossPlaces(tabstore::CQoDB& a, std::vector<std::uint32_t>& onlyA, tabstore::CQoDB& b,
                          std::vector<std::uint32_t>& onlyB);

/// Which elements of sequence lie on one longest strictly increasing subsequence of it.
std::vector<bool> KeptOrder(const std::vector<std::uint32_t>& sequence);

struct FieldChange {
    std::string field;
    std::uint32_t before = 0;
    std::uint32_t after = 0;
};

/// The fields that differ besides the row, number, name, flags, favourite membership and place
/// (which a difference names on their own), in record order.
std::vector<FieldChange> OtherFieldChanges(const Channel_Info_Tag& x, const Channel_Info_Tag& y);

} // namespace chanforge::check::detail
