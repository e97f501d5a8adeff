#include "chanforge/csv/TextEncoding.h"

#include <algorithm>
#include <cstring>

namespace chanforge::csv {

namespace {

constexpr char16_t kReplacement = 0xFFFD;

/// Bytes from a lead byte's count of the code point: 1 for ASCII, 0 for a byte that starts none.
int SequenceLength(unsigned char lead) {
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

bool IsAscii(char c) {
    return (static_cast<unsigned char>(c) & 0x80) == 0;
}

/// Where the run of ASCII bytes from at ends, taken eight bytes at a time where it can be.
std::size_t AsciiRunEnd(std::string_view text, std::size_t at) {
    constexpr std::uint64_t kHighBits = 0x8080808080808080u;
    for (std::uint64_t word = 0; at + sizeof word <= text.size(); at += sizeof word) {
        std::memcpy(&word, text.data() + at, sizeof word);
        if ((word & kHighBits) != 0)
            break;
    }
    while (at < text.size() && IsAscii(text[at]))
        ++at;
    return at;
}

bool IsUtf8(std::string_view text) {
    for (std::size_t at = AsciiRunEnd(text, 0); at < text.size(); at = AsciiRunEnd(text, at)) {
        const auto next = NextCodePoint(text.substr(at));
        if (!next)
            return false;
        at += static_cast<std::size_t>(next->second);
    }
    return true;
}

} // namespace

std::optional<std::pair<char32_t, int>> NextCodePoint(std::string_view text) {
    if (text.empty())
        return std::nullopt;
    const int length = SequenceLength(static_cast<unsigned char>(text[0]));
    if (length == 0 || static_cast<std::size_t>(length) > text.size())
        return std::nullopt;
    char32_t value = length == 1 ? static_cast<unsigned char>(text[0])
                                 : static_cast<unsigned char>(text[0]) & (0x7F >> length);
    for (int i = 1; i < length; ++i) {
        const auto b = static_cast<unsigned char>(text[static_cast<std::size_t>(i)]);
        if ((b & 0xC0) != 0x80)
            return std::nullopt;
        value = value << 6 | (b & 0x3F);
    }
    constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    if (value < kLeast[length] || (value >= 0xD800 && value <= 0xDFFF) || value > 0x10FFFF)
        return std::nullopt;
    return std::pair{value, length};
}

TextEncoding EncodingOf(std::string_view text) {
    const std::size_t first = AsciiRunEnd(text, 0);
    if (first == text.size())
        return TextEncoding::Ascii;
    return IsUtf8(text.substr(first)) ? TextEncoding::Utf8 : TextEncoding::Latin1;
}

std::string_view WithoutByteOrderMark(std::string_view text) {
    return text.starts_with("\xEF\xBB\xBF") ? text.substr(3) : text;
}

std::u16string FromUtf8(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    while (!text.empty()) {
        const auto next = NextCodePoint(text);
        if (!next) {
            out.push_back(kReplacement);
            text.remove_prefix(1);
            continue;
        }
        const char32_t c = next->first;
        if (c < 0x10000) {
            out.push_back(static_cast<char16_t>(c));
        } else {
            out.push_back(static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF)));
        }
        text.remove_prefix(static_cast<std::size_t>(next->second));
    }
    return out;
}

std::string ToUtf8(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        const bool high = c >= 0xD800 && c <= 0xDBFF;
        if (high && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF)
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        else if (c >= 0xD800 && c <= 0xDFFF)
            c = kReplacement;
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            out.push_back(static_cast<char>(0xC0 | c >> 6));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else if (c < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | c >> 12));
            out.push_back(static_cast<char>(0x80 | (c >> 6 & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | c >> 18));
            out.push_back(static_cast<char>(0x80 | (c >> 12 & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c >> 6 & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return out;
}

} // namespace chanforge::csv
