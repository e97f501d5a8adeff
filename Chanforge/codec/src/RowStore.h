// Handing decoded records to the table store as the zero-filled row buffers it owns.
#pragma once

#include "tabstore/QoDB.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <type_traits>

namespace chanforge::codec::detail {

/// A record with every byte, padding included, zero.
template <class T> T ZeroRecord() {
    static_assert(std::is_trivially_copyable_v<T>);
    T rec;
    std::memset(static_cast<void*>(&rec), 0, sizeof rec);
    return rec;
}

/// Stores a copy of rec under row; false (and nothing kept) when the store refuses it.
/// The bytes are copied as they are, padding included, so equal records give equal rows.
template <class T>
bool StoreRow(tabstore::CQoDB& db, std::uint8_t table, std::uint32_t row, const T& rec) {
    static_assert(offsetof(T, RowID) == 0);
    auto* buffer = new unsigned char[sizeof(T)]();
    std::memcpy(buffer, &rec, sizeof(T));
    std::memcpy(buffer, &row, sizeof row);
    if (db.Add(table, row, buffer) < 0) {
        delete[] buffer;
        return false;
    }
    return true;
}

/// Calls fn(const T&) for every row of a table in key order. A row whose RowID does not
/// ascend ends the walk, so a damaged row can never make it go round in circles.
template <class T, class Fn> void ForEachRow(tabstore::CQoDB& db, std::uint8_t table, Fn fn) {
    std::uint32_t last = 0;
    for (unsigned char* raw = db.Next(table, 0); raw != nullptr;) {
        T rec;
        std::memcpy(static_cast<void*>(&rec), raw, sizeof(T));
        if (last != 0 && rec.RowID <= last) break;
        last = rec.RowID;
        fn(static_cast<const T&>(rec));
        raw = db.Next(table, rec.RowID);
    }
}

} // namespace chanforge::codec::detail
