// Image -> tables. Every block is checked to lie inside the image before it is read, and every
// slot is read through a bounded view of its own bytes.
#include "Blocks.h"
#include "RowStore.h"
#include "Slots.h"
#include "chanforge/codec/FlashImage.h"

#include <algorithm>
#include <cstdio>

namespace chanforge::codec {

namespace {

using detail::Area;
using detail::Block;
using detail::SlotIn;

class Decoder {
  public:
    Decoder(std::span<const std::uint8_t> image, const FlashLayout& layout, tabstore::CQoDB& db,
            DocumentValues& values)
        : image_(image), layout_(layout), db_(db), values_(values), S_(layout.sectorSize) {}

    CodecResult Run() {
        if (!Favorites())
            return Failed("favourite");
        if (layout_.product.CombinedBlock())
            return Combined() ? CodecResult{} : Failed("combined");
        if (layout_.product.Satellite() && !Satellites())
            return Failed("satellite");
        if (!Providers())
            return Failed("provider");
        if (layout_.product.Satellite() && !Transponders())
            return Failed("transponder");
        if (layout_.product.TransponderBlockHoldsMultiplexes() && !Terrestrial())
            return Failed("multiplex");
        if (layout_.product.Cable() && !Cables())
            return Failed("cable");
        if (!Channels())
            return Failed("channel");
        return {};
    }

  private:
    /// Why a block failed: impossible counts when they were found, else the block is short.
    CodecResult Failed(const char* block) const {
        if (!badCounts_.empty())
            return {CodecStatus::BadCounts, "the " + std::string(block) + badCounts_};
        return {CodecStatus::ImageTooShort,
                std::string("the ") + block + " block reaches past the end of the file"};
    }

    bool BadCounts(std::uint64_t sector, std::uint64_t claimed, std::uint64_t capacity) {
        badCounts_ = " block's sector " + std::to_string(sector) + " claims " +
                     std::to_string(claimed) + " slots where " + std::to_string(capacity) + " fit";
        return false;
    }

    /// The block's bytes, or an empty span when it does not lie whole inside the image.
    std::span<const std::uint8_t> Bytes(std::uint64_t start, std::uint64_t length) const {
        if (start > image_.size() || length > image_.size() - start)
            return {};
        return image_.subspan(start, length);
    }
    std::span<const std::uint8_t> Bytes(const Area& a) const { return Bytes(a.start, a.length); }

    SlotIn Slot(std::span<const std::uint8_t> area, std::uint64_t at, std::uint64_t chunk) const {
        if (at >= area.size())
            return SlotIn(area.data(), 0, layout_.bigEndian);
        return SlotIn(area.data() + at, std::min<std::uint64_t>(chunk, area.size() - at),
                      layout_.bigEndian);
    }

    void RaiseMaxTPID(std::uint32_t id) { values_.MaxTPID = std::max(values_.MaxTPID, id); }

    static constexpr std::uint32_t kErased = 0xFFFF;

    /// A block whose first sector is all 0xFF has not been written since the flash was erased:
    /// it holds nothing, whatever its slots would decode to.
    bool Erased(std::span<const std::uint8_t> block) const {
        const auto first = block.first(std::min<std::size_t>(block.size(), S_));
        return !first.empty() &&
               std::all_of(first.begin(), first.end(), [](std::uint8_t b) { return b == 0xFF; });
    }

