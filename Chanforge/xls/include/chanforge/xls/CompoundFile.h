// The compound file container of an .xls workbook: a small file system of streams in one file.
//
// Both sides work on memory images; utils::ReadWholeFile and utils::ReplaceFile do the file.
// The reader treats every image as hostile: sector ids, chains, sizes and the directory tree are
// checked, memory stays proportional to the image and every walk is bounded.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace chanforge::xls {

enum class [[nodiscard]] CfbResult{
    Ok,
    NotCompoundFile, ///< the signature is missing
    Corrupt,         ///< a table, chain or directory entry is inconsistent or out of range
    NoSuchStream,
};

/// Streams of this size and above live in regular sectors; smaller ones in the mini stream.
inline constexpr std::uint32_t kMiniStreamCutoff = 4096;
/// Longest entry name, in UTF-16 units, without its terminating NUL.
inline constexpr std::size_t kMaxEntryName = 31;

/// Reads streams of the root storage from a compound file image that the caller keeps alive.
class CompoundFileReader {
  public:
    /// Checks the signature and loads the allocation tables and the directory.
    CfbResult Open(std::span<const std::uint8_t> image);
    /// The whole stream of that name among the root's children (names compare case-insensitively
    /// for ASCII letters, as the container prescribes).
    CfbResult ReadStream(std::u16string_view name, std::vector<std::uint8_t>& out) const;
    /// Names of the streams directly in the root storage, in directory order.
    std::vector<std::u16string> StreamNames() const;

  private:
    struct Entry {
        std::u16string name;
        std::uint8_t type = 0;
        std::uint32_t left = 0, right = 0, child = 0;
        std::uint32_t start = 0;
        std::uint64_t size = 0;
    };

    CfbResult LoadFat();
    CfbResult LoadDirectory();
    CfbResult LoadMiniFat();
    CfbResult ReadChain(std::uint32_t start, std::uint64_t size,
                        std::vector<std::uint8_t>& out) const;
    CfbResult ReadMiniChain(std::uint32_t start, std::uint64_t size,
                            std::vector<std::uint8_t>& out) const;
    /// Children of the root in tree order; false when the sibling tree is malformed or cyclic.
    [[nodiscard]] bool RootChildren(std::vector<std::uint32_t>& out) const;

    std::span<const std::uint8_t> image_;
    std::uint32_t sectorShift_ = 9;
    std::uint32_t sectorCount_ = 0;
    bool version4_ = false;
    std::vector<std::uint32_t> fat_;
    std::vector<std::uint32_t> miniFat_;
    std::vector<Entry> entries_;
    mutable std::vector<std::uint8_t> miniStream_;
    mutable bool miniStreamLoaded_ = false;
};

/// Builds a new compound file (version 3, 512-byte sectors) whose root holds the given streams.
class CompoundFileWriter {
  public:
    /// A stream of the root: its name and its bytes.
    struct Stream {
        std::u16string name;
        std::vector<std::uint8_t> data;
    };

    /// Adds an empty stream to the root; false when the name is empty, too long or taken.
    bool MakeStream(std::u16string_view name);
    /// Replaces the bytes of a stream made before (taken over, not copied); false for an unknown
    /// name or a stream of 4 GiB or more.
    bool WriteStream(std::u16string_view name, std::vector<std::uint8_t> bytes);
    /// The complete file image.
    std::vector<std::uint8_t> Image() const;

  private:
    std::vector<Stream> streams_;
};

/// Reads one stream of a compound file image; shorthand for Open followed by ReadStream.
CfbResult ReadCompoundStream(std::span<const std::uint8_t> image, std::u16string_view name,
                             std::vector<std::uint8_t>& out);

} // namespace chanforge::xls
