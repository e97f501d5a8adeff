// The lines of the description dialog's pages, as plain text in the operator's language (UTF-8;
// record names read as Latin-1, as every view shows them).
#pragma once

#include "chanforge/Records.h"
#include "policy/ProductKind.h"

#include <string>
#include <vector>

namespace qpui {

using Lines = std::vector<std::string>;

/// Satellite page: name and degree, then the tuner lines (twice on two-tuner products).
Lines SatelliteLines(const chanforge::Satellite_Info_Tag& sat, const policy::ProductKind& product);
Lines TransponderLines(const chanforge::Transponder_Info_Tag& tp,
                       const policy::ProductKind& product);
/// A transponder row read as a terrestrial multiplex.
Lines MuxLines(const chanforge::Transponder_Info_Tag& tp);
/// tunerStored: the model's channel slots keep the channel's tuner choice.
Lines ChannelLines(const chanforge::Channel_Info_Tag& ch, const policy::ProductKind& product,
                   bool tunerStored);
Lines ProviderLines(const chanforge::Broadcast_Info_Tag& provider);

/// Names the satellite editors and the description share, translated.
std::string LNBLowName(int type);
std::string LNBHighName(int index);
std::string CKuSwitchName(int index, const policy::ProductKind& product);
std::string DiSEqCName(int index);
std::string ToneBurstName(int switches);

} // namespace qpui
