// What a printed or exported channel list holds: which channels, which columns, in which order,
// and how many columns of entries share a page.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace chanforge::listprint {

enum class ListColumn {
    Number,
    Name,
    Delivery, ///< satellite and transponder, or the multiplex
    Provider,
    Scrambled,
    Locked,
    Skipped,
    Favorites, ///< names of the favourite groups the channel belongs to
};

inline constexpr ListColumn kAllListColumns[] = {
    ListColumn::Number,    ListColumn::Name,   ListColumn::Delivery, ListColumn::Provider,
    ListColumn::Scrambled, ListColumn::Locked, ListColumn::Skipped,  ListColumn::Favorites};

enum class ListSort { Number, Name };

/// Which of the two channel kinds the list holds.
enum class ListKinds { Both, TV, Radio };

inline constexpr int kMaxPageColumns = 4;

struct ListOptions {
    std::vector<ListColumn> columns = {ListColumn::Number, ListColumn::Name};
    ListSort sort = ListSort::Number;
    ListKinds kinds = ListKinds::Both;
    int pageColumns = 1; ///< columns of entries side by side on a page, 1..kMaxPageColumns
};

/// The word scripts and the settings use for a column: "number", "name", "transponder",
/// "provider", "scrambled", "locked", "skipped", "favorites".
std::string_view ColumnKey(ListColumn column);
std::optional<ListColumn> ColumnFromKey(std::string_view key);

/// "number,name,provider" → those columns in that order, each once; nullopt when a word names
/// no column or the list names none.
std::optional<std::vector<ListColumn>> ParseColumnList(std::string_view list);
std::string ColumnListText(const std::vector<ListColumn>& columns);

} // namespace chanforge::listprint
