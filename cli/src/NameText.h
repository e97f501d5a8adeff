// Names hold bytes of the receiver's code table, not text of any one encoding: JSON needs them as
// valid UTF-8, and a terminal must show them without obeying any of them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace cli {

/// A name field up to its first NUL (all of it when it has none).
template <std::size_t N> std::string_view FieldBytes(const char (&field)[N]) {
    return {field, ::strnlen(field, N)};
}

/// Each byte b as the character U+00bb in UTF-8 (the Latin-1 mapping), so no byte is lost.
std::string Latin1Utf8(std::string_view bytes);

/// The bytes as they are, except those a terminal may act on (C0 controls, DEL, the C1 range
/// 0x80-0x9F and 0xFF), which are written as \xNN.
std::string TerminalText(std::string_view bytes);

/// UTF-8 text as it is, except the control characters a terminal would act on (C0, DEL, C1),
/// which are written as \xNN with their code point.
std::string TerminalUtf8(std::string_view utf8);

/// A channel's name bytes as UTF-8 read through its code table, as TerminalUtf8 writes it (every
/// code table keeps the controls where Latin-1 has them, so \xNN is the byte stored).
std::string TerminalName(std::string_view bytes, std::uint8_t codeTable);

} // namespace cli
