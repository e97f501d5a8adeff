#include "chanforge/editing/NetworkEdits.h"

#include "NetworkRows.h"
#include "chanforge/ChannelOrder.h"

#include <optional>

namespace chanforge::editing {

namespace {

constexpr unsigned kLastTPID = 0xFF;

bool SatelliteExists(tabstore::CQoDB& db, unsigned satId) {
    return !network::KeysWhere<Satellite_Info_Tag>(
                db, kSatelliteTable, [&](const Satellite_Info_Tag& s) { return s.SatID == satId; })
                .empty();
}

unsigned HighestTPID(tabstore::CQoDB& db, unsigned satId) {
    return network::Highest<Transponder_Info_Tag>(
        db, kTransponderTable, [&](const Transponder_Info_Tag& tp) { return tp.SatID == satId; },
        [](const Transponder_Info_Tag& tp) { return tp.TPID; });
}

/// Lowers the TPIDs above tpid on satellite satId, of transponders and channels alike.
void CloseTransponderGap(tabstore::CQoDB& db, unsigned satId, unsigned tpid) {
    network::CloseGap<Channel_Info_Tag>(
        db, kChannelTable, [&](const Channel_Info_Tag& ch) { return ch.SatID == satId; },
        [](Channel_Info_Tag & ch) -> auto& { return ch.TPID; }, tpid);
    network::CloseGap<Transponder_Info_Tag>(
        db, kTransponderTable, [&](const Transponder_Info_Tag& tp) { return tp.SatID == satId; },
        [](Transponder_Info_Tag & tp) -> auto& { return tp.TPID; }, tpid);
}

/// Deletes transponder (satId, tpid) and its channels; the later ones of the satellite move down.
void DeleteTransponderId(tabstore::CQoDB& db, unsigned satId, unsigned tpid) {
    for (std::uint32_t key : network::ChannelsOn(db, satId, tpid))
        db.Delete(kChannelTable, key);
    for (std::uint32_t key : network::KeysWhere<Transponder_Info_Tag>(
             db, kTransponderTable,
             [&](const Transponder_Info_Tag& tp) { return tp.SatID == satId && tp.TPID == tpid; }))
        db.Delete(kTransponderTable, key);
    CloseTransponderGap(db, satId, tpid);
}

/// Stores record under key on satellite satId with the next TPID there, takes the channels of
/// its old place along and closes the gap it leaves. The caller checked the TPID fits.
EditResult MoveTo(tabstore::CQoDB& db, std::uint32_t key, Transponder_Info_Tag record,
                  unsigned satId) {
    const auto* stored = rows::Get<Transponder_Info_Tag>(db, kTransponderTable, key);
    const unsigned oldSat = stored->SatID;
    const unsigned oldTPID = stored->TPID;
    const RowIds riders = network::ChannelsOn(db, oldSat, oldTPID);
    record.SatID = static_cast<std::uint8_t>(satId);
    record.TPID = static_cast<std::uint8_t>(HighestTPID(db, satId) + 1);
    if (!network::ReplaceRow(db, kTransponderTable, key, record))
        return EditResult::StoreRefused;
    for (std::uint32_t channelKey : riders) {
        Channel_Info_Tag* ch = rows::Channel(db, channelKey);
        ch->SatID = record.SatID;
        ch->TPID = record.TPID;
    }
    CloseTransponderGap(db, oldSat, oldTPID);
    return EditResult::Ok;
}

} // namespace

NewRecord NewTransponder(tabstore::CQoDB& db, Transponder_Info_Tag edited, DocumentValues& values) {
    if (edited.SatID == 0 || !SatelliteExists(db, edited.SatID))
        return {EditResult::NoSuchSatellite};
    const unsigned highest = HighestTPID(db, edited.SatID);
    if (highest >= kLastTPID)
        return {EditResult::TransponderIdsExhausted};
    edited.TPID = static_cast<std::uint8_t>(highest + 1);
    const int key = AppendCopy(db, kTransponderTable, edited);
    if (key <= 0)
        return {EditResult::StoreRefused};
    ++values.MaxTPID;
    return {EditResult::Ok, static_cast<std::uint32_t>(key)};
}

EditResult UpdateTransponder(tabstore::CQoDB& db, std::uint32_t key,
                             const Transponder_Info_Tag& edited) {
    const auto* stored = rows::Get<Transponder_Info_Tag>(db, kTransponderTable, key);
    if (stored == nullptr)
        return EditResult::Nothing;
    if (edited.SatID == stored->SatID) {
        Transponder_Info_Tag record = edited;
        record.TPID = stored->TPID; // channels name it by its TPID
        return network::ReplaceRow(db, kTransponderTable, key, record) ? EditResult::Ok
                                                                       : EditResult::StoreRefused;
    }
    if (edited.SatID == 0 || !SatelliteExists(db, edited.SatID))
        return EditResult::NoSuchSatellite;
    if (HighestTPID(db, edited.SatID) >= kLastTPID)
        return EditResult::TransponderIdsExhausted;
    return MoveTo(db, key, edited, edited.SatID);
}

EditResult MoveTransponders(tabstore::CQoDB& db, const RowIds& keys, std::uint32_t satelliteRow) {
    const auto* target = rows::Get<Satellite_Info_Tag>(db, kSatelliteTable, satelliteRow);
    if (target == nullptr || target->SatID == 0)
        return EditResult::Nothing;
    const unsigned satId = target->SatID;
    RowIds moving;
    for (std::uint32_t key : keys) {
        const auto* tp = rows::Get<Transponder_Info_Tag>(db, kTransponderTable, key);
        if (tp != nullptr && tp->SatID != satId &&
            std::find(moving.begin(), moving.end(), key) == moving.end())
            moving.push_back(key);
    }
    if (moving.empty())
        return EditResult::Nothing;
    // Each move adds one TPID on the target and none elsewhere: check them all before the first.
    if (HighestTPID(db, satId) + moving.size() > kLastTPID)
        return EditResult::TransponderIdsExhausted;
    for (std::uint32_t key : moving)
        if (const EditResult r = MoveTo(
                db, key, *rows::Get<Transponder_Info_Tag>(db, kTransponderTable, key), satId);
            r != EditResult::Ok)
            return r;
    return EditResult::Ok;
}

EditResult DeleteTransponders(tabstore::CQoDB& db, const RowIds& keys) {
    EditResult result = EditResult::Nothing;
    const std::uint32_t channels = db.Size(kChannelTable);
    for (std::uint32_t key : keys) {
        // Read the ids only now: deleting an earlier transponder may have lowered them.
        const auto* tp = rows::Get<Transponder_Info_Tag>(db, kTransponderTable, key);
        if (tp == nullptr)
            continue;
        DeleteTransponderId(db, tp->SatID, tp->TPID);
        result = EditResult::Ok;
    }
    // Channel numbers stay 1..n, as after a delete in the channel grids.
    if (db.Size(kChannelTable) != channels)
        RenumberChannels(db);
    return result;
}

DescriptionRecords DescribeTransponder(tabstore::CQoDB& db, std::uint32_t key) {
    DescriptionRecords out;
    const auto* tp = rows::Get<Transponder_Info_Tag>(db, kTransponderTable, key);
    if (tp == nullptr)
        return out;
    out.transponder = *tp;
    const unsigned satId = tp->SatID;
    rows::ForEach<Satellite_Info_Tag>(db, kSatelliteTable, [&](const Satellite_Info_Tag& s) {
        if (!out.satellite && s.SatID == satId)
            out.satellite = s;
    });
    return out;
}

} // namespace chanforge::editing
