#include "chanforge/editing/TextOrder.h"

#include <cctype>
#include <cstdint>

namespace chanforge::editing {

namespace {

bool IsDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

/// Reads the number starting at i (thousands separators between digits included) and moves i
/// past it. Digits beyond what fits keep the value saturated: such texts are ids, not numbers.
std::uint64_t ReadNumber(std::string_view text, std::size_t& i) {
    std::uint64_t value = 0;
    while (i < text.size()) {
        if (IsDigit(text[i])) {
            const std::uint64_t digit = static_cast<std::uint64_t>(text[i] - '0');
            value = value > (UINT64_MAX - digit) / 10 ? UINT64_MAX : value * 10 + digit;
            ++i;
        } else if (text[i] == ',' && i + 1 < text.size() && IsDigit(text[i + 1])) {
            ++i;
        } else {
            break;
        }
    }
    return value;
}

int Folded(char c) {
    return std::tolower(static_cast<unsigned char>(c));
}

} // namespace

bool NaturalLess(std::string_view a, std::string_view b) {
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (IsDigit(a[i]) && IsDigit(b[j])) {
            const std::uint64_t x = ReadNumber(a, i);
            const std::uint64_t y = ReadNumber(b, j);
            if (x != y)
                return x < y;
            continue;
        }
        if (Folded(a[i]) != Folded(b[j]))
            return Folded(a[i]) < Folded(b[j]);
        ++i;
        ++j;
    }
    return a.size() - i < b.size() - j;
}

} // namespace chanforge::editing
