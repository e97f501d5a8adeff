#include "SharedStrings.h"

#include "BiffFormat.h"
#include "LittleEndian.h"

#include <algorithm>

namespace chanforge::xls::sst {

namespace {

constexpr std::uint8_t kHighByte = 0x01;
constexpr std::uint8_t kExtended = 0x04;
constexpr std::uint8_t kRich = 0x08;

/// Reads across the record bodies as one sequence, except that characters resume after a record
/// break with a fresh option byte.
class SegmentReader {
  public:
    explicit SegmentReader(const std::vector<std::span<const std::uint8_t>>& bodies)
        : bodies_(bodies) {}

    bool AtEnd() {
        SkipExhausted();
        return seg_ >= bodies_.size();
    }

    bool Bytes(std::uint8_t* dst, std::size_t n) {
        while (n > 0) {
            SkipExhausted();
            if (seg_ >= bodies_.size())
                return false;
            const std::size_t take = std::min(n, bodies_[seg_].size() - pos_);
            if (dst) {
                std::copy_n(bodies_[seg_].data() + pos_, take, dst);
                dst += take;
            }
            pos_ += take;
            n -= take;
        }
        return true;
    }

    bool Skip(std::size_t n) { return Bytes(nullptr, n); }

    bool Chars(std::size_t count, bool wide, std::u16string& out) {
        out.clear();
        while (out.size() < count) {
            if (pos_ == Current().size()) {
                if (++seg_ >= bodies_.size())
                    return false;
                pos_ = 0;
                std::uint8_t flags;
                if (!Bytes(&flags, 1))
                    return false;
                wide = (flags & kHighByte) != 0;
            }
            const std::span<const std::uint8_t> body = Current();
            const std::size_t unit = wide ? 2 : 1;
            const std::size_t take = std::min(count - out.size(), (body.size() - pos_) / unit);
            if (take == 0)
                return false; // half a character before the break
            for (std::size_t i = 0; i < take; ++i, pos_ += unit)
                out.push_back(wide ? le::U16(body.data() + pos_) : body[pos_]);
        }
        return true;
    }

  private:
    std::span<const std::uint8_t> Current() const { return bodies_[seg_]; }
    void SkipExhausted() {
        while (seg_ < bodies_.size() && pos_ == bodies_[seg_].size()) {
            ++seg_;
            pos_ = 0;
        }
    }

    const std::vector<std::span<const std::uint8_t>>& bodies_;
    std::size_t seg_ = 0;
    std::size_t pos_ = 0;
};

/// One string: character count, option byte, run and extension counts as the options say, the
/// characters, then the runs and extension skipped.
bool ReadOne(SegmentReader& in, std::u16string& chars, bool& wide) {
    std::uint8_t h[3];
    if (!in.Bytes(h, 3))
        return false;
    const std::uint16_t count = le::U16(h);
    const std::uint8_t flags = h[2];
    std::uint8_t extra[4] = {};
    std::uint32_t runs = 0, extLength = 0;
    if ((flags & kRich) && in.Bytes(extra, 2))
        runs = le::U16(extra);
    else if (flags & kRich)
        return false;
    if ((flags & kExtended) && in.Bytes(extra, 4))
        extLength = le::U32(extra);
    else if (flags & kExtended)
        return false;
    if (!in.Chars(count, (flags & kHighByte) != 0, chars))
        return false;
    // Stored wide, or continued wide, yet every character fits 8 bits: the same text.
    wide = (flags & kHighByte) != 0 ||
           std::any_of(chars.begin(), chars.end(), [](char16_t c) { return c >= 0x100; });
    return in.Skip(std::size_t{runs} * 4) && in.Skip(extLength);
}

} // namespace

bool Read(const std::vector<std::span<const std::uint8_t>>& bodies, TextPool& pool,
          std::vector<Ref>& out) {
    out.clear();
    SegmentReader in(bodies);
    std::uint8_t head[8];
    if (!in.Bytes(head, sizeof head))
        return false;
    const std::uint32_t unique = le::U32(head + 4);
    std::u16string chars;
    for (std::uint32_t i = 0; i < unique && !in.AtEnd(); ++i) {
        bool wide = false;
        if (!ReadOne(in, chars, wide))
            return false;
        if (!wide) {
            pool.narrow.emplace_back(chars.begin(), chars.end());
            out.push_back(Ref{CellKind::Text, static_cast<std::uint32_t>(pool.narrow.size() - 1)});
        } else {
            pool.wide.push_back(chars);
            out.push_back(
                Ref{CellKind::WideText, static_cast<std::uint32_t>(pool.wide.size() - 1)});
        }
    }
    return true;
}

bool ReadString(const std::vector<std::span<const std::uint8_t>>& bodies, std::u16string& chars,
                bool& wide) {
    SegmentReader in(bodies);
    return ReadOne(in, chars, wide);
}

namespace {

/// Lays out record bodies of at most kMaxRecordBody bytes: the SST, then CONTINUE records.
class SplitWriter {
  public:
    explicit SplitWriter(std::vector<std::uint8_t>& out) : out_(out) { Open(biff::kSst); }
    ~SplitWriter() { Close(); }
    SplitWriter(const SplitWriter&) = delete;
    SplitWriter& operator=(const SplitWriter&) = delete;

    std::size_t Room() const { return biff::kMaxRecordBody - (out_.size() - bodyStart_); }
    bool Fresh() const { return out_.size() == bodyStart_; }
    void Break() {
        Close();
        Open(biff::kContinue);
    }
    le::Writer& Put() { return writer_; }

  private:
    void Open(std::uint16_t type) {
        headerAt_ = out_.size();
        writer_.U16(type);
        writer_.U16(0);
        bodyStart_ = out_.size();
    }
    void Close() {
        le::Put16(out_.data() + headerAt_ + 2,
                  static_cast<std::uint16_t>(out_.size() - bodyStart_));
    }

    std::vector<std::uint8_t>& out_;
    le::Writer writer_{out_};
    std::size_t headerAt_ = 0;
    std::size_t bodyStart_ = 0;
};

} // namespace

void Write(std::vector<std::uint8_t>& out, std::uint32_t totalUses, const std::vector<Ref>& strings,
           const TextPool& pool) {
    SplitWriter w(out);
    w.Put().U32(totalUses);
    w.Put().U32(static_cast<std::uint32_t>(strings.size()));
    constexpr std::size_t kHeader = 3;
    for (const Ref& ref : strings) {
        const bool wide = ref.kind == CellKind::WideText;
        const std::size_t unit = wide ? 2 : 1;
        const std::size_t count =
            wide ? pool.wide[ref.index].size() : pool.narrow[ref.index].size();
        // Start a new record at the string boundary unless the string could never fit one.
        if (kHeader + count * unit > w.Room() &&
            (kHeader + count * unit <= biff::kMaxRecordBody || w.Room() < kHeader + unit))
            w.Break();
        w.Put().U16(static_cast<std::uint16_t>(count));
        w.Put().U8(wide ? kHighByte : 0);
        for (std::size_t i = 0; i < count; ++i) {
            if (w.Room() < unit) { // a string longer than a record: continue it
                w.Break();
                w.Put().U8(wide ? kHighByte : 0);
            }
            if (wide)
                w.Put().U16(pool.wide[ref.index][i]);
            else
                w.Put().U8(static_cast<std::uint8_t>(pool.narrow[ref.index][i]));
        }
    }
}

} // namespace chanforge::xls::sst
