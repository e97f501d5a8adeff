#include "chanforge/editing/SortByKeys.h"

#include "Rows.h"
#include "chanforge/codec/TransponderMux.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <string>
#include <unordered_map>

namespace chanforge::editing {

namespace {

std::string Folded(const char* field, std::size_t size) {
    std::string text(field, strnlen(field, size));
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

/// What one channel is sorted by, read once.
struct Entry {
    Channel_Info_Tag* ch;
    std::uint32_t carrier; ///< frequency * 2 + horizontal, or a multiplex id
    std::string name;
    bool knownProvider;
    std::string provider;
};

/// Carrier order: a transponder's frequency and polarisation, a cable multiplex's frequency, else
/// the TPID (a terrestrial multiplex's RF channel).
struct CarrierOrder {
    std::unordered_map<std::uint32_t, std::uint32_t> transponders; ///< SatID << 8 | TPID
    std::unordered_map<std::uint32_t, std::uint32_t> cables;       ///< MuxID

    CarrierOrder(tabstore::CQoDB& db, Product product) {
        if (product.Satellite())
            rows::ForEach<Transponder_Info_Tag>(
                db, kTransponderTable, [&](const Transponder_Info_Tag& tp) {
                    if (!codec::HoldsMux(tp, product))
                        transponders.emplace(std::uint32_t{tp.SatID} << 8 | tp.TPID,
                                             std::uint32_t{tp.Frequency} * 2 + (tp.PolFEC & 1));
                });
        if (product.Cable())
            rows::ForEach<CableMux_Info_Tag>(db, kCableMuxTable, [&](const CableMux_Info_Tag& m) {
                cables.emplace(m.MuxID, m.Frequency);
            });
    }
    std::uint32_t Of(const Channel_Info_Tag& ch) const {
        if (const auto at = transponders.find(std::uint32_t{ch.SatID} << 8 | ch.TPID);
            at != transponders.end())
            return at->second;
        if (const auto at = cables.find(ch.TPID); at != cables.end())
            return at->second;
        return ch.TPID;
    }
};

/// Negative, zero or positive as a comes before, with or after b under key.
int Compare(const Entry& a, const Entry& b, SortKey key) {
    const auto three = [](const auto& x, const auto& y) { return x < y ? -1 : y < x ? 1 : 0; };
    switch (key) {
    case SortKey::Satellite:
        return three(a.ch->SatID, b.ch->SatID);
    case SortKey::Transponder:
        return three(a.carrier, b.carrier);
    case SortKey::Name:
        return three(a.name, b.name);
    case SortKey::Provider:
        return a.knownProvider != b.knownProvider ? (a.knownProvider ? -1 : 1)
                                                  : three(a.provider, b.provider);
    case SortKey::ScrambledLast:
        return three(a.ch->Attributes & attr::kScrambled, b.ch->Attributes & attr::kScrambled);
    }
    return 0;
}

} // namespace

RowKeyMap SortByKeys(tabstore::CQoDB& db, const std::vector<SortKey>& keys, Product product) {
    std::unordered_map<std::uint16_t, std::string> providers;
    rows::ForEach<Broadcast_Info_Tag>(db, kProviderTable, [&](const Broadcast_Info_Tag& p) {
        providers.emplace(p.BroadcastID, Folded(p.Name, sizeof p.Name));
    });
    const CarrierOrder carriers(db, product);
    std::vector<Entry> kinds[2]; // other channels, TV channels: each kind is numbered apart
    rows::ForEach<Channel_Info_Tag>(db, kChannelTable, [&](Channel_Info_Tag& ch) {
        const auto provider = providers.find(ch.BroadcastID);
        kinds[IsTV(ch) ? 1 : 0].push_back({&ch, carriers.Of(ch), Folded(ch.Name, sizeof ch.Name),
                                           provider != providers.end(),
                                           provider != providers.end() ? provider->second : ""});
    });
    for (std::vector<Entry>& entries : kinds) {
        // Equal channels keep the order of their numbers.
        std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
            return a.ch->ProgramNum < b.ch->ProgramNum;
        });
        std::stable_sort(entries.begin(), entries.end(), [&](const Entry& a, const Entry& b) {
            for (SortKey key : keys)
                if (const int c = Compare(a, b, key); c != 0)
                    return c < 0;
            return false;
        });
        std::uint16_t number = 0;
        for (Entry& e : entries) {
            e.ch->ProgramNum = e.ch->ShowNum = ++number;
            if (!product.UsesShowNum())
                e.ch->LogicalNumber = number;
        }
    }
    return rows::RegroupAndRenumber(db);
}

} // namespace chanforge::editing
