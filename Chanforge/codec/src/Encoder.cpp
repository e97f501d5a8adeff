// Tables -> image. Every block is rebuilt sector by sector in place; bytes outside the blocks,
// and blocks this product does not rewrite, keep their values.
#include "Blocks.h"
#include "RowStore.h"
#include "SectorWriter.h"
#include "Slots.h"
#include "chanforge/codec/FlashImage.h"

#include <algorithm>

namespace chanforge::codec {

namespace {

using detail::Area;
using detail::Block;
using detail::SectorWriter;

constexpr std::size_t kShortMMIBytes = 170;

class Encoder {
  public:
    /// The image starts at byte imageOffset of buffer (after a file header, say).
    Encoder(std::vector<std::uint8_t>& buffer, std::size_t imageOffset, const FlashLayout& layout,
            tabstore::CQoDB& db, const DocumentValues& values)
        : buffer_(buffer), base_(imageOffset), layout_(layout), db_(db), values_(values),
          S_(layout.sectorSize) {}

    CodecResult Run() {
        CodecResult r = Favorites();
        if (!r.ok())
            return r;
        if (layout_.product.CombinedBlock())
            return Combined();
        if (layout_.product.Satellite() && !(r = Satellites()).ok())
            return r;
        if (!(r = Providers()).ok())
            return r;
        if (layout_.product.Satellite() && !(r = Transponders()).ok())
            return r;
        if (layout_.product.Cable() && !(r = Cables()).ok())
            return r;
        return Channels();
    }

  private:
    static CodecResult TooLarge(const char* table, std::uint64_t capacity) {
        return {CodecStatus::TableTooLarge, std::string("the ") + table +
                                                " table does not fit in its flash block (at most " +
                                                std::to_string(capacity) + " slots)"};
    }

    /// The block's first byte, the image grown to hold all of the block.
    std::uint8_t* Reach(std::uint64_t start, std::uint64_t length) {
        if (buffer_.size() < base_ + start + length)
            buffer_.resize(base_ + start + length, 0);
        return buffer_.data() + base_ + start;
    }

    SectorWriter WriterFor(Block block, std::uint32_t firstPos) {
        const Area a = detail::AreaOf(layout_, block);
        return SectorWriter(Reach(a.start, a.length), a.sectors, S_, firstPos, layout_.bigEndian);
    }

    /// Walks a table, placing one slot per row in sectors that `full` closes and `close` seals.
    template <class T, class Full, class Place, class Close>
    bool Fill(SectorWriter& w, std::uint8_t table, Full full, Place place, Close close) {
        bool room = true;
        detail::ForEachRow<T>(db_, table, [&](const T& rec) {
            if (room)
                room = place(rec, [&]() -> bool {
                    if (!full(w.Pos()))
                        return true;
                    close(w);
                    return w.Emit(S_);
                });
        });
        return room;
    }

    /// Provider, transponder and cable sectors: slot count at S - 4, checksum.
    static void CloseCounted(SectorWriter& w, std::uint32_t S) {
        detail::WriteBE16(w.Sector() + S - 4, static_cast<std::uint16_t>(w.SlotsInSector()));
        w.Checksum();
    }

    template <class T, class Encode>
    CodecResult CountedBlock(Block block, std::uint8_t table, const char* name, std::uint32_t chunk,
                             std::int64_t fullMargin, Encode encode) {
        SectorWriter w = WriterFor(block, 0);
        const std::int64_t S = S_;
        const auto full = [&](std::int64_t pos) { return S - pos - 4 <= fullMargin; };
        const auto close = [&](SectorWriter& sw) { CloseCounted(sw, S_); };
        const bool room = Fill<T>(
            w, table, full,
            [&](const T& rec, auto next) {
                if (!next())
                    return false;
                auto out = w.Take(chunk);
                encode(rec, out);
                return true;
            },
            close);
        if (room && w.Pos() != 0) {
            close(w);
            if (!w.Emit(S_))
                return TooLarge(name, w.SlotsWritten());
        }
        if (!room)
            return TooLarge(name, w.SlotsWritten());
        w.ZeroRest();
        return {};
    }

    CodecResult Favorites() {
        SectorWriter w = WriterFor(Block::MMI, 2);
        const std::int64_t chunk = layout_.mmi.chunk, S = S_;
        utils::WriteU16(w.Sector(), values_.FavoriteHeader, layout_.bigEndian);
        const auto close = [&](SectorWriter& sw) {
            utils::WriteU16(sw.Sector() + S_ - 4, 0, layout_.bigEndian);
            sw.Checksum();
        };
        const bool room = Fill<Favorite_Info_Tag>(
            w, kFavoriteTable, [&](std::int64_t pos) { return pos + chunk > S - 2; },
            [&](const Favorite_Info_Tag& fav, auto next) {
                if (!next())
                    return false;
                auto out = w.Take(layout_.mmi.chunk);
                detail::EncodeFavorite(fav, out);
                return true;
            },
            close);
        if (!room)
            return TooLarge("favourite", w.SlotsWritten());
        close(w);
        // These receivers keep only the head of their last MMI sector.
        const bool shortSector = layout_.product.ShortLastFavoriteSector();
        if (!w.Emit(shortSector ? std::min<std::size_t>(kShortMMIBytes, S_) : S_))
            return TooLarge("favourite", w.SlotsWritten());
        return {};
    }

