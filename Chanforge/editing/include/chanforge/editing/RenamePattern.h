// Rename by pattern: find and replace in the names of chosen channels, shown old beside new
// before anything changes, then applied in one step.
#pragma once

#include "chanforge/editing/ChannelEdits.h"
#include "chanforge/editing/LeftOut.h"
#include "chanforge/editing/UndoStack.h"

#include <cstddef>
#include <string>
#include <vector>

namespace chanforge::editing {

inline constexpr TableMask kRenameTables = TableBit(kChannelTable);

enum class CaseChange { Keep, Upper, Lower, Title };

struct RenameRule {
    std::string find;    ///< UTF-8; a regular expression when regex is set
    std::string replace; ///< UTF-8; with regex, \1 .. \9 put back what a group matched
    bool regex = false;
    bool matchCase = false;
    CaseChange change = CaseChange::Keep; ///< applied to the whole new name
};

struct RenameLine {
    std::uint32_t key = 0;
    std::uint8_t codeTable = 0; ///< the channel's, which both names are bytes of
    std::string oldName;        ///< bytes, as stored
    std::string newName;        ///< bytes as the table will hold them (cut, when chosen)
    std::string kept;           ///< what the model's slot keeps of the new name, when it is cut
    bool cut = false;           ///< the slot keeps fewer bytes than the pattern's new name has
    bool tooLong = false;       ///< cut without the operator's choice: refused
    bool sameAfterCut = false;  ///< the cut leaves it equal to another line's new name
    char32_t notInTable = 0;    ///< refused: a character the code table lacks ('?' in newName)
    bool unshown = false;       ///< control characters the receiver draws nothing for
    bool empty = false;         ///< nothing would be left of the name
    bool Changes() const { return newName != oldName; }
    bool Refused() const { return tooLong || notInTable != 0; }
};

struct [[nodiscard]] RenamePreview {
    std::string error; ///< why the pattern is not one; then there are no lines
    std::vector<RenameLine> lines;
    bool ok() const { return error.empty(); }
    /// Refused when a name of a line not left out would be left empty or too long (or the
    /// pattern is bad).
    bool Applicable(const LeftOut& leftOut = {}) const;
    /// Lines not left out whose name changes.
    std::size_t Changed(const LeftOut& leftOut = {}) const;
};

/// The new name of every channel of keys, in their order. nameBytes: the name bytes the
/// model's channel slot keeps; a longer new name is refused unless cutToFit, which cuts it.
RenamePreview PreviewRename(tabstore::CQoDB& db, const RowIds& keys, const RenameRule& rule,
                            std::size_t nameBytes, bool cutToFit = false);

/// Writes the preview's new names but those of the lines left out. Refused, changing nothing,
/// with EmptyName when a name would be left empty and NameTooLong when one is longer than the
/// slot keeps; Nothing when the pattern is bad or no name changes.
EditResult ApplyRename(tabstore::CQoDB& db, const RenamePreview& preview,
                       const LeftOut& leftOut = {});

} // namespace chanforge::editing
