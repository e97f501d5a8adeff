#include "chanforge/reference/Plan.h"

#include "chanforge/editing/ChannelName.h"
#include "chanforge/editing/FavoriteGroups.h"
#include "utils/CodeTable.h"

#include <algorithm>
#include <numeric>
#include <optional>
#include <set>
#include <tuple>
#include <unordered_map>

namespace chanforge::reference {

namespace {

constexpr std::uint32_t kLargestNumber = 0xFFFF;

ChannelState StateOf(const Service& s) {
    return {s.number, s.marks.favorite, s.marks.positions, s.marks.locked, s.marks.skipped, s.name};
}

/// The reference's order: by number, entries without one after the numbered ones, each in list
/// order.
std::vector<std::size_t> ReferenceOrder(const Reference& ref) {
    std::vector<std::size_t> order(ref.entries.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const std::uint16_t na = ref.entries[a].number, nb = ref.entries[b].number;
        return std::make_tuple(na == 0, na) < std::make_tuple(nb == 0, nb);
    });
    return order;
}

/// The names of the groups the model keeps, group k at k-1.
std::vector<std::string> GroupNames(tabstore::CQoDB& db, std::uint32_t limit) {
    std::vector<std::string> names;
    for (const editing::FavoriteGroupName& group : editing::FavoriteGroups(db))
        if (group.index < limit) {
            names.resize(std::max<std::size_t>(names.size(), group.index + 1));
            names[group.index] = group.name;
        }
    return names;
}

/// Hands out the numbers of one kind in order.
class Numbering {
  public:
    Numbering(std::uint32_t start, bool closeGaps)
        : start_(std::max<std::uint32_t>(start, 1)), closeGaps_(closeGaps) {}

    /// The number for the entry on `line` the reference numbers referenceNumber (0: none);
    /// `wanted` is the number it would take, which a repeated reference number finds taken.
    std::uint32_t Next(std::size_t line, std::uint16_t referenceNumber, std::uint32_t& wanted) {
        const std::uint32_t free = Free();
        wanted = free;
        if (!closeGaps_ && referenceNumber != 0) {
            // Entries come in number order, so the first one numbered is the lowest.
            if (!first_)
                first_ = referenceNumber;
            wanted = referenceNumber - std::min(*first_, referenceNumber) + start_;
        }
        last_ = Unreserved(std::max(wanted, free));
        holders_.emplace(last_, line);
        return last_;
    }
    /// A channel the reference does not number: after everything handed out so far.
    std::uint32_t Following() { return last_ = Free(); }
    /// A number the channel of a line left as it is keeps: no one else gets it.
    void Reserve(std::uint32_t number, std::size_t line) {
        reserved_.insert(number);
        holders_.emplace(number, line);
    }
    /// The line whose channel has the number so far; kNoLine when none has it.
    std::size_t Holder(std::uint32_t number) const {
        const auto at = holders_.find(number);
        return at == holders_.end() ? kNoLine : at->second;
    }

  private:
    std::uint32_t Free() const { return Unreserved(last_ == 0 ? start_ : last_ + 1); }
    std::uint32_t Unreserved(std::uint32_t n) const {
        while (reserved_.contains(n))
            ++n;
        return n;
    }

    std::uint32_t start_;
    bool closeGaps_;
    std::optional<std::uint16_t> first_;
    std::uint32_t last_ = 0;
    std::set<std::uint32_t> reserved_;
    std::unordered_map<std::uint32_t, std::size_t> holders_; ///< number -> line
};

class Planner {
  public:
    Planner(tabstore::CQoDB& db, const codec::FlashLayout& layout, const Reference& ref,
            const ApplyOptions& options, const editing::LeftOut& leftOut)
        : layout_(layout), ref_(ref), options_(options), leftOut_(leftOut),
          channels_(ServicesOf(db, db, layout)), limit_(FavoriteGroupLimit(layout)),
          order_(ReferenceOrder(ref)),
          claimedBy_(channels_.size(), kFree), numbering_{{{options.start, options.closeGaps},
                                                           {options.start, options.closeGaps}}} {
        plan_.groupsNow = GroupNames(db, limit_);
    }

