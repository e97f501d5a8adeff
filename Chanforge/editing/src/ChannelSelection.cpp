#include "chanforge/editing/ChannelSelection.h"

#include "Rows.h"
#include "chanforge/editing/ChannelColumns.h"
#include "chanforge/editing/ChannelName.h"

#include <QString>

#include <algorithm>

namespace chanforge::editing {

namespace {

template <class Pred> Selection Where(tabstore::CQoDB& db, const RowIds& keys, Pred&& pred) {
    Selection out(keys.size(), false);
    for (std::size_t i = 0; i < keys.size(); ++i)
        if (const auto* ch = rows::Channel(db, keys[i]))
            out[i] = pred(*ch);
    return out;
}

QString Folded(const std::string& utf8) {
    return QString::fromStdString(utf8).toCaseFolded();
}

} // namespace

Selection SelectRows(tabstore::CQoDB& db, const RowIds& keys, SelectWhat what, Product product) {
    switch (what) {
    case SelectWhat::All:
        return Selection(keys.size(), true);
    case SelectWhat::Locked:
        return Where(db, keys, [](const Channel_Info_Tag& ch) {
            return (ch.Attributes & attr::kLocked) != 0;
        });
    case SelectWhat::CAS:
        return Where(db, keys, [](const Channel_Info_Tag& ch) {
            return (ch.Attributes & attr::kScrambled) != 0;
        });
    case SelectWhat::Tuner1:
    case SelectWhat::Tuner2: {
        const std::string wanted = what == SelectWhat::Tuner1 ? "Tuner 1" : "Tuner 2";
        return Where(db, keys, [&](const Channel_Info_Tag& ch) {
            return ChannelCellText(ch, kColTuner, product, 0) == wanted;
        });
    }
    }
    return Selection(keys.size(), false);
}

Selection InvertSelection(const Selection& selection) {
    Selection out(selection.size());
    std::transform(selection.begin(), selection.end(), out.begin(), [](bool b) { return !b; });
    return out;
}

Selection SearchByName(tabstore::CQoDB& db, const RowIds& keys, const std::string& text) {
    const QString needle = Folded(text);
    return Where(db, keys,
                 [&](const Channel_Info_Tag& ch) { return Folded(NameText(ch)).contains(needle); });
}

RowIds SelectedKeys(const RowIds& keys, const Selection& selection) {
    RowIds out;
    for (std::size_t i = 0; i < keys.size() && i < selection.size(); ++i)
        if (selection[i])
            out.push_back(keys[i]);
    return out;
}

std::optional<std::size_t> NextSelected(const Selection& selection, std::size_t from,
                                        bool forward) {
    const std::size_t n = selection.size();
    for (std::size_t step = 1; step <= n; ++step) {
        std::size_t row = 0;
        if (from >= n) // no current row: from the first (or the last) on
            row = forward ? step - 1 : n - step;
        else
            row = forward ? (from + step) % n : (from + n - step) % n;
        if (selection[row])
            return row;
    }
    return std::nullopt;
}

} // namespace chanforge::editing
