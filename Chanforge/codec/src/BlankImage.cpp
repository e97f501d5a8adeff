#include "chanforge/codec/BlankImage.h"

#include "Blocks.h"
#include "tabstore/QoDB.h"

#include <algorithm>

namespace chanforge::codec {

namespace {

void Blank(std::vector<std::uint8_t>& image, std::uint64_t start, std::uint64_t length) {
    const std::uint64_t end = std::min<std::uint64_t>(start + length, image.size());
    if (start < end)
        std::fill(image.begin() + start, image.begin() + end, std::uint8_t{0});
}

} // namespace

CodecResult MakeBlankImage(const FlashLayout& layout, std::vector<std::uint8_t>& file) {
    if (std::string problem = layout.Problem(); !problem.empty())
        return {CodecStatus::BadLayout, problem};
    std::vector<std::uint8_t> image(layout.ImageSize(), 0xFF);
    using detail::Block;
    for (Block b :
         {Block::MMI, Block::Satellite, Block::Provider, Block::Transponder, Block::Channel}) {
        const detail::Area area = detail::AreaOf(layout, b);
        Blank(image, area.start, area.length);
    }
    if (layout.product.CombinedBlock()) {
        const detail::CombinedArea c = detail::CombinedAreaOf(layout);
        Blank(image, c.start, c.trailerAt + detail::kCombinedWriteTrailer);
    }
    std::vector<std::uint8_t> blank(kChannelHeaderSize + image.size(), 0);
    std::copy(image.begin(), image.end(), blank.begin() + kChannelHeaderSize);
    tabstore::CQoDB db;
    DocumentValues values;
    HeaderState header;
    const CodecResult result = FlashImageCodec(layout).Save(blank, false, {db, values, header});
    if (result.ok())
        file = std::move(blank);
    return result;
}

} // namespace chanforge::codec
