#include "chanforge/check/ImageDiff.h"

#include "chanforge/codec/ChannelFile.h"
#include "chanforge/codec/FlashImageCodec.h"
#include "utils/Files.h"
#include "utils/Translatable.h"

#include <algorithm>

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
    else
        diff.bytes = DiffImageBytes(first, second);
    return diff;
}

ByteDiff DiffImageBytes(std::span<const std::uint8_t> sent, std::span<const std::uint8_t> held) {
    const std::size_t header = codec::kChannelHeaderSize;
    const auto image = [header](std::span<const std::uint8_t> file) {
        return file.size() > header ? file.subspan(header) : std::span<const std::uint8_t>{};
    };
    const std::span<const std::uint8_t> a = image(sent), b = image(held);
    ByteDiff diff;
    const auto note = [&diff](std::size_t at) {
        ++diff.bytes;
        const auto block = static_cast<std::uint32_t>(at / ByteDiff::kBlockBytes);
        if (diff.blocks.empty() || diff.blocks.back() != block)
            diff.blocks.push_back(block);
    };
    for (std::size_t at = 0; at < a.size(); ++at)
        if (at >= b.size() || a[at] != b[at])
            note(at);
    return diff;
}

namespace {

utils::Phrase Say(const char* text, std::vector<utils::Phrase> args) {
    return utils::Phrase("Check", text, std::move(args));
}

/// "300", "2 and 300", "2, 10-14 and 300": runs of three blocks or more as ranges; past a few,
/// the rest as a count.
utils::Phrase BlockList(const std::vector<std::uint32_t>& blocks) {
    constexpr std::size_t kShownRuns = 8;
    std::vector<std::string> runs;
    std::size_t listed = 0;
    for (std::size_t i = 0; i < blocks.size() && runs.size() < kShownRuns;) {
        std::size_t j = i;
        while (j + 1 < blocks.size() && blocks[j + 1] == blocks[j] + 1)
            ++j;
        if (j < i + 2)
            j = i; // two blocks read better as two
        runs.push_back(std::to_string(blocks[i]) +
                       (j > i ? "-" + std::to_string(blocks[j]) : std::string()));
        listed = j + 1;
        i = j + 1;
    }
    const auto joined = [&runs](std::size_t count) {
        std::string text = runs.front();
        for (std::size_t i = 1; i < count; ++i)
            text += ", " + runs[i];
        return utils::Phrase::Verbatim(text);
    };
    if (listed < blocks.size())
        return Say(CF_TR_NOOP("Check", "%1 and %2 more"),
                   {joined(runs.size()), utils::Phrase::Number(blocks.size() - listed)});
    if (runs.size() == 1)
        return joined(1);
    return Say(CF_TR_NOOP("Check", "%1 and %2"),
               {joined(runs.size() - 1), utils::Phrase::Verbatim(runs.back())});
}

} // namespace

utils::Phrase HeldBytesPhrase(const ByteDiff& diff) {
    if (diff.empty())
        return {};
    const utils::Phrase blocks = BlockList(diff.blocks);
    if (diff.bytes == 1)
        return Say(CF_TR_NOOP("Check",
                              "The receiver holds 1 byte that differs from what was sent, in "
                              "block %1"),
                   {blocks});
    if (diff.blocks.size() == 1)
        return Say(CF_TR_NOOP("Check",
                              "The receiver holds %1 bytes that differ from what was sent, in "
                              "block %2"),
                   {utils::Phrase::Number(diff.bytes), blocks});
    return Say(
        CF_TR_NOOP("Check",
                   "The receiver holds %1 bytes that differ from what was sent, in blocks %2"),
        {utils::Phrase::Number(diff.bytes), blocks});
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
