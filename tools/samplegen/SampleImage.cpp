#include "samplegen/SampleImage.h"

#include "SampleData.h"
#include "chanforge/Records.h"
#include "chanforge/TableAccess.h"
#include "chanforge/codec/ChannelFile.h"
#include "chanforge/codec/FlashImageCodec.h"
#include "chanforge/codec/TransponderMux.h"
#include "tabstore/QoDB.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <span>
#include <string>

namespace samplegen {

namespace {

using namespace chanforge;

void Name(char* field, std::size_t size, const char* text) {
    std::snprintf(field, size, "%s", text);
}

/// Combination receivers keep their terrestrial side as satellite 1, whose transponders are the
/// terrestrial multiplexes.
void AddTerrestrialStandIn(tabstore::CQoDB& db) {
    auto sat = ZeroRecord<Satellite_Info_Tag>();
    sat.SatID = 1;
    Name(sat.Name, sizeof sat.Name, "Terrestrial");
    AppendCopy(db, kSatelliteTable, sat);
}

void AddSatellites(const FlashLayout& l, tabstore::CQoDB& db) {
    if (l.product.Terrestrial())
        AddTerrestrialStandIn(db);
    for (const auto& s : samplegen::Satellites()) {
        auto sat = ZeroRecord<Satellite_Info_Tag>();
        for (int t = 0; t < (l.product.TwoTuners() ? 2 : 1); ++t) {
            sat.Tuner[t].LowFrequency = 9750;
            sat.Tuner[t].HighFrequency = 10600;
            sat.Tuner[t].Switches = 0x01; // LNB power on
            sat.Tuner[t].DiSEqCMode = static_cast<std::uint8_t>(s.satId - 1);
        }
        sat.Degree = s.degree;
        sat.SatID = s.satId;
        Name(sat.Name, sizeof sat.Name, s.name);
        AppendCopy(db, kSatelliteTable, sat);
    }
}

/// Mode 8K, no offset, 16QAM, code rate 2/3, guard 1/4, no hierarchy.
constexpr std::uint32_t kDvbtParams = 2u << 1 | 1u << 3 | 2u << 6 | 2u << 8 | 4u << 11 | 3u << 16;

void AddTransponders(const FlashLayout& l, tabstore::CQoDB& db) {
    for (const auto& t : samplegen::Transponders()) {
        auto tp = ZeroRecord<Transponder_Info_Tag>();
        tp.Frequency = t.mhz;
        tp.SymbolRate = t.symbolRate;
        tp.TSID = t.tsid;
        const bool dvbS2 = t.mhz == 11494; // the one DVB-S2 transponder
        // Code rate 3/4 on all of them: code 0x40 names it for DVB-S, 0x30 for DVB-S2 8PSK.
        const std::uint8_t fec = dvbS2 ? 0x30 : 0x40;
        tp.PolFEC = static_cast<std::uint8_t>((t.horizontal ? 1 : 0) | fec);
        tp.SatID = t.satId;
        tp.TPID = t.tpId;
        tp.TxMode = dvbS2 ? 1 : 0;
        tp.Modulation = dvbS2 ? 2 : 1;
        AppendCopy(db, kTransponderTable, tp);
    }
    if (!l.product.Terrestrial())
        return;
    for (const auto& m : samplegen::Multiplexes()) {
        codec::TransponderMux mux;
        mux.MuxParams = kDvbtParams;
        mux.MuxNameIndex = m.label;
        mux.TPID = m.rfChannel;
        auto tp = ZeroRecord<Transponder_Info_Tag>();
        codec::WriteTransponderMux(mux, tp);
        AppendCopy(db, kTransponderTable, tp);
    }
}

void AddProviders(tabstore::CQoDB& db) {
    for (const auto& p : samplegen::Providers()) {
        auto brd = ZeroRecord<Broadcast_Info_Tag>();
        brd.BroadcastID = p.id;
        Name(brd.Name, sizeof brd.Name, p.name);
        AppendCopy(db, kProviderTable, brd);
    }
}

std::uint8_t SatelliteOf(std::uint8_t tpId) {
    for (const auto& t : samplegen::Transponders())
        if (t.tpId == tpId)
            return t.satId;
    return 0;
}

void AddChannels(const FlashLayout& l, tabstore::CQoDB& db) {
    std::uint16_t tv = 0, radio = 0;
    for (const auto& s : samplegen::Services()) {
        if (s.terrestrial && !l.product.Terrestrial())
            continue;
        auto ch = ZeroRecord<Channel_Info_Tag>();
        const bool isTv = s.vpid != 0;
        ch.ProgramNum = isTv ? ++tv : ++radio;
        ch.ShowNum = ch.ProgramNum;
        ch.SatID = s.terrestrial ? 1 : SatelliteOf(s.tpId);
        ch.TPID = s.tpId;
        ch.BroadcastID = s.provider;
        ch.ServiceID = s.sid;
        ch.VideoPID = s.vpid;
        ch.AudioPID = s.apid;
        ch.PCRPID = isTv ? s.vpid : s.apid;
        ch.Attributes = isTv ? attr::kTV : attr::kRadio;
        ch.NumOfAudio = 1;
        ch.StreamType = isTv ? 2 : 3;
        ch.ServiceType = isTv ? 1 : 2;
        Name(ch.Name, std::min<std::size_t>(sizeof ch.Name, l.nameLength), s.name);
        // News channels in group 1, the children's channel in group 5, the radios in group 4.
        const std::string name = s.name;
        const int group = name.find("24") != std::string::npos ? 1
                          : name == "KiKA"                     ? 5
                          : !isTv                              ? 4
                                                               : 0;
        if (group != 0) {
            ch.Favorite = 1u << (group - 1);
            ch.FavoriteSlot[group - 1] = isTv ? tv : radio;
        }
        AppendCopy(db, kChannelTable, ch);
    }
}

void AddFavorites(const FlashLayout& l, tabstore::CQoDB& db) {
    const auto names = samplegen::FavoriteGroups();
    for (std::uint32_t i = 0; i < l.favoriteCount && i < kFavoriteGroupsMax; ++i) {
        auto fav = ZeroRecord<Favorite_Info_Tag>();
        if (i < names.size())
            Name(fav.Name, sizeof fav.Name, names[i]);
        else
            std::snprintf(fav.Name, sizeof fav.Name, "Favorite %u", i + 1);
        AppendCopy(db, kFavoriteTable, fav);
    }
}

} // namespace

bool BuildImage(const FlashLayout& l, std::vector<std::uint8_t>& file, std::string* error) {
    tabstore::CQoDB db;
    AddFavorites(l, db);
    if (l.product.Satellite()) {
        AddSatellites(l, db);
        AddTransponders(l, db);
    }
    AddProviders(db);
    AddChannels(l, db);
    file.assign(codec::kChannelHeaderSize, 0);
    file.resize(codec::kChannelHeaderSize + l.ImageSize(), 0xFF);
    DocumentValues values;
    codec::HeaderState header;
    const codec::CodecResult r = codec::FlashImageCodec(l).Save(file, false, {db, values, header});
    if (!r.ok() && error != nullptr)
        *error = r.detail;
    return r.ok();
}

std::vector<std::uint8_t> AsVersionFile(const std::vector<std::uint8_t>& channelFile,
                                        int startBlock) {
    char header[codec::kVersionHeaderSize + 1] = {};
    std::snprintf(header, sizeof header, "RIXASAMPLE 1.00 %010dDAT00001", startBlock);
    const auto image = std::span(channelFile).subspan(codec::kChannelHeaderSize);
    std::vector<std::uint8_t> file(codec::kVersionHeaderSize + image.size());
    std::copy_n(header, codec::kVersionHeaderSize, file.begin());
    std::copy(image.begin(), image.end(), file.begin() + codec::kVersionHeaderSize);
    codec::StampVersionChecksum(file);
    return file;
}

} // namespace samplegen
