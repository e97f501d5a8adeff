#include "chanforge/Records.h"
#include "chanforge/TableAccess.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <utility>
#include <vector>

using namespace chanforge;

namespace {

/// Stores a channel under key whose RowID field reads rowId, as a damaged image may hold it.
void PutUnder(tabstore::CQoDB& db, std::uint32_t key, std::uint32_t rowId) {
    auto row = MakeRow<Channel_Info_Tag>();
    row->RowID = rowId;
    ASSERT_EQ(db.Add(kChannelTable, key, AsBuffer(row.get())), static_cast<int>(key));
    row.release();
}

/// RowIDs the walk visits; throws once it visits more rows than the table holds.
std::vector<std::uint32_t> Walk(tabstore::CQoDB& db) {
    std::vector<std::uint32_t> seen;
    ForEachRow<Channel_Info_Tag>(db, kChannelTable, [&](const Channel_Info_Tag& ch) {
        if (seen.size() == db.Size(kChannelTable))
            throw std::runtime_error("the walk went round");
        seen.push_back(ch.RowID);
    });
    return seen;
}

} // namespace

TEST(ForEachRow, EndsAtARowWhoseRowIdDoesNotAscend) {
    struct Case {
        const char* what;
        std::vector<std::pair<std::uint32_t, std::uint32_t>> keyAndRowId;
        std::vector<std::uint32_t> visited;
    };
    const std::vector<Case> cases = {
        {"sound rows", {{1, 1}, {2, 2}, {7, 7}}, {1, 2, 7}},
        {"first row reads 0", {{5, 0}, {6, 6}}, {}},
        {"later row reads 0", {{1, 1}, {5, 0}, {6, 6}}, {1}},
        {"row points back", {{1, 1}, {2, 2}, {5, 1}, {6, 6}}, {1, 2}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        tabstore::CQoDB db;
        for (const auto& [key, rowId] : c.keyAndRowId)
            PutUnder(db, key, rowId);
        EXPECT_EQ(Walk(db), c.visited);
    }
}
