// What changes between a kept channel file and the open tables, or between two channel files:
// the summary before a send and the read-back comparison after one.
#pragma once

#include "chanforge/check/Diff.h"
#include "chanforge/codec/FlashLayout.h"
#include "tabstore/QoDB.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace chanforge::check {

struct ImageDiff {
    bool ok = false;      ///< every side decoded
    bool readable = true; ///< false: the file could not be read at all
    std::string detail;   ///< which side did not read or decode, and why
    Changes changes;
};

/// Changes from the channel file's tables to db's.
ImageDiff DiffImageToStore(std::span<const std::uint8_t> channelFile, tabstore::CQoDB& db,
                           const codec::FlashLayout& layout);
/// Changes from the first channel file's tables to the second's.
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
