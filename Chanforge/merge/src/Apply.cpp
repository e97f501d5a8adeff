#include "chanforge/ChannelOrder.h"
#include "chanforge/TableAccess.h"
#include "chanforge/editing/ChannelName.h"
#include "chanforge/merge/Merge.h"

#include <algorithm>

namespace chanforge::merge {

namespace {

void SetBit(std::uint16_t& word, std::uint16_t bit, bool on) {
    word = static_cast<std::uint16_t>(on ? word | bit : word & ~bit);
}

void Create(tabstore::CQoDB& db, DocumentValues& values, const NewRecord& r, const Incoming& in) {
    switch (r.table) {
    case kSatelliteTable: {
        Satellite_Info_Tag sat = in.satellites[r.source];
        sat.SatID = r.satId;
        AppendCopy(db, kSatelliteTable, sat);
        break;
    }
    case kTransponderTable: {
        Transponder_Info_Tag tp = in.transponders[r.source];
        tp.SatID = r.satId;
        tp.TPID = r.tpId;
        AppendCopy(db, kTransponderTable, tp);
        ++values.MaxTPID;
        break;
    }
    case kTerrestrialMuxTable:
        AppendCopy(db, kTerrestrialMuxTable, in.terrestrial[r.source]);
        break;
    case kCableMuxTable: {
        CableMux_Info_Tag mux = in.cable[r.source];
        mux.MuxID = r.tpId;
        AppendCopy(db, kCableMuxTable, mux);
        values.MaxTPID = std::max<std::uint32_t>(values.MaxTPID, r.tpId);
        break;
    }
    case kProviderTable: {
        Broadcast_Info_Tag provider = in.providers[r.source];
        provider.BroadcastID = r.broadcastId;
        AppendCopy(db, kProviderTable, provider);
        break;
    }
    default:
        break;
    }
}

void AddChannel(tabstore::CQoDB& db, const MergeLine& line, Channel_Info_Tag ch) {
    // The shown and logical numbers that went with its number there go with the new one.
    if (ch.ShowNum == ch.ProgramNum)
        ch.ShowNum = line.number;
    if (ch.LogicalNumber == ch.ProgramNum)
        ch.LogicalNumber = line.number;
    ch.ProgramNum = line.number;
    ch.SatID = line.satId;
    ch.TPID = line.tpId;
    ch.BroadcastID = line.broadcastId;
    ch.Favorite = line.after.favorite;
    std::copy(line.after.positions.begin(), line.after.positions.end(),
              std::begin(ch.FavoriteSlot));
    AppendCopy(db, kChannelTable, ch);
}

void UpdateChannel(tabstore::CQoDB& db, const MergeLine& line) {
    auto* ch = GetRow<Channel_Info_Tag>(db, kChannelTable, line.row);
    if (ch == nullptr)
        return;
    ch->Favorite = line.after.favorite;
    std::copy(line.after.positions.begin(), line.after.positions.end(),
              std::begin(ch->FavoriteSlot));
    SetBit(ch->Attributes, attr::kLocked, line.after.locked);
    SetBit(ch->Attributes, attr::kSkipped, line.after.skipped);
    if (line.after.name != line.before.name)
        editing::StoreName(*ch, line.after.name);
}

} // namespace

void ApplyMerge(tabstore::CQoDB& db, DocumentValues& values, const MergePlan& plan,
                const Incoming& incoming) {
    for (const NewRecord& r : plan.created)
        Create(db, values, r, incoming);
    bool added = false;
    for (std::size_t i = 0; i < plan.lines.size(); ++i) {
        const MergeLine& line = plan.lines[i];
        if (line.leftOut)
            continue;
        if (line.action == Action::Add) {
            AddChannel(db, line, incoming.channels[i]);
            added = true;
        } else if (line.action == Action::Update) {
            UpdateChannel(db, line);
        }
    }
    if (added)
        GroupChannels(db);
}

} // namespace chanforge::merge
