// Load + save of the largest preset image with every table full, against plainly reading the
// file and summing its bytes in the same run.
#include "chanforge/Records.h"
#include "chanforge/TableAccess.h"
#include "chanforge/codec/FlashImage.h"
#include "chanforge/codec/FlashImageCodec.h"
#include "policy/Presets.h"
#include "tabstore/QoDB.h"
#include "utils/Files.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <numeric>
#include <vector>

namespace {

using namespace chanforge;
using codec::FlashLayout;

/// The preset with the largest image; model D also has the most channel slots of those.
FlashLayout Largest() {
    FlashLayout best = FlashLayout::FromPreset(policy::StartupPreset());
    for (const auto& p : policy::ConfigurablePresets()) {
        const FlashLayout l = FlashLayout::FromPreset(p);
        if (l.ImageSize() > best.ImageSize() ||
            (l.ImageSize() == best.ImageSize() && l.ch.chunk < best.ch.chunk))
            best = l;
    }
    return best;
}

/// Fills every table up to what its block holds.
void Fill(const FlashLayout& l, tabstore::CQoDB& db) {
    for (std::uint32_t i = 0; i < l.favoriteCount; ++i) {
        auto fav = ZeroRecord<Favorite_Info_Tag>();
        std::snprintf(fav.Name, sizeof fav.Name, "Group %u", i + 1);
        AppendCopy(db, kFavoriteTable, fav);
    }
    const auto perSector = [&](std::uint32_t margin, std::uint32_t chunk) {
        std::uint32_t n = 0;
        for (std::uint32_t pos = 0; l.sectorSize - pos - margin > chunk; pos += chunk)
            ++n;
        return n;
    };
    for (std::uint32_t i = 0; i < perSector(7, l.sat.chunk) && i < 255; ++i) {
        auto sat = ZeroRecord<Satellite_Info_Tag>();
        sat.SatID = static_cast<std::uint8_t>(i + 1);
        std::snprintf(sat.Name, sizeof sat.Name, "Sat %u", i);
        AppendCopy(db, kSatelliteTable, sat);
    }
    for (std::uint32_t i = 0; i < perSector(4, l.brd.chunk) * l.brd.count; ++i) {
        auto brd = ZeroRecord<Broadcast_Info_Tag>();
        brd.BroadcastID = static_cast<std::uint16_t>(i);
        std::snprintf(brd.Name, sizeof brd.Name, "Provider %u", i % 10000);
        AppendCopy(db, kProviderTable, brd);
    }
    for (std::uint32_t i = 0; i < perSector(4, 2 * l.tp.chunk) * l.tp.count; ++i) {
        auto tp = ZeroRecord<Transponder_Info_Tag>();
        tp.Frequency = static_cast<std::uint16_t>(10700 + i);
        tp.SatID = static_cast<std::uint8_t>(2 + i % 100);
        tp.TPID = static_cast<std::uint8_t>(1 + i % 255);
        AppendCopy(db, kTransponderTable, tp);
    }
    for (std::uint32_t i = 0; i < perSector(49, l.ch.chunk) * l.ch.count; ++i) {
        auto ch = ZeroRecord<Channel_Info_Tag>();
        ch.ProgramNum = static_cast<std::uint16_t>(1 + i);
        ch.SatID = 2;
        ch.TPID = 1;
        ch.ServiceID = static_cast<std::uint16_t>(i);
        ch.Attributes = i % 5 == 0 ? attr::kRadio : attr::kTV;
        std::snprintf(ch.Name, sizeof ch.Name, "Channel %u", i % 100000);
        AppendCopy(db, kChannelTable, ch);
    }
}

struct Fixture {
    FlashLayout layout = Largest();
    std::string source =
        (std::filesystem::temp_directory_path() / "chanforge-bench-src.bin").string();
    std::string target =
        (std::filesystem::temp_directory_path() / "chanforge-bench-dst.bin").string();

