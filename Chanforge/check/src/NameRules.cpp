// Names the receiver cannot show whole: control bytes it has no glyph for, and channel names
// longer than its slot keeps.
#include "Context.h"

#include "chanforge/TableAccess.h"

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

template <class T> void CheckTable(Context& ctx, TableId table, const char* what, Findings& out) {
    ForEachRow<T>(ctx.db, table, [&](const T& rec) {
        const int bad = FirstUnshown(rec.Name, sizeof rec.Name);
        if (bad < 0)
            return;
        out.push_back({Severity::Warning,
                       Rule::UnshownBytes,
                       table,
                       {rec.RowID},
                       std::string("The name of ") + what + " " +
                           Quoted(rec.Name, sizeof rec.Name) + " holds byte " + Hex(bad) +
                           ", which the receiver cannot show"});
    });
}

} // namespace

void CheckNames(Context& ctx, Findings& out) {
    CheckTable<Satellite_Info_Tag>(ctx, kSatelliteTable, "satellite", out);
    CheckTable<Broadcast_Info_Tag>(ctx, kProviderTable, "provider", out);
    CheckTable<Favorite_Info_Tag>(ctx, kFavoriteTable, "favourite group", out);
    const std::size_t keep = ctx.model.channelNameBytes;
    ForEachRow<Channel_Info_Tag>(ctx.db, kChannelTable, [&](const Channel_Info_Tag& ch) {
        const int bad = FirstUnshown(ch.Name, sizeof ch.Name);
        if (bad >= 0)
            out.push_back({Severity::Warning,
                           Rule::UnshownBytes,
                           kChannelTable,
                           {ch.RowID},
                           "The name of the " + DescribeChannel(ch) + " holds byte " + Hex(bad) +
                               ", which the receiver cannot show"});
        if (NameLength(ch.Name, sizeof ch.Name) > keep)
            out.push_back({Severity::Warning,
                           Rule::NameCut,
                           kChannelTable,
                           {ch.RowID},
                           "The name of the " + DescribeChannel(ch) + " is cut to " +
                               Quoted(ch.Name, keep) + ": the receiver keeps " +
                               std::to_string(keep) + " bytes"});
    });
}

} // namespace chanforge::check::detail
