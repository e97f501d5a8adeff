// Texts the lists, editors and description pages show for delivery records: orbital
// positions, frequencies and the fields of a terrestrial multiplex.
#pragma once

#include "chanforge/Records.h"
#include "policy/ProductKind.h"

#include <cstdint>
#include <string>

namespace chanforge::editing {

/// "19.2E" / "30.0W": tenths of a degree, above 1800 counted westwards; "?(3601)" past 3600,
/// which names no position. Every orbital position shown anywhere goes through here.
std::string DegreeText(std::uint16_t degree);
/// A terrestrial multiplex kept in the transponder table, read in its own arrangement.
SMux_Info_Tag MuxFromTransponder(const Transponder_Info_Tag& tp);
/// Carrier of a terrestrial multiplex in kHz, from the policy's country raster.
int MuxFrequency(const SMux_Info_Tag& mux);
/// GetMuxName of the multiplex name index.
std::string MuxName(const SMux_Info_Tag& mux);
/// "%03d.%d" of the carrier in MHz and the kHz remainder.
std::string MuxFrequencyText(const SMux_Info_Tag& mux);
std::string TxModeText(std::uint32_t muxParams);        ///< "2K", "8K" or ""
std::string CodeRateText(std::uint32_t muxParams);      ///< "1/2" .. "7/8" or "--"
std::string ConstellationText(std::uint32_t muxParams); ///< "QPSK", "16QAM", "64QAM" or "--"
std::string GuardText(std::uint32_t muxParams);         ///< "1/32" .. "1/4" or "--"
std::string PriorityText(std::uint32_t muxParams);      ///< "Auto", "High", "Low" or "--"
/// "%03d.%03d MHz" of a cable carrier given in kHz.
std::string CableFrequencyText(std::uint32_t kHz);
/// "16 QAM" .. "256 QAM" for codes 1..5, else "--".
std::string QamText(int code);
/// Digits grouped by thousands ("12,345").
std::string Grouped(unsigned value);
/// The FEC name of a transponder; transmission system and modulation count on lists 7 and 8.
std::string FECText(const Transponder_Info_Tag& tp, const policy::ProductKind& product);

} // namespace chanforge::editing
