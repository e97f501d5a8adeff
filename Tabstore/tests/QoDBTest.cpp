#include "tabstore/QoDB.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

using namespace tabstore;

namespace {

/// A row whose first four bytes hold its key, as every record does.
struct Row {
    std::uint32_t RowID;
    int payload;
};

RowBuffer NewRow(int payload) {
    auto* buffer = new unsigned char[sizeof(Row)]();
    reinterpret_cast<Row*>(buffer)->payload = payload;
    return buffer;
}

const Row* AsRow(RowBuffer buffer) {
    return reinterpret_cast<const Row*>(buffer);
}

/// Adds a row with the next key and stores the key in it, as callers do.
int Append(CQoDB& db, std::uint8_t id, int payload) {
    RowBuffer buffer = NewRow(payload);
    const int key = db.Add(id, buffer);
    if (key > 0)
        reinterpret_cast<Row*>(buffer)->RowID = static_cast<std::uint32_t>(key);
    else
        delete[] buffer;
    return key;
}

std::vector<int> Walk(CQoDB& db, std::uint8_t id) {
    std::vector<int> payloads;
    for (RowBuffer at = db.Next(id, 0); at; at = db.Next(id, AsRow(at)->RowID))
        payloads.push_back(AsRow(at)->payload);
    return payloads;
}

} // namespace

TEST(QoDB, AutomaticKeysCountFromOne) {
    CQoDB db;
    EXPECT_EQ(Append(db, 0, 10), 1);
    EXPECT_EQ(Append(db, 0, 20), 2);
    EXPECT_EQ(Walk(db, 0), (std::vector<int>{10, 20}));
    EXPECT_EQ(Append(db, 1, 30), 1); // every table keeps its own LastID
    // A deleted last row's key is not handed out again: an undo step may still name it.
    EXPECT_EQ(db.Delete(0, 2), 2);
    EXPECT_EQ(Append(db, 0, 40), 3);
    EXPECT_EQ(Walk(db, 0), (std::vector<int>{10, 40}));
}

TEST(QoDB, AutomaticKeyNeverLandsOnAPresentRow) {
    CQoDB db;
    EXPECT_EQ(db.Add(3, 7, NewRow(1)), 7);
    EXPECT_EQ(db.Add(3, NewRow(2)), 8);
    EXPECT_EQ(db.Add(3, 9, NewRow(3)), 9);
    EXPECT_EQ(db.Add(3, 5, NewRow(4)), 5);
    EXPECT_EQ(db.Add(3, NewRow(5)), 10); // after the highest key, not after the last add
    EXPECT_EQ(db.Update(3, 7, NewRow(6)), 7);
    EXPECT_EQ(db.Add(3, NewRow(7)), 11); // an update is not an append
    EXPECT_EQ(db.Size(3), 6u);
    EXPECT_EQ(AsRow(db.GetRow(3, 8))->payload, 2);
    EXPECT_EQ(AsRow(db.GetRow(3, 7))->payload, 6);
    EXPECT_EQ(AsRow(db.GetLastRow(3))->payload, 7);
}

TEST(QoDB, DeleteWalkAndLookupsOfAbsentRows) {
    CQoDB db;
    EXPECT_EQ(db.Delete(2, 1), -1); // empty table
    for (int i = 1; i <= 3; ++i)
        Append(db, 2, i * 10);
    EXPECT_EQ(AsRow(db.Previous(2, 0))->payload, 30);
    EXPECT_EQ(AsRow(db.Previous(2, 3))->payload, 20);
    EXPECT_EQ(db.Previous(2, 1), nullptr);
    EXPECT_EQ(db.Delete(2, 5), -1);
    EXPECT_EQ(db.Delete(2, 0), -1);
    EXPECT_EQ(db.Size(2), 3u);
    EXPECT_EQ(db.Delete(2, 1), 1);
    EXPECT_EQ(db.GetRow(2, 1), nullptr);
    EXPECT_EQ(db.GetRow(2, 0), nullptr);
    EXPECT_EQ(db.Next(2, 1), nullptr); // the row is gone, so nothing follows it
    EXPECT_EQ(db.Next(4, 0), nullptr);
    EXPECT_EQ(db.Previous(4, 0), nullptr);
}

TEST(QoDB, UpdateReplacesOrAddsAndKeepsTheStoredBuffer) {
    CQoDB db;
    EXPECT_EQ(db.Update(5, 4, NewRow(1)), 4); // absent: simply added
    EXPECT_EQ(db.LastID(5), 0u) << "an update is not an append";
    EXPECT_EQ(db.Update(5, 4, NewRow(2)), 4);
    EXPECT_EQ(db.Size(5), 1u);
    RowBuffer stored = db.GetRow(5, 4);
    EXPECT_EQ(AsRow(stored)->payload, 2);
    reinterpret_cast<Row*>(stored)->payload = 42;
    EXPECT_EQ(db.Update(5, 4, stored), 4);
    EXPECT_EQ(AsRow(db.GetRow(5, 4))->payload, 42);
}

TEST(QoDB, BadTableIdsNullDataAndRowZeroAreRefused) {
    CQoDB db;
    RowBuffer buffer = NewRow(1);
    EXPECT_EQ(db.Add(8, buffer), -1);
    EXPECT_EQ(db.Add(8, 1, buffer), -1);
    EXPECT_EQ(db.Update(8, 1, buffer), -1);
    EXPECT_EQ(db.Add(0, 0, buffer), -1);
    EXPECT_EQ(buffer[0], 0); // still the caller's and untouched
    delete[] buffer;
    EXPECT_EQ(db.Add(0, nullptr), -1);
    EXPECT_EQ(db.Update(0, 1, nullptr), -1);
    EXPECT_EQ(db.LastID(0), 0u);
    EXPECT_EQ(db.Size(8), 0xFFFFFFFFu);
    EXPECT_EQ(db.Begin(8), -1);
    EXPECT_EQ(db.Begin(7), 1);
    EXPECT_EQ(db.GetRow(8, 1), nullptr);
    EXPECT_EQ(db.Delete(255, 1), -1);
    db.Clear(8); // ignored
}

TEST(QoDB, ClearResetsRowsAndKeys) {
    CQoDB db;
    Append(db, 1, 1);
    Append(db, 1, 2);
    Append(db, 2, 3);
    db.Clear(1);
    EXPECT_EQ(db.Size(1), 0u);
    EXPECT_EQ(Append(db, 1, 4), 1);
    db.ClearAll();
    for (std::uint8_t id = 0; id < CQoDB::kTables; ++id)
        EXPECT_EQ(db.Size(id), 0u);
    EXPECT_EQ(Append(db, 2, 5), 1);
}

TEST(QoDB, ReplaceWithTakesEveryRowAndLeavesTheSourceEmpty) {
    CQoDB open;
    Append(open, 1, 1);
    Append(open, 5, 2);
    CQoDB loaded;
    Append(loaded, 1, 10);
    Append(loaded, 1, 11);
    open.ReplaceWith(loaded);
    EXPECT_EQ(Walk(open, 1), (std::vector<int>{10, 11}));
    EXPECT_EQ(open.Size(5), 0u);
    EXPECT_EQ(Append(open, 1, 12), 3);
    for (std::uint8_t id = 0; id < CQoDB::kTables; ++id)
        EXPECT_EQ(loaded.Size(id), 0u);
    EXPECT_EQ(Append(loaded, 1, 13), 1); // the source is reusable and shares no buffer
}
