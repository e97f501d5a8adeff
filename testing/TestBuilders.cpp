#include "TestBuilders.h"

#include "chanforge/TableAccess.h"

namespace chanforge::testkit {

Channel_Info_Tag MakeChannel(std::string_view name, std::uint16_t number, std::uint16_t attributes,
                             std::uint8_t satId, std::uint8_t tpId) {
    auto ch = ZeroRecord<Channel_Info_Tag>();
    SetName(ch.Name, name);
    ch.ProgramNum = number;
    ch.Attributes = attributes;
    ch.SatID = satId;
    ch.TPID = tpId;
    return ch;
}

namespace {

template <class T>
void AddTable(tabstore::CQoDB& db, std::uint8_t table,
              std::vector<std::vector<unsigned char>>& out) {
    ForEachRow<T>(db, table, [&](const T& row) {
        const auto* p = reinterpret_cast<const unsigned char*>(&row);
        out.emplace_back(p, p + sizeof row);
    });
}

} // namespace

std::vector<std::vector<unsigned char>> StoreBytes(tabstore::CQoDB& db) {
    std::vector<std::vector<unsigned char>> out;
    AddTable<Satellite_Info_Tag>(db, kSatelliteTable, out);
    AddTable<SMux_Info_Tag>(db, kTerrestrialMuxTable, out);
    AddTable<CableMux_Info_Tag>(db, kCableMuxTable, out);
    AddTable<Broadcast_Info_Tag>(db, kProviderTable, out);
    AddTable<Transponder_Info_Tag>(db, kTransponderTable, out);
    AddTable<Channel_Info_Tag>(db, kChannelTable, out);
    AddTable<Favorite_Info_Tag>(db, kFavoriteTable, out);
    return out;
}

} // namespace chanforge::testkit