    bool Favorites() {
        const Area area = detail::AreaOf(layout_, Block::MMI);
        const auto block = Bytes(area);
        if (block.size() != area.length || area.length < 2)
            return false;
        const bool erased = Erased(block);
        values_.FavoriteHeader = erased ? 0 : utils::ReadU16(block.data(), layout_.bigEndian);
        const std::uint32_t chunk = layout_.mmi.chunk;
        const std::uint32_t n = std::min(layout_.favoriteCount, S_ / chunk);
        for (std::uint32_t i = 0; i < n; ++i) {
            const std::uint64_t at = 2 + std::uint64_t{i} * chunk;
            if (at >= block.size())
                break;
            auto fav = detail::ZeroRecord<Favorite_Info_Tag>();
            if (!erased)
                detail::DecodeFavorite(Slot(block, at, chunk), fav);
            if (fav.Name[0] == 0)
                std::snprintf(fav.Name, sizeof fav.Name, "Favorite %u", i + 1);
            detail::StoreRow(db_, kFavoriteTable, i + 1, fav);
        }
        return true;
    }

    bool Satellites() {
        const Area area = detail::AreaOf(layout_, Block::Satellite);
        const auto block = Bytes(area);
        if (block.size() != area.length)
            return false;
        if (area.length == 0 || Erased(block))
            return true;
        const std::size_t N = block.size();
        values_.SatTrailer1 = block[N - 7];
        values_.SatTrailer2 = block[N - 6];
        const std::uint32_t count = block[N - 5] == 0 ? 120 : block[N - 5];
        values_.SatTrailer3 = block[N - 4];
        values_.SatTrailer4 = block[N - 3];
        const std::uint32_t chunk = layout_.sat.chunk;
        for (std::uint32_t i = 0; i < count && std::uint64_t{i + 1} * chunk <= N; ++i) {
            auto sat = detail::ZeroRecord<Satellite_Info_Tag>();
            detail::DecodeSatellite(Slot(block, std::uint64_t{i} * chunk, chunk),
                                    layout_.product.TwoTuners(), sat);
            if (sat.Name[0] != 0)
                detail::StoreRow(db_, kSatelliteTable, i + 1, sat);
        }
        return true;
    }

    /// Walks the sectors of a block, calling slot(sectorBytes, offset) for each counted slot.
    template <class Fn> bool EachCountedSlot(Block which, std::uint32_t chunk, Fn slot) {
        const Area area = detail::AreaOf(layout_, which);
        const auto block = Bytes(area);
        if (block.size() != area.length)
            return false;
        const std::uint32_t capacity = (S_ - 4) / chunk;
        for (std::uint64_t s = 0; s < area.sectors; ++s) {
            const auto sector = block.subspan(s * S_, S_);
            const std::uint32_t n = detail::ReadBE16(sector.data() + S_ - 4);
            if (n == kErased)
                continue; // never written since the flash was erased
            if (n > capacity)
                return BadCounts(s, n, capacity);
            for (std::uint32_t i = 0; i < n; ++i)
                slot(sector, std::uint64_t{i} * chunk);
        }
        return true;
    }

    bool Providers() {
        std::uint32_t row = 0;
        const std::uint32_t chunk = layout_.brd.chunk;
        return EachCountedSlot(Block::Provider, chunk, [&](auto sector, std::uint64_t at) {
            ++row;
            auto brd = detail::ZeroRecord<Broadcast_Info_Tag>();
            detail::DecodeProvider(Slot(sector, at, chunk), brd);
            if (brd.Name[0] != 0)
                detail::StoreRow(db_, kProviderTable, row, brd);
        });
    }

    bool Transponders() {
        std::uint32_t row = 0;
        const std::uint32_t chunk = layout_.tp.chunk;
        return EachCountedSlot(Block::Transponder, chunk, [&](auto sector, std::uint64_t at) {
            ++row;
            auto tp = detail::ZeroRecord<Transponder_Info_Tag>();
            detail::DecodeTransponder(Slot(sector, at, chunk), layout_, tp);
            if (tp.SatID == 0)
                return;
            RaiseMaxTPID(tp.TPID);
            detail::StoreRow(db_, kTransponderTable, row, tp);
        });
    }

