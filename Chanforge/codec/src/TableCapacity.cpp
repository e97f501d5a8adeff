#include "chanforge/codec/TableCapacity.h"

#include "Blocks.h"
#include "Slots.h"

#include <functional>

namespace chanforge::codec {

namespace {

using detail::Block;

/// Closes a sector before a slot at pos when true; n is the slots already in the sector.
using FullRule = std::function<bool(std::int64_t pos, std::uint32_t n)>;

/// Slots of one sector as the sector writer fills it. After an emit the first slot goes in
/// without asking the rule, so later sectors always take at least one.
std::uint64_t SlotsInSector(std::uint32_t chunk, std::int64_t firstPos, bool firstUnasked,
                            const FullRule& full) {
    std::uint64_t n = firstUnasked ? 1 : 0;
    for (std::int64_t pos = firstPos + static_cast<std::int64_t>(n) * chunk;
         !full(pos, static_cast<std::uint32_t>(n)); pos += chunk)
        ++n;
    return n;
}

std::uint64_t SectorBlock(const FlashLayout& l, Block block, std::uint32_t chunk,
                          std::int64_t firstPos, const FullRule& full) {
    const std::uint64_t sectors = detail::AreaOf(l, block).sectors;
    if (sectors == 0 || chunk == 0)
        return 0;
    return SlotsInSector(chunk, firstPos, false, full) +
           (sectors - 1) * SlotsInSector(chunk, 0, true, full);
}

/// Provider, transponder and cable sectors keep four bytes for their count and checksum.
std::uint64_t Counted(const FlashLayout& l, Block block, std::uint32_t chunk, std::int64_t margin) {
    const std::int64_t S = l.sectorSize;
    return SectorBlock(l, block, chunk, 0,
                       [=](std::int64_t pos, std::uint32_t) { return S - pos - 4 <= margin; });
}

std::optional<std::uint64_t> Combined(const FlashLayout& l, TableId table) {
    switch (table) {
    case kCableMuxTable:
        return l.tp.count;
    case kProviderTable:
        return l.brd.count;
    case kChannelTable:
        return l.ch.count;
    default:
        return std::nullopt;
    }
}

std::uint64_t Channels(const FlashLayout& l) {
    const std::int64_t S = l.sectorSize, chunk = l.ch.chunk;
    const bool list9 = l.product.OneByteChannelCount();
    const std::uint64_t slots =
        SectorBlock(l, Block::Channel, l.ch.chunk, 0, [=](std::int64_t pos, std::uint32_t n) {
            return S - pos - 49 <= chunk || (list9 && n == 255);
        });
    // The two-tuner lists write every channel twice.
    const bool twoTuner = l.product.ChannelPerTuner();
    return twoTuner ? slots / 2 : slots;
}

} // namespace

std::optional<std::uint64_t> TableCapacity(const FlashLayout& l, TableId table) {
    if (!l.Problem().empty())
        return std::nullopt;
    if (table == kFavoriteTable) {
        const std::int64_t S = l.sectorSize, chunk = l.mmi.chunk;
        return SectorBlock(l, Block::MMI, l.mmi.chunk, 2,
                           [=](std::int64_t pos, std::uint32_t) { return pos + chunk > S - 2; });
    }
    if (l.product.CombinedBlock())
        return Combined(l, table);
    switch (table) {
    case kSatelliteTable: {
        if (!l.product.Satellite())
            return std::nullopt;
        const std::int64_t S = l.sectorSize, chunk = l.sat.chunk;
        return SectorBlock(
            l, Block::Satellite, l.sat.chunk, 0,
            [=](std::int64_t pos, std::uint32_t n) { return S - pos - 7 <= chunk || n == 255; });
    }
    case kProviderTable:
        return Counted(l, Block::Provider, l.brd.chunk, l.brd.chunk);
    case kTransponderTable:
        if (!l.product.Satellite())
            return std::nullopt;
        return Counted(l, Block::Transponder, l.tp.chunk, 2 * std::int64_t{l.tp.chunk});
    case kCableMuxTable:
        if (!l.product.Cable())
            return std::nullopt;
        return Counted(l, Block::Transponder, l.tp.chunk, 2 * std::int64_t{l.tp.chunk});
    case kChannelTable:
        if (detail::ChannelLayoutOf(l) == detail::ChannelLayout::None)
            return std::nullopt;
        return Channels(l);
    default:
        return std::nullopt;
    }
}

} // namespace chanforge::codec
