// What changes between a kept channel file and the open tables, or between two channel files:
// the summary before a send and the read-back comparison after one.
#pragma once

#include "chanforge/check/Diff.h"
#include "chanforge/codec/FlashLayout.h"
#include "tabstore/QoDB.h"
#include "utils/Phrase.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace chanforge::check {

/// Image bytes (after the channel-file header) where a second image differs from the first.
struct ByteDiff {
    static constexpr std::size_t kBlockBytes = 1024; ///< the receivers' blocks

    std::uint64_t bytes = 0;
    std::vector<std::uint32_t> blocks; ///< blocks of the image holding them, ascending
    bool empty() const { return bytes == 0; }
};

struct ImageDiff {
    bool ok = false;      ///< every side decoded
    bool readable = true; ///< false: the file could not be read at all
    std::string detail;   ///< which side did not read or decode, and why
    Changes changes;
    ByteDiff bytes; ///< between two images: also where the tables see no change
};

/// Where the image of the channel file held differs from the one of sent, byte for byte: the
/// headers are not compared (a receive writes its own), nor what held keeps beyond the sent
/// image; what it lacks of it differs.
ByteDiff DiffImageBytes(std::span<const std::uint8_t> sent, std::span<const std::uint8_t> held);
/// "The receiver holds 1 byte that differs from what was sent, in block 300"; nothing when
/// diff is empty.
utils::Phrase HeldBytesPhrase(const ByteDiff& diff);

/// Changes from the channel file's tables to db's.
ImageDiff DiffImageToStore(std::span<const std::uint8_t> channelFile, tabstore::CQoDB& db,
                           const codec::FlashLayout& layout);
/// Changes from the first channel file's tables to the second's, and the bytes that differ.
ImageDiff DiffImages(std::span<const std::uint8_t> first, std::span<const std::uint8_t> second,
                     const codec::FlashLayout& layout);
/// Changes from the channel file at path to db's. What is not a regular file (a FIFO, a
/// device) is refused at once, never waited on.
ImageDiff DiffFileToStore(const std::string& path, tabstore::CQoDB& db,
                          const codec::FlashLayout& layout);
/// Changes from the channel file at first to the one at second, read the same way.
ImageDiff DiffFiles(const std::string& first, const std::string& second,
                    const codec::FlashLayout& layout);

} // namespace chanforge::check
