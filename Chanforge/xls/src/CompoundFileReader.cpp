#include "chanforge/xls/CompoundFile.h"

#include "CfbFormat.h"
#include "LittleEndian.h"

#include <algorithm>
#include <cstring>

namespace chanforge::xls {

namespace {

bool IsRegular(std::uint32_t id) {
    return id <= cfb::kMaxRegSect;
}

char16_t FoldAscii(char16_t c) {
    return (c >= u'a' && c <= u'z') ? c - (u'a' - u'A') : c;
}

bool SameName(std::u16string_view a, std::u16string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(),
                      [](char16_t x, char16_t y) { return FoldAscii(x) == FoldAscii(y); });
}

/// Marks ids as visited; a second visit means the chain or tree loops.
class VisitSet {
  public:
    explicit VisitSet(std::size_t n) : seen_(n, false) {}
    bool FirstVisit(std::size_t id) {
        if (id >= seen_.size() || seen_[id])
            return false;
        seen_[id] = true;
        return true;
    }

  private:
    std::vector<bool> seen_;
};

} // namespace

CfbResult CompoundFileReader::Open(std::span<const std::uint8_t> image) {
    *this = CompoundFileReader();
    if (image.size() < sizeof cfb::kSignature ||
        std::memcmp(image.data(), cfb::kSignature, sizeof cfb::kSignature) != 0)
        return CfbResult::NotCompoundFile;
    if (image.size() < cfb::kHeaderSize)
        return CfbResult::Corrupt;
    image_ = image;

    // Only the two sector sizes the format defines; anything else would make every offset absurd.
    const std::uint8_t* h = image.data();
    sectorShift_ = le::U16(h + cfb::kSectorShiftOffset);
    if (sectorShift_ != 9 && sectorShift_ != 12)
        return CfbResult::Corrupt;
    if (le::U16(h + cfb::kMiniSectorShiftOffset) != 6)
        return CfbResult::Corrupt;
    version4_ = sectorShift_ == 12;

    const std::uint64_t sectorSize = std::uint64_t{1} << sectorShift_;
    if (image.size() > sectorSize)
        sectorCount_ = static_cast<std::uint32_t>(std::min<std::uint64_t>(
            (image.size() - sectorSize + sectorSize - 1) / sectorSize, cfb::kMaxRegSect));

    if (CfbResult r = LoadFat(); r != CfbResult::Ok)
        return r;
    if (CfbResult r = LoadDirectory(); r != CfbResult::Ok)
        return r;
    return LoadMiniFat();
}

CfbResult CompoundFileReader::LoadFat() {
    const std::uint8_t* h = image_.data();
    const std::uint32_t fatSectors = le::U32(h + cfb::kFatSectorCountOffset);
    if (fatSectors == 0 || fatSectors > sectorCount_)
        return CfbResult::Corrupt;

    std::vector<std::uint32_t> ids;
    ids.reserve(fatSectors);
    for (std::uint32_t i = 0; i < cfb::kHeaderDifatEntries && ids.size() < fatSectors; ++i)
        ids.push_back(le::U32(h + cfb::kHeaderDifatOffset + 4 * i));

    const std::uint32_t sectorSize = 1u << sectorShift_;
    const std::uint32_t perDifat = sectorSize / 4 - 1;
    VisitSet visited(sectorCount_);
    std::uint32_t difat = le::U32(h + cfb::kFirstDifatOffset);
    while (ids.size() < fatSectors) {
        if (!IsRegular(difat) || !visited.FirstVisit(difat))
            return CfbResult::Corrupt;
        const std::uint8_t* s = image_.data() + (std::uint64_t{difat} + 1) * sectorSize;
        const std::uint64_t avail = image_.size() - (std::uint64_t{difat} + 1) * sectorSize;
        if (avail < sectorSize)
            return CfbResult::Corrupt;
        for (std::uint32_t i = 0; i < perDifat && ids.size() < fatSectors; ++i)
            ids.push_back(le::U32(s + 4 * i));
        difat = le::U32(s + 4 * perDifat);
    }

    fat_.assign(std::size_t{fatSectors} * (sectorSize / 4), cfb::kFreeSect);
    std::size_t k = 0;
    for (std::uint32_t id : ids) {
        if (id >= sectorCount_)
            return CfbResult::Corrupt;
        const std::uint64_t off = (std::uint64_t{id} + 1) * sectorSize;
        const std::uint64_t avail = std::min<std::uint64_t>(sectorSize, image_.size() - off);
        for (std::uint64_t b = 0; b + 4 <= avail; b += 4)
            fat_[k + b / 4] = le::U32(&image_[off + b]);
        k += sectorSize / 4;
    }
    return CfbResult::Ok;
}

