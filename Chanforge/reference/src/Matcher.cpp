#include "chanforge/reference/Matcher.h"

#include "chanforge/reference/NameKey.h"

#include <string>
#include <tuple>
#include <unordered_map>

namespace chanforge::reference {

namespace {

using Candidates = std::vector<std::size_t>;
template <class Key> using Index = std::unordered_map<Key, Candidates>;

std::uint64_t CarrierKey(const Service& s) {
    const Carrier& c = s.carrier;
    return std::uint64_t{static_cast<std::uint8_t>(c.delivery)} << 40 |
           std::uint64_t{c.degree} << 24 | std::uint64_t{c.horizontal} << 16 | s.sid;
}

std::uint32_t IdsKey(const Service& s) {
    return std::uint32_t{s.tsid} << 16 | s.sid;
}

bool HasCarrier(const Service& s) {
    return s.carrier.delivery != Delivery::Unknown && s.sid != 0;
}

bool HasIds(const Service& s) {
    return s.sid != 0 && s.tsid != 0;
}

bool KindsAgree(const Service& a, const Service& b) {
    return a.kind == Kind::Unknown || b.kind == Kind::Unknown || a.kind == b.kind;
}

struct Indexes {
    Index<std::uint64_t> carrier;
    Index<std::uint32_t> ids;
    Index<std::string> name;
    Index<std::string> withoutHD;
};

Indexes IndexChannels(std::span<const Service> channels) {
    Indexes ix;
    for (std::size_t i = 0; i < channels.size(); ++i) {
        const Service& ch = channels[i];
        if (HasCarrier(ch))
            ix.carrier[CarrierKey(ch)].push_back(i);
        if (HasIds(ch))
            ix.ids[IdsKey(ch)].push_back(i);
        if (std::string key = NameKey(ch.name); !key.empty())
            ix.name[std::move(key)].push_back(i);
        if (std::string base = WithoutHD(ch.name); !base.empty())
            ix.withoutHD[std::move(base)].push_back(i);
    }
    return ix;
}

template <class Map, class Key> const Candidates* Lookup(const Map& map, const Key& key) {
    const auto at = map.find(key);
    return at == map.end() ? nullptr : &at->second;
}

class Matcher {
  public:
    Matcher(std::span<const Service> reference, std::span<const Service> channels)
        : reference_(reference), channels_(channels), ix_(IndexChannels(channels)),
          matches_(reference.size()), taken_(channels.size(), false) {}

    std::vector<Match> Run() {
        Pass(Method::Carrier, [&](const Service& e, auto consider) {
            if (!HasCarrier(e))
                return;
            if (const Candidates* c = Lookup(ix_.carrier, CarrierKey(e)))
                for (std::size_t i : *c)
                    if (Near(channels_[i].carrier.kHz, e.carrier.kHz))
                        consider(i);
        });
        Pass(Method::ServiceIds, [&](const Service& e, auto consider) {
            if (!HasIds(e))
                return;
            if (const Candidates* c = Lookup(ix_.ids, IdsKey(e)))
                for (std::size_t i : *c)
                    if (e.onid == 0 || channels_[i].onid == 0 || e.onid == channels_[i].onid)
                        consider(i);
        });
        Pass(Method::Name, [&](const Service& e, auto consider) {
            if (const Candidates* c = Lookup(ix_.name, NameKey(e.name)))
                ForSameKind(e, *c, consider);
        });
        Pass(Method::NameVariant, [&](const Service& e, auto consider) {
            // "X HD" finds "X", and "X" finds "X HD".
            if (const std::string base = WithoutHD(e.name); !base.empty())
                if (const Candidates* c = Lookup(ix_.name, base))
                    ForSameKind(e, *c, consider);
            if (const Candidates* c = Lookup(ix_.withoutHD, NameKey(e.name)))
                ForSameKind(e, *c, consider);
        });
        return std::move(matches_);
    }

  private:
    static bool Near(std::uint32_t a, std::uint32_t b) {
        return (a > b ? a - b : b - a) <= kCarrierToleranceKHz;
    }

    template <class Consider>
    void ForSameKind(const Service& e, const Candidates& c, Consider consider) const {
        for (std::size_t i : c)
            if (KindsAgree(e, channels_[i]))
                consider(i);
    }

    /// Same kind, then free-to-air, then not matched yet; the first in table order after that.
    auto Rank(const Service& e, std::size_t i) const {
        const Service& ch = channels_[i];
        return std::make_tuple(e.kind != Kind::Unknown && e.kind == ch.kind, !ch.scrambled,
                               !taken_[i]);
    }

    template <class Find> void Pass(Method method, Find find) {
        for (std::size_t e = 0; e < reference_.size(); ++e) {
            if (matches_[e].found())
                continue;
            const Service& entry = reference_[e];
            std::size_t best = Match::kNone;
            find(entry, [&](std::size_t i) {
                if (best == Match::kNone || Rank(entry, i) > Rank(entry, best))
                    best = i;
            });
            if (best == Match::kNone)
                continue;
            matches_[e] = {best, method};
            taken_[best] = true;
        }
    }

    std::span<const Service> reference_;
    std::span<const Service> channels_;
    Indexes ix_;
    std::vector<Match> matches_;
    std::vector<bool> taken_;
};

} // namespace

std::vector<Match> MatchServices(std::span<const Service> reference,
                                 std::span<const Service> channels) {
    return Matcher(reference, channels).Run();
}

std::string_view MethodName(Method method) {
    switch (method) {
    case Method::Carrier:
        return "carrier";
    case Method::ServiceIds:
        return "ids";
    case Method::Name:
        return "name";
    case Method::NameVariant:
        return "name-variant";
    case Method::None:
        break;
    }
    return "none";
}

} // namespace chanforge::reference
