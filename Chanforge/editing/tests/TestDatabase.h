// Builds small channel databases for the editing tests.
#pragma once

#include "chanforge/Records.h"
#include "chanforge/TableAccess.h"
#include "chanforge/editing/Product.h"
#include "tabstore/QoDB.h"

#include <cstdint>
#include <string>
#include <vector>

namespace chanforge::editing::test {

inline constexpr Product kSatelliteProduct{7, 1}; // one tuner, no favourite positions
inline constexpr Product kTwoTunerProduct{3, 9};
inline constexpr Product kCombinationProduct{8, 3};
inline constexpr Product kCombinationFav32{64, 43}; // keeps favourite positions
inline constexpr Product kTerrestrialProduct{5, 2 | 16};
inline constexpr Product kCableProduct{9, 4};

Channel_Info_Tag MakeChannel(const std::string& name, std::uint16_t number, bool tv,
                             std::uint8_t satId = 2, std::uint8_t tpid = 1);

std::uint32_t AddChannel(tabstore::CQoDB& db, const Channel_Info_Tag& ch);
std::uint32_t AddSatellite(tabstore::CQoDB& db, std::uint8_t satId, const std::string& name,
                           std::uint16_t degree = 192);
std::uint32_t AddTransponder(tabstore::CQoDB& db, std::uint8_t satId, std::uint8_t tpid,
                             std::uint16_t frequency = 11700);
std::uint32_t AddProvider(tabstore::CQoDB& db, std::uint16_t id, const std::string& name);
std::uint32_t AddFavorite(tabstore::CQoDB& db, const std::string& name);
std::uint32_t AddCableMux(tabstore::CQoDB& db, std::uint8_t muxId, std::uint32_t kHz);
std::uint32_t AddTerrestrialMux(tabstore::CQoDB& db, std::uint8_t tpid);

const Channel_Info_Tag& ChannelAt(tabstore::CQoDB& db, std::uint32_t key);
/// Key of the first channel with that name, 0 when there is none.
std::uint32_t KeyOf(tabstore::CQoDB& db, const std::string& name);
/// Channel names in the given key order.
std::vector<std::string> Names(tabstore::CQoDB& db, const std::vector<std::uint32_t>& keys);
/// "name=number" for every channel of one class in table order, to compare numberings.
std::vector<std::string> Numbering(tabstore::CQoDB& db, bool tv);

/// TV channels "T1".."Tn" numbered 1..n and radio channels "R1".."Rm" numbered 1..m.
void FillNumbered(tabstore::CQoDB& db, int tv, int radio);

} // namespace chanforge::editing::test