CfbResult CompoundFileReader::ReadChain(std::uint32_t start, std::uint64_t size,
                                        std::vector<std::uint8_t>& out) const {
    const std::uint32_t sectorSize = 1u << sectorShift_;
    out.clear();
    if (size > std::uint64_t{sectorCount_} * sectorSize)
        return CfbResult::Corrupt;
    out.reserve(size);
    VisitSet visited(sectorCount_);
    std::uint32_t id = start;
    while (out.size() < size) {
        if (id >= sectorCount_ || id >= fat_.size() || !visited.FirstVisit(id))
            return CfbResult::Corrupt;
        const std::uint64_t off = (std::uint64_t{id} + 1) * sectorSize;
        const std::uint64_t want = std::min<std::uint64_t>(sectorSize, size - out.size());
        const std::uint64_t avail = std::min<std::uint64_t>(want, image_.size() - off);
        out.insert(out.end(), image_.begin() + off, image_.begin() + off + avail);
        out.resize(out.size() + (want - avail), 0); // a short last sector reads as zeros
        id = fat_[id];
    }
    return CfbResult::Ok;
}

CfbResult CompoundFileReader::LoadDirectory() {
    // The directory has no size of its own: read its chain to the end.
    const std::uint32_t sectorSize = 1u << sectorShift_;
    std::uint32_t id = le::U32(image_.data() + cfb::kFirstDirSectorOffset);
    VisitSet visited(sectorCount_);
    std::vector<std::uint8_t> dir;
    while (id != cfb::kEndOfChain) {
        if (id >= sectorCount_ || id >= fat_.size() || !visited.FirstVisit(id))
            return CfbResult::Corrupt;
        const std::uint64_t off = (std::uint64_t{id} + 1) * sectorSize;
        const std::uint64_t avail = std::min<std::uint64_t>(sectorSize, image_.size() - off);
        dir.insert(dir.end(), image_.begin() + off, image_.begin() + off + avail);
        dir.resize(dir.size() + (sectorSize - avail), 0);
        id = fat_[id];
    }

    const std::size_t count = dir.size() / cfb::kDirEntrySize;
    entries_.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint8_t* e = dir.data() + i * cfb::kDirEntrySize;
        Entry entry;
        const std::uint16_t nameBytes = le::U16(e + cfb::kEntryNameLengthOffset);
        const std::size_t chars = (nameBytes >= 2 && nameBytes <= 64) ? nameBytes / 2 - 1 : 0;
        for (std::size_t c = 0; c < chars; ++c)
            entry.name.push_back(static_cast<char16_t>(le::U16(e + 2 * c)));
        entry.type = e[cfb::kEntryTypeOffset];
        entry.left = le::U32(e + cfb::kEntryLeftOffset);
        entry.right = le::U32(e + cfb::kEntryRightOffset);
        entry.child = le::U32(e + cfb::kEntryChildOffset);
        entry.start = le::U32(e + cfb::kEntryStartOffset);
        // Version 3 files may carry garbage in the high half of the size.
        entry.size =
            version4_ ? le::U64(e + cfb::kEntrySizeOffset) : le::U32(e + cfb::kEntrySizeOffset);
        entries_.push_back(std::move(entry));
    }
    if (entries_.empty() || entries_[0].type != cfb::kRoot)
        return CfbResult::Corrupt;
    return CfbResult::Ok;
}

