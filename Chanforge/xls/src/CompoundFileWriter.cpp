#include "chanforge/xls/CompoundFile.h"

#include "CfbFormat.h"
#include "LittleEndian.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace chanforge::xls {

namespace {

constexpr std::uint32_t kIdsPerSector = cfb::kSectorSize / 4;
constexpr std::uint32_t kIdsPerDifat = kIdsPerSector - 1; // the last id links the next sector
constexpr std::uint32_t kEntriesPerSector = cfb::kSectorSize / cfb::kDirEntrySize;

std::uint32_t CeilDiv(std::uint64_t n, std::uint64_t d) {
    return static_cast<std::uint32_t>((n + d - 1) / d);
}

char16_t Upper(char16_t c) {
    return (c >= u'a' && c <= u'z') ? c - (u'a' - u'A') : c;
}

/// The container's order of sibling names: shorter first, then by upper-cased code units.
bool NameLess(const std::u16string& a, const std::u16string& b) {
    if (a.size() != b.size())
        return a.size() < b.size();
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Upper(a[i]) != Upper(b[i]))
            return Upper(a[i]) < Upper(b[i]);
    return false;
}

struct DirNode {
    std::uint32_t left = cfb::kNoStream, right = cfb::kNoStream, child = cfb::kNoStream;
    std::uint8_t colour = cfb::kBlack;
};

/// Builds a balanced search tree over sorted[lo, hi); nodes on the deepest level of an
/// incomplete tree are red so that every path holds the same number of black nodes.
std::uint32_t BuildTree(const std::vector<std::uint32_t>& sorted, std::size_t lo, std::size_t hi,
                        int depth, int redDepth, std::vector<DirNode>& nodes) {
    if (lo >= hi)
        return cfb::kNoStream;
    const std::size_t mid = lo + (hi - lo) / 2;
    const std::uint32_t id = sorted[mid];
    nodes[id].colour = depth == redDepth ? cfb::kRed : cfb::kBlack;
    nodes[id].left = BuildTree(sorted, lo, mid, depth + 1, redDepth, nodes);
    nodes[id].right = BuildTree(sorted, mid + 1, hi, depth + 1, redDepth, nodes);
    return id;
}

void PutEntry(std::uint8_t* e, std::u16string_view name, std::uint8_t type, const DirNode& node,
              std::uint32_t start, std::uint32_t size) {
    for (std::size_t i = 0; i < name.size(); ++i)
        le::Put16(e + 2 * i, name[i]);
    le::Put16(e + cfb::kEntryNameLengthOffset, static_cast<std::uint16_t>((name.size() + 1) * 2));
    e[cfb::kEntryTypeOffset] = type;
    e[cfb::kEntryColourOffset] = node.colour;
    le::Put32(e + cfb::kEntryLeftOffset, node.left);
    le::Put32(e + cfb::kEntryRightOffset, node.right);
    le::Put32(e + cfb::kEntryChildOffset, node.child);
    le::Put32(e + cfb::kEntryStartOffset, start);
    le::Put32(e + cfb::kEntrySizeOffset, size);
}

void PutFreeEntry(std::uint8_t* e) {
    std::memset(e, 0, cfb::kDirEntrySize);
    le::Put32(e + cfb::kEntryLeftOffset, cfb::kNoStream);
    le::Put32(e + cfb::kEntryRightOffset, cfb::kNoStream);
    le::Put32(e + cfb::kEntryChildOffset, cfb::kNoStream);
}

void PutHeader(std::uint8_t* h, std::uint32_t fatSectors, std::uint32_t firstDir,
               std::uint32_t firstMiniFat, std::uint32_t miniFatSectors, std::uint32_t firstDifat,
               std::uint32_t difatSectors) {
    std::memcpy(h, cfb::kSignature, sizeof cfb::kSignature);
    le::Put16(h + cfb::kMinorVersionOffset, 0x003B);
    le::Put16(h + cfb::kMajorVersionOffset, 3);
    le::Put16(h + cfb::kByteOrderOffset, 0xFFFE);
    le::Put16(h + cfb::kSectorShiftOffset, 9);
    le::Put16(h + cfb::kMiniSectorShiftOffset, 6);
    le::Put32(h + cfb::kDirSectorCountOffset, 0); // always 0 in version 3
    le::Put32(h + cfb::kFatSectorCountOffset, fatSectors);
    le::Put32(h + cfb::kFirstDirSectorOffset, firstDir);
    le::Put32(h + cfb::kMiniCutoffOffset, kMiniStreamCutoff);
    le::Put32(h + cfb::kFirstMiniFatOffset, firstMiniFat);
    le::Put32(h + cfb::kMiniFatCountOffset, miniFatSectors);
    le::Put32(h + cfb::kFirstDifatOffset, firstDifat);
    le::Put32(h + cfb::kDifatCountOffset, difatSectors);
}

