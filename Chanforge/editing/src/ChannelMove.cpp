#include "chanforge/editing/ChannelMove.h"

#include "Rows.h"

#include <algorithm>
#include <unordered_set>

namespace chanforge::editing {

namespace {

void SetNumber(Channel_Info_Tag& ch, std::uint16_t number, Product product) {
    ch.ProgramNum = number;
    ch.ShowNum = number;
    if (!product.UsesShowNum())
        ch.LogicalNumber = number;
}

} // namespace

void MoveChannels(tabstore::CQoDB& db, const RowIds& moved, std::uint32_t target, ChannelKind kind,
                  Product product) {
    const auto* targetChannel = rows::Channel(db, target);
    if (targetChannel == nullptr || moved.empty())
        return;
    int t = product.UsesShowNum() ? targetChannel->ShowNum : targetChannel->ProgramNum;
    for (std::uint32_t key : moved) {
        auto* m = rows::Channel(db, key);
        if (m == nullptr || !ShownIn(*m, kind))
            continue;
        const int from = m->ProgramNum;
        rows::ForEach<Channel_Info_Tag>(db, kChannelTable, [&](Channel_Info_Tag& c) {
            if (c.RowID == key || !ShownIn(c, kind))
                return;
            const int n = c.ProgramNum;
            if (from <= n && n < t)
                SetNumber(c, static_cast<std::uint16_t>(n - 1), product);
            else if (t <= n && n < from)
                SetNumber(c, static_cast<std::uint16_t>(n + 1), product);
        });
        if (t < from)
            SetNumber(*m, static_cast<std::uint16_t>(t++), product);
        else if (from < t)
            SetNumber(*m, static_cast<std::uint16_t>(t - 1), product);
    }
}

EditResult MoveClipboardHere(tabstore::CQoDB& db, const ChannelClipboard& clipboard,
                             std::uint32_t target, ChannelKind kind, Product product) {
    if (clipboard.Empty() || target == 0)
        return EditResult::Nothing;
    if (!clipboard.Holds(kind))
        return kind == ChannelKind::TV ? EditResult::MoveRadioToTV : EditResult::MoveTVToRadio;
    MoveChannels(db, clipboard.keys, target, kind, product);
    return EditResult::Ok;
}

RowIds ReorderRows(const RowIds& gridOrder, const RowIds& selected, std::uint32_t dropRow) {
    const std::unordered_set<std::uint32_t> chosen(selected.begin(), selected.end());
    RowIds block;
    RowIds others;
    for (std::uint32_t key : gridOrder)
        (chosen.count(key) != 0 ? block : others).push_back(key);
    auto at = std::find(others.begin(), others.end(), dropRow);
    if (at != others.end())
        ++at;
    others.insert(at, block.begin(), block.end());
    return others;
}

} // namespace chanforge::editing
