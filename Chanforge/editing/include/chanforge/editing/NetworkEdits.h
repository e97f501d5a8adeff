// Commands of the satellite, transponder, cable multiplex and provider lists: New, Update,
// Delete, moving transponders between satellites, and what Description shows.
//
// Channels name their satellite, transponder and multiplex by small ids (SatID, TPID, MuxID),
// so every delete closes the gap it leaves: the records and channels with larger ids move down
// by one. Rows are changed in place and keep their keys; deleted rows leave a gap in the keys.
// A row whose record no longer exists is skipped. A refused command changes nothing.
#pragma once

#include "chanforge/editing/ChannelEdits.h"
#include "chanforge/editing/DeliveryLists.h"
#include "chanforge/editing/EditorInputs.h"
#include "chanforge/editing/UndoStack.h"
#include "utils/Phrase.h"

#include <string>
#include <string_view>

namespace chanforge::editing {

/// Outcome of a New: the key of the added row when result is Ok.
struct NewRecord {
    EditResult result = EditResult::Nothing;
    std::uint32_t key = 0;
};

// The tables each command changes: the mask of the undo step that wraps it.
inline constexpr TableMask kSatelliteEditTables = TableBit(kSatelliteTable); ///< New, Update
inline constexpr TableMask kSatelliteDeleteTables =
    TableBit(kSatelliteTable) | TableBit(kTransponderTable) | TableBit(kChannelTable);
inline constexpr TableMask kTransponderNewTables = TableBit(kTransponderTable);
/// Update, Move and Delete: a transponder that changes satellite takes its channels along.
inline constexpr TableMask kTransponderEditTables =
    TableBit(kTransponderTable) | TableBit(kChannelTable);
inline constexpr TableMask kCableMuxEditTables = TableBit(kCableMuxTable); ///< New, Update
inline constexpr TableMask kCableMuxDeleteTables =
    TableBit(kCableMuxTable) | TableBit(kChannelTable);
inline constexpr TableMask kProviderEditTables =
    TableBit(kProviderTable); ///< every provider command

/// Adds the satellite an editor returned with SatID = 1 + the highest SatID in the table (ids
/// taken by rows the list does not show, or after a sort, are never handed out twice).
NewRecord NewSatellite(tabstore::CQoDB& db, Satellite_Info_Tag edited);
/// Replaces the satellite's settings; its key and SatID stay.
EditResult UpdateSatellite(tabstore::CQoDB& db, std::uint32_t key,
                           const Satellite_Info_Tag& edited);
/// Deletes each satellite with its transponders and channels; larger SatIDs move down.
EditResult DeleteSatellites(tabstore::CQoDB& db, const RowIds& keys);

/// Adds the transponder to the satellite its SatID names, with TPID = 1 + the highest TPID of
/// that satellite, and raises the document's MaxTPID counter by one.
NewRecord NewTransponder(tabstore::CQoDB& db, Transponder_Info_Tag edited, DocumentValues& values);
/// Replaces the transponder's settings, keeping its key. A changed SatID moves it to that
/// satellite as MoveTransponders does.
EditResult UpdateTransponder(tabstore::CQoDB& db, std::uint32_t key,
                             const Transponder_Info_Tag& edited);
/// Moves the transponders to the satellite stored under satelliteRow. Each takes TPID = 1 +
/// the highest TPID there and its channels follow it; the transponders after it on its old
/// satellite, and their channels, move down by one. Refused whole when the TPIDs would not fit.
EditResult MoveTransponders(tabstore::CQoDB& db, const RowIds& keys, std::uint32_t satelliteRow);
/// Deletes each transponder with its channels; larger TPIDs of its satellite move down.
EditResult DeleteTransponders(tabstore::CQoDB& db, const RowIds& keys);

/// Adds the multiplex with MuxID = 1 + the MaxTPID counter (never below the highest MuxID in
/// the table) and raises the counter to it.
NewRecord NewCableMux(tabstore::CQoDB& db, CableMux_Info_Tag edited, DocumentValues& values);
/// Replaces the multiplex's settings; its key and MuxID stay.
EditResult UpdateCableMux(tabstore::CQoDB& db, std::uint32_t key, const CableMux_Info_Tag& edited);
/// Deletes each multiplex with its channels (TPID = MuxID); larger ids move down.
EditResult DeleteCableMuxes(tabstore::CQoDB& db, const RowIds& keys);

/// The terrestrial multiplexes the list shows, each with the key of its row (RowID): rows of
/// table 1, or on combination products the transponder rows of the stand-in satellite.
std::vector<SMux_Info_Tag> TerrestrialMuxes(tabstore::CQoDB& db, Product product);
/// Adds the multiplex on its RF channel (TPID), raising the MaxTPID counter to it; Nothing when
/// that channel already has one.
NewRecord NewTerrestrialMux(tabstore::CQoDB& db, Product product, const SMux_Info_Tag& mux,
                            DocumentValues& values);
/// Replaces the multiplex's settings (mode, constellation, code rate, guard, offset); its
/// channel stays.
EditResult UpdateTerrestrialMux(tabstore::CQoDB& db, Product product, std::uint32_t key,
                                std::uint32_t muxParams);
/// Deletes each multiplex with its channels. Channels name a multiplex by its RF channel, so
/// nothing else moves.
EditResult DeleteTerrestrialMuxes(tabstore::CQoDB& db, Product product, const RowIds& keys);
inline constexpr TableMask kTerrestrialMuxEditTables =
    TableBit(kTerrestrialMuxTable) | TableBit(kTransponderTable) | TableBit(kChannelTable);

/// Adds a provider named name (at most 16 characters kept) with the first BroadcastID above
/// the highest that no channel names.
NewRecord NewProvider(tabstore::CQoDB& db, std::string_view name);
/// Renames the provider (at most 16 characters kept); channels keep their BroadcastID. The
/// name it already has changes nothing (Nothing).
EditResult RenameProvider(tabstore::CQoDB& db, std::uint32_t key, std::string_view name);
/// Deletes the providers only; channels keep the BroadcastID they had.
EditResult DeleteProviders(tabstore::CQoDB& db, const RowIds& keys);

/// How many channels deleting these rows of a list would take along (satellites, transponders,
/// cable multiplexes; none for providers), so the question before a delete can say so.
std::size_t ChannelsDeletedWith(tabstore::CQoDB& db, ListKind kind, const RowIds& keys);

/// The satellite stored under key, for the description dialog.
DescriptionRecords DescribeSatellite(tabstore::CQoDB& db, std::uint32_t key);
/// The transponder and the first satellite with its SatID.
DescriptionRecords DescribeTransponder(tabstore::CQoDB& db, std::uint32_t key);
DescriptionRecords DescribeProvider(tabstore::CQoDB& db, std::uint32_t key);
/// "Broadcast Name : %s (ID : %d)".
utils::Phrase ProviderDescription(const Broadcast_Info_Tag& provider);

} // namespace chanforge::editing
