// Builds a small but realistic channel database in a document, for the window tests,
// screenshots and benchmarks.
#pragma once

#include "chanforge/codec/Document.h"

namespace chanforge::app::test {

/// Satellites, transponders, providers, eight favourite groups and channels; on products with
/// a terrestrial tuner also the terrestrial side. channels: how many TV channels (radio: a third).
void Populate(codec::Document& document, int productType, int channels);

} // namespace chanforge::app::test