/// Chains count consecutive entries of table from first on; the last one ends the chain.
void Chain(std::vector<std::uint32_t>& table, std::uint32_t first, std::uint32_t count) {
    for (std::uint32_t i = 0; i < count; ++i)
        table[first + i] = i + 1 < count ? first + i + 1 : cfb::kEndOfChain;
}

} // namespace

bool CompoundFileWriter::MakeStream(std::u16string_view name) {
    if (name.empty() || name.size() > kMaxEntryName)
        return false;
    const std::u16string key(name);
    for (const Stream& s : streams_)
        if (!NameLess(s.name, key) && !NameLess(key, s.name))
            return false;
    streams_.push_back(Stream{key, {}});
    return true;
}

bool CompoundFileWriter::WriteStream(std::u16string_view name, std::vector<std::uint8_t> bytes) {
    if (bytes.size() > std::numeric_limits<std::uint32_t>::max() - cfb::kSectorSize)
        return false;
    for (Stream& s : streams_)
        if (s.name == name) {
            s.data = std::move(bytes);
            return true;
        }
    return false;
}

std::vector<std::uint8_t> CompoundFileWriter::Image() const {
    // Sector sizes of everything but the allocation tables.
    std::uint32_t miniSectors = 0, bigSectors = 0;
    for (const Stream& s : streams_) {
        if (s.data.size() >= kMiniStreamCutoff)
            bigSectors += CeilDiv(s.data.size(), cfb::kSectorSize);
        else
            miniSectors += CeilDiv(s.data.size(), cfb::kMiniSectorSize);
    }
    const std::uint32_t miniStreamSectors =
        CeilDiv(std::uint64_t{miniSectors} * cfb::kMiniSectorSize, cfb::kSectorSize);
    const std::uint32_t miniFatSectors = CeilDiv(miniSectors, kIdsPerSector);
    const std::uint32_t dirSectors = CeilDiv(streams_.size() + 1, kEntriesPerSector);
    const std::uint32_t dataSectors = dirSectors + miniFatSectors + miniStreamSectors + bigSectors;

    // The FAT must also map its own sectors and those of the DIFAT: grow until it fits.
    std::uint32_t fatSectors = 1, difatSectors = 0;
    for (;;) {
        difatSectors = fatSectors > cfb::kHeaderDifatEntries
                           ? CeilDiv(fatSectors - cfb::kHeaderDifatEntries, kIdsPerDifat)
                           : 0;
        const std::uint32_t needed =
            CeilDiv(std::uint64_t{dataSectors} + fatSectors + difatSectors, kIdsPerSector);
        if (needed <= fatSectors)
            break;
        fatSectors = needed;
    }

    const std::uint32_t firstDifat = fatSectors;
    const std::uint32_t firstDir = firstDifat + difatSectors;
    const std::uint32_t firstMiniFat = firstDir + dirSectors;
    const std::uint32_t firstMiniStream = firstMiniFat + miniFatSectors;
    std::uint32_t nextBig = firstMiniStream + miniStreamSectors;
    const std::uint32_t totalSectors = nextBig + bigSectors;

    std::vector<std::uint8_t> image(cfb::kHeaderSize + std::size_t{totalSectors} * cfb::kSectorSize,
                                    0);
    auto sector = [&](std::uint32_t id) {
        return image.data() + cfb::kHeaderSize + std::size_t{id} * cfb::kSectorSize;
    };

    std::vector<std::uint32_t> fat(std::size_t{fatSectors} * kIdsPerSector, cfb::kFreeSect);
    std::fill_n(fat.begin(), fatSectors, cfb::kFatSect);
    std::fill_n(fat.begin() + firstDifat, difatSectors, cfb::kDifSect);
    Chain(fat, firstDir, dirSectors);
    Chain(fat, firstMiniFat, miniFatSectors);
    Chain(fat, firstMiniStream, miniStreamSectors);

    std::vector<std::uint32_t> miniFat(std::size_t{miniFatSectors} * kIdsPerSector, cfb::kFreeSect);
    std::vector<std::uint32_t> starts(streams_.size(), cfb::kEndOfChain);
    std::uint32_t nextMini = 0;
    for (std::size_t i = 0; i < streams_.size(); ++i) {
        const std::vector<std::uint8_t>& data = streams_[i].data;
        if (data.empty())
            continue;
        if (data.size() >= kMiniStreamCutoff) {
            const std::uint32_t n = CeilDiv(data.size(), cfb::kSectorSize);
            Chain(fat, nextBig, n);
            std::memcpy(sector(nextBig), data.data(), data.size());
            starts[i] = nextBig;
            nextBig += n;
        } else {
            const std::uint32_t n = CeilDiv(data.size(), cfb::kMiniSectorSize);
            Chain(miniFat, nextMini, n);
            std::memcpy(sector(firstMiniStream) + std::size_t{nextMini} * cfb::kMiniSectorSize,
                        data.data(), data.size());
            starts[i] = nextMini;
            nextMini += n;
        }
    }

    // FAT sector ids: the first 109 in the header, the rest in the DIFAT sectors.
    std::uint8_t* header = image.data();
    PutHeader(header, fatSectors, firstDir, miniFatSectors ? firstMiniFat : cfb::kEndOfChain,
              miniFatSectors, difatSectors ? firstDifat : cfb::kEndOfChain, difatSectors);
    for (std::uint32_t i = 0; i < cfb::kHeaderDifatEntries; ++i)
        le::Put32(header + cfb::kHeaderDifatOffset + 4 * i, i < fatSectors ? i : cfb::kFreeSect);
    for (std::uint32_t d = 0; d < difatSectors; ++d) {
        std::uint8_t* s = sector(firstDifat + d);
        for (std::uint32_t k = 0; k < kIdsPerDifat; ++k) {
            const std::uint64_t fatId =
                cfb::kHeaderDifatEntries + std::uint64_t{d} * kIdsPerDifat + k;
            le::Put32(s + 4 * k,
                      fatId < fatSectors ? static_cast<std::uint32_t>(fatId) : cfb::kFreeSect);
        }
        le::Put32(s + 4 * kIdsPerDifat,
                  d + 1 < difatSectors ? firstDifat + d + 1 : cfb::kEndOfChain);
    }
    for (std::size_t i = 0; i < fat.size(); ++i)
        le::Put32(sector(0) + 4 * i, fat[i]);
    for (std::size_t i = 0; i < miniFat.size(); ++i)
        le::Put32(sector(firstMiniFat) + 4 * i, miniFat[i]);

    // Directory: the root, then the streams in the order they were made.
    std::vector<DirNode> nodes(streams_.size() + 1);
    std::vector<std::uint32_t> sorted;
    for (std::uint32_t i = 0; i < streams_.size(); ++i)
        sorted.push_back(i + 1);
    std::sort(sorted.begin(), sorted.end(), [&](std::uint32_t a, std::uint32_t b) {
        return NameLess(streams_[a - 1].name, streams_[b - 1].name);
    });
    int fullDepth = 0, depth = 0; // levels that are full, and levels in use
    for (std::size_t n = sorted.size(), level = 1; n > 0; level *= 2, ++depth) {
        if (n >= level)
            ++fullDepth;
        n = n > level ? n - level : 0;
    }
    const int redDepth = depth > fullDepth ? depth - 1 : -1;
    nodes[0].child = BuildTree(sorted, 0, sorted.size(), 0, redDepth, nodes);

    std::uint8_t* dir = sector(firstDir);
    for (std::uint32_t i = 0; i < dirSectors * kEntriesPerSector; ++i)
        PutFreeEntry(dir + i * cfb::kDirEntrySize);
    PutEntry(dir, u"Root Entry", cfb::kRoot, nodes[0],
             miniStreamSectors ? firstMiniStream : cfb::kEndOfChain,
             miniSectors * cfb::kMiniSectorSize);
    for (std::size_t i = 0; i < streams_.size(); ++i)
        PutEntry(dir + (i + 1) * cfb::kDirEntrySize, streams_[i].name, cfb::kStream, nodes[i + 1],
                 starts[i], static_cast<std::uint32_t>(streams_[i].data.size()));
    return image;
}

} // namespace chanforge::xls
