#include "chanforge/check/Diff.h"

#include "ChannelDiff.h"
#include "Context.h"
#include "Match.h"

#include "chanforge/TableAccess.h"
#include "chanforge/codec/TransponderMux.h"

#include <cstring>
#include <functional>

namespace chanforge::check {

namespace {

using detail::Keyed;
using detail::NameOf;
using detail::Num;
using detail::Say;

/// A record's bytes with its RowID and whatever follows the NUL of its name cleared, so that
/// two records compare equal when every field does.
template <class T> T Normalised(const T& rec) {
    T copy = rec;
    copy.RowID = 0;
    const std::size_t n = strnlen(copy.Name, sizeof copy.Name);
    std::memset(copy.Name + n, 0, sizeof copy.Name - n);
    return copy;
}

template <class T> bool SameRecord(const T& a, const T& b) {
    const T x = Normalised(a), y = Normalised(b);
    return std::memcmp(&x, &y, sizeof x) == 0;
}
template <> bool SameRecord(const Transponder_Info_Tag& a, const Transponder_Info_Tag& b) {
    Transponder_Info_Tag x = a, y = b;
    x.RowID = y.RowID = 0;
    return std::memcmp(&x, &y, sizeof x) == 0;
}
template <> bool SameRecord(const SMux_Info_Tag& a, const SMux_Info_Tag& b) {
    SMux_Info_Tag x = a, y = b;
    x.RowID = y.RowID = 0;
    return std::memcmp(&x, &y, sizeof x) == 0;
}
template <> bool SameRecord(const CableMux_Info_Tag& a, const CableMux_Info_Tag& b) {
    CableMux_Info_Tag x = a, y = b;
    x.RowID = y.RowID = 0;
    return std::memcmp(&x, &y, sizeof x) == 0;
}

/// Matches a table whose records carry their own id; `describe` names a record in messages.
template <class T>
void DiffTable(tabstore::CQoDB& a, tabstore::CQoDB& b, TableId table,
               const std::function<std::uint64_t(const T&)>& key,
               const std::function<utils::Phrase(const T&)>& describe, Changes& out) {
    const auto keyed = [&](tabstore::CQoDB& db) {
        std::vector<Keyed> rows;
        ForEachRow<T>(db, table, [&](const T& rec) { rows.push_back({key(rec), 0, rec.RowID}); });
        return rows;
    };
    detail::Match(
        keyed(a), keyed(b),
        [&](std::uint32_t ra, std::uint32_t rb) {
            const T& x = *GetRow<T>(a, table, ra);
            const T& y = *GetRow<T>(b, table, rb);
            if (!SameRecord(x, y))
                out.push_back({table, ChangeKind::Changed, ra, rb,
                               Say(CF_TR_NOOP("Check", "%1 changed"), {describe(y)})});
        },
        [&](std::uint32_t ra) {
            out.push_back(
                {table, ChangeKind::Removed, ra, 0,
                 Say(CF_TR_NOOP("Check", "%1 removed"), {describe(*GetRow<T>(a, table, ra))})});
        },
        [&](std::uint32_t rb) {
            out.push_back(
                {table, ChangeKind::Added, 0, rb,
                 Say(CF_TR_NOOP("Check", "%1 added"), {describe(*GetRow<T>(b, table, rb))})});
        });
}

utils::Phrase TransponderText(const Transponder_Info_Tag& tp, const policy::ProductKind& product) {
    if (codec::HoldsMux(tp, product))
        return Say(CF_TR_NOOP("Check", "Multiplex %1"), {Num(tp.TPID)});
    return Say(CF_TR_NOOP("Check", "Transponder %1 MHz (id %2) of satellite %3"),
               {Num(tp.Frequency), Num(tp.TPID), Num(tp.SatID)});
}

} // namespace

Changes DiffStores(tabstore::CQoDB& a, tabstore::CQoDB& b, const codec::FlashLayout& layout) {
    Changes out;
    DiffTable<Satellite_Info_Tag>(
        a, b, kSatelliteTable, [](const Satellite_Info_Tag& s) { return s.SatID; },
        [](const Satellite_Info_Tag& s) {
            return Say(CF_TR_NOOP("Check", "Satellite %1 \"%2\""),
                       {Num(s.SatID), NameOf(s.Name, sizeof s.Name)});
        },
        out);
    DiffTable<SMux_Info_Tag>(
        a, b, kTerrestrialMuxTable, [](const SMux_Info_Tag& m) { return m.TPID; },
        [](const SMux_Info_Tag& m) {
            return Say(CF_TR_NOOP("Check", "Multiplex %1"), {Num(m.TPID)});
        },
        out);
    DiffTable<CableMux_Info_Tag>(
        a, b, kCableMuxTable, [](const CableMux_Info_Tag& m) { return m.MuxID; },
        [](const CableMux_Info_Tag& m) {
            return Say(CF_TR_NOOP("Check", "Cable multiplex %1 kHz (id %2)"),
                       {Num(m.Frequency), Num(m.MuxID)});
        },
        out);
    DiffTable<Broadcast_Info_Tag>(
        a, b, kProviderTable, [](const Broadcast_Info_Tag& p) { return p.BroadcastID; },
        [](const Broadcast_Info_Tag& p) {
            return Say(CF_TR_NOOP("Check", "Provider %1 \"%2\""),
                       {Num(p.BroadcastID), NameOf(p.Name, sizeof p.Name)});
        },
        out);
    const policy::ProductKind product = layout.product;
    DiffTable<Transponder_Info_Tag>(
        a, b, kTransponderTable,
        [product](const Transponder_Info_Tag& tp) {
            return std::uint64_t{codec::HoldsMux(tp, product)} << 16 |
                   std::uint64_t{tp.SatID} << 8 | tp.TPID;
        },
        [product](const Transponder_Info_Tag& tp) { return TransponderText(tp, product); }, out);
    detail::DiffChannels(a, b, product, out);
    DiffTable<Favorite_Info_Tag>(
        a, b, kFavoriteTable, [](const Favorite_Info_Tag& f) { return f.RowID; },
        [](const Favorite_Info_Tag& f) {
            return Say(CF_TR_NOOP("Check", "Favourite group %1 \"%2\""),
                       {Num(f.RowID), NameOf(f.Name, sizeof f.Name)});
        },
        out);
    return out;
}

std::string_view ChangeKindName(ChangeKind kind) {
    switch (kind) {
    case ChangeKind::Added:
        return "added";
    case ChangeKind::Removed:
        return "removed";
    case ChangeKind::Changed:
        return "changed";
    case ChangeKind::Moved:
        return "moved";
    case ChangeKind::Renamed:
        return "renamed";
    case ChangeKind::Reflagged:
        return "re-flagged";
    }
    return "changed";
}

} // namespace chanforge::check
