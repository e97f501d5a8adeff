#include "chanforge/merge/Merge.h"

#include "chanforge/TableAccess.h"
#include "chanforge/editing/FavoriteGroups.h"
#include "utils/Translatable.h"

#include <algorithm>
#include <unordered_map>

namespace chanforge::merge {

namespace {

template <class T> std::vector<T> Rows(tabstore::CQoDB& db, TableId table) {
    std::vector<T> rows;
    ForEachRow<T>(db, table, [&](const T& rec) { rows.push_back(rec); });
    return rows;
}

/// Why a channel dropped from the copy is lost: the loss that names it.
utils::Phrase LostReason(const std::vector<convert::Loss>& losses, std::uint32_t row) {
    for (const convert::Loss& loss : losses)
        if (loss.table == kChannelTable &&
            std::find(loss.rows.begin(), loss.rows.end(), row) != loss.rows.end())
            return loss.message;
    return utils::Phrase("Merge", CF_TR_NOOP("Merge", "This model cannot hold the channel"));
}

} // namespace

bool ReadIncoming(const convert::Database& other, const codec::FlashLayout& layout, Incoming& out) {
    convert::ModelCopy copy;
    if (!convert::CopyForModel(other, layout, copy))
        return false;
    out.services = reference::ServicesOf(other.db, other.db, other.layout);
    // The copy keeps each record's RowID, so a channel it lacks is one this model cannot hold.
    std::unordered_map<std::uint32_t, Channel_Info_Tag> held;
    ForEachRow<Channel_Info_Tag>(copy.db, kChannelTable,
                                 [&](const Channel_Info_Tag& ch) { held.emplace(ch.RowID, ch); });
    out.channels.assign(out.services.size(), ZeroRecord<Channel_Info_Tag>());
    out.lost.clear();
    for (std::size_t i = 0; i < out.services.size(); ++i) {
        if (const auto at = held.find(out.services[i].row); at != held.end())
            out.channels[i] = at->second;
        else
            out.lost.emplace(i, LostReason(copy.losses, out.services[i].row));
    }
    out.satellites = Rows<Satellite_Info_Tag>(copy.db, kSatelliteTable);
    out.transponders = Rows<Transponder_Info_Tag>(copy.db, kTransponderTable);
    out.terrestrial = Rows<SMux_Info_Tag>(copy.db, kTerrestrialMuxTable);
    out.cable = Rows<CableMux_Info_Tag>(copy.db, kCableMuxTable);
    out.providers = Rows<Broadcast_Info_Tag>(copy.db, kProviderTable);
    out.groups.clear();
    for (const editing::FavoriteGroupName& group : editing::FavoriteGroups(copy.db)) {
        if (out.groups.size() <= group.index)
            out.groups.resize(group.index + 1);
        out.groups[group.index] = group.name;
    }
    out.losses = std::move(copy.losses);
    return true;
}

} // namespace chanforge::merge
