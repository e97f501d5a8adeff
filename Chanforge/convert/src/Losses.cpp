#include "Losses.h"

#include "chanforge/TableAccess.h"
#include "chanforge/check/Validate.h"
#include "chanforge/codec/TableCapacity.h"
#include "chanforge/codec/TransponderMux.h"
#include "chanforge/reference/Service.h"
#include "utils/CodeTable.h"
#include "utils/Translatable.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <optional>

namespace chanforge::convert::detail {

namespace {

using reference::Delivery;

/// A text of the losses (context "Convert"): `one` for a single record, `many` with %1 for more.
utils::Phrase Count(std::size_t n, const char* one, const char* many) {
    return n == 1 ? utils::Phrase("Convert", one)
                  : utils::Phrase("Convert", many, {utils::Phrase::Number(n)});
}

template <class T, class Pred>
std::vector<std::uint32_t> RowsWhere(tabstore::CQoDB& db, TableId table, Pred pred) {
    std::vector<std::uint32_t> rows;
    ForEachRow<T>(db, table, [&](const T& rec) {
        if (pred(rec))
            rows.push_back(rec.RowID);
    });
    return rows;
}

void Add(std::vector<Pending>& out, TableId table, std::vector<std::uint32_t> rows,
         utils::Phrase message, Drop drop = Drop::Rows) {
    if (!rows.empty())
        out.push_back({{table, std::move(rows), std::move(message)}, drop});
}

/// Whether the target carries the source's terrestrial side: both keep it under the stand-in
/// satellite, or both in the multiplex sectors of the transponder block.
bool CarriesTerrestrial(const policy::ProductKind& source, const policy::ProductKind& target) {
    return (source.Combination() && target.Combination()) ||
           (source.TransponderBlockHoldsMultiplexes() && target.TransponderBlockHoldsMultiplexes());
}

struct TableWords {
    TableId table;
    const char* one;
    const char* many;
};

constexpr TableWords kDeliveryTables[] = {
    {kSatelliteTable,
     CF_TR_NOOP("Convert", "1 satellite cannot be written: the other model keeps no satellites"),
     CF_TR_NOOP("Convert", "%1 satellites cannot be written: the other model keeps no satellites")},
    {kTransponderTable,
     CF_TR_NOOP("Convert",
                "1 transponder cannot be written: the other model keeps no transponders"),
     CF_TR_NOOP("Convert",
                "%1 transponders cannot be written: the other model keeps no transponders")},
    {kCableMuxTable,
     CF_TR_NOOP("Convert", "1 cable multiplex cannot be written: the other model keeps no cable "
                           "multiplexes"),
     CF_TR_NOOP("Convert", "%1 cable multiplexes cannot be written: the other model keeps no "
                           "cable multiplexes")},
};

void UnwrittenTables(tabstore::CQoDB& copy, const codec::FlashLayout& target,
                     std::vector<Pending>& out) {
    for (const TableWords& t : kDeliveryTables) {
        if (codec::TableCapacity(target, t.table))
            continue;
        std::vector<std::uint32_t> rows;
        ForEachRowBytes(copy, t.table,
                        [&](tabstore::RowBuffer, std::uint32_t key) { rows.push_back(key); });
        Add(out, t.table, rows, Count(rows.size(), t.one, t.many));
    }
}

void TerrestrialSide(tabstore::CQoDB& copy, const codec::FlashLayout& source,
                     const codec::FlashLayout& target, std::vector<Pending>& out) {
    if (!source.product.Terrestrial() || CarriesTerrestrial(source.product, target.product))
        return;
    auto muxes = RowsWhere<Transponder_Info_Tag>(copy, kTransponderTable, [&](const auto& tp) {
        return codec::HoldsMux(tp, source.product);
    });
    const auto lost = [](std::size_t n) {
        return Count(n,
                     CF_TR_NOOP("Convert", "1 terrestrial multiplex cannot be written: the other "
                                           "model has no terrestrial tuner of this kind"),
                     CF_TR_NOOP("Convert", "%1 terrestrial multiplexes cannot be written: the "
                                           "other model has no terrestrial tuner of this kind"));
    };
    Add(out, kTransponderTable, muxes, lost(muxes.size()));
    auto own =
        RowsWhere<SMux_Info_Tag>(copy, kTerrestrialMuxTable, [](const auto&) { return true; });
    Add(out, kTerrestrialMuxTable, own, lost(own.size()));
    if (source.product.Combination())
        Add(out, kSatelliteTable,
            RowsWhere<Satellite_Info_Tag>(copy, kSatelliteTable,
                                          [](const auto& s) { return s.SatID == 1; }),
            utils::Phrase("Convert",
                          CF_TR_NOOP("Convert", "The terrestrial side (satellite 1) "
                                                "cannot be written: the other model "
                                                "has no terrestrial tuner of this kind")));
}

/// On a combination, satellite 1 is the terrestrial side: a real satellite there would turn into
/// it, its transponders into multiplexes.
void SatelliteOne(tabstore::CQoDB& copy, const codec::FlashLayout& source,
                  const codec::FlashLayout& target, std::vector<Pending>& out) {
    if (source.product.Terrestrial() || !target.product.Combination())
        return;
    const auto isOne = [](const auto& rec) { return rec.SatID == 1; };
    const auto sats = RowsWhere<Satellite_Info_Tag>(copy, kSatelliteTable, isOne);
    if (sats.empty())
        return;
    Add(out, kSatelliteTable, sats,
        utils::Phrase("Convert", CF_TR_NOOP("Convert", "Satellite 1 would be read as the other "
                                                       "model's terrestrial side (satellite 1)")));
    auto tps = RowsWhere<Transponder_Info_Tag>(copy, kTransponderTable, isOne);
    Add(out, kTransponderTable, tps,
        Count(tps.size(),
              CF_TR_NOOP("Convert", "1 transponder of satellite 1 would be read as the other "
                                    "model's terrestrial side (satellite 1)"),
              CF_TR_NOOP("Convert", "%1 transponders of satellite 1 would be read as the other "
                                    "model's terrestrial side (satellite 1)")));
    auto channels = RowsWhere<Channel_Info_Tag>(copy, kChannelTable, isOne);
    Add(out, kChannelTable, channels,
        Count(channels.size(),
              CF_TR_NOOP("Convert", "1 channel of satellite 1 would be read as the other model's "
                                    "terrestrial side (satellite 1)"),
              CF_TR_NOOP("Convert", "%1 channels of satellite 1 would be read as the other "
                                    "model's terrestrial side (satellite 1)")));
}

/// Channels whose tuner the target lacks go with their carrier.
void ChannelsWithoutTuner(tabstore::CQoDB& copy, const codec::FlashLayout& source,
                          const codec::FlashLayout& target, std::vector<Pending>& out) {
    const bool satellites = codec::TableCapacity(target, kSatelliteTable).has_value();
    const bool terrestrial = CarriesTerrestrial(source.product, target.product);
    const bool cable = target.product.Cable();
    std::vector<std::uint32_t> lost[3];
    for (const reference::Service& s : reference::ServicesOf(copy, copy, source)) {
        const Delivery d = s.carrier.delivery;
        if (d == Delivery::Satellite && !satellites)
            lost[0].push_back(s.row);
        else if (d == Delivery::Terrestrial && !terrestrial)
            lost[1].push_back(s.row);
        else if (d == Delivery::Cable && !cable)
            lost[2].push_back(s.row);
    }
    constexpr const char* kLost[3][2] = {
        {CF_TR_NOOP("Convert", "1 channel on satellite carriers cannot be written: the other "
                               "model has no satellite tuner"),
         CF_TR_NOOP("Convert", "%1 channels on satellite carriers cannot be written: the other "
                               "model has no satellite tuner")},
        {CF_TR_NOOP("Convert", "1 channel on terrestrial carriers cannot be written: the other "
                               "model has no terrestrial tuner"),
         CF_TR_NOOP("Convert", "%1 channels on terrestrial carriers cannot be written: the other "
                               "model has no terrestrial tuner")},
        {CF_TR_NOOP("Convert", "1 channel on cable carriers cannot be written: the other model "
                               "has no cable tuner"),
         CF_TR_NOOP("Convert", "%1 channels on cable carriers cannot be written: the other model "
                               "has no cable tuner")}};
    for (int i = 0; i < 3; ++i)
        Add(out, kChannelTable, lost[i], Count(lost[i].size(), kLost[i][0], kLost[i][1]));
}

// Field by field: the padding between the fields is not part of the settings.
bool HasSecondTuner(const Satellite_Info_Tag& s) {
    const LNBSetting& t = s.Tuner[1];
    return t.LowFrequency != 0 || t.HighFrequency != 0 || t.MotorPos != 0 || t.Switches != 0 ||
           t.LNBLowType != 0 || t.LNBHighType != 0 || t.CKuSwitch != 0 || t.DiSEqCMode != 0 ||
           t.DiSEqCExtra != 0;
}

Drop DropFor(check::Rule rule) {
    switch (rule) {
    case check::Rule::NameCut:
        return Drop::CutNames;
    case check::Rule::FavoriteMemberLimit:
        return Drop::Membership;
    case check::Rule::FavoriteGroupLimit:
    case check::Rule::TableCapacity:
        return Drop::Rows;
    default:
        return Drop::Nothing;
    }
}

} // namespace

std::vector<Pending> StructuralLosses(tabstore::CQoDB& copy, const codec::FlashLayout& source,
                                      const codec::FlashLayout& target) {
    std::vector<Pending> out;
    UnwrittenTables(copy, target, out);
    TerrestrialSide(copy, source, target, out);
    SatelliteOne(copy, source, target, out);
    ChannelsWithoutTuner(copy, source, target, out);
    if (!target.product.TwoTuners() && codec::TableCapacity(target, kSatelliteTable)) {
        auto rows = RowsWhere<Satellite_Info_Tag>(copy, kSatelliteTable, HasSecondTuner);
        Add(out, kSatelliteTable, rows,
            Count(rows.size(),
                  CF_TR_NOOP("Convert", "1 satellite has second-tuner settings the other model, "
                                        "with one tuner, cannot keep"),
                  CF_TR_NOOP("Convert", "%1 satellites have second-tuner settings the other "
                                        "model, with one tuner, cannot keep")),
            Drop::SecondTuner);
    }
    return out;
}

std::vector<Pending> CheckedLosses(tabstore::CQoDB& copy, const DocumentValues& values,
                                   const codec::FlashLayout& target) {
    std::vector<Pending> out;
    for (check::Finding& f : check::CheckDatabase(copy, values, target))
        if (const Drop drop = DropFor(f.rule); drop != Drop::Nothing)
            out.push_back({{f.table, std::move(f.rows), std::move(f.message)}, drop});
    return out;
}

namespace {

/// A name field's bytes as text: a channel's through its code table, others as Latin-1.
template <std::size_t N>
std::string TextOf(const char (&field)[N], std::size_t bytes, std::uint8_t codeTable) {
    return utils::NameToUtf8(std::string_view(field, strnlen(field, std::min(bytes, N))),
                             codeTable);
}

/// The record as the operator knows it; with cutAt, what a name cut there keeps.
LostRecord Described(tabstore::CQoDB& copy, TableId table, std::uint32_t row,
                     std::optional<std::size_t> cutAt) {
    LostRecord record{row, {}, {}, 0, false};
    const auto name = [&](const auto& field, std::uint8_t codeTable) {
        record.name = TextOf(field, sizeof field, codeTable);
        if (cutAt)
            record.kept = TextOf(field, *cutAt, codeTable);
    };
    if (table == kChannelTable) {
        if (const auto* ch = GetRow<Channel_Info_Tag>(copy, kChannelTable, row)) {
            name(ch->Name, ch->CodeTable);
            record.number = ch->ProgramNum;
            record.radio = IsRadio(*ch);
        }
    } else if (table == kSatelliteTable) {
        if (const auto* sat = GetRow<Satellite_Info_Tag>(copy, kSatelliteTable, row))
            name(sat->Name, 0);
    } else if (table == kProviderTable) {
        if (const auto* provider = GetRow<Broadcast_Info_Tag>(copy, kProviderTable, row))
            name(provider->Name, 0);
    }
    return record;
}

} // namespace

void DescribeLoss(tabstore::CQoDB& copy, Pending& pending, const codec::FlashLayout& target) {
    Loss& loss = pending.loss;
    loss.records.clear();
    const std::optional<std::size_t> cutAt =
        pending.drop == Drop::CutNames ? std::optional<std::size_t>(target.ChannelNameBytes())
                                       : std::nullopt;
    for (const std::uint32_t row : loss.rows)
        loss.records.push_back(Described(copy, loss.table, row, cutAt));
}

void SecondTunerAsFirst(tabstore::CQoDB& copy, const codec::FlashLayout& source,
                        const codec::FlashLayout& target) {
    if (source.product.TwoTuners() || !target.product.TwoTuners())
        return;
    ForEachRow<Satellite_Info_Tag>(copy, kSatelliteTable, [](Satellite_Info_Tag& sat) {
        if (!HasSecondTuner(sat))
            sat.Tuner[1] = sat.Tuner[0];
    });
}

void DropLoss(tabstore::CQoDB& copy, const Pending& pending, const codec::FlashLayout& target) {
    const Loss& loss = pending.loss;
    for (const std::uint32_t row : loss.rows) {
        switch (pending.drop) {
        case Drop::Rows:
            copy.Delete(loss.table, row);
            break;
        case Drop::SecondTuner:
            if (auto* sat = GetRow<Satellite_Info_Tag>(copy, kSatelliteTable, row))
                sat->Tuner[1] = ZeroRecord<LNBSetting>();
            break;
        case Drop::CutNames:
            if (auto* ch = GetRow<Channel_Info_Tag>(copy, kChannelTable, row)) {
                const std::size_t keep =
                    std::min<std::size_t>(target.ChannelNameBytes(), sizeof ch->Name);
                std::memset(ch->Name + keep, 0, sizeof ch->Name - keep);
            }
            break;
        case Drop::Membership:
            if (auto* ch = GetRow<Channel_Info_Tag>(copy, kChannelTable, row)) {
                const std::uint32_t limit = reference::FavoriteGroupLimit(target);
                ch->Favorite &= limit >= 32 ? 0xFFFFFFFFu : (1u << limit) - 1;
                std::fill(std::begin(ch->FavoriteSlot) + limit, std::end(ch->FavoriteSlot), 0);
            }
            break;
        case Drop::Nothing:
            break;
        }
    }
}

} // namespace chanforge::convert::detail
