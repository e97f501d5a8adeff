// Fixed values of the compound file format (version 3 and 4 headers, sector markers).
#pragma once

#include <cstdint>

namespace chanforge::xls::cfb {

inline constexpr std::uint8_t kSignature[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};

inline constexpr std::uint32_t kMaxRegSect = 0xFFFFFFFA; ///< highest ordinary sector id
inline constexpr std::uint32_t kDifSect = 0xFFFFFFFC;
inline constexpr std::uint32_t kFatSect = 0xFFFFFFFD;
inline constexpr std::uint32_t kEndOfChain = 0xFFFFFFFE;
inline constexpr std::uint32_t kFreeSect = 0xFFFFFFFF;
inline constexpr std::uint32_t kNoStream = 0xFFFFFFFF;

inline constexpr std::uint32_t kHeaderSize = 512;
inline constexpr std::uint32_t kSectorSize = 512; ///< what we write (version 3)
inline constexpr std::uint32_t kMiniSectorSize = 64;
inline constexpr std::uint32_t kDirEntrySize = 128;
inline constexpr std::uint32_t kHeaderDifatEntries = 109;

// Header field offsets.
inline constexpr std::uint32_t kMinorVersionOffset = 24;
inline constexpr std::uint32_t kMajorVersionOffset = 26;
inline constexpr std::uint32_t kByteOrderOffset = 28;
inline constexpr std::uint32_t kSectorShiftOffset = 30;
inline constexpr std::uint32_t kMiniSectorShiftOffset = 32;
inline constexpr std::uint32_t kDirSectorCountOffset = 40;
inline constexpr std::uint32_t kFatSectorCountOffset = 44;
inline constexpr std::uint32_t kFirstDirSectorOffset = 48;
inline constexpr std::uint32_t kMiniCutoffOffset = 56;
inline constexpr std::uint32_t kFirstMiniFatOffset = 60;
inline constexpr std::uint32_t kMiniFatCountOffset = 64;
inline constexpr std::uint32_t kFirstDifatOffset = 68;
inline constexpr std::uint32_t kDifatCountOffset = 72;
inline constexpr std::uint32_t kHeaderDifatOffset = 76;

// Directory entry field offsets.
inline constexpr std::uint32_t kEntryNameLengthOffset = 64;
inline constexpr std::uint32_t kEntryTypeOffset = 66;
inline constexpr std::uint32_t kEntryColourOffset = 67;
inline constexpr std::uint32_t kEntryLeftOffset = 68;
inline constexpr std::uint32_t kEntryRightOffset = 72;
inline constexpr std::uint32_t kEntryChildOffset = 76;
inline constexpr std::uint32_t kEntryStartOffset = 116;
inline constexpr std::uint32_t kEntrySizeOffset = 120;

enum EntryType : std::uint8_t { kUnused = 0, kStorage = 1, kStream = 2, kRoot = 5 };
enum Colour : std::uint8_t { kRed = 0, kBlack = 1 };

} // namespace chanforge::xls::cfb
