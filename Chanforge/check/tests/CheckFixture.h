// A small, clean database for the check and diff tests, on a satellite model (D) or a
// satellite-and-terrestrial one (B).
#pragma once

#include "chanforge/Records.h"
#include "chanforge/TableAccess.h"
#include "chanforge/codec/FlashLayout.h"
#include "tabstore/QoDB.h"

#include <cstdint>
#include <string>

namespace chanforge::check::test {

codec::FlashLayout Layout(const char* model);

/// Satellites 2 and 3, transponders (2,1) (2,2) (3,3), providers 1 and 2, favourite groups
/// 1..count, TV channels 1..3 and radio channels 1..2 on satellite 2; on a terrestrial model
/// also multiplex 23 with one TV channel (SatID 1), numbered 4.
struct Fixture {
    explicit Fixture(const char* model = "D");

    std::uint32_t Add(const Channel_Info_Tag& ch) { return AppendCopy(db, kChannelTable, ch); }
    std::uint32_t AddTransponder(std::uint8_t satId, std::uint8_t tpId, std::uint16_t mhz = 11700);
    Channel_Info_Tag& Channel(std::uint32_t row) {
        return *GetRow<Channel_Info_Tag>(db, kChannelTable, row);
    }
    /// Row of the first channel with that name.
    std::uint32_t Row(const std::string& name);

    tabstore::CQoDB db;
    DocumentValues values;
    codec::FlashLayout layout;
};

Channel_Info_Tag MakeChannel(const std::string& name, std::uint16_t number, bool tv,
                             std::uint8_t satId, std::uint8_t tpId, std::uint16_t sid);

} // namespace chanforge::check::test
