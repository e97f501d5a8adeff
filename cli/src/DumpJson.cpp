#include "DumpJson.h"
#include "NameText.h"

#include "chanforge/TableAccess.h"
#include "chanforge/codec/TransponderMux.h"

#include <cstdio>

namespace cli {

namespace {

using namespace chanforge;
using Json = nlohmann::ordered_json;

/// A name as JSON text: every byte kept (see Latin1Utf8).
template <std::size_t N> std::string NameText(const char (&name)[N]) {
    return Latin1Utf8(FieldBytes(name));
}

std::string Hex(const std::uint8_t* bytes, std::size_t n) {
    std::string out;
    char pair[3];
    for (std::size_t i = 0; i < n; ++i) {
        std::snprintf(pair, sizeof pair, "%02x", bytes[i]);
        out += pair;
    }
    return out;
}

template <class T, class Fn> Json Table(tabstore::CQoDB& db, std::uint8_t table, Fn row) {
    Json rows = Json::array();
    ForEachRow<T>(db, table, [&](const T& rec) { rows.push_back(row(rec)); });
    return rows;
}

Json Lnb(const LNBSetting& t) {
    return {{"LowFrequency", t.LowFrequency}, {"HighFrequency", t.HighFrequency},
            {"MotorPos", t.MotorPos},         {"Switches", t.Switches},
            {"LNBLowType", t.LNBLowType},     {"LNBHighType", t.LNBHighType},
            {"CKuSwitch", t.CKuSwitch},       {"DiSEqCMode", t.DiSEqCMode},
            {"DiSEqCExtra", t.DiSEqCExtra}};
}

Json Satellite(const Satellite_Info_Tag& s) {
    return {{"RowID", s.RowID},    {"Tuner", Json::array({Lnb(s.Tuner[0]), Lnb(s.Tuner[1])})},
            {"Degree", s.Degree},  {"SatByte46", s.SatByte46},
            {"SatID", s.SatID},    {"Name", NameText(s.Name)},
            {"SatTail", s.SatTail}};
}

Json TerrestrialMux(const SMux_Info_Tag& m) {
    return {{"RowID", m.RowID},   {"MuxParams", m.MuxParams},
            {"Word1", m.Word1},   {"MuxNameIndex", m.MuxNameIndex},
            {"Byte12", m.Byte12}, {"Byte13", m.Byte13},
            {"SatID", m.SatID},   {"TPID", m.TPID},
            {"Word2", m.Word2},   {"Word3", m.Word3},
            {"Byte20", m.Byte20}, {"Byte21", m.Byte21}};
}

Json CableMux(const CableMux_Info_Tag& c) {
    std::size_t used = sizeof c.Data;
    while (used > 0 && c.Data[used - 1] == 0)
        --used;
    return {{"RowID", c.RowID}, {"Frequency", c.Frequency},   {"SymbolRate", c.SymbolRate},
            {"TSID", c.TSID},   {"NetworkID", c.NetworkID},   {"OrgNetID", c.OrgNetID},
            {"MuxID", c.MuxID}, {"Modulation", c.Modulation}, {"Invert", c.Invert},
            {"Mark", c.Mark},   {"Data", Hex(c.Data, used)}};
}

Json Provider(const Broadcast_Info_Tag& b) {
    return {{"RowID", b.RowID},
            {"BroadcastID", b.BroadcastID},
            {"Name", NameText(b.Name)},
            {"Byte23", b.Byte23}};
}

Json Transponder(const Transponder_Info_Tag& t, const policy::ProductKind& product) {
    if (codec::HoldsMux(t, product)) {
        const codec::TransponderMux m = codec::ReadTransponderMux(t);
        return {{"RowID", t.RowID},
                {"MuxParams", m.MuxParams},
                {"Word1", m.Word1},
                {"Byte6", m.Byte6},
                {"MuxNameIndex", m.MuxNameIndex},
                {"Byte12", m.Byte12},
                {"Byte13", m.Byte13},
                {"SatID", m.SatID},
                {"TPID", m.TPID}};
    }
    return {{"RowID", t.RowID},   {"Frequency", t.Frequency},   {"SymbolRate", t.SymbolRate},
            {"TSID", t.TSID},     {"Drift", t.Drift},           {"PolFEC", t.PolFEC},
            {"Signal", t.Signal}, {"SatID", t.SatID},           {"TPID", t.TPID},
            {"TxMode", t.TxMode}, {"Modulation", t.Modulation}, {"Extra1", t.Extra1},
            {"Extra2", t.Extra2}, {"Extra3", t.Extra3},         {"Extra4", t.Extra4}};
}

Json Channel(const Channel_Info_Tag& c) {
    Json slots = Json::array();
    for (std::uint16_t s : c.FavoriteSlot)
        slots.push_back(s);
    return {{"RowID", c.RowID},
            {"CAS", c.CAS},
            {"Favorite", c.Favorite},
            {"ProgramNum", c.ProgramNum},
            {"SatID", c.SatID},
            {"TPID", c.TPID},
            {"BroadcastID", c.BroadcastID},
            {"ServiceID", c.ServiceID},
            {"VideoPID", c.VideoPID},
            {"AudioPID", c.AudioPID},
            {"PCRPID", c.PCRPID},
            {"Attributes", c.Attributes},
            {"NumOfAudio", c.NumOfAudio},
            {"NumOfSubTTX", c.NumOfSubTTX},
            {"Name", NameText(c.Name)},
            {"CodeTable", c.CodeTable},
            {"Tuner", c.Tuner},
            {"Record", c.Record},
            {"LogicalNumber", c.LogicalNumber},
            {"FavoriteSlot", slots},
            {"ShowNum", c.ShowNum},
            {"ParentRate", c.ParentRate},
            {"StreamType", c.StreamType},
            {"OrgNetID", c.OrgNetID},
            {"NetworkID", c.NetworkID},
            {"TSID", c.TSID},
            {"VolOffset", c.VolOffset},
            {"OrgMuxID", c.OrgMuxID},
            {"NetNameID", c.NetNameID},
            {"ServiceType", c.ServiceType}};
}

Json Favorite(const Favorite_Info_Tag& f) {
    return {{"RowID", f.RowID}, {"Name", NameText(f.Name)}, {"Byte19", f.Byte19}};
}

Json Policy(const codec::FlashLayout& l) {
    return {{"ProductList", l.product.list},
            {"ProductType", l.product.type},
            {"ByteOrder", l.bigEndian ? 1 : 0},
            {"SectorSize", l.sectorSize},
            {"MMIStart", l.mmi.start},
            {"MMICount", l.mmi.count},
            {"MMIChunk", l.mmi.chunk},
            {"FavoriteCount", l.favoriteCount},
            {"SatStart", l.sat.start},
            {"SatCountSectors", l.sat.count},
            {"SatChunk", l.sat.chunk},
            {"BrdStart", l.brd.start},
            {"BrdCount", l.brd.count},
            {"BrdChunk", l.brd.chunk},
            {"TPStart", l.tp.start},
            {"TPCount", l.tp.count},
            {"TPChunk", l.tp.chunk},
            {"CHStart", l.ch.start},
            {"CHCount", l.ch.count},
            {"CHChunk", l.ch.chunk},
            {"CHNameLength", l.nameLength},
            {"MaxMuxCount", l.maxMuxCount}};
}

} // namespace

std::string JsonText(const Json& json) {
    return json.dump(2, ' ', false, Json::error_handler_t::replace);
}

Json DumpJson(document::Document& doc, const codec::FlashLayout& layout) {
    tabstore::CQoDB& db = doc.Store();
    const DocumentValues& v = doc.Values();
    const policy::ProductKind product = layout.product;
    Json tables = {
        {"satellites", Table<Satellite_Info_Tag>(db, kSatelliteTable, Satellite)},
        {"terrestrial_muxes", Table<SMux_Info_Tag>(db, kTerrestrialMuxTable, TerrestrialMux)},
        {"cable_muxes", Table<CableMux_Info_Tag>(db, kCableMuxTable, CableMux)},
        {"providers", Table<Broadcast_Info_Tag>(db, kProviderTable, Provider)},
        {"transponders", Table<Transponder_Info_Tag>(db, kTransponderTable,
                                                     [product](const Transponder_Info_Tag& t) {
                                                         return Transponder(t, product);
                                                     })},
        {"channels", Table<Channel_Info_Tag>(db, kChannelTable, Channel)},
        {"favorites", Table<Favorite_Info_Tag>(db, kFavoriteTable, Favorite)},
    };
    return {{"policy", Policy(layout)},
            {"header",
             {{"versionFile", doc.Header().versionFile},
              {"info", Hex(doc.Header().info.data(), doc.Header().info.size())}}},
            {"document",
             {{"FavoriteHeader", v.FavoriteHeader},
              {"SatTrailer1", v.SatTrailer1},
              {"SatTrailer2", v.SatTrailer2},
              {"SatTrailer3", v.SatTrailer3},
              {"SatTrailer4", v.SatTrailer4},
              {"MaxTPID", v.MaxTPID},
              {"MaxTVNumber", v.MaxTVNumber},
              {"MaxRadioNumber", v.MaxRadioNumber}}},
            {"tables", tables}};
}

} // namespace cli
