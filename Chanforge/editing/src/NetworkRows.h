// Helpers of the network record commands: keeping the small ids that link records dense
// (deleting the records that carry an id and closing the gap it leaves), replacing a row in
// place and filling a name field. Private to the editing library.
#pragma once

#include "Rows.h"
#include "chanforge/editing/ChannelEdits.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

namespace chanforge::editing::network {

/// Keys of the rows of a table that match.
template <class T, class Pred>
RowIds KeysWhere(tabstore::CQoDB& db, std::uint8_t table, Pred&& match) {
    RowIds keys;
    rows::ForEach<T>(db, table, [&](T& row) {
        if (match(row))
            keys.push_back(row.RowID);
    });
    return keys;
}

/// Highest id (read by idOf) among the rows that are in scope; 0 when there are none.
template <class T, class Scope, class IdOf>
unsigned Highest(tabstore::CQoDB& db, std::uint8_t table, Scope&& inScope, IdOf&& idOf) {
    unsigned highest = 0;
    rows::ForEach<T>(db, table, [&](const T& row) {
        if (inScope(row) && idOf(row) > highest)
            highest = idOf(row);
    });
    return highest;
}

/// Among the rows in scope, lowers every id (the field idRef gives) above id by one.
template <class T, class Scope, class IdRef>
void CloseGap(tabstore::CQoDB& db, std::uint8_t table, Scope&& inScope, IdRef&& idRef,
              unsigned id) {
    rows::ForEach<T>(db, table, [&](T& row) {
        if (inScope(row) && idRef(row) > id)
            --idRef(row);
    });
}

/// Among the rows in scope, deletes those whose id is id and closes the gap, so the ids stay
/// 1..n without a hole.
template <class T, class Scope, class IdRef>
void DeleteIdAndCloseGap(tabstore::CQoDB& db, std::uint8_t table, Scope&& inScope, IdRef&& idRef,
                         unsigned id) {
    const RowIds doomed =
        KeysWhere<T>(db, table, [&](T& row) { return inScope(row) && idRef(row) == id; });
    for (std::uint32_t key : doomed)
        db.Delete(table, key);
    CloseGap<T>(db, table, inScope, idRef, id);
}

/// Stores record under key, replacing the row there; false when the store refused it.
template <class T>
bool ReplaceRow(tabstore::CQoDB& db, std::uint8_t table, std::uint32_t key, T record) {
    record.RowID = key;
    return PutRow(db, table, CopyRow(record)) >= 0;
}

/// Copies at most N - 1 characters of text into field and zero-fills the rest.
template <std::size_t N> void SetName(char (&field)[N], std::string_view text) {
    std::memset(field, 0, N);
    std::memcpy(field, text.data(), std::min(text.size(), N - 1));
}

/// Keys of the channels on transponder (satId, tpid).
inline RowIds ChannelsOn(tabstore::CQoDB& db, unsigned satId, unsigned tpid) {
    return KeysWhere<Channel_Info_Tag>(db, kChannelTable, [&](const Channel_Info_Tag& ch) {
        return ch.SatID == satId && ch.TPID == tpid;
    });
}

} // namespace chanforge::editing::network
