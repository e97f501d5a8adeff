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
    bool ok = false;    ///< every side decoded
    std::string detail; ///< which side did not decode, and why
    Changes changes;
};

/// Changes from the channel file's tables to db's.
ImageDiff DiffImageToStore(std::span<const std::uint8_t> channelFile, tabstore::CQoDB& db,
                           const codec::FlashLayout& layout);
/// Changes from the first channel file's tables to the second's.
ImageDiff DiffImages(std::span<const std::uint8_t> first, std::span<const std::uint8_t> second,
                     const codec::FlashLayout& layout);
/// A whole file; false when it cannot be read.
bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes);

} // namespace chanforge::check
