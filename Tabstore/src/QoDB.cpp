#include "tabstore/QoDB.h"

#include <algorithm>
#include <mutex>
#include <utility>

namespace tabstore {

namespace {
constexpr int kFailed = -1;
constexpr std::uint32_t kNoTableSize = 0xFFFFFFFFu;
} // namespace

CQoDB::~CQoDB() {
    ClearAll();
}

int CQoDB::Add(std::uint8_t id, std::uint32_t row, RowBuffer data) {
    if (data == nullptr || id >= kTables)
        return kFailed;
    if (tables_[id].AddSafety(row, data) != kListOk)
        return kFailed;
    lastId_[id] = row;
    return static_cast<int>(row);
}

int CQoDB::Add(std::uint8_t id, RowBuffer data) {
    if (id >= kTables)
        return kFailed;
    const std::uint32_t key = std::max(lastId_[id], tables_[id].HighestKey()) + 1;
    if (key == 0)
        return kFailed; // every key is in use
    return Add(id, key, data);
}

int CQoDB::Update(std::uint8_t id, std::uint32_t row, RowBuffer data) {
    if (data == nullptr || id >= kTables)
        return kFailed;
    // AddSafety frees the replaced buffer, unless the caller hands back the very same one.
    return tables_[id].AddSafety(row, data) == kListOk ? static_cast<int>(row) : kFailed;
}

int CQoDB::Delete(std::uint8_t id, std::uint32_t row) {
    if (id >= kTables)
        return kFailed;
    return tables_[id].Remove(row) == kListOk ? static_cast<int>(row) : kFailed;
}

RowBuffer CQoDB::GetRow(std::uint8_t id, std::uint32_t row) {
    if (id >= kTables)
        return nullptr;
    return tables_[id].SearchByID(row);
}

RowBuffer CQoDB::GetLastRow(std::uint8_t id) {
    if (id >= kTables)
        return nullptr;
    return GetRow(id, lastId_[id]);
}

RowBuffer CQoDB::Next(std::uint8_t id, std::uint32_t row) {
    if (id >= kTables)
        return nullptr;
    std::lock_guard guard(tables_[id]);
    return tables_[id].GetNextIDUnsafety(row);
}

RowBuffer CQoDB::Previous(std::uint8_t id, std::uint32_t row) {
    if (id >= kTables)
        return nullptr;
    std::lock_guard guard(tables_[id]);
    return tables_[id].GetPrevIDUnsafety(row);
}

std::uint32_t CQoDB::Size(std::uint8_t id) const {
    return id < kTables ? tables_[id].TotalListSize() : kNoTableSize;
}

void CQoDB::Clear(std::uint8_t id) {
    if (id >= kTables)
        return;
    tables_[id].ClearAllListUnsafety();
    lastId_[id] = 0;
}

void CQoDB::ClearAll() {
    for (std::uint8_t id = 0; id < kTables; ++id)
        Clear(id);
}

void CQoDB::ReplaceWith(CQoDB& source) {
    if (&source == this)
        return;
    for (std::uint8_t id = 0; id < kTables; ++id) {
        tables_[id].TakeRowsFrom(source.tables_[id]);
        lastId_[id] = std::exchange(source.lastId_[id], 0);
    }
}

} // namespace tabstore
