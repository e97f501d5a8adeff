#include "chanforge/editing/NetworkEdits.h"

#include "NetworkRows.h"
#include "chanforge/ChannelOrder.h"

namespace chanforge::editing {

namespace {

constexpr unsigned kLastSatID = 0xFF;

unsigned SatIdOf(const Satellite_Info_Tag& sat) {
    return sat.SatID;
}

bool Named(const Satellite_Info_Tag& sat) {
    return sat.Name[0] != '\0';
}

void DeleteSatelliteId(tabstore::CQoDB& db, unsigned satId) {
    auto all = [](const auto&) { return true; };
    network::DeleteIdAndCloseGap<Channel_Info_Tag>(
        db, kChannelTable, all, [](Channel_Info_Tag & ch) -> auto& { return ch.SatID; }, satId);
    network::DeleteIdAndCloseGap<Transponder_Info_Tag>(
        db, kTransponderTable, all, [](Transponder_Info_Tag & tp) -> auto& { return tp.SatID; },
        satId);
    network::DeleteIdAndCloseGap<Satellite_Info_Tag>(
        db, kSatelliteTable, all, [](Satellite_Info_Tag & s) -> auto& { return s.SatID; }, satId);
}

} // namespace

NewRecord NewSatellite(tabstore::CQoDB& db, Satellite_Info_Tag edited) {
    edited.Name[sizeof edited.Name - 1] = '\0';
    if (!Named(edited))
        return {EditResult::EmptyName};
    const unsigned highest = network::Highest<Satellite_Info_Tag>(
        db, kSatelliteTable, [](const auto&) { return true; }, SatIdOf);
    if (highest >= kLastSatID)
        return {EditResult::SatelliteIdsExhausted};
    edited.SatID = static_cast<std::uint8_t>(highest + 1);
    edited.SatByte46 = 1;
    const int key = AppendCopy(db, kSatelliteTable, edited);
    if (key <= 0)
        return {EditResult::StoreRefused};
    return {EditResult::Ok, static_cast<std::uint32_t>(key)};
}

EditResult UpdateSatellite(tabstore::CQoDB& db, std::uint32_t key,
                           const Satellite_Info_Tag& edited) {
    const auto* stored = rows::Get<Satellite_Info_Tag>(db, kSatelliteTable, key);
    if (stored == nullptr)
        return EditResult::Nothing;
    Satellite_Info_Tag record = edited;
    record.Name[sizeof record.Name - 1] = '\0';
    if (!Named(record))
        return EditResult::EmptyName;
    // Transponders and channels name the satellite by its SatID, which the editor cannot change.
    record.SatID = stored->SatID;
    return network::ReplaceRow(db, kSatelliteTable, key, record) ? EditResult::Ok
                                                                 : EditResult::StoreRefused;
}

EditResult DeleteSatellites(tabstore::CQoDB& db, const RowIds& keys) {
    EditResult result = EditResult::Nothing;
    const std::uint32_t channels = db.Size(kChannelTable);
    for (std::uint32_t key : keys) {
        // Read each SatID only now: deleting an earlier satellite may have lowered it.
        const auto* sat = rows::Get<Satellite_Info_Tag>(db, kSatelliteTable, key);
        if (sat == nullptr)
            continue;
        DeleteSatelliteId(db, sat->SatID);
        result = EditResult::Ok;
    }
    // Channel numbers stay 1..n, as after a delete in the channel grids.
    if (db.Size(kChannelTable) != channels)
        RenumberChannels(db);
    return result;
}

DescriptionRecords DescribeSatellite(tabstore::CQoDB& db, std::uint32_t key) {
    DescriptionRecords out;
    if (const auto* sat = rows::Get<Satellite_Info_Tag>(db, kSatelliteTable, key))
        out.satellite = *sat;
    return out;
}

} // namespace chanforge::editing
