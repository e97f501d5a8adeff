#include "chanforge/editing/NetworkEdits.h"

#include "NetworkRows.h"
#include "utils/Translatable.h"

#include <vector>

namespace chanforge::editing {

namespace {

constexpr unsigned kLastBroadcastID = 0xFFFF;

/// The name as the record will hold it: at most 16 characters.
std::string_view Fitted(std::string_view name) {
    return name.substr(0, std::min(name.find('\0'), sizeof(Broadcast_Info_Tag::Name) - 1));
}

} // namespace

NewRecord NewProvider(tabstore::CQoDB& db, std::string_view name) {
    name = Fitted(name);
    if (name.empty())
        return {EditResult::EmptyName};
    const unsigned highest = network::Highest<Broadcast_Info_Tag>(
        db, kProviderTable, [](const auto&) { return true; },
        [](const Broadcast_Info_Tag& p) { return p.BroadcastID; });
    // Channels of a deleted provider still name it: a new one taking that id would adopt them.
    std::vector<bool> named(kLastBroadcastID + 1);
    rows::ForEach<Channel_Info_Tag>(
        db, kChannelTable, [&](const Channel_Info_Tag& ch) { named[ch.BroadcastID] = true; });
    unsigned id = highest + 1;
    while (id <= kLastBroadcastID && named[id])
        ++id;
    if (id > kLastBroadcastID)
        return {EditResult::ProviderIdsExhausted};
    auto provider = ZeroRecord<Broadcast_Info_Tag>();
    provider.BroadcastID = static_cast<std::uint16_t>(id);
    network::SetName(provider.Name, name);
    const int key = AppendCopy(db, kProviderTable, provider);
    if (key <= 0)
        return {EditResult::StoreRefused};
    return {EditResult::Ok, static_cast<std::uint32_t>(key)};
}

EditResult RenameProvider(tabstore::CQoDB& db, std::uint32_t key, std::string_view name) {
    auto* provider = rows::Get<Broadcast_Info_Tag>(db, kProviderTable, key);
    if (provider == nullptr)
        return EditResult::Nothing;
    name = Fitted(name);
    if (name.empty())
        return EditResult::EmptyName;
    // The same name leaves the row as it is, bytes after the name's end included.
    if (name == std::string_view(provider->Name, strnlen(provider->Name, sizeof provider->Name)))
        return EditResult::Nothing;
    network::SetName(provider->Name, name);
    return EditResult::Ok;
}

EditResult DeleteProviders(tabstore::CQoDB& db, const RowIds& keys) {
    EditResult result = EditResult::Nothing;
    for (std::uint32_t key : keys)
        if (key != 0 && db.Delete(kProviderTable, key) >= 0)
            result = EditResult::Ok;
    return result;
}

DescriptionRecords DescribeProvider(tabstore::CQoDB& db, std::uint32_t key) {
    DescriptionRecords out;
    if (const auto* provider = rows::Get<Broadcast_Info_Tag>(db, kProviderTable, key))
        out.provider = *provider;
    return out;
}

utils::Phrase ProviderDescription(const Broadcast_Info_Tag& provider) {
    return {"NetworkEdits",
            CF_TR_NOOP("NetworkEdits", "Broadcast Name : %1 (ID : %2)"),
            {utils::Phrase::Verbatim(
                 std::string(provider.Name, strnlen(provider.Name, sizeof provider.Name))),
             utils::Phrase::Number(provider.BroadcastID)}};
}

} // namespace chanforge::editing
