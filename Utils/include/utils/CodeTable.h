// Channel names in the receiver's character tables. A channel's code table byte picks the
// ISO 8859 part its name bytes are in (1 Cyrillic, 2 Arabic, 3 Greek, 4 Hebrew, 5 Turkish,
// 6 Nordic, 7 Thai, 9 Baltic, 10 Celtic, 11 Western with the euro); 0, the reserved 8 and any
// other value read as Latin-1. The bytes stay as the receiver stored them: these only show a
// name as text and turn a text the operator typed into bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace utils {

/// Characters a table cannot hold are replaced by this when the operator lets names be cut.
inline constexpr char kReplacedCharacter = '?';

/// The name's bytes as UTF-8. A byte its table leaves without a character reads as the private
/// use character U+F700 + byte, so that encoding the text again gives the same byte.
std::string NameToUtf8(std::string_view bytes, std::uint8_t codeTable);

struct EncodedName {
    std::string bytes;        ///< the name in the table; replaced characters as kReplacedCharacter
    char32_t refused = 0;     ///< the first character the table cannot hold (0: none)
    std::size_t replaced = 0; ///< characters replaced (only when replacing was allowed)
    bool Encoded() const { return refused == 0; }
};

/// UTF-8 text as name bytes of the table. A character the table lacks (or a byte that is not
/// UTF-8, read as U+FFFD) refuses the text, or with replace becomes kReplacedCharacter.
EncodedName NameFromUtf8(std::string_view utf8, std::uint8_t codeTable, bool replace);

/// A character as the operator reads it in a message: itself in quotes and its code point,
/// e.g. "Ж" (U+0416); a control character by its code point alone.
std::string CharacterText(char32_t c);

} // namespace utils
