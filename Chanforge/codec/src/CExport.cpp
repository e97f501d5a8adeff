#include "chanforge/codec/CExport.h"

#include "RowStore.h"
#include "chanforge/Records.h"

#include <cstdio>
#include <cstring>

namespace chanforge::codec {

namespace {

constexpr std::size_t kLineBuffer = 1024;

std::string ChannelLine(const Channel_Info_Tag& ch) {
    char line[kLineBuffer] = {};
    // A name filling its whole field has no terminator; never read past the field.
    const int nameLength = static_cast<int>(strnlen(ch.Name, sizeof ch.Name));
    // The 32-bit fields go out as the firmware's int does, so a full mask prints as -1.
    std::snprintf(line, sizeof line,
                  "\t{ 0x%08X, %04d, %02d, %04d, %d, %d, %d, %d, %d, 0x%04X, %d, %d, \"%.*s\", "
                  "%d, %d, 0x%2X},\r\n",
                  static_cast<unsigned>(ch.CAS), int{ch.ProgramNum}, int{ch.SatID}, int{ch.TPID},
                  int{ch.BroadcastID}, int{ch.ServiceID}, int{ch.VideoPID}, int{ch.AudioPID},
                  int{ch.PCRPID}, unsigned{ch.Attributes}, int{ch.NumOfAudio}, int{ch.NumOfSubTTX},
                  nameLength, ch.Name, int{ch.CodeTable}, static_cast<int>(ch.Favorite),
                  unsigned{ch.StreamType});
    return line;
}

} // namespace

std::string DefaultChannelTableSource(tabstore::CQoDB& db) {
    std::string out = "const SSVC_INFO virtual_flash_svc[] = {\r\n";
    int count = 0;
    detail::ForEachRow<Channel_Info_Tag>(db, kChannelTable, [&](const Channel_Info_Tag& ch) {
        out += ChannelLine(ch);
        ++count;
    });
    char closing[kLineBuffer] = {};
    std::snprintf(closing, sizeof closing, "};\r\n////Total Svc Channel Count = %d\r\n\r\n", count);
    return out + closing;
}

} // namespace chanforge::codec
