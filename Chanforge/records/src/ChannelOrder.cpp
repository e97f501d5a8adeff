#include "chanforge/ChannelOrder.h"

#include "chanforge/Records.h"
#include "chanforge/TableAccess.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace chanforge {

namespace {

struct Placement {
    std::uint32_t oldKey;
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
            placements.push_back({channel.RowID, static_cast<std::uint32_t>(key),
                                  channel.ProgramNum, IsTV(channel)});
    });
    db.Clear(kChannelTable);
    return placements;
}

/// Refills table 5 from the scratch table in the given order and empties the scratch table.
RowKeyMap RefillFromScratch(tabstore::CQoDB& db, const std::vector<Placement>& order) {
    RowKeyMap moved;
    moved.reserve(order.size());
    for (const Placement& placement : order) {
        const auto* channel = GetRow<Channel_Info_Tag>(db, kScratchTable, placement.scratchKey);
        if (channel == nullptr)
            continue;
        const int key = AppendRow(db, kChannelTable, CopyRow(*channel));
        if (key > 0)
            moved.emplace(placement.oldKey, static_cast<std::uint32_t>(key));
    }
    db.Clear(kScratchTable);
    return moved;
}

std::vector<Placement> SortedByNumber(std::vector<Placement> placements) {
    std::stable_sort(
        placements.begin(), placements.end(),
        [](const Placement& a, const Placement& b) { return a.programNum < b.programNum; });
    return placements;
}

} // namespace

std::vector<std::uint32_t> Remap(const RowKeyMap& map, const std::vector<std::uint32_t>& keys) {
    std::vector<std::uint32_t> out;
    out.reserve(keys.size());
    for (std::uint32_t key : keys)
        if (const auto it = map.find(key); it != map.end())
            out.push_back(it->second);
    return out;
}

RowKeyMap Compose(const RowKeyMap& first, const RowKeyMap& second) {
    RowKeyMap out;
    out.reserve(first.size());
    for (const auto& [from, via] : first)
        if (const auto it = second.find(via); it != second.end())
            out.emplace(from, it->second);
    return out;
}

RowKeyMap SortChannels(tabstore::CQoDB& db) {
    return RefillFromScratch(db, SortedByNumber(MoveToScratch(db)));
}

RowKeyMap RenumberChannels(tabstore::CQoDB& db) {
    RowKeyMap moved = SortChannels(db);
    std::uint16_t nextTV = 1;
    std::uint16_t nextOther = 1;
    ForEachRow<Channel_Info_Tag>(db, kChannelTable, [&](Channel_Info_Tag& channel) {
        const std::uint16_t old = channel.ProgramNum;
        channel.ProgramNum = IsTV(channel) ? nextTV++ : nextOther++;
        // The shown and logical numbers that went with the old number go with the new one:
        // left behind they would show gaps, or repeat a number a later move hands out.
        if (channel.ShowNum == old)
            channel.ShowNum = channel.ProgramNum;
        if (channel.LogicalNumber == old)
            channel.LogicalNumber = channel.ProgramNum;
    });
    return moved;
}

RowKeyMap GroupChannels(tabstore::CQoDB& db) {
    std::vector<Placement> order = SortedByNumber(MoveToScratch(db));
    std::stable_partition(order.begin(), order.end(), [](const Placement& p) { return p.tv; });
    return RefillFromScratch(db, order);
}

} // namespace chanforge
