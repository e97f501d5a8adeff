// Builds a small but realistic channel database in a document, for the window tests,
// screenshots and benchmarks.
#pragma once

#include "chanforge/document/Document.h"

#include <string>

namespace chanforge::testkit {

/// Satellites, transponders, providers, eight favourite groups and channels; on products with
/// a terrestrial tuner also the terrestrial side. channels: how many TV channels (radio: a third).
void Populate(document::Document& document, const policy::ProductKind& product, int channels);

/// Selects the preset's policy (grid column as given) and writes a populated channel file of it
/// to path. Returns the file's channel count, -1 when a step failed.
int WriteSampleFile(const char* preset, int gridColumn, const std::string& path, int channels);

/// The first channel with that name, null when there is none.
Channel_Info_Tag* ChannelNamed(tabstore::CQoDB& db, const char* name);

} // namespace chanforge::testkit
