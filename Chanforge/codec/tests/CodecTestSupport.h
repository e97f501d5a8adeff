// Layouts, generated tables and comparisons shared by the codec tests.
#pragma once

#include "TestBuilders.h"
#include "chanforge/Records.h"
#include "chanforge/TableAccess.h"
#include "chanforge/codec/FlashImage.h"
#include "chanforge/codec/FlashLayout.h"
#include "tabstore/QoDB.h"
#include "utils/ByteOrder.h"

#include <cstdint>
#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace codectest {

using chanforge::AppendCopy;
using chanforge::ZeroRecord;

using chanforge::codec::FlashLayout;

constexpr std::uint32_t S = 4096; ///< sector size of every preset

inline std::uint16_t BE16(const std::vector<std::uint8_t>& img, std::size_t at) {
    return utils::ReadU16(&img[at], true);
}
inline void SetBE16(std::vector<std::uint8_t>& img, std::size_t at, std::uint16_t v) {
    utils::WriteU16(&img[at], v, true);
}

struct Decoded {
    chanforge::codec::CodecResult result;
    tabstore::CQoDB db;
    chanforge::DocumentValues values;
};
std::unique_ptr<Decoded> Decode(const std::vector<std::uint8_t>& image, const FlashLayout& layout);

/// Encodes the channels into a blank image of the layout.
std::vector<std::uint8_t> WithChannels(const FlashLayout& layout,
                                       const std::vector<chanforge::Channel_Info_Tag>& channels);

struct TableSizes {
    int satellites = 4;
    int providers = 230; ///< more than one provider sector holds
    int transponders = 40;
    int cables = 30;
    int channels = 200; ///< more than one channel sector holds
};

struct NamedLayout {
    std::string name;
    FlashLayout layout;
    TableSizes sizes;
};

/// Every preset, plus synthetic layouts covering product lists 1 to 10 and 64, both byte
/// orders, and every product type bit.
std::vector<NamedLayout> ContractLayouts();
FlashLayout PresetLayout(const char* name);

/// Fills the tables with random records that suit the layout (ids non-zero, names fitting).
void Generate(const FlashLayout& layout, tabstore::CQoDB& db, std::mt19937& rng,
              const TableSizes& sizes = {});

/// Writes multiplex sectors into the transponder block of a terrestrial-only layout (the codec
/// has no encoder for them); provider slots stay empty. Returns the multiplexes in slot order.
std::vector<chanforge::SMux_Info_Tag> WriteTerrestrialBlock(const FlashLayout& layout,
                                                            std::vector<std::uint8_t>& image,
                                                            std::mt19937& rng);

/// Image of the layout's size filled with random bytes (what no table owns stays noise).
std::vector<std::uint8_t> NoiseImage(const FlashLayout& layout, std::mt19937& rng);

/// The tables 0..6 as text of their record bytes, row ids left out: equal snapshots mean equal
/// tables up to renumbering.
std::string Snapshot(tabstore::CQoDB& db);

template <class T> std::vector<T> Rows(tabstore::CQoDB& db, std::uint8_t table) {
    std::vector<T> out;
    chanforge::ForEachRow<T>(db, table, [&](const T& rec) { out.push_back(rec); });
    return out;
}

using chanforge::testkit::MakeChannel;

} // namespace codectest