    Fixture() {
        tabstore::CQoDB db;
        Fill(layout, db);
        std::vector<std::uint8_t> file(86 + layout.ImageSize(), 0xFF);
        DocumentValues values;
        codec::HeaderState header;
        if (!codec::FlashImageCodec(layout).Save(file, false, {db, values, header}).ok())
            std::abort();
        std::ofstream(source, std::ios::binary)
            .write(reinterpret_cast<const char*>(file.data()),
                   static_cast<std::streamsize>(file.size()));
        std::filesystem::copy_file(source, target,
                                   std::filesystem::copy_options::overwrite_existing);
    }
    ~Fixture() {
        std::filesystem::remove(source);
        std::filesystem::remove(target);
    }
};

/// Reads a channel file and decodes it, as opening one does.
bool LoadFile(const codec::FlashImageCodec& codec, const std::string& path, codec::Database db) {
    std::vector<std::uint8_t> file;
    return utils::ReadWholeFile(path, file).ok() && codec.Load(file, db, [] { return false; }).ok();
}

/// Writes the tables into the target's own bytes and replaces it, as saving does.
bool SaveFile(const codec::FlashImageCodec& codec, const std::string& path, codec::Database db) {
    std::vector<std::uint8_t> file;
    return utils::ReadWholeFile(path, file).ok() && codec.Save(file, false, db).ok() &&
           utils::ReplaceFile(path, file).ok();
}

Fixture& Files() {
    static Fixture fixture;
    return fixture;
}

void BM_ReadAndSumFile(benchmark::State& state) {
    Fixture& f = Files();
    for (auto _ : state) {
        std::ifstream in(f.source, std::ios::binary);
        const std::vector<char> bytes(std::istreambuf_iterator<char>(in), {});
        unsigned sum = std::accumulate(bytes.begin(), bytes.end(), 0u, [](unsigned s, char c) {
            return s + static_cast<unsigned char>(c);
        });
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_ReadAndSumFile)->Unit(benchmark::kMillisecond);

void BM_LoadAndSaveLargestImage(benchmark::State& state) {
    Fixture& f = Files();
    const codec::FlashImageCodec codec(f.layout);
    std::size_t channels = 0;
    tabstore::CQoDB db; // the program keeps one store for its whole life
    for (auto _ : state) {
        DocumentValues values;
        codec::HeaderState header;
        if (!LoadFile(codec, f.source, {db, values, header}))
            std::abort();
        channels = db.Size(kChannelTable);
        if (!SaveFile(codec, f.target, {db, values, header}))
            std::abort();
        state.PauseTiming(); // emptying the tables for the next load is neither load nor save
        db.ClearAll();
        state.ResumeTiming();
    }
    state.counters["channels"] = static_cast<double>(channels);
}
BENCHMARK(BM_LoadAndSaveLargestImage)->Unit(benchmark::kMillisecond);

void BM_LoadLargestImage(benchmark::State& state) {
    Fixture& f = Files();
    const codec::FlashImageCodec codec(f.layout);
    for (auto _ : state) {
        tabstore::CQoDB db;
        DocumentValues values;
        codec::HeaderState header;
        if (!LoadFile(codec, f.source, {db, values, header}))
            std::abort();
        state.PauseTiming(); // freeing the rows is not part of a load
        db.ClearAll();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LoadLargestImage)->Unit(benchmark::kMillisecond);

void BM_SaveLargestImage(benchmark::State& state) {
    Fixture& f = Files();
    const codec::FlashImageCodec codec(f.layout);
    tabstore::CQoDB db;
    DocumentValues values;
    codec::HeaderState header;
    if (!LoadFile(codec, f.source, {db, values, header}))
        std::abort();
    for (auto _ : state)
        if (!SaveFile(codec, f.target, {db, values, header}))
            std::abort();
}
BENCHMARK(BM_SaveLargestImage)->Unit(benchmark::kMillisecond);

} // namespace
