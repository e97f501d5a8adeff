#include "chanforge/codec/FlashImageCodec.h"

namespace chanforge::codec {

CodecResult FlashImageCodec::Load(std::span<const std::uint8_t> file, Database db,
                                  const ContinueWithoutHeader& ask) const {
    std::size_t headerLength = kChannelHeaderSize;
    if (!ReadChannelHeader(file, db.header)) {
        if (!ask || !ask())
            return {CodecStatus::NoHeader, "the file has no channel-file header"};
        headerLength = 0;
    }
    return DecodeImage(file.subspan(headerLength), layout_, db.db, db.values);
}

CodecResult FlashImageCodec::Save(std::vector<std::uint8_t>& file, bool versionFile,
                                  Database db) const {
    const std::size_t headerLength = versionFile ? kVersionHeaderSize : kChannelHeaderSize;
    CodecResult result = EncodeImageAt(file, headerLength, layout_, db.db, db.values);
    if (!result.ok())
        return result;
    if (!versionFile)
        WriteChannelHeader(file, db.header);
    return result;
}

} // namespace chanforge::codec
