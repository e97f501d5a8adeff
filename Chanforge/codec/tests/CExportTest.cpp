// The channel table as the firmware's C source.
#include "chanforge/codec/CExport.h"
#include "CodecTestSupport.h"

#include <gtest/gtest.h>

namespace {

using namespace chanforge;
using namespace chanforge::codec;

TEST(CExport, EmptyTableGivesOpeningAndClosingOnly) {
    tabstore::CQoDB db;
    EXPECT_EQ(
        DefaultChannelTableSource(db),
        "const SSVC_INFO virtual_flash_svc[] = {\r\n};\r\n////Total Svc Channel Count = 0\r\n\r\n");
}

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
              "\t{ 0x000012AB, 0007, 03, 0012, 1, 28106, 0, 102, 102, 0x0800, 1, 0, "
              "\"Say \"hi\"\\\", 5, -1, 0x 2},\r\n"
              "};\r\n////Total Svc Channel Count = 1\r\n\r\n");
}

} // namespace
