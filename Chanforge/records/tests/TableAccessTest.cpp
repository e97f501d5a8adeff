#include "chanforge/TableAccess.h"
#include "chanforge/Records.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <utility>
#include <vector>

using namespace chanforge;

// Each row is stored under a key of its own, its RowID field reading what a damaged image holds.
TEST(ForEachRow, EndsAtARowWhoseRowIdDoesNotAscend) {
    using Rows = std::vector<std::pair<std::uint32_t, std::uint32_t>>; // key, RowID field
    const std::vector<std::pair<Rows, std::vector<std::uint32_t>>> cases = {
        {{{1, 1}, {2, 2}, {7, 7}}, {1, 2, 7}},
        {{{5, 0}, {6, 6}}, {}}, // the first row reads 0
        {{{1, 1}, {5, 0}, {6, 6}}, {1}},
        {{{1, 1}, {2, 2}, {5, 1}, {6, 6}}, {1, 2}}, // a row points back
    };
    for (const auto& [rows, visited] : cases) {
        tabstore::CQoDB db;
        for (const auto& [key, rowId] : rows) {
            auto row = MakeRow<Channel_Info_Tag>();
            row->RowID = rowId;
            ASSERT_EQ(db.Add(kChannelTable, key, AsBuffer(row.release())), static_cast<int>(key));
        }
        std::vector<std::uint32_t> seen;
        ForEachRow<Channel_Info_Tag>(db, kChannelTable, [&](const Channel_Info_Tag& ch) {
            if (seen.size() == rows.size())
                throw std::runtime_error("the walk went round");
            seen.push_back(ch.RowID);
        });
        EXPECT_EQ(seen, visited) << "rows from key " << rows.front().first;
    }
}
