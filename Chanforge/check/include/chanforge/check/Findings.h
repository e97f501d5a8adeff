// What a check of the database found: one finding per fault, naming the records concerned.
#pragma once

#include "chanforge/Records.h"
#include "utils/Phrase.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace chanforge::check {

enum class Severity { Warning, Error };

enum class Rule {
    MissingSatellite,    ///< a channel or transponder names a satellite that does not exist
    MissingTransponder,  ///< a channel names a transponder or multiplex that does not exist
    ForeignTransponder,  ///< a channel's transponder belongs to another satellite
    MissingProvider,     ///< a channel names a provider that does not exist
    DuplicateService,    ///< two channels carry one service on one transponder
    NumberGap,           ///< channel numbers of one kind skip a number
    NumberRepeat,        ///< two channels of one kind share a number
    UnshownBytes,        ///< a name holds bytes the receiver cannot show
    NameCut,             ///< a name is longer than the receiver's slot keeps
    NamelessChannel,     ///< a channel has no name, or only blanks
    FavoriteGroupLimit,  ///< more favourite groups than the model keeps
    FavoriteMemberLimit, ///< channels in a favourite group the model does not keep
    TableCapacity,       ///< more records than the table's flash block holds
    UnusedTransponder,   ///< a satellite transponder no channel uses
    UnusedMultiplex,     ///< a terrestrial or cable multiplex no channel uses
    IdRange,             ///< transponder ids have run past 255
};

/// What a window can offer for a finding of this rule.
enum class Fix { None, Renumber, RemoveDuplicates, DeleteUnused, AssignProvider };

struct Finding {
    Severity severity = Severity::Warning;
    Rule rule = Rule::MissingSatellite;
    TableId table = kChannelTable;
    std::vector<std::uint32_t> rows; ///< RowIDs in `table`, in table order
    utils::Phrase message;           ///< English() for scripts, translated in the window
};

using Findings = std::vector<Finding>;

/// Stable name of a rule for scripts ("reference.transponder" ...).
std::string_view RuleName(Rule rule);
std::string_view SeverityName(Severity severity); ///< "error" or "warning"
/// Name of a table as the command line's JSON uses it ("channels" ...).
std::string_view TableName(TableId table);
Fix FixFor(Rule rule);
bool HasErrors(const Findings& findings);

} // namespace chanforge::check
