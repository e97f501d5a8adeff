#include "chanforge/reference/NameKey.h"

#include <QString>

namespace chanforge::reference {

namespace {

bool IsAsciiAlnum(unsigned char b) {
    return (b >= '0' && b <= '9') || (b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z');
}

unsigned char Lower(unsigned char b) {
    return b >= 'A' && b <= 'Z' ? static_cast<unsigned char>(b + 0x20) : b;
}

} // namespace

std::string NameKey(std::string_view name) {
    QString key;
    key.reserve(static_cast<qsizetype>(name.size()));
    for (const QChar c : QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())))
        if (c.unicode() >= 0x80 || IsAsciiAlnum(static_cast<unsigned char>(c.unicode())))
            key += c.toLower();
    return key.toStdString();
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
