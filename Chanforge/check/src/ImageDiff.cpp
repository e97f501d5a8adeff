#include "chanforge/check/ImageDiff.h"

#include "chanforge/codec/FlashImageCodec.h"
#include "utils/Files.h"

namespace chanforge::check {

namespace {

/// Decodes a channel file into db; an empty string on success, else why not.
std::string Decode(std::span<const std::uint8_t> channelFile, const codec::FlashLayout& layout,
                   tabstore::CQoDB& db) {
    DocumentValues values;
    codec::HeaderState header;
    // A kept or received image always carries its header: a bare one is not ours.
    const codec::CodecResult result = codec::FlashImageCodec(layout).Load(
        channelFile, codec::Database{db, values, header}, [] { return false; });
    if (result.ok())
        return {};
    return result.detail.empty() ? "not a channel file of this model" : result.detail;
}

} // namespace

ImageDiff DiffImageToStore(std::span<const std::uint8_t> channelFile, tabstore::CQoDB& db,
                           const codec::FlashLayout& layout) {
    ImageDiff diff;
    tabstore::CQoDB kept;
    diff.detail = Decode(channelFile, layout, kept);
    diff.ok = diff.detail.empty();
    if (diff.ok)
        diff.changes = DiffStores(kept, db, layout);
    return diff;
}

ImageDiff DiffImages(std::span<const std::uint8_t> first, std::span<const std::uint8_t> second,
                     const codec::FlashLayout& layout) {
    ImageDiff diff;
    tabstore::CQoDB b;
    const std::string detail = Decode(second, layout, b);
    if (!detail.empty()) {
        diff.detail = "second image: " + detail;
        return diff;
    }
    diff = DiffImageToStore(first, b, layout);
    if (!diff.ok)
        diff.detail = "first image: " + diff.detail;
    return diff;
}

namespace {

/// The file's bytes; false with diff saying why when it cannot be read.
bool ReadSide(const std::string& path, std::vector<std::uint8_t>& image, ImageDiff& diff) {
    const utils::FileResult read = utils::ReadWholeFile(path, image);
    if (!read.ok()) {
        diff.readable = false;
        diff.detail = read.message + ": " + path;
    }
    return read.ok();
}

} // namespace

ImageDiff DiffFileToStore(const std::string& path, tabstore::CQoDB& db,
                          const codec::FlashLayout& layout) {
    ImageDiff diff;
    std::vector<std::uint8_t> image;
    return ReadSide(path, image, diff) ? DiffImageToStore(image, db, layout) : diff;
}

ImageDiff DiffFiles(const std::string& first, const std::string& second,
                    const codec::FlashLayout& layout) {
    ImageDiff diff;
    std::vector<std::uint8_t> a, b;
    return ReadSide(first, a, diff) && ReadSide(second, b, diff) ? DiffImages(a, b, layout) : diff;
}

} // namespace chanforge::check
