#include "Network.h"

#include "chanforge/TableAccess.h"
#include "chanforge/codec/TableCapacity.h"
#include "chanforge/editing/ChannelName.h"
#include "chanforge/editing/FavoriteGroups.h"
#include "utils/Translatable.h"

#include <algorithm>
#include <unordered_map>

namespace chanforge::merge {

namespace {

constexpr unsigned kLargestNumber = 0xFFFF;

/// The numbers each kind has taken, and where appending goes on.
class NumberPlan {
  public:
    NumberPlan(tabstore::CQoDB& db, Numbers how) : how_(how) {
        for (auto& used : used_)
            used.assign(kLargestNumber + 1, false);
        ForEachRow<Channel_Info_Tag>(
            db, kChannelTable, [&](const Channel_Info_Tag& ch) { Take(IsTV(ch), ch.ProgramNum); });
    }

    /// The number an added channel gets, 0 when its kind has none left.
    std::uint16_t Next(bool tv, std::uint16_t theirs) {
        unsigned n = 0;
        if (how_ == Numbers::Keep && theirs != 0 && !used_[tv][theirs])
            n = theirs;
        else if (how_ == Numbers::Gaps)
            n = LowestFree(tv);
        else
            n = last_[tv] + 1;
        if (n == 0 || n > kLargestNumber)
            return 0;
        Take(tv, static_cast<std::uint16_t>(n));
        return static_cast<std::uint16_t>(n);
    }

  private:
    void Take(bool tv, std::uint16_t n) {
        used_[tv][n] = true;
        last_[tv] = std::max<unsigned>(last_[tv], n);
    }
    unsigned LowestFree(bool tv) {
        while (gap_[tv] <= kLargestNumber && used_[tv][gap_[tv]])
            ++gap_[tv];
        return gap_[tv];
    }

    Numbers how_;
    std::vector<bool> used_[2];
    unsigned last_[2] = {0, 0};
    unsigned gap_[2] = {1, 1};
};

/// Favourite groups by name: the other list's group k-1 -> this model's group index.
class GroupMap {
  public:
    GroupMap(tabstore::CQoDB& db, const codec::FlashLayout& layout, const Incoming& in) {
        const std::uint32_t limit = reference::FavoriteGroupLimit(layout);
        std::unordered_map<std::string, std::uint32_t> here;
        for (const editing::FavoriteGroupName& g : editing::FavoriteGroups(db))
            if (g.index < limit)
                here.emplace(g.name, g.index);
        to_.assign(in.groups.size(), kNone);
        for (std::size_t g = 0; g < in.groups.size(); ++g)
            if (const auto at = here.find(in.groups[g]); at != here.end())
                to_[g] = at->second;
        ForEachRow<Channel_Info_Tag>(db, kChannelTable, [&](const Channel_Info_Tag& ch) {
            for (std::size_t g = 0; g < kFavoriteGroupsMax; ++g)
                last_[g] = std::max(last_[g], ch.FavoriteSlot[g]);
        });
    }

    /// The groups here of a membership mask of the other list.
    std::uint32_t Mask(std::uint32_t theirs) const {
        std::uint32_t mask = 0;
        for (std::size_t g = 0; g < to_.size() && g < 32; ++g)
            if ((theirs >> g & 1u) != 0 && to_[g] != kNone)
                mask |= 1u << to_[g];
        return mask;
    }

    /// Joins the groups of `mask` it is not in yet at their ends.
    void Join(std::uint32_t mask, std::uint32_t was, ChannelMarks& marks) {
        for (std::size_t g = 0; g < kFavoriteGroupsMax && g < 32; ++g) {
            const bool in = (mask >> g & 1u) != 0;
            if (in && (was >> g & 1u) == 0)
                marks.positions[g] = ++last_[g];
            else if (!in)
                marks.positions[g] = 0;
        }
        marks.favorite = mask;
    }

