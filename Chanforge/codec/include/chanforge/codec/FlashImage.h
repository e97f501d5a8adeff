// The flash image codec: tables <-> the bytes of a receiver's flash image, as pure functions of
// (bytes, layout). The image starts at flash offset 0 (file headers are stripped by the caller).
#pragma once

#include "chanforge/Records.h"
#include "chanforge/codec/FlashLayout.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace tabstore {
class CQoDB;
}

namespace chanforge::codec {

enum class CodecStatus {
    Ok,
    BadLayout,     ///< the layout itself cannot be used (zero chunk, absurd sizes)
    ImageTooShort, ///< a block does not lie whole inside the image
    BadCounts,     ///< a sector claims more slots than it can hold (erased sectors are fine)
    TableTooLarge, ///< a table needs more room than its block has; nothing was changed
    NoHeader,      ///< the file has no channel-file header and decoding it bare was declined
};

struct [[nodiscard]] CodecResult {
    CodecStatus status = CodecStatus::Ok;
    std::string detail; ///< for the operator: which block or table, and its limit

    bool ok() const { return status == CodecStatus::Ok; }
};

/// Decodes the image into the tables (which the caller has cleared) and sets the load-time
/// document values. On failure the tables keep the rows decoded so far.
CodecResult DecodeImage(std::span<const std::uint8_t> image, const FlashLayout& layout,
                        tabstore::CQoDB& db, DocumentValues& values);

/// Writes the tables into the image in place. Bytes no table owns keep their values; the image
/// grows (zero-filled) when a block reaches past its end. On failure the image is unchanged.
CodecResult EncodeImage(std::vector<std::uint8_t>& image, const FlashLayout& layout,
                        tabstore::CQoDB& db, const DocumentValues& values);

/// The same for an image that starts at imageOffset of a scratch buffer, written without a
/// working copy: on failure the buffer is left half written, so callers throw it away.
CodecResult EncodeImageAt(std::vector<std::uint8_t>& buffer, std::size_t imageOffset,
                          const FlashLayout& layout, tabstore::CQoDB& db,
                          const DocumentValues& values);

} // namespace chanforge::codec
