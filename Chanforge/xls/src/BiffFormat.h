// Record types and fixed values of the BIFF8 records we read and write.
#pragma once

#include <cstdint>

namespace chanforge::xls::biff {

enum RecordType : std::uint16_t {
    kFormula = 0x0006,
    kEof = 0x000A,
    kFilePass = 0x002F,
    kFont = 0x0031,
    kContinue = 0x003C,
    kWindow1 = 0x003D,
    kBoundSheet = 0x0085,
    kMulRk = 0x00BD,
    kMulBlank = 0x00BE,
    kRString = 0x00D6,
    kDbCell = 0x00D7,
    kXf = 0x00E0,
    kSst = 0x00FC,
    kLabelSst = 0x00FD,
    kDimensions = 0x0200,
    kBlank = 0x0201,
    kNumber = 0x0203,
    kLabel = 0x0204,
    kBoolErr = 0x0205,
    kString = 0x0207,
    kRow = 0x0208,
    kIndex = 0x020B,
    kWindow2 = 0x023E,
    kRk = 0x027E,
    kStyle = 0x0293,
    kBof = 0x0809,
};

/// The record version of a BOF in Excel 97 and later.
inline constexpr std::uint16_t kBiff8Version = 0x0600;
inline constexpr std::uint16_t kGlobalsSubstream = 0x0005;
inline constexpr std::uint16_t kWorksheetSubstream = 0x0010;

inline constexpr std::size_t kRecordHeader = 4;
/// Longest record body; longer data continues in CONTINUE records.
inline constexpr std::size_t kMaxRecordBody = 8224;
/// Rows per row block (one DBCELL each).
inline constexpr std::uint32_t kRowsPerBlock = 32;
/// Cell format of every cell we write (the first cell format after the 15 style formats).
inline constexpr std::uint16_t kCellXf = 15;
/// RK integers hold 30 bits.
inline constexpr std::int32_t kRkMin = -536870912;
inline constexpr std::int32_t kRkMax = 536870911;

} // namespace chanforge::xls::biff
