// How the bytes of a text file are read: as UTF-8 when they are UTF-8, else each byte as one
// character, which is what a file written by an older program or in a receiver's code page holds.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace chanforge::csv {

enum class TextEncoding : std::uint8_t {
    Ascii,  ///< no byte above 0x7F: both readings agree
    Utf8,   ///< valid UTF-8
    Latin1, ///< not UTF-8: each byte is a character
};

/// How the whole text is read.
TextEncoding EncodingOf(std::string_view text);

/// The code point at the start of text and its length in bytes; none for bytes that are not
/// UTF-8 (overlong forms, surrogates and values past U+10FFFF included) or an empty text.
std::optional<std::pair<char32_t, int>> NextCodePoint(std::string_view text);

/// The text removed of a UTF-8 byte-order mark, when it starts with one.
std::string_view WithoutByteOrderMark(std::string_view text);

/// UTF-16 of a UTF-8 text; bytes that are not UTF-8 become U+FFFD each.
std::u16string FromUtf8(std::string_view text);
/// UTF-8 of a UTF-16 text; an unpaired surrogate becomes U+FFFD.
std::string ToUtf8(std::u16string_view text);

} // namespace chanforge::csv
