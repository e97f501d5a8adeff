#include "chanforge/editing/EditResult.h"

#include "chanforge/editing/FavoriteGroups.h"
#include "utils/Translatable.h"

namespace chanforge::editing {

std::string EditMessage(EditResult result) {
    switch (result) {
    case EditResult::PasteTVToRadio:
        return CF_TR_NOOP("EditResult", "Cannot copy from TV channels to Radio channels");
    case EditResult::PasteRadioToTV:
        return CF_TR_NOOP("EditResult", "Cannot copy from Radio channels to TV channels");
    case EditResult::MoveTVToRadio:
        return CF_TR_NOOP("EditResult", "Cannot move from TV channels to Radio channels");
    case EditResult::MoveRadioToTV:
        return CF_TR_NOOP("EditResult", "Cannot Move from Radio channels to TV channels");
    case EditResult::FavoriteNameTooLong:
        static_assert(kFavoriteNameMax == 19, "the message names the limit");
        return CF_TR_NOOP(
            "EditResult",
            "Cannot change Favorite name. mismatch string size (at most 19 characters)");
    case EditResult::BadFavoriteGroup:
        return CF_TR_NOOP("EditResult", "Favorite group does not exist");
    case EditResult::EmptyName:
        return CF_TR_NOOP("EditResult", "Name string is empty!");
    case EditResult::NameTooLong:
        return CF_TR_NOOP("EditResult",
                          "A channel name is longer than the receiver keeps: nothing changed");
    case EditResult::NoSuchSatellite:
        return CF_TR_NOOP("EditResult", "The transponder's satellite does not exist");
    case EditResult::SatelliteIdsExhausted:
        return CF_TR_NOOP("EditResult", "Cannot add a satellite: satellite IDs end at 255");
    case EditResult::TransponderIdsExhausted:
        return CF_TR_NOOP("EditResult",
                          "Cannot add a transponder to this satellite: transponder IDs end at 255");
    case EditResult::MuxIdsExhausted:
        return CF_TR_NOOP("EditResult", "Cannot add a Mux: Mux IDs end at 255");
    case EditResult::ProviderIdsExhausted:
        return CF_TR_NOOP("EditResult", "Cannot add a provider: broadcast IDs end at 65535");
    case EditResult::StoreRefused:
        return CF_TR_NOOP("EditResult", "The record could not be stored");
    case EditResult::Ok:
    case EditResult::Nothing:
        break;
    }
    return {};
}

} // namespace chanforge::editing
