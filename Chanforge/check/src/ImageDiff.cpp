#include "chanforge/check/ImageDiff.h"

#include "chanforge/codec/FlashImageCodec.h"

#include <fstream>
#include <iterator>

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

bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

} // namespace chanforge::check
