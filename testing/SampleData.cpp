#include "SampleData.h"
#include "TestBuilders.h"

#include "chanforge/TableAccess.h"
#include "chanforge/codec/FlashLayout.h"
#include "policy/Policy.h"
#include "policy/Presets.h"

#include <array>
#include <cstdio>
#include <cstring>

namespace chanforge::testkit {

namespace {

constexpr std::array kTV = {"Das Erste HD", "ZDF HD",          "arte HD",      "3sat HD",
                            "KiKA HD",      "phoenix HD",      "tagesschau24", "ONE HD",
                            "ZDFneo HD",    "ZDFinfo HD",      "BR Fernsehen", "hr-fernsehen",
                            "MDR Sachsen",  "NDR FS NDS",      "SWR BW HD",    "WDR HD Koeln",
                            "rbb Berlin",   "Radio Bremen TV", "SR Fernsehen", "ARD-alpha"};
constexpr std::array kRadio = {"Bayern 1", "Bayern 2",        "BR-KLASSIK", "hr1",
                               "hr2",      "MDR KULTUR",      "NDR Info",   "SWR2",
                               "WDR 3",    "Deutschlandfunk", "DLF Kultur", "NDR 2"};

} // namespace

void Populate(document::Document& document, const policy::ProductKind& product, int channels) {
    tabstore::CQoDB& db = document.Store();
    const bool terrestrial = product.Terrestrial();
    auto addSat = [&](std::uint8_t id, const char* name, std::uint16_t degree) {
        auto row = MakeRow<Satellite_Info_Tag>();
        row->SatID = id;
        SetName(row->Name, name);
        row->Degree = degree;
        row->Tuner[0].LowFrequency = 9750;
        row->Tuner[0].HighFrequency = 10600;
        row->Tuner[0].Switches = 1;
        AppendRow(db, kSatelliteTable, std::move(row));
    };
    if (terrestrial)
        addSat(1, "Terrestrial", 0);
    addSat(2, "Astra 19.2E", 192);
    addSat(3, "Hotbird 13E", 130);
    addSat(4, "Thor 0.8W", 3592);
    const std::array<std::uint16_t, 6> frequencies = {11494, 11836, 12188, 12266, 12480, 10743};
    for (std::uint8_t sat = 2; sat <= 4; ++sat)
        for (std::uint8_t tp = 1; tp <= frequencies.size(); ++tp) {
            auto row = MakeRow<Transponder_Info_Tag>();
            row->SatID = sat;
            row->TPID = tp;
            row->Frequency = frequencies[tp - 1];
            row->SymbolRate = tp % 2 == 0 ? 27500 : 22000;
            row->PolFEC = static_cast<std::uint8_t>((tp % 2) | 0x40); // 3/4
            row->TSID = static_cast<std::uint16_t>(1000 + tp);
            AppendRow(db, kTransponderTable, std::move(row));
        }
    if (terrestrial)
        for (std::uint8_t tp = 21; tp <= 24; ++tp) {
            Transponder_Info_Tag mux{};
            mux.SatID = 1;
            mux.TPID = tp;
            const std::uint32_t params = (2u << 1) | (1u << 3) | (3u << 6) | (2u << 8) | (1u << 11);
            std::memcpy(&mux.Frequency, &params, sizeof params);
            AppendRow(db, kTransponderTable, CopyRow(mux));
        }
    const std::array providers = {"ARD", "ZDFvision", "BR", "Deutschlandradio"};
    for (std::size_t i = 0; i < providers.size(); ++i) {
        auto row = MakeRow<Broadcast_Info_Tag>();
        row->BroadcastID = static_cast<std::uint16_t>(i + 1);
        SetName(row->Name, providers[i]);
        AppendRow(db, kProviderTable, std::move(row));
    }
    const std::array groups = {"News",  "Sports",      "Movies",   "Kids",
                               "Music", "Documentary", "Regional", "Favorite 8"};
    for (const char* name : groups) {
        auto row = MakeRow<Favorite_Info_Tag>();
        SetName(row->Name, name);
        AppendRow(db, kFavoriteTable, std::move(row));
    }
    auto addChannel = [&](int number, bool tv, const char* name) {
        auto row = MakeRow<Channel_Info_Tag>();
        char text[64];
        std::snprintf(text, sizeof text, number <= 20 ? "%s" : "%s %d", name, number);
        SetName(row->Name, text);
        row->ProgramNum = row->ShowNum = row->LogicalNumber = static_cast<std::uint16_t>(number);
        const bool onTerrestrial = terrestrial && number % 5 == 0;
        row->SatID = onTerrestrial ? 1 : static_cast<std::uint8_t>(2 + number % 3);
        row->TPID = onTerrestrial ? static_cast<std::uint8_t>(21 + number % 4)
                                  : static_cast<std::uint8_t>(1 + number % 6);
        row->BroadcastID = static_cast<std::uint16_t>(1 + number % 4);
        row->ServiceID = static_cast<std::uint16_t>(28000 + number);
        row->VideoPID = tv ? static_cast<std::uint16_t>(100 + number) : 0;
        row->AudioPID = static_cast<std::uint16_t>(200 + number);
        row->PCRPID = row->VideoPID != 0 ? row->VideoPID : row->AudioPID;
        row->Attributes =
            static_cast<std::uint16_t>((tv ? 0x0400 : 0x0800) | (number % 7 == 0 ? 0x20 : 0) |
                                       (number % 11 == 0 ? 0x10 : 0) | (number % 16));
        row->Favorite = 1u << (number % 8);
        row->FavoriteSlot[number % 8] = static_cast<std::uint16_t>(number / 8 + 1);
        AppendRow(db, kChannelTable, std::move(row));
    };
    for (int i = 1; i <= channels; ++i)
        addChannel(i, true, kTV[static_cast<std::size_t>(i - 1) % kTV.size()]);
    for (int i = 1; i <= channels / 3; ++i)
        addChannel(i, false, kRadio[static_cast<std::size_t>(i - 1) % kRadio.size()]);
}

int WriteSampleFile(const char* preset, int gridColumn, const std::string& path, int channels) {
    policy::SelectPreset(*policy::FindPreset(preset), gridColumn);
    const std::string blank = path + ".blank";
    document::Document maker;
    if (!document::WriteBlankImage(codec::FlashLayout::FromPolicy(), blank).ok() ||
        !maker.Open(blank).ok())
        return -1;
    Populate(maker, policy::ProductKind::Current(), channels);
    if (!maker.SaveToFile(path).ok())
        return -1;
    return static_cast<int>(maker.Store().Size(kChannelTable));
}

Channel_Info_Tag* ChannelNamed(tabstore::CQoDB& db, const char* name) {
    Channel_Info_Tag* found = nullptr;
    ForEachRow<Channel_Info_Tag>(db, kChannelTable, [&](const Channel_Info_Tag& ch) {
        if (found == nullptr && std::strcmp(ch.Name, name) == 0)
            found = const_cast<Channel_Info_Tag*>(&ch);
    });
    return found;
}

} // namespace chanforge::testkit
