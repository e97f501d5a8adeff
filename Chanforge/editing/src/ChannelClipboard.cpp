#include "chanforge/editing/ChannelClipboard.h"

#include "Rows.h"

#include <algorithm>

namespace chanforge::editing {

namespace {

/// Puts the copy on the record the filter shows; a record that does not exist changes nothing.
void Place(tabstore::CQoDB& db, Channel_Info_Tag& ch, const ChannelFilter& filter, Product product) {
    switch (filter.mode) {
    case FilterMode::Satellite: ch.SatID = static_cast<std::uint8_t>(filter.satellite); break;
    case FilterMode::Transponder:
    case FilterMode::TerrestrialMux:
        if (product.Satellite()) {
            if (const auto* tp = rows::Get<Transponder_Info_Tag>(db, kTransponderTable, filter.transponder)) {
                ch.SatID = filter.mode == FilterMode::TerrestrialMux ? 1 : tp->SatID;
                ch.TPID = tp->TPID;
            }
        } else if ((product.type & 0xF) == 2) {
            ch.TPID = static_cast<std::uint8_t>(filter.transponder);
        } else if ((product.type & 0xF) == 4) {
            if (const auto* mux = rows::Get<CableMux_Info_Tag>(db, kCableMuxTable, filter.transponder))
                ch.TPID = mux->MuxID;
        }
        break;
    case FilterMode::Provider:
        // The provider's own id, which is what the provider view compares.
        if (const auto* p = rows::Get<Broadcast_Info_Tag>(db, kProviderTable, filter.provider))
            ch.BroadcastID = p->BroadcastID;
        break;
    default: break;
    }
}

} // namespace

void CopyChannels(ChannelClipboard& clipboard, const RowIds& selected, ChannelKind kind) {
    clipboard.keys = selected;
    clipboard.fromTV = kind == ChannelKind::TV;
}

EditResult PasteChannels(tabstore::CQoDB& db, ChannelClipboard& clipboard, ChannelKind kind,
                         const ChannelFilter& filter, Product product) {
    if (clipboard.Empty())
        return EditResult::Nothing;
    if (!clipboard.Holds(kind))
        return kind == ChannelKind::TV ? EditResult::PasteRadioToTV : EditResult::PasteTVToRadio;
    // Numbers continue after the highest of each kind, so the copies get consecutive ones.
    std::uint16_t nextNumber[2] = {rows::HighestNumber(db, false), rows::HighestNumber(db, true)};
    bool added = false;
    for (std::uint32_t key : clipboard.keys) {
        const auto* source = rows::Channel(db, key);
        if (source == nullptr)
            continue;
        Channel_Info_Tag copy = *source;
        Place(db, copy, filter, product);
        copy.Attributes &= static_cast<std::uint16_t>(~attr::kGenreMask);
        copy.Favorite = 0;
        std::fill(std::begin(copy.FavoriteSlot), std::end(copy.FavoriteSlot), 0);
        const auto number = ++nextNumber[IsTV(copy) ? 1 : 0];
        copy.ProgramNum = copy.ShowNum = copy.LogicalNumber = number;
        added = AppendRow(db, kChannelTable, CopyRow(copy)) > 0 || added;
    }
    if (added)
        rows::RegroupAndRenumber(db);
    clipboard.Clear();
    return added ? EditResult::Ok : EditResult::Nothing;
}

} // namespace chanforge::editing
