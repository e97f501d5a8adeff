#include "policy/MuxRaster.h"

#include "policy/Policy.h"
#include "utils/Registry.h"

#include <array>
#include <cstdio>

namespace policy {

namespace {

constexpr RasterRun End{kRasterEnd, 0, 0, 0, 2147483647u, 255};

constexpr std::array<RasterRun, 7> kAustralia{{{0, 0, 0x06, 2, 177500, 7},
                                               {2, 0, 0x08, 1, 191625, 7},
                                               {3, 0, 0x09, 1, 198500, 7},
                                               {4, 1, 0x9A, 1, 205500, 7},
                                               {5, 0, 0x0A, 3, 212500, 7},
                                               {8, 0, 0x1C, 42, 529500, 7},
                                               End}};
constexpr std::array<RasterRun, 2> kUK{{{0, 0, 0x15, 49, 474000, 8}, End}};
constexpr std::array<RasterRun, 3> kGerman{
    {{0, 0, 0x05, 8, 177500, 7}, {8, 0, 0x15, 49, 474000, 8}, End}};
constexpr std::array<RasterRun, 4> kLatvia{
    {{0, 2, 0x06, 7, 178000, 8}, {7, 3, 0x13, 22, 298000, 8}, {29, 4, 0x15, 49, 474000, 8}, End}};
constexpr std::array<RasterRun, 2> kCanada{{{0, 0, 0x26, 32, 617000, 6}, End}};
constexpr std::array<RasterRun, 8> kItaly{{{0, 6, 0x44, 1, 177500, 7},
                                           {1, 6, 0x45, 1, 186000, 7},
                                           {2, 6, 0x46, 1, 194500, 7},
                                           {3, 6, 0x47, 1, 203500, 7},
                                           {4, 6, 0x48, 1, 212500, 7},
                                           {5, 7, 0x48, 2, 219500, 7},
                                           {7, 0, 0x15, 49, 474000, 8},
                                           End}};
constexpr std::array<RasterRun, 5> kGermanySB{{{0, 2, 0x05, 8, 177500, 7},
                                               {8, 3, 0x0B, 10, 233500, 7},
                                               {18, 3, 0x15, 20, 306000, 8},
                                               {38, 4, 0x15, 49, 474000, 8},
                                               End}};
constexpr std::array<RasterRun, 5> kIcelandSB{{{0, 2, 0x05, 8, 177500, 7},
                                               {8, 3, 0x0B, 10, 234000, 8},
                                               {18, 3, 0x15, 20, 306000, 8},
                                               {38, 4, 0x15, 49, 474000, 8},
                                               End}};
constexpr std::array<RasterRun, 3> kNTSC{
    {{0, 0, 0x07, 7, 177000, 6}, {7, 0, 0x0E, 68, 473000, 6}, End}};

const std::array<CountryRaster, 9> kCountries{{
    {"Austalia", kAustralia},
    {"UK", kUK},
    {"German", kGerman},
    {"Latvia", kLatvia},
    {"Canada", kCanada},
    {"Italy", kItaly},
    {"Germ-SB", kGermanySB},
    {"ICEL-SB", kIcelandSB},
    {"NTSC", kNTSC},
}};

constexpr std::uint32_t kDefaultCountry = 2;

/// The run that holds channelIndex: the last run whose start index does not exceed it.
const RasterRun& RunFor(std::span<const RasterRun> runs, std::uint8_t channelIndex) {
    for (std::size_t i = 0; i < runs.size(); ++i) {
        if (channelIndex == runs[i].startIndex)
            return runs[i];
        if (channelIndex < runs[i].startIndex && i > 0)
            return runs[i - 1];
    }
    return runs.back();
}

} // namespace

std::span<const CountryRaster> CountryRasters() {
    return kCountries;
}

int CurrentMuxCountry() {
    std::uint32_t country = kDefaultCountry;
    GetRegistry(kChanforgeKey, "MUX Supported Country", &country, kDefaultCountry);
    return static_cast<int>(country);
}

int MuxFrequencyIn(int country, std::uint8_t channelIndex, int offsetStep) {
    if (country < 0 || country >= static_cast<int>(kCountries.size()))
        return 0;
    const RasterRun& run = RunFor(kCountries[static_cast<std::size_t>(country)].runs, channelIndex);
    const std::int64_t offset = std::int64_t{offsetStep - 1} * (run.rasterMHz == 8 ? 166 : 125);
    const std::int64_t kHz =
        std::int64_t{run.rasterMHz} * 1000 * (channelIndex - run.startIndex) + run.baseKHz + offset;
    return static_cast<int>(kHz);
}

} // namespace policy

extern "C" {

int GetMuxFrequency(std::uint8_t channelIndex, int offsetStep) {
    return policy::MuxFrequencyIn(policy::CurrentMuxCountry(), channelIndex, offsetStep);
}

void GetMuxName(int value, char* buffer) {
    if (buffer == nullptr)
        return;
    std::snprintf(buffer, 3, "%X", static_cast<unsigned>(value) & 0xFFu);
}

} // extern "C"
