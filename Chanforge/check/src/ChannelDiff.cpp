#include "ChannelDiff.h"

#include "ChannelPairs.h"
#include "Context.h"
#include "Match.h"

#include "chanforge/TableAccess.h"
#include "chanforge/codec/TransponderMux.h"
#include "chanforge/editing/ChannelName.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <optional>
#include <tuple>
#include <utility>

namespace chanforge::check::detail {

namespace {

/// The flags an operator sets on a channel; the kind and genre bits count as other fields.
struct Flag {
    std::uint16_t bit;
    const char* set;
    const char* cleared;
};
constexpr Flag kFlags[] = {
    {attr::kLocked, CF_TR_NOOP("Check", "now locked"), CF_TR_NOOP("Check", "no longer locked")},
    {attr::kScrambled, CF_TR_NOOP("Check", "now scrambled"),
     CF_TR_NOOP("Check", "no longer scrambled")},
    {attr::kSkipped, CF_TR_NOOP("Check", "now skipped"), CF_TR_NOOP("Check", "no longer skipped")}};

std::vector<Keyed> Services(tabstore::CQoDB& db) {
    std::vector<Keyed> rows;
    rows.reserve(db.Size(kChannelTable));
    ForEachRow<Channel_Info_Tag>(db, kChannelTable, [&](const Channel_Info_Tag& ch) {
        // Without a service id the name tells hand-made channels of one transponder apart.
        std::uint32_t service = ch.ServiceID;
        if (service == 0) {
            service = 0x10000u;
            for (std::size_t i = 0; i < sizeof ch.Name && ch.Name[i] != 0; ++i)
                service = (service * 31 + static_cast<unsigned char>(ch.Name[i])) | 0x10000u;
        }
        const std::uint64_t key =
            std::uint64_t{ch.SatID} << 48 | std::uint64_t{ch.TPID} << 40 | service;
        rows.push_back({key, std::uint32_t{IsTV(ch) ? 0u : 0x10000u} | ch.ProgramNum, ch.RowID});
    });
    return rows;
}

/// The flag and membership changes joined into one list; none when nothing changed.
std::optional<utils::Phrase> FlagChanges(const Channel_Info_Tag& x, const Channel_Info_Tag& y) {
    std::optional<utils::Phrase> text;
    const auto add = [&](utils::Phrase part) {
        text =
            text ? Say(CF_TR_NOOP("Check", "%1, %2"), {*text, std::move(part)}) : std::move(part);
    };
    for (const Flag& f : kFlags)
        if ((x.Attributes ^ y.Attributes) & f.bit)
            add(Say(y.Attributes & f.bit ? f.set : f.cleared));
    for (int g = 0; g < kFavoriteGroupsMax; ++g) {
        const std::uint32_t bit = 1u << g;
        if ((x.Favorite ^ y.Favorite) & bit)
            add(Say(y.Favorite & bit ? CF_TR_NOOP("Check", "added to favourite group %1")
                                     : CF_TR_NOOP("Check", "removed from favourite group %1"),
                    {Num(g + 1)}));
    }
    return text;
}

/// "from 101 to 102" for each field that changed besides those named on their own.
std::optional<utils::Phrase> FieldChanges(const Channel_Info_Tag& x, const Channel_Info_Tag& y) {
    std::optional<utils::Phrase> text;
    for (const FieldChange& f : OtherFieldChanges(x, y)) {
        utils::Phrase part = Say(CF_TR_NOOP("Check", "%1 from %2 to %3"),
                                 {utils::Phrase::Verbatim(f.field), Num(f.before), Num(f.after)});
        text =
            text ? Say(CF_TR_NOOP("Check", "%1, %2"), {*text, std::move(part)}) : std::move(part);
    }
    return text;
}

/// Where a channel is received, as the operator knows the place: satellite and transponder.
class Places {
  public:
    Places(tabstore::CQoDB& db, const policy::ProductKind& product) : db_(db), product_(product) {}

