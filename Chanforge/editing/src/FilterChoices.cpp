#include "chanforge/editing/FilterChoices.h"

#include "Rows.h"
#include "chanforge/codec/TransponderMux.h"
#include "chanforge/editing/DeliveryText.h"
#include "chanforge/editing/FavoriteGroups.h"

#include "utils/Translatable.h"

#include <cstring>
#include <map>

namespace chanforge::editing {

namespace {

template <std::size_t N> std::string Text(const char (&field)[N]) {
    return std::string(field, strnlen(field, N));
}

utils::Phrase TransponderLabel(const Transponder_Info_Tag& tp, const std::string& satellite) {
    return utils::Phrase::Verbatim(satellite + " \xB7 " + Grouped(tp.Frequency) +
                                   ((tp.PolFEC & 1) != 0 ? " H" : " V"));
}

utils::Phrase MultiplexLabel(const std::string& name) {
    return {
        "FilterText", CF_TR_NOOP("FilterText", "Multiplex %1"), {utils::Phrase::Verbatim(name)}};
}

} // namespace

FilterChoices ChoicesFor(tabstore::CQoDB& db, Product product) {
    FilterChoices out;
    std::map<unsigned, std::string> satelliteNames;
    rows::ForEach<Satellite_Info_Tag>(db, kSatelliteTable, [&](const Satellite_Info_Tag& s) {
        out.satellites.push_back({Text(s.Name) + " (" + DegreeText(s.Degree) + ")", s.SatID});
        satelliteNames.emplace(s.SatID, Text(s.Name));
    });
    if (product.Satellite())
        rows::ForEach<Transponder_Info_Tag>(
            db, kTransponderTable, [&](const Transponder_Info_Tag& tp) {
                if (codec::HoldsMux(tp, product))
                    out.carriers.push_back(
                        {MultiplexLabel(MuxName(MuxFromTransponder(tp))), {1, tp.TPID}});
                else
                    out.carriers.push_back(
                        {TransponderLabel(tp, satelliteNames[tp.SatID]), {tp.SatID, tp.TPID}});
            });
    if (product.TerrestrialTunerOnly())
        rows::ForEach<SMux_Info_Tag>(db, kTerrestrialMuxTable, [&](const SMux_Info_Tag& m) {
            out.carriers.push_back({MultiplexLabel(MuxName(m)), {0, m.TPID}});
        });
    if (product.Cable())
        rows::ForEach<CableMux_Info_Tag>(db, kCableMuxTable, [&](const CableMux_Info_Tag& m) {
            out.carriers.push_back(
                {utils::Phrase("FilterText", CF_TR_NOOP("FilterText", "Cable multiplex %1"),
                               {utils::Phrase::Verbatim(CableFrequencyText(m.Frequency))}),
                 {0, m.MuxID}});
        });
    rows::ForEach<Broadcast_Info_Tag>(db, kProviderTable, [&](const Broadcast_Info_Tag& p) {
        out.providers.push_back({Text(p.Name), p.BroadcastID});
    });
    for (const FavoriteGroupName& group : FavoriteGroups(db))
        out.groups.push_back({group.name, group.index + 1});
    return out;
}

} // namespace chanforge::editing
