// Record builders every test directory shares, so each test states only the fields it is about.
#pragma once

#include "chanforge/Records.h"
#include "tabstore/QoDB.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

namespace chanforge::testkit {

/// Fills a fixed name field: name cut to leave room for the NUL, the rest zero.
template <std::size_t N> void SetName(char (&field)[N], std::string_view name) {
    std::memset(field, 0, N);
    std::memcpy(field, name.data(), std::min(name.size(), N - 1));
}

/// A zero channel (padding included) with a name, ProgramNum, attribute bits and its transponder.
Channel_Info_Tag MakeChannel(std::string_view name, std::uint16_t number, std::uint16_t attributes,
                             std::uint8_t satId = 2, std::uint8_t tpId = 1);

/// Every row of every table as bytes, to compare whole databases (an undone step with none).
std::vector<std::vector<unsigned char>> StoreBytes(tabstore::CQoDB& db);

} // namespace chanforge::testkit
