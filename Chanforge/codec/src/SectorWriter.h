// Builds a block sector by sector in a buffer and copies each finished sector into the image.
#pragma once

#include "SlotIO.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace chanforge::codec::detail {

class SectorWriter {
  public:
    /// area: the block's first byte in the image; sectors: how many the block may fill.
    SectorWriter(std::uint8_t* area, std::uint64_t sectors, std::uint32_t sectorSize,
                 std::uint32_t firstPos, bool bigEndian)
        : area_(area), sectors_(sectors), S_(sectorSize), pos_(firstPos), bigEndian_(bigEndian),
          buffer_(sectorSize, 0) {}

    std::int64_t Pos() const { return pos_; }
    std::uint32_t SlotsInSector() const { return slotsInSector_; }
    std::uint8_t* Sector() { return buffer_.data(); }

    /// The next slot of the current sector.
    SlotOut Take(std::uint32_t chunk) {
        SlotOut out(buffer_.data() + pos_, chunk, bigEndian_);
        pos_ += chunk;
        ++slotsInSector_;
        return out;
    }

    /// Copies the first `bytes` bytes of the current sector into the image and starts a fresh
    /// one. False when the block has no sector left for it.
    bool Emit(std::size_t bytes) {
        if (written_ >= sectors_)
            return false;
        std::copy_n(buffer_.begin(), bytes, area_ + written_ * S_);
        ++written_;
        slotsWritten_ += slotsInSector_;
        std::fill(buffer_.begin(), buffer_.end(), 0);
        pos_ = 0;
        slotsInSector_ = 0;
        return true;
    }

    /// Stores the sector checksum: 1 plus the byte sum, big-endian in the last two bytes.
    void Checksum() {
        std::uint32_t sum = 1;
        for (std::uint8_t b : buffer_)
            sum += b;
        WriteBE16(buffer_.data() + S_ - 2, static_cast<std::uint16_t>(sum));
    }

    /// Fills the sectors the table did not need with zeros.
    void ZeroRest() {
        std::fill(area_ + written_ * S_, area_ + sectors_ * S_, std::uint8_t{0});
        written_ = sectors_;
    }

    /// Slots that went into emitted sectors: the block's capacity once it has overflowed.
    std::uint64_t SlotsWritten() const { return slotsWritten_; }

  private:
    std::uint8_t* area_;
    std::uint64_t sectors_;
    std::uint64_t written_ = 0;
    std::uint32_t S_;
    std::int64_t pos_;
    bool bigEndian_;
    std::vector<std::uint8_t> buffer_;
    std::uint32_t slotsInSector_ = 0;
    std::uint64_t slotsWritten_ = 0;
};

} // namespace chanforge::codec::detail
