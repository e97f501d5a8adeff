// What applying a reference list will do, worked out in full before anything changes: for each
// entry the channel it matched and its values before and after, the channels left unmatched,
// the numbers that clash and the favourite groups this model cannot keep. The preview shows a
// plan; applying carries out exactly that plan. The lines the operator leaves out (entries, then
// the unmatched channels) leave their channels as they are, and the rest is planned around them.
#pragma once

#include "chanforge/editing/LeftOut.h"
#include "chanforge/editing/UndoStack.h"
#include "chanforge/reference/Matcher.h"
#include "chanforge/reference/Reference.h"
#include "utils/Phrase.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace chanforge::reference {

enum class Unmatched : std::uint8_t { Keep, Delete };

struct ApplyOptions {
    std::uint32_t start = 1; ///< first number of each kind
    bool closeGaps = true;   ///< false: the reference's gaps stay (shifted to start at `start`)
    bool names = false;      ///< the matched channels take the reference's names
    Unmatched unmatched = Unmatched::Keep; ///< keep them, numbered after the matched ones
    bool cutNames = false; ///< a taken name longer than the model keeps is cut, not refused
};

/// The values of a channel that applying may change.
struct ChannelState {
    std::uint16_t number = 0;
    std::uint32_t favorite = 0;
    std::array<std::uint16_t, kFavoriteGroupsMax> positions{};
    bool locked = false;
    bool skipped = false;
    std::string name; ///< UTF-8, as the channel's code table reads it

    bool operator==(const ChannelState&) const = default;
};

struct EntryPlan {
    Match match;
    std::uint32_t row = 0;        ///< RowID of the matched channel, 0 when none
    bool applied = false;         ///< false when unmatched, left out, or another entry took it
    bool leftOut = false;         ///< the operator left it out: its channel stays as it is
    bool nameTooLong = false;     ///< the entry's name is longer than the model keeps: refused
    char32_t nameNotInTable = 0;  ///< refused: a character of the name its channel's table lacks
    bool nameCut = false;         ///< the entry's name is cut to what the model keeps
    std::size_t nameReplaced = 0; ///< characters of a cut name its table lacks, stored as '?'
    utils::Phrase nameRefusal;    ///< why the name is refused, when it is
    bool sameAfterCut = false;    ///< the cut leaves its name equal to another taken name
    ChannelState before, after;
};

/// A channel of the database that no entry matched.
struct UnmatchedPlan {
    std::uint32_t row = 0;
    Kind kind = Kind::TV;
    bool deleted = false;
    bool leftOut = false; ///< stays as it is, number and all
    ChannelState before, after;
};

enum class ConflictKind : std::uint8_t {
    SameChannel, ///< another entry keeps the channel this one matched; this one is left out
    NumberTaken, ///< the entry's number (keeping gaps) was taken; it gets the next free one
};

/// No line of the plan (its lines: the entries, then the channels without a match).
inline constexpr std::size_t kNoLine = static_cast<std::size_t>(-1);

/// Each matched entry has at most one.
struct Conflict {
    ConflictKind kind = ConflictKind::SameChannel;
    std::size_t entry = 0;
    /// The line that has what the entry wanted: SameChannel, the entry that keeps the channel;
    /// NumberTaken, the line whose channel has the number (an entry given it, or a line left
    /// as it is), kNoLine when no channel has it.
    std::size_t holder = 0;
    std::uint32_t wanted = 0; ///< NumberTaken: the number the reference gives
    std::uint32_t given = 0;
};

/// A favourite group of the reference past the groups this model keeps.
struct GroupPast {
    std::uint32_t group = 0; ///< 1-based
    std::string name;
    std::size_t channels = 0; ///< matched channels the reference has in it
};

struct NamedGroup {
    std::uint32_t group = 0; ///< 1-based
    std::string name;        ///< Latin-1 bytes; empty when the group has none

    bool operator==(const NamedGroup&) const = default;
};

enum class PlanStatus : std::uint8_t { Ok, NumbersExhausted };

inline constexpr const char* kNumbersExhaustedMessage =
    CF_TR_NOOP("Reference", "Channel numbers would run past 65535: choose a lower start");

struct [[nodiscard]] Plan {
    PlanStatus status = PlanStatus::Ok;
    std::vector<EntryPlan> entries; ///< one per reference entry, in entry order
    std::vector<UnmatchedPlan> unmatched;
    std::vector<Conflict> conflicts;
    std::vector<GroupPast> groupsPast;
    std::vector<std::string> groupNames; ///< names the kept groups take; empty: unchanged
    std::vector<std::string> groupsNow;  ///< the database's group names, group k at k-1

    bool ok() const { return status == PlanStatus::Ok; }
    /// Entries whose names the model cannot keep (too long, or a character their channel's code
    /// table lacks); applying refuses them all.
    std::size_t NamesTooLong() const;
    bool Applicable() const { return ok() && NamesTooLong() == 0; }
    std::size_t Matched() const;   ///< matched and not left out
    std::size_t Uncertain() const; ///< of those, matched by name only
    std::size_t LeftOutLines() const;
    /// The groups of a favourite mask in order, named as the database has them now or once the
    /// plan is applied.
    std::vector<NamedGroup> GroupsOf(std::uint32_t mask, bool applied) const;
};

/// The tables an applied plan changes: one undo step over these.
inline constexpr editing::TableMask kApplyTables =
    editing::TableBit(kChannelTable) | editing::TableBit(kFavoriteTable);

/// Matches the reference against the database and plans the result. Reads the store only.
/// The plan's lines are its entries, then its unmatched channels; which channels are unmatched
/// does not depend on the lines left out, so a line keeps its index whatever is left out. A
/// channel left out keeps its number and favourite positions, which no other channel is given.
Plan PlanReference(tabstore::CQoDB& db, const codec::FlashLayout& layout, const Reference& ref,
                   const ApplyOptions& options, const editing::LeftOut& leftOut = {});

/// Carries out a plan made on the store as it is now, then sorts the channel table by the new
/// numbers, TV first. Does nothing for a plan that is not Applicable; false then.
bool ApplyPlan(tabstore::CQoDB& db, const Plan& plan);

} // namespace chanforge::reference
