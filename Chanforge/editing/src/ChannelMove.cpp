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
    // The numbers of the kind are shifted in a small array of their own and written back once:
    // a move re-keys nothing, and the array stays in cache where the records would not.
    std::vector<Channel_Info_Tag*> channels;
    rows::ForEach<Channel_Info_Tag>(db, kChannelTable, [&](Channel_Info_Tag& c) {
        if (ShownIn(c, kind))
            channels.push_back(&c);
    });
    std::vector<int> numbers(channels.size());
    std::vector<char> touched(channels.size(), 0);
    for (std::size_t i = 0; i < channels.size(); ++i)
        numbers[i] = channels[i]->ProgramNum;
    for (std::uint32_t key : moved) {
        const auto at = std::find_if(channels.begin(), channels.end(),
                                     [key](const Channel_Info_Tag* c) { return c->RowID == key; });
        if (at == channels.end())
            continue;
        const auto m = static_cast<std::size_t>(at - channels.begin());
        const int from = numbers[m];
        for (std::size_t i = 0; i < numbers.size(); ++i) {
            const int n = numbers[i];
            const int shift = (from <= n && n < t) ? -1 : (t <= n && n < from) ? 1 : 0;
            numbers[i] = n + shift;
            touched[i] |= static_cast<char>(shift != 0);
        }
        // The loop above shifted the moved channel too; it takes its own place instead.
        const int own = t < from ? t++ : from < t ? t - 1 : from;
        numbers[m] = own;
        touched[m] |= static_cast<char>(own != from);
    }
    for (std::size_t i = 0; i < channels.size(); ++i)
        if (touched[i] != 0)
            SetNumber(*channels[i], static_cast<std::uint16_t>(numbers[i]), product);
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
