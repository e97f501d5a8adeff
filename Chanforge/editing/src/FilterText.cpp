#include "chanforge/editing/FilterText.h"

#include "Rows.h"
#include "chanforge/editing/DeliveryText.h"
#include "utils/Names.h"
#include "utils/Translatable.h"

#include <cstring>
#include <utility>

namespace chanforge::editing {

namespace {

using utils::Phrase;

Phrase Say(const char* source, std::vector<Phrase> args = {}) {
    return {"FilterText", source, std::move(args)};
}

/// A name as the receiver's bytes.
template <std::size_t N> Phrase Name(const char (&field)[N]) {
    return Phrase::Verbatim(std::string(field, strnlen(field, N)));
}

Phrase SatelliteText(tabstore::CQoDB& db, std::uint32_t satId) {
    Phrase out = Say(CF_TR_NOOP("FilterText", "Satellite"));
    bool found = false;
    rows::ForEach<Satellite_Info_Tag>(db, kSatelliteTable, [&](const Satellite_Info_Tag& s) {
        if (s.SatID == satId && !found) {
            out = Say(CF_TR_NOOP("FilterText", "Satellite %1"), {Name(s.Name)});
            found = true;
        }
    });
    return out;
}

Phrase TransponderText(tabstore::CQoDB& db, const ChannelFilter& filter, Product product) {
    if (product.Satellite()) {
        const auto* tp = rows::Get<Transponder_Info_Tag>(db, kTransponderTable, filter.transponder);
        if (tp == nullptr)
            return Say(CF_TR_NOOP("FilterText", "Transponder"));
        if (filter.mode == FilterMode::TerrestrialMux)
            return Say(CF_TR_NOOP("FilterText", "Multiplex %1"),
                       {Phrase::Verbatim(MuxName(MuxFromTransponder(*tp)))});
        return Say(CF_TR_NOOP("FilterText", "%1 \u00B7 transponder %2 %3"),
                   {SatelliteText(db, tp->SatID), Phrase::Verbatim(Grouped(tp->Frequency)),
                    Phrase::Verbatim((tp->PolFEC & 1) != 0 ? "H" : "V")});
    }
    if (product.CableTunerOnly()) {
        const auto* mux = rows::Get<CableMux_Info_Tag>(db, kCableMuxTable, filter.transponder);
        return mux == nullptr ? Say(CF_TR_NOOP("FilterText", "Cable multiplex"))
                              : Say(CF_TR_NOOP("FilterText", "Cable multiplex %1"),
                                    {Phrase::Verbatim(CableFrequencyText(mux->Frequency))});
    }
    return Say(CF_TR_NOOP("FilterText", "Multiplex, RF channel %1"),
               {Phrase::Number(filter.transponder)});
}

Phrase FavoriteText(tabstore::CQoDB& db, std::uint32_t group) {
    const auto* fav = rows::Get<Favorite_Info_Tag>(db, kFavoriteTable, group);
    return Say(CF_TR_NOOP("FilterText", "Favourite group %1"),
               {fav == nullptr ? Phrase::Number(group) : Name(fav->Name)});
}

} // namespace

Phrase FilterPhrase(tabstore::CQoDB& db, const ChannelFilter& filter, Product product) {
    switch (filter.mode) {
    case FilterMode::All:
        return Say(CF_TR_NOOP("FilterText", "All channels"));
    case FilterMode::Satellite:
        return SatelliteText(db, filter.satellite);
    case FilterMode::Transponder:
    case FilterMode::TerrestrialMux:
        return TransponderText(db, filter, product);
    case FilterMode::Provider: {
        const auto* p = rows::Get<Broadcast_Info_Tag>(db, kProviderTable, filter.provider);
        return p == nullptr ? Say(CF_TR_NOOP("FilterText", "Provider"))
                            : Say(CF_TR_NOOP("FilterText", "Provider %1"), {Name(p->Name)});
    }
    case FilterMode::Favorite:
        return FavoriteText(db, filter.favorite);
    case FilterMode::Genre:
        return Say(CF_TR_NOOP("FilterText", "Genre %1"),
                   {Phrase("Genres", GenreName(static_cast<std::uint16_t>(filter.genre)))});
    }
    return {};
}

std::string FilterText(tabstore::CQoDB& db, const ChannelFilter& filter, Product product) {
    return FilterPhrase(db, filter, product).EnglishUtf8();
}

} // namespace chanforge::editing
