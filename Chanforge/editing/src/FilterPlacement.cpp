#include "FilterPlacement.h"

#include "Rows.h"

namespace chanforge::editing {

namespace {

void PlaceOnTransponder(tabstore::CQoDB& db, Channel_Info_Tag& ch, const ChannelFilter& filter,
                        Product product) {
    if (product.Satellite()) {
        // The transponder decides the satellite: its TPID means nothing on another one.
        if (const auto* tp =
                rows::Get<Transponder_Info_Tag>(db, kTransponderTable, filter.transponder)) {
            ch.SatID = filter.mode == FilterMode::TerrestrialMux ? 1 : tp->SatID;
            ch.TPID = tp->TPID;
        }
    } else if (product.TerrestrialTunerOnly()) {
        ch.TPID = static_cast<std::uint8_t>(filter.transponder);
    } else if (product.CableTunerOnly()) {
        if (const auto* mux = rows::Get<CableMux_Info_Tag>(db, kCableMuxTable, filter.transponder))
            ch.TPID = mux->MuxID;
    }
}

} // namespace

void PlaceOnFilter(tabstore::CQoDB& db, Channel_Info_Tag& ch, const ChannelFilter& filter,
                   Product product) {
    switch (filter.mode) {
    case FilterMode::Satellite:
        ch.SatID = static_cast<std::uint8_t>(filter.satellite);
        break;
    case FilterMode::Transponder:
    case FilterMode::TerrestrialMux:
        PlaceOnTransponder(db, ch, filter, product);
        break;
    case FilterMode::Provider:
        // The provider's own id, which is what the provider view compares.
        if (const auto* p = rows::Get<Broadcast_Info_Tag>(db, kProviderTable, filter.provider))
            ch.BroadcastID = p->BroadcastID;
        break;
    default:
        break;
    }
}

} // namespace chanforge::editing
