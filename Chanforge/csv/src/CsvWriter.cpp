#include "chanforge/csv/Csv.h"

#include <algorithm>

namespace chanforge::csv {

namespace {

bool NeedsQuotes(std::string_view text, char separator) {
    const auto special = [separator](char c) {
        return c == separator || c == ',' || c == ';' || c == '\t' || c == '"' || c == '\r' ||
               c == '\n';
    };
    if (std::any_of(text.begin(), text.end(), special))
        return true;
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    return !text.empty() && (blank(text.front()) || blank(text.back()));
}

} // namespace

std::string Field(std::string_view text, char separator) {
    if (!NeedsQuotes(text, separator))
        return std::string(text);
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"')
            quoted.push_back('"');
        quoted.push_back(c);
    }
    quoted.push_back('"');
    return quoted;
}

void AppendRecord(std::string& out, std::span<const std::string> fields, char separator) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out.push_back(separator);
        out += Field(fields[i], separator);
    }
    out += "\r\n";
}

} // namespace chanforge::csv
