#include "chanforge/editing/EditResult.h"

#include "chanforge/editing/FavoriteGroups.h"

namespace chanforge::editing {

std::string EditMessage(EditResult result) {
    switch (result) {
    case EditResult::PasteTVToRadio: return "Cannot copy from TV channels to Radio channels";
    case EditResult::PasteRadioToTV: return "Cannot copy from Radio channels to TV channels";
    case EditResult::MoveTVToRadio: return "Cannot move from TV channels to Radio channels";
    case EditResult::MoveRadioToTV: return "Cannot Move from Radio channels to TV channels";
    case EditResult::FavoriteNameTooLong:
        return "Cannot change Favorite name. mismatch string size (at most " + std::to_string(kFavoriteNameMax) +
               " characters)";
    case EditResult::BadFavoriteGroup: return "Favorite group does not exist";
    case EditResult::EmptyName: return "Name string is empty!";
    case EditResult::NoSuchSatellite: return "The transponder's satellite does not exist";
    case EditResult::SatelliteIdsExhausted:
        return "Cannot add a satellite: satellite IDs end at 255";
    case EditResult::TransponderIdsExhausted:
        return "Cannot add a transponder to this satellite: transponder IDs end at 255";
    case EditResult::MuxIdsExhausted: return "Cannot add a Mux: Mux IDs end at 255";
    case EditResult::ProviderIdsExhausted:
        return "Cannot add a provider: broadcast IDs end at 65535";
    case EditResult::StoreRefused: return "The record could not be stored";
    case EditResult::Ok:
    case EditResult::Nothing: break;
    }
    return {};
}

} // namespace chanforge::editing
