#include "chanforge/xls/CompoundFile.h"

#include "CfbFormat.h"
#include "LittleEndian.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <numeric>
#include <span>

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

/// Chains count consecutive entries of table from first on; the last one ends the chain.
void Chain(std::vector<std::uint32_t>& table, std::uint32_t first, std::uint32_t count) {
    for (std::uint32_t i = 0; i < count; ++i)
        table[first + i] = i + 1 < count ? first + i + 1 : cfb::kEndOfChain;
}

using Stream = CompoundFileWriter::Stream;

/// Where each part of the image lies, in sector ids after the header. The parts follow each
/// other in this order: FAT, DIFAT, directory, mini FAT, mini stream, large streams.
struct Layout {
    std::uint32_t miniSectors = 0; ///< 64-byte sectors of the streams below the cutoff
    std::uint32_t bigSectors = 0;  ///< sectors of the streams at or above it
    std::uint32_t miniStreamSectors = 0, miniFatSectors = 0, dirSectors = 0;
    std::uint32_t fatSectors = 1, difatSectors = 0;
    std::uint32_t firstDifat = 0, firstDir = 0, firstMiniFat = 0, firstMiniStream = 0;
    std::uint32_t firstBig = 0, totalSectors = 0;
};

bool InMiniStream(const Stream& s) {
    return s.data.size() < kMiniStreamCutoff;
}

void CountDataSectors(std::span<const Stream> streams, Layout& l) {
    for (const Stream& s : streams) {
        if (InMiniStream(s))
            l.miniSectors += CeilDiv(s.data.size(), cfb::kMiniSectorSize);
        else
            l.bigSectors += CeilDiv(s.data.size(), cfb::kSectorSize);
    }
    l.miniStreamSectors =
        CeilDiv(std::uint64_t{l.miniSectors} * cfb::kMiniSectorSize, cfb::kSectorSize);
    l.miniFatSectors = CeilDiv(l.miniSectors, kIdsPerSector);
    l.dirSectors = CeilDiv(streams.size() + 1, kEntriesPerSector);
}

/// The FAT must also map its own sectors and those of the DIFAT: grow it until it fits.
void SizeFat(Layout& l) {
    const std::uint32_t dataSectors =
        l.dirSectors + l.miniFatSectors + l.miniStreamSectors + l.bigSectors;
    for (;;) {
        l.difatSectors = l.fatSectors > cfb::kHeaderDifatEntries
                             ? CeilDiv(l.fatSectors - cfb::kHeaderDifatEntries, kIdsPerDifat)
                             : 0;
        const std::uint32_t needed =
            CeilDiv(std::uint64_t{dataSectors} + l.fatSectors + l.difatSectors, kIdsPerSector);
        if (needed <= l.fatSectors)
            return;
        l.fatSectors = needed;
    }
}

Layout PlanLayout(std::span<const Stream> streams) {
    Layout l;
    CountDataSectors(streams, l);
    SizeFat(l);
    l.firstDifat = l.fatSectors;
    l.firstDir = l.firstDifat + l.difatSectors;
    l.firstMiniFat = l.firstDir + l.dirSectors;
    l.firstMiniStream = l.firstMiniFat + l.miniFatSectors;
    l.firstBig = l.firstMiniStream + l.miniStreamSectors;
    l.totalSectors = l.firstBig + l.bigSectors;
    return l;
}

/// The image under construction and its two allocation tables.
class ImageBuilder {
  public:
    explicit ImageBuilder(const Layout& layout)
        : l_(layout),
          image_(cfb::kHeaderSize + std::size_t{layout.totalSectors} * cfb::kSectorSize, 0),
          fat_(std::size_t{layout.fatSectors} * kIdsPerSector, cfb::kFreeSect),
          miniFat_(std::size_t{layout.miniFatSectors} * kIdsPerSector, cfb::kFreeSect) {
        std::fill_n(fat_.begin(), l_.fatSectors, cfb::kFatSect);
        std::fill_n(fat_.begin() + l_.firstDifat, l_.difatSectors, cfb::kDifSect);
        Chain(fat_, l_.firstDir, l_.dirSectors);
        Chain(fat_, l_.firstMiniFat, l_.miniFatSectors);
        Chain(fat_, l_.firstMiniStream, l_.miniStreamSectors);
    }

    /// Copies every stream's bytes into place and chains them; the first sector (or mini
    /// sector) of each.
    std::vector<std::uint32_t> PlaceStreams(std::span<const Stream> streams) {
        std::vector<std::uint32_t> starts(streams.size(), cfb::kEndOfChain);
        std::uint32_t nextBig = l_.firstBig, nextMini = 0;
        for (std::size_t i = 0; i < streams.size(); ++i) {
            const std::vector<std::uint8_t>& data = streams[i].data;
            if (data.empty())
                continue;
            if (InMiniStream(streams[i])) {
                starts[i] = nextMini;
                nextMini += Place(miniFat_, nextMini, cfb::kMiniSectorSize, data,
                                  Sector(l_.firstMiniStream));
            } else {
                starts[i] = nextBig;
                nextBig += Place(fat_, nextBig, cfb::kSectorSize, data, Sector(0));
            }
        }
        return starts;
    }

    /// The header with the first 109 FAT sector ids, the DIFAT sectors with the rest, then the
    /// FAT and the mini FAT.
    void PutAllocationTables() {
        PutHeader();
        for (std::uint32_t d = 0; d < l_.difatSectors; ++d)
            PutDifatSector(d);
        PutTable(fat_, Sector(0));
        PutTable(miniFat_, Sector(l_.firstMiniFat));
    }

    std::uint8_t* Sector(std::uint32_t id) {
        return image_.data() + cfb::kHeaderSize + std::size_t{id} * cfb::kSectorSize;
    }

