// What the channel editors and the description dialog are given: which editor, the records
// for its choice lists, the pre-set channel for New, and the records a channel hangs on.
#pragma once

#include "chanforge/editing/ChannelFilter.h"

#include <optional>
#include <vector>

namespace chanforge::editing {

enum class EditorKind {
    Satellite,   ///< satellites, transponders, providers
    Terrestrial, ///< terrestrial multiplexes of table 1
    Cable,       ///< cable multiplex ids
    Combination, ///< transponders of table 4 read as terrestrial multiplexes
};

struct EditorInputs {
    EditorKind kind = EditorKind::Satellite;
    std::vector<Satellite_Info_Tag> satellites;
    std::vector<Transponder_Info_Tag> transponders; ///< also the multiplexes of Combination
    std::vector<SMux_Info_Tag> muxes;
    std::vector<int> cableIds; ///< MuxIDs of table 2
    std::vector<Broadcast_Info_Tag> providers;
};

/// The editor New and Update open under filter, with its lists.
EditorInputs GatherEditorInputs(tabstore::CQoDB& db, const ChannelFilter& filter, Product product);

/// The empty channel New hands to the editor, placed on the record the filter shows, with the
/// code table of its satellite's channels.
Channel_Info_Tag PrepareNewChannel(tabstore::CQoDB& db, const ChannelFilter& filter,
                                   Product product);

struct DescriptionRecords {
    std::optional<Satellite_Info_Tag> satellite;
    std::optional<Transponder_Info_Tag> transponder;
    std::optional<Broadcast_Info_Tag> provider;
    std::optional<Channel_Info_Tag> channel;
};

/// The channel and the first satellite, transponder and provider whose ids it names.
DescriptionRecords GatherDescription(tabstore::CQoDB& db, std::uint32_t channelKey);

} // namespace chanforge::editing
