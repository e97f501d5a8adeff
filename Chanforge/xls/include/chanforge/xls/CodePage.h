// The 8-bit code page that names in a workbook without the names mark are in: what earlier
// versions wrote, whatever each channel's code table.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace chanforge::xls {

inline constexpr std::uint32_t kDefaultCodePage = 1252;
/// Settings value (under the Chanforge key) holding the code page number.
inline constexpr const char* kCodePageSetting = "Workbook Code Page";

/// A single-byte Windows code page. Every byte has a character: bytes the code page leaves
/// undefined map to the control character of the same number, so names survive a round trip.
class CodePage {
  public:
    /// 1252 is built in; other single-byte code pages come from the C library's converters.
    /// None for an unknown or a multi-byte code page.
    static std::optional<CodePage> ForNumber(std::uint32_t number);

    std::uint32_t Number() const { return number_; }
    /// Bytes up to the first NUL, as UTF-16.
    std::u16string Decode(std::string_view bytes) const;
    /// Characters up to the first NUL as bytes; a character the code page lacks becomes '?'.
    std::string Encode(std::u16string_view text) const;
    /// Whether every character up to the first NUL has a byte.
    bool Holds(std::u16string_view text) const;

  private:
    CodePage(std::uint32_t number, const char16_t (&table)[256]);

    std::uint32_t number_;
    char16_t toUnicode_[256];
    std::vector<std::int16_t> fromUnicode_; ///< by UTF-16 unit: the byte, or -1
};

/// The code page the settings name (default 1252; an unusable value falls back to 1252).
CodePage WorkbookCodePage();

} // namespace chanforge::xls
