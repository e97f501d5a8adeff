#include "chanforge/listprint/ListOptions.h"

#include <algorithm>

namespace chanforge::listprint {

std::string_view ColumnKey(ListColumn column) {
    switch (column) {
    case ListColumn::Number:
        return "number";
    case ListColumn::Name:
        return "name";
    case ListColumn::Delivery:
        return "transponder";
    case ListColumn::Provider:
        return "provider";
    case ListColumn::Scrambled:
        return "scrambled";
    case ListColumn::Locked:
        return "locked";
    case ListColumn::Skipped:
        return "skipped";
    case ListColumn::Favorites:
        return "favorites";
    }
    return {};
}

std::optional<ListColumn> ColumnFromKey(std::string_view key) {
    for (ListColumn column : kAllListColumns)
        if (ColumnKey(column) == key)
            return column;
    return std::nullopt;
}

std::optional<std::vector<ListColumn>> ParseColumnList(std::string_view list) {
    std::vector<ListColumn> columns;
    while (!list.empty()) {
        const std::size_t comma = list.find(',');
        const std::string_view word = list.substr(0, comma);
        list = comma == std::string_view::npos ? std::string_view() : list.substr(comma + 1);
        const std::optional<ListColumn> column = ColumnFromKey(word);
        if (!column)
            return std::nullopt;
        if (std::find(columns.begin(), columns.end(), *column) == columns.end())
            columns.push_back(*column);
    }
    if (columns.empty())
        return std::nullopt;
    return columns;
}

std::string ColumnListText(const std::vector<ListColumn>& columns) {
    std::string text;
    for (ListColumn column : columns) {
        if (!text.empty())
            text += ',';
        text += ColumnKey(column);
    }
    return text;
}

} // namespace chanforge::listprint