    Plan Run() {
        const std::vector<Match> matches = MatchServices(ref_.entries, channels_);
        plan_.entries.resize(ref_.entries.size());
        for (std::size_t e : ClaimOrder(matches))
            if (!leftOut_.contains(e))
                Claim(e, matches[e]);
        for (std::size_t e = 0; e < matches.size(); ++e)
            if (leftOut_.contains(e))
                Hold(e, matches[e]);
        ListUnmatched();
        for (std::size_t e : order_)
            if (plan_.entries[e].applied)
                Number(e);
        NumberUnmatched();
        if (ref_.carriesMarks && layout_.product.KeepsFavoritePositions())
            PlacePositions();
        PlanGroups();
        MarkSameAfterCut();
        return std::move(plan_);
    }

  private:
    static constexpr std::size_t kFree = static_cast<std::size_t>(-1);
    static constexpr std::size_t kHeld = kFree - 1; ///< by an entry the operator left out

    /// Entries sharing a channel: the stronger method keeps it, then the earlier entry.
    std::vector<std::size_t> ClaimOrder(const std::vector<Match>& matches) const {
        std::vector<std::size_t> order = order_;
        std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
            return matches[a].method < matches[b].method;
        });
        return order;
    }

    void Claim(std::size_t e, const Match& match) {
        EntryPlan& p = plan_.entries[e];
        p.match = match;
        if (!match.found())
            return;
        const Service& ch = channels_[match.channel];
        p.row = ch.row;
        p.before = StateOf(ch);
        p.after = p.before;
        if (claimedBy_[match.channel] != kFree) {
            plan_.conflicts.push_back({ConflictKind::SameChannel, e, claimedBy_[match.channel]});
            return;
        }
        claimedBy_[match.channel] = e;
        p.applied = true;
        const Service& entry = ref_.entries[e];
        if (ref_.carriesMarks) {
            p.after.favorite = entry.marks.favorite & KeptGroups();
            // Positions are placed afresh below where the model keeps them.
            if (layout_.product.KeepsFavoritePositions())
                p.after.positions = {};
            p.after.locked = entry.marks.locked;
            p.after.skipped = entry.marks.skipped;
        }
        if (options_.names && !entry.name.empty())
            TakeName(p, entry.name, ch.codeTable);
    }

    /// A left-out entry's channel stays as it is, unless another entry takes it.
    void Hold(std::size_t e, const Match& match) {
        EntryPlan& p = plan_.entries[e];
        p.match = match;
        p.leftOut = true;
        if (!match.found())
            return;
        const Service& ch = channels_[match.channel];
        p.row = ch.row;
        p.before = p.after = StateOf(ch);
        if (claimedBy_[match.channel] != kFree)
            return;
        claimedBy_[match.channel] = kHeld;
        Reserve(ch.kind, p.before, e);
    }

    void Reserve(Kind kind, const ChannelState& kept, std::size_t line) {
        NumberingOf(kind).Reserve(kept.number, line);
        held_.push_back({kind, &kept});
    }

    /// The entry's name (UTF-8) as the channel's code table and the model's slot keep it.
    void TakeName(EntryPlan& p, const std::string& name, std::uint8_t codeTable) {
        const editing::FittedName fitted =
            editing::FitText(name, codeTable, layout_.ChannelNameBytes(), options_.cutNames);
        p.nameTooLong = fitted.fit == editing::NameFit::TooLong;
        p.nameNotInTable = fitted.refused;
        p.nameCut = fitted.fit == editing::NameFit::Cut;
        p.nameReplaced = fitted.replaced;
        if (fitted.Stores())
            p.after.name = utils::NameToUtf8(fitted.stored, codeTable);
        else
            p.nameRefusal =
                editing::RefusedNamePhrase(fitted, codeTable, layout_.ChannelNameBytes());
    }

    /// Cut names that end up the same as another taken name are marked, so the preview tells
    /// them apart.
    void MarkSameAfterCut() {
        std::unordered_map<std::string_view, std::vector<std::size_t>> byName;
        for (std::size_t e = 0; e < plan_.entries.size(); ++e)
            if (plan_.entries[e].applied &&
                plan_.entries[e].after.name != plan_.entries[e].before.name)
                byName[plan_.entries[e].after.name].push_back(e);
        for (const auto& [name, at] : byName) {
            const bool anyCut = std::any_of(
                at.begin(), at.end(), [&](std::size_t e) { return plan_.entries[e].nameCut; });
            if (at.size() > 1 && anyCut)
                for (std::size_t e : at)
                    plan_.entries[e].sameAfterCut = true;
        }
    }

    void Number(std::size_t e) {
        EntryPlan& p = plan_.entries[e];
        Numbering& numbering = NumberingOf(channels_[p.match.channel].kind);
        std::uint32_t wanted = 0;
        const std::uint32_t given = numbering.Next(e, ref_.entries[e].number, wanted);
        if (given != wanted)
            plan_.conflicts.push_back(
                {ConflictKind::NumberTaken, e, numbering.Holder(wanted), wanted, given});
        SetNumber(p.after, given);
    }

    /// The channels no entry matched, by number; the ones left out keep their numbers.
    void ListUnmatched() {
        std::vector<std::size_t> left;
        for (std::size_t i = 0; i < channels_.size(); ++i)
            if (claimedBy_[i] == kFree)
                left.push_back(i);
        std::stable_sort(left.begin(), left.end(), [&](std::size_t a, std::size_t b) {
            return channels_[a].number < channels_[b].number;
        });
        plan_.unmatched.reserve(left.size());
        for (std::size_t i : left) {
            UnmatchedPlan& u = plan_.unmatched.emplace_back();
            u.row = channels_[i].row;
            u.kind = channels_[i].kind;
            u.before = u.after = StateOf(channels_[i]);
            u.leftOut = leftOut_.contains(plan_.entries.size() + plan_.unmatched.size() - 1);
        }
        for (std::size_t i = 0; i < plan_.unmatched.size(); ++i)
            if (const UnmatchedPlan& u = plan_.unmatched[i]; u.leftOut)
                Reserve(u.kind, u.before, plan_.entries.size() + i);
    }

    void NumberUnmatched() {
        for (UnmatchedPlan& u : plan_.unmatched) {
            if (u.leftOut)
                continue;
            if (options_.unmatched == Unmatched::Delete)
                u.deleted = true;
            else
                SetNumber(u.after, NumberingOf(u.kind).Following());
        }
    }

    /// Positions in each kept group, per kind: the matched members in the reference's order of
    /// the group, then the members left unmatched in their own.
    void PlacePositions() {
        std::vector<std::size_t> rank(ref_.entries.size());
        for (std::size_t i = 0; i < order_.size(); ++i)
            rank[order_[i]] = i;
        struct Member {
            std::tuple<int, std::uint32_t> key;
            ChannelState* state;
        };
        for (std::uint32_t g = 0; g < limit_; ++g)
            for (const Kind kind : {Kind::TV, Kind::Radio}) {
                std::vector<Member> members;
                const auto add = [&](int side, std::uint16_t position, std::uint32_t fallback,
                                     ChannelState& state) {
                    if ((state.favorite >> g & 1) == 0)
                        return;
                    const std::uint32_t at = position != 0 ? position : 0x10000 + fallback;
                    members.push_back({{side, at}, &state});
                };
                for (std::size_t e = 0; e < plan_.entries.size(); ++e) {
                    EntryPlan& p = plan_.entries[e];
                    if (p.applied && channels_[p.match.channel].kind == kind)
                        add(0, ref_.entries[e].marks.positions[g],
                            static_cast<std::uint32_t>(rank[e]), p.after);
                }
                for (UnmatchedPlan& u : plan_.unmatched)
                    if (!u.deleted && !u.leftOut && u.kind == kind)
                        add(1, u.before.positions[g], u.before.number, u.after);
                std::stable_sort(members.begin(), members.end(),
                                 [](const Member& a, const Member& b) { return a.key < b.key; });
                std::set<std::uint16_t> kept; ///< positions of members left as they are
                for (const Held& h : held_)
                    if (h.kind == kind && (h.state->favorite >> g & 1) != 0)
                        kept.insert(h.state->positions[g]);
                std::uint16_t position = 0;
                for (const Member& m : members) {
                    while (kept.contains(++position))
                        ;
                    m.state->positions[g] = position;
                }
            }
    }

    void PlanGroups() {
        const std::size_t kept = std::min<std::size_t>(limit_, ref_.groups.size());
        plan_.groupNames.assign(ref_.groups.begin(), ref_.groups.begin() + static_cast<long>(kept));
        if (!ref_.carriesMarks)
            return;
        for (std::uint32_t g = limit_; g < static_cast<std::uint32_t>(kFavoriteGroupsMax); ++g) {
            std::size_t members = 0;
            for (std::size_t e = 0; e < plan_.entries.size(); ++e)
                members += plan_.entries[e].applied && (ref_.entries[e].marks.favorite >> g & 1);
            if (members > 0)
                plan_.groupsPast.push_back(
                    {g + 1, g < ref_.groups.size() ? ref_.groups[g] : std::string(), members});
        }
    }

    std::uint32_t KeptGroups() const { return limit_ >= 32 ? 0xFFFFFFFFu : (1u << limit_) - 1; }

    Numbering& NumberingOf(Kind kind) { return numbering_[kind == Kind::TV ? 0 : 1]; }

    void SetNumber(ChannelState& state, std::uint32_t number) {
        if (number > kLargestNumber)
            plan_.status = PlanStatus::NumbersExhausted;
        state.number = static_cast<std::uint16_t>(std::min(number, kLargestNumber));
    }

    /// A channel left as it is, whose number and positions no one else gets.
    struct Held {
        Kind kind;
        const ChannelState* state; ///< in plan_, which keeps its size from then on
    };

    const codec::FlashLayout& layout_;
    const Reference& ref_;
    const ApplyOptions& options_;
    const editing::LeftOut& leftOut_;
    std::vector<Held> held_;
    std::vector<Service> channels_;
    std::uint32_t limit_;
    std::vector<std::size_t> order_;
    std::vector<std::size_t> claimedBy_;
    std::array<Numbering, 2> numbering_;
    Plan plan_;
};

} // namespace

