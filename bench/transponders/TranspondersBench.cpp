// Transponder tables at full size: a satellites.xml of 200 satellites with 60 carriers each read;
// a model-D list with every transponder slot filled compared with a table of the same satellites
// in which every fifth carrier moved, every tenth is gone and each satellite has a new one, then
// updated; and every satellite scan table of the system read.
#include "chanforge/Records.h"
#include "chanforge/TableAccess.h"
#include "chanforge/codec/TableCapacity.h"
#include "chanforge/transponders/Readers.h"
#include "chanforge/transponders/SatellitesXml.h"
#include "chanforge/transponders/Update.h"
#include "policy/Presets.h"
#include "tabstore/QoDB.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

using namespace chanforge;
using namespace chanforge::transponders;

constexpr policy::ProductKind kModelD{7, 1};

/// satellites at distinct positions, each with perSatellite carriers 30 MHz apart.
void Fill(tabstore::CQoDB& db, std::uint32_t satellites, std::uint32_t perSatellite) {
    for (std::uint32_t s = 0; s < satellites; ++s) {
        auto sat = ZeroRecord<Satellite_Info_Tag>();
        sat.SatID = static_cast<std::uint8_t>(s + 1);
        sat.Degree = static_cast<std::uint16_t>(15 * s + 1);
        AppendCopy(db, kSatelliteTable, sat);
        for (std::uint32_t t = 0; t < perSatellite; ++t) {
            auto tp = ZeroRecord<Transponder_Info_Tag>();
            tp.SatID = sat.SatID;
            tp.TPID = static_cast<std::uint8_t>(t + 1);
            tp.Frequency = static_cast<std::uint16_t>(10700 + 30 * (t / 2));
            tp.SymbolRate = 27500;
            tp.PolFEC = static_cast<std::uint8_t>(0x40 | (t % 2));
            tp.TxMode = static_cast<std::uint8_t>(t % 3 == 0);
            AppendCopy(db, kTransponderTable, tp);
            auto ch = ZeroRecord<Channel_Info_Tag>();
            ch.SatID = tp.SatID;
            ch.TPID = tp.TPID;
            ch.Attributes = attr::kTV;
            AppendCopy(db, kChannelTable, ch);
        }
    }
}

/// The list's own table, then every fifth carrier moved by 2 MHz, every tenth gone, one new.
Source Later(tabstore::CQoDB& db) {
    const std::vector<std::uint8_t> xml = SatellitesXmlBytes(db, kModelD);
    Source source;
    if (!ReadXmlTable(xml, "later.xml", source).ok)
        return {};
    for (SourceSatellite& satellite : source.satellites) {
        std::vector<Carrier> later;
        for (std::size_t i = 0; i < satellite.carriers.size(); ++i) {
            Carrier carrier = satellite.carriers[i];
            if (i % 10 == 9)
                continue;
            if (i % 5 == 0)
                carrier.frequencyKHz += 2000;
            later.push_back(carrier);
        }
        Carrier added = later.front();
        added.frequencyKHz = 12740000;
        later.push_back(added);
        satellite.carriers = std::move(later);
    }
    return source;
}

void BM_ReadXmlTable(benchmark::State& state) {
    tabstore::CQoDB db;
    Fill(db, 200, 60);
    const std::vector<std::uint8_t> xml = SatellitesXmlBytes(db, kModelD);
    for (auto _ : state) {
        Source source;
        if (!ReadXmlTable(xml, "satellites.xml", source).ok)
            state.SkipWithError("the table did not read");
        benchmark::DoNotOptimize(source.satellites.size());
    }
    state.counters["bytes"] = static_cast<double>(xml.size());
}
BENCHMARK(BM_ReadXmlTable)->Unit(benchmark::kMillisecond);

void BM_PlanAndApplyFullModelD(benchmark::State& state) {
    const auto layout = codec::FlashLayout::FromPreset(*policy::FindPreset("D"));
    const std::uint64_t slots = codec::TableCapacity(layout, kTransponderTable).value_or(60);
    constexpr std::uint32_t kSatellites = 60;
    const auto perSatellite = static_cast<std::uint32_t>(
        std::min<std::uint64_t>(slots / kSatellites - 1, 200)); // room for the new one
    std::size_t lines = 0;
    for (auto _ : state) {
        state.PauseTiming();
        tabstore::CQoDB db;
        Fill(db, kSatellites, perSatellite);
        const Source source = Later(db);
        DocumentValues values;
        state.ResumeTiming();
        UpdatePlan plan;
        if (!PlanUpdate(db, kModelD, source, std::nullopt, plan).ok ||
            ApplyUpdate(db, values, plan, {}) != editing::EditResult::Ok)
            state.SkipWithError("the update failed");
        lines = plan.lines.size();
    }
    state.counters["transponders"] = static_cast<double>(kSatellites * perSatellite);
    state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(BM_PlanAndApplyFullModelD)->Unit(benchmark::kMillisecond);

void BM_ReadEverySystemScanTable(benchmark::State& state) {
    std::vector<std::string> tables;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(kSystemScanTables, error))
        tables.push_back(entry.path().string());
    if (tables.empty())
        state.SkipWithError("dtv-scan-tables is not installed");
    for (auto _ : state)
        for (const std::string& table : tables) {
            Source source;
            if (!ReadSource(table, source).ok)
                state.SkipWithError("a scan table did not read");
            benchmark::DoNotOptimize(source.satellites.size());
        }
    state.counters["tables"] = static_cast<double>(tables.size());
}
BENCHMARK(BM_ReadEverySystemScanTable)->Unit(benchmark::kMillisecond);

} // namespace
