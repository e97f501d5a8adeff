#include "chanforge/transponders/Update.h"

#include "chanforge/TableAccess.h"
#include "chanforge/editing/DeliveryLists.h"
#include "chanforge/editing/DeliveryText.h"
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

struct Pair {
    std::uint32_t distance;
    std::size_t record;
    std::size_t carrier;
};

/// Pairs records with carriers, the closest first, each at most once.
std::vector<Pair> MatchCarriers(const std::vector<Transponder_Info_Tag>& records,
                                const std::vector<const Carrier*>& carriers) {
    std::vector<Pair> candidates;
    for (std::size_t r = 0; r < records.size(); ++r)
        for (std::size_t c = 0; c < carriers.size(); ++c) {
            const Transponder_Info_Tag& tp = records[r];
            const Carrier& carrier = *carriers[c];
            if (((tp.PolFEC & 1) != 0) != Horizontal(carrier.polarisation))
                continue;
            const long long distance =
                std::llabs(static_cast<long long>(tp.Frequency) * 1000 - carrier.frequencyKHz);
            const std::uint32_t rate =
                std::max<std::uint32_t>(tp.SymbolRate, carrier.symbolRate / 1000);
            if (distance <= ToleranceKHz(rate))
                candidates.push_back({static_cast<std::uint32_t>(distance), r, c});
        }
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
    for (const Pair& pair : MatchCarriers(records, carriers)) {
        recordMatched[pair.record] = carrierMatched[pair.carrier] = true;
        const Transponder_Info_Tag after =
            Merge(records[pair.record], *carriers[pair.carrier], product);
        if (std::memcmp(&after, &records[pair.record], sizeof after) != 0)
            lines.push_back({LineKind::Changed,
                             satellite.RowID,
                             keys[pair.record],
                             records[pair.record],
                             after,
                             {},
                             carriers[pair.carrier]->line});
    }
    for (std::size_t c = 0; c < carriers.size(); ++c)
        if (!carrierMatched[c]) {
            auto blank = ZeroRecord<Transponder_Info_Tag>();
            blank.SatID = satellite.SatID;
            lines.push_back({LineKind::New,
                             satellite.RowID,
                             0,
                             {},
                             Merge(blank, *carriers[c], product),
                             {},
                             carriers[c]->line});
        }
    for (std::size_t r = 0; r < records.size(); ++r)
        if (!recordMatched[r])
            lines.push_back({LineKind::Gone,
                             satellite.RowID,
                             keys[r],
                             records[r],
                             {},
                             ChannelsOn(db, records[r]),
                             0});
    std::stable_sort(lines.begin(), lines.end(), [](const UpdateLine& a, const UpdateLine& b) {
        const auto frequency = [](const UpdateLine& l) {
            return l.kind == LineKind::Gone ? l.before.Frequency : l.after.Frequency;
        };
        return frequency(a) < frequency(b);
    });
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

} // namespace

PlanResult PlanUpdate(tabstore::CQoDB& db, const policy::ProductKind& product, const Source& source,
                      std::optional<int> position, UpdatePlan& plan) {
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

editing::EditResult ApplyUpdate(tabstore::CQoDB& db, DocumentValues& values, const UpdatePlan& plan,
                                const editing::LeftOut& leftOut) {
    // New transponders take TPIDs before any is deleted: refuse before the first change when a
    // satellite has no room for them.
    std::map<std::uint8_t, unsigned> highest, added;
    ForEachRow<Transponder_Info_Tag>(db, kTransponderTable, [&](const Transponder_Info_Tag& tp) {
        highest[tp.SatID] = std::max<unsigned>(highest[tp.SatID], tp.TPID);
    });
    for (std::size_t i = 0; i < plan.lines.size(); ++i)
        if (plan.lines[i].kind == LineKind::New && !leftOut.contains(i) &&
            highest[plan.lines[i].after.SatID] + ++added[plan.lines[i].after.SatID] > 0xFF)
            return editing::EditResult::TransponderIdsExhausted;
    editing::EditResult result = editing::EditResult::Nothing;
    editing::RowIds gone;
    for (std::size_t i = 0; i < plan.lines.size(); ++i) {
        const UpdateLine& line = plan.lines[i];
        if (leftOut.contains(i))
            continue;
        editing::EditResult step = editing::EditResult::Nothing;
        if (line.kind == LineKind::Changed)
            step = editing::UpdateTransponder(db, line.transponderKey, line.after);
        else if (line.kind == LineKind::New)
            step = editing::NewTransponder(db, line.after, values).result;
        else
            gone.push_back(line.transponderKey);
        if (step != editing::EditResult::Ok && step != editing::EditResult::Nothing)
            return step;
        if (step == editing::EditResult::Ok)
            result = step;
    }
    if (!gone.empty() && editing::DeleteTransponders(db, gone) == editing::EditResult::Ok)
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
