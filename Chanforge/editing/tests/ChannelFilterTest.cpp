#include "chanforge/editing/ChannelFilter.h"
#include "chanforge/editing/FilterText.h"

#include "TestDatabase.h"

#include <gtest/gtest.h>

using namespace chanforge;
using namespace chanforge::editing;
using namespace chanforge::editing::test;

namespace {

std::vector<std::string> Shown(tabstore::CQoDB& db, ChannelKind kind, const ChannelFilter& f,
                               Product p) {
    return Names(db, FillChannels(db, kind, f, p));
}

using Names_ = std::vector<std::string>;

// Satellite product: two satellites, transponders, providers, two favourite groups.
class SatelliteFilterTest : public ::testing::Test {
  protected:
    void SetUp() override {
        astra = AddSatellite(db, 2, "Astra");
        hotbird = AddSatellite(db, 3, "Hotbird");
        tpAstra1 = AddTransponder(db, 2, 1);
        AddTransponder(db, 2, 2);
        tpHotbird1 = AddTransponder(db, 3, 1);
        provA = AddProvider(db, 7, "ProvA");
        AddProvider(db, 8, "ProvB");
        auto add = [&](const char* name, std::uint16_t n, bool tv, std::uint8_t sat,
                       std::uint8_t tp, std::uint16_t provider, std::uint32_t fav,
                       std::uint16_t genre) {
            Channel_Info_Tag ch = MakeChannel(name, n, tv, sat, tp);
            ch.BroadcastID = provider;
            ch.Favorite = fav;
            ch.Attributes |= genre;
            AddChannel(db, ch);
        };
        add("A3", 3, true, 2, 1, 7, 0b01, 1);
        add("A1", 1, true, 2, 2, 8, 0b10, 0);
        add("H2", 2, true, 3, 1, 7, 0b11, 1);
        add("RA", 1, false, 2, 1, 7, 0b01, 4);
        add("RH", 2, false, 3, 1, 8, 0, 4);
        Channel_Info_Tag neither = MakeChannel("Data", 9, true, 2, 1);
        neither.Attributes = 0;
        AddChannel(db, neither);
    }
    tabstore::CQoDB db;
    std::uint32_t astra = 0, hotbird = 0, tpAstra1 = 0, tpHotbird1 = 0, provA = 0;
};

TEST_F(SatelliteFilterTest, EveryModeOnTvAndRadio) {
    const Product p = kSatelliteProduct;
    struct Row {
        const char* name;
        ChannelFilter filter;
        Names_ tv;
        Names_ radio;
    };
    const std::vector<Row> rows = {
        {"all, sorted by number; Data (neither flag) in neither grid",
         ShowAll(),
         {"A1", "H2", "A3"},
         {"RA", "RH"}},
        {"satellite Astra", ShowSatellite(db, astra), {"A1", "A3"}, {"RA"}},
        {"satellite row that does not exist shows all",
         ShowSatellite(db, 99),
         {"A1", "H2", "A3"},
         {"RA", "RH"}},
        {"transponder Astra/1", ShowTransponder(tpAstra1), {"A3"}, {"RA"}},
        {"transponder Hotbird/1 is not Astra/1", ShowTransponder(tpHotbird1), {"H2"}, {"RH"}},
        {"provider 7", ShowProvider(provA, ShowAll(), p), {"H2", "A3"}, {"RA"}},
        {"favourite group 1", ShowFavorite(0, ShowAll(), p), {"H2", "A3"}, {"RA"}},
        {"favourite group 2", ShowFavorite(1, ShowAll(), p), {"A1", "H2"}, {}},
        {"favourite group beyond 32 holds nothing", ShowFavorite(40, ShowAll(), p), {}, {}},
        {"genre 1", ShowGenre(1, ShowAll(), p), {"H2", "A3"}, {}},
        {"genre 0", ShowGenre(0, ShowAll(), p), {"A1"}, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(Shown(db, ChannelKind::TV, row.filter, p), row.tv);
        EXPECT_EQ(Shown(db, ChannelKind::Radio, row.filter, p), row.radio);
    }
}

TEST_F(SatelliteFilterTest, ProductListEightSortsByShowNum) {
    auto* ch = GetRow<Channel_Info_Tag>(db, kChannelTable, KeyOf(db, "A3"));
    ch->ShowNum = 0;
    EXPECT_EQ(Shown(db, ChannelKind::TV, ShowAll(), Product{8, 1}), (Names_{"A3", "A1", "H2"}));
}

TEST(ChannelFilter, SideViewsKeepTerrestrialSideOnlyWithTerrestrialReception) {
    const ChannelFilter terrestrial = ShowTerrestrialMux(0);
    EXPECT_EQ(ShowProvider(1, terrestrial, kCombinationProduct).satellite, 1u);
    EXPECT_EQ(ShowFavorite(0, terrestrial, kCombinationProduct).satellite, 1u);
    EXPECT_EQ(ShowGenre(3, terrestrial, kCombinationProduct).satellite, 1u);
    EXPECT_EQ(ShowProvider(1, terrestrial, kSatelliteProduct).satellite, 0u);
    tabstore::CQoDB db;
    AddSatellite(db, 5, "S");
    EXPECT_EQ(ShowGenre(3, ShowSatellite(db, 1), kCombinationProduct).satellite, 0u);
}

// Combination product: satellite 1 is the terrestrial side, its multiplexes live in table 4.
TEST(ChannelFilter, CombinationSeparatesTerrestrialAndSatelliteSides) {
    tabstore::CQoDB db;
    AddSatellite(db, 1, "Terrestrial");
    const std::uint32_t sat = AddSatellite(db, 2, "Astra");
    const std::uint32_t mux = AddTransponder(db, 1, 21);
    AddTransponder(db, 1, 22);
    AddChannel(db, MakeChannel("T-DVB", 1, true, 1, 21));
    AddChannel(db, MakeChannel("T-DVB2", 2, true, 1, 22));
    AddChannel(db, MakeChannel("S-Astra", 3, true, 2, 1));
    const Product p = kCombinationProduct;
    EXPECT_EQ(Shown(db, ChannelKind::TV, ShowTerrestrialMux(0), p), (Names_{"T-DVB", "T-DVB2"}));
    EXPECT_EQ(Shown(db, ChannelKind::TV, ShowTerrestrialMux(mux), p), (Names_{"T-DVB"}));
    EXPECT_EQ(Shown(db, ChannelKind::TV, ShowSatellite(db, 0), p), (Names_{"S-Astra"}));
    EXPECT_EQ(Shown(db, ChannelKind::TV, ShowSatellite(db, sat), p), (Names_{"S-Astra"}));
    EXPECT_EQ(Shown(db, ChannelKind::TV, ShowAll(), p).size(), 3u);
}

TEST(ChannelFilter, TerrestrialProductComparesTheMultiplexNumber) {
    tabstore::CQoDB db;
    AddTerrestrialMux(db, 21);
    AddChannel(db, MakeChannel("Mux21", 1, true, 1, 21));
    AddChannel(db, MakeChannel("Mux22", 2, true, 1, 22));
    EXPECT_EQ(Shown(db, ChannelKind::TV, ShowTerrestrialMux(22), kTerrestrialProduct),
              (Names_{"Mux22"}));
    EXPECT_EQ(Shown(db, ChannelKind::TV, ShowTransponder(21), kTerrestrialProduct),
              (Names_{"Mux21"}));
}

TEST(ChannelFilter, CableProductLooksUpTheMultiplexRow) {
    tabstore::CQoDB db;
    AddCableMux(db, 5, 474000);
    const std::uint32_t second = AddCableMux(db, 6, 482000);
    AddChannel(db, MakeChannel("C5", 1, false, 1, 5));
    AddChannel(db, MakeChannel("C6", 2, false, 1, 6));
    EXPECT_EQ(Shown(db, ChannelKind::Radio, ShowTransponder(second), kCableProduct),
              (Names_{"C6"}));
    // A row that does not exist narrows nothing.
    EXPECT_EQ(Shown(db, ChannelKind::Radio, ShowTransponder(77), kCableProduct),
              (Names_{"C5", "C6"}));
}

TEST(ChannelFilter, FavouriteViewSortsByPositionOnlyWhereKept) {
    tabstore::CQoDB db;
    for (auto [name, number, position] :
         {std::tuple{"First", 1, 3}, {"Second", 2, 1}, {"Third", 3, 2}}) {
        Channel_Info_Tag ch = MakeChannel(name, static_cast<std::uint16_t>(number), true);
        ch.Favorite = 1;
        ch.FavoriteSlot[0] = static_cast<std::uint16_t>(position);
        AddChannel(db, ch);
    }
    const ChannelFilter fav = ShowFavorite(0, ShowAll(), kCombinationFav32);
    EXPECT_EQ(Shown(db, ChannelKind::TV, fav, kCombinationFav32),
              (Names_{"Second", "Third", "First"}));
    EXPECT_EQ(Shown(db, ChannelKind::TV, fav, kSatelliteProduct),
              (Names_{"First", "Second", "Third"}));
}

TEST(FilterText, NamesWhatTheGridsShow) {
    tabstore::CQoDB db;
    AddSatellite(db, 2, "Astra 19.2E");
    const std::uint32_t tp = AddTransponder(db, 2, 1, 11836);
    GetRow<Transponder_Info_Tag>(db, kTransponderTable, tp)->PolFEC = 1;
    AddProvider(db, 4, "ARD");
    AddFavorite(db, "M\xFCnchen");
    const std::pair<ChannelFilter, std::string> rows[] = {
        {ShowAll(), "All channels"},
        {ShowSatellite(db, 1), "Satellite Astra 19.2E"},
        {ShowTransponder(tp), "Satellite Astra 19.2E \xC2\xB7 transponder 11,836 H"},
        {ShowTransponder(99), "Transponder"},
        {ShowProvider(1, ShowAll(), kSatelliteProduct), "Provider ARD"},
        {ShowFavorite(0, ShowAll(), kSatelliteProduct), "Favourite group M\xC3\xBCnchen"},
    };
    for (const auto& [filter, text] : rows)
        EXPECT_EQ(FilterText(db, filter, kSatelliteProduct), text);
    EXPECT_EQ(FilterText(db, ShowTerrestrialMux(23), kTerrestrialProduct),
              "Multiplex, RF channel 23");
}

} // namespace
