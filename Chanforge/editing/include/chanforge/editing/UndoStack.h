// Undo and redo for changes to the table store. A step snapshots the tables it may touch when
// it begins and keeps, when it ends, only the rows that differ (before and after images), so
// memory grows with what changed, not with the database. The stack is bounded in bytes and
// steps; the oldest steps are dropped first.
#pragma once

#include "tabstore/QoDB.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

namespace chanforge::editing {

/// Bit mask of table ids (bit n = table n).
using TableMask = std::uint8_t;
constexpr TableMask TableBit(std::uint8_t table) {
    return static_cast<TableMask>(1u << table);
}
inline constexpr TableMask kAllTables = 0x7F; ///< every table but the scratch table

class CUndoStack {
  public:
    explicit CUndoStack(std::size_t maxBytes = std::size_t{64} << 20, std::size_t maxSteps = 500);

    /// Starts a step over the tables in mask. Nested Begin calls join the outer step.
    void Begin(tabstore::CQoDB& db, TableMask mask, std::string label);
    /// Ends the step; true when some row changed (only then can it be undone).
    bool Commit(tabstore::CQoDB& db);

    /// Runs fn() as one step.
    template <class Fn>
    auto Record(tabstore::CQoDB& db, TableMask mask, std::string label, Fn&& fn) {
        Begin(db, mask, std::move(label));
        struct Ender {
            CUndoStack& stack;
            tabstore::CQoDB& db;
            ~Ender() { stack.Commit(db); }
        } ender{*this, db};
        return fn();
    }

    bool CanUndo() const { return !done_.empty(); }
    bool CanRedo() const { return !undone_.empty(); }
    std::string UndoLabel() const { return CanUndo() ? done_.back().label : std::string(); }
    std::string RedoLabel() const { return CanRedo() ? undone_.back().label : std::string(); }
    bool Undo(tabstore::CQoDB& db);
    bool Redo(tabstore::CQoDB& db);

    /// Forgets every step (a new database was loaded).
    void Clear();
    /// Identifies the current state of the tables: equal ids mean equal content as far as the
    /// stack knows. 0 is the state after Clear.
    std::uint64_t StateId() const { return done_.empty() ? baseId_ : done_.back().id; }
    /// The tables whose rows differ between state and the current state, as far as undo or
    /// redo steps lead from one to the other; every table when state is out of reach.
    TableMask TablesChangedSince(std::uint64_t state) const;
    std::size_t Bytes() const { return bytes_; }
    std::size_t Steps() const { return done_.size() + undone_.size(); }

  private:
    struct RowChange {
        std::uint8_t table;
        std::uint32_t key;
        std::vector<unsigned char> before; ///< empty: the row did not exist
        std::vector<unsigned char> after;  ///< empty: the row does not exist
    };
    struct Step {
        std::uint64_t id;
        std::string label;
        std::vector<RowChange> changes;
        std::size_t bytes;
    };
    struct TableSnapshot {
        std::uint8_t table;
        std::vector<std::uint32_t> keys;
        std::vector<unsigned char> data; ///< rows back to back, RecordSize(table) bytes each
    };

    static std::size_t RecordSize(std::uint8_t table);
    static TableSnapshot Snapshot(tabstore::CQoDB& db, std::uint8_t table);
    static void Diff(tabstore::CQoDB& db, const TableSnapshot& snap, std::vector<RowChange>& out);
    static void Apply(tabstore::CQoDB& db, const Step& step, bool forward);
    void Trim();

    static TableMask TablesOf(const Step& step);

    std::deque<Step> done_;
    std::vector<Step> undone_;
    std::uint64_t baseId_ = 0; ///< the state below the oldest step kept
    std::vector<TableSnapshot> pending_;
    std::string pendingLabel_;
    int depth_ = 0;
    std::uint64_t nextId_ = 1;
    std::size_t bytes_ = 0;
    std::size_t maxBytes_;
    std::size_t maxSteps_;
};

} // namespace chanforge::editing
