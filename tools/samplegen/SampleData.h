// Publicly known satellites, transponders, multiplexes and free-to-air services from which the
// sample databases are built.
#pragma once

#include <cstdint>
#include <span>

namespace samplegen {

struct SampleSatellite {
    const char* name;
    std::uint16_t degree; ///< tenths of a degree, above 1800 West
    std::uint8_t satId;
};

struct SampleTransponder {
    std::uint8_t satId;
    std::uint8_t tpId;
    std::uint16_t mhz;
    bool horizontal;
    std::uint16_t symbolRate;
    std::uint16_t tsid;
};

struct SampleService {
    const char* name;
    std::uint8_t tpId; ///< transponder, or the multiplex's RF channel number for terrestrial
    std::uint16_t sid;
    std::uint16_t vpid; ///< 0 for radio
    std::uint16_t apid;
    std::uint16_t provider;
    bool terrestrial;
};

struct SampleProvider {
    std::uint16_t id;
    const char* name;
};

struct SampleMultiplex {
    std::uint8_t rfChannel; ///< 1-based index into the German raster (21 = UHF 21 is index 9)
    std::uint8_t label;
};

std::span<const SampleSatellite> Satellites();
std::span<const SampleTransponder> Transponders();
std::span<const SampleService> Services();
std::span<const SampleProvider> Providers();
std::span<const SampleMultiplex> Multiplexes();
std::span<const char* const> FavoriteGroups();

} // namespace samplegen