    CodecResult Satellites() {
        SectorWriter w = WriterFor(Block::Satellite, 0);
        const std::int64_t chunk = layout_.sat.chunk, S = S_;
        const bool twoTuner = layout_.product.TwoTuners();
        const auto close = [&](SectorWriter& sw) {
            std::uint8_t* t = sw.Sector() + S_ - 7;
            t[0] = static_cast<std::uint8_t>(values_.SatTrailer1);
            t[1] = static_cast<std::uint8_t>(values_.SatTrailer2);
            t[2] = static_cast<std::uint8_t>(sw.SlotsInSector());
            t[3] = static_cast<std::uint8_t>(values_.SatTrailer3);
            t[4] = static_cast<std::uint8_t>(values_.SatTrailer4);
            sw.Checksum();
        };
        // The count is one byte: a sector closes at 255 satellites whatever room is left.
        const auto full = [&](std::int64_t pos) {
            return S - pos - 7 <= chunk || w.SlotsInSector() == 255;
        };
        const bool room = Fill<Satellite_Info_Tag>(
            w, kSatelliteTable, full,
            [&](const Satellite_Info_Tag& sat, auto next) {
                if (!next())
                    return false;
                auto out = w.Take(layout_.sat.chunk);
                detail::EncodeSatellite(sat, twoTuner, out);
                return true;
            },
            close);
        if (!room)
            return TooLarge("satellite", w.SlotsWritten());
        // An empty table still writes its sector: a count of 0 over empty slots loads as no
        // satellite, where leaving the old sector would bring deleted satellites back.
        if (w.Pos() != 0 || db_.Size(kSatelliteTable) == 0) {
            close(w);
            if (!w.Emit(S_))
                return TooLarge("satellite", w.SlotsWritten());
        }
        return {};
    }

    CodecResult Providers() {
        return CountedBlock<Broadcast_Info_Tag>(
            Block::Provider, kProviderTable, "provider", layout_.brd.chunk, layout_.brd.chunk,
            [](const Broadcast_Info_Tag& brd, detail::SlotOut& out) {
                detail::EncodeProvider(brd, out);
            });
    }

    CodecResult Transponders() {
        return CountedBlock<Transponder_Info_Tag>(
            Block::Transponder, kTransponderTable, "transponder", layout_.tp.chunk,
            2 * std::int64_t{layout_.tp.chunk},
            [this](const Transponder_Info_Tag& tp, detail::SlotOut& out) {
                detail::EncodeTransponder(tp, layout_, out);
            });
    }

    CodecResult Cables() {
        return CountedBlock<CableMux_Info_Tag>(
            Block::Transponder, kCableMuxTable, "cable multiplex", layout_.tp.chunk,
            2 * std::int64_t{layout_.tp.chunk},
            [](const CableMux_Info_Tag& cab, detail::SlotOut& out) {
                detail::EncodeCable(cab, out);
            });
    }

    CodecResult Channels() {
        const auto kind = detail::ChannelLayoutOf(layout_);
        if (kind == detail::ChannelLayout::None)
            return {};
        SectorWriter w = WriterFor(Block::Channel, 0);
        const std::int64_t chunk = layout_.ch.chunk, S = S_;
        const bool list9 = layout_.product.OneByteChannelCount();
        const bool twoTuner = layout_.product.ChannelPerTuner();
        std::uint32_t tv = 0, other = 0;
        const auto close = [&](SectorWriter& sw) {
            // Channels with neither kind flag are counted with the radio channels, so that the
            // counts cover every slot and the next load keeps them all.
            if (list9) {
                detail::WriteBE16(sw.Sector() + S_ - 4, static_cast<std::uint16_t>(tv + other));
            } else {
                detail::WriteBE16(sw.Sector() + S_ - 6, static_cast<std::uint16_t>(tv));
                detail::WriteBE16(sw.Sector() + S_ - 4, static_cast<std::uint16_t>(other));
            }
            sw.Checksum();
            tv = other = 0;
        };
        // List 9 receivers read only the low byte of the count.
        const auto full = [&](std::int64_t pos) {
            return S - pos - 49 <= chunk || (list9 && w.SlotsInSector() == 255);
        };
        const auto put = [&](const Channel_Info_Tag& ch, auto& next) {
            if (!next())
                return false;
            auto out = w.Take(layout_.ch.chunk);
            detail::EncodeChannel(ch, layout_, kind, out);
            ++(IsTV(ch) ? tv : other);
            return true;
        };
        const bool room = Fill<Channel_Info_Tag>(
            w, kChannelTable, full,
            [&](const Channel_Info_Tag& ch, auto next) {
                if (!twoTuner)
                    return put(ch, next);
                Channel_Info_Tag copy = ch;
                copy.Tuner = 0;
                if (!put(copy, next))
                    return false;
                copy.Tuner = 1;
                return put(copy, next);
            },
            close);
        if (room && w.Pos() != 0) {
            close(w);
            if (!w.Emit(S_))
                return TooLarge("channel", w.SlotsWritten());
        }
        if (!room)
            return TooLarge("channel", w.SlotsWritten());
        w.ZeroRest();
        return {};
    }

