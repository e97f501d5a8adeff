#include "chanforge/ChannelOrder.h"
#include "chanforge/TableAccess.h"
#include "chanforge/editing/ChannelName.h"
#include "chanforge/editing/FavoriteGroups.h"
#include "chanforge/reference/Plan.h"
#include "utils/CodeTable.h"

#include <algorithm>
#include <cstring>

namespace chanforge::reference {

namespace {

template <std::size_t N> void SetName(char (&field)[N], const std::string& name) {
    std::memset(field, 0, N);
    std::memcpy(field, name.data(), std::min(name.size(), N - 1));
}

void SetBit(std::uint16_t& word, std::uint16_t bit, bool on) {
    word = static_cast<std::uint16_t>(on ? word | bit : word & ~bit);
}

void Write(tabstore::CQoDB& db, std::uint32_t row, const ChannelState& before,
           const ChannelState& after) {
    auto* ch = GetRow<Channel_Info_Tag>(db, kChannelTable, row);
    if (ch == nullptr || before == after)
        return;
    const std::uint16_t old = ch->ProgramNum;
    ch->ProgramNum = after.number;
    // The shown and logical numbers that went with the old number go with the new one.
    if (ch->ShowNum == old)
        ch->ShowNum = after.number;
    if (ch->LogicalNumber == old)
        ch->LogicalNumber = after.number;
    ch->Favorite = after.favorite;
    std::copy(after.positions.begin(), after.positions.end(), std::begin(ch->FavoriteSlot));
    SetBit(ch->Attributes, attr::kLocked, after.locked);
    SetBit(ch->Attributes, attr::kSkipped, after.skipped);
    // The plan fitted the name to the model and read it back through the channel's code table,
    // so it goes back into the same bytes.
    if (after.name != before.name)
        editing::StoreName(*ch, utils::NameFromUtf8(after.name, ch->CodeTable, false).bytes);
}

void NameGroup(tabstore::CQoDB& db, std::uint32_t group, const std::string& name) {
    if (name.empty())
        return;
    if (auto* fav = GetRow<Favorite_Info_Tag>(db, kFavoriteTable, group)) {
        SetName(fav->Name, name.substr(0, editing::kFavoriteNameMax));
        return;
    }
    auto row = MakeRow<Favorite_Info_Tag>();
    row->RowID = group;
    SetName(row->Name, name.substr(0, editing::kFavoriteNameMax));
    if (db.Add(kFavoriteTable, group, AsBuffer(row.get())) >= 0)
        row.release();
}

} // namespace

bool ApplyPlan(tabstore::CQoDB& db, const Plan& plan) {
    if (!plan.Applicable())
        return false;
    for (const EntryPlan& p : plan.entries)
        if (p.applied)
            Write(db, p.row, p.before, p.after);
    for (const UnmatchedPlan& u : plan.unmatched) {
        if (u.deleted)
            db.Delete(kChannelTable, u.row);
        else
            Write(db, u.row, u.before, u.after);
    }
    for (std::size_t g = 0; g < plan.groupNames.size(); ++g)
        NameGroup(db, static_cast<std::uint32_t>(g + 1), plan.groupNames[g]);
    GroupChannels(db);
    return true;
}

} // namespace chanforge::reference
