#include "chanforge/transponders/Update.h"

#include "chanforge/TableAccess.h"
#include "chanforge/editing/DeliveryLists.h"
#include "chanforge/editing/DeliveryText.h"
#include "policy/MuxRaster.h"
#include "utils/Translatable.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <map>

namespace chanforge::transponders {

namespace {

using editing::RowIds;
using utils::Phrase;

enum class Band { C, Ku };

Band BandOfCarrier(std::uint32_t frequencyKHz) {
    return IsCBand(frequencyKHz) ? Band::C : Band::Ku;
}

RowIds TranspondersOf(tabstore::CQoDB& db, const policy::ProductKind& product,
                      const Satellite_Info_Tag& satellite) {
    return editing::ListRows(db, editing::ListKind::Transponder, product, satellite.SatID);
}

/// The band of the satellite's carriers, most of them; without any, its LNB's.
Band BandOfSatellite(tabstore::CQoDB& db, const policy::ProductKind& product,
                     const Satellite_Info_Tag& satellite) {
    std::size_t cBand = 0;
    const RowIds keys = TranspondersOf(db, product, satellite);
    for (std::uint32_t key : keys)
        if (IsCBand(
                std::uint32_t{GetRow<Transponder_Info_Tag>(db, kTransponderTable, key)->Frequency} *
                1000))
            ++cBand;
    if (!keys.empty())
        return cBand * 2 > keys.size() ? Band::C : Band::Ku;
    // The LNB types 2 to 4 are the C band ones of the satellite editor.
    const int lnb = satellite.Tuner[0].LNBHighType;
    return lnb >= 2 && lnb <= 4 ? Band::C : Band::Ku;
}

bool Horizontal(Polarisation polarisation) {
    return polarisation == Polarisation::Horizontal || polarisation == Polarisation::CircularLeft;
}

/// How far apart a record's carrier and a table's may lie and still be one transponder: a
/// carrier that moved stays inside its own channel, which widens with the symbol rate.
std::uint32_t ToleranceKHz(std::uint32_t symbolRateKS) {
    return 1000 + symbolRateKS / 4;
}

std::uint32_t FrequencyKHz(const UpdateLine& line) {
    if (line.terrestrial)
        return static_cast<std::uint32_t>(std::max(
            0,
            editing::MuxFrequency(line.kind == LineKind::Gone ? line.muxBefore : line.muxAfter)));
    if (line.cable)
        return line.kind == LineKind::Gone ? line.cableBefore.Frequency : line.cableAfter.Frequency;
    return std::uint32_t{line.kind == LineKind::Gone ? line.before.Frequency
                                                     : line.after.Frequency} *
           1000;
}

struct Pair {
    std::uint32_t distance;
    std::size_t record;
    std::size_t carrier;
};

/// Pairs records with carriers, the closest first, each at most once; distance gives how far
/// apart a record and a carrier are, or nothing when they cannot be one carrier.
template <class Record, class Carried, class Distance>
std::vector<Pair> MatchCarriers(const std::vector<Record>& records,
                                const std::vector<const Carried*>& carriers, Distance&& distance) {
    std::vector<Pair> candidates;
    for (std::size_t r = 0; r < records.size(); ++r)
        for (std::size_t c = 0; c < carriers.size(); ++c)
            if (const std::optional<std::uint32_t> d = distance(records[r], *carriers[c]))
                candidates.push_back({*d, r, c});
    std::stable_sort(candidates.begin(), candidates.end(),
                     [](const Pair& a, const Pair& b) { return a.distance < b.distance; });
    std::vector<bool> recordTaken(records.size()), carrierTaken(carriers.size());
    std::vector<Pair> pairs;
    for (const Pair& pair : candidates)
        if (!recordTaken[pair.record] && !carrierTaken[pair.carrier]) {
            recordTaken[pair.record] = carrierTaken[pair.carrier] = true;
            pairs.push_back(pair);
        }
    return pairs;
}

std::optional<std::uint32_t> SatelliteDistance(const Transponder_Info_Tag& tp,
                                               const Carrier& carrier) {
    if (((tp.PolFEC & 1) != 0) != Horizontal(carrier.polarisation))
        return std::nullopt;
    const long long distance =
        std::llabs(static_cast<long long>(tp.Frequency) * 1000 - carrier.frequencyKHz);
    const std::uint32_t rate = std::max<std::uint32_t>(tp.SymbolRate, carrier.symbolRate / 1000);
    if (distance > ToleranceKHz(rate))
        return std::nullopt;
    return static_cast<std::uint32_t>(distance);
}

/// Cable carriers sit on a raster of whole channels: a narrower window than a satellite's.
std::optional<std::uint32_t> CableDistance(const CableMux_Info_Tag& mux,
                                           const CableCarrier& carrier) {
    const long long distance =
        std::llabs(static_cast<long long>(mux.Frequency) - carrier.frequencyKHz);
    const std::uint32_t rate = std::max<std::uint32_t>(mux.SymbolRate, carrier.symbolRate / 1000);
    if (distance > 1000 + rate / 8)
        return std::nullopt;
    return static_cast<std::uint32_t>(distance);
}

/// Terrestrial carriers sit on a raster of 6 to 8 MHz channels: one within a megahertz of a
/// multiplex is that multiplex.
constexpr long long kTerrestrialToleranceKHz = 1000;

std::optional<std::uint32_t> TerrestrialDistance(const SMux_Info_Tag& mux,
                                                 const TerrestrialCarrier& carrier) {
    const long long distance =
        std::llabs(static_cast<long long>(editing::MuxFrequency(mux)) - carrier.frequencyKHz);
    if (distance > kTerrestrialToleranceKHz)
        return std::nullopt;
    return static_cast<std::uint32_t>(distance);
}

struct RasterPlace {
    std::uint8_t tpid; ///< the RF channel, 1-based
    int offsetStep;
};

/// The channel of the country's raster, with its offset, nearest to a carrier; none within the
/// tolerance when the carrier is off the raster.
std::optional<RasterPlace> PlaceOnRaster(std::uint32_t frequencyKHz) {
    const int country = policy::CurrentMuxCountry();
    const auto rasters = policy::CountryRasters();
    if (country < 0 || static_cast<std::size_t>(country) >= rasters.size())
        return std::nullopt;
    std::optional<RasterPlace> best;
    long long bestDistance = kTerrestrialToleranceKHz + 1;
    for (const policy::RasterRun& run : rasters[static_cast<std::size_t>(country)].runs) {
        if (run.startIndex == policy::kRasterEnd)
            break;
        for (int i = 0; i < run.channelCount; ++i) {
            const auto index = static_cast<std::uint8_t>(run.startIndex + i);
            for (int step : {1, 0, 2, 3, 4, 5, 6, 7}) { // no offset first
                const long long distance = std::llabs(policy::MuxFrequencyIn(country, index, step) -
                                                      static_cast<long long>(frequencyKHz));
                if (distance < bestDistance) {
                    bestDistance = distance;
                    best = RasterPlace{static_cast<std::uint8_t>(index + 1), step};
                }
            }
        }
    }
    return best;
}

std::uint32_t WithOffset(std::uint32_t muxParams, int offsetStep) {
    return (muxParams & ~(7u << 3)) | (static_cast<std::uint32_t>(offsetStep) << 3);
}

UpdateLine MakeLine(LineKind kind, std::uint32_t satelliteKey, std::uint32_t key,
                    std::size_t sourceLine) {
    UpdateLine line;
    line.kind = kind;
    line.satelliteKey = satelliteKey;
    line.transponderKey = key;
    line.sourceLine = sourceLine;
    return line;
}

/// Lines by the frequency of what they show.
void SortLines(std::vector<UpdateLine>& lines) {
    std::stable_sort(lines.begin(), lines.end(), [](const UpdateLine& a, const UpdateLine& b) {
        return FrequencyKHz(a) < FrequencyKHz(b);
    });
}

RowIds ChannelsOn(tabstore::CQoDB& db, const Transponder_Info_Tag& tp) {
    RowIds keys;
    ForEachRow<Channel_Info_Tag>(db, kChannelTable, [&](const Channel_Info_Tag& ch) {
        if (ch.SatID == tp.SatID && ch.TPID == tp.TPID)
            keys.push_back(ch.RowID);
    });
    return keys;
}

/// The lines of one satellite against the table's carriers of its band.
std::vector<UpdateLine> CompareSatellite(tabstore::CQoDB& db, const policy::ProductKind& product,
                                         const Satellite_Info_Tag& satellite,
                                         const std::vector<const Carrier*>& carriers) {
    std::vector<Transponder_Info_Tag> records;
    const RowIds keys = TranspondersOf(db, product, satellite);
    for (std::uint32_t key : keys)
        records.push_back(*GetRow<Transponder_Info_Tag>(db, kTransponderTable, key));
    std::vector<bool> recordMatched(records.size()), carrierMatched(carriers.size());
    std::vector<UpdateLine> lines;
    for (const Pair& pair : MatchCarriers(records, carriers, SatelliteDistance)) {
        recordMatched[pair.record] = carrierMatched[pair.carrier] = true;
        const Transponder_Info_Tag after =
            Merge(records[pair.record], *carriers[pair.carrier], product);
        if (std::memcmp(&after, &records[pair.record], sizeof after) == 0)
            continue;
        UpdateLine& line = lines.emplace_back(MakeLine(
            LineKind::Changed, satellite.RowID, keys[pair.record], carriers[pair.carrier]->line));
        line.before = records[pair.record];
        line.after = after;
    }
    for (std::size_t c = 0; c < carriers.size(); ++c)
        if (!carrierMatched[c]) {
            auto blank = ZeroRecord<Transponder_Info_Tag>();
            blank.SatID = satellite.SatID;
            lines.emplace_back(MakeLine(LineKind::New, satellite.RowID, 0, carriers[c]->line))
                .after = Merge(blank, *carriers[c], product);
        }
    for (std::size_t r = 0; r < records.size(); ++r)
        if (!recordMatched[r]) {
            UpdateLine& line =
                lines.emplace_back(MakeLine(LineKind::Gone, satellite.RowID, keys[r], 0));
            line.before = records[r];
            line.channels = ChannelsOn(db, records[r]);
        }
    SortLines(lines);
    return lines;
}

/// The cable multiplexes against the table's one network; a multiplex's channels name it by its
/// MuxID.
std::vector<UpdateLine> CompareCables(tabstore::CQoDB& db, const policy::ProductKind& product,
                                      const SourceNetwork& network) {
    std::vector<CableMux_Info_Tag> records;
    const RowIds keys = editing::ListRows(db, editing::ListKind::CableMux, product);
    for (std::uint32_t key : keys)
        records.push_back(*GetRow<CableMux_Info_Tag>(db, kCableMuxTable, key));
    std::vector<const CableCarrier*> carriers;
    for (const CableCarrier& carrier : network.carriers)
        carriers.push_back(&carrier);
    std::vector<bool> recordMatched(records.size()), carrierMatched(carriers.size());
    std::vector<UpdateLine> lines;
    for (const Pair& pair : MatchCarriers(records, carriers, CableDistance)) {
        recordMatched[pair.record] = carrierMatched[pair.carrier] = true;
        const CableMux_Info_Tag after =
            MergeCable(records[pair.record], *carriers[pair.carrier], product);
        if (std::memcmp(&after, &records[pair.record], sizeof after) == 0)
            continue;
        UpdateLine& line = lines.emplace_back(
            MakeLine(LineKind::Changed, 0, keys[pair.record], carriers[pair.carrier]->line));
        line.cable = true;
        line.cableBefore = records[pair.record];
        line.cableAfter = after;
    }
    for (std::size_t c = 0; c < carriers.size(); ++c)
        if (!carrierMatched[c]) {
            UpdateLine& line = lines.emplace_back(MakeLine(LineKind::New, 0, 0, carriers[c]->line));
            line.cable = true;
            line.cableAfter = MergeCable(ZeroRecord<CableMux_Info_Tag>(), *carriers[c], product);
        }
    for (std::size_t r = 0; r < records.size(); ++r)
        if (!recordMatched[r]) {
            UpdateLine& line = lines.emplace_back(MakeLine(LineKind::Gone, 0, keys[r], 0));
            line.cable = true;
            line.cableBefore = records[r];
            ForEachRow<Channel_Info_Tag>(db, kChannelTable, [&](const Channel_Info_Tag& ch) {
                if (ch.TPID == records[r].MuxID)
                    line.channels.push_back(ch.RowID);
            });
        }
    SortLines(lines);
    return lines;
}

UpdateLine TerrestrialLine(LineKind kind, std::uint32_t key, std::size_t sourceLine,
                           const SMux_Info_Tag& before, const SMux_Info_Tag& after) {
    UpdateLine line = MakeLine(kind, 0, key, sourceLine);
    line.terrestrial = true;
    line.muxBefore = before;
    line.muxAfter = after;
    return line;
}

/// The terrestrial multiplexes against the table's one region; channels name a multiplex by its
/// RF channel. A carrier that no free channel of the raster takes goes to offRaster.
std::vector<UpdateLine> CompareTerrestrial(tabstore::CQoDB& db, const policy::ProductKind& product,
                                           const SourceRegion& region,
                                           std::vector<TerrestrialCarrier>& offRaster) {
    const std::vector<SMux_Info_Tag> records = editing::TerrestrialMuxes(db, product);
    std::vector<const TerrestrialCarrier*> carriers;
    for (const TerrestrialCarrier& carrier : region.carriers)
        carriers.push_back(&carrier);
    std::vector<bool> recordMatched(records.size()), carrierMatched(carriers.size());
    std::vector<bool> channelTaken(256);
    for (const SMux_Info_Tag& mux : records)
        channelTaken[mux.TPID] = true;
    std::vector<UpdateLine> lines;
    for (const Pair& pair : MatchCarriers(records, carriers, TerrestrialDistance)) {
        recordMatched[pair.record] = carrierMatched[pair.carrier] = true;
        const SMux_Info_Tag& before = records[pair.record];
        SMux_Info_Tag after = before;
        after.MuxParams = MergeTerrestrial(before.MuxParams, *carriers[pair.carrier]);
        const auto place = PlaceOnRaster(carriers[pair.carrier]->frequencyKHz);
        if (place && place->tpid == before.TPID)
            after.MuxParams = WithOffset(after.MuxParams, place->offsetStep);
        if (after.MuxParams != before.MuxParams)
            lines.push_back(TerrestrialLine(LineKind::Changed, before.RowID,
                                            carriers[pair.carrier]->line, before, after));
    }
    for (std::size_t c = 0; c < carriers.size(); ++c) {
        if (carrierMatched[c])
            continue;
        const auto place = PlaceOnRaster(carriers[c]->frequencyKHz);
        if (!place || channelTaken[place->tpid]) {
            offRaster.push_back(*carriers[c]);
            continue;
        }
        channelTaken[place->tpid] = true;
        SMux_Info_Tag mux = ZeroRecord<SMux_Info_Tag>();
        mux.TPID = place->tpid;
        mux.MuxParams = WithOffset(MergeTerrestrial(0, *carriers[c]), place->offsetStep);
        lines.push_back(TerrestrialLine(LineKind::New, 0, carriers[c]->line, {}, mux));
    }
    for (std::size_t r = 0; r < records.size(); ++r)
        if (!recordMatched[r]) {
            UpdateLine line = TerrestrialLine(LineKind::Gone, records[r].RowID, 0, records[r], {});
            ForEachRow<Channel_Info_Tag>(db, kChannelTable, [&](const Channel_Info_Tag& ch) {
                if (ch.SatID == 1 && ch.TPID == records[r].TPID)
                    line.channels.push_back(ch.RowID);
            });
            lines.push_back(std::move(line));
        }
    SortLines(lines);
    return lines;
}

/// The table's satellites that give carriers for this one: at its position (or, when the
/// operator chose the position, without one) and with carriers of its band.
std::vector<const SourceSatellite*> Candidates(const Source& source, int position, Band band,
                                               bool positionChosen) {
    std::vector<const SourceSatellite*> found;
    for (const SourceSatellite& satellite : source.satellites) {
        const bool here = satellite.position ? *satellite.position == position : positionChosen;
        const bool inBand =
            std::any_of(satellite.carriers.begin(), satellite.carriers.end(),
                        [&](const Carrier& c) { return BandOfCarrier(c.frequencyKHz) == band; });
        if (here && inBand)
            found.push_back(&satellite);
    }
    return found;
}

std::vector<const Carrier*> CarriersInBand(const SourceSatellite& satellite, Band band) {
    std::vector<const Carrier*> carriers;
    for (const Carrier& carrier : satellite.carriers)
        if (BandOfCarrier(carrier.frequencyKHz) == band)
            carriers.push_back(&carrier);
    return carriers;
}

PlanResult Refused(Phrase message) {
    return {false, std::move(message)};
}

Phrase PositionPhrase(int position) {
    return Phrase::Verbatim(editing::DegreeText(DegreeOfPosition(position)));
}

bool InScope(const Source& source, std::optional<int> chosen, int position) {
    if (chosen)
        return *chosen == position;
    return std::any_of(source.satellites.begin(), source.satellites.end(),
                       [&](const SourceSatellite& s) { return s.position == position; });
}

/// A table of cable networks: the list's cable multiplexes against its one network.
PlanResult PlanCables(tabstore::CQoDB& db, const policy::ProductKind& product, const Source& source,
                      UpdatePlan& plan) {
    if (!product.Cable())
        return Refused(Phrase("Transponders",
                              CF_TR_NOOP("Transponders", "%1 lists cable multiplexes, which this "
                                                         "model does not keep"),
                              {Phrase::Text(source.file)}));
    const auto hasCarriers = [](const SourceNetwork& n) { return !n.carriers.empty(); };
    const auto networks = std::count_if(source.cables.begin(), source.cables.end(), hasCarriers);
    if (networks != 1)
        return Refused(Phrase(
            "Transponders",
            CF_TR_NOOP("Transponders", "%1 lists %2 cable networks: keep the "
                                       "one of this list"),
            {Phrase::Text(source.file), Phrase::Number(static_cast<std::uint64_t>(networks))}));
    UpdatePlan made;
    made.networks = 1;
    made.lines = CompareCables(
        db, product, *std::find_if(source.cables.begin(), source.cables.end(), hasCarriers));
    plan = std::move(made);
    return {};
}

/// A table of terrestrial regions: the list's terrestrial multiplexes against its one region.
PlanResult PlanTerrestrial(tabstore::CQoDB& db, const policy::ProductKind& product,
                           const Source& source, UpdatePlan& plan) {
    if (!product.Terrestrial())
        return Refused(Phrase("Transponders",
                              CF_TR_NOOP("Transponders", "%1 lists terrestrial multiplexes, which "
                                                         "this model does not keep"),
                              {Phrase::Text(source.file)}));
    const auto hasCarriers = [](const SourceRegion& r) { return !r.carriers.empty(); };
    const auto regions =
        std::count_if(source.terrestrials.begin(), source.terrestrials.end(), hasCarriers);
    if (regions != 1)
        return Refused(Phrase(
            "Transponders",
            CF_TR_NOOP("Transponders",
                       "%1 lists %2 terrestrial regions: keep the one of this list"),
            {Phrase::Text(source.file), Phrase::Number(static_cast<std::uint64_t>(regions))}));
    UpdatePlan made;
    made.networks = 1;
    made.product = product;
    made.lines = CompareTerrestrial(
        db, product,
        *std::find_if(source.terrestrials.begin(), source.terrestrials.end(), hasCarriers),
        made.offRaster);
    plan = std::move(made);
    return {};
}

bool HasSatelliteCarriers(const Source& source) {
    return std::any_of(source.satellites.begin(), source.satellites.end(),
                       [](const SourceSatellite& s) { return !s.carriers.empty(); });
}

} // namespace

PlanResult PlanUpdate(tabstore::CQoDB& db, const policy::ProductKind& product, const Source& source,
                      std::optional<int> position, UpdatePlan& plan) {
    if (!HasSatelliteCarriers(source) && source.cables.empty() && !source.terrestrials.empty())
        return PlanTerrestrial(db, product, source, plan);
    if (!HasSatelliteCarriers(source) && !source.cables.empty())
        return PlanCables(db, product, source, plan);
    const bool unplaced = std::any_of(source.satellites.begin(), source.satellites.end(),
                                      [](const SourceSatellite& s) { return !s.position; });
    if (unplaced && !position)
        return Refused(Phrase("Transponders",
                              CF_TR_NOOP("Transponders", "%1 names no orbital position: choose "
                                                         "the satellite to update"),
                              {Phrase::Text(source.file)}));
    UpdatePlan made;
    for (std::uint32_t key : editing::ListRows(db, editing::ListKind::Satellite, product)) {
        const Satellite_Info_Tag satellite = *GetRow<Satellite_Info_Tag>(db, kSatelliteTable, key);
        const int here = PositionOfDegree(satellite.Degree);
        if (!InScope(source, position, here))
            continue;
        const Band band = BandOfSatellite(db, product, satellite);
        const auto candidates = Candidates(source, here, band, position.has_value());
        if (candidates.size() > 1)
            return Refused(
                Phrase("Transponders",
                       CF_TR_NOOP("Transponders", "%1 lists the satellite at %2 twice "
                                                  "(lines %3 and %4): keep one of them"),
                       {Phrase::Text(source.file), PositionPhrase(here),
                        Phrase::Number(candidates[0]->line), Phrase::Number(candidates[1]->line)}));
        if (candidates.empty())
            continue;
        ++made.satellites;
        for (UpdateLine& line :
             CompareSatellite(db, product, satellite, CarriersInBand(*candidates[0], band)))
            made.lines.push_back(std::move(line));
    }
    if (made.satellites == 0)
        return Refused(position ? Phrase("Transponders",
                                         CF_TR_NOOP("Transponders", "Neither the list nor %1 "
                                                                    "has a satellite at %2"),
                                         {Phrase::Text(source.file), PositionPhrase(*position)})
                                : Phrase("Transponders",
                                         CF_TR_NOOP("Transponders", "%1 has no satellite of "
                                                                    "the list"),
                                         {Phrase::Text(source.file)}));
    plan = std::move(made);
    return {};
}

editing::LeftOut GoneLines(const UpdatePlan& plan) {
    editing::LeftOut gone;
    for (std::size_t i = 0; i < plan.lines.size(); ++i)
        if (plan.lines[i].kind == LineKind::Gone)
            gone.insert(i);
    return gone;
}

namespace {

/// Whether the lines kept add more multiplexes or transponders than the one-byte ids leave room
/// for; checked before the first change, as the additions come before any deletion.
editing::EditResult RoomForNew(tabstore::CQoDB& db, const DocumentValues& values,
                               const UpdatePlan& plan, const editing::LeftOut& leftOut) {
    std::map<std::uint8_t, unsigned> highest, added;
    ForEachRow<Transponder_Info_Tag>(db, kTransponderTable, [&](const Transponder_Info_Tag& tp) {
        highest[tp.SatID] = std::max<unsigned>(highest[tp.SatID], tp.TPID);
    });
    unsigned muxes = values.MaxTPID;
    ForEachRow<CableMux_Info_Tag>(db, kCableMuxTable, [&](const CableMux_Info_Tag& mux) {
        muxes = std::max<unsigned>(muxes, mux.MuxID);
    });
    for (std::size_t i = 0; i < plan.lines.size(); ++i) {
        const UpdateLine& line = plan.lines[i];
        // A terrestrial multiplex's id is its channel, which the plan found free.
        if (line.kind != LineKind::New || line.terrestrial || leftOut.contains(i))
            continue;
        if (line.cable && ++muxes > 0xFF)
            return editing::EditResult::MuxIdsExhausted;
        if (!line.cable && highest[line.after.SatID] + ++added[line.after.SatID] > 0xFF)
            return editing::EditResult::TransponderIdsExhausted;
    }
    return editing::EditResult::Ok;
}

editing::EditResult ApplyTerrestrialLine(tabstore::CQoDB& db, DocumentValues& values,
                                         const policy::ProductKind& product,
                                         const UpdateLine& line) {
    if (line.kind == LineKind::Changed)
        return editing::UpdateTerrestrialMux(db, product, line.transponderKey,
                                             line.muxAfter.MuxParams);
    return editing::NewTerrestrialMux(db, product, line.muxAfter, values).result;
}

editing::EditResult ApplyLine(tabstore::CQoDB& db, DocumentValues& values, const UpdatePlan& plan,
                              const UpdateLine& line) {
    if (line.terrestrial)
        return ApplyTerrestrialLine(db, values, plan.product, line);
    if (line.kind == LineKind::Changed)
        return line.cable ? editing::UpdateCableMux(db, line.transponderKey, line.cableAfter)
                          : editing::UpdateTransponder(db, line.transponderKey, line.after);
    return line.cable ? editing::NewCableMux(db, line.cableAfter, values).result
                      : editing::NewTransponder(db, line.after, values).result;
}

} // namespace

editing::EditResult ApplyUpdate(tabstore::CQoDB& db, DocumentValues& values, const UpdatePlan& plan,
                                const editing::LeftOut& leftOut) {
    if (const editing::EditResult room = RoomForNew(db, values, plan, leftOut);
        room != editing::EditResult::Ok)
        return room;
    editing::EditResult result = editing::EditResult::Nothing;
    editing::RowIds gone, goneMuxes, goneTerrestrial;
    for (std::size_t i = 0; i < plan.lines.size(); ++i) {
        const UpdateLine& line = plan.lines[i];
        if (leftOut.contains(i))
            continue;
        if (line.kind == LineKind::Gone) {
            (line.terrestrial ? goneTerrestrial
             : line.cable     ? goneMuxes
                              : gone)
                .push_back(line.transponderKey);
            continue;
        }
        const editing::EditResult step = ApplyLine(db, values, plan, line);
        if (step != editing::EditResult::Ok && step != editing::EditResult::Nothing)
            return step;
        if (step == editing::EditResult::Ok)
            result = step;
    }
    if (!gone.empty() && editing::DeleteTransponders(db, gone) == editing::EditResult::Ok)
        result = editing::EditResult::Ok;
    if (!goneMuxes.empty() && editing::DeleteCableMuxes(db, goneMuxes) == editing::EditResult::Ok)
        result = editing::EditResult::Ok;
    if (!goneTerrestrial.empty() &&
        editing::DeleteTerrestrialMuxes(db, plan.product, goneTerrestrial) ==
            editing::EditResult::Ok)
        result = editing::EditResult::Ok;
    return result;
}

std::string TransponderText(const Transponder_Info_Tag& tp, const policy::ProductKind& product) {
    std::string text = std::to_string(tp.Frequency) + ((tp.PolFEC & 1) != 0 ? " H " : " V ") +
                       std::to_string(tp.SymbolRate) + " " + editing::FECText(tp, product);
    if (product.ExtendedTransponders())
        text += std::string((tp.TxMode & 15) != 0 ? " DVB-S2" : " DVB-S") +
                (tp.Modulation != 0 ? " 8PSK" : " QPSK");
    return text;
}

std::string LineText(const UpdateLine& line, bool after, const policy::ProductKind& product) {
    if (line.kind == (after ? LineKind::Gone : LineKind::New))
        return {};
    if (line.terrestrial) {
        const SMux_Info_Tag& mux = after ? line.muxAfter : line.muxBefore;
        return editing::MuxFrequencyText(mux) + " MHz " + editing::TxModeText(mux.MuxParams) + " " +
               editing::ConstellationText(mux.MuxParams) + " " +
               editing::CodeRateText(mux.MuxParams) + " " + editing::GuardText(mux.MuxParams);
    }
    if (!line.cable)
        return TransponderText(after ? line.after : line.before, product);
    const CableMux_Info_Tag& mux = after ? line.cableAfter : line.cableBefore;
    const int code = product.SeparateCableInversion() ? mux.Modulation : mux.Modulation >> 2;
    return editing::CableFrequencyText(mux.Frequency) + " " + std::to_string(mux.SymbolRate) + " " +
           editing::QamText(code);
}

std::string LinePlace(tabstore::CQoDB& db, const UpdateLine& line) {
    const auto* satellite = GetRow<Satellite_Info_Tag>(db, kSatelliteTable, line.satelliteKey);
    if (line.terrestrial)
        return "terrestrial";
    return line.cable || satellite == nullptr ? "cable" : editing::DegreeText(satellite->Degree);
}

const char* LineKindText(LineKind kind) {
    switch (kind) {
    case LineKind::Changed:
        return CF_TR_NOOP("Transponders", "Changed");
    case LineKind::New:
        return CF_TR_NOOP("Transponders", "New");
    case LineKind::Gone:
        return CF_TR_NOOP("Transponders", "Gone");
    }
    return "";
}

} // namespace chanforge::transponders
