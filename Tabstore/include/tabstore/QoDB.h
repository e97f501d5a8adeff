// CQoDB: the in-memory channel database, eight numbered tables of opaque row buffers.
//
// The store knows nothing about record types; it keeps each table ordered by row id and owns
// every buffer it accepts (freeing it with delete[] on delete, replace, clear or destruction).
// Failures are results: -1 or a null pointer. A refused Add leaves the buffer with the caller.
#pragma once

#include "tabstore/MapList.h"

#include <array>
#include <cstdint>

namespace tabstore {

class CQoDB {
  public:
    static constexpr std::uint8_t kTables = 8;

    CQoDB() = default;
    virtual ~CQoDB();
    // Row buffers have no known size, so a store cannot be copied without sharing them.
    CQoDB(const CQoDB&) = delete;
    CQoDB& operator=(const CQoDB&) = delete;

    /// 1 if id names a table, else -1.
    int Begin(std::uint8_t id) const { return id < kTables ? 1 : -1; }

    /// Stores data under row (replacing and freeing a present row); row, or -1.
    int Add(std::uint8_t id, std::uint32_t row, RowBuffer data);
    /// Appends data under a key above every key in use (and above LastID); that key, or -1.
    /// Never replaces a row: an automatic key that landed on a present row would silently
    /// drop a record.
    int Add(std::uint8_t id, RowBuffer data);
    /// Replaces (or adds) the row; row, or -1. LastID stays: an edit is not an append.
    int Update(std::uint8_t id, std::uint32_t row, RowBuffer data);
    /// Removes and frees the row; row, or -1 when absent.
    int Delete(std::uint8_t id, std::uint32_t row);

    RowBuffer GetRow(std::uint8_t id, std::uint32_t row);
    RowBuffer GetLastRow(std::uint8_t id);
    /// row 0: the first row; else the row after row (null at the end or when row is absent).
    RowBuffer Next(std::uint8_t id, std::uint32_t row);
    /// row 0: the last row; else the row before row.
    RowBuffer Previous(std::uint8_t id, std::uint32_t row);

    /// Number of rows; 0xFFFFFFFF for an id that names no table.
    std::uint32_t Size(std::uint8_t id) const;
    std::uint32_t LastID(std::uint8_t id) const { return id < kTables ? lastId_[id] : 0; }
    void Clear(std::uint8_t id);
    void ClearAll();
    /// Every table takes source's rows and LastID, freeing its own; source is left empty.
    /// Lets a load fill a fresh store and replace the open one only once it succeeded.
    void ReplaceWith(CQoDB& source);

  private:
    std::array<CMapListIntegerID, kTables> tables_;
    std::array<std::uint32_t, kTables> lastId_{};
};

} // namespace tabstore