    std::vector<std::uint8_t> Take() { return std::move(image_); }

  private:
    /// Copies data to sector first on (of sectorSize bytes from base) and chains it; the count.
    static std::uint32_t Place(std::vector<std::uint32_t>& table, std::uint32_t first,
                               std::uint32_t sectorSize, const std::vector<std::uint8_t>& data,
                               std::uint8_t* base) {
        const std::uint32_t n = CeilDiv(data.size(), sectorSize);
        Chain(table, first, n);
        std::memcpy(base + std::size_t{first} * sectorSize, data.data(), data.size());
        return n;
    }

    void PutHeader() {
        std::uint8_t* h = image_.data();
        std::memcpy(h, cfb::kSignature, sizeof cfb::kSignature);
        le::Put16(h + cfb::kMinorVersionOffset, 0x003B);
        le::Put16(h + cfb::kMajorVersionOffset, 3);
        le::Put16(h + cfb::kByteOrderOffset, 0xFFFE);
        le::Put16(h + cfb::kSectorShiftOffset, 9);
        le::Put16(h + cfb::kMiniSectorShiftOffset, 6);
        le::Put32(h + cfb::kDirSectorCountOffset, 0); // always 0 in version 3
        le::Put32(h + cfb::kFatSectorCountOffset, l_.fatSectors);
        le::Put32(h + cfb::kFirstDirSectorOffset, l_.firstDir);
        le::Put32(h + cfb::kMiniCutoffOffset, kMiniStreamCutoff);
        le::Put32(h + cfb::kFirstMiniFatOffset,
                  l_.miniFatSectors ? l_.firstMiniFat : cfb::kEndOfChain);
        le::Put32(h + cfb::kMiniFatCountOffset, l_.miniFatSectors);
        le::Put32(h + cfb::kFirstDifatOffset, l_.difatSectors ? l_.firstDifat : cfb::kEndOfChain);
        le::Put32(h + cfb::kDifatCountOffset, l_.difatSectors);
        for (std::uint32_t i = 0; i < cfb::kHeaderDifatEntries; ++i)
            le::Put32(h + cfb::kHeaderDifatOffset + 4 * i, i < l_.fatSectors ? i : cfb::kFreeSect);
    }

    /// DIFAT sector d: the next kIdsPerDifat FAT sector ids, then the link to the next one.
    void PutDifatSector(std::uint32_t d) {
        std::uint8_t* s = Sector(l_.firstDifat + d);
        for (std::uint32_t k = 0; k < kIdsPerDifat; ++k) {
            const std::uint64_t fatId =
                cfb::kHeaderDifatEntries + std::uint64_t{d} * kIdsPerDifat + k;
            le::Put32(s + 4 * k,
                      fatId < l_.fatSectors ? static_cast<std::uint32_t>(fatId) : cfb::kFreeSect);
        }
        le::Put32(s + 4 * kIdsPerDifat,
                  d + 1 < l_.difatSectors ? l_.firstDifat + d + 1 : cfb::kEndOfChain);
    }

    static void PutTable(const std::vector<std::uint32_t>& table, std::uint8_t* at) {
        for (std::size_t i = 0; i < table.size(); ++i)
            le::Put32(at + 4 * i, table[i]);
    }

    const Layout& l_;
    std::vector<std::uint8_t> image_;
    std::vector<std::uint32_t> fat_, miniFat_;
};

/// The red-black sibling tree of the root's children: node 0 is the root, node i + 1 stream i.
std::vector<DirNode> DirectoryTree(std::span<const Stream> streams) {
    std::vector<DirNode> nodes(streams.size() + 1);
    std::vector<std::uint32_t> sorted(streams.size());
    std::iota(sorted.begin(), sorted.end(), 1u);
    std::sort(sorted.begin(), sorted.end(), [&](std::uint32_t a, std::uint32_t b) {
        return NameLess(streams[a - 1].name, streams[b - 1].name);
    });
    int fullDepth = 0, depth = 0; // levels that are full, and levels in use
    for (std::size_t n = sorted.size(), level = 1; n > 0; level *= 2, ++depth) {
        if (n >= level)
            ++fullDepth;
        n = n > level ? n - level : 0;
    }
    const int redDepth = depth > fullDepth ? depth - 1 : -1;
    nodes[0].child = BuildTree(sorted, 0, sorted.size(), 0, redDepth, nodes);
    return nodes;
}

/// The root, then the streams in the order they were made; the rest of the sector free.
void PutDirectory(std::uint8_t* dir, const Layout& l, std::span<const Stream> streams,
                  const std::vector<std::uint32_t>& starts) {
    const std::vector<DirNode> nodes = DirectoryTree(streams);
    for (std::uint32_t i = 0; i < l.dirSectors * kEntriesPerSector; ++i)
        PutFreeEntry(dir + i * cfb::kDirEntrySize);
    PutEntry(dir, u"Root Entry", cfb::kRoot, nodes[0],
             l.miniStreamSectors ? l.firstMiniStream : cfb::kEndOfChain,
             l.miniSectors * cfb::kMiniSectorSize);
    for (std::size_t i = 0; i < streams.size(); ++i)
        PutEntry(dir + (i + 1) * cfb::kDirEntrySize, streams[i].name, cfb::kStream, nodes[i + 1],
                 starts[i], static_cast<std::uint32_t>(streams[i].data.size()));
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
    const Layout layout = PlanLayout(streams_);
    ImageBuilder image(layout);
    const std::vector<std::uint32_t> starts = image.PlaceStreams(streams_);
    image.PutAllocationTables();
    PutDirectory(image.Sector(layout.firstDir), layout, streams_, starts);
    return image.Take();
}

} // namespace chanforge::xls