CfbResult CompoundFileReader::LoadMiniFat() {
    const std::uint32_t sectorSize = 1u << sectorShift_;
    std::uint32_t id = le::U32(image_.data() + cfb::kFirstMiniFatOffset);
    VisitSet visited(sectorCount_);
    while (id != cfb::kEndOfChain && id != cfb::kFreeSect) {
        if (id >= sectorCount_ || id >= fat_.size() || !visited.FirstVisit(id))
            return CfbResult::Corrupt;
        const std::uint64_t off = (std::uint64_t{id} + 1) * sectorSize;
        const std::uint64_t avail = std::min<std::uint64_t>(sectorSize, image_.size() - off);
        for (std::uint64_t b = 0; b + 4 <= avail; b += 4)
            miniFat_.push_back(le::U32(&image_[off + b]));
        miniFat_.resize(miniFat_.size() + (sectorSize - avail) / 4, cfb::kFreeSect);
        id = fat_[id];
    }
    return CfbResult::Ok;
}

CfbResult CompoundFileReader::ReadMiniChain(std::uint32_t start, std::uint64_t size,
                                            std::vector<std::uint8_t>& out) const {
    out.clear();
    if (!miniStreamLoaded_) {
        const Entry& root = entries_[0];
        if (CfbResult r = ReadChain(root.start, root.size, miniStream_); r != CfbResult::Ok)
            return r;
        miniStreamLoaded_ = true;
    }
    const std::size_t miniSectors = miniStream_.size() / cfb::kMiniSectorSize;
    if (size > std::uint64_t{miniSectors} * cfb::kMiniSectorSize)
        return CfbResult::Corrupt;
    out.reserve(size);
    VisitSet visited(std::min(miniSectors, miniFat_.size()));
    std::uint32_t id = start;
    while (out.size() < size) {
        if (!visited.FirstVisit(id))
            return CfbResult::Corrupt;
        const std::size_t off = std::size_t{id} * cfb::kMiniSectorSize;
        const std::size_t n = std::min<std::size_t>(cfb::kMiniSectorSize, size - out.size());
        out.insert(out.end(), miniStream_.begin() + off, miniStream_.begin() + off + n);
        id = miniFat_[id];
    }
    return CfbResult::Ok;
}

bool CompoundFileReader::RootChildren(std::vector<std::uint32_t>& out) const {
    // In-order walk of the sibling tree below the root, with an explicit stack: a hostile
    // directory can be deep or cyclic.
    VisitSet visited(entries_.size());
    visited.FirstVisit(0); // the root is nobody's sibling
    std::vector<std::uint32_t> stack;
    std::uint32_t id = entries_[0].child;
    while (id != cfb::kNoStream || !stack.empty()) {
        while (id != cfb::kNoStream) {
            if (!visited.FirstVisit(id))
                return false;
            stack.push_back(id);
            id = entries_[id].left;
        }
        id = stack.back();
        stack.pop_back();
        out.push_back(id);
        id = entries_[id].right;
    }
    return true;
}

CfbResult CompoundFileReader::ReadStream(std::u16string_view name,
                                         std::vector<std::uint8_t>& out) const {
    out.clear();
    if (entries_.empty())
        return CfbResult::NoSuchStream;
    std::vector<std::uint32_t> children;
    if (!RootChildren(children))
        return CfbResult::Corrupt;
    for (std::uint32_t id : children) {
        const Entry& e = entries_[id];
        if (e.type != cfb::kStream || !SameName(e.name, name))
            continue;
        if (e.size == 0)
            return CfbResult::Ok;
        return e.size < kMiniStreamCutoff ? ReadMiniChain(e.start, e.size, out)
                                          : ReadChain(e.start, e.size, out);
    }
    return CfbResult::NoSuchStream;
}

std::vector<std::u16string> CompoundFileReader::StreamNames() const {
    std::vector<std::u16string> names;
    std::vector<std::uint32_t> children;
    if (entries_.empty() || !RootChildren(children))
        return names;
    for (std::uint32_t id : children)
        if (entries_[id].type == cfb::kStream)
            names.push_back(entries_[id].name);
    return names;
}

CfbResult ReadCompoundStream(std::span<const std::uint8_t> image, std::u16string_view name,
                             std::vector<std::uint8_t>& out) {
    CompoundFileReader reader;
    if (CfbResult r = reader.Open(image); r != CfbResult::Ok)
        return r;
    return reader.ReadStream(name, out);
}

} // namespace chanforge::xls
