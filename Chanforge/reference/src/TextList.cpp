#include "chanforge/reference/TextList.h"

#include "utils/Strings.h"
#include "utils/Translatable.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <string_view>
#include <utility>

namespace chanforge::reference {

namespace {

std::string_view Trimmed(std::string_view s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blank(s.back()))
        s.remove_suffix(1);
    return s;
}

/// A decimal number 0..65535 and nothing else.
std::optional<std::uint16_t> Number(std::string_view s) {
    s = Trimmed(s);
    unsigned value = 0;
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (s.empty() || error != std::errc() || end != s.data() + s.size() || value > 0xFFFF)
        return std::nullopt;
    return static_cast<std::uint16_t>(value);
}

std::vector<std::string_view> Split(std::string_view s, char separator) {
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t at = s.find(separator, start);
        parts.push_back(s.substr(start, at == std::string_view::npos ? at : at - start));
        if (at == std::string_view::npos)
            return parts;
        start = at + 1;
    }
}

/// Characters of UTF-8 text: the bytes that start one.
std::size_t Characters(std::string_view utf8) {
    return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

/// The header line the guide shows, in each of its languages: a list may start with one.
bool IsHeader(std::string_view line) {
    std::string fields;
    for (const std::string_view field : Split(line, ';'))
        fields += std::string(fields.empty() ? "" : ";") + std::string(Trimmed(field));
    std::transform(fields.begin(), fields.end(), fields.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return fields == "pr#;name;onid-tsid-sid" || fields == "nr.;name;onid-tsid-sid" ||
           fields == "n.;nome;onid-tsid-sid";
}

std::optional<LineFault> ReadLine(std::string_view line, TextEncoding encoding, Service& out) {
    const std::vector<std::string_view> fields = Split(line, ';');
    if (fields.size() != 3)
        return LineFault::Fields;
    const auto number = Number(fields[0]);
    if (!number)
        return LineFault::Number;
    // Names stay text: applying puts each into its channel's own code table.
    const std::string name = encoding == TextEncoding::Latin1 ? Latin1ToUtf8(Trimmed(fields[1]))
                                                              : std::string(Trimmed(fields[1]));
    if (name.empty())
        return LineFault::EmptyName;
    if (Characters(name) >= kChannelNameSize)
        return LineFault::LongName;
    const std::vector<std::string_view> ids = Split(fields[2], '-');
    std::optional<std::uint16_t> onid, tsid, sid;
    if (ids.size() != 3 || !(onid = Number(ids[0])) || !(tsid = Number(ids[1])) ||
        !(sid = Number(ids[2])))
        return LineFault::Ids;
    out.number = *number;
    out.name = name;
    out.onid = *onid;
    out.tsid = *tsid;
    out.sid = *sid;
    return std::nullopt;
}

} // namespace

TextList ParseTextList(std::span<const std::uint8_t> bytes) {
    std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    TextList list;
    list.encoding = csv::EncodingOf(text);
    std::size_t lineNumber = 0;
    bool first = true;
    while (!text.empty()) {
        const std::size_t end = text.find_first_of("\r\n");
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end);
        // "\r\n" is one line end; a lone "\r" or "\n" is one too.
        if (text.starts_with("\r\n"))
            text.remove_prefix(2);
        else if (!text.empty())
            text.remove_prefix(1);
        ++lineNumber;
        if (Trimmed(line).empty())
            continue;
        if (std::exchange(first, false) && IsHeader(line))
            continue;
        Service entry;
        entry.row = static_cast<std::uint32_t>(std::min<std::size_t>(lineNumber, UINT32_MAX));
        if (const auto fault = ReadLine(line, list.encoding, entry))
            list.problems.push_back({lineNumber, *fault});
        else
            list.entries.push_back(std::move(entry));
    }
    return list;
}

bool LooksLikeText(std::span<const std::uint8_t> bytes) {
    std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    const std::size_t start = text.find_first_not_of(" \t\r\n");
    if (start == std::string_view::npos)
        return true;
    const std::string_view line = text.substr(start, text.find_first_of("\r\n", start) - start);
    const auto control = [](unsigned char c) { return (c < 0x20 && c != '\t') || c == 0x7F; };
    const auto printable = [](unsigned char c) { return c > 0x20 && c < 0x7F; };
    return std::none_of(line.begin(), line.end(), control) &&
           std::any_of(line.begin(), line.end(), printable);
}

std::optional<NulByte> FindNulByte(std::span<const std::uint8_t> bytes) {
    const auto nul = std::find(bytes.begin(), bytes.end(), 0);
    if (nul == bytes.end())
        return std::nullopt;
    // Lines counted as ParseTextList counts them: CR LF, CR or LF ends one.
    NulByte at{1, 1};
    for (auto b = bytes.begin(); b != nul; ++b) {
        const bool end = *b == '\n' || (*b == '\r' && (b + 1 == nul || b[1] != '\n'));
        at.line += end ? 1 : 0;
        at.column = end ? 1 : at.column + (*b == '\r' ? 0 : 1);
    }
    return at;
}

const char* LineFaultText(LineFault fault) {
    switch (fault) {
    case LineFault::Fields:
        return CF_TR_NOOP("Reference", "not three fields Pr#;Name;ONID-TSID-SID");
    case LineFault::Number:
        return CF_TR_NOOP("Reference", "the program number is not a number from 0 to 65535");
    case LineFault::Ids:
        return CF_TR_NOOP("Reference", "the ids are not three numbers ONID-TSID-SID");
    case LineFault::EmptyName:
        return CF_TR_NOOP("Reference", "the name is empty");
    case LineFault::LongName:
        return CF_TR_NOOP("Reference", "the name is longer than a channel name can be");
    }
    return "";
}

const char* EncodingNote(TextEncoding encoding) {
    switch (encoding) {
    case TextEncoding::Utf8:
        return CF_TR_NOOP("Reference", "The list was read as UTF-8.");
    case TextEncoding::Latin1:
        return CF_TR_NOOP("Reference", "The list was read as Latin-1: its bytes are not UTF-8.");
    case TextEncoding::Ascii:
        break;
    }
    return nullptr;
}

} // namespace chanforge::reference
