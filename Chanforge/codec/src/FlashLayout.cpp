#include "chanforge/codec/FlashLayout.h"

#include "Blocks.h"
#include "policy/Policy.h"
#include "policy/Presets.h"

#include <algorithm>

namespace chanforge::codec {

namespace {

// Limits that keep every offset computation far from overflow and every loop short.
constexpr std::uint32_t kMinSector = 64;
constexpr std::uint32_t kMaxSector = 1u << 20;
constexpr std::uint32_t kMaxStart = 1u << 30;
constexpr std::uint32_t kMaxCount = 1u << 16;
constexpr std::uint32_t kMaxNameLength = 255;
constexpr std::uint64_t kMaxImage = std::uint64_t{256} << 20;

BlockSpan ReadBlock(int (*get)(std::uint32_t*, std::uint32_t*, std::uint32_t*)) {
    BlockSpan b;
    get(&b.start, &b.count, &b.chunk);
    return b;
}

BlockSpan FromBlockInfo(const policy::BlockInfo& b) {
    return {static_cast<std::uint32_t>(b.start), static_cast<std::uint32_t>(b.count),
            static_cast<std::uint32_t>(b.chunk)};
}

bool UsesSatellites(const FlashLayout& l) {
    return !l.product.CombinedBlock() && l.product.Satellite();
}
bool UsesTransponderBlock(const FlashLayout& l) {
    return l.product.CombinedBlock() || l.product.Satellite() || l.product.Cable() ||
           l.product.TransponderBlockHoldsMultiplexes();
}

std::string CheckBlock(const char* name, const BlockSpan& b, std::uint32_t sectorSize) {
    if (b.start > kMaxStart || b.count > kMaxCount)
        return std::string("the ") + name + " block lies outside any flash image";
    if (b.chunk == 0 || b.chunk > sectorSize)
        return std::string("the ") + name + " block has a slot size that does not fit a sector";
    return {};
}

} // namespace

FlashLayout FlashLayout::FromPolicy() {
    FlashLayout l;
    l.product = policy::ProductKind::Current();
    l.sectorSize = static_cast<std::uint32_t>(GetFlashOneSectorSize());
    l.bigEndian = GetFlashByteOrder() != 0;
    GetFlashMMIBlockInfo(&l.mmi.start, &l.mmi.count, &l.mmi.chunk, &l.favoriteCount);
    l.sat = ReadBlock(&GetFlashSatBlockInfo);
    l.brd = ReadBlock(&GetFlashBrdBlockInfo);
    l.tp = ReadBlock(&GetFlashTPBlockInfo);
    GetFlashCHBlockInfo(&l.ch.start, &l.ch.count, &l.ch.chunk, &l.nameLength);
    l.maxMuxCount = static_cast<std::uint32_t>(GetFlashMaxMuxCount());
    return l;
}

FlashLayout FlashLayout::FromPreset(const policy::ProductPreset& p) {
    FlashLayout l;
    l.product = p.Kind();
    l.bigEndian = p.byteOrder != 0;
    l.mmi = FromBlockInfo(p.mmi);
    l.favoriteCount = static_cast<std::uint32_t>(p.favorites);
    l.sat = FromBlockInfo(p.sat);
    l.brd = FromBlockInfo(p.brd);
    l.tp = FromBlockInfo(p.tp);
    l.ch = FromBlockInfo(p.ch);
    l.nameLength = static_cast<std::uint32_t>(p.nameLength);
    return l;
}

std::string FlashLayout::Problem() const {
    if (sectorSize < kMinSector || sectorSize > kMaxSector)
        return "the flash sector size " + std::to_string(sectorSize) + " is not usable";
    if (nameLength == 0 || nameLength > kMaxNameLength)
        return "the channel name length " + std::to_string(nameLength) + " is not usable";
    std::string problem = CheckBlock("favourite", mmi, sectorSize);
    if (problem.empty() && UsesSatellites(*this))
        problem = CheckBlock("satellite", sat, sectorSize);
    if (problem.empty())
        problem = CheckBlock("provider", brd, sectorSize);
    if (problem.empty() && UsesTransponderBlock(*this))
        problem = CheckBlock("transponder", tp, sectorSize);
    if (problem.empty())
        problem = CheckBlock("channel", ch, sectorSize);
    if (problem.empty() && ImageSize() > kMaxImage)
        problem =
            "the flash image would be larger than " + std::to_string(kMaxImage >> 20) + " MiB";
    return problem;
}

std::uint64_t FlashLayout::ImageSize() const {
    using detail::Block;
    std::uint64_t end = 0;
    auto reach = [&end](std::uint64_t start, std::uint64_t length) {
        end = std::max(end, start + length);
    };
    const detail::Area mmiArea = detail::AreaOf(*this, Block::MMI);
    reach(mmiArea.start, mmiArea.length);
    if (product.CombinedBlock()) {
        const detail::CombinedArea c = detail::CombinedAreaOf(*this);
        reach(c.start + c.trailerAt, detail::kCombinedWriteTrailer);
        return end;
    }
    for (Block b : {Block::Satellite, Block::Provider, Block::Transponder, Block::Channel}) {
        const detail::Area a = detail::AreaOf(*this, b);
        reach(a.start, a.length);
    }
    return end;
}

namespace detail {

namespace {

const BlockSpan& SpanOf(const FlashLayout& l, Block b) {
    switch (b) {
    case Block::MMI:
        return l.mmi;
    case Block::Satellite:
        return l.sat;
    case Block::Provider:
        return l.brd;
    case Block::Transponder:
        return l.tp;
    case Block::Channel:
        break;
    }
    return l.ch;
}

bool Uses(const FlashLayout& l, Block b) {
    switch (b) {
    case Block::MMI:
        return true;
    case Block::Satellite:
        return UsesSatellites(l);
    case Block::Provider:
        return !l.product.CombinedBlock();
    case Block::Transponder:
        return UsesTransponderBlock(l);
    case Block::Channel:
        break;
    }
    return !l.product.CombinedBlock();
}

} // namespace

Area AreaOf(const FlashLayout& layout, Block block) {
    const BlockSpan& span = SpanOf(layout, block);
    Area a;
    a.start = span.start;
    std::uint64_t length = std::uint64_t{span.count} * layout.sectorSize;
    for (Block other :
         {Block::MMI, Block::Satellite, Block::Provider, Block::Transponder, Block::Channel}) {
        if (other == block || !Uses(layout, other))
            continue;
        const std::uint64_t otherStart = SpanOf(layout, other).start;
        if (otherStart > a.start)
            length = std::min(length, otherStart - a.start);
    }
    a.sectors = layout.sectorSize ? length / layout.sectorSize : 0;
    a.length = a.sectors * layout.sectorSize;
    return a;
}

CombinedArea CombinedAreaOf(const FlashLayout& layout) {
    CombinedArea c;
    c.start = layout.tp.start;
    c.cableAt = 0;
    c.providerAt = std::uint64_t{layout.tp.chunk} * layout.tp.count;
    c.channelAt = c.providerAt + std::uint64_t{layout.brd.chunk} * layout.brd.count;
    c.trailerAt = c.channelAt + std::uint64_t{layout.ch.chunk} * layout.ch.count;
    return c;
}

} // namespace detail

std::uint32_t FlashLayout::ChannelNameBytes() const {
    return product.ChannelNameBytes(nameLength);
}

} // namespace chanforge::codec
