#include "chanforge/check/Findings.h"

#include <algorithm>

namespace chanforge::check {

std::string_view RuleName(Rule rule) {
    switch (rule) {
    case Rule::MissingSatellite:
        return "reference.satellite";
    case Rule::MissingTransponder:
        return "reference.transponder";
    case Rule::ForeignTransponder:
        return "reference.foreign-transponder";
    case Rule::MissingProvider:
        return "reference.provider";
    case Rule::DuplicateService:
        return "duplicate.service";
    case Rule::NumberGap:
        return "numbering.gap";
    case Rule::NumberRepeat:
        return "numbering.repeat";
    case Rule::UnshownBytes:
        return "name.code-page";
    case Rule::NameCut:
        return "name.length";
    case Rule::NamelessChannel:
        return "name.empty";
    case Rule::FavoriteGroupLimit:
        return "favorite.groups";
    case Rule::FavoriteMemberLimit:
        return "favorite.members";
    case Rule::TableCapacity:
        return "capacity";
    case Rule::UnusedTransponder:
        return "unused.transponder";
    case Rule::UnusedMultiplex:
        return "unused.multiplex";
    case Rule::IdRange:
        return "id.range";
    }
    return "unknown";
}

std::string_view SeverityName(Severity severity) {
    return severity == Severity::Error ? "error" : "warning";
}

std::string_view TableName(TableId table) {
    switch (table) {
    case kSatelliteTable:
        return "satellites";
    case kTerrestrialMuxTable:
        return "terrestrial_muxes";
    case kCableMuxTable:
        return "cable_muxes";
    case kProviderTable:
        return "providers";
    case kTransponderTable:
        return "transponders";
    case kChannelTable:
        return "channels";
    case kFavoriteTable:
        return "favorites";
    default:
        return "scratch";
    }
}

Fix FixFor(Rule rule) {
    switch (rule) {
    case Rule::NumberGap:
    case Rule::NumberRepeat:
        return Fix::Renumber;
    case Rule::DuplicateService:
        return Fix::RemoveDuplicates;
    case Rule::UnusedTransponder:
    case Rule::UnusedMultiplex:
        return Fix::DeleteUnused;
    case Rule::MissingProvider:
        return Fix::AssignProvider;
    default:
        return Fix::None;
    }
}

bool HasErrors(const Findings& findings) {
    return std::any_of(findings.begin(), findings.end(),
                       [](const Finding& f) { return f.severity == Severity::Error; });
}

} // namespace chanforge::check
