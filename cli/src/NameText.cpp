#include "NameText.h"

#include <cstdio>

namespace cli {

namespace {

bool TerminalActsOn(unsigned char byte) {
    return byte < 0x20 || byte == 0x7F || (byte >= 0x80 && byte <= 0x9F) || byte == 0xFF;
}

} // namespace

std::string Latin1Utf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 2);
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80) {
            out += c;
            continue;
        }
        out += static_cast<char>(0xC0 | b >> 6);
        out += static_cast<char>(0x80 | (b & 0x3F));
    }
    return out;
}

std::string TerminalText(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (!TerminalActsOn(b)) {
            out += c;
            continue;
        }
        char escaped[5];
        std::snprintf(escaped, sizeof escaped, "\\x%02x", b);
        out += escaped;
    }
    return out;
}

} // namespace cli