  private:
    static constexpr std::uint32_t kNone = static_cast<std::uint32_t>(-1);
    std::vector<std::uint32_t> to_;
    std::array<std::uint16_t, kFavoriteGroupsMax> last_{};
};

ChannelMarks MarksOf(const Channel_Info_Tag& ch) {
    ChannelMarks m;
    m.favorite = ch.Favorite;
    std::copy(std::begin(ch.FavoriteSlot), std::end(ch.FavoriteSlot), m.positions.begin());
    m.locked = (ch.Attributes & attr::kLocked) != 0;
    m.skipped = (ch.Attributes & attr::kSkipped) != 0;
    m.name = std::string(editing::NameOf(ch));
    return m;
}

/// A matched channel's marks once it took what options ask of the other list's channel.
ChannelMarks Updated(const Channel_Info_Tag& here, const reference::Service& theirs,
                     const MergeOptions& options, const codec::FlashLayout& layout,
                     GroupMap& groups) {
    ChannelMarks after = MarksOf(here);
    if ((options.update & kUpdateFlags) != 0) {
        after.locked = theirs.marks.locked;
        after.skipped = theirs.marks.skipped;
    }
    if ((options.update & kUpdateFavorites) != 0)
        groups.Join(groups.Mask(theirs.marks.favorite), here.Favorite, after);
    if ((options.update & kUpdateNames) != 0) {
        // A name this channel's code table or slot cannot keep leaves the one it has.
        const editing::FittedName fitted =
            editing::FitText(theirs.name, here.CodeTable, layout.ChannelNameBytes(), false);
        if (fitted.Stores())
            after.name = fitted.stored;
    }
    return after;
}

/// A channel the matcher paired with one here only by a name variant ("X HD" for "X") is
/// another channel: it is added.
bool IsHere(const reference::Match& m) {
    return m.found() && m.method != reference::Method::NameVariant;
}

void PlanMatched(MergeLine& line, tabstore::CQoDB& db, std::uint32_t row,
                 const reference::Service& theirs, const MergeOptions& options,
                 const codec::FlashLayout& layout, GroupMap& groups) {
    line.row = row;
    line.action = Action::AlreadyHere;
    const auto* here = GetRow<Channel_Info_Tag>(db, kChannelTable, row);
    if (here == nullptr || options.update == kUpdateNothing)
        return;
    line.before = MarksOf(*here);
    line.after = Updated(*here, theirs, options, layout, groups);
    if (line.after != line.before)
        line.action = Action::Update;
}

void PlanAdded(MergeLine& line, const Channel_Info_Tag& theirs, NumberPlan& numbers,
               detail::NetworkPlan& network, GroupMap& groups, std::uint64_t& channelRoom,
               std::vector<NewRecord>& created) {
    // A line left out is shown as what it is, an addition; it takes no room, number or record.
    line.action = line.leftOut ? Action::Add : Action::CannotAdd;
    if (line.leftOut)
        return;
    if (channelRoom == 0) {
        line.reason = utils::Phrase("Merge", CF_TR_NOOP("Merge", "The channel table is full"));
        return;
    }
    detail::Placement place;
    if (std::optional<utils::Phrase> refused = network.Place(theirs, place, created)) {
        line.reason = std::move(*refused);
        return;
    }
    line.number = numbers.Next(IsTV(theirs), theirs.ProgramNum);
    if (line.number == 0) {
        line.reason = utils::Phrase(
            "Merge", CF_TR_NOOP("Merge", "No channel number of its kind is left for it"));
        return;
    }
    --channelRoom;
    line.action = Action::Add;
    line.satId = place.satId;
    line.tpId = place.tpId;
    line.broadcastId = place.broadcastId;
    ChannelMarks marks;
    groups.Join(groups.Mask(theirs.Favorite), 0, marks);
    line.favorite = marks.favorite;
    line.after = marks;
}

std::vector<Room> RoomOf(tabstore::CQoDB& db, const codec::FlashLayout& layout,
                         const MergePlan& plan) {
    std::vector<Room> out;
    for (const TableId table : {kChannelTable, kSatelliteTable, kTransponderTable,
                                kTerrestrialMuxTable, kCableMuxTable, kProviderTable}) {
        const std::optional<std::uint64_t> capacity = codec::TableCapacity(layout, table);
        if (!capacity)
            continue;
        std::uint64_t added = 0;
        if (table == kChannelTable)
            added = plan.Count(Action::Add);
        else
            added = static_cast<std::uint64_t>(
                std::count_if(plan.created.begin(), plan.created.end(),
                              [&](const NewRecord& r) { return r.table == table; }));
        out.push_back({table, db.Size(table), added, *capacity});
    }
    return out;
}

} // namespace

std::size_t MergePlan::Count(Action action) const {
    return static_cast<std::size_t>(std::count_if(lines.begin(), lines.end(), [&](const auto& l) {
        return !l.leftOut && l.action == action;
    }));
}

MergePlan PlanMerge(tabstore::CQoDB& db, const codec::FlashLayout& layout, const Incoming& incoming,
                    const MergeOptions& options, const editing::LeftOut& leftOut) {
    MergePlan plan;
    const std::vector<reference::Service> here = reference::ServicesOf(db, db, layout);
    const std::vector<reference::Match> matches = reference::MatchServices(incoming.services, here);
    NumberPlan numbers(db, options.numbers);
    detail::NetworkPlan network(db, layout, incoming);
    GroupMap groups(db, layout, incoming);
    const std::uint64_t capacity = codec::TableCapacity(layout, kChannelTable).value_or(0);
    std::uint64_t channelRoom =
        capacity > db.Size(kChannelTable) ? capacity - db.Size(kChannelTable) : 0;
    plan.lines.resize(incoming.services.size());
    for (std::size_t i = 0; i < plan.lines.size(); ++i) {
        MergeLine& line = plan.lines[i];
        line.leftOut = leftOut.contains(i);
        line.method = matches[i].method;
        if (IsHere(matches[i]))
            PlanMatched(line, db, here[matches[i].channel].row, incoming.services[i], options,
                        layout, groups);
        else if (const auto lost = incoming.lost.find(i); lost != incoming.lost.end())
            line.reason = lost->second;
        else
            PlanAdded(line, incoming.channels[i], numbers, network, groups, channelRoom,
                      plan.created);
    }
    plan.room = RoomOf(db, layout, plan);
    return plan;
}

const char* ActionText(Action action) {
    switch (action) {
    case Action::Add:
        return CF_TR_NOOP("Merge", "Add");
    case Action::Update:
        return CF_TR_NOOP("Merge", "Update");
    case Action::AlreadyHere:
        return CF_TR_NOOP("Merge", "Already here");
    case Action::CannotAdd:
        break;
    }
    return CF_TR_NOOP("Merge", "Cannot add");
}

} // namespace chanforge::merge
