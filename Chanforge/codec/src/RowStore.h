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

/// Decodes a record straight into a new zero-filled row (no intermediate copy: channel tables
/// are large) and stores it under row when keep accepts it; the stored record, or null.
template <class T, class Decode, class Keep>
const T* StoreDecodedRow(tabstore::CQoDB& db, std::uint8_t table, std::uint32_t row, Decode decode,
                         Keep keep) {
    RowPtr<T> record = MakeRow<T>();
    decode(*record);
    if (!keep(*record))
        return nullptr;
    record->RowID = row;
    if (db.Add(table, row, AsBuffer(record.get())) < 0)
        return nullptr;
    return record.release();
}

/// Walks a table in key order (see chanforge/TableAccess.h).
using chanforge::ForEachRow;

} // namespace chanforge::codec::detail
