#include "chanforge/check/Unresolved.h"

#include "chanforge/check/Validate.h"
#include "utils/Translatable.h"

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

utils::Phrase UnresolvedChannelsPhrase(std::size_t count) {
    return utils::Phrase::Counted(
        "Check",
        CF_TR_N_NOOP("Check", "The satellite, transponder or provider of %n channel(s) is not in "
                              "this database: open the receiver's channel file first."),
        count);
}

} // namespace chanforge::check
