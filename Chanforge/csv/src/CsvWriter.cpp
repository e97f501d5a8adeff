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
    std::string out;
    AppendField(out, text, separator);
    return out;
}

void AppendField(std::string& out, std::string_view text, char separator) {
    if (!NeedsQuotes(text, separator)) {
        out += text;
        return;
    }
    out.push_back('"');
    for (char c : text) {
        if (c == '"')
            out.push_back('"');
        out.push_back(c);
    }
    out.push_back('"');
}

void AppendRecord(std::string& out, std::span<const std::string> fields, char separator) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out.push_back(separator);
        AppendField(out, fields[i], separator);
    }
    out += "\r\n";
}

} // namespace chanforge::csv
