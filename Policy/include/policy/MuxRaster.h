// The terrestrial channel raster of the supported countries.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace policy {

/// One run of equally spaced RF channels. A row of runs ends with start index 255.
struct RasterRun {
    std::uint8_t startIndex; ///< 0-based index of the run's first channel in the country row
    std::uint8_t bandCode;
    std::uint8_t firstChannel; ///< channel number, or letter / 0x9A code of lettered channels
    std::uint8_t channelCount;
    std::uint32_t baseKHz; ///< frequency of the first channel
    std::uint8_t rasterMHz;
};

struct CountryRaster {
    std::string_view name;
    std::span<const RasterRun> runs; ///< including the terminating run
};

inline constexpr std::uint8_t kRasterEnd = 255;

/// The nine rows selectable by "MUX Supported Country".
std::span<const CountryRaster> CountryRasters();

/// The row "MUX Supported Country" selects now.
int CurrentMuxCountry();

/// kHz of channel channelIndex in row country; 0 for a row that does not exist.
int MuxFrequencyIn(int country, std::uint8_t channelIndex, int offsetStep);

} // namespace policy
