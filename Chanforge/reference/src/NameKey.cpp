#include "chanforge/reference/NameKey.h"

namespace chanforge::reference {

namespace {

bool IsAsciiAlnum(unsigned char b) {
    return (b >= '0' && b <= '9') || (b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z');
}

/// Latin-1 capitals (0xC0 to 0xDE but the multiplication sign) lie 0x20 below their small letters.
unsigned char Lower(unsigned char b) {
    if ((b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDE && b != 0xD7))
        return static_cast<unsigned char>(b + 0x20);
    return b;
}

} // namespace

std::string NameKey(std::string_view name) {
    std::string key;
    key.reserve(name.size());
    for (const char c : name) {
        const auto b = static_cast<unsigned char>(c);
        if (IsAsciiAlnum(b) || b >= 0x80)
            key.push_back(static_cast<char>(Lower(b)));
    }
    return key;
}

std::string WithoutHD(std::string_view name) {
    std::size_t end = name.size();
    while (end > 0 && !IsAsciiAlnum(static_cast<unsigned char>(name[end - 1])))
        --end;
    if (end < 2 || Lower(static_cast<unsigned char>(name[end - 2])) != 'h' ||
        Lower(static_cast<unsigned char>(name[end - 1])) != 'd')
        return {};
    // "HD" must be a word of its own: "UHD" or "ZDFHD" name other things.
    if (end > 2) {
        const auto before = static_cast<unsigned char>(name[end - 3]);
        if (IsAsciiAlnum(before) || before >= 0x80)
            return {};
    }
    return NameKey(name.substr(0, end - 2));
}

} // namespace chanforge::reference
