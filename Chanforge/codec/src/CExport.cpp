#include "chanforge/codec/CExport.h"

#include "RowStore.h"
#include "chanforge/Records.h"

#include <cstdio>
#include <cstring>
#include <string_view>

namespace chanforge::codec {

namespace {

constexpr std::size_t kLineBuffer = 1024;

/// The name as the body of a C string literal that compiles to the same bytes. Bytes outside
/// printable ASCII become three-digit octal escapes, which a following digit cannot extend
/// (a hex escape would swallow it); a question mark after another is escaped, so no trigraph
/// forms in compilers that still read them.
std::string CStringBody(std::string_view name) {
    std::string out;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto byte = static_cast<unsigned char>(name[i]);
        const bool afterQuestionMark = byte == '?' && i > 0 && name[i - 1] == '?';
        if (byte == '"' || byte == '\\' || afterQuestionMark) {
            out += '\\';
            out += static_cast<char>(byte);
        } else if (byte < 0x20 || byte > 0x7E) {
            out.append({'\\', char('0' + (byte >> 6)), char('0' + ((byte >> 3) & 7)),
                        char('0' + (byte & 7))});
        } else {
            out += static_cast<char>(byte);
        }
    }
    return out;
}

std::string ChannelLine(const Channel_Info_Tag& ch) {
    char head[kLineBuffer] = {};
    char tail[kLineBuffer] = {};
    // The 32-bit fields go out as the firmware's int does, so a full mask prints as -1. Numbers
    // are padded with blanks, not zeros: a leading zero makes a C constant octal.
    std::snprintf(head, sizeof head,
                  "\t{ 0x%08X, %4d, %2d, %4d, %d, %d, %d, %d, %d, 0x%04X, %d, %d, \"",
                  static_cast<unsigned>(ch.CAS), int{ch.ProgramNum}, int{ch.SatID}, int{ch.TPID},
                  int{ch.BroadcastID}, int{ch.ServiceID}, int{ch.VideoPID}, int{ch.AudioPID},
                  int{ch.PCRPID}, unsigned{ch.Attributes}, int{ch.NumOfAudio}, int{ch.NumOfSubTTX});
    std::snprintf(tail, sizeof tail, "\", %d, %d, 0x%02X},\r\n", int{ch.CodeTable},
                  static_cast<int>(ch.Favorite), unsigned{ch.StreamType});
    // A name filling its whole field has no terminator; never read past the field. Escaped, it
    // can outgrow any fixed line buffer.
    return head + CStringBody({ch.Name, strnlen(ch.Name, sizeof ch.Name)}) + tail;
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
