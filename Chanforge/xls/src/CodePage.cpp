#include "chanforge/xls/CodePage.h"

#include "utils/Registry.h"

#include <algorithm>
#include <cerrno>
#include <iconv.h>

namespace chanforge::xls {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; its five undefined bytes stay controls.
constexpr char16_t kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

/// Decodes each byte alone with iconv; false for an unknown or a multi-byte code page.
bool IconvTable(std::uint32_t number, char16_t (&table)[256]) {
    const std::string name = "CP" + std::to_string(number);
    iconv_t cd = iconv_open("UTF-16LE", name.c_str());
    if (cd == reinterpret_cast<iconv_t>(-1))
        return false;
    bool singleByte = true;
    for (int b = 0; b < 256 && singleByte; ++b) {
        char in = static_cast<char>(b);
        unsigned char out[4] = {};
        char* inPtr = &in;
        char* outPtr = reinterpret_cast<char*>(out);
        std::size_t inLeft = 1, outLeft = sizeof out;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        const std::size_t r = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
        if (r == static_cast<std::size_t>(-1) && errno == EINVAL)
            singleByte = false; // a lead byte
        const bool one = r != static_cast<std::size_t>(-1) && outLeft == sizeof out - 2;
        table[b] = one ? static_cast<char16_t>(out[0] | (out[1] << 8)) : static_cast<char16_t>(b);
    }
    iconv_close(cd);
    return singleByte;
}

bool IsHighSurrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}
bool IsLowSurrogate(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

} // namespace

CodePage::CodePage(std::uint32_t number, const char16_t (&table)[256])
    : number_(number), fromUnicode_(0x10000, -1) {
    std::copy(std::begin(table), std::end(table), toUnicode_);
    // Where two bytes share a character the lower byte wins.
    for (int b = 255; b >= 0; --b)
        fromUnicode_[table[b]] = static_cast<std::int16_t>(b);
}

std::optional<CodePage> CodePage::ForNumber(std::uint32_t number) {
    char16_t table[256];
    if (number == 1252) {
        for (int b = 0; b < 256; ++b)
            table[b] = static_cast<char16_t>(b);
        std::copy(std::begin(kWindows1252High), std::end(kWindows1252High), table + 0x80);
    } else if (number == 0 || !IconvTable(number, table)) {
        return std::nullopt;
    }
    return CodePage(number, table);
}

std::u16string CodePage::Decode(std::string_view bytes) const {
    std::u16string out;
    out.reserve(bytes.size());
    for (char c : bytes) {
        if (c == '\0')
            break;
        out.push_back(toUnicode_[static_cast<unsigned char>(c)]);
    }
    return out;
}

std::string CodePage::Encode(std::u16string_view text) const {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size() && text[i] != u'\0'; ++i) {
        const char16_t c = text[i];
        if (IsHighSurrogate(c) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            out.push_back('?'); // one character outside the code page
            ++i;
            continue;
        }
        const std::int16_t b = fromUnicode_[c];
        out.push_back(b >= 0 ? static_cast<char>(b) : '?');
    }
    return out;
}

bool CodePage::Holds(std::u16string_view text) const {
    for (const char16_t c : text) {
        if (c == u'\0')
            return true;
        if (fromUnicode_[c] < 0) // surrogates included: no byte decodes to one
            return false;
    }
    return true;
}

CodePage WorkbookCodePage() {
    std::uint32_t number = kDefaultCodePage;
    GetRegistry(kChanforgeKey, kCodePageSetting, &number, kDefaultCodePage);
    if (auto page = CodePage::ForNumber(number))
        return *page;
    return *CodePage::ForNumber(kDefaultCodePage);
}

} // namespace chanforge::xls
