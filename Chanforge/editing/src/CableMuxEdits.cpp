#include "chanforge/editing/NetworkEdits.h"

#include "NetworkRows.h"
#include "chanforge/ChannelOrder.h"

namespace chanforge::editing {

namespace {

constexpr unsigned kLastMuxID = 0xFF;

} // namespace

NewRecord NewCableMux(tabstore::CQoDB& db, CableMux_Info_Tag edited, DocumentValues& values) {
    // The counter is never lowered, so it is normally above every MuxID; a document whose
    // counter lags behind its table must still not hand out a MuxID twice.
    const unsigned highest = std::max<unsigned>(
        values.MaxTPID, network::Highest<CableMux_Info_Tag>(
                            db, kCableMuxTable, [](const auto&) { return true; },
                            [](const CableMux_Info_Tag& mux) { return mux.MuxID; }));
    if (highest >= kLastMuxID)
        return {EditResult::MuxIdsExhausted};
    edited.MuxID = static_cast<std::uint8_t>(highest + 1);
    const int key = AppendCopy(db, kCableMuxTable, edited);
    if (key <= 0)
        return {EditResult::StoreRefused};
    values.MaxTPID = edited.MuxID;
    return {EditResult::Ok, static_cast<std::uint32_t>(key)};
}

EditResult UpdateCableMux(tabstore::CQoDB& db, std::uint32_t key, const CableMux_Info_Tag& edited) {
    const auto* stored = rows::Get<CableMux_Info_Tag>(db, kCableMuxTable, key);
    if (stored == nullptr)
        return EditResult::Nothing;
    CableMux_Info_Tag record = edited;
    record.MuxID = stored->MuxID; // channels name it by its MuxID
    return network::ReplaceRow(db, kCableMuxTable, key, record) ? EditResult::Ok
                                                                : EditResult::StoreRefused;
}

EditResult DeleteCableMuxes(tabstore::CQoDB& db, const RowIds& keys) {
    EditResult result = EditResult::Nothing;
    const std::uint32_t channels = db.Size(kChannelTable);
    auto all = [](const auto&) { return true; };
    for (std::uint32_t key : keys) {
        // Read each MuxID only now: deleting an earlier multiplex may have lowered it.
        const auto* mux = rows::Get<CableMux_Info_Tag>(db, kCableMuxTable, key);
        if (mux == nullptr)
            continue;
        const unsigned muxId = mux->MuxID;
        network::DeleteIdAndCloseGap<Channel_Info_Tag>(
            db, kChannelTable, all, [](Channel_Info_Tag & ch) -> auto& { return ch.TPID; }, muxId);
        network::DeleteIdAndCloseGap<CableMux_Info_Tag>(
            db, kCableMuxTable, all, [](CableMux_Info_Tag & m) -> auto& { return m.MuxID; }, muxId);
        result = EditResult::Ok;
    }
    // Channel numbers stay 1..n, as after a delete in the channel grids.
    if (db.Size(kChannelTable) != channels)
        RenumberChannels(db);
    return result;
}

} // namespace chanforge::editing