std::size_t Plan::Matched() const {
    return static_cast<std::size_t>(
        std::count_if(entries.begin(), entries.end(),
                      [](const EntryPlan& p) { return p.match.found() && !p.leftOut; }));
}

std::size_t Plan::LeftOutLines() const {
    return static_cast<std::size_t>(
        std::count_if(entries.begin(), entries.end(),
                      [](const EntryPlan& p) { return p.leftOut; }) +
        std::count_if(unmatched.begin(), unmatched.end(),
                      [](const UnmatchedPlan& u) { return u.leftOut; }));
}

std::size_t Plan::NamesTooLong() const {
    return static_cast<std::size_t>(
        std::count_if(entries.begin(), entries.end(),
                      [](const EntryPlan& p) { return p.nameTooLong || p.nameNotInTable != 0; }));
}

std::size_t Plan::Uncertain() const {
    return static_cast<std::size_t>(
        std::count_if(entries.begin(), entries.end(), [](const EntryPlan& p) {
            return p.match.found() && !p.leftOut && p.match.uncertain();
        }));
}

std::vector<NamedGroup> Plan::GroupsOf(std::uint32_t mask, bool applied) const {
    std::vector<NamedGroup> groups;
    for (std::uint32_t g = 0; g < 32; ++g) {
        if ((mask >> g & 1) == 0)
            continue;
        NamedGroup& named = groups.emplace_back(NamedGroup{g + 1, {}});
        if (applied && g < groupNames.size() && !groupNames[g].empty())
            named.name =
                groupNames[g].substr(0, editing::kFavoriteNameMax); // as applying stores it
        else if (g < groupsNow.size())
            named.name = groupsNow[g];
    }
    return groups;
}

Plan PlanReference(tabstore::CQoDB& db, const codec::FlashLayout& layout, const Reference& ref,
                   const ApplyOptions& options, const editing::LeftOut& leftOut) {
    return Planner(db, layout, ref, options, leftOut).Run();
}

} // namespace chanforge::reference
