#include "chanforge/editing/ChannelEdits.h"

#include "Rows.h"
#include "chanforge/codec/TransponderMux.h"

#include <algorithm>

namespace chanforge::editing {

namespace {

constexpr std::uint8_t kHorizontalBit = 0x01; ///< polarisation bit of PolFEC

bool ValidGroup(std::uint32_t group) {
    return group >= 1 && group <= kFavoriteGroupsMax;
}

std::uint32_t GroupBit(std::uint32_t group) {
    return 1u << (group - 1);
}

template <class Fn> void ForChannels(tabstore::CQoDB& db, const RowIds& keys, Fn&& fn) {
    for (std::uint32_t key : keys)
        if (auto* ch = rows::Channel(db, key))
            fn(*ch);
}

std::uint16_t NextFavoritePosition(tabstore::CQoDB& db, std::uint32_t group, ChannelKind kind) {
    std::uint16_t highest = 0;
    rows::ForEach<Channel_Info_Tag>(db, kChannelTable, [&](const Channel_Info_Tag& ch) {
        if (ShownIn(ch, kind))
            highest = std::max(highest, ch.FavoriteSlot[group - 1]);
    });
    return static_cast<std::uint16_t>(highest + 1);
}

} // namespace

std::uint32_t AddNewChannel(tabstore::CQoDB& db, Channel_Info_Tag edited, ChannelKind kind,
                            const ChannelFilter& filter, Product product) {
    const std::uint32_t group = FavoriteGroupOf(filter);
    if (ValidGroup(group)) {
        edited.Favorite |= GroupBit(group);
        if (product.KeepsFavoritePositions())
            edited.FavoriteSlot[group - 1] = NextFavoritePosition(db, group, kind);
    }
    if (filter.mode == FilterMode::Genre)
        edited.Attributes = static_cast<std::uint16_t>((edited.Attributes & ~attr::kGenreMask) |
                                                       (filter.genre & attr::kGenreMask));
    edited.Attributes |= KindBit(kind);
    const auto number =
        static_cast<std::uint16_t>(rows::HighestNumber(db, kind == ChannelKind::TV) + 1);
    edited.ProgramNum = edited.ShowNum = edited.LogicalNumber = number;
    const int key = AppendRow(db, kChannelTable, CopyRow(edited));
    if (key <= 0)
        return 0;
    const RowIds added = Remap(rows::RegroupAndRenumber(db), {static_cast<std::uint32_t>(key)});
    const std::uint32_t newKey = added.empty() ? 0 : added.front();
    if (ValidGroup(group) && product.KeepsFavoritePositions())
        RenumberFavoritePositions(db, FillChannels(db, kind, filter, product), group, product);
    return newKey;
}

EditResult UpdateChannel(tabstore::CQoDB& db, std::uint32_t key, const Channel_Info_Tag& edited) {
    if (rows::Channel(db, key) == nullptr)
        return EditResult::StoreRefused;
    auto row = CopyRow(edited);
    row->RowID = key;
    return PutRow(db, kChannelTable, std::move(row)) >= 0 ? EditResult::Ok
                                                          : EditResult::StoreRefused;
}

std::size_t DeleteChannels(tabstore::CQoDB& db, const RowIds& keys) {
    std::size_t deleted = 0;
    for (std::uint32_t key : keys)
        if (key != 0 && db.Delete(kChannelTable, key) >= 0)
            ++deleted;
    if (deleted > 0)
        RenumberChannels(db);
    return deleted;
}

EditResult RemoveFromFavorite(tabstore::CQoDB& db, const RowIds& keys, const RowIds& remaining,
                              std::uint32_t group, Product product) {
    if (!ValidGroup(group))
        return EditResult::BadFavoriteGroup;
    ForChannels(db, keys, [&](Channel_Info_Tag& ch) {
        ch.Favorite &= ~GroupBit(group);
        ch.FavoriteSlot[group - 1] = 0;
    });
    RenumberFavoritePositions(db, remaining, group, product);
    return EditResult::Ok;
}

void SetAttributeBits(tabstore::CQoDB& db, const RowIds& keys, std::uint16_t bits, bool on) {
    ForChannels(db, keys, [&](Channel_Info_Tag& ch) {
        ch.Attributes =
            static_cast<std::uint16_t>(on ? ch.Attributes | bits : ch.Attributes & ~bits);
    });
}

void SetGenre(tabstore::CQoDB& db, const RowIds& keys, std::uint32_t genre) {
    ForChannels(db, keys, [&](Channel_Info_Tag& ch) {
        ch.Attributes = static_cast<std::uint16_t>((ch.Attributes & ~attr::kGenreMask) |
                                                   (genre & attr::kGenreMask));
    });
}

EditResult AddToFavorite(tabstore::CQoDB& db, const RowIds& keys, std::uint32_t group,
                         ChannelKind kind, Product product) {
    if (!ValidGroup(group))
        return EditResult::BadFavoriteGroup;
    ForChannels(db, keys, [&](Channel_Info_Tag& ch) {
        if ((ch.Favorite & GroupBit(group)) != 0)
            return;
        ch.Favorite |= GroupBit(group);
        if (product.KeepsFavoritePositions())
            ch.FavoriteSlot[group - 1] = NextFavoritePosition(db, group, kind);
    });
    return EditResult::Ok;
}

void RenumberFavoritePositions(tabstore::CQoDB& db, const RowIds& order, std::uint32_t group,
                               Product product) {
    if (!ValidGroup(group) || !product.KeepsFavoritePositions())
        return;
    std::uint16_t position = 0;
    ForChannels(db, order, [&](Channel_Info_Tag& ch) { ch.FavoriteSlot[group - 1] = ++position; });
}

std::size_t DropOnSatellite(tabstore::CQoDB& db, const RowIds& keys, std::uint32_t satelliteRow,
                            Product product) {
    const auto* sat = rows::Get<Satellite_Info_Tag>(db, kSatelliteTable, satelliteRow);
    if (sat == nullptr)
        return 0;
    const std::uint8_t satId = sat->SatID;
    const auto transponders = rows::All<Transponder_Info_Tag>(db, kTransponderTable);
    const auto find = [&](auto&& match) -> const Transponder_Info_Tag* {
        const auto at = std::find_if(transponders.begin(), transponders.end(), match);
        return at == transponders.end() ? nullptr : &*at;
    };
    std::size_t stayed = 0;
    ForChannels(db, keys, [&](Channel_Info_Tag& ch) {
        if (ch.SatID == satId)
            return;
        const Transponder_Info_Tag* from =
            find([&](const auto& tp) { return tp.SatID == ch.SatID && tp.TPID == ch.TPID; });
        // A terrestrial multiplex holds no frequency to match.
        if (from != nullptr && codec::HoldsMux(*from, product))
            from = nullptr;
        const Transponder_Info_Tag* to = from == nullptr ? nullptr : find([&](const auto& tp) {
            return tp.SatID == satId && tp.Frequency == from->Frequency &&
                   (tp.PolFEC & kHorizontalBit) == (from->PolFEC & kHorizontalBit);
        });
        if (to == nullptr) {
            ++stayed;
            return;
        }
        ch.SatID = satId;
        ch.TPID = to->TPID;
    });
    return stayed;
}

std::uint32_t MuxTPID(tabstore::CQoDB& db, std::uint32_t key, Product product) {
    if (product.TerrestrialTunerOnly())
        return key;
    const auto* tp = rows::Get<Transponder_Info_Tag>(db, kTransponderTable, key);
    return tp != nullptr ? tp->TPID : 0;
}

void DropOnMux(tabstore::CQoDB& db, const RowIds& keys, std::uint32_t key, Product product) {
    const std::uint32_t tpid = MuxTPID(db, key, product);
    if (tpid == 0 || tpid > 0xFF)
        return;
    ForChannels(db, keys, [&](Channel_Info_Tag& ch) { ch.TPID = static_cast<std::uint8_t>(tpid); });
}

void DropOnTransponder(tabstore::CQoDB& db, const RowIds& keys, std::uint32_t transponderRow) {
    const auto* tp = rows::Get<Transponder_Info_Tag>(db, kTransponderTable, transponderRow);
    if (tp == nullptr)
        return;
    const std::uint8_t satId = tp->SatID;
    const std::uint8_t tpid = tp->TPID;
    ForChannels(db, keys, [&](Channel_Info_Tag& ch) {
        ch.SatID = satId;
        ch.TPID = tpid;
    });
}

void DropOnProvider(tabstore::CQoDB& db, const RowIds& keys, std::uint32_t providerRow) {
    const auto* provider = rows::Get<Broadcast_Info_Tag>(db, kProviderTable, providerRow);
    if (provider == nullptr)
        return;
    const std::uint16_t id = provider->BroadcastID;
    ForChannels(db, keys, [&](Channel_Info_Tag& ch) { ch.BroadcastID = id; });
}

} // namespace chanforge::editing