    CodecResult Combined();

    std::vector<std::uint8_t>& buffer_;
    const std::size_t base_;
    const FlashLayout& layout_;
    tabstore::CQoDB& db_;
    const DocumentValues& values_;
    const std::uint32_t S_;
};

CodecResult Encoder::Combined() {
    const detail::CombinedArea c = detail::CombinedAreaOf(layout_);
    std::vector<std::uint8_t> buffer(c.trailerAt + detail::kCombinedWriteTrailer, 0);
    const bool be = layout_.bigEndian;
    const auto slot = [&](std::uint64_t at, std::uint64_t chunk) {
        return detail::SlotOut(buffer.data() + at, chunk, be);
    };
    std::uint32_t cables = 0, providers = 0, channels = 0;
    bool room = true;
    detail::ForEachRow<CableMux_Info_Tag>(db_, kCableMuxTable, [&](const CableMux_Info_Tag& cab) {
        if (!(room = room && cables < layout_.tp.count))
            return;
        auto out = slot(c.cableAt + std::uint64_t{cables++} * layout_.tp.chunk, layout_.tp.chunk);
        detail::EncodeCombinedCable(cab, out);
    });
    if (!room)
        return TooLarge("cable multiplex", layout_.tp.count);
    detail::ForEachRow<Broadcast_Info_Tag>(db_, kProviderTable, [&](const Broadcast_Info_Tag& b) {
        if (!(room = room && providers < layout_.brd.count))
            return;
        auto out =
            slot(c.providerAt + std::uint64_t{providers++} * layout_.brd.chunk, layout_.brd.chunk);
        detail::EncodeProvider(b, out);
    });
    if (!room)
        return TooLarge("provider", layout_.brd.count);
    detail::ForEachRow<Channel_Info_Tag>(db_, kChannelTable, [&](const Channel_Info_Tag& ch) {
        if (!(room = room && channels < layout_.ch.count))
            return;
        auto out =
            slot(c.channelAt + std::uint64_t{channels++} * layout_.ch.chunk, layout_.ch.chunk);
        detail::EncodeChannel(ch, layout_, detail::ChannelLayout::D, out);
    });
    if (!room)
        return TooLarge("channel", layout_.ch.count);

    std::uint8_t* trailer = buffer.data() + c.trailerAt;
    utils::WriteU32(trailer, cables, be);
    utils::WriteU32(trailer + 4, providers, be);
    utils::WriteU32(trailer + 8, channels, be);
    trailer[12] = static_cast<std::uint8_t>(values_.SatTrailer3);
    trailer[13] = static_cast<std::uint8_t>(values_.SatTrailer4);
    // 1 plus the sum of little-endian 32-bit words; a short last word is zero-padded.
    std::uint32_t sum = 1;
    for (std::uint64_t i = 0; i < c.trailerAt + 16; i += 4) {
        std::uint8_t word[4] = {};
        std::copy_n(buffer.data() + i, std::min<std::uint64_t>(4, c.trailerAt + 16 - i), word);
        sum += utils::ReadU32(word, false);
    }
    utils::WriteU32(trailer + 16, sum, true);
    std::copy(buffer.begin(), buffer.end(), Reach(c.start, buffer.size()));
    return {};
}

} // namespace

CodecResult EncodeImage(std::vector<std::uint8_t>& image, const FlashLayout& layout,
                        tabstore::CQoDB& db, const DocumentValues& values) {
    if (std::string problem = layout.Problem(); !problem.empty())
        return {CodecStatus::BadLayout, problem};
    std::vector<std::uint8_t> work = image;
    CodecResult result = Encoder(work, 0, layout, db, values).Run();
    if (result.ok())
        image.swap(work);
    return result;
}

CodecResult EncodeImageAt(std::vector<std::uint8_t>& buffer, std::size_t imageOffset,
                          const FlashLayout& layout, tabstore::CQoDB& db,
                          const DocumentValues& values) {
    if (std::string problem = layout.Problem(); !problem.empty())
        return {CodecStatus::BadLayout, problem};
    if (buffer.size() < imageOffset)
        buffer.resize(imageOffset, 0);
    return Encoder(buffer, imageOffset, layout, db, values).Run();
}

} // namespace chanforge::codec
