#include "chanforge/editing/DeliveryLists.h"

#include "Rows.h"
#include "chanforge/editing/DeliveryText.h"
#include "chanforge/editing/TextOrder.h"
#include "utils/Translatable.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <numeric>

namespace chanforge::editing {

namespace {

constexpr std::array kSatelliteColumns = {
    ListColumn{"", "000", Hidden::Never, false},
    ListColumn{CF_TR_NOOP("ListColumns", "Index"), "00", Hidden::Simple, false},
    ListColumn{CF_TR_NOOP("ListColumns", "ID"), "ID", Hidden::Simple, false},
    ListColumn{CF_TR_NOOP("ListColumns", "Name"), "0000000000000000", Hidden::Never, false},
    ListColumn{CF_TR_NOOP("ListColumns", "Degree"), "0000.0 E", Hidden::Never, true},
};

constexpr std::array kTransponderColumns = {
    ListColumn{"", "000", Hidden::Never, false},
    ListColumn{CF_TR_NOOP("ListColumns", "Index"), "00", Hidden::Simple, false},
    //: Column header: id of the transponder (carrier) record.
    ListColumn{CF_TR_NOOP("ListColumns", "TPID"), "00", Hidden::Simple, false},
    ListColumn{CF_TR_NOOP("ListColumns", "TS ID"), "00000", Hidden::Always, false},
    ListColumn{CF_TR_NOOP("ListColumns", "Sat ID"), "00", Hidden::Simple, false},
    ListColumn{CF_TR_NOOP("ListColumns", "Freq"), "000MHz", Hidden::Never, false},
    ListColumn{CF_TR_NOOP("ListColumns", "Symbol"), "000000", Hidden::Never, false},
    ListColumn{CF_TR_NOOP("ListColumns", "Polarity"), " H O R ", Hidden::Never, false},
    //: Column header: forward error correction (code rate, e.g. 3/4); usually kept as is.
    ListColumn{CF_TR_NOOP("ListColumns", "FEC"), "0000", Hidden::Never, false},
};

constexpr std::array kMuxColumns = {
    ListColumn{"", "0000", Hidden::Never, false},
    ListColumn{CF_TR_NOOP("ListColumns", "Index"), "00", Hidden::Always, false},
    ListColumn{CF_TR_NOOP("ListColumns", "Freq.(MHz)"), "000.0 (MHz)", Hidden::Never, false},
    ListColumn{CF_TR_NOOP("ListColumns", "TX Mod"), "0000000", Hidden::Never, false},
    //: Column header, terrestrial multiplex: code rate (e.g. 2/3). Abbreviate.
    ListColumn{CF_TR_NOOP("ListColumns", "C.R."), "00000", Hidden::Never, false},
    ListColumn{CF_TR_NOOP("ListColumns", "Const."), "64 QAM ", Hidden::Never, false},
    //: Column header, terrestrial multiplex: guard interval (e.g. 1/32). Abbreviate.
    ListColumn{CF_TR_NOOP("ListColumns", "G.I."), "00000", Hidden::Never, false},
    ListColumn{CF_TR_NOOP("ListColumns", "Priority"), "A u t o ", Hidden::Never, false},
};

constexpr std::array kCableColumns = {
    ListColumn{"", "000", Hidden::Never, false},
    ListColumn{CF_TR_NOOP("ListColumns", "Index"), "00", Hidden::Always, false},
    //: Column header, cable: number of the multiplex (the carrier), not a verb.
    ListColumn{CF_TR_NOOP("ListColumns", "MUX"), "0000", Hidden::Never, false},
    ListColumn{CF_TR_NOOP("ListColumns", "Freq.(MHz)"), "000.0 (MHz)", Hidden::Never, false},
    ListColumn{CF_TR_NOOP("ListColumns", "Symbol"), "0000000", Hidden::Never, false},
    ListColumn{CF_TR_NOOP("ListColumns", "TS ID"), "00000", Hidden::Always, false},
    ListColumn{CF_TR_NOOP("ListColumns", "NET ID"), "000000", Hidden::Always, false},
    ListColumn{CF_TR_NOOP("ListColumns", "ORG NID"), "000000", Hidden::Always, false},
    //: Column header, cable: constellation (QAM order, e.g. 64 QAM). Abbreviate.
    ListColumn{CF_TR_NOOP("ListColumns", "Const"), "00000", Hidden::Never, false},
    ListColumn{CF_TR_NOOP("ListColumns", "Invert"), "0000", Hidden::Never, false},
    //: Column header, cable: the multiplex's marker flag (a check mark), not a brand.
    ListColumn{CF_TR_NOOP("ListColumns", "Mark"), "0000", Hidden::Never, false},
};

constexpr std::array kProviderColumns = {
    //: Column header: number (the row's position), not the word "no".
    ListColumn{CF_TR_NOOP("ListColumns", "NO"), "0000", Hidden::Never, false},
    ListColumn{CF_TR_NOOP("ListColumns", "Index"), "00", Hidden::Always, false},
    ListColumn{CF_TR_NOOP("ListColumns", "Broadcast ID"), "00", Hidden::Always, false},
    ListColumn{CF_TR_NOOP("ListColumns", "Name"), "00000000000000000", Hidden::Never, false},
    ListColumn{CF_TR_NOOP("ListColumns", "Count"), "000000", Hidden::Never, true},
};

template <std::size_t N> std::string Text(const char (&name)[N]) {
    return std::string(name, strnlen(name, N));
}

std::string N(unsigned value) {
    return std::to_string(value);
}

std::string SatelliteCell(const Satellite_Info_Tag& s, int column) {
    switch (column) {
    case 1:
        return N(s.RowID);
    case 2:
        return N(s.SatID);
    case 3:
        return Text(s.Name);
    case 4:
        return DegreeText(s.Degree);
    default:
        return {};
    }
}

std::string TransponderCell(const Transponder_Info_Tag& tp, int column, Product product) {
    switch (column) {
    case 1:
        return N(tp.RowID);
    case 2:
        return N(tp.TPID);
    case 3:
        return N(tp.TSID);
    case 4:
        return N(tp.SatID);
    case 5:
        return Grouped(tp.Frequency);
    case 6:
        return Grouped(tp.SymbolRate);
    case 7:
        return (tp.PolFEC & 1) != 0 ? "HOR" : "VER";
    case 8:
        return FECText(tp, product);
    default:
        return {};
    }
}

std::string MuxCell(const SMux_Info_Tag& mux, int column) {
    switch (column) {
    case 0:
        return MuxName(mux);
    case 1:
        return N(mux.TPID);
    case 2:
        return MuxFrequencyText(mux);
    case 3:
        return TxModeText(mux.MuxParams);
    case 4:
        return CodeRateText(mux.MuxParams);
    case 5:
        return ConstellationText(mux.MuxParams);
    case 6:
        return GuardText(mux.MuxParams);
    case 7:
        return PriorityText(mux.MuxParams);
    default:
        return {};
    }
}

std::string CableCell(const CableMux_Info_Tag& mux, int column, Product product) {
    const bool combined = product.SeparateCableInversion();
    switch (column) {
    case 1:
        return N(mux.RowID);
    case 2:
        return N(mux.MuxID);
    case 3:
        return CableFrequencyText(mux.Frequency);
    case 4:
        return N(mux.SymbolRate) + " Ks/s";
    case 5:
        return N(mux.TSID);
    case 6:
        return N(mux.NetworkID);
    case 7:
        return N(mux.OrgNetID);
    case 8:
        return QamText(combined ? mux.Modulation : mux.Modulation >> 2);
    case 9:
        return N(combined ? mux.Invert : mux.Modulation & 3);
    case 10:
        return N(mux.Mark);
    default:
        return {};
    }
}

std::string ProviderCell(tabstore::CQoDB& db, const Broadcast_Info_Tag& p, int column) {
    switch (column) {
    case 1:
        return N(p.RowID);
    case 2:
        return N(p.BroadcastID);
    case 3:
        return Text(p.Name);
    case 4: {
        unsigned tv = 0;
        unsigned radio = 0;
        rows::ForEach<Channel_Info_Tag>(db, kChannelTable, [&](const Channel_Info_Tag& ch) {
            if (ch.BroadcastID != p.BroadcastID)
                return;
            tv += IsTV(ch) ? 1 : 0;
            radio += IsRadio(ch) ? 1 : 0;
        });
        return N(tv) + "/" + N(radio);
    }
    default:
        return {};
    }
}

template <class T, class Pred>
RowIds KeysWhere(tabstore::CQoDB& db, std::uint8_t table, Pred&& keep) {
    RowIds keys;
    rows::ForEach<T>(db, table, [&](const T& row) {
        if (keep(row))
            keys.push_back(row.RowID);
    });
    return keys;
}

} // namespace

std::span<const ListColumn> ListColumns(ListKind kind) {
    switch (kind) {
    case ListKind::Satellite:
        return kSatelliteColumns;
    case ListKind::Transponder:
        return kTransponderColumns;
    case ListKind::TerrestrialMux:
        return kMuxColumns;
    case ListKind::CableMux:
        return kCableColumns;
    case ListKind::Provider:
        return kProviderColumns;
    }
    return {};
}

bool ListColumnHidden(ListKind kind, int column, bool simpleMode) {
    const auto columns = ListColumns(kind);
    if (column < 0 || static_cast<std::size_t>(column) >= columns.size())
        return true;
    const Hidden h = columns[static_cast<std::size_t>(column)].hidden;
    return h == Hidden::Always || (h == Hidden::Simple && simpleMode);
}

RowIds ListRows(tabstore::CQoDB& db, ListKind kind, Product product, std::uint32_t satelliteId) {
    const bool terrestrial = product.Terrestrial();
    switch (kind) {
    case ListKind::Satellite:
        return KeysWhere<Satellite_Info_Tag>(
            db, kSatelliteTable, [&](const auto& s) { return !(terrestrial && s.SatID == 1); });
    case ListKind::Transponder:
        return KeysWhere<Transponder_Info_Tag>(db, kTransponderTable, [&](const auto& tp) {
            return !(terrestrial && tp.SatID == 1) && (satelliteId == 0 || tp.SatID == satelliteId);
        });
    case ListKind::TerrestrialMux:
        if (product.Combination())
            return KeysWhere<Transponder_Info_Tag>(db, kTransponderTable,
                                                   [](const auto& tp) { return tp.SatID == 1; });
        if (terrestrial)
            return KeysWhere<SMux_Info_Tag>(db, kTerrestrialMuxTable,
                                            [](const auto&) { return true; });
        return {};
    case ListKind::CableMux:
        if (!product.Cable())
            return {};
        return KeysWhere<CableMux_Info_Tag>(db, kCableMuxTable, [](const auto&) { return true; });
    case ListKind::Provider:
        return KeysWhere<Broadcast_Info_Tag>(db, kProviderTable, [](const auto&) { return true; });
    }
    return {};
}

std::string ListCellText(tabstore::CQoDB& db, ListKind kind, std::uint32_t key, int column,
                         Product product) {
    switch (kind) {
    case ListKind::Satellite:
        if (const auto* s = rows::Get<Satellite_Info_Tag>(db, kSatelliteTable, key))
            return SatelliteCell(*s, column);
        break;
    case ListKind::Transponder:
        if (const auto* tp = rows::Get<Transponder_Info_Tag>(db, kTransponderTable, key))
            return TransponderCell(*tp, column, product);
        break;
    case ListKind::TerrestrialMux:
        if (product.Combination()) {
            if (const auto* tp = rows::Get<Transponder_Info_Tag>(db, kTransponderTable, key))
                return MuxCell(MuxFromTransponder(*tp), column);
        } else if (const auto* mux = rows::Get<SMux_Info_Tag>(db, kTerrestrialMuxTable, key)) {
            return MuxCell(*mux, column);
        }
        break;
    case ListKind::CableMux:
        if (const auto* mux = rows::Get<CableMux_Info_Tag>(db, kCableMuxTable, key))
            return CableCell(*mux, column, product);
        break;
    case ListKind::Provider:
        if (const auto* p = rows::Get<Broadcast_Info_Tag>(db, kProviderTable, key))
            return ProviderCell(db, *p, column);
        break;
    }
    return {};
}

std::uint32_t MuxListKey(tabstore::CQoDB& db, std::uint32_t rowId, Product product) {
    if (product.Combination())
        return rowId;
    const auto* mux = rows::Get<SMux_Info_Tag>(db, kTerrestrialMuxTable, rowId);
    return mux != nullptr ? mux->TPID : 0;
}

void SortListByText(tabstore::CQoDB& db, ListKind kind, RowIds& keys, int column, bool descending,
                    Product product) {
    std::vector<std::string> texts(keys.size());
    for (std::size_t i = 0; i < keys.size(); ++i)
        texts[i] = ListCellText(db, kind, keys[i], column, product);
    std::vector<std::size_t> order(keys.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return descending ? NaturalLess(texts[b], texts[a]) : NaturalLess(texts[a], texts[b]);
    });
    RowIds sorted;
    sorted.reserve(keys.size());
    for (std::size_t i : order)
        sorted.push_back(keys[i]);
    keys.swap(sorted);
}

} // namespace chanforge::editing
