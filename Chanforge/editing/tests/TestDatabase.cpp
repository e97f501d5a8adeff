#include "TestDatabase.h"

#include "TestBuilders.h"
#include "chanforge/TableAccess.h"

#include <stdexcept>

namespace chanforge::editing::test {

namespace {

template <class T> std::uint32_t Append(tabstore::CQoDB& db, std::uint8_t table, const T& rec) {
    const int key = AppendRow(db, table, CopyRow(rec));
    if (key <= 0)
        throw std::runtime_error("store refused a test row");
    return static_cast<std::uint32_t>(key);
}

using testkit::SetName;

} // namespace

Channel_Info_Tag MakeChannel(const std::string& name, std::uint16_t number, bool tv,
                             std::uint8_t satId, std::uint8_t tpid) {
    auto ch = testkit::MakeChannel(name, number, tv ? attr::kTV : attr::kRadio, satId, tpid);
    ch.ShowNum = ch.LogicalNumber = number;
    return ch;
}

std::uint32_t AddChannel(tabstore::CQoDB& db, const Channel_Info_Tag& ch) {
    return Append(db, kChannelTable, ch);
}

std::uint32_t AddSatellite(tabstore::CQoDB& db, std::uint8_t satId, const std::string& name,
                           std::uint16_t degree) {
    Satellite_Info_Tag s{};
    s.SatID = satId;
    s.Degree = degree;
    SetName(s.Name, name);
    return Append(db, kSatelliteTable, s);
}

std::uint32_t AddTransponder(tabstore::CQoDB& db, std::uint8_t satId, std::uint8_t tpid,
                             std::uint16_t frequency) {
    Transponder_Info_Tag tp{};
    tp.SatID = satId;
    tp.TPID = tpid;
    tp.Frequency = frequency;
    tp.SymbolRate = 27500;
    return Append(db, kTransponderTable, tp);
}

std::uint32_t AddProvider(tabstore::CQoDB& db, std::uint16_t id, const std::string& name) {
    Broadcast_Info_Tag p{};
    p.BroadcastID = id;
    SetName(p.Name, name);
    return Append(db, kProviderTable, p);
}

std::uint32_t AddFavorite(tabstore::CQoDB& db, const std::string& name) {
    Favorite_Info_Tag g{};
    SetName(g.Name, name);
    return Append(db, kFavoriteTable, g);
}

std::uint32_t AddCableMux(tabstore::CQoDB& db, std::uint8_t muxId, std::uint32_t kHz) {
    CableMux_Info_Tag mux{};
    mux.MuxID = muxId;
    mux.Frequency = kHz;
    mux.SymbolRate = 6900;
    return Append(db, kCableMuxTable, mux);
}

std::uint32_t AddTerrestrialMux(tabstore::CQoDB& db, std::uint8_t tpid) {
    SMux_Info_Tag mux{};
    mux.TPID = tpid;
    mux.MuxParams = (2u << 1) | (1u << 3) | (3u << 6) | (2u << 8) | (1u << 11);
    return Append(db, kTerrestrialMuxTable, mux);
}

const Channel_Info_Tag& ChannelAt(tabstore::CQoDB& db, std::uint32_t key) {
    const auto* ch = GetRow<Channel_Info_Tag>(db, kChannelTable, key);
    if (ch == nullptr)
        throw std::runtime_error("no channel under key " + std::to_string(key));
    return *ch;
}

std::uint32_t KeyOf(tabstore::CQoDB& db, const std::string& name) {
    std::uint32_t key = 0;
    ForEachRow<Channel_Info_Tag>(db, kChannelTable, [&](const Channel_Info_Tag& ch) {
        if (key == 0 && name == ch.Name)
            key = ch.RowID;
    });
    return key;
}

std::vector<std::string> Names(tabstore::CQoDB& db, const std::vector<std::uint32_t>& keys) {
    std::vector<std::string> names;
    for (std::uint32_t key : keys)
        names.emplace_back(ChannelAt(db, key).Name);
    return names;
}

std::vector<std::string> Numbering(tabstore::CQoDB& db, bool tv) {
    std::vector<std::string> out;
    ForEachRow<Channel_Info_Tag>(db, kChannelTable, [&](const Channel_Info_Tag& ch) {
        if (IsTV(ch) == tv)
            out.push_back(std::string(ch.Name) + "=" + std::to_string(ch.ProgramNum));
    });
    return out;
}

void FillNumbered(tabstore::CQoDB& db, int tv, int radio) {
    for (int i = 1; i <= tv; ++i)
        AddChannel(db, MakeChannel("T" + std::to_string(i), static_cast<std::uint16_t>(i), true));
    for (int i = 1; i <= radio; ++i)
        AddChannel(db, MakeChannel("R" + std::to_string(i), static_cast<std::uint16_t>(i), false));
}

} // namespace chanforge::editing::test
