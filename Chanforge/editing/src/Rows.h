// Small typed helpers over the store, private to the editing library.
#pragma once

#include "chanforge/ChannelOrder.h"
#include "chanforge/Records.h"
#include "chanforge/TableAccess.h"

#include <cstdint>
#include <vector>

namespace chanforge::editing::rows {

template <class T> T* Get(tabstore::CQoDB& db, std::uint8_t table, std::uint32_t key) {
    return key == 0 ? nullptr : GetRow<T>(db, table, key);
}

inline Channel_Info_Tag* Channel(tabstore::CQoDB& db, std::uint32_t key) {
    return Get<Channel_Info_Tag>(db, kChannelTable, key);
}

template <class T, class Fn> void ForEach(tabstore::CQoDB& db, std::uint8_t table, Fn&& fn) {
    ForEachRow<T>(db, table, fn);
}

/// Copies of every row of a table, in key order.
template <class T> std::vector<T> All(tabstore::CQoDB& db, std::uint8_t table) {
    std::vector<T> out;
    ForEachRow<T>(db, table, [&](const T& row) { out.push_back(row); });
    return out;
}

/// Highest ProgramNum among channels of one numbering class (TV, or all others).
inline std::uint16_t HighestNumber(tabstore::CQoDB& db, bool tv) {
    std::uint16_t highest = 0;
    ForEachRow<Channel_Info_Tag>(db, kChannelTable, [&](const Channel_Info_Tag& ch) {
        if (IsTV(ch) == tv && ch.ProgramNum > highest)
            highest = ch.ProgramNum;
    });
    return highest;
}

/// Sorted by number, TV channels first, each kind numbered 1, 2, 3 ...; re-keys table 5 and
/// says where each channel went.
inline RowKeyMap RegroupAndRenumber(tabstore::CQoDB& db) {
    const RowKeyMap renumbered = RenumberChannels(db);
    return Compose(renumbered, GroupChannels(db));
}

} // namespace chanforge::editing::rows
