#include "Network.h"

#include "chanforge/TableAccess.h"
#include "chanforge/codec/TableCapacity.h"
#include "chanforge/codec/TransponderMux.h"
#include "chanforge/editing/DeliveryText.h"
#include "utils/Translatable.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace chanforge::merge::detail {

namespace {

constexpr unsigned kLastSmallId = 0xFF;
constexpr unsigned kLastBroadcastId = 0xFFFF;

utils::Phrase Text(const char* source) {
    return utils::Phrase("Merge", source);
}

struct TableWords {
    TableId table;
    const char* full;
    const char* none;
};

constexpr TableWords kTableWords[] = {
    {kSatelliteTable, CF_TR_NOOP("Merge", "The satellite table is full"),
     CF_TR_NOOP("Merge", "This model keeps no satellites")},
    {kTransponderTable, CF_TR_NOOP("Merge", "The transponder table is full"),
     CF_TR_NOOP("Merge", "This model keeps no transponders")},
    {kTerrestrialMuxTable, CF_TR_NOOP("Merge", "The multiplex table is full"),
     CF_TR_NOOP("Merge", "This model keeps no terrestrial multiplexes")},
    {kCableMuxTable, CF_TR_NOOP("Merge", "The multiplex table is full"),
     CF_TR_NOOP("Merge", "This model keeps no cable multiplexes")},
    {kProviderTable, CF_TR_NOOP("Merge", "The provider table is full"),
     CF_TR_NOOP("Merge", "This model keeps no providers")},
    {kChannelTable, CF_TR_NOOP("Merge", "The channel table is full"),
     CF_TR_NOOP("Merge", "This model keeps no channels")},
};

constexpr const char* kNoSatellite =
    CF_TR_NOOP("Merge", "Its satellite is not in the other list as this model holds it");
constexpr const char* kNoTransponder =
    CF_TR_NOOP("Merge", "Its transponder is not in the other list as this model holds it");
constexpr const char* kIdsExhausted =
    CF_TR_NOOP("Merge", "Every id this model has for such a record is taken");

template <std::size_t N> std::string Field(const char (&field)[N]) {
    return std::string(field, strnlen(field, N));
}

std::string SatelliteText(const Satellite_Info_Tag& sat) {
    return editing::DegreeText(sat.Degree) + " " + Field(sat.Name);
}

std::string TransponderText(const Transponder_Info_Tag& tp, const std::string& satellite) {
    return satellite + " " + std::to_string(tp.Frequency) + " MHz " +
           ((tp.PolFEC & 1) != 0 ? "H " : "V ") + std::to_string(tp.SymbolRate);
}

template <class T, class Pred> const T* FindIn(const std::vector<T>& rows, Pred pred) {
    const auto at = std::find_if(rows.begin(), rows.end(), pred);
    return at == rows.end() ? nullptr : &*at;
}

template <class T> std::size_t IndexIn(const std::vector<T>& rows, const T* row) {
    return static_cast<std::size_t>(row - rows.data());
}

std::uint32_t Distance(std::uint32_t a, std::uint32_t b) {
    return a > b ? a - b : b - a;
}

} // namespace

std::uint32_t ToleranceKHz(std::uint16_t symbolRate) {
    return std::max<std::uint32_t>(reference::kCarrierToleranceKHz, symbolRate / 4u);
}

NetworkPlan::NetworkPlan(tabstore::CQoDB& db, const codec::FlashLayout& layout,
                         const Incoming& incoming)
    : layout_(layout), in_(incoming), terrestrialHere_(kLastSmallId + 1) {
    const policy::ProductKind& product = layout.product;
    for (const TableWords& t : kTableWords)
        rows_[t.table] = db.Size(t.table);
    ForEachRow<Satellite_Info_Tag>(db, kSatelliteTable, [&](const Satellite_Info_Tag& s) {
        highestSat_ = std::max<unsigned>(highestSat_, s.SatID);
        if (product.Combination() && s.SatID == 1)
            hasTerrestrialOne_ = true;
        else
            satByDegree_.emplace(s.Degree, s.SatID);
    });
    ForEachRow<Transponder_Info_Tag>(db, kTransponderTable, [&](const Transponder_Info_Tag& tp) {
        transponders_[tp.SatID].push_back({tp.Frequency, std::uint32_t{tp.Frequency} * 1000,
                                           tp.SymbolRate, static_cast<std::uint8_t>(tp.PolFEC & 1),
                                           static_cast<std::uint8_t>(tp.TxMode & 0x0F), tp.TPID});
        highestTp_[tp.SatID] = std::max<unsigned>(highestTp_[tp.SatID], tp.TPID);
    });
    ForEachRow<SMux_Info_Tag>(db, kTerrestrialMuxTable,
                              [&](const SMux_Info_Tag& m) { terrestrialHere_[m.TPID] = true; });
    ForEachRow<CableMux_Info_Tag>(db, kCableMuxTable, [&](const CableMux_Info_Tag& m) {
        cable_.push_back({0, m.Frequency, m.SymbolRate, 0, 0, m.MuxID});
        highestMux_ = std::max<unsigned>(highestMux_, m.MuxID);
    });
    ForEachRow<Broadcast_Info_Tag>(db, kProviderTable, [&](const Broadcast_Info_Tag& p) {
        providerByName_.emplace(Field(p.Name), p.BroadcastID);
        highestProvider_ = std::max<unsigned>(highestProvider_, p.BroadcastID);
    });
    // Channels of a deleted provider still name it: a new one must not adopt them.
    ForEachRow<Channel_Info_Tag>(db, kChannelTable, [&](const Channel_Info_Tag& ch) {
        highestProvider_ = std::max<unsigned>(highestProvider_, ch.BroadcastID);
    });
}

