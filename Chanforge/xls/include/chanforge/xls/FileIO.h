// Whole-file reading with a size limit, and replacing a file without ever leaving it half written.
#pragma once

#include "chanforge/xls/CompoundFile.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace xls {

/// Largest file we read into memory (a full channel sheet is about 30 MiB).
inline constexpr std::uint64_t kMaxFileBytes = std::uint64_t{512} << 20;

/// Reads the whole file; CannotOpen when it cannot be read, TooLarge beyond maxBytes.
CfbResult ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& out,
                        std::uint64_t maxBytes = kMaxFileBytes);

/// Writes bytes to a temporary file beside path and renames it over path once it is complete
/// and flushed. An existing file keeps its permissions; on failure it is left as it was and the
/// temporary file is removed. A read-only target is refused (CannotWrite).
CfbResult ReplaceFile(const std::string& path, std::span<const std::uint8_t> bytes);

} // namespace xls
