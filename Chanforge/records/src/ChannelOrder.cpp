#include "chanforge/ChannelOrder.h"

#include "chanforge/Records.h"
#include "chanforge/TableAccess.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace chanforge {

namespace {

struct Placement {
    std::uint32_t scratchKey;
    std::uint16_t programNum;
    bool tv;
};

/// Moves every channel of table 5 into the scratch table, in table order, and lists them.
std::vector<Placement> MoveToScratch(tabstore::CQoDB& db) {
    db.Clear(kScratchTable);
    std::vector<Placement> placements;
    placements.reserve(db.Size(kChannelTable));
    ForEachRow<Channel_Info_Tag>(db, kChannelTable, [&](const Channel_Info_Tag& channel) {
        const int key = AppendRow(db, kScratchTable, CopyRow(channel));
        if (key > 0)
            placements.push_back({static_cast<std::uint32_t>(key), channel.ProgramNum, IsTV(channel)});
    });
    db.Clear(kChannelTable);
    return placements;
}

/// Refills table 5 from the scratch table in the given order and empties the scratch table.
void RefillFromScratch(tabstore::CQoDB& db, const std::vector<Placement>& order) {
    for (const Placement& placement : order) {
        const auto* channel = GetRow<Channel_Info_Tag>(db, kScratchTable, placement.scratchKey);
        if (channel != nullptr) AppendRow(db, kChannelTable, CopyRow(*channel));
    }
    db.Clear(kScratchTable);
}

std::vector<Placement> SortedByNumber(std::vector<Placement> placements) {
    std::stable_sort(placements.begin(), placements.end(),
              [](const Placement& a, const Placement& b) { return a.programNum < b.programNum; });
    return placements;
}

} // namespace

void SortChannels(tabstore::CQoDB& db) {
    RefillFromScratch(db, SortedByNumber(MoveToScratch(db)));
}

void RenumberChannels(tabstore::CQoDB& db) {
    SortChannels(db);
    std::uint16_t nextTV = 1;
    std::uint16_t nextOther = 1;
    ForEachRow<Channel_Info_Tag>(db, kChannelTable, [&](Channel_Info_Tag& channel) {
        channel.ProgramNum = IsTV(channel) ? nextTV++ : nextOther++;
    });
}

void GroupChannels(tabstore::CQoDB& db) {
    std::vector<Placement> order = SortedByNumber(MoveToScratch(db));
    std::stable_partition(order.begin(), order.end(), [](const Placement& p) { return p.tv; });
    RefillFromScratch(db, order);
}

} // namespace chanforge
