// Bounded access to one record slot. A layout may name bytes past the end of a small slot;
// those read as 0 and are never written, so no field access leaves its slot.
#pragma once

#include "utils/ByteOrder.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace chanforge::codec::detail {

class SlotIn {
  public:
    SlotIn(const std::uint8_t* data, std::size_t size, bool bigEndian)
        : data_(data), size_(size), bigEndian_(bigEndian) {}

    std::uint8_t U8(std::size_t at) const { return at < size_ ? data_[at] : 0; }
    std::uint16_t U16(std::size_t at) const {
        if (at + 2 <= size_)
            return utils::ReadU16(data_ + at, bigEndian_); // the usual case
        std::uint8_t b[2] = {U8(at), U8(at + 1)};
        return utils::ReadU16(b, bigEndian_);
    }
    std::uint32_t U32(std::size_t at) const {
        if (at + 4 <= size_)
            return utils::ReadU32(data_ + at, bigEndian_);
        std::uint8_t b[4] = {U8(at), U8(at + 1), U8(at + 2), U8(at + 3)};
        return utils::ReadU32(b, bigEndian_);
    }
    /// Copies len bytes (zeros past the slot end) to out.
    void Bytes(std::size_t at, void* out, std::size_t len) const {
        auto* dst = static_cast<std::uint8_t*>(out);
        const std::size_t have = at < size_ ? std::min(len, size_ - at) : 0;
        if (have > 0)
            std::memcpy(dst, data_ + at, have);
        std::memset(dst + have, 0, len - have);
    }
    bool BigEndian() const { return bigEndian_; }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    bool bigEndian_;
};

class SlotOut {
  public:
    SlotOut(std::uint8_t* data, std::size_t size, bool bigEndian)
        : data_(data), size_(size), bigEndian_(bigEndian) {}

    void U8(std::size_t at, std::uint8_t v) {
        if (at < size_)
            data_[at] = v;
    }
    void U16(std::size_t at, std::uint16_t v) {
        if (at + 2 <= size_)
            return utils::WriteU16(data_ + at, v, bigEndian_);
        std::uint8_t b[2];
        utils::WriteU16(b, v, bigEndian_);
        Bytes(at, b, 2);
    }
    void U32(std::size_t at, std::uint32_t v) {
        if (at + 4 <= size_)
            return utils::WriteU32(data_ + at, v, bigEndian_);
        std::uint8_t b[4];
        utils::WriteU32(b, v, bigEndian_);
        Bytes(at, b, 4);
    }
    void Bytes(std::size_t at, const void* in, std::size_t len) {
        if (at >= size_)
            return;
        std::memcpy(data_ + at, in, std::min(len, size_ - at));
    }
    bool BigEndian() const { return bigEndian_; }

  private:
    std::uint8_t* data_;
    std::size_t size_;
    bool bigEndian_;
};

/// Big-endian u16 at p: the per-sector counts and checksums ignore the image byte order.
inline std::uint16_t ReadBE16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] << 8 | p[1]);
}
inline void WriteBE16(std::uint8_t* p, std::uint16_t v) {
    p[0] = static_cast<std::uint8_t>(v >> 8);
    p[1] = static_cast<std::uint8_t>(v);
}

} // namespace chanforge::codec::detail
