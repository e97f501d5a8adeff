#include "NameText.h"

#include "utils/Strings.h"

#include <cstdio>

namespace cli {

namespace {

bool TerminalActsOn(unsigned char byte) {
    return byte < 0x20 || byte == 0x7F || (byte >= 0x80 && byte <= 0x9F) || byte == 0xFF;
}

} // namespace

std::string Latin1Utf8(std::string_view bytes) {
    return Latin1ToUtf8(bytes);
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