    bool Cables() {
        std::uint32_t row = 0;
        const std::uint32_t chunk = layout_.tp.chunk;
        return EachCountedSlot(Block::Transponder, chunk, [&](auto sector, std::uint64_t at) {
            ++row;
            auto cab = detail::ZeroRecord<CableMux_Info_Tag>();
            detail::DecodeCable(Slot(sector, at, chunk), cab);
            if (cab.MuxID == 0)
                return;
            RaiseMaxTPID(cab.MuxID);
            detail::StoreRow(db_, kCableMuxTable, row, cab);
        });
    }

    // Each sector: multiplex slots, then as many provider slots, which replace providers of the
    // same row ids.
    bool Terrestrial() {
        const Area area = detail::AreaOf(layout_, Block::Transponder);
        const auto block = Bytes(area);
        if (block.size() != area.length)
            return false;
        const std::uint64_t muxChunk = layout_.tp.chunk, brdChunk = layout_.brd.chunk;
        const std::uint64_t m = layout_.maxMuxCount;
        std::uint32_t muxRow = 0;
        for (std::uint64_t s = 0; s < area.sectors; ++s) {
            const auto sector = block.subspan(s * S_, S_);
            for (std::uint64_t j = 0; j < m && j * muxChunk < S_; ++j) {
                auto mux = detail::ZeroRecord<SMux_Info_Tag>();
                detail::DecodeTerrestrialMux(Slot(sector, j * muxChunk, muxChunk), mux);
                ++muxRow;
                if (mux.TPID == 0)
                    continue;
                RaiseMaxTPID(mux.TPID);
                detail::StoreRow(db_, kTerrestrialMuxTable, muxRow, mux);
            }
            const std::uint64_t providersAt = m * muxChunk;
            for (std::uint64_t j = 0; j < m && providersAt + j * brdChunk < S_; ++j) {
                auto brd = detail::ZeroRecord<Broadcast_Info_Tag>();
                detail::DecodeProvider(Slot(sector, providersAt + j * brdChunk, brdChunk), brd);
                if (brd.Name[0] != 0)
                    detail::StoreRow(db_, kProviderTable, static_cast<std::uint32_t>(j + 1), brd);
            }
        }
        return true;
    }

    bool KeepChannel(const Channel_Info_Tag& ch, detail::ChannelLayout kind) const {
        if (ch.Name[0] == 0)
            return false;
        // Layout D has no SatID: its channels are known by their name alone.
        if (kind != detail::ChannelLayout::D && ch.SatID == 0)
            return false;
        if (kind != detail::ChannelLayout::A || ch.Tuner == 0)
            return true;
        // Lists 5 and 6 store every channel once per tuner: the second copy is not a channel.
        if (layout_.product.ChannelPerTuner())
            return false;
        return layout_.product.Combination() || !layout_.product.TerrestrialOrCable();
    }

    void TakeChannel(std::uint32_t row, SlotIn in, detail::ChannelLayout kind) {
        const Channel_Info_Tag* ch = detail::StoreDecodedRow<Channel_Info_Tag>(
            db_, kChannelTable, row,
            [&](Channel_Info_Tag& decoded) { detail::DecodeChannel(in, layout_, kind, decoded); },
            [&](const Channel_Info_Tag& decoded) { return KeepChannel(decoded, kind); });
        if (ch == nullptr)
            return;
        if (IsTV(*ch))
            values_.MaxTVNumber = std::max<std::uint32_t>(values_.MaxTVNumber, ch->ProgramNum);
        else if (IsRadio(*ch))
            values_.MaxRadioNumber =
                std::max<std::uint32_t>(values_.MaxRadioNumber, ch->ProgramNum);
    }

