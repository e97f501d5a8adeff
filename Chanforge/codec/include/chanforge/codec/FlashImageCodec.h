// Load and save of a channel file's bytes (or the work file's) with the layout of one receiver
// model: the header layer around the pure image codec. Callers read and write the files.
#pragma once

#include "chanforge/Records.h"
#include "chanforge/codec/ChannelFile.h"
#include "chanforge/codec/FlashImage.h"
#include "chanforge/codec/FlashLayout.h"

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

namespace tabstore {
class CQoDB;
}

namespace chanforge::codec {

/// Asked when the file has no channel-file header: true decodes it as a bare image.
using ContinueWithoutHeader = std::function<bool()>;

/// The tables and values a load fills and a save writes.
struct Database {
    tabstore::CQoDB& db;
    DocumentValues& values;
    HeaderState& header;
};

class FlashImageCodec {
  public:
    explicit FlashImageCodec(FlashLayout layout) : layout_(std::move(layout)) {}

    /// Decodes a channel file (header read into db.header) or, when allowed, a bare image into
    /// the tables, which the caller has cleared.
    CodecResult Load(std::span<const std::uint8_t> file, Database db,
                     const ContinueWithoutHeader& ask) const;

    /// Writes the tables into a file image that already holds the header: a channel file gets
    /// the held channel header written, a version file (header length 64) keeps its own.
    /// The file is written in place: after a failure its bytes are unspecified (discard it).
    CodecResult Save(std::vector<std::uint8_t>& file, bool versionFile, Database db) const;

    const FlashLayout& Layout() const { return layout_; }

  private:
    FlashLayout layout_;
};

} // namespace chanforge::codec
