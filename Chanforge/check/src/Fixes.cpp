#include "chanforge/check/Fixes.h"

#include "Context.h"

#include "chanforge/TableAccess.h"
#include "chanforge/codec/TransponderMux.h"
#include "chanforge/editing/ChannelEdits.h"
#include "chanforge/editing/Duplicates.h"
#include "chanforge/editing/NetworkEdits.h"

#include <algorithm>
#include <utility>

namespace chanforge::check {

std::vector<std::vector<std::uint32_t>> DuplicateServiceGroups(tabstore::CQoDB& db) {
    return editing::SameServiceGroups(db);
}

std::size_t RemoveDuplicates(tabstore::CQoDB& db, const std::vector<std::uint32_t>& ticked) {
    const auto isTicked = [&](std::uint32_t row) {
        return std::find(ticked.begin(), ticked.end(), row) != ticked.end();
    };
    editing::RowIds doomed;
    for (const auto& group : DuplicateServiceGroups(db)) {
        const bool all = std::all_of(group.begin(), group.end(), isTicked);
        for (std::size_t k = all ? 1 : 0; k < group.size(); ++k)
            if (isTicked(group[k]))
                doomed.push_back(group[k]);
    }
    return editing::DeleteChannels(db, doomed);
}

std::size_t DeleteUnused(tabstore::CQoDB& db, const codec::FlashLayout& layout) {
    const DocumentValues values;
    detail::Context ctx{db, values, layout, detail::ModelOf(layout), {}, {}, {}, {}};
    detail::Resolve(ctx);
    Findings unused;
    detail::CheckUnused(ctx, unused);
    editing::RowIds transponders, cables;
    std::size_t deleted = 0;
    for (const Finding& f : unused) {
        const std::uint32_t row = f.rows.front();
        if (f.rule == Rule::UnusedTransponder)
            transponders.push_back(row);
        else if (f.table == kCableMuxTable)
            cables.push_back(row);
        // A terrestrial multiplex's id is its RF channel: no other id moves when it goes.
        else
            deleted += db.Delete(f.table, row) >= 0 ? 1 : 0;
    }
    // Satellite transponders and cable multiplexes go through the list commands, which close
    // the id gaps they leave.
    if (!transponders.empty() &&
        editing::DeleteTransponders(db, transponders) == editing::EditResult::Ok)
        deleted += transponders.size();
    if (!cables.empty() && editing::DeleteCableMuxes(db, cables) == editing::EditResult::Ok)
        deleted += cables.size();
    return deleted;
}

std::size_t AssignProvider(tabstore::CQoDB& db, std::uint16_t missing, std::uint16_t provider) {
    bool missingExists = false;
    bool providerExists = provider == 0;
    ForEachRow<Broadcast_Info_Tag>(db, kProviderTable, [&](const Broadcast_Info_Tag& p) {
        missingExists = missingExists || p.BroadcastID == missing;
        providerExists = providerExists || p.BroadcastID == provider;
    });
    if (missingExists || !providerExists)
        return 0;
    std::size_t changed = 0;
    ForEachRow<Channel_Info_Tag>(db, kChannelTable, [&](Channel_Info_Tag& ch) {
        if (ch.BroadcastID != missing)
            return;
        ch.BroadcastID = provider;
        ++changed;
    });
    return changed;
}

} // namespace chanforge::check
