// Tests on the text of one received line.
#pragma once

#include <string_view>

namespace qparser {

inline bool BeginsWith(std::string_view text, std::string_view literal) {
    return text.substr(0, literal.size()) == literal;
}

inline bool EndsWith(std::string_view text, std::string_view literal) {
    return text.size() >= literal.size() && text.substr(text.size() - literal.size()) == literal;
}

inline bool Contains(std::string_view text, std::string_view literal) {
    return text.find(literal) != std::string_view::npos;
}

/// Leading decimal digits of text.
inline int LeadingDigits(std::string_view text) {
    int count = 0;
    while (count < static_cast<int>(text.size()) && text[count] >= '0' && text[count] <= '9')
        ++count;
    return count;
}

/// Decimal value of the first count characters (all digits, count <= 9).
inline int DigitsValue(std::string_view text, int count) {
    int value = 0;
    for (int i = 0; i < count; ++i)
        value = value * 10 + (text[i] - '0');
    return value;
}

/// The version text of a line: from offset on, cut to the 64-byte area (zero-terminated).
inline void CopyVersionText(std::string_view line, std::size_t offset, char (&area)[64]) {
    const std::string_view text = offset < line.size() ? line.substr(offset) : std::string_view{};
    const std::size_t length = text.size() < 63 ? text.size() : 63;
    for (std::size_t i = 0; i < 64; ++i)
        area[i] = i < length ? text[i] : '\0';
}

} // namespace qparser
