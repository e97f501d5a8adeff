// Outcomes of editing operations that the operator must be told about.
#pragma once

#include <string>

namespace chanforge::editing {

enum class EditResult {
    Ok,
    Nothing,              ///< nothing to do (no selection, empty clipboard, cancelled ...)
    PasteTVToRadio,       ///< clipboard holds TV channels, target is the radio grid
    PasteRadioToTV,
    MoveTVToRadio,
    MoveRadioToTV,
    FavoriteNameTooLong,
    BadFavoriteGroup,     ///< a group number outside 1..32 cannot be a Favorite bit
};

/// The message shown for a refused operation; empty for Ok and Nothing.
std::string EditMessage(EditResult result);

} // namespace chanforge::editing
