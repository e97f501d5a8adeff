#include "chanforge/editing/Duplicates.h"

#include "Rows.h"

#include <algorithm>
#include <cctype>
#include <numeric>
#include <string>
#include <tuple>
#include <unordered_map>
#include <utility>

namespace chanforge::editing {

namespace {

/// DVB service types of high-definition television (MPEG-2, AVC, HEVC, HEVC UHD).
bool HDServiceType(std::uint8_t type) {
    return type == 0x11 || type == 0x19 || type == 0x1F || type == 0x20;
}

bool QualityMark(std::string_view word) {
    return word == "hd" || word == "sd" || word == "uhd" || word == "4k";
}

bool HDMark(std::string_view word) {
    return word == "hd" || word == "uhd" || word == "4k";
}

std::string_view NameOf(const Channel_Info_Tag& ch) {
    return {ch.Name, strnlen(ch.Name, sizeof ch.Name)};
}

bool Blank(unsigned char c) {
    return std::isspace(c) != 0;
}

/// Calls fn(word) for each lower-case word of a name; split says where words end.
template <class Split, class Fn> void ForEachWord(std::string_view name, Split&& split, Fn&& fn) {
    std::string word;
    for (unsigned char c : name) {
        if (!split(c)) {
            word += static_cast<char>(std::tolower(c));
            continue;
        }
        if (!word.empty())
            fn(word);
        word.clear();
    }
    if (!word.empty())
        fn(word);
}

/// A name key without its trailing quality mark; a key that is only the mark keeps it.
std::string WithoutMark(std::string key) {
    const std::size_t lastBlank = key.rfind(' ');
    if (lastBlank != std::string::npos && QualityMark(std::string_view(key).substr(lastBlank + 1)))
        key.resize(lastBlank);
    return key;
}

/// Union-find over channel indexes.
struct Components {
    std::vector<std::size_t> parent;
    explicit Components(std::size_t n) : parent(n) {
        std::iota(parent.begin(), parent.end(), std::size_t{0});
    }
    std::size_t Root(std::size_t i) {
        while (parent[i] != i)
            i = parent[i] = parent[parent[i]];
        return i;
    }
    void Join(std::size_t a, std::size_t b) {
        a = Root(a);
        b = Root(b);
        // The earlier channel stays the root, so groups come out in table order.
        if (a != b)
            parent[std::max(a, b)] = std::min(a, b);
    }
};

struct Candidate {
    std::uint32_t key;
    bool preferred;
    std::uint16_t number;
};

bool Preferred(const Channel_Info_Tag& ch, KeepPolicy keep) {
    switch (keep) {
    case KeepPolicy::HD:
        return IsHD(ch);
    case KeepPolicy::FreeToAir:
        return (ch.Attributes & attr::kScrambled) == 0;
    case KeepPolicy::Favorite:
        return ch.Favorite != 0;
    case KeepPolicy::Lowest:
        break;
    }
    return false;
}

} // namespace

std::vector<RowIds> SameServiceGroups(tabstore::CQoDB& db) {
    // (SatID, TPID, service id) packed into one key beside the row; sorted, equal keys meet.
    std::vector<std::pair<std::uint32_t, std::uint32_t>> services;
    services.reserve(db.Size(kChannelTable));
    rows::ForEach<Channel_Info_Tag>(db, kChannelTable, [&](const Channel_Info_Tag& ch) {
        if (ch.ServiceID == 0)
            return;
        services.emplace_back(
            std::uint32_t{ch.SatID} << 24 | std::uint32_t{ch.TPID} << 16 | ch.ServiceID, ch.RowID);
    });
    std::sort(services.begin(), services.end());
    std::vector<RowIds> groups;
    for (std::size_t i = 0; i < services.size();) {
        std::size_t j = i + 1;
        while (j < services.size() && services[j].first == services[i].first)
            ++j;
        if (j - i > 1) {
            auto& group = groups.emplace_back();
            for (std::size_t k = i; k < j; ++k)
                group.push_back(services[k].second);
        }
        i = j;
    }
    std::sort(groups.begin(), groups.end());
    return groups;
}

std::optional<KeepPolicy> KeepPolicyNamed(std::string_view name) {
    if (name == "lowest")
        return KeepPolicy::Lowest;
    if (name == "hd")
        return KeepPolicy::HD;
    if (name == "fta")
        return KeepPolicy::FreeToAir;
    if (name == "favourite")
        return KeepPolicy::Favorite;
    return std::nullopt;
}

std::string NameKey(std::string_view name) {
    std::string key;
    ForEachWord(name, Blank,
                [&](const std::string& word) { key += (key.empty() ? "" : " ") + word; });
    return key;
}

std::string VariantKey(std::string_view name) {
    return WithoutMark(NameKey(name));
}

bool IsHD(const Channel_Info_Tag& ch) {
    if (HDServiceType(ch.ServiceType))
        return true;
    bool hd = false;
    ForEachWord(
        NameOf(ch), [](unsigned char c) { return std::isalnum(c) == 0; },
        [&](const std::string& word) { hd = hd || HDMark(word); });
    return hd;
}

std::vector<DuplicateGroup> FindDuplicates(tabstore::CQoDB& db, KeepPolicy keep, Product product,
                                           NameRule rule) {
    const std::size_t size = db.Size(kChannelTable);
    std::vector<Candidate> channels;
    std::unordered_map<std::uint32_t, std::size_t> indexOf;
    std::unordered_map<std::string, std::size_t> firstNamed;   ///< kind + name key -> index
    std::unordered_map<std::string, std::size_t> firstVariant; ///< kind + variant key -> index
    std::vector<std::string> keys;
    channels.reserve(size);
    Components components(size);
    std::vector<char> byName(size, 0), byVariant(size, 0), byService(size, 0);
    rows::ForEach<Channel_Info_Tag>(db, kChannelTable, [&](const Channel_Info_Tag& ch) {
        const std::size_t i = channels.size();
        if (i >= size)
            return; // the table grew under the walk: never in practice
        channels.push_back(
            {ch.RowID, Preferred(ch, keep), product.UsesShowNum() ? ch.ShowNum : ch.ProgramNum});
        indexOf.emplace(ch.RowID, i);
        // A terrestrial copy of a satellite programme is another way to receive it, not a copy.
        const bool terrestrial = product.Terrestrial() && ch.SatID == 1;
        const std::string kind = std::string(IsTV(ch) ? "T" : "R") + (terrestrial ? "t" : "s");
        keys.push_back(NameKey(NameOf(ch)));
        if (keys.back().empty())
            return;
        if (const auto [at, fresh] = firstNamed.emplace(kind + keys.back(), i); !fresh) {
            components.Join(at->second, i);
            byName[at->second] = byName[i] = 1;
        }
        if (rule != NameRule::WithVariants)
            return;
        const auto [at, fresh] = firstVariant.emplace(kind + WithoutMark(keys.back()), i);
        if (!fresh && keys[at->second] != keys.back()) {
            components.Join(at->second, i);
            byVariant[at->second] = byVariant[i] = 1;
        }
    });
    for (const RowIds& group : SameServiceGroups(db))
        for (std::uint32_t key : group) {
            const std::size_t i = indexOf.at(key);
            components.Join(indexOf.at(group.front()), i);
            byService[i] = 1;
        }
    std::vector<DuplicateGroup> groups;
    std::unordered_map<std::size_t, std::size_t> groupOf; ///< root -> index in groups
    std::vector<std::size_t> sizes(channels.size(), 0);
    for (std::size_t i = 0; i < channels.size(); ++i)
        ++sizes[components.Root(i)];
    for (std::size_t i = 0; i < channels.size(); ++i) {
        const std::size_t root = components.Root(i);
        if (sizes[root] < 2)
            continue;
        const auto [at, fresh] = groupOf.emplace(root, groups.size());
        if (fresh)
            groups.emplace_back();
        DuplicateGroup& group = groups[at->second];
        group.rows.push_back(channels[i].key);
        group.sameService = group.sameService || byService[i] != 0;
        group.sameName = group.sameName || byName[i] != 0;
        group.variants = group.variants || byVariant[i] != 0;
        const auto rank = [&](const Candidate& c) { return std::tuple(!c.preferred, c.number); };
        if (group.kept == 0 || rank(channels[i]) < rank(channels[indexOf.at(group.kept)]))
            group.kept = channels[i].key;
    }
    return groups;
}

std::size_t Doomed(const std::vector<DuplicateGroup>& groups, const LeftOut& leftOut) {
    std::size_t doomed = 0;
    for (std::size_t i = 0; i < groups.size(); ++i)
        if (!leftOut.contains(i))
            doomed += groups[i].rows.size() - 1;
    return doomed;
}

std::size_t DeleteDuplicates(tabstore::CQoDB& db, const std::vector<DuplicateGroup>& groups,
                             const LeftOut& leftOut) {
    RowIds doomed;
    for (std::size_t i = 0; i < groups.size(); ++i)
        if (!leftOut.contains(i))
            for (std::uint32_t key : groups[i].rows)
                if (key != groups[i].kept)
                    doomed.push_back(key);
    return doomed.empty() ? 0 : DeleteChannels(db, doomed);
}

} // namespace chanforge::editing