    bool Channels() {
        values_.MaxTVNumber = 0;
        values_.MaxRadioNumber = 0;
        const Area area = detail::AreaOf(layout_, Block::Channel);
        const auto block = Bytes(area);
        if (block.size() != area.length)
            return false;
        const auto kind = detail::ChannelLayoutOf(layout_);
        const std::uint32_t chunk = layout_.ch.chunk;
        std::uint32_t row = 0;
        for (std::uint64_t s = 0; s < area.sectors; ++s) {
            const std::uint8_t* sector = block.data() + s * S_;
            std::uint32_t a = detail::ReadBE16(sector + S_ - 6);
            std::uint32_t b = detail::ReadBE16(sector + S_ - 4);
            if (a == kErased && b == kErased)
                break; // erased flash: the list ends here
            if (layout_.product.OneByteChannelCount()) {
                a = sector[S_ - 3];
                b = 0;
            }
            if (a == 0 && b == 0)
                break;
            if (a + b > (S_ - 6) / chunk)
                return BadCounts(s, a + b, (S_ - 6) / chunk);
            for (std::uint32_t i = 0; i < a + b; ++i)
                TakeChannel(++row,
                            SlotIn(sector + std::uint64_t{i} * chunk, chunk, layout_.bigEndian),
                            kind);
        }
        return true;
    }

    bool Combined() {
        const detail::CombinedArea c = detail::CombinedAreaOf(layout_);
        const auto area = Bytes(c.start, c.trailerAt + detail::kCombinedReadTrailer);
        if (area.empty())
            return false;
        const std::uint8_t* trailer = area.data() + c.trailerAt;
        // The counts are 32-bit numbers in the image byte order, as the encoder writes them.
        const std::uint32_t cables = utils::ReadU32(trailer, layout_.bigEndian);
        const std::uint32_t providers = utils::ReadU32(trailer + 4, layout_.bigEndian);
        const std::uint32_t channels = utils::ReadU32(trailer + 8, layout_.bigEndian);
        if (cables > layout_.tp.count)
            return BadCounts(0, cables, layout_.tp.count);
        if (providers > layout_.brd.count)
            return BadCounts(0, providers, layout_.brd.count);
        if (channels > layout_.ch.count)
            return BadCounts(0, channels, layout_.ch.count);
        values_.SatTrailer3 = trailer[12];
        values_.SatTrailer4 = trailer[13];
        values_.MaxTVNumber = 0;
        values_.MaxRadioNumber = 0;
        std::uint32_t row = 0;
        for (std::uint32_t i = 0; i < cables; ++i) {
            auto cab = detail::ZeroRecord<CableMux_Info_Tag>();
            const std::uint64_t chunk = layout_.tp.chunk;
            detail::DecodeCombinedCable(Slot(area, c.cableAt + i * chunk, chunk), cab);
            ++row;
            if (cab.MuxID == 0)
                continue;
            RaiseMaxTPID(cab.MuxID);
            detail::StoreRow(db_, kCableMuxTable, row, cab);
        }
        for (std::uint32_t i = 0; i < providers; ++i) {
            auto brd = detail::ZeroRecord<Broadcast_Info_Tag>();
            const std::uint64_t chunk = layout_.brd.chunk;
            detail::DecodeProvider(Slot(area, c.providerAt + i * chunk, chunk), brd);
            ++row;
            if (brd.Name[0] != 0)
                detail::StoreRow(db_, kProviderTable, row, brd);
        }
        for (std::uint32_t i = 0; i < channels; ++i) {
            const std::uint64_t chunk = layout_.ch.chunk;
            TakeChannel(++row, Slot(area, c.channelAt + i * chunk, chunk),
                        detail::ChannelLayout::D);
        }
        return true;
    }

    std::span<const std::uint8_t> image_;
    const FlashLayout& layout_;
    tabstore::CQoDB& db_;
    DocumentValues& values_;
    const std::uint32_t S_;
    std::string badCounts_;
};

} // namespace

CodecResult DecodeImage(std::span<const std::uint8_t> image, const FlashLayout& layout,
                        tabstore::CQoDB& db, DocumentValues& values) {
    if (std::string problem = layout.Problem(); !problem.empty())
        return {CodecStatus::BadLayout, problem};
    return Decoder(image, layout, db, values).Run();
}

} // namespace chanforge::codec
