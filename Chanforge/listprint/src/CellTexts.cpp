#include "CellTexts.h"

#include "chanforge/TableAccess.h"
#include "chanforge/codec/TransponderMux.h"
#include "chanforge/editing/ChannelColumns.h"
#include "chanforge/editing/ChannelName.h"
#include "chanforge/editing/DeliveryText.h"
#include "chanforge/editing/FavoriteGroups.h"

#include <cstring>

namespace chanforge::listprint {

namespace {

/// Names of satellites and providers, which carry no code table: Latin-1.
template <std::size_t N> QString Name(const char (&field)[N]) {
    return QString::fromLatin1(field, static_cast<qsizetype>(::strnlen(field, N)));
}

QString Utf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::uint32_t TransponderKey(std::uint32_t satId, std::uint32_t tpId) {
    return satId << 8 | tpId;
}

QString MuxText(const SMux_Info_Tag& mux) {
    return QStringLiteral("RF %1 (%2 MHz)").arg(mux.TPID).arg(Utf8(editing::MuxFrequencyText(mux)));
}

} // namespace

CellTexts::CellTexts(tabstore::CQoDB& db, editing::Product product) : product_(product) {
    ForEachRow<Satellite_Info_Tag>(db, kSatelliteTable, [&](const Satellite_Info_Tag& s) {
        if (!satellites_.contains(s.SatID))
            satellites_.insert(s.SatID, Name(s.Name));
    });
    ForEachRow<Transponder_Info_Tag>(db, kTransponderTable, [&](const Transponder_Info_Tag& tp) {
        if (codec::HoldsMux(tp, product)) {
            const SMux_Info_Tag mux = editing::MuxFromTransponder(tp);
            terrestrial_.insert(mux.TPID, MuxText(mux));
            return;
        }
        const QString satellite = satellites_.value(tp.SatID);
        const QString frequency =
            Utf8(editing::Grouped(tp.Frequency)) +
            ((tp.PolFEC & 1) != 0 ? QStringLiteral(" H") : QStringLiteral(" V"));
        transponders_.insert(
            TransponderKey(tp.SatID, tp.TPID),
            satellite.isEmpty() ? frequency : satellite + QStringLiteral(" \u00b7 ") + frequency);
    });
    ForEachRow<SMux_Info_Tag>(db, kTerrestrialMuxTable, [&](const SMux_Info_Tag& mux) {
        terrestrial_.insert(mux.TPID, MuxText(mux));
    });
    ForEachRow<CableMux_Info_Tag>(db, kCableMuxTable, [&](const CableMux_Info_Tag& mux) {
        cable_.insert(mux.MuxID, Utf8(editing::CableFrequencyText(mux.Frequency)));
    });
    ForEachRow<Broadcast_Info_Tag>(db, kProviderTable, [&](const Broadcast_Info_Tag& p) {
        if (!providers_.contains(p.BroadcastID))
            providers_.insert(p.BroadcastID, Name(p.Name));
    });
    for (const editing::FavoriteGroupName& group : editing::FavoriteGroups(db)) {
        if (group.index >= static_cast<std::uint32_t>(kFavoriteGroupsMax))
            continue;
        if (groups_.size() <= group.index)
            groups_.resize(group.index + 1);
        groups_[group.index] =
            QString::fromLatin1(group.name.data(), static_cast<qsizetype>(group.name.size()));
    }
}

QString CellTexts::Text(const Channel_Info_Tag& ch, ListColumn column) const {
    using namespace editing;
    switch (column) {
    case ListColumn::Number:
        return Utf8(ChannelCellText(ch, kColNumber, product_, 0));
    case ListColumn::Name:
        return Utf8(editing::NameText(ch));
    case ListColumn::Delivery:
        return Delivery(ch);
    case ListColumn::Provider:
        return providers_.value(ch.BroadcastID);
    case ListColumn::Scrambled:
        return Utf8(ChannelCellText(ch, kColCAS, product_, 0));
    case ListColumn::Locked:
        return Utf8(ChannelCellText(ch, kColLocked, product_, 0));
    case ListColumn::Skipped:
        return Utf8(ChannelCellText(ch, kColSkipped, product_, 0));
    case ListColumn::Favorites:
        return Favorites(ch.Favorite);
    }
    return {};
}

QString CellTexts::Delivery(const Channel_Info_Tag& ch) const {
    // On a satellite product a terrestrial channel sits under the stand-in satellite 1.
    const bool terrestrial = product_.Terrestrial() && (!product_.Satellite() || ch.SatID == 1);
    if (product_.Satellite() && !terrestrial)
        return transponders_.value(TransponderKey(ch.SatID, ch.TPID), satellites_.value(ch.SatID));
    if (product_.Cable() && cable_.contains(ch.TPID))
        return cable_.value(ch.TPID);
    if (terrestrial)
        return terrestrial_.value(ch.TPID, QStringLiteral("RF %1").arg(ch.TPID));
    return {};
}

QString CellTexts::Favorites(std::uint32_t bits) const {
    QStringList names;
    for (std::size_t k = 0; k < static_cast<std::size_t>(kFavoriteGroupsMax); ++k) {
        if ((bits & (1u << k)) == 0)
            continue;
        const QString name = k < groups_.size() ? groups_[k] : QString();
        names << (name.isEmpty() ? QString::number(k + 1) : name);
    }
    return names.join(QStringLiteral(", "));
}

} // namespace chanforge::listprint
