// An empty database for a model: the flash erased (0xFF) outside the blocks, the blocks blank.
#include "Blocks.h"
#include "FileIO.h"
#include "chanforge/codec/Document.h"
#include "chanforge/codec/FlashImageCodec.h"

#include <algorithm>

namespace chanforge::codec {

namespace {

void Blank(std::vector<std::uint8_t>& image, std::uint64_t start, std::uint64_t length) {
    const std::uint64_t end = std::min<std::uint64_t>(start + length, image.size());
    if (start < end) std::fill(image.begin() + start, image.begin() + end, std::uint8_t{0});
}

} // namespace

DocResult WriteBlankImage(const FlashLayout& layout, const std::string& path) {
    if (std::string problem = layout.Problem(); !problem.empty())
        return {DocStatus::SaveFailed, kSaveFailedMessage, problem};
    std::vector<std::uint8_t> image(layout.ImageSize(), 0xFF);
    using detail::Block;
    for (Block b : {Block::MMI, Block::Satellite, Block::Provider, Block::Transponder,
                    Block::Channel}) {
        const detail::Area area = detail::AreaOf(layout, b);
        Blank(image, area.start, area.length);
    }
    if (layout.IsCombined()) {
        const detail::CombinedArea c = detail::CombinedAreaOf(layout);
        Blank(image, c.start, c.trailerAt + detail::kCombinedWriteTrailer);
    }
    std::vector<std::uint8_t> file(kChannelHeaderSize + image.size(), 0);
    std::copy(image.begin(), image.end(), file.begin() + kChannelHeaderSize);
    tabstore::CQoDB db;
    DocumentValues values;
    HeaderState header;
    const CodecResult result = FlashImageCodec(layout).Save(file, false, {db, values, header});
    if (!result.ok()) return {DocStatus::SaveFailed, kSaveFailedMessage, result.detail};
    if (!detail::WriteFileAtomically(path, file))
        return {DocStatus::SaveFailed, kSaveFailedMessage, "cannot write " + path};
    return {};
}

} // namespace chanforge::codec
