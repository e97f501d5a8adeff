#include "chanforge/editing/UndoStack.h"
#include "chanforge/editing/ChannelEdits.h"
#include "chanforge/editing/FavoriteGroups.h"

#include "TestDatabase.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace chanforge;
using namespace chanforge::editing;
using namespace chanforge::editing::test;

namespace {

constexpr TableMask kChannels = TableBit(kChannelTable);

// Undo and redo of every edit, byte for byte, is checked by the editing property test.
TEST(UndoStack, StepKeepsOnlyWhatChanged) {
    tabstore::CQoDB db;
    FillNumbered(db, 2000, 0);
    CUndoStack undo;
    undo.Record(db, kChannels, "Lock", [&] { SetAttributeBits(db, {10}, attr::kLocked, true); });
    EXPECT_LT(undo.Bytes(), 4 * sizeof(Channel_Info_Tag));
    undo.Record(db, kChannels, "Nothing", [] {});
    EXPECT_EQ(undo.Steps(), 1u);
}

TEST(UndoStack, NewStepDropsRedoAndStateIdsTrackContent) {
    tabstore::CQoDB db;
    FillNumbered(db, 3, 0);
    CUndoStack undo;
    undo.Record(db, kChannels, "a", [&] { SetAttributeBits(db, {1}, attr::kSkipped, true); });
    const auto afterA = undo.StateId();
    EXPECT_NE(afterA, 0u);
    undo.Undo(db);
    undo.Record(db, kChannels, "b", [&] { SetAttributeBits(db, {2}, attr::kSkipped, true); });
    EXPECT_FALSE(undo.CanRedo());
    EXPECT_NE(undo.StateId(), afterA);
    EXPECT_EQ(undo.Steps(), 1u);
}

TEST(UndoStack, BoundedByStepsAndBytes) {
    tabstore::CQoDB db;
    FillNumbered(db, 10, 0);
    CUndoStack bySteps(std::size_t{1} << 30, 3);
    for (int i = 0; i < 6; ++i)
        bySteps.Record(db, kChannels, "x",
                       [&] { SetAttributeBits(db, {1}, attr::kLocked, i % 2 == 0); });
    EXPECT_EQ(bySteps.Steps(), 3u);

    CUndoStack byBytes(3 * sizeof(Channel_Info_Tag), 100);
    for (int i = 0; i < 6; ++i)
        byBytes.Record(db, kChannels, "x",
                       [&] { SetAttributeBits(db, {2}, attr::kLocked, i % 2 == 0); });
    EXPECT_GE(byBytes.Steps(), 1u);
    EXPECT_LE(byBytes.Bytes(), 3 * sizeof(Channel_Info_Tag));
}

TEST(UndoStack, TablesChangedSinceFollowUndoAndRedo) {
    tabstore::CQoDB db;
    FillNumbered(db, 3, 0);
    AddFavorite(db, "Group");
    CUndoStack undo(std::size_t{1} << 30, 3);
    const auto opened = undo.StateId();
    undo.Record(db, kAllTables, "Lock", [&] { SetAttributeBits(db, {1}, attr::kLocked, true); });
    const auto locked = undo.StateId();
    ASSERT_EQ(
        undo.Record(db, kAllTables, "Rename", [&] { return RenameFavoriteGroup(db, 0, "News"); }),
        EditResult::Ok);
    constexpr TableMask kBoth = kChannels | TableBit(kFavoriteTable);
    EXPECT_EQ(undo.TablesChangedSince(undo.StateId()), 0);
    EXPECT_EQ(undo.TablesChangedSince(opened), kBoth);
    EXPECT_EQ(undo.TablesChangedSince(locked), TableBit(kFavoriteTable));
    undo.Undo(db);
    undo.Undo(db);
    EXPECT_EQ(undo.StateId(), opened);
    EXPECT_EQ(undo.TablesChangedSince(locked), kChannels); // ahead, by redo
    EXPECT_EQ(undo.TablesChangedSince(12345), kAllTables);

    // Trimmed steps are out of reach; the state under the oldest kept one keeps its id.
    undo.Redo(db);
    undo.Redo(db);
    for (bool on : {true, false})
        undo.Record(db, kChannels, "Skip", [&] { SetAttributeBits(db, {2}, attr::kSkipped, on); });
    EXPECT_EQ(undo.TablesChangedSince(opened), kAllTables);
    while (undo.CanUndo())
        undo.Undo(db);
    EXPECT_EQ(undo.StateId(), locked);
    EXPECT_EQ(undo.TablesChangedSince(locked), 0);
}

TEST(UndoStack, NestedStepsJoinTheOuterOne) {
    tabstore::CQoDB db;
    FillNumbered(db, 3, 0);
    CUndoStack undo;
    undo.Begin(db, kChannels, "outer");
    undo.Record(db, kChannels, "inner", [&] { SetAttributeBits(db, {1}, attr::kLocked, true); });
    SetAttributeBits(db, {2}, attr::kLocked, true);
    EXPECT_TRUE(undo.Commit(db));
    EXPECT_EQ(undo.Steps(), 1u);
    undo.Undo(db);
    EXPECT_EQ(ChannelAt(db, 1).Attributes & attr::kLocked, 0);
    EXPECT_EQ(ChannelAt(db, 2).Attributes & attr::kLocked, 0);
}

} // namespace
