// Handing decoded records to the table store as the zero-filled row buffers it owns.
#pragma once

#include "chanforge/TableAccess.h"
#include "tabstore/QoDB.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <type_traits>

namespace chanforge::codec::detail {

using chanforge::ZeroRecord;

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

/// Walks a table in key order (see chanforge/TableAccess.h).
using chanforge::ForEachRow;

} // namespace chanforge::codec::detail