    utils::Phrase Of(const Channel_Info_Tag& ch) const {
        const Transponder_Info_Tag* tp = nullptr;
        ForEachRow<Transponder_Info_Tag>(
            db_, kTransponderTable, [&](const Transponder_Info_Tag& t) {
                if (tp == nullptr && t.SatID == ch.SatID && t.TPID == ch.TPID)
                    tp = &t;
            });
        if (tp != nullptr && codec::HoldsMux(*tp, product_))
            return Say(CF_TR_NOOP("Check", "multiplex %1"), {Num(ch.TPID)});
        const utils::Phrase satellite = Satellite(ch.SatID);
        if (tp == nullptr)
            return Say(CF_TR_NOOP("Check", "%1, transponder id %2"), {satellite, Num(ch.TPID)});
        return Say((tp->PolFEC & 1) != 0 ? CF_TR_NOOP("Check", "%1, %2 MHz H")
                                         : CF_TR_NOOP("Check", "%1, %2 MHz V"),
                   {satellite, Num(tp->Frequency)});
    }

  private:
    utils::Phrase Satellite(std::uint8_t satId) const {
        std::optional<utils::Phrase> name;
        ForEachRow<Satellite_Info_Tag>(db_, kSatelliteTable, [&](const Satellite_Info_Tag& s) {
            if (!name && s.SatID == satId)
                name =
                    Say(CF_TR_NOOP("Check", "satellite \"%1\""), {NameOf(s.Name, sizeof s.Name)});
        });
        return name ? *name : Say(CF_TR_NOOP("Check", "satellite %1"), {Num(satId)});
    }

    tabstore::CQoDB& db_;
    policy::ProductKind product_;
};

/// A change with the place in the list it is shown at: TV before radio, then by number.
struct Placed {
    bool radio;
    std::uint16_t number;
    Change change;
};

class ChannelDiff {
  public:
    ChannelDiff(tabstore::CQoDB& a, tabstore::CQoDB& b, const policy::ProductKind& product)
        : a_(a), b_(b), placesA_(a, product), placesB_(b, product) {}

    void Run(Changes& out) {
        RowPairs same;
        std::vector<std::uint32_t> onlyA, onlyB;
        Match(
            Services(a_), Services(b_),
            [&](std::uint32_t ra, std::uint32_t rb) { same.emplace_back(ra, rb); },
            [&](std::uint32_t ra) { onlyA.push_back(ra); },
            [&](std::uint32_t rb) { onlyB.push_back(rb); });
        const RowPairs moved = PairAcrossPlaces(a_, onlyA, b_, onlyB);
        // Each row is looked up once: the sort of the numbers would otherwise search the
        // store for both sides of every comparison.
        std::vector<Paired> pairs;
        pairs.reserve(same.size() + moved.size());
        for (const RowPairs& part : {std::cref(same), std::cref(moved)})
            for (const auto& [ra, rb] : part)
                pairs.push_back({&A(ra), &B(rb)});
        Numbers(pairs);
        for (const Paired& p : pairs)
            Compare(*p.x, *p.y);
        for (std::uint32_t ra : onlyA)
            Push(A(ra), ChangeKind::Removed, ra, 0,
                 Say(CF_TR_NOOP("Check", "The %1 removed"), {DescribeChannel(A(ra))}));
        for (std::uint32_t rb : onlyB)
            Push(B(rb), ChangeKind::Added, 0, rb,
                 Say(CF_TR_NOOP("Check", "The %1 added"), {DescribeChannel(B(rb))}));
        Summaries();
        std::stable_sort(placed_.begin(), placed_.end(), [](const Placed& l, const Placed& r) {
            return std::tie(l.radio, l.number) < std::tie(r.radio, r.number);
        });
        for (Placed& p : placed_)
            out.push_back(std::move(p.change));
    }

  private:
    /// The two sides of a channel found in both databases.
    struct Paired {
        const Channel_Info_Tag* x;
        const Channel_Info_Tag* y;
    };

    const Channel_Info_Tag& A(std::uint32_t row) const {
        return *GetRow<Channel_Info_Tag>(a_, kChannelTable, row);
    }
    const Channel_Info_Tag& B(std::uint32_t row) const {
        return *GetRow<Channel_Info_Tag>(b_, kChannelTable, row);
    }

    /// Files the change at the channel's place in the list it is shown in.
    void Push(const Channel_Info_Tag& shown, ChangeKind kind, std::uint32_t ra, std::uint32_t rb,
              utils::Phrase message) {
        placed_.push_back(
            {!IsTV(shown), shown.ProgramNum, {kChannelTable, kind, ra, rb, std::move(message)}});
    }

