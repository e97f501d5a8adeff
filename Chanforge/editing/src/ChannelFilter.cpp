#include "chanforge/editing/ChannelFilter.h"

#include "Rows.h"

#include <algorithm>

namespace chanforge::editing {

namespace {

/// Side views keep a terrestrial satellite filter only on products with terrestrial reception.
std::uint32_t KeptSatellite(const ChannelFilter& previous, Product product) {
    return product.Terrestrial() && previous.satellite == 1 ? 1 : 0;
}

bool MatchesTransponder(tabstore::CQoDB& db, const Channel_Info_Tag& ch,
                        const ChannelFilter& filter, Product product) {
    if (product.Satellite()) {
        const auto* tp = rows::Get<Transponder_Info_Tag>(db, kTransponderTable, filter.transponder);
        return tp == nullptr || (tp->SatID == ch.SatID && tp->TPID == ch.TPID);
    }
    if (product.TerrestrialTunerOnly())
        return ch.TPID == filter.transponder;
    if (product.CableTunerOnly()) {
        const auto* mux = rows::Get<CableMux_Info_Tag>(db, kCableMuxTable, filter.transponder);
        return mux == nullptr || mux->MuxID == ch.TPID;
    }
    return true;
}

std::uint16_t ShownNumber(const Channel_Info_Tag& ch, Product product) {
    return product.UsesShowNum() ? ch.ShowNum : ch.ProgramNum;
}

} // namespace

ChannelFilter ShowAll() {
    return ChannelFilter{};
}

ChannelFilter ShowSatellite(tabstore::CQoDB& db, std::uint32_t satelliteRow) {
    ChannelFilter f;
    f.mode = FilterMode::Satellite;
    if (const auto* sat = rows::Get<Satellite_Info_Tag>(db, kSatelliteTable, satelliteRow))
        f.satellite = sat->SatID;
    return f;
}

ChannelFilter ShowTransponder(std::uint32_t key) {
    ChannelFilter f;
    f.mode = FilterMode::Transponder;
    f.transponder = key;
    return f;
}

ChannelFilter ShowTerrestrialMux(std::uint32_t key) {
    ChannelFilter f;
    f.mode = FilterMode::TerrestrialMux;
    f.satellite = 1;
    f.transponder = key;
    return f;
}

ChannelFilter ShowProvider(std::uint32_t providerRow, const ChannelFilter& previous,
                           Product product) {
    ChannelFilter f;
    f.mode = FilterMode::Provider;
    f.provider = providerRow;
    f.satellite = KeptSatellite(previous, product);
    return f;
}

ChannelFilter ShowFavorite(std::uint32_t groupIndex, const ChannelFilter& previous,
                           Product product) {
    ChannelFilter f;
    f.mode = FilterMode::Favorite;
    f.favorite = groupIndex + 1;
    f.satellite = KeptSatellite(previous, product);
    return f;
}

ChannelFilter ShowGenre(std::uint32_t genre, const ChannelFilter& previous, Product product) {
    ChannelFilter f;
    f.mode = FilterMode::Genre;
    f.genre = genre;
    f.satellite = KeptSatellite(previous, product);
    return f;
}

bool Accepts(tabstore::CQoDB& db, const Channel_Info_Tag& ch, ChannelKind kind,
             const ChannelFilter& filter, Product product) {
    if (!ShownIn(ch, kind))
        return false;
    switch (filter.mode) {
    case FilterMode::All:
        return true;
    case FilterMode::Satellite:
        if (filter.satellite != 0 && ch.SatID != filter.satellite)
            return false;
        break;
    case FilterMode::Transponder:
    case FilterMode::TerrestrialMux:
        if (!MatchesTransponder(db, ch, filter, product))
            return false;
        break;
    case FilterMode::Provider: {
        const auto* p = rows::Get<Broadcast_Info_Tag>(db, kProviderTable, filter.provider);
        if (p != nullptr && p->BroadcastID != ch.BroadcastID)
            return false;
        break;
    }
    case FilterMode::Favorite:
        // Groups beyond 32 have no Favorite bit, so nothing can belong to them.
        if (filter.favorite > kFavoriteGroupsMax)
            return false;
        if (filter.favorite != 0 && (ch.Favorite & (1u << (filter.favorite - 1))) == 0)
            return false;
        break;
    case FilterMode::Genre:
        if ((ch.Attributes & attr::kGenreMask) != filter.genre)
            return false;
        break;
    }
    const bool sideSelect =
        filter.mode == FilterMode::Satellite || filter.mode == FilterMode::TerrestrialMux;
    if (product.Combination() && sideSelect) {
        const bool terrestrial = ch.SatID == 1;
        if (filter.satellite == 0 && terrestrial)
            return false;
        if (filter.satellite == 1 && !terrestrial)
            return false;
    }
    return true;
}

std::vector<std::uint32_t> FillChannels(tabstore::CQoDB& db, ChannelKind kind,
                                        const ChannelFilter& filter, Product product) {
    struct Entry {
        std::uint32_t key;
        std::uint16_t order;
    };
    const std::uint32_t k = FavoriteGroupOf(filter);
    const bool byPosition = k >= 1 && k <= kFavoriteGroupsMax && product.KeepsFavoritePositions();
    std::vector<Entry> entries;
    entries.reserve(db.Size(kChannelTable));
    rows::ForEach<Channel_Info_Tag>(db, kChannelTable, [&](Channel_Info_Tag& ch) {
        if (Accepts(db, ch, kind, filter, product))
            entries.push_back(
                {ch.RowID, byPosition ? ch.FavoriteSlot[k - 1] : ShownNumber(ch, product)});
    });
    // Stable, so equal numbers keep table order and a refill never reshuffles the rows.
    std::stable_sort(entries.begin(), entries.end(),
                     [](const Entry& a, const Entry& b) { return a.order < b.order; });
    std::vector<std::uint32_t> keys;
    keys.reserve(entries.size());
    for (const Entry& e : entries)
        keys.push_back(e.key);
    return keys;
}

} // namespace chanforge::editing
