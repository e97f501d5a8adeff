// Each receiver model's image laid out by hand, byte by byte, from the receivers' own layout
// tables, beside the records those bytes stand for. Decoding the bytes must give the records, and
// saving the records over an image of noise must give the bytes again: counts, trailers and
// sector checksums included. A layout question answered wrongly for one model only makes the
// writer and the reader agree on the wrong bytes, which no round trip can see; this can.
#include "CodecTestSupport.h"
#include "chanforge/codec/FlashImage.h"
#include "policy/Presets.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <functional>
#include <numeric>
#include <ostream>
#include <string>
#include <tuple>

namespace {

using namespace chanforge;
using namespace chanforge::codec;

using Image = std::vector<std::uint8_t>;

// Where every model keeps its favourite, satellite, provider and transponder blocks.
constexpr std::size_t kSector = 4096;
constexpr std::size_t kSatellites = 4096;
constexpr std::size_t kProviders = 8192; // two sectors of 20-byte slots
constexpr std::size_t kTransponders = 16384;

enum class SatSlot { OneTuner, TwoTuners };
enum class ChannelSlot { A, B6, B8 }; // B6, B8: the satellite id at byte 6 or 8

struct Model {
    const char* preset;
    bool bigEndian;
    std::size_t imageEnd;      ///< end of the last block
    unsigned favorites;        ///< groups in the favourite sector
    std::size_t favoriteBytes; ///< how much of that sector a save writes
    SatSlot sat;
    std::size_t satChunk;
    std::size_t tpSectors; ///< up to where the next block begins
    std::size_t tpChunk;
    bool multiplexes; ///< terrestrial multiplexes among the transponders, under satellite id 1
    bool tpExtension; ///< transmission system, modulation and four carried fields after byte 11
    std::size_t chStart, chSectors, chChunk, nameLength;
    ChannelSlot channels;
    unsigned favoritePositions; ///< after the name in a layout A slot
    std::uint8_t muxBytes[4];   ///< kMuxParams as the model packs it
};

// Tests name the model, not its bytes.
void PrintTo(const Model& m, std::ostream* os) {
    *os << m.preset;
}

// Reserved 1, 8K, offset step 2, 64QAM, 3/4, 1/16, high priority, then 0x2A and 0x35.
constexpr std::uint32_t kMuxParams = 0x35A913D5;

// One row a model, in the order Model declares its fields: preset, big-endian, image end,
// favourite groups and the bytes a save writes of their sector, satellite slot and size,
// transponder sectors and slot size, multiplexes, extended transponders, channel block start,
// sectors, slot size and name length, channel slot, favourite positions, the packed multiplex.
// clang-format off
const Model kModels[] = {
    {"A", true, 212992, 32, 4096, SatSlot::TwoTuners, 44, 4, 12, false, false,
     49152, 40, 44, 16, ChannelSlot::A, 0, {}},
    {"B", true, 212992, 32, 4096, SatSlot::TwoTuners, 44, 4, 12, true, false,
     49152, 40, 44, 16, ChannelSlot::A, 0, {0xCB, 0x62, 0x6A, 0xD4}},
    // 24 positions of which 23 fit the 92-byte slot: the last is not stored.
    {"C", true, 376832, 16, 4096, SatSlot::TwoTuners, 44, 4, 12, true, false,
     49152, 80, 92, 16, ChannelSlot::A, 24, {0xCB, 0x62, 0x6A, 0xD4}},
    {"D", false, 376832, 8, 170, SatSlot::OneTuner, 32, 8, 14, false, true,
     49152, 80, 44, 16, ChannelSlot::B6, 0, {}},
    // Eight transponder sectors would reach into the channel block at 40960: six remain.
    {"E", false, 221184, 8, 170, SatSlot::OneTuner, 32, 6, 14, true, true,
     40960, 44, 44, 16, ChannelSlot::B8, 0, {0xD5, 0x13, 0xA9, 0x35}},
    {"default", false, 311296, 8, 170, SatSlot::OneTuner, 32, 8, 20, false, true,
     49152, 64, 56, 28, ChannelSlot::B6, 0, {}},
};
// clang-format on

/// One slot of the image being laid out: each call writes a field at its offset and returns the
/// value decoding must give for it, which is 0 for a field past the end of the slot.
class Slot {
  public:
    Slot(Image& img, std::size_t at, std::size_t size, bool bigEndian)
        : img_(img), at_(at), size_(size), bigEndian_(bigEndian) {}

