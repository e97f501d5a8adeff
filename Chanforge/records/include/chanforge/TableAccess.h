// Typed access to the rows of the table store.
//
// Rows are zero-filled byte arrays owned by the store once accepted; RowPtr owns a row until it is
// handed over, so a refused insertion can never leak it.
#pragma once

#include "chanforge/Records.h"
#include "tabstore/QoDB.h"

#include <cstring>
#include <memory>

namespace chanforge {

struct RowDeleter {
    void operator()(void* row) const { delete[] static_cast<unsigned char*>(row); }
};

template <class T> using RowPtr = std::unique_ptr<T, RowDeleter>;

/// A new zero-filled row of type T.
template <class T> RowPtr<T> MakeRow() {
    static_assert(std::is_trivially_copyable_v<T>);
    return RowPtr<T>(reinterpret_cast<T*>(new unsigned char[sizeof(T)]()));
}

/// A new row holding a copy of record.
template <class T> RowPtr<T> CopyRow(const T& record) {
    RowPtr<T> row = MakeRow<T>();
    std::memcpy(row.get(), &record, sizeof(T));
    return row;
}

/// A record with every byte zero, padding included, so equal records compare equal bytewise.
template <class T> T ZeroRecord() {
    static_assert(std::is_trivially_copyable_v<T>);
    T record;
    std::memset(static_cast<void*>(&record), 0, sizeof record);
    return record;
}

inline tabstore::RowBuffer AsBuffer(void* row) {
    return static_cast<tabstore::RowBuffer>(row);
}

/// Appends row under the next free key, stores that key in its RowID; the key, or -1.
template <class T> int AppendRow(tabstore::CQoDB& db, std::uint8_t table, RowPtr<T> row) {
    const int key = db.Add(table, AsBuffer(row.get()));
    if (key < 0)
        return key;
    row.release()->RowID = static_cast<std::uint32_t>(key);
    return key;
}

/// Appends a copy of record under the next free key (stored in the copy's RowID); the key, or -1.
template <class T> int AppendCopy(tabstore::CQoDB& db, std::uint8_t table, const T& record) {
    return AppendRow(db, table, CopyRow(record));
}

/// Stores row under its own RowID, replacing what is there; the key, or -1.
template <class T>
[[nodiscard]] int PutRow(tabstore::CQoDB& db, std::uint8_t table, RowPtr<T> row) {
    const int key = db.Update(table, row->RowID, AsBuffer(row.get()));
    if (key >= 0)
        row.release();
    return key;
}

template <class T> T* GetRow(tabstore::CQoDB& db, std::uint8_t table, std::uint32_t rowId) {
    return reinterpret_cast<T*>(db.GetRow(table, rowId));
}

/// Calls fn(bytes, key) for every row of the table in key order; every record starts with its
/// RowID. fn must not delete the row it gets. The next row is found by the RowID the row holds,
/// so a row whose RowID does not ascend (0 included, which would restart the walk) ends it: a
/// damaged row can never make it go round.
template <class Fn> void ForEachRowBytes(tabstore::CQoDB& db, std::uint8_t table, Fn&& fn) {
    std::uint32_t last = 0;
    for (tabstore::RowBuffer row = db.Next(table, 0); row != nullptr;) {
        std::uint32_t key = 0;
        std::memcpy(&key, row, sizeof key);
        if (key <= last)
            break;
        last = key;
        fn(row, key);
        row = db.Next(table, key);
    }
}

/// Calls fn(T&) for every row of the table in key order, guarded as ForEachRowBytes.
template <class T, class Fn> void ForEachRow(tabstore::CQoDB& db, std::uint8_t table, Fn&& fn) {
    ForEachRowBytes(
        db, table, [&](tabstore::RowBuffer row, std::uint32_t) { fn(*reinterpret_cast<T*>(row)); });
}

} // namespace chanforge
