#include "ChannelDiff.h"

#include "Context.h"
#include "Match.h"

#include "chanforge/TableAccess.h"

#include <cstring>

namespace chanforge::check::detail {

namespace {

/// The flags an operator sets on a channel; the kind and genre bits count as other fields.
struct Flag {
    std::uint16_t bit;
    const char* name;
};
constexpr Flag kFlags[] = {
    {attr::kLocked, "locked"}, {attr::kScrambled, "scrambled"}, {attr::kSkipped, "skipped"}};
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

std::string FlagChanges(const Channel_Info_Tag& x, const Channel_Info_Tag& y) {
    std::string text;
    const auto add = [&](const std::string& part) { text += (text.empty() ? "" : ", ") + part; };
    for (const Flag& f : kFlags)
        if ((x.Attributes ^ y.Attributes) & f.bit)
            add(std::string(y.Attributes & f.bit ? "now " : "no longer ") + f.name);
    for (int g = 0; g < kFavoriteGroupsMax; ++g) {
        const std::uint32_t bit = 1u << g;
        if ((x.Favorite ^ y.Favorite) & bit)
            add(std::string(y.Favorite & bit ? "added to" : "removed from") + " favourite group " +
                std::to_string(g + 1));
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
    const std::string who = "The " + DescribeChannel(x);
    const auto push = [&](ChangeKind kind, std::string message) {
        out.push_back({kChannelTable, kind, x.RowID, y.RowID, std::move(message)});
    };
    if (x.ProgramNum != y.ProgramNum || IsTV(x) != IsTV(y))
        push(ChangeKind::Moved,
             who + " moved to " + (IsTV(y) ? "TV " : "radio ") + std::to_string(y.ProgramNum));
    if (std::strncmp(x.Name, y.Name, sizeof x.Name) != 0)
        push(ChangeKind::Renamed, who + " renamed to " + Quoted(y.Name, sizeof y.Name));
    if (const std::string flags = FlagChanges(x, y); !flags.empty())
        push(ChangeKind::Reflagged, who + ": " + flags);
    if (!SameOtherFields(x, y))
        push(ChangeKind::Changed, who + " changed");
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
            out.push_back({kChannelTable, ChangeKind::Removed, ra, 0,
                           "The " + DescribeChannel(row(a, ra)) + " removed"});
        },
        [&](std::uint32_t rb) {
            out.push_back({kChannelTable, ChangeKind::Added, 0, rb,
                           "The " + DescribeChannel(row(b, rb)) + " added"});
        });
}

} // namespace chanforge::check::detail