NetworkPlan::Result NetworkPlan::Room(TableId table, std::uint64_t making) const {
    const TableWords* words = std::find_if(std::begin(kTableWords), std::end(kTableWords),
                                           [&](const TableWords& t) { return t.table == table; });
    const std::optional<std::uint64_t> capacity = codec::TableCapacity(layout_, table);
    if (!capacity)
        return Text(words->none);
    if (rows_.at(table) + making > *capacity)
        return Text(words->full);
    return std::nullopt;
}

NetworkPlan::Result NetworkPlan::Satellite(std::uint8_t inSat, Step& out) const {
    if (const auto known = satOf_.find(inSat); known != satOf_.end()) {
        out.id = known->second;
        return std::nullopt;
    }
    const Satellite_Info_Tag* sat =
        FindIn(in_.satellites, [&](const Satellite_Info_Tag& s) { return s.SatID == inSat; });
    if (sat == nullptr)
        return Text(kNoSatellite);
    if (const auto here = satByDegree_.find(sat->Degree); here != satByDegree_.end()) {
        out.id = here->second;
        return std::nullopt;
    }
    if (Result full = Room(kSatelliteTable, 1))
        return full;
    // On a combination satellite 1 is the terrestrial side, never a new satellite.
    const unsigned id = std::max(highestSat_ + 1, layout_.product.Combination() ? 2u : 1u);
    if (id > kLastSmallId)
        return Text(kIdsExhausted);
    out.id = static_cast<std::uint16_t>(id);
    out.make = NewRecord{
        kSatelliteTable,    IndexIn(in_.satellites, sat), static_cast<std::uint8_t>(id), 0, 0,
        SatelliteText(*sat)};
    return std::nullopt;
}

NetworkPlan::Result NetworkPlan::Transponder(std::uint8_t inSat, std::uint8_t inTp, const Step& sat,
                                             Step& out) const {
    const auto key = static_cast<std::uint16_t>(inSat << 8 | inTp);
    if (const auto known = tpOf_.find(key); known != tpOf_.end()) {
        out.id = known->second;
        return std::nullopt;
    }
    const Transponder_Info_Tag* tp = FindIn(in_.transponders, [&](const Transponder_Info_Tag& t) {
        return t.SatID == inSat && t.TPID == inTp;
    });
    if (tp == nullptr)
        return Text(kNoTransponder);
    const std::uint32_t kHz = std::uint32_t{tp->Frequency} * 1000;
    const Carrier* nearest = nullptr;
    if (const auto here = transponders_.find(static_cast<std::uint8_t>(sat.id));
        here != transponders_.end())
        for (const Carrier& c : here->second)
            if (c.polarisation == (tp->PolFEC & 1) && c.system == (tp->TxMode & 0x0F) &&
                Distance(c.kHz, kHz) <= ToleranceKHz(tp->SymbolRate) &&
                (nearest == nullptr || Distance(c.kHz, kHz) < Distance(nearest->kHz, kHz)))
                nearest = &c;
    if (nearest != nullptr) {
        out.id = nearest->id;
        return std::nullopt;
    }
    if (Result full = Room(kTransponderTable, 1))
        return full;
    const auto highest = highestTp_.find(static_cast<std::uint8_t>(sat.id));
    const unsigned id = (highest == highestTp_.end() ? 0u : highest->second) + 1;
    if (id > kLastSmallId)
        return Text(kIdsExhausted);
    out.id = static_cast<std::uint16_t>(id);
    const Satellite_Info_Tag* inSatRecord =
        FindIn(in_.satellites, [&](const Satellite_Info_Tag& s) { return s.SatID == inSat; });
    out.make = NewRecord{kTransponderTable,
                         IndexIn(in_.transponders, tp),
                         static_cast<std::uint8_t>(sat.id),
                         static_cast<std::uint8_t>(id),
                         0,
                         TransponderText(*tp, inSatRecord ? SatelliteText(*inSatRecord) : "")};
    return std::nullopt;
}

