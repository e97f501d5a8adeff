#include "chanforge/editing/EditResult.h"

namespace chanforge::editing {

std::string EditMessage(EditResult result) {
    switch (result) {
    case EditResult::PasteTVToRadio: return "Cannot copy from TV channels to Radio channels";
    case EditResult::PasteRadioToTV: return "Cannot copy from Radio channels to TV channels";
    case EditResult::MoveTVToRadio: return "Cannot move from TV channels to Radio channels";
    case EditResult::MoveRadioToTV: return "Cannot Move from Radio channels to TV channels";
    case EditResult::FavoriteNameTooLong:
        return "Cannot change Favorite name. mismatch string size";
    case EditResult::BadFavoriteGroup: return "Favorite group does not exist";
    case EditResult::Ok:
    case EditResult::Nothing: break;
    }
    return {};
}

} // namespace chanforge::editing
