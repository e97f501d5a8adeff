// Transponders and multiplexes that no channel names: they cost slots and scan time.
#include "Context.h"

#include "chanforge/TableAccess.h"
#include "chanforge/codec/TransponderMux.h"

#include <utility>

namespace chanforge::check::detail {

namespace {

Finding Unused(Rule rule, TableId table, std::uint32_t row, utils::Phrase what) {
    return {Severity::Warning,
            rule,
            table,
            {row},
            Say(CF_TR_NOOP("Check", "%1 is used by no channel"), {std::move(what)})};
}

utils::Phrase Multiplex(std::uint32_t id) {
    return Say(CF_TR_NOOP("Check", "Multiplex %1"), {Num(id)});
}

} // namespace

void CheckUnused(Context& ctx, Findings& out) {
    ForEachRow<Transponder_Info_Tag>(
        ctx.db, kTransponderTable, [&](const Transponder_Info_Tag& tp) {
            if (codec::HoldsMux(tp, ctx.layout.product)) {
                if (!ctx.usedMuxes.test(tp.TPID))
                    out.push_back(Unused(Rule::UnusedMultiplex, kTransponderTable, tp.RowID,
                                         Multiplex(tp.TPID)));
                return;
            }
            if (!ctx.usedTransponders.test(std::uint32_t{tp.SatID} << 8 | tp.TPID))
                out.push_back(Unused(Rule::UnusedTransponder, kTransponderTable, tp.RowID,
                                     Say(CF_TR_NOOP("Check", "Transponder %1 MHz (id %2) of "
                                                             "satellite %3"),
                                         {Num(tp.Frequency), Num(tp.TPID), Num(tp.SatID)})));
        });
    if (ctx.model.terrestrialOnly)
        ForEachRow<SMux_Info_Tag>(ctx.db, kTerrestrialMuxTable, [&](const SMux_Info_Tag& m) {
            if (!ctx.usedMuxes.test(m.TPID))
                out.push_back(Unused(Rule::UnusedMultiplex, kTerrestrialMuxTable, m.RowID,
                                     Multiplex(m.TPID)));
        });
    if (ctx.model.cable)
        ForEachRow<CableMux_Info_Tag>(ctx.db, kCableMuxTable, [&](const CableMux_Info_Tag& m) {
            if (!ctx.usedMuxes.test(m.MuxID))
                out.push_back(Unused(Rule::UnusedMultiplex, kCableMuxTable, m.RowID,
                                     Say(CF_TR_NOOP("Check", "Cable multiplex %1 kHz (id %2)"),
                                         {Num(m.Frequency), Num(m.MuxID)})));
        });
}

} // namespace chanforge::check::detail
