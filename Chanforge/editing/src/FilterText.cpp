#include "chanforge/editing/FilterText.h"

#include "Rows.h"
#include "chanforge/editing/DeliveryText.h"
#include "utils/Names.h"
#include "utils/Strings.h"

#include <cstring>

namespace chanforge::editing {

namespace {

constexpr const char* kSeparator = " \xC2\xB7 "; // a middle dot, UTF-8

/// Name bytes in UTF-8, as the rest of the text is.
template <std::size_t N> std::string Text(const char (&field)[N]) {
    return Latin1ToUtf8(std::string_view(field, strnlen(field, N)));
}

std::string SatelliteText(tabstore::CQoDB& db, std::uint32_t satId) {
    std::string out = "Satellite";
    rows::ForEach<Satellite_Info_Tag>(db, kSatelliteTable, [&](const Satellite_Info_Tag& s) {
        if (s.SatID == satId && out == "Satellite")
            out += " " + Text(s.Name);
    });
    return out;
}

std::string TransponderText(tabstore::CQoDB& db, const ChannelFilter& filter, Product product) {
    if (product.Satellite()) {
        const auto* tp = rows::Get<Transponder_Info_Tag>(db, kTransponderTable, filter.transponder);
        if (tp == nullptr)
            return "Transponder";
        if (filter.mode == FilterMode::TerrestrialMux)
            return "Multiplex " + MuxName(MuxFromTransponder(*tp));
        return SatelliteText(db, tp->SatID) + kSeparator + "transponder " + Grouped(tp->Frequency) +
               ((tp->PolFEC & 1) != 0 ? " H" : " V");
    }
    if (product.CableTunerOnly()) {
        const auto* mux = rows::Get<CableMux_Info_Tag>(db, kCableMuxTable, filter.transponder);
        return mux == nullptr ? "Cable multiplex"
                              : "Cable multiplex " + CableFrequencyText(mux->Frequency);
    }
    return "Multiplex, RF channel " + std::to_string(filter.transponder);
}

std::string FavoriteText(tabstore::CQoDB& db, std::uint32_t group) {
    const auto* fav = rows::Get<Favorite_Info_Tag>(db, kFavoriteTable, group);
    return fav == nullptr ? "Favourite group " + std::to_string(group)
                          : "Favourite group " + Text(fav->Name);
}

} // namespace

std::string FilterText(tabstore::CQoDB& db, const ChannelFilter& filter, Product product) {
    switch (filter.mode) {
    case FilterMode::All:
        return "All channels";
    case FilterMode::Satellite:
        return SatelliteText(db, filter.satellite);
    case FilterMode::Transponder:
    case FilterMode::TerrestrialMux:
        return TransponderText(db, filter, product);
    case FilterMode::Provider: {
        const auto* p = rows::Get<Broadcast_Info_Tag>(db, kProviderTable, filter.provider);
        return p == nullptr ? "Provider" : "Provider " + Text(p->Name);
    }
    case FilterMode::Favorite:
        return FavoriteText(db, filter.favorite);
    case FilterMode::Genre: {
        char name[kNameBufferSize] = {};
        GetGenreName(static_cast<std::uint16_t>(filter.genre), name);
        return std::string("Genre ") + name;
    }
    }
    return {};
}

} // namespace chanforge::editing