NetworkPlan::Result NetworkPlan::TerrestrialOne(std::uint8_t inTp, Step& out) const {
    out.id = inTp; // a multiplex's TPID is its RF channel: it is the same here
    if (const auto here = transponders_.find(1); here != transponders_.end())
        for (const Carrier& c : here->second)
            if (c.id == inTp)
                return std::nullopt;
    if (tpOf_.contains(static_cast<std::uint16_t>(1 << 8 | inTp)))
        return std::nullopt;
    const Transponder_Info_Tag* tp = FindIn(in_.transponders, [&](const Transponder_Info_Tag& t) {
        return t.SatID == 1 && t.TPID == inTp;
    });
    if (tp == nullptr)
        return Text(kNoTransponder);
    if (Result full = Room(kTransponderTable, 1))
        return full;
    out.make = NewRecord{kTransponderTable,
                         IndexIn(in_.transponders, tp),
                         1,
                         inTp,
                         0,
                         editing::MuxName(editing::MuxFromTransponder(*tp))};
    return std::nullopt;
}

NetworkPlan::Result NetworkPlan::TerrestrialTable(std::uint8_t inTp, Step& out) const {
    out.id = inTp;
    if (terrestrialHere_[inTp])
        return std::nullopt;
    const SMux_Info_Tag* mux =
        FindIn(in_.terrestrial, [&](const SMux_Info_Tag& m) { return m.TPID == inTp; });
    if (mux == nullptr)
        return Text(kNoTransponder);
    if (Result full = Room(kTerrestrialMuxTable, 1))
        return full;
    out.make = NewRecord{kTerrestrialMuxTable,  IndexIn(in_.terrestrial, mux), 0, inTp, 0,
                         editing::MuxName(*mux)};
    return std::nullopt;
}

NetworkPlan::Result NetworkPlan::Cable(std::uint8_t inMux, Step& out) const {
    if (const auto known = tpOf_.find(inMux); known != tpOf_.end()) {
        out.id = known->second;
        return std::nullopt;
    }
    const CableMux_Info_Tag* mux =
        FindIn(in_.cable, [&](const CableMux_Info_Tag& m) { return m.MuxID == inMux; });
    if (mux == nullptr)
        return Text(kNoTransponder);
    for (const Carrier& c : cable_)
        if (Distance(c.kHz, mux->Frequency) <= ToleranceKHz(mux->SymbolRate)) {
            out.id = c.id;
            return std::nullopt;
        }
    if (Result full = Room(kCableMuxTable, 1))
        return full;
    if (highestMux_ >= kLastSmallId)
        return Text(kIdsExhausted);
    out.id = static_cast<std::uint16_t>(highestMux_ + 1);
    out.make = NewRecord{kCableMuxTable,
                         IndexIn(in_.cable, mux),
                         0,
                         static_cast<std::uint8_t>(out.id),
                         0,
                         editing::CableFrequencyText(mux->Frequency)};
    return std::nullopt;
}

NetworkPlan::Result NetworkPlan::Provider(std::uint16_t inId, Step& out) const {
    out.id = 0; // a channel whose provider the other list lacks names none here
    if (inId == 0)
        return std::nullopt;
    if (const auto known = providerOf_.find(inId); known != providerOf_.end()) {
        out.id = known->second;
        return std::nullopt;
    }
    const Broadcast_Info_Tag* provider =
        FindIn(in_.providers, [&](const Broadcast_Info_Tag& p) { return p.BroadcastID == inId; });
    if (provider == nullptr)
        return std::nullopt;
    if (const auto here = providerByName_.find(Field(provider->Name));
        here != providerByName_.end()) {
        out.id = here->second;
        return std::nullopt;
    }
    if (Result full = Room(kProviderTable, 1))
        return full;
    if (highestProvider_ >= kLastBroadcastId)
        return Text(kIdsExhausted);
    out.id = static_cast<std::uint16_t>(highestProvider_ + 1);
    out.make = NewRecord{kProviderTable,       IndexIn(in_.providers, provider), 0, 0, out.id,
                         Field(provider->Name)};
    return std::nullopt;
}

