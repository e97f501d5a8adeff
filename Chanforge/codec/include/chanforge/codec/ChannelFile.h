// The two file forms of a flash image: the channel file ("QP  ", length word 80, an 80-byte
// info block, then the image) and the receiver's version file ("RIXA" version header of 64
// bytes with an image checksum at offset 61, then the image).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace chanforge::codec {

inline constexpr std::size_t kInfoBlockSize = 80;
inline constexpr std::size_t kChannelHeaderSize = 86;
inline constexpr std::size_t kVersionHeaderSize = 64;
inline constexpr std::size_t kVersionChecksumOffset = 61;
/// Where a version header sits inside the info block.
inline constexpr std::size_t kInfoVersionOffset = 16;

/// The header carried from one load to the next save.
struct HeaderState {
    std::array<std::uint8_t, kInfoBlockSize> info{}; ///< info block of the last good header
    bool versionFile = false; ///< info bytes 16..19 are "RIXA": save writes a version file
};

bool StartsWithChannelMagic(std::span<const std::uint8_t> file);
bool StartsWithVersionMagic(std::span<const std::uint8_t> file);

/// Reads the channel-file header; on success stores the info block and the version flag.
/// A false result leaves the state as it was.
[[nodiscard]] bool ReadChannelHeader(std::span<const std::uint8_t> file, HeaderState& state);
/// Puts "QP  ", 80 and the held info block at the start of file (growing it if needed).
void WriteChannelHeader(std::vector<std::uint8_t>& file, const HeaderState& state);

/// The work file made from an opened file: a channel file is copied, a version file gets a
/// channel header with its version header inside the info block, anything else the held header.
std::vector<std::uint8_t> ToWorkFile(std::span<const std::uint8_t> opened,
                                     const HeaderState& state);
/// The file a save starts from: the work file, or with the version flag the held version header
/// followed by the work file's image.
std::vector<std::uint8_t> ToSavedFile(std::span<const std::uint8_t> work, const HeaderState& state);

/// CRC-16/XMODEM: polynomial 0x1021, initial 0, no reflection, no final XOR.
std::uint16_t Crc16Xmodem(std::span<const std::uint8_t> data);
/// The version-file checksum: CRC over the image zero-padded to a multiple of 1024 bytes.
std::uint16_t VersionImageChecksum(std::span<const std::uint8_t> versionFile);
/// Stores the checksum little-endian at offset 61 (the file must hold the version header).
void StampVersionChecksum(std::vector<std::uint8_t>& versionFile);

} // namespace chanforge::codec
