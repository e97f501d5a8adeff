// Display names of conditional-access systems, FEC rates, genres and tuners.
// Destination buffers are caller-owned; kNameBufferSize bytes always suffice for one name.
#pragma once

#include <cstdint>

inline constexpr int kNameBufferSize = 128;

extern "C" {
/// Appends the names of the set CA bits (lowest first) separated by separator; "None" if the
/// destination is still empty afterwards. The destination needs room for all names (1 KiB).
void GetCASName(std::uint32_t mask, const char* separator, char* destination);
void GetFECName(std::uint8_t system, std::uint8_t modulation, std::uint8_t fecCode,
                char* destination);
void GetGenreName(std::uint16_t genre, char* destination);
void GetTunerName(std::uint8_t tuner, char* destination);
}

/// The genre's catalogue text (context "Genres"); an index above 15 gives "None".
const char* GenreName(std::uint16_t genre);
