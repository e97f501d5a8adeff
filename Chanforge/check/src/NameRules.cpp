// Names the receiver cannot show whole: control bytes it has no glyph for, channel names longer
// than its slot keeps, and channels without a name.
#include "Context.h"

#include "chanforge/TableAccess.h"

#include <algorithm>
#include <cstdio>

namespace chanforge::check::detail {

namespace {

/// C0 and C1 control bytes and DEL: the receiver's code tables draw nothing for them.
bool Unshown(unsigned char b) {
    return b < 0x20 || b == 0x7F || (b >= 0x80 && b < 0xA0);
}

std::size_t NameLength(const char* name, std::size_t size) {
    std::size_t n = 0;
    while (n < size && name[n] != 0)
        ++n;
    return n;
}

/// First byte the receiver cannot show, or -1.
int FirstUnshown(const char* name, std::size_t size) {
    const std::size_t n = NameLength(name, size);
    for (std::size_t i = 0; i < n; ++i)
        if (Unshown(static_cast<unsigned char>(name[i])))
            return static_cast<unsigned char>(name[i]);
    return -1;
}

std::string Hex(int byte) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", byte);
    return text;
}

/// `what` names the record with %1 for its name.
template <class T> void CheckTable(Context& ctx, TableId table, const char* what, Findings& out) {
    ForEachRow<T>(ctx.db, table, [&](const T& rec) {
        const int bad = FirstUnshown(rec.Name, sizeof rec.Name);
        if (bad < 0)
            return;
        out.push_back({Severity::Warning,
                       Rule::UnshownBytes,
                       table,
                       {rec.RowID},
                       Say(CF_TR_NOOP("Check", "The name of %1 holds byte %2, which the "
                                               "receiver cannot show"),
                           {Say(what, {NameOf(rec.Name, sizeof rec.Name)}),
                            utils::Phrase::Verbatim(Hex(bad))})});
    });
}

/// A channel without a name is an empty slot to the receiver and to the next load; one of blanks
/// shows as nothing.
void CheckNameless(const Channel_Info_Tag& ch, Findings& out) {
    const std::size_t n = NameLength(ch.Name, sizeof ch.Name);
    if (std::any_of(ch.Name, ch.Name + n, [](char c) { return c != ' '; }))
        return;
    out.push_back({n == 0 ? Severity::Error : Severity::Warning,
                   Rule::NamelessChannel,
                   kChannelTable,
                   {ch.RowID},
                   n == 0 ? Say(CF_TR_NOOP("Check", "The %1 has no name: the receiver takes "
                                                    "it for an empty slot and drops it"),
                                {DescribeChannel(ch)})
                          : Say(CF_TR_NOOP("Check", "The %1 has only blanks for a name"),
                                {DescribeChannel(ch)})});
}

} // namespace

void CheckNames(Context& ctx, Findings& out) {
    CheckTable<Satellite_Info_Tag>(ctx, kSatelliteTable, CF_TR_NOOP("Check", "satellite \"%1\""),
                                   out);
    CheckTable<Broadcast_Info_Tag>(ctx, kProviderTable, CF_TR_NOOP("Check", "provider \"%1\""),
                                   out);
    CheckTable<Favorite_Info_Tag>(ctx, kFavoriteTable,
                                  CF_TR_NOOP("Check", "favourite group \"%1\""), out);
    const std::size_t keep = ctx.model.channelNameBytes;
    ForEachRow<Channel_Info_Tag>(ctx.db, kChannelTable, [&](const Channel_Info_Tag& ch) {
        CheckNameless(ch, out);
        const int bad = FirstUnshown(ch.Name, sizeof ch.Name);
        if (bad >= 0)
            out.push_back({Severity::Warning,
                           Rule::UnshownBytes,
                           kChannelTable,
                           {ch.RowID},
                           Say(CF_TR_NOOP("Check", "The name of the %1 holds byte %2, which "
                                                   "the receiver cannot show"),
                               {DescribeChannel(ch), utils::Phrase::Verbatim(Hex(bad))})});
        if (NameLength(ch.Name, sizeof ch.Name) > keep)
            out.push_back(
                {Severity::Warning,
                 Rule::NameCut,
                 kChannelTable,
                 {ch.RowID},
                 Say(CF_TR_NOOP("Check", "The name of the %1 is cut to \"%2\": the "
                                         "receiver keeps %3 bytes"),
                     {DescribeChannel(ch),
                      utils::Phrase::Name(std::string(ch.Name, keep), ch.CodeTable), Num(keep)})});
    });
}

} // namespace chanforge::check::detail
