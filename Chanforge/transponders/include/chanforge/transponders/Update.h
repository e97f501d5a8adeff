// Bringing a satellite's transponders up to date from a table: the comparison lists what would
// change, one line per transponder (changed, new, gone with the channels that use it), and the
// update does exactly the lines the operator kept. Satellites are matched by orbital position,
// C and Ku band apart; carriers by polarisation and frequency within a tolerance that grows
// with the symbol rate.
#pragma once

#include "chanforge/editing/ChannelEdits.h"
#include "chanforge/editing/LeftOut.h"
#include "chanforge/editing/NetworkEdits.h"
#include "chanforge/transponders/Carrier.h"
#include "utils/Phrase.h"

#include <optional>
#include <string>
#include <vector>

namespace chanforge::transponders {

enum class LineKind : std::uint8_t { Changed, New, Gone };

struct UpdateLine {
    LineKind kind = LineKind::Changed;
    std::uint32_t satelliteKey = 0;
    std::uint32_t transponderKey = 0; ///< Changed and Gone
    Transponder_Info_Tag before{};    ///< Changed and Gone
    Transponder_Info_Tag after{};     ///< Changed and New
    editing::RowIds channels;         ///< Gone: the channels deleting it takes along
    std::size_t sourceLine = 0;       ///< Changed and New
    /// A cable multiplex (transponderKey is its row) instead of a satellite's transponder.
    bool cable = false;
    CableMux_Info_Tag cableBefore{};
    CableMux_Info_Tag cableAfter{};
    /// A terrestrial multiplex (transponderKey is its row) instead.
    bool terrestrial = false;
    SMux_Info_Tag muxBefore{};
    SMux_Info_Tag muxAfter{};
};

struct UpdatePlan {
    std::vector<UpdateLine> lines;
    std::size_t satellites = 0; ///< satellites of the database the table was compared with
    std::size_t networks = 0;   ///< 1 when its cable or terrestrial multiplexes were
    /// Terrestrial carriers no channel of the country's raster takes: no line can add them.
    std::vector<TerrestrialCarrier> offRaster;
    policy::ProductKind product; ///< the model the terrestrial lines are of
};

struct [[nodiscard]] PlanResult {
    bool ok = true;
    utils::Phrase message; ///< why there is no plan
};

/// The tables an update changes: the transponders, cable and terrestrial multiplexes, and the
/// channels of those it deletes.
inline constexpr editing::TableMask kUpdateTables = editing::kTransponderEditTables |
                                                    editing::kCableMuxDeleteTables |
                                                    editing::kTerrestrialMuxEditTables;

/// Compares the satellite at position (tenths, west negative) with the table, or every
/// satellite the table has a position of when position is empty. A table without positions (a
/// scan table named without one) needs a position. A table of one cable network (cables.xml, a
/// DVB-C scan table) is compared with the cable multiplexes instead, one of terrestrial
/// multiplexes (terrestrial.xml, a DVB-T scan table) with the terrestrial ones: by centre
/// frequency within 1 MHz, a new one placed on the channel of the country's raster that takes
/// it. Reads the store only.
PlanResult PlanUpdate(tabstore::CQoDB& db, const policy::ProductKind& product, const Source& source,
                      std::optional<int> position, UpdatePlan& plan);

/// Does every line of the plan but those left out: updates, then additions, then deletions.
/// The plan must be of this store as it is; wrap the call in one undo step over kUpdateTables.
editing::EditResult ApplyUpdate(tabstore::CQoDB& db, DocumentValues& values, const UpdatePlan& plan,
                                const editing::LeftOut& leftOut);

/// Lines the command line leaves out unless it is asked to delete: every Gone line.
editing::LeftOut GoneLines(const UpdatePlan& plan);

/// "11836 H 27500 3/4" (and "DVB-S2 8PSK" where the product keeps the system): how a line
/// shows a transponder.
std::string TransponderText(const Transponder_Info_Tag& tp, const policy::ProductKind& product);
/// A line's transponder before (after) the update as TransponderText shows it, a cable
/// multiplex as "330.000 MHz 6900 256 QAM", a terrestrial one as "474.000 MHz 8K 64QAM 2/3
/// 1/4"; empty for the side that has none.
std::string LineText(const UpdateLine& line, bool after, const policy::ProductKind& product);
/// Where a line is: the satellite's orbital position, "cable" or "terrestrial".
std::string LinePlace(tabstore::CQoDB& db, const UpdateLine& line);
/// "Changed", "New" or "Gone" (translation context "Transponders").
const char* LineKindText(LineKind kind);

} // namespace chanforge::transponders
