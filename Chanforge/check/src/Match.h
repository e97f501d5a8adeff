// Pairs the records of two tables by a key of what they are. Records with equal keys pair in
// their order; the rest are only on one side.
#pragma once

#include <algorithm>
#include <cstdint>
#include <tuple>
#include <vector>

namespace chanforge::check::detail {

struct Keyed {
    std::uint64_t key;
    std::uint32_t order; ///< pairs records of equal key (a channel's number, say)
    std::uint32_t row;

    bool operator<(const Keyed& o) const {
        return std::tie(key, order, row) < std::tie(o.key, o.order, o.row);
    }
};

/// Calls both(rowA, rowB), onlyA(rowA) or onlyB(rowB) for every record, in key order.
template <class Both, class OnlyA, class OnlyB>
void Match(std::vector<Keyed> a, std::vector<Keyed> b, Both both, OnlyA onlyA, OnlyB onlyB) {
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    std::size_t i = 0, j = 0;
    while (i < a.size() || j < b.size()) {
        if (j == b.size() || (i < a.size() && a[i].key < b[j].key))
            onlyA(a[i++].row);
        else if (i == a.size() || b[j].key < a[i].key)
            onlyB(b[j++].row);
        else
            both(a[i++].row, b[j++].row);
    }
}

} // namespace chanforge::check::detail
