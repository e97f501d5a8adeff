// Outcomes of editing operations that the operator must be told about.
#pragma once

#include <string>

namespace chanforge::editing {

enum class [[nodiscard]] EditResult{
    Ok,
    Nothing,        ///< nothing to do (no selection, empty clipboard, cancelled ...)
    PasteTVToRadio, ///< clipboard holds TV channels, target is the radio grid
    PasteRadioToTV,
    MoveTVToRadio,
    MoveRadioToTV,
    FavoriteNameTooLong,
    BadFavoriteGroup,        ///< a group number outside 1..32 cannot be a Favorite bit
    EmptyName,               ///< a satellite or provider without a name is an empty slot
    NameTooLong,             ///< a channel name longer than the model's slot keeps
    NoSuchSatellite,         ///< a transponder must hang on a satellite that exists
    SatelliteIdsExhausted,   ///< SatID is one byte
    TransponderIdsExhausted, ///< TPID is one byte per satellite
    MuxIdsExhausted,         ///< MuxID is one byte
    ProviderIdsExhausted,    ///< BroadcastID is two bytes
    StoreRefused,            ///< the table store did not take the record
};

/// The message shown for a refused operation; empty for Ok and Nothing.
std::string EditMessage(EditResult result);

} // namespace chanforge::editing