void NetworkPlan::Commit(std::uint8_t inSat, const Step& sat, std::uint16_t tpKey, const Step& tp,
                         std::uint16_t inProvider, const Step& provider,
                         std::vector<NewRecord>& created) {
    const auto satId = static_cast<std::uint8_t>(sat.id);
    if (sat.make) {
        ++rows_[kSatelliteTable];
        highestSat_ = std::max<unsigned>(highestSat_, satId);
        if (satId == 1 && layout_.product.Combination())
            hasTerrestrialOne_ = true;
        else
            satByDegree_.emplace(in_.satellites[sat.make->source].Degree, satId);
        created.push_back(*sat.make);
    }
    if (inSat != 0)
        satOf_.emplace(inSat, satId);
    if (tp.make) {
        const NewRecord& made = *tp.make;
        ++rows_[made.table];
        if (made.table == kTransponderTable) {
            const Transponder_Info_Tag& t = in_.transponders[made.source];
            transponders_[made.satId].push_back(
                {t.Frequency, std::uint32_t{t.Frequency} * 1000, t.SymbolRate,
                 static_cast<std::uint8_t>(t.PolFEC & 1),
                 static_cast<std::uint8_t>(t.TxMode & 0x0F), made.tpId});
            highestTp_[made.satId] = std::max<unsigned>(highestTp_[made.satId], made.tpId);
        } else if (made.table == kCableMuxTable) {
            const CableMux_Info_Tag& m = in_.cable[made.source];
            cable_.push_back({0, m.Frequency, m.SymbolRate, 0, 0, made.tpId});
            highestMux_ = std::max<unsigned>(highestMux_, made.tpId);
        } else {
            terrestrialHere_[made.tpId] = true;
        }
        created.push_back(made);
    }
    tpOf_.emplace(tpKey, static_cast<std::uint8_t>(tp.id));
    if (provider.make) {
        ++rows_[kProviderTable];
        highestProvider_ = provider.id;
        providerByName_.emplace(provider.make->text, provider.id);
        created.push_back(*provider.make);
    }
    if (inProvider != 0)
        providerOf_.emplace(inProvider, provider.id);
}

std::optional<utils::Phrase> NetworkPlan::Place(const Channel_Info_Tag& ch, Placement& out,
                                                std::vector<NewRecord>& created) {
    const policy::ProductKind& product = layout_.product;
    Step sat{ch.SatID, std::nullopt}, tp, provider;
    std::uint8_t inSat = 0;
    auto tpKey = static_cast<std::uint16_t>(ch.SatID << 8 | ch.TPID);
    Result failed;
    const bool onTransponder = FindIn(in_.transponders, [&](const Transponder_Info_Tag& t) {
                                   return t.SatID == ch.SatID && t.TPID == ch.TPID;
                               }) != nullptr;
    if (product.TransponderBlockHoldsMultiplexes()) {
        failed = TerrestrialTable(ch.TPID, tp);
    } else if (product.CombinedBlock() || product.CableTunerOnly() ||
               (product.Cable() && !onTransponder)) {
        tpKey = ch.TPID;
        failed = Cable(ch.TPID, tp);
    } else if (product.Combination() && ch.SatID == 1) {
        const Satellite_Info_Tag* one =
            FindIn(in_.satellites, [](const Satellite_Info_Tag& s) { return s.SatID == 1; });
        if (!hasTerrestrialOne_ && one == nullptr)
            failed = Text(kNoSatellite);
        else if (!hasTerrestrialOne_)
            sat.make =
                NewRecord{kSatelliteTable, IndexIn(in_.satellites, one), 1, 0, 0, Field(one->Name)};
        failed = failed ? failed : (sat.make ? Room(kSatelliteTable, 1) : std::nullopt);
        failed = failed ? failed : TerrestrialOne(ch.TPID, tp);
    } else {
        inSat = ch.SatID;
        failed = Satellite(ch.SatID, sat);
        failed = failed ? failed : Transponder(ch.SatID, ch.TPID, sat, tp);
    }
    failed = failed ? failed : Provider(ch.BroadcastID, provider);
    if (failed)
        return failed;
    Commit(inSat, sat, tpKey, tp, ch.BroadcastID, provider, created);
    out = {static_cast<std::uint8_t>(sat.id), static_cast<std::uint8_t>(tp.id), provider.id};
    return std::nullopt;
}

} // namespace chanforge::merge::detail
