#include "utils/CodeTable.h"

#include "CodeTablesData.h"

#include <cstdio>

namespace utils {

namespace {

using detail::kUpperHalfSize;
using detail::kUpperHalves;

constexpr unsigned kFirstUpper = 0xA0;
constexpr char32_t kKeptByteBase = 0xF700; ///< private use: a byte the table has no character for
constexpr char32_t kNotUtf8 = 0xFFFD;

const detail::UpperHalf& TableOf(std::uint8_t codeTable) {
    return kUpperHalves[codeTable < kUpperHalves.size() ? codeTable : 0];
}

char32_t CharacterOf(unsigned char byte, const detail::UpperHalf& table) {
    if (byte < kFirstUpper)
        return byte; // ASCII and the control ranges are the same in every part
    const char16_t c = table[byte - kFirstUpper];
    return c != 0 ? c : kKeptByteBase + byte;
}

/// The byte the table holds c in, or -1.
int ByteOf(char32_t c, const detail::UpperHalf& table) {
    if (c < kFirstUpper)
        return static_cast<int>(c);
    for (std::size_t i = 0; i < kUpperHalfSize; ++i) {
        const unsigned byte = static_cast<unsigned>(kFirstUpper + i);
        if (table[i] == c || (table[i] == 0 && c == kKeptByteBase + byte))
            return static_cast<int>(byte);
    }
    return -1;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | c >> 6);
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | c >> 12);
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | c >> 18);
        out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

/// The character starting at text[at], advancing at; kNotUtf8 (one byte on) for a byte that
/// does not start a well-formed sequence.
char32_t NextCharacter(std::string_view text, std::size_t& at) {
    const auto lead = static_cast<unsigned char>(text[at++]);
    if (lead < 0x80)
        return lead;
    const std::size_t more = lead >= 0xF0 && lead <= 0xF4 ? 3
                             : lead >= 0xE0               ? 2
                             : lead >= 0xC2               ? 1
                                                          : 0;
    if (more == 0 || lead > 0xF4 || at + more > text.size())
        return kNotUtf8;
    char32_t c = lead & (0x3F >> more);
    for (std::size_t i = 0; i < more; ++i) {
        const auto next = static_cast<unsigned char>(text[at + i]);
        if ((next & 0xC0) != 0x80)
            return kNotUtf8;
        c = c << 6 | (next & 0x3F);
    }
    static constexpr char32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
    if (c < kSmallest[more] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return kNotUtf8;
    at += more;
    return c;
}

} // namespace

std::string NameToUtf8(std::string_view bytes, std::uint8_t codeTable) {
    const detail::UpperHalf& table = TableOf(codeTable);
    std::string out;
    out.reserve(bytes.size() * 2);
    for (const char b : bytes)
        AppendUtf8(out, CharacterOf(static_cast<unsigned char>(b), table));
    return out;
}

EncodedName NameFromUtf8(std::string_view utf8, std::uint8_t codeTable, bool replace) {
    const detail::UpperHalf& table = TableOf(codeTable);
    EncodedName name;
    name.bytes.reserve(utf8.size());
    for (std::size_t at = 0; at < utf8.size();) {
        const char32_t c = NextCharacter(utf8, at);
        const int byte = c == kNotUtf8 ? -1 : ByteOf(c, table);
        if (byte >= 0) {
            name.bytes += static_cast<char>(byte);
        } else if (replace) {
            name.bytes += kReplacedCharacter;
            ++name.replaced;
        } else {
            name.refused = c;
            return name;
        }
    }
    return name;
}

std::string CharacterText(char32_t c) {
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
    if (c < 0x20 || (c >= 0x7F && c < 0xA0))
        return code; // a control character shows nothing between quotes
    std::string text = "\"";
    AppendUtf8(text, c);
    return text + "\" (" + code + ")";
}

} // namespace utils
