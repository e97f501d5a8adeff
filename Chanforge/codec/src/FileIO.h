// Whole-file reads with a size limit, and writes that never leave a half-written target.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace chanforge::codec::detail {

/// No flash image comes near this; a larger file is refused rather than read into memory.
inline constexpr std::uint64_t kMaxFileSize = std::uint64_t{256} << 20;

/// why, when given, says what went wrong ("not a regular file" for a FIFO, device or folder,
/// which are refused before they are opened: opening a FIFO waits for a writer).
bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes, std::string* why = nullptr);
/// Writes to a temporary file beside path and renames it over path when complete.
bool WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes);

} // namespace chanforge::codec::detail
