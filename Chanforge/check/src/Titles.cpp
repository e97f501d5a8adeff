#include "chanforge/check/Titles.h"

#include "utils/Translatable.h"

namespace chanforge::check {

const char* SeverityTitle(Severity severity) {
    return severity == Severity::Error ? CF_TR_NOOP("Check", "Error")
                                       : CF_TR_NOOP("Check", "Warning");
}

const char* RuleTitle(Rule rule) {
    switch (rule) {
    case Rule::MissingSatellite:
        return CF_TR_NOOP("Check", "Missing satellite");
    case Rule::MissingTransponder:
        return CF_TR_NOOP("Check", "Missing transponder");
    case Rule::ForeignTransponder:
        return CF_TR_NOOP("Check", "Transponder of another satellite");
    case Rule::MissingProvider:
        return CF_TR_NOOP("Check", "Missing provider");
    case Rule::DuplicateService:
        return CF_TR_NOOP("Check", "Duplicate channel");
    case Rule::NumberGap:
        return CF_TR_NOOP("Check", "Gap in the numbers");
    case Rule::NumberRepeat:
        return CF_TR_NOOP("Check", "Number used twice");
    case Rule::UnshownBytes:
        return CF_TR_NOOP("Check", "Character not shown");
    case Rule::NameCut:
        return CF_TR_NOOP("Check", "Name too long");
    case Rule::NamelessChannel:
        return CF_TR_NOOP("Check", "Channel without a name");
    case Rule::FavoriteGroupLimit:
        return CF_TR_NOOP("Check", "Too many favourite groups");
    case Rule::FavoriteMemberLimit:
        return CF_TR_NOOP("Check", "Favourite group not kept");
    case Rule::TableCapacity:
        return CF_TR_NOOP("Check", "Table full");
    case Rule::UnusedTransponder:
        return CF_TR_NOOP("Check", "Unused transponder");
    case Rule::UnusedMultiplex:
        return CF_TR_NOOP("Check", "Unused multiplex");
    case Rule::IdRange:
        return CF_TR_NOOP("Check", "Transponder ids used up");
    }
    return "";
}

const char* TableTitle(TableId table) {
    switch (table) {
    case kSatelliteTable:
        return CF_TR_NOOP("Check", "Satellites");
    case kTerrestrialMuxTable:
        return CF_TR_NOOP("Check", "Terrestrial multiplexes");
    case kCableMuxTable:
        return CF_TR_NOOP("Check", "Cable multiplexes");
    case kProviderTable:
        return CF_TR_NOOP("Check", "Providers");
    case kTransponderTable:
        return CF_TR_NOOP("Check", "Transponders");
    case kChannelTable:
        return CF_TR_NOOP("Check", "Channels");
    case kFavoriteTable:
        return CF_TR_NOOP("Check", "Favourite groups");
    default:
        return "";
    }
}

const char* ChangeKindTitle(ChangeKind kind) {
    switch (kind) {
    case ChangeKind::Added:
        return CF_TR_NOOP("Check", "Added");
    case ChangeKind::Removed:
        return CF_TR_NOOP("Check", "Removed");
    case ChangeKind::Changed:
        return CF_TR_NOOP("Check", "Changed");
    case ChangeKind::Moved:
        return CF_TR_NOOP("Check", "Moved");
    case ChangeKind::Renamed:
        return CF_TR_NOOP("Check", "Renamed");
    case ChangeKind::Reflagged:
        return CF_TR_NOOP("Check", "Flags changed");
    }
    return "";
}

} // namespace chanforge::check
