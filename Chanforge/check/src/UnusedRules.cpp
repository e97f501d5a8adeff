// Transponders and multiplexes that no channel names: they cost slots and scan time.
#include "Context.h"

#include "chanforge/TableAccess.h"
#include "chanforge/codec/TransponderMux.h"

namespace chanforge::check::detail {

namespace {

Finding Unused(Rule rule, TableId table, std::uint32_t row, std::string what) {
    return {Severity::Warning, rule, table, {row}, what + " is used by no channel"};
}

} // namespace

void CheckUnused(Context& ctx, Findings& out) {
    ForEachRow<Transponder_Info_Tag>(
        ctx.db, kTransponderTable, [&](const Transponder_Info_Tag& tp) {
            if (codec::HoldsMux(tp, ctx.layout.product)) {
                if (!ctx.usedMuxes.test(tp.TPID))
                    out.push_back(Unused(Rule::UnusedMultiplex, kTransponderTable, tp.RowID,
                                         "Multiplex " + std::to_string(tp.TPID)));
                return;
            }
            if (!ctx.usedTransponders.test(std::uint32_t{tp.SatID} << 8 | tp.TPID))
                out.push_back(Unused(Rule::UnusedTransponder, kTransponderTable, tp.RowID,
                                     "Transponder " + std::to_string(tp.Frequency) + " MHz (id " +
                                         std::to_string(tp.TPID) + ") of satellite " +
                                         std::to_string(tp.SatID)));
        });
    if (ctx.model.terrestrialOnly)
        ForEachRow<SMux_Info_Tag>(ctx.db, kTerrestrialMuxTable, [&](const SMux_Info_Tag& m) {
            if (!ctx.usedMuxes.test(m.TPID))
                out.push_back(Unused(Rule::UnusedMultiplex, kTerrestrialMuxTable, m.RowID,
                                     "Multiplex " + std::to_string(m.TPID)));
        });
    if (ctx.model.cable)
        ForEachRow<CableMux_Info_Tag>(ctx.db, kCableMuxTable, [&](const CableMux_Info_Tag& m) {
            if (!ctx.usedMuxes.test(m.MuxID))
                out.push_back(Unused(Rule::UnusedMultiplex, kCableMuxTable, m.RowID,
                                     "Cable multiplex " + std::to_string(m.Frequency) +
                                         " kHz (id " + std::to_string(m.MuxID) + ")"));
        });
}

} // namespace chanforge::check::detail
