// Merging another channel list into the open database: each of its channels is matched against
// this list's (the reference matcher), the matched ones are already here (and may update their
// flags, favourites or names), the others are added with the satellite, transponder or
// multiplex and provider they need, found here or created from the other list's records. As
// with every curating change, a plan names everything first and applying does exactly that.
#pragma once

#include "chanforge/Records.h"
#include "chanforge/codec/FlashLayout.h"
#include "chanforge/convert/ModelConvert.h"
#include "chanforge/editing/LeftOut.h"
#include "chanforge/editing/UndoStack.h"
#include "chanforge/reference/Matcher.h"
#include "chanforge/reference/Service.h"
#include "tabstore/QoDB.h"
#include "utils/Phrase.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace chanforge::merge {

/// The other list as this model holds it, read once however often the plan is made again.
struct Incoming {
    std::vector<reference::Service> services;   ///< its channels in table order, as its model reads
    std::vector<Channel_Info_Tag> channels;     ///< each in this model's layout (zero when lost)
    std::map<std::size_t, utils::Phrase> lost;  ///< line -> why this model cannot hold it
    std::vector<Satellite_Info_Tag> satellites; ///< its network records in this model's layout
    std::vector<Transponder_Info_Tag> transponders;
    std::vector<SMux_Info_Tag> terrestrial;
    std::vector<CableMux_Info_Tag> cable;
    std::vector<Broadcast_Info_Tag> providers;
    std::vector<std::string> groups;   ///< favourite group names, group k at k-1
    std::vector<convert::Loss> losses; ///< every record this model cannot hold
};

/// Reads the other database (open under its own model) for merging into a database of
/// `layout`'s model; false when no copy in that layout could be made.
bool ReadIncoming(const convert::Database& other, const codec::FlashLayout& layout, Incoming& out);

/// What a matched channel may take from the other list.
enum Update : std::uint8_t {
    kUpdateNothing = 0,
    kUpdateFlags = 1,     ///< locked and skipped
    kUpdateFavorites = 2, ///< membership of the groups both lists name alike
    kUpdateNames = 4,
};

enum class Numbers : std::uint8_t {
    Append, ///< after the last channel of their kind, in the other list's order
    Keep,   ///< the other list's numbers where free, else appended
    Gaps,   ///< the lowest free numbers of their kind
};

struct MergeOptions {
    std::uint8_t update = kUpdateNothing;
    Numbers numbers = Numbers::Append;
};

enum class Action : std::uint8_t { Add, Update, AlreadyHere, CannotAdd };

/// A satellite, transponder, multiplex or provider the merge creates.
struct NewRecord {
    TableId table = kSatelliteTable;
    std::size_t source = 0;        ///< the record it copies: an index into Incoming's table
    std::uint8_t satId = 0;        ///< satellites, transponders: the SatID it has here
    std::uint8_t tpId = 0;         ///< transponders and multiplexes: the TPID (MuxID) here
    std::uint16_t broadcastId = 0; ///< providers
    std::string text;              ///< as the operator knows it (degrees, frequency, name)
};

/// What a matched channel is like here, before and after the update.
struct ChannelMarks {
    std::uint32_t favorite = 0;
    std::array<std::uint16_t, kFavoriteGroupsMax> positions{};
    bool locked = false;
    bool skipped = false;
    std::string name; ///< the stored bytes, in the channel's code table

    bool operator==(const ChannelMarks&) const = default;
};

/// One channel of the other list: a line of the preview.
struct MergeLine {
    Action action = Action::CannotAdd;
    bool leftOut = false;
    reference::Method method = reference::Method::None;
    std::uint32_t row = 0;      ///< the channel here it matched (Update, AlreadyHere)
    std::uint16_t number = 0;   ///< Add: the number it takes here
    utils::Phrase reason{};     ///< CannotAdd: why
    std::uint32_t favorite = 0; ///< Add: its groups here
    std::uint8_t satId = 0;     ///< Add: the satellite, transponder and provider it names here
    std::uint8_t tpId = 0;
    std::uint16_t broadcastId = 0;
    ChannelMarks before, after; ///< Update
};

/// How full a table is: what it holds, what the merge adds, what its flash blocks keep.
struct Room {
    TableId table = kChannelTable;
    std::uint64_t now = 0;
    std::uint64_t added = 0;
    std::uint64_t capacity = 0;
};

struct [[nodiscard]] MergePlan {
    std::vector<MergeLine> lines; ///< one per channel of the other list, in its order
    std::vector<NewRecord> created;
    std::vector<Room> room; ///< the tables this model keeps that the merge can fill

    /// Lines of the action the operator left ticked.
    std::size_t Count(Action action) const;
};

/// The tables applying a merge changes: one undo step over these.
inline constexpr editing::TableMask kMergeTables =
    editing::TableBit(kSatelliteTable) | editing::TableBit(kTerrestrialMuxTable) |
    editing::TableBit(kCableMuxTable) | editing::TableBit(kProviderTable) |
    editing::TableBit(kTransponderTable) | editing::TableBit(kChannelTable);

/// Plans the merge; reads the store only. The lines left out (by index) add and change nothing,
/// and neither the numbers nor the room they would have taken are taken.
MergePlan PlanMerge(tabstore::CQoDB& db, const codec::FlashLayout& layout, const Incoming& incoming,
                    const MergeOptions& options, const editing::LeftOut& leftOut = {});

/// Carries out a plan made on the store as it is now, then puts TV before radio in number
/// order. New transponders and multiplexes raise values.MaxTPID as the editors' do.
void ApplyMerge(tabstore::CQoDB& db, DocumentValues& values, const MergePlan& plan,
                const Incoming& incoming);

/// The operator's word for the action (translation context "Merge").
const char* ActionText(Action action);

} // namespace chanforge::merge
