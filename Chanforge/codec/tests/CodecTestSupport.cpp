#include "CodecTestSupport.h"

#include "chanforge/codec/TransponderMux.h"
#include "policy/Presets.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <sstream>

namespace codectest {

using namespace chanforge;
using chanforge::codec::BlockSpan;

namespace {

FlashLayout Synthetic(int list, int type, bool bigEndian, std::uint32_t tpChunk,
                      std::uint32_t chChunk) {
    FlashLayout l;
    l.product = {list, type};
    l.bigEndian = bigEndian;
    l.mmi = {0, 1, 20};
    l.favoriteCount = 16;
    l.sat = {4096, 1, l.product.TwoTuners() ? 44u : 32u};
    l.brd = {8192, 2, 20};
    l.tp = {16384, 4, tpChunk};
    l.ch = {49152, 16, chChunk};
    l.nameLength = 16;
    return l;
}

FlashLayout Combined(bool bigEndian) {
    FlashLayout l = Synthetic(10, 5 | 16, bigEndian, 16, 60);
    // Counts are slots here; more than 255 of them to see the 32-bit trailer counts at work.
    l.tp = {16384, 300, 16};
    l.brd = {0, 280, 20};
    l.ch = {0, 400, 60};
    return l;
}

// Fields are often drawn at their edges, zero and all ones, where a writer and its reader
// most easily share a mistake.
std::uint8_t Byte(std::mt19937& rng) {
    const unsigned draw = rng() % 8;
    return draw == 0 ? 0 : draw == 1 ? 0xFF : static_cast<std::uint8_t>(rng());
}
std::uint16_t Word(std::mt19937& rng) {
    const unsigned draw = rng() % 8;
    return draw == 0 ? 0 : draw == 1 ? 0xFFFF : static_cast<std::uint16_t>(rng());
}

/// A name of 1 to maxChars letters, filling all maxChars one time in four.
void RandomName(char* out, std::size_t maxChars, std::mt19937& rng) {
    const std::size_t n =
        rng() % 4 == 0 ? maxChars : 1 + rng() % std::max<std::size_t>(1, maxChars);
    for (std::size_t i = 0; i < n; ++i)
        out[i] = static_cast<char>('A' + rng() % 26);
    out[n] = 0;
}

void RandomLnb(LNBSetting& lnb, std::mt19937& rng) {
    lnb.LowFrequency = Word(rng);
    lnb.HighFrequency = Word(rng);
    lnb.MotorPos = Word(rng);
    lnb.Switches = Byte(rng);
    lnb.LNBLowType = Byte(rng);
    lnb.LNBHighType = Byte(rng);
    lnb.CKuSwitch = Byte(rng);
    lnb.DiSEqCMode = Byte(rng);
    lnb.DiSEqCExtra = Byte(rng);
}

void Favorites(const FlashLayout& l, tabstore::CQoDB& db, std::mt19937& rng) {
    const std::uint32_t n = std::min<std::uint32_t>(l.favoriteCount, kFavoriteGroupsMax);
    for (std::uint32_t i = 0; i < n; ++i) {
        auto fav = ZeroRecord<Favorite_Info_Tag>();
        RandomName(fav.Name, 19, rng);
        fav.Byte19 = Byte(rng);
        AppendCopy(db, kFavoriteTable, fav);
    }
}

void Satellites(const FlashLayout& l, tabstore::CQoDB& db, std::mt19937& rng, int count) {
    for (int i = 0; i < count; ++i) {
        auto sat = ZeroRecord<Satellite_Info_Tag>();
        RandomLnb(sat.Tuner[0], rng);
        if (l.product.TwoTuners())
            RandomLnb(sat.Tuner[1], rng);
        else
            sat.Tuner[0].DiSEqCExtra = 0;
        sat.Degree = Word(rng);
        sat.SatByte46 = Byte(rng);
        sat.SatID = static_cast<std::uint8_t>(2 + i);
        RandomName(sat.Name, 15, rng);
        sat.SatTail = Byte(rng);
        AppendCopy(db, kSatelliteTable, sat);
    }
}

void Providers(tabstore::CQoDB& db, std::mt19937& rng, int count) {
    for (int i = 0; i < count; ++i) {
        auto brd = ZeroRecord<Broadcast_Info_Tag>();
        brd.BroadcastID = Word(rng);
        RandomName(brd.Name, 16, rng);
        brd.Byte23 = Byte(rng);
        AppendCopy(db, kProviderTable, brd);
    }
}

void Transponders(const FlashLayout& l, tabstore::CQoDB& db, std::mt19937& rng, int count) {
    for (int i = 0; i < count; ++i) {
        auto tp = ZeroRecord<Transponder_Info_Tag>();
        tp.TxMode = Byte(rng);
        tp.Modulation = Byte(rng);
        tp.Extra1 = Word(rng);
        tp.Extra2 = Word(rng);
        tp.Extra3 = Byte(rng);
        tp.Extra4 = Byte(rng);
        if (l.product.Terrestrial() && i % 4 == 0) {
            codec::TransponderMux mux;
            mux.MuxParams = rng() & 0x3FFFFFFFu;
            mux.Word1 = Word(rng);
            mux.Byte6 = Byte(rng);
            mux.MuxNameIndex = Byte(rng);
            mux.Byte12 = Byte(rng);
            mux.Byte13 = Byte(rng);
            mux.TPID = static_cast<std::uint8_t>(1 + i);
            codec::WriteTransponderMux(mux, tp);
        } else {
            tp.Frequency = Word(rng);
            tp.SymbolRate = Word(rng);
            tp.TSID = Word(rng);
            tp.Drift = Word(rng);
            tp.PolFEC = Byte(rng);
            tp.Signal = Byte(rng);
            tp.SatID = static_cast<std::uint8_t>(2 + rng() % 4);
            tp.TPID = static_cast<std::uint8_t>(1 + i);
        }
        AppendCopy(db, kTransponderTable, tp);
    }
}

void Cables(const FlashLayout& l, tabstore::CQoDB& db, std::mt19937& rng, int count) {
    for (int i = 0; i < count; ++i) {
        auto cab = ZeroRecord<CableMux_Info_Tag>();
        cab.Frequency = rng();
        cab.SymbolRate = Word(rng);
        cab.TSID = Word(rng);
        cab.Modulation = Byte(rng);
        cab.Invert = Byte(rng);
        cab.Mark = Byte(rng);
        cab.MuxID = static_cast<std::uint8_t>(1 + i % 255);
        if (l.product.CombinedBlock()) {
            cab.NetworkID = Word(rng);
            cab.OrgNetID = Word(rng);
        } else {
            for (auto& b : cab.Data)
                b = Byte(rng);
        }
        AppendCopy(db, kCableMuxTable, cab);
    }
}

std::uint16_t RandomKind(std::mt19937& rng) {
    const std::uint16_t kinds[] = {attr::kTV, attr::kTV, attr::kRadio, 0, attr::kTV | attr::kRadio};
    const auto other = static_cast<std::uint16_t>(Word(rng) & ~(attr::kTV | attr::kRadio));
    return static_cast<std::uint16_t>(other | kinds[rng() % 5]);
}

bool TunerOneKept(const FlashLayout& l) {
    if (l.product.ChannelPerTuner())
        return false;
    return l.product.Combination() || !l.product.TerrestrialOrCable();
}

/// Name bytes a channel slot keeps: all of them in layout A, all but a zero byte in the layouts
/// with a one-byte favourite mask.
std::size_t NameRoom(const FlashLayout& l) {
    return l.product.OneByteFavoriteMask() ? l.nameLength - 1 : l.nameLength;
}

void Channels(const FlashLayout& l, tabstore::CQoDB& db, std::mt19937& rng, int count) {
    for (int i = 0; i < count; ++i) {
        Channel_Info_Tag ch =
            MakeChannel("", static_cast<std::uint16_t>(1 + rng() % 9999), RandomKind(rng),
                        static_cast<std::uint8_t>(1 + rng() % 255));
        RandomName(ch.Name, std::min<std::size_t>(NameRoom(l), kChannelNameSize - 1), rng);
        ch.CAS = rng();
        ch.Favorite = rng();
        ch.TPID = Byte(rng);
        ch.BroadcastID = Word(rng);
        ch.ServiceID = Word(rng);
        ch.VideoPID = Word(rng);
        ch.AudioPID = Word(rng);
        ch.PCRPID = Word(rng);
        ch.NumOfAudio = Byte(rng);
        ch.NumOfSubTTX = Byte(rng);
        ch.CodeTable = Byte(rng);
        ch.Tuner = TunerOneKept(l) ? static_cast<std::uint8_t>(rng() % 2) : 0;
        ch.Record = Byte(rng);
        ch.LogicalNumber = Word(rng);
        for (auto& slot : ch.FavoriteSlot)
            slot = Word(rng);
        ch.ShowNum = l.product.UsesShowNum() ? ch.ProgramNum : Word(rng);
        ch.ParentRate = Byte(rng);
        ch.StreamType = Byte(rng);
        ch.OrgNetID = Word(rng);
        ch.NetworkID = Word(rng);
        ch.TSID = Word(rng);
        ch.VolOffset = Byte(rng);
        ch.OrgMuxID = Byte(rng);
        ch.NetNameID = Word(rng);
        ch.ServiceType = Byte(rng);
        AppendCopy(db, kChannelTable, ch);
    }
}

} // namespace

FlashLayout PresetLayout(const char* name) {
    return FlashLayout::FromPreset(*policy::FindPreset(name));
}

std::vector<NamedLayout> ContractLayouts() {
    std::vector<NamedLayout> out;
    for (const char* preset : {"A", "B", "C", "D", "E", "default"})
        out.push_back({std::string("preset_") + preset, PresetLayout(preset), {}});
    FlashLayout terrestrial = Synthetic(9, 2 | 16, true, 16, 64);
    terrestrial.maxMuxCount = 8;
    const std::vector<NamedLayout> synthetic = {
        {"list1_satellite_LE", Synthetic(1, 1, false, 12, 44), {}},
        {"list2_fav24_BE", Synthetic(2, 1 | 32, true, 12, 92), {}},
        {"list3_two_tuner_LE", Synthetic(3, 1 | 8, false, 12, 44), {}},
        {"list4_muxes_in_transponders_LE", Synthetic(4, 3, false, 12, 44), {}},
        {"list5_tuner_copies_fav32_BE", Synthetic(5, 1 | 64, true, 12, 100), {}},
        {"list6_cable_LE", Synthetic(6, 4, false, 20, 64), {}},
        {"list7_extension_fav8_BE", Synthetic(7, 1 | 16, true, 20, 60), {}},
        {"list8_muxes_BE", Synthetic(8, 3 | 16, true, 20, 60), {}},
        {"list9_satellite_LE", Synthetic(9, 1 | 16, false, 14, 64), {}},
        {"list9_terrestrial_block_BE", terrestrial, {}},
        {"list10_combined_LE", Combined(false), {0, 230, 0, 280, 300}},
        {"list10_combined_BE", Combined(true), {0, 230, 0, 280, 300}},
        {"list64_fav32_LE", Synthetic(64, 1 | 64, false, 12, 110), {}},
    };
    out.insert(out.end(), synthetic.begin(), synthetic.end());
    return out;
}

void Generate(const FlashLayout& l, tabstore::CQoDB& db, std::mt19937& rng,
              const TableSizes& sizes) {
    Favorites(l, db, rng);
    if (l.product.CombinedBlock()) {
        Cables(l, db, rng, sizes.cables);
        Providers(db, rng, sizes.providers);
        Channels(l, db, rng, sizes.channels);
        return;
    }
    if (l.product.Satellite())
        Satellites(l, db, rng, sizes.satellites);
    Providers(db, rng, sizes.providers);
    if (l.product.Satellite())
        Transponders(l, db, rng, sizes.transponders);
    if (l.product.Cable())
        Cables(l, db, rng, sizes.cables);
    Channels(l, db, rng, sizes.channels);
}

std::vector<std::uint8_t> NoiseImage(const FlashLayout& layout, std::mt19937& rng) {
    std::vector<std::uint8_t> image(layout.ImageSize());
    for (auto& b : image)
        b = static_cast<std::uint8_t>(rng()); // evenly spread: tests count bytes that kept it
    return image;
}

std::vector<SMux_Info_Tag>
WriteTerrestrialBlock(const FlashLayout& l, std::vector<std::uint8_t>& image, std::mt19937& rng) {
    std::vector<SMux_Info_Tag> muxes;
    const std::uint32_t S = l.sectorSize;
    for (std::uint32_t s = 0; s < l.tp.count; ++s) {
        std::uint8_t* sector = image.data() + l.tp.start + s * S;
        std::fill(sector, sector + S, std::uint8_t{0});
        for (std::uint32_t j = 0; j < l.maxMuxCount; ++j) {
            std::uint8_t* slot = sector + j * l.tp.chunk;
            auto mux = ZeroRecord<SMux_Info_Tag>();
            mux.MuxParams = rng() & 0x3FFFFFFFu;
            codec::PackMuxParams(mux.MuxParams, l.bigEndian, slot);
            mux.Word1 = Word(rng);
            mux.Word2 = Word(rng);
            mux.Word3 = Word(rng);
            utils::WriteU16(slot + 4, mux.Word1, l.bigEndian);
            utils::WriteU16(slot + 6, mux.Word2, l.bigEndian);
            utils::WriteU16(slot + 8, mux.Word3, l.bigEndian);
            mux.TPID = static_cast<std::uint8_t>(1 + (s * l.maxMuxCount + j) % 255);
            slot[10] = mux.TPID;
            slot[11] = mux.MuxNameIndex = Byte(rng);
            slot[12] = mux.Byte12 = Byte(rng);
            slot[13] = mux.Byte13 = Byte(rng);
            slot[14] = mux.Byte20 = Byte(rng);
            slot[15] = mux.Byte21 = Byte(rng);
            muxes.push_back(mux);
        }
    }
    return muxes;
}

std::string Snapshot(tabstore::CQoDB& db) {
    static constexpr std::size_t kSizes[] = {
        sizeof(Satellite_Info_Tag), sizeof(SMux_Info_Tag),        sizeof(CableMux_Info_Tag),
        sizeof(Broadcast_Info_Tag), sizeof(Transponder_Info_Tag), sizeof(Channel_Info_Tag),
        sizeof(Favorite_Info_Tag)};
    std::ostringstream out;
    for (std::uint8_t table = 0; table < 7; ++table) {
        out << "table " << int{table} << "\n";
        ForEachRowBytes(db, table, [&](tabstore::RowBuffer raw, std::uint32_t key) {
            for (std::size_t i = sizeof key; i < kSizes[table]; ++i) {
                char hex[3];
                std::snprintf(hex, sizeof hex, "%02x", raw[i]);
                out << hex;
            }
            out << "\n";
        });
    }
    return out.str();
}

std::unique_ptr<Decoded> Decode(const std::vector<std::uint8_t>& image, const FlashLayout& layout) {
    auto out = std::make_unique<Decoded>();
    out->result = codec::DecodeImage(image, layout, out->db, out->values);
    return out;
}

std::vector<std::uint8_t> WithChannels(const FlashLayout& l,
                                       const std::vector<Channel_Info_Tag>& channels) {
    tabstore::CQoDB db;
    for (const auto& ch : channels)
        AppendCopy(db, kChannelTable, ch);
    std::vector<std::uint8_t> img(l.ImageSize(), 0);
    EXPECT_TRUE(codec::EncodeImage(img, l, db, DocumentValues{}).ok());
    return img;
}

} // namespace codectest
