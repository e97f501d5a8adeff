#include "chanforge/check/Unresolved.h"

#include "chanforge/check/Validate.h"

#include <algorithm>

namespace chanforge::check {

namespace {

bool ReferenceRule(Rule rule) {
    return rule == Rule::MissingSatellite || rule == Rule::MissingTransponder ||
           rule == Rule::ForeignTransponder || rule == Rule::MissingProvider;
}

} // namespace

std::vector<std::uint32_t> UnresolvedChannels(tabstore::CQoDB& db, const DocumentValues& values,
                                              const codec::FlashLayout& layout) {
    std::vector<std::uint32_t> rows;
    for (const Finding& f : CheckDatabase(db, values, layout))
        if (f.table == kChannelTable && ReferenceRule(f.rule))
            rows.insert(rows.end(), f.rows.begin(), f.rows.end());
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

} // namespace chanforge::check
