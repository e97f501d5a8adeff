#include "chanforge/editing/NetworkEdits.h"

#include "NetworkRows.h"
#include "chanforge/ChannelOrder.h"
#include "chanforge/codec/TransponderMux.h"
#include "chanforge/editing/DeliveryText.h"

#include <algorithm>

namespace chanforge::editing {

namespace {

// A multiplex's TPID is its RF channel: channels name it by that, and no delete renumbers.
bool OnMux(const Channel_Info_Tag& ch, std::uint8_t tpid) {
    return ch.SatID == 1 && ch.TPID == tpid;
}

/// A multiplex as combination products keep it: a transponder row of the stand-in satellite.
Transponder_Info_Tag AsTransponder(const SMux_Info_Tag& mux, Transponder_Info_Tag tp) {
    codec::TransponderMux kept = codec::ReadTransponderMux(tp);
    kept.MuxParams = mux.MuxParams;
    kept.SatID = 1;
    kept.TPID = mux.TPID;
    codec::WriteTransponderMux(kept, tp);
    return tp;
}

} // namespace

std::vector<SMux_Info_Tag> TerrestrialMuxes(tabstore::CQoDB& db, Product product) {
    std::vector<SMux_Info_Tag> muxes;
    for (std::uint32_t key : ListRows(db, ListKind::TerrestrialMux, product)) {
        if (!product.Combination()) {
            muxes.push_back(*rows::Get<SMux_Info_Tag>(db, kTerrestrialMuxTable, key));
        } else {
            muxes.push_back(
                MuxFromTransponder(*rows::Get<Transponder_Info_Tag>(db, kTransponderTable, key)));
        }
    }
    return muxes;
}

NewRecord NewTerrestrialMux(tabstore::CQoDB& db, Product product, const SMux_Info_Tag& mux,
                            DocumentValues& values) {
    const std::vector<SMux_Info_Tag> muxes = TerrestrialMuxes(db, product);
    if (mux.TPID == 0 || std::any_of(muxes.begin(), muxes.end(),
                                     [&](const SMux_Info_Tag& m) { return m.TPID == mux.TPID; }))
        return {EditResult::Nothing};
    const int key = product.Combination()
                        ? AppendCopy(db, kTransponderTable,
                                     AsTransponder(mux, ZeroRecord<Transponder_Info_Tag>()))
                        : AppendCopy(db, kTerrestrialMuxTable, mux);
    if (key <= 0)
        return {EditResult::StoreRefused};
    // The counter stays above every id a multiplex or transponder has, as reading an image sets it.
    values.MaxTPID = std::max<std::uint32_t>(values.MaxTPID, mux.TPID);
    return {EditResult::Ok, static_cast<std::uint32_t>(key)};
}

EditResult UpdateTerrestrialMux(tabstore::CQoDB& db, Product product, std::uint32_t key,
                                std::uint32_t muxParams) {
    if (product.Combination()) {
        const auto* tp = rows::Get<Transponder_Info_Tag>(db, kTransponderTable, key);
        if (tp == nullptr || tp->SatID != 1)
            return EditResult::Nothing;
        SMux_Info_Tag mux = MuxFromTransponder(*tp);
        mux.MuxParams = muxParams;
        return network::ReplaceRow(db, kTransponderTable, key, AsTransponder(mux, *tp))
                   ? EditResult::Ok
                   : EditResult::StoreRefused;
    }
    const auto* stored = rows::Get<SMux_Info_Tag>(db, kTerrestrialMuxTable, key);
    if (stored == nullptr)
        return EditResult::Nothing;
    SMux_Info_Tag mux = *stored;
    mux.MuxParams = muxParams;
    return network::ReplaceRow(db, kTerrestrialMuxTable, key, mux) ? EditResult::Ok
                                                                   : EditResult::StoreRefused;
}

EditResult DeleteTerrestrialMuxes(tabstore::CQoDB& db, Product product, const RowIds& keys) {
    const std::uint8_t table = product.Combination() ? kTransponderTable : kTerrestrialMuxTable;
    EditResult result = EditResult::Nothing;
    const std::uint32_t channels = db.Size(kChannelTable);
    for (std::uint32_t key : keys) {
        const auto* tp = product.Combination()
                             ? rows::Get<Transponder_Info_Tag>(db, kTransponderTable, key)
                             : nullptr;
        const auto* mux = product.Combination()
                              ? nullptr
                              : rows::Get<SMux_Info_Tag>(db, kTerrestrialMuxTable, key);
        if ((tp == nullptr || tp->SatID != 1) && mux == nullptr)
            continue;
        const std::uint8_t tpid = tp != nullptr ? tp->TPID : mux->TPID;
        for (std::uint32_t channel : network::KeysWhere<Channel_Info_Tag>(
                 db, kChannelTable, [&](const Channel_Info_Tag& ch) { return OnMux(ch, tpid); }))
            db.Delete(kChannelTable, channel);
        db.Delete(table, key);
        result = EditResult::Ok;
    }
    if (db.Size(kChannelTable) != channels)
        RenumberChannels(db);
    return result;
}

} // namespace chanforge::editing