    /// A channel whose number changed while it kept its order among the others was renumbered
    /// by what was removed, added or moved around it: counted, not listed. The rest moved.
    void Numbers(const std::vector<Paired>& pairs) {
        for (const bool tv : {true, false}) {
            std::vector<Paired> kind;
            for (const Paired& pair : pairs)
                if (IsTV(*pair.x) == tv && IsTV(*pair.y) == tv)
                    kind.push_back(pair);
            std::sort(kind.begin(), kind.end(), [](const Paired& l, const Paired& r) {
                return l.x->ProgramNum < r.x->ProgramNum;
            });
            std::vector<std::uint32_t> numbers;
            numbers.reserve(kind.size());
            for (const Paired& p : kind)
                numbers.push_back(p.y->ProgramNum);
            const std::vector<bool> kept = KeptOrder(numbers);
            for (std::size_t i = 0; i < kind.size(); ++i)
                if (kind[i].x->ProgramNum != kind[i].y->ProgramNum) {
                    if (kept[i])
                        ++renumbered_[tv ? 0 : 1];
                    else
                        movedInList_.push_back(kind[i].y->RowID);
                }
        }
        std::sort(movedInList_.begin(), movedInList_.end());
    }

    void Compare(const Channel_Info_Tag& x, const Channel_Info_Tag& y) {
        // Most pairs did not change: their description is made only for a change to name.
        std::optional<utils::Phrase> described;
        const auto who = [&]() -> const utils::Phrase& {
            if (!described)
                described = DescribeChannel(x);
            return *described;
        };
        const auto push = [&](ChangeKind kind, utils::Phrase message) {
            Push(y, kind, x.RowID, y.RowID, std::move(message));
        };
        const bool kindChanged = IsTV(x) != IsTV(y);
        if (kindChanged || std::binary_search(movedInList_.begin(), movedInList_.end(), y.RowID))
            push(ChangeKind::Moved, Say(IsTV(y) ? CF_TR_NOOP("Check", "The %1 moved to TV %2")
                                                : CF_TR_NOOP("Check", "The %1 moved to radio %2"),
                                        {who(), Num(y.ProgramNum)}));
        if (x.SatID != y.SatID || x.TPID != y.TPID)
            push(ChangeKind::Changed, Say(CF_TR_NOOP("Check", "The %1 moved from %2 to %3"),
                                          {who(), placesA_.Of(x), placesB_.Of(y)}));
        if (std::strncmp(x.Name, y.Name, sizeof x.Name) != 0)
            push(ChangeKind::Renamed, Say(CF_TR_NOOP("Check", "The %1 renamed to \"%2\""),
                                          {who(), editing::NamePhrase(y)}));
        if (std::optional<utils::Phrase> flags = FlagChanges(x, y))
            push(ChangeKind::Reflagged, Say(CF_TR_NOOP("Check", "The %1: %2"), {who(), *flags}));
        if (std::optional<utils::Phrase> fields = FieldChanges(x, y))
            push(ChangeKind::Changed,
                 Say(CF_TR_NOOP("Check", "The %1 changed: %2"), {who(), *fields}));
    }

    /// One line per list for the channels renumbered in their order, after that list's changes.
    void Summaries() {
        for (const bool tv : {true, false})
            if (const std::size_t n = renumbered_[tv ? 0 : 1]; n > 0)
                placed_.push_back(
                    {!tv,
                     0xFFFF,
                     {kChannelTable, ChangeKind::Moved, 0, 0,
                      Say(tv ? CF_TR_NOOP("Check", "%1 TV channels renumbered in their order")
                             : CF_TR_NOOP("Check", "%1 radio channels renumbered in their order"),
                          {Num(n)})}});
    }

    tabstore::CQoDB& a_;
    tabstore::CQoDB& b_;
    Places placesA_, placesB_;
    std::vector<std::uint32_t> movedInList_; ///< rows in b, ascending
    std::size_t renumbered_[2] = {0, 0};     ///< TV, radio
    std::vector<Placed> placed_;
};

} // namespace

void DiffChannels(tabstore::CQoDB& a, tabstore::CQoDB& b, const policy::ProductKind& product,
                  Changes& out) {
    ChannelDiff(a, b, product).Run(out);
}

} // namespace chanforge::check::detail
