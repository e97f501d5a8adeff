// Whether a decoded record could be what a receiver stores: the values a tuner can use and names
// of text. A wrong layout reads slots across record borders, which these catch.
#pragma once

#include "chanforge/Records.h"

#include <cstddef>

namespace chanforge::check {

/// Text a receiver shows: no control byte but a leading code-table selector, no run of erased
/// flash (0xFF 0xFF).
bool NameMakesSense(const char* name, std::size_t size);
bool SatelliteMakesSense(const Satellite_Info_Tag& satellite, bool twoTuners);
/// A satellite carrier: its frequency in a band an LNB serves, a symbol rate a tuner locks to.
bool TransponderMakesSense(const Transponder_Info_Tag& transponder);
bool ChannelMakesSense(const Channel_Info_Tag& channel);

} // namespace chanforge::check
