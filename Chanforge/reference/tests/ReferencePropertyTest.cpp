// Property: a list whose numbering was shuffled, some of whose channels were dropped or renamed
// and one of whose transponders moved by 1 MHz gets its order back from the original applied as
// reference, on one model and from another model's list of the same services.
#include "SampleData.h"
#include "TestBuilders.h"
#include "chanforge/TableAccess.h"
#include "chanforge/reference/Plan.h"
#include "policy/Presets.h"

#include <gtest/gtest.h>
#include <rapidcheck.h>
#include <rapidcheck/gtest.h>

#include <algorithm>
#include <map>
#include <numeric>
#include <set>
#include <utility>
#include <vector>

namespace chanforge::reference {
namespace {

using Identity = std::pair<std::uint16_t, bool>; ///< service id, TV

codec::FlashLayout Layout(const char* model) {
    return codec::FlashLayout::FromPreset(*policy::FindPreset(model));
}

Identity IdentityOf(const Channel_Info_Tag& ch) {
    return {ch.ServiceID, IsTV(ch)};
}

/// The sample services; radio gets service ids of its own, as one service is never both.
void Fill(document::Document& doc, const codec::FlashLayout& layout) {
    testkit::Populate(doc, layout.product, 24);
    ForEachRow<Channel_Info_Tag>(doc.Store(), kChannelTable, [](Channel_Info_Tag& ch) {
        if (!IsTV(ch))
            ch.ServiceID = static_cast<std::uint16_t>(ch.ServiceID + 1000);
    });
}

/// The channel table stored back to front: a reference's table order need not be its numbering.
void Reverse(tabstore::CQoDB& db) {
    std::vector<Channel_Info_Tag> channels;
    ForEachRow<Channel_Info_Tag>(db, kChannelTable,
                                 [&](const Channel_Info_Tag& ch) { channels.push_back(ch); });
    db.Clear(kChannelTable);
    for (auto ch = channels.rbegin(); ch != channels.rend(); ++ch)
        AppendCopy(db, kChannelTable, *ch);
}

struct Damage {
    std::set<Identity> dropped;
    std::set<Identity> renamed;
};

/// Shuffles the numbering of each kind, drops and renames some channels, moves one transponder.
Damage Spoil(tabstore::CQoDB& db) {
    std::vector<std::uint32_t> rows;
    ForEachRow<Channel_Info_Tag>(db, kChannelTable,
                                 [&](const Channel_Info_Tag& ch) { rows.push_back(ch.RowID); });
    const auto keys = *rc::gen::container<std::vector<std::uint32_t>>(
        rows.size(), rc::gen::arbitrary<std::uint32_t>());
    const auto fate = *rc::gen::container<std::vector<int>>(rows.size(), rc::gen::inRange(0, 8));
    std::vector<std::size_t> order(rows.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::sort(order.begin(), order.end(), [&](auto a, auto b) { return keys[a] < keys[b]; });
    Damage damage;
    std::uint16_t tv = 0, radio = 0;
    for (std::size_t i : order) {
        auto& ch = *GetRow<Channel_Info_Tag>(db, kChannelTable, rows[i]);
        ch.ProgramNum = ch.ShowNum = IsTV(ch) ? ++tv : ++radio;
        if (fate[i] == 0) {
            damage.dropped.insert(IdentityOf(ch));
            db.Delete(kChannelTable, rows[i]);
        } else if (fate[i] == 1) {
            damage.renamed.insert(IdentityOf(ch));
            testkit::SetName(ch.Name, "Renamed " + std::to_string(i));
        }
    }
    const auto moved = *rc::gen::inRange<std::uint32_t>(1, db.Size(kTransponderTable) + 1);
    const int step = *rc::gen::element(-1, 1);
    if (auto* tp = GetRow<Transponder_Info_Tag>(db, kTransponderTable, moved); tp && tp->SatID != 1)
        tp->Frequency = static_cast<std::uint16_t>(tp->Frequency + step);
    return damage;
}

void CheckRestored(const char* referenceModel, const char* model) {
    const codec::FlashLayout refLayout = Layout(referenceModel), layout = Layout(model);
    document::Document original(refLayout);
    document::Document mine(layout);
    Fill(original, refLayout);
    Fill(mine, layout);
    Reverse(original.Store());
    const Damage damage = Spoil(mine.Store());

    const Reference ref = ReferenceFromStore(original.Store(), refLayout);
    const Plan plan = PlanReference(mine.Store(), layout, ref, {});
    RC_ASSERT(plan.ok());
    RC_ASSERT(plan.conflicts.empty());
    for (std::size_t e = 0; e < ref.entries.size(); ++e) {
        const Service& entry = ref.entries[e];
        const Identity id{entry.sid, entry.kind == Kind::TV};
        const Match& m = plan.entries[e].match;
        RC_ASSERT(m.found() != damage.dropped.contains(id));
        if (damage.renamed.contains(id))
            RC_ASSERT(m.method == Method::Carrier || m.method == Method::ServiceIds);
    }
    RC_ASSERT(ApplyPlan(mine.Store(), plan));

    std::map<Identity, std::uint16_t> originalNumber;
    ForEachRow<Channel_Info_Tag>(original.Store(), kChannelTable, [&](const Channel_Info_Tag& ch) {
        originalNumber[IdentityOf(ch)] = ch.ProgramNum;
    });
    // The channel table is sorted by the new numbers: the old ones must ascend with them.
    std::map<bool, std::uint16_t> last;
    ForEachRow<Channel_Info_Tag>(mine.Store(), kChannelTable, [&](const Channel_Info_Tag& ch) {
        const std::uint16_t was = originalNumber.at(IdentityOf(ch));
        RC_ASSERT(was > last[IsTV(ch)]);
        last[IsTV(ch)] = was;
        RC_ASSERT(ch.ShowNum == ch.ProgramNum); // the shown number went along with the old one
    });
}

RC_GTEST_PROP(ReferencePropertyTest, OneModelGetsItsOrderBack, ()) {
    CheckRestored("D", "D");
}

RC_GTEST_PROP(ReferencePropertyTest, ModelDListOrdersTheSameServicesOnModelA, ()) {
    CheckRestored("D", "A");
}

RC_GTEST_PROP(ReferencePropertyTest, CombinationListsMatchTerrestrialServicesToo, ()) {
    CheckRestored("E", "B");
}

} // namespace
} // namespace chanforge::reference
