#include "chanforge/codec/FlashImageCodec.h"

#include "utils/Files.h"

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

CodecResult FlashImageCodec::Load(const std::string& path, Database db,
                                  const ContinueWithoutHeader& ask) const {
    std::vector<std::uint8_t> file;
    if (const utils::FileResult read = utils::ReadWholeFile(path, file); !read.ok())
        return {CodecStatus::CannotRead, read.message + ": " + path};
    return Load(file, db, ask);
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

CodecResult FlashImageCodec::Save(const std::string& path, bool versionFile, Database db) const {
    // Saving writes into a copy of the last image: the target must already exist.
    std::vector<std::uint8_t> file;
    if (const utils::FileResult read = utils::ReadWholeFile(path, file); !read.ok())
        return {CodecStatus::CannotRead, read.message + ": " + path};
    CodecResult result = Save(file, versionFile, db);
    if (!result.ok())
        return result;
    if (const utils::FileResult written = utils::ReplaceFile(path, file); !written.ok())
        return {CodecStatus::CannotWrite, written.message};
    return result;
}

} // namespace chanforge::codec
