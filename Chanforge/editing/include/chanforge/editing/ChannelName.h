// What a model's channel slot keeps of a name. Every way a name enters the store asks here, so
// the store never holds bytes that a save would cut: the grid shows what Save writes.
#pragma once

#include "chanforge/Records.h"
#include "tabstore/QoDB.h"
#include "utils/Phrase.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace chanforge::editing {

enum class NameFit : std::uint8_t {
    Fits,       ///< stored as it is
    TooLong,    ///< refused: the slot keeps fewer bytes
    Cut,        ///< the operator chose to cut it: `stored` is what the slot keeps
    NotInTable, ///< refused: a character the channel's code table cannot hold (`refused`)
};

struct FittedName {
    NameFit fit = NameFit::Fits;
    std::string stored;       ///< the bytes the store takes; when refused, the name as given
    char32_t refused = 0;     ///< NotInTable: the first character the table lacks
    std::size_t replaced = 0; ///< Cut: characters the table lacks, stored as '?'
    bool Stores() const { return fit == NameFit::Fits || fit == NameFit::Cut; }
};

/// Name bytes a channel record can hold in a slot that keeps nameBytes of them.
std::size_t NameRoom(std::size_t nameBytes);

/// The name (bytes up to the first NUL) as a slot keeping nameBytes takes it: as it is when it
/// fits, cut to the room only when cutToFit, else refused.
FittedName FitName(std::string_view name, std::size_t nameBytes, bool cutToFit);

/// A name given as text (UTF-8) for a channel whose name is in codeTable: its bytes in that
/// table, fitted as FitName does. A character the table lacks refuses the name (NotInTable)
/// or, with cutToFit, is stored as '?' (Cut, counted in `replaced`). On refusal `stored` keeps
/// the text.
FittedName FitText(std::string_view utf8, std::uint8_t codeTable, std::size_t nameBytes,
                   bool cutToFit);

/// Why a name is refused: it is too long (naming the bytes the receiver keeps) or holds a
/// character its code table lacks (naming the character). `name` is the refused FittedName's
/// `stored`: bytes in codeTable when too long, UTF-8 text when not in the table.
utils::Phrase RefusedNamePhrase(const FittedName& name, std::uint8_t codeTable,
                                std::size_t nameBytes);
/// Why a name is refused as too long: it names the bytes the receiver keeps.
utils::Phrase NameTooLongPhrase(std::string_view name, std::uint8_t codeTable,
                                std::size_t nameBytes);

/// Writes a name that fits (FitName said so) into the record, zero-filling the rest.
void StoreName(Channel_Info_Tag& channel, std::string_view stored);

/// The channel's name bytes, up to the first NUL.
std::string_view NameOf(const Channel_Info_Tag& channel);

/// The channel's name as text (UTF-8), read through its code table: what every view shows.
std::string NameText(const Channel_Info_Tag& channel);
/// The channel's name for a message: its bytes with its code table.
utils::Phrase NamePhrase(const Channel_Info_Tag& channel);

/// The code table a new channel of satellite satID takes: the one most of that satellite's
/// channels use (of all channels for satID 0, no satellite chosen), else 0 (Latin-1).
std::uint8_t CodeTableForSatellite(tabstore::CQoDB& db, std::uint8_t satID);

} // namespace chanforge::editing
