#include "NameText.h"

#include "utils/CodeTable.h"
#include "utils/Strings.h"

#include <cstdio>

namespace cli {

namespace {

bool TerminalActsOn(unsigned char byte) {
    return byte < 0x20 || byte == 0x7F || (byte >= 0x80 && byte <= 0x9F) || byte == 0xFF;
}

std::string Escaped(unsigned char byte) {
    char escaped[5];
    std::snprintf(escaped, sizeof escaped, "\\x%02x", byte);
    return escaped;
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
        out += Escaped(b);
    }
    return out;
}

std::string TerminalUtf8(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        // C1 controls are U+0080 to U+009F: C2 80 to C2 9F.
        const auto next = i + 1 < utf8.size() ? static_cast<unsigned char>(utf8[i + 1]) : 0u;
        if (b == 0xC2 && next >= 0x80 && next <= 0x9F) {
            out += Escaped(static_cast<unsigned char>(next));
            ++i;
        } else if (b < 0x20 || b == 0x7F) {
            out += Escaped(b);
        } else {
            out += utf8[i];
        }
    }
    return out;
}

std::string TerminalName(std::string_view bytes, std::uint8_t codeTable) {
    return TerminalUtf8(utils::NameToUtf8(bytes, codeTable));
}

} // namespace cli
