// The shared-string table (SST): read from a record and its CONTINUE records, written split at
// string boundaries.
#pragma once

#include "chanforge/xls/Worksheet.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace chanforge::xls::sst {

/// Where one shared string lives in the pool.
struct Ref {
    CellKind kind; ///< Text for a compressed string, WideText otherwise
    std::uint32_t index;
};

/// Reads the strings of an SST body followed by its CONTINUE bodies into pool. False when a
/// string runs past the records; a table that holds fewer strings than it claims ends early.
bool Read(const std::vector<std::span<const std::uint8_t>>& bodies, TextPool& pool,
          std::vector<Ref>& out);

/// One string of a LABEL or STRING record (count, option byte, characters), which may run on into
/// CONTINUE bodies. wide: stored wide, or holding a character beyond 8 bits. False when it runs
/// past them.
bool ReadString(const std::vector<std::span<const std::uint8_t>>& bodies, std::u16string& chars,
                bool& wide);

/// Appends the SST record (and CONTINUE records as needed) for the strings.
void Write(std::vector<std::uint8_t>& out, std::uint32_t totalUses, const std::vector<Ref>& strings,
           const TextPool& pool);

} // namespace chanforge::xls::sst
