#include "CheckFixture.h"

#include "TestBuilders.h"
#include "chanforge/codec/TransponderMux.h"
#include "policy/Presets.h"

#include <cstdio>
#include <cstring>

namespace chanforge::check::test {

codec::FlashLayout Layout(const char* model) {
    return codec::FlashLayout::FromPreset(*policy::FindPreset(model));
}

Channel_Info_Tag MakeChannel(const std::string& name, std::uint16_t number, bool tv,
                             std::uint8_t satId, std::uint8_t tpId, std::uint16_t sid) {
    auto ch = testkit::MakeChannel(name, number, tv ? attr::kTV : attr::kRadio, satId, tpId);
    ch.ServiceID = sid;
    ch.BroadcastID = 1;
    return ch;
}

Fixture::Fixture(const char* model) : layout(Layout(model)) {
    for (std::uint8_t id : {2, 3}) {
        auto sat = ZeroRecord<Satellite_Info_Tag>();
        sat.SatID = id;
        std::snprintf(sat.Name, sizeof sat.Name, "Sat %u", id);
        AppendCopy(db, kSatelliteTable, sat);
    }
    AddTransponder(2, 1, 11836);
    AddTransponder(2, 2, 11953);
    AddTransponder(3, 3, 11766);
    for (std::uint16_t id : {1, 2}) {
        auto brd = ZeroRecord<Broadcast_Info_Tag>();
        brd.BroadcastID = id;
        std::snprintf(brd.Name, sizeof brd.Name, "Provider %u", id);
        AppendCopy(db, kProviderTable, brd);
    }
    for (std::uint32_t g = 1; g <= layout.favoriteCount; ++g) {
        auto fav = ZeroRecord<Favorite_Info_Tag>();
        std::snprintf(fav.Name, sizeof fav.Name, "Favorite %u", g);
        AppendCopy(db, kFavoriteTable, fav);
    }
    Add(MakeChannel("Alpha", 1, true, 2, 1, 101));
    Add(MakeChannel("Beta", 2, true, 2, 1, 102));
    Add(MakeChannel("Gamma", 3, true, 3, 3, 301));
    Add(MakeChannel("Radio A", 1, false, 2, 2, 201));
    Add(MakeChannel("Radio B", 2, false, 2, 2, 202));
    if (layout.product.Terrestrial()) {
        codec::TransponderMux mux;
        mux.TPID = 23;
        auto tp = ZeroRecord<Transponder_Info_Tag>();
        codec::WriteTransponderMux(mux, tp);
        AppendCopy(db, kTransponderTable, tp);
        Add(MakeChannel("Terra", 4, true, 1, 23, 14));
    }
    values.MaxTPID = 23;
}

std::uint32_t Fixture::AddTransponder(std::uint8_t satId, std::uint8_t tpId, std::uint16_t mhz) {
    auto tp = ZeroRecord<Transponder_Info_Tag>();
    tp.Frequency = mhz;
    tp.SymbolRate = 27500;
    tp.SatID = satId;
    tp.TPID = tpId;
    return AppendCopy(db, kTransponderTable, tp);
}

std::uint32_t Fixture::Row(const std::string& name) {
    std::uint32_t found = 0;
    ForEachRow<Channel_Info_Tag>(db, kChannelTable, [&](const Channel_Info_Tag& ch) {
        if (found == 0 && name == ch.Name)
            found = ch.RowID;
    });
    return found;
}

} // namespace chanforge::check::test
