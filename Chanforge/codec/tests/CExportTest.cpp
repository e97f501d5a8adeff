// The channel table as the firmware's C source.
#include "chanforge/codec/CExport.h"
#include "CodecTestSupport.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using namespace chanforge;
using namespace chanforge::codec;
namespace fs = std::filesystem;

TEST(CExport, ChannelLineFormatsEveryField) {
    tabstore::CQoDB db;
    auto ch = codectest::MakeChannel("Say \"hi\"\\", 7, attr::kRadio, 3);
    ch.CAS = 0x12AB;
    ch.TPID = 12;
    ch.BroadcastID = 1;
    ch.ServiceID = 28106;
    ch.VideoPID = 0;
    ch.AudioPID = 102;
    ch.PCRPID = 102;
    ch.NumOfAudio = 1;
    ch.CodeTable = 5;
    ch.Favorite = 0xFFFFFFFF;
    ch.StreamType = 2;
    codectest::AppendCopy(db, kChannelTable, ch);
    EXPECT_EQ(DefaultChannelTableSource(db),
              "const SSVC_INFO virtual_flash_svc[] = {\r\n"
              "\t{ 0x000012AB,    7,  3,   12, 1, 28106, 0, 102, 102, 0x0800, 1, 0, "
              "\"Say \\\"hi\\\"\\\\\", 5, -1, 0x02},\r\n"
              "};\r\n////Total Svc Channel Count = 1\r\n\r\n");
}

/// The export of the channels, compiled by the system's C compiler (ISO C99, which reads
/// trigraphs) with a main that prints each entry's numbers and name; what it printed.
std::string CompiledEntries(const std::vector<Channel_Info_Tag>& channels) {
    tabstore::CQoDB db;
    for (const Channel_Info_Tag& ch : channels)
        codectest::AppendCopy(db, kChannelTable, ch);
    const fs::path dir =
        fs::temp_directory_path() / ("chanforge-cexport-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    std::ofstream(dir / "table.c", std::ios::binary)
        << "typedef struct { unsigned cas; int number, sat, tp, provider, sid, video, audio, pcr;"
           " unsigned attributes; int audios, subtitles; const char* name; int code, favorite;"
           " unsigned stream; } SSVC_INFO;\n"
        << DefaultChannelTableSource(db)
        << "#include <stdio.h>\nint main(void) {\n"
           "  for (unsigned i = 0; i < sizeof virtual_flash_svc / sizeof *virtual_flash_svc; ++i) "
           "{\n"
           "    const SSVC_INFO* e = &virtual_flash_svc[i];\n"
           "    printf(\"%d %d %d %u \", e->number, e->sat, e->tp, e->stream);\n"
           "    fputs(e->name, stdout);\n    putchar(0);\n  }\n  return 0;\n}\n";
    const std::string d = dir.string();
    const int built = std::system(("cc -std=c99 -o '" + d + "/entries' '" + d + "/table.c' && '" +
                                   d + "/entries' > '" + d + "/out'")
                                      .c_str());
    std::ifstream in(dir / "out", std::ios::binary);
    const std::string out(std::istreambuf_iterator<char>(in), {});
    fs::remove_all(dir);
    return built == 0 ? out : "(does not compile)";
}

TEST(CExport, CompilesToTheNamesAndNumbersItHolds) {
    if (std::system("command -v cc > /dev/null 2>&1") != 0)
        GTEST_SKIP() << "no C compiler";
    // Octal escapes followed by digits, trigraphs, control and high bytes, a full-length name.
    const std::vector<std::string> names = {"Say \"hi\" C:\\dir\\", "caf\xE9\x31\x01\x37 up",
                                            "what?\?= ?\?/ ?\?\?", "line\r\n\x7F\xFF",
                                            std::string(255, '\xC4')};
    std::vector<Channel_Info_Tag> channels;
    std::string expected;
    for (std::size_t i = 0; i < names.size(); ++i) {
        // Numbers with the digits 8 and 9, and stream types below 16.
        auto ch = codectest::MakeChannel("", static_cast<std::uint16_t>(8 + i * 11), attr::kTV,
                                         static_cast<std::uint8_t>(9 + i));
        ch.TPID = static_cast<std::uint8_t>(10 + i);
        ch.StreamType = static_cast<std::uint8_t>(i * 3);
        std::memcpy(ch.Name, names[i].data(), std::min(names[i].size(), sizeof ch.Name));
        channels.push_back(ch);
        expected += std::to_string(ch.ProgramNum) + " " + std::to_string(ch.SatID) + " " +
                    std::to_string(ch.TPID) + " " + std::to_string(ch.StreamType) + " " + names[i] +
                    '\0';
    }
    EXPECT_EQ(CompiledEntries(channels), expected);
}

} // namespace
