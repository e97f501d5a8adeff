// What a model's channel slot keeps of a name. Every way a name enters the store asks here, so
// the store never holds bytes that a save would cut: the grid shows what Save writes.
#pragma once

#include "chanforge/Records.h"
#include "utils/Phrase.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace chanforge::editing {

enum class NameFit : std::uint8_t {
    Fits,    ///< stored as it is
    TooLong, ///< refused: the slot keeps fewer bytes
    Cut,     ///< the operator chose to cut it: `stored` is what the slot keeps
};

struct FittedName {
    NameFit fit = NameFit::Fits;
    std::string stored; ///< the bytes the store takes; for TooLong, the name as given
    bool Stores() const { return fit != NameFit::TooLong; }
};

/// Name bytes a channel record can hold in a slot that keeps nameBytes of them.
std::size_t NameRoom(std::size_t nameBytes);

/// The name (bytes up to the first NUL) as a slot keeping nameBytes takes it: as it is when it
/// fits, cut to the room only when cutToFit, else refused.
FittedName FitName(std::string_view name, std::size_t nameBytes, bool cutToFit);

/// Why a name is refused: it names the bytes the receiver keeps.
utils::Phrase NameTooLongPhrase(std::string_view name, std::size_t nameBytes);

/// Writes a name that fits (FitName said so) into the record, zero-filling the rest.
void StoreName(Channel_Info_Tag& channel, std::string_view stored);

/// The channel's name bytes, up to the first NUL.
std::string_view NameOf(const Channel_Info_Tag& channel);

} // namespace chanforge::editing