    std::uint8_t U8(std::size_t off, std::uint8_t v) { return Put(off, v); }
    std::uint16_t U16(std::size_t off, std::uint16_t v) { return Put(off, v); }
    std::uint32_t U32(std::size_t off, std::uint32_t v) { return Put(off, v); }
    void Text(std::size_t off, const char* text) {
        std::memcpy(&img_[at_ + off], text, std::strlen(text));
    }
    void Raw(std::size_t off, const std::uint8_t (&bytes)[4]) {
        std::memcpy(&img_[at_ + off], bytes, 4);
    }

  private:
    template <class T> T Put(std::size_t off, T v) {
        if (off + sizeof(T) > size_)
            return 0;
        for (std::size_t i = 0; i < sizeof(T); ++i) {
            const std::size_t shift = 8 * (bigEndian_ ? sizeof(T) - 1 - i : i);
            img_[at_ + off + i] = static_cast<std::uint8_t>(v >> shift);
        }
        return v;
    }

    Image& img_;
    std::size_t at_, size_;
    bool bigEndian_;
};

/// Field values whose bytes all differ, so a field taken from its neighbour's place or in the
/// other byte order cannot decode to the same value.
class Fresh {
  public:
    explicit Fresh(std::uint8_t first) : next_(first) {}
    std::uint8_t B() { return next_++; }
    std::uint16_t W() { return static_cast<std::uint16_t>(B() << 8 | B()); }
    std::uint32_t D() { return std::uint32_t{W()} << 16 | W(); }

