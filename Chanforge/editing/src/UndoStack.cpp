#include "chanforge/editing/UndoStack.h"

#include "chanforge/Records.h"
#include "chanforge/TableAccess.h"

#include <algorithm>
#include <cstring>

namespace chanforge::editing {

CUndoStack::CUndoStack(std::size_t maxBytes, std::size_t maxSteps)
    : maxBytes_(maxBytes), maxSteps_(std::max<std::size_t>(maxSteps, 1)) {}

std::size_t CUndoStack::RecordSize(std::uint8_t table) {
    switch (table) {
    case kSatelliteTable:
        return sizeof(Satellite_Info_Tag);
    case kTerrestrialMuxTable:
        return sizeof(SMux_Info_Tag);
    case kCableMuxTable:
        return sizeof(CableMux_Info_Tag);
    case kProviderTable:
        return sizeof(Broadcast_Info_Tag);
    case kTransponderTable:
        return sizeof(Transponder_Info_Tag);
    case kFavoriteTable:
        return sizeof(Favorite_Info_Tag);
    default:
        return sizeof(Channel_Info_Tag);
    }
}

CUndoStack::TableSnapshot CUndoStack::Snapshot(tabstore::CQoDB& db, std::uint8_t table) {
    const std::size_t size = RecordSize(table);
    TableSnapshot snap{table, {}, {}};
    snap.keys.reserve(db.Size(table));
    snap.data.reserve(db.Size(table) * size);
    ForEachRowBytes(db, table, [&](tabstore::RowBuffer row, std::uint32_t key) {
        snap.keys.push_back(key);
        snap.data.insert(snap.data.end(), row, row + size);
    });
    return snap;
}

void CUndoStack::Diff(tabstore::CQoDB& db, const TableSnapshot& snap, std::vector<RowChange>& out) {
    const std::size_t size = RecordSize(snap.table);
    auto bytesOf = [&](std::size_t i) {
        const unsigned char* p = snap.data.data() + i * size;
        return std::vector<unsigned char>(p, p + size);
    };
    // Both sides are in ascending key order: a merge finds removed, added and changed rows.
    std::size_t i = 0;
    ForEachRowBytes(db, snap.table, [&](tabstore::RowBuffer row, std::uint32_t key) {
        for (; i < snap.keys.size() && snap.keys[i] < key; ++i)
            out.push_back({snap.table, snap.keys[i], bytesOf(i), {}});
        std::vector<unsigned char> now(row, row + size);
        if (i < snap.keys.size() && snap.keys[i] == key) {
            if (std::memcmp(snap.data.data() + i * size, row, size) != 0)
                out.push_back({snap.table, key, bytesOf(i), std::move(now)});
            ++i;
        } else {
            out.push_back({snap.table, key, {}, std::move(now)});
        }
    });
    for (; i < snap.keys.size(); ++i)
        out.push_back({snap.table, snap.keys[i], bytesOf(i), {}});
}

void CUndoStack::Begin(tabstore::CQoDB& db, TableMask mask, std::string label) {
    if (depth_++ > 0)
        return;
    pendingLabel_ = std::move(label);
    pending_.clear();
    for (std::uint8_t table = 0; table < tabstore::CQoDB::kTables; ++table)
        if ((mask & TableBit(table)) != 0)
            pending_.push_back(Snapshot(db, table));
}

bool CUndoStack::Commit(tabstore::CQoDB& db) {
    if (depth_ == 0 || --depth_ > 0)
        return false;
    Step step{nextId_++, std::move(pendingLabel_), {}, 0};
    for (const TableSnapshot& snap : pending_)
        Diff(db, snap, step.changes);
    pending_.clear();
    if (step.changes.empty())
        return false;
    for (const RowChange& c : step.changes)
        step.bytes += c.before.size() + c.after.size() + sizeof c;
    for (const Step& s : undone_)
        bytes_ -= s.bytes;
    undone_.clear();
    bytes_ += step.bytes;
    done_.push_back(std::move(step));
    Trim();
    return true;
}

void CUndoStack::Trim() {
    // The newest step always stays, even when it alone is over the budget.
    while (done_.size() > 1 && (bytes_ > maxBytes_ || done_.size() > maxSteps_)) {
        bytes_ -= done_.front().bytes;
        baseId_ = done_.front().id;
        done_.pop_front();
    }
}

void CUndoStack::Apply(tabstore::CQoDB& db, const Step& step, bool forward) {
    for (auto it = step.changes.rbegin(); it != step.changes.rend(); ++it) {
        const std::vector<unsigned char>& image = forward ? it->after : it->before;
        if (image.empty()) {
            db.Delete(it->table, it->key);
            continue;
        }
        auto* buffer = new unsigned char[image.size()];
        std::memcpy(buffer, image.data(), image.size());
        if (db.Add(it->table, it->key, buffer) < 0)
            delete[] buffer;
    }
}

bool CUndoStack::Undo(tabstore::CQoDB& db) {
    if (done_.empty() || depth_ > 0)
        return false;
    Apply(db, done_.back(), false);
    undone_.push_back(std::move(done_.back()));
    done_.pop_back();
    return true;
}

bool CUndoStack::Redo(tabstore::CQoDB& db) {
    if (undone_.empty() || depth_ > 0)
        return false;
    Apply(db, undone_.back(), true);
    done_.push_back(std::move(undone_.back()));
    undone_.pop_back();
    return true;
}

TableMask CUndoStack::TablesOf(const Step& step) {
    TableMask mask = 0;
    for (const RowChange& c : step.changes)
        mask |= TableBit(c.table);
    return mask;
}

TableMask CUndoStack::TablesChangedSince(std::uint64_t state) const {
    TableMask mask = 0;
    const auto done =
        std::find_if(done_.begin(), done_.end(), [state](const Step& s) { return s.id == state; });
    if (done != done_.end() || state == baseId_) {
        for (auto it = done == done_.end() ? done_.begin() : done + 1; it != done_.end(); ++it)
            mask |= TablesOf(*it);
        return mask;
    }
    // Ahead: the back of the undone steps is redone first.
    for (auto it = undone_.rbegin(); it != undone_.rend(); ++it) {
        mask |= TablesOf(*it);
        if (it->id == state)
            return mask;
    }
    return kAllTables;
}

void CUndoStack::Clear() {
    baseId_ = 0;
    done_.clear();
    undone_.clear();
    pending_.clear();
    depth_ = 0;
    bytes_ = 0;
}

} // namespace chanforge::editing
