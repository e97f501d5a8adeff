// The lists of the left-hand panes: which records they show, their columns and cell texts.
#pragma once

#include "chanforge/editing/ChannelEdits.h"

#include <span>
#include <string>

namespace chanforge::editing {

enum class ListKind { Satellite, Transponder, TerrestrialMux, CableMux, Provider };

enum class Hidden { Never, Simple, Always };

struct ListColumn {
    const char* header;
    const char* widthTemplate;
    Hidden hidden;
    bool rightAligned;
};

std::span<const ListColumn> ListColumns(ListKind kind);
bool ListColumnHidden(ListKind kind, int column, bool simpleMode);
/// Whether column 0 holds running row numbers (all lists but the multiplex list).
inline bool ListNumbersRows(ListKind kind) {
    return kind != ListKind::TerrestrialMux;
}

/// The RowIDs a list shows, in table order. satelliteId narrows the transponder list to one
/// satellite (0 = all). The multiplex list gives rows of table 4 on combination products and
/// of table 1 otherwise.
RowIds ListRows(tabstore::CQoDB& db, ListKind kind, Product product, std::uint32_t satelliteId = 0);

/// Cell text of a data column; column 0 of a numbering list is the view's business ("").
std::string ListCellText(tabstore::CQoDB& db, ListKind kind, std::uint32_t key, int column,
                         Product product);

/// The key a multiplex row hands to the channel filter and to drops: the transponder row
/// on combination products, the multiplex's TPID on terrestrial-only ones.
std::uint32_t MuxListKey(tabstore::CQoDB& db, std::uint32_t rowId, Product product);

/// Sorts rows by the text of a column, as a header click does.
void SortListByText(tabstore::CQoDB& db, ListKind kind, RowIds& rows, int column, bool descending,
                    Product product);

} // namespace chanforge::editing