  private:
    std::uint8_t next_;
};

/// The sector checksum: 1 plus the sum of the sector's bytes, big-endian in its last two.
void Seal(Image& img, std::size_t sector) {
    unsigned sum = 1;
    for (std::size_t i = 0; i < kSector - 2; ++i)
        sum += img[sector + i];
    codectest::SetBE16(img, sector + kSector - 2, static_cast<std::uint16_t>(sum));
}

void Zero(Image& img, std::size_t from, std::size_t length) {
    std::fill_n(img.begin() + static_cast<std::ptrdiff_t>(from), length, std::uint8_t{0});
}

Image Noise(std::size_t size) {
    Image img(size);
    for (std::size_t i = 0; i < size; ++i)
        img[i] = static_cast<std::uint8_t>(i * 151 + 89);
    return img;
}

struct Expected {
    Image image;
    std::vector<Favorite_Info_Tag> favorites;
    std::vector<Satellite_Info_Tag> satellites;
    std::vector<Broadcast_Info_Tag> providers;
    std::vector<Transponder_Info_Tag> transponders;
    std::vector<Channel_Info_Tag> channels;
    DocumentValues values;
};

template <class T> T& Add(std::vector<T>& rows) {
    rows.push_back(ZeroRecord<T>());
    rows.back().RowID = static_cast<std::uint32_t>(rows.size());
    return rows.back();
}

void LayFavorites(const Model& m, Expected& e) {
    Image& img = e.image;
    Zero(img, 0, m.favoriteBytes);
    e.values.FavoriteHeader = Slot(img, 0, 2, m.bigEndian).U16(0, 0x1357);
    for (unsigned i = 0; i < m.favorites; ++i) {
        Favorite_Info_Tag& fav = Add(e.favorites);
        Slot s(img, 2 + 20 * i, 20, m.bigEndian);
        if (i == 0)
            std::strcpy(fav.Name, "Nineteen characters");
        else
            std::snprintf(fav.Name, sizeof fav.Name, "Group %u", i + 1);
        s.Text(0, fav.Name);
        fav.Byte19 = s.U8(19, i == 1 ? 0xB1 : 0);
    }
    if (m.favoriteBytes == kSector)
        Seal(img, 0);
}

/// The LNB's fields at the offsets given, in declaration order; a one-tuner slot keeps no
/// DiSEqC extra byte (offset 0).
void LayLnb(Slot& s, const std::size_t (&at)[9], Fresh& f, LNBSetting& lnb) {
    lnb.LowFrequency = s.U16(at[0], f.W());
    lnb.HighFrequency = s.U16(at[1], f.W());
    lnb.MotorPos = s.U16(at[2], f.W());
    lnb.Switches = s.U8(at[3], f.B());
    lnb.LNBLowType = s.U8(at[4], f.B());
    lnb.LNBHighType = s.U8(at[5], f.B());
    lnb.CKuSwitch = s.U8(at[6], f.B());
    lnb.DiSEqCMode = s.U8(at[7], f.B());
    if (at[8] != 0)
        lnb.DiSEqCExtra = s.U8(at[8], f.B());
}

void LaySatellite(const Model& m, Expected& e, std::uint8_t id, const char* name,
                  std::uint16_t degree) {
    Satellite_Info_Tag& sat = Add(e.satellites);
    Slot s(e.image, kSatellites + (sat.RowID - 1) * m.satChunk, m.satChunk, m.bigEndian);
    Fresh f(static_cast<std::uint8_t>(0x30 + 0x20 * sat.RowID));
    std::strcpy(sat.Name, name);
    if (m.sat == SatSlot::TwoTuners) {
        LayLnb(s, {0, 2, 4, 6, 7, 8, 9, 10, 11}, f, sat.Tuner[0]);
        LayLnb(s, {12, 14, 16, 18, 19, 20, 21, 22, 23}, f, sat.Tuner[1]);
        sat.Degree = s.U16(24, degree);
        sat.SatByte46 = s.U8(26, f.B());
        sat.SatID = s.U8(27, id);
        s.Text(28, name);
        sat.SatTail = s.U8(43, f.B());
        return;
    }
    LayLnb(s, {0, 2, 6, 8, 9, 10, 11, 12, 0}, f, sat.Tuner[0]);
    sat.Degree = s.U16(4, degree);
    sat.SatByte46 = s.U8(13, f.B());
    sat.SatID = s.U8(14, id);
    s.Text(15, name);
    sat.SatTail = s.U8(31, f.B());
}

void LaySatellites(const Model& m, Expected& e) {
    Zero(e.image, kSatellites, kSector);
    LaySatellite(m, e, 2, "Orbit 19.2E", 192);
    LaySatellite(m, e, 5, "Fifteen chars W", 3590);
    std::uint8_t* trailer = &e.image[kSatellites + kSector - 7];
    e.values.SatTrailer1 = trailer[0] = 0x11;
    e.values.SatTrailer2 = trailer[1] = 0x22;
    trailer[2] = 2;
    e.values.SatTrailer3 = trailer[3] = 0x33;
    e.values.SatTrailer4 = trailer[4] = 0x44;
    Seal(e.image, kSatellites);
}

void LayProviders(const Model& m, Expected& e) {
    Zero(e.image, kProviders, 2 * kSector);
    for (const char* name : {"Public", "Sixteen chars 16"}) {
        Broadcast_Info_Tag& brd = Add(e.providers);
        Slot s(e.image, kProviders + (brd.RowID - 1) * 20, 20, m.bigEndian);
        brd.BroadcastID = s.U16(0, static_cast<std::uint16_t>(0x0A0B * brd.RowID));
        std::strcpy(brd.Name, name);
        s.Text(2, name);
        brd.Byte23 = s.U8(19, static_cast<std::uint8_t>(0xC0 + brd.RowID));
    }
    codectest::SetBE16(e.image, kProviders + kSector - 4, 2);
    Seal(e.image, kProviders);
}

void LayTransponderTail(const Model& m, Slot& s, Fresh& f, Transponder_Info_Tag& tp) {
    if (!m.tpExtension)
        return;
    tp.TxMode = s.U8(12, f.B());
    tp.Modulation = s.U8(13, f.B());
    tp.Extra1 = s.U16(14, f.W());
    tp.Extra2 = s.U16(16, f.W());
    tp.Extra3 = s.U8(18, f.B());
    tp.Extra4 = s.U8(19, f.B());
}

void LayTransponders(const Model& m, Expected& e) {
    Zero(e.image, kTransponders, m.tpSectors * kSector);
    const auto slot = [&](const Transponder_Info_Tag& tp) {
        return Slot(e.image, kTransponders + (tp.RowID - 1) * m.tpChunk, m.tpChunk, m.bigEndian);
    };
    for (std::uint8_t satId : {2, 5}) {
        Transponder_Info_Tag& tp = Add(e.transponders);
        Slot s = slot(tp);
        Fresh f(static_cast<std::uint8_t>(0x40 + 0x20 * tp.RowID));
        tp.Frequency = s.U16(0, static_cast<std::uint16_t>(11000 + 494 * tp.RowID));
        tp.SymbolRate = s.U16(2, 22000);
        tp.TSID = s.U16(4, f.W());
        tp.Drift = s.U16(6, f.W());
        tp.PolFEC = s.U8(8, f.B());
        tp.Signal = s.U8(9, f.B());
        tp.SatID = s.U8(10, satId);
        tp.TPID = s.U8(11, static_cast<std::uint8_t>(tp.RowID));
        LayTransponderTail(m, s, f, tp);
    }
    if (m.multiplexes) {
        // The multiplex's fields take the places of the transponder's in the row.
        Transponder_Info_Tag& tp = Add(e.transponders);
        Slot s = slot(tp);
        Fresh f(0xA0);
        s.Raw(0, m.muxBytes);
        static_assert(offsetof(Transponder_Info_Tag, SymbolRate) ==
                      offsetof(Transponder_Info_Tag, Frequency) + 2);
        std::memcpy(&tp.Frequency, &kMuxParams, 4);
        tp.TSID = s.U16(4, f.W());
        const std::uint8_t drift[2] = {s.U8(6, f.B()), s.U8(7, 0x21)}; // then the name index
        std::memcpy(&tp.Drift, drift, 2);
        tp.PolFEC = s.U8(8, f.B());
        tp.Signal = s.U8(9, f.B());
        tp.SatID = s.U8(10, 1);
        tp.TPID = s.U8(11, 3);
        LayTransponderTail(m, s, f, tp);
    }
    codectest::SetBE16(e.image, kTransponders + kSector - 4,
                       static_cast<std::uint16_t>(e.transponders.size()));
    Seal(e.image, kTransponders);
    e.values.MaxTPID = e.transponders.back().TPID;
}

struct ChannelWanted {
    const char* name;
    std::uint16_t number, attributes;
    std::uint8_t satId, tpId, tuner;
};

void LayChannel(const Model& m, Expected& e, const ChannelWanted& wanted) {
    Channel_Info_Tag& ch = Add(e.channels);
    Slot s(e.image, m.chStart + (ch.RowID - 1) * m.chChunk, m.chChunk, m.bigEndian);
    Fresh f(static_cast<std::uint8_t>(0x10 + 0x38 * ch.RowID));
    const std::uint32_t groups = 0x5u | 1u << (m.favorites - 1); // groups 1, 3 and the last
    const std::size_t L = m.nameLength;
    // Layout A keeps every name byte; the others keep the last one for the terminator.
    const std::size_t room = m.channels == ChannelSlot::A ? L : L - 1;
    std::snprintf(ch.Name, room + 1, "%s", wanted.name);
    const bool a = m.channels == ChannelSlot::A;
    const std::size_t k = a ? 10 : m.channels == ChannelSlot::B8 ? 8 : 6; // the satellite id
    ch.CAS = s.U32(0, f.D());
    if (a) {
        ch.Favorite = s.U32(4, groups);
        ch.ProgramNum = s.U16(8, wanted.number);
    } else {
        ch.ProgramNum = s.U16(4, wanted.number);
        if (m.channels == ChannelSlot::B8)
            ch.ShowNum = s.U16(6, wanted.number);
    }
    // From the satellite id to the name every slot form agrees.
    ch.SatID = s.U8(k, wanted.satId);
    ch.TPID = s.U8(k + 1, wanted.tpId);
    ch.BroadcastID = s.U16(k + 2, f.W());
    ch.ServiceID = s.U16(k + 4, f.W());
    ch.VideoPID = s.U16(k + 6, f.W());
    ch.AudioPID = s.U16(k + 8, f.W());
    ch.PCRPID = s.U16(k + 10, f.W());
    ch.Attributes = s.U16(k + 12, wanted.attributes);
    ch.NumOfAudio = s.U8(k + 14, f.B());
    ch.NumOfSubTTX = s.U8(k + 15, f.B());
    s.Text(k + 16, ch.Name);
    if (a) {
        ch.CodeTable = s.U8(k + 17 + L, f.B());
        ch.Tuner = s.U8(k + 18 + L, wanted.tuner);
        ch.Record = s.U8(k + 19 + L, f.B());
        for (unsigned i = 0; i < m.favoritePositions; ++i)
            ch.FavoriteSlot[i] = s.U16(k + 20 + L + 2 * i, f.W());
        return;
    }
    ch.CodeTable = s.U8(k + 16 + L, f.B());
    ch.Favorite = s.U8(k + 17 + L, static_cast<std::uint8_t>(groups));
    ch.StreamType = s.U8(k + 18 + L, f.B());
}

void LayChannels(const Model& m, Expected& e) {
    Zero(e.image, m.chStart, m.chSectors * kSector);
    LayChannel(m, e, {"News 24", 1, 0x0400 | 0x0020 | 3, 2, 1, 0});
    LayChannel(m, e, {"A name that fills its slot whole", 2, 0x0400 | 0x0010, 5, 2, 1});
    LayChannel(m, e, {"Radio One", 1, 0x0800 | 0x0040, 2, 1, 0});
    if (m.multiplexes)
        LayChannel(m, e, {"Local DVB-T", 3, 0x0400, 1, 3, 0});
    codectest::SetBE16(e.image, m.chStart + kSector - 6, m.multiplexes ? 3 : 2);
    codectest::SetBE16(e.image, m.chStart + kSector - 4, 1);
    Seal(e.image, m.chStart);
    e.values.MaxTVNumber = m.multiplexes ? 3 : 2;
    e.values.MaxRadioNumber = 1;
}

Expected Lay(const Model& m) {
    Expected e;
    e.image = Noise(m.imageEnd);
    LayFavorites(m, e);
    LaySatellites(m, e);
    LayProviders(m, e);
    LayTransponders(m, e);
    LayChannels(m, e);
    return e;
}

template <class T>
void ExpectRows(tabstore::CQoDB& db, std::uint8_t table, const std::vector<T>& want) {
    const std::vector<T> got = codectest::Rows<T>(db, table);
    ASSERT_EQ(got.size(), want.size()) << "rows of table " << int{table};
    for (std::size_t i = 0; i < want.size(); ++i) {
        const auto* a = reinterpret_cast<const std::uint8_t*>(&want[i]);
        const auto* b = reinterpret_cast<const std::uint8_t*>(&got[i]);
        const auto at = std::mismatch(a, a + sizeof(T), b).first - a;
        EXPECT_EQ(at, static_cast<std::ptrdiff_t>(sizeof(T)))
            << "table " << int{table} << ", row " << want[i].RowID << ": record byte " << at
            << " is " << int{b[at]} << ", laid out as " << int{a[at]};
    }
}

template <class T> void Put(tabstore::CQoDB& db, std::uint8_t table, const std::vector<T>& rows) {
    for (const T& row : rows)
        ASSERT_EQ(AppendCopy(db, table, row), static_cast<int>(row.RowID));
}

class ModelBytes : public ::testing::TestWithParam<Model> {};

TEST_P(ModelBytes, DecodeGivesTheRecordsLaidOutBesideTheBytes) {
    const Model& m = GetParam();
    const Expected e = Lay(m);
    tabstore::CQoDB db;
    DocumentValues values;
    const FlashLayout layout = FlashLayout::FromPreset(*policy::FindPreset(m.preset));
    ASSERT_TRUE(DecodeImage(e.image, layout, db, values).ok());
    ExpectRows(db, kFavoriteTable, e.favorites);
    ExpectRows(db, kSatelliteTable, e.satellites);
    ExpectRows(db, kProviderTable, e.providers);
    ExpectRows(db, kTransponderTable, e.transponders);
    ExpectRows(db, kChannelTable, e.channels);
    EXPECT_EQ(db.Size(kTerrestrialMuxTable) + db.Size(kCableMuxTable), 0u);
    const auto all = [](const DocumentValues& v) {
        return std::tuple(v.FavoriteHeader, v.SatTrailer1, v.SatTrailer2, v.SatTrailer3,
                          v.SatTrailer4, v.MaxTPID, v.MaxTVNumber, v.MaxRadioNumber);
    };
    EXPECT_EQ(all(values), all(e.values));
}

TEST_P(ModelBytes, SavingTheRecordsOverNoiseLaysOutTheSameBytes) {
    const Model& m = GetParam();
    const Expected e = Lay(m);
    tabstore::CQoDB db;
    Put(db, kFavoriteTable, e.favorites);
    Put(db, kSatelliteTable, e.satellites);
    Put(db, kProviderTable, e.providers);
    Put(db, kTransponderTable, e.transponders);
    Put(db, kChannelTable, e.channels);
    Image img = Noise(m.imageEnd);
    const FlashLayout layout = FlashLayout::FromPreset(*policy::FindPreset(m.preset));
    ASSERT_TRUE(EncodeImage(img, layout, db, e.values).ok());
    ASSERT_EQ(img.size(), e.image.size());
    const auto diff = std::mismatch(img.begin(), img.end(), e.image.begin());
    if (diff.first == img.end())
        return;
    const auto at = static_cast<std::size_t>(diff.first - img.begin());
    ADD_FAILURE() << "byte " << at << " (sector byte " << at % kSector << ") is "
                  << int{*diff.first} << ", laid out as " << int{*diff.second} << "; "
                  << std::inner_product(img.begin(), img.end(), e.image.begin(), 0, std::plus<>(),
                                        std::not_equal_to<>())
                  << " bytes differ";
}

INSTANTIATE_TEST_SUITE_P(EveryModel, ModelBytes, ::testing::ValuesIn(kModels),
                         [](const auto& info) { return std::string(info.param.preset); });

} // namespace
