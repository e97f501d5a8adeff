#include "ChannelDiff.h"

#include "Context.h"
#include "Match.h"

#include "chanforge/TableAccess.h"

#include <cstring>
#include <optional>
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

constexpr std::uint16_t kFlagBits = attr::kLocked | attr::kScrambled | attr::kSkipped;

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

/// Every field but the row, number, name, flags and favourite membership.
bool SameOtherFields(const Channel_Info_Tag& x, const Channel_Info_Tag& y) {
    Channel_Info_Tag p = x, q = y;
    for (Channel_Info_Tag* c : {&p, &q}) {
        c->RowID = 0;
        c->ProgramNum = 0;
        c->ShowNum = 0;
        c->Favorite = 0;
        c->Attributes &= static_cast<std::uint16_t>(~kFlagBits);
        std::memset(c->Name, 0, sizeof c->Name);
    }
    return std::memcmp(&p, &q, sizeof p) == 0;
}

void Compare(const Channel_Info_Tag& x, const Channel_Info_Tag& y, Changes& out) {
    const utils::Phrase who = DescribeChannel(x);
    const auto push = [&](ChangeKind kind, utils::Phrase message) {
        out.push_back({kChannelTable, kind, x.RowID, y.RowID, std::move(message)});
    };
    if (x.ProgramNum != y.ProgramNum || IsTV(x) != IsTV(y))
        push(ChangeKind::Moved, Say(IsTV(y) ? CF_TR_NOOP("Check", "The %1 moved to TV %2")
                                            : CF_TR_NOOP("Check", "The %1 moved to radio %2"),
                                    {who, Num(y.ProgramNum)}));
    if (std::strncmp(x.Name, y.Name, sizeof x.Name) != 0)
        push(ChangeKind::Renamed, Say(CF_TR_NOOP("Check", "The %1 renamed to \"%2\""),
                                      {who, NameOf(y.Name, sizeof y.Name)}));
    if (std::optional<utils::Phrase> flags = FlagChanges(x, y))
        push(ChangeKind::Reflagged, Say(CF_TR_NOOP("Check", "The %1: %2"), {who, *flags}));
    if (!SameOtherFields(x, y))
        push(ChangeKind::Changed, Say(CF_TR_NOOP("Check", "The %1 changed"), {who}));
}

} // namespace

void DiffChannels(tabstore::CQoDB& a, tabstore::CQoDB& b, Changes& out) {
    const auto row = [](tabstore::CQoDB& db, std::uint32_t key) -> const Channel_Info_Tag& {
        return *GetRow<Channel_Info_Tag>(db, kChannelTable, key);
    };
    Match(
        Services(a), Services(b),
        [&](std::uint32_t ra, std::uint32_t rb) { Compare(row(a, ra), row(b, rb), out); },
        [&](std::uint32_t ra) {
            out.push_back(
                {kChannelTable, ChangeKind::Removed, ra, 0,
                 Say(CF_TR_NOOP("Check", "The %1 removed"), {DescribeChannel(row(a, ra))})});
        },
        [&](std::uint32_t rb) {
            out.push_back(
                {kChannelTable, ChangeKind::Added, 0, rb,
                 Say(CF_TR_NOOP("Check", "The %1 added"), {DescribeChannel(row(b, rb))})});
        });
}

} // namespace chanforge::check::detail
