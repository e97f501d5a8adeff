#include "chanforge/editing/ChannelClipboard.h"

#include "FilterPlacement.h"
#include "Rows.h"

#include <algorithm>

namespace chanforge::editing {

void CopyChannels(ChannelClipboard& clipboard, const RowIds& selected, ChannelKind kind) {
    clipboard.keys = selected;
    clipboard.fromTV = kind == ChannelKind::TV;
}

EditResult PasteChannels(tabstore::CQoDB& db, ChannelClipboard& clipboard, ChannelKind kind,
                         const ChannelFilter& filter, Product product, RowIds* pasted) {
    if (clipboard.Empty())
        return EditResult::Nothing;
    if (!clipboard.Holds(kind))
        return kind == ChannelKind::TV ? EditResult::PasteRadioToTV : EditResult::PasteTVToRadio;
    // Numbers continue after the highest of each kind, so the copies get consecutive ones.
    std::uint16_t nextNumber[2] = {rows::HighestNumber(db, false), rows::HighestNumber(db, true)};
    RowIds added;
    for (std::uint32_t key : clipboard.keys) {
        const auto* source = rows::Channel(db, key);
        if (source == nullptr)
            continue;
        Channel_Info_Tag copy = *source;
        PlaceOnFilter(db, copy, filter, product);
        copy.Attributes &= static_cast<std::uint16_t>(~attr::kGenreMask);
        copy.Favorite = 0;
        std::fill(std::begin(copy.FavoriteSlot), std::end(copy.FavoriteSlot), 0);
        const auto number = ++nextNumber[IsTV(copy) ? 1 : 0];
        copy.ProgramNum = copy.ShowNum = copy.LogicalNumber = number;
        if (const int key = AppendRow(db, kChannelTable, CopyRow(copy)); key > 0)
            added.push_back(static_cast<std::uint32_t>(key));
    }
    if (!added.empty())
        added = Remap(rows::RegroupAndRenumber(db), added);
    if (pasted != nullptr)
        *pasted = added;
    clipboard.Clear();
    return added.empty() ? EditResult::Nothing : EditResult::Ok;
}

} // namespace chanforge::editing
