#include "PolicyTestSupport.h"
#include "policy/Policy.h"

#include <cstdint>

using PolicyValues = FreshStore;

TEST_F(PolicyValues, SingleValueDefaultsBecomePersistent) {
    struct Row {
        int (*get)();
        const char* name;
        int fallback;
    };
    for (const Row& r : {Row{GetProductType, "Product Type", 0}, Row{GetProductList, "Product List", 0},
                         Row{GetGridColumn, "Flexgrid Column", 0},
                         Row{GetFlashStartBlock, "Flash Write Start Block", 3648},
                         Row{GetFlashBlockSize, "Flash Write Block Size", 1024},
                         Row{GetFlashRequestBlock, "Flash Write Request Block", 384},
                         Row{GetFlashOneSectorSize, "Flash One Sector Size", 4096},
                         Row{GetFlashByteOrder, "Flash Byte Order", 0},
                         Row{GetFlashMaxMuxCount, "Flash MAX Mux Count", 0},
                         Row{GetFlashMailboxCount, "Flash Mailbox Count", 0},
                         Row{GetBufChecksumSize, "CheckSum Data Size", 2},
                         Row{GetBufMaxSize, "MAX Buffer Size", 1024}}) {
        SCOPED_TRACE(r.name);
        EXPECT_FALSE(Stored(r.name));
        EXPECT_EQ(r.get(), r.fallback);
        EXPECT_TRUE(Stored(r.name));
    }
}

TEST_F(PolicyValues, SettersAreReadBack) {
    struct Row {
        int (*set)(int);
        int (*get)();
    };
    int value = 11;
    for (const Row& r : {Row{SetProductType, GetProductType}, Row{SetProductList, GetProductList},
                         Row{SetGridColumn, GetGridColumn}, Row{SetFlashStartBlock, GetFlashStartBlock},
                         Row{SetFlashBlockSize, GetFlashBlockSize},
                         Row{SetFlashRequestBlock, GetFlashRequestBlock},
                         Row{SetFlashOneSectorSize, GetFlashOneSectorSize},
                         Row{SetFlashByteOrder, GetFlashByteOrder},
                         Row{SetFlashMaxMuxCount, GetFlashMaxMuxCount},
                         Row{SetFlashMailboxCount, GetFlashMailboxCount},
                         Row{SetBufChecksumSize, GetBufChecksumSize}, Row{SetBufMaxSize, GetBufMaxSize}}) {
        EXPECT_EQ(r.set(++value), 1);
        EXPECT_EQ(r.get(), value);
    }
}

TEST_F(PolicyValues, ChannelBlockDefaultsAreFilledAndStored) {
    std::uint32_t start = 1, count = 1, chunk = 1, nameLength = 1;
    EXPECT_NE(GetFlashCHBlockInfo(&start, &count, &chunk, &nameLength), 0);
    EXPECT_EQ(start, 49152u);
    EXPECT_EQ(count, 40u);
    EXPECT_EQ(chunk, 44u);
    EXPECT_EQ(nameLength, 17u);
    for (const char* name : {"Flash CH Start Position", "Flash CH Total Count", "Flash CH Chunk Size",
                             "Flash CH Name Length"})
        EXPECT_TRUE(Stored(name)) << name;
}

TEST_F(PolicyValues, BlockInfoDefaultsAndRoundTrips) {
    std::uint32_t a, b, c, d;
    GetFlashMMIBlockInfo(&a, &b, &c, &d);
    EXPECT_EQ((std::vector<std::uint32_t>{a, b, c, d}), (std::vector<std::uint32_t>{0, 1, 20, 32}));
    GetFlashSatBlockInfo(&a, &b, &c);
    EXPECT_EQ((std::vector<std::uint32_t>{a, b, c}), (std::vector<std::uint32_t>{4096, 1, 44}));
    GetFlashBrdBlockInfo(&a, &b, &c);
    EXPECT_EQ((std::vector<std::uint32_t>{a, b, c}), (std::vector<std::uint32_t>{8192, 2, 20}));
    GetFlashTPBlockInfo(&a, &b, &c);
    EXPECT_EQ((std::vector<std::uint32_t>{a, b, c}), (std::vector<std::uint32_t>{16384, 6, 14}));
    GetFlashMuxBlockInfo(&a, &b, &c);
    EXPECT_EQ((std::vector<std::uint32_t>{a, b, c}), (std::vector<std::uint32_t>{0, 0, 0}));

    EXPECT_EQ(SetFlashTPBlockInfo(20480, 8, 20), 1);
    GetFlashTPBlockInfo(&a, &b, &c);
    EXPECT_EQ((std::vector<std::uint32_t>{a, b, c}), (std::vector<std::uint32_t>{20480, 8, 20}));
    EXPECT_EQ(SetFlashMMIBlockInfo(0, 1, 20, 8), 1);
    GetFlashMMIBlockInfo(&a, &b, &c, &d);
    EXPECT_EQ(d, 8u);
}

TEST_F(PolicyValues, ProductVersionIgnoresNull) {
    EXPECT_EQ(SetProductVersion(nullptr), 0);
    EXPECT_FALSE(Stored("QVR Version String"));
    EXPECT_EQ(SetProductVersion("QVR-5000 1.23"), 1);
    char text[kRegistryStringSize];
    GetRegistry(kChanforgeKey, "QVR Version String", text, "");
    EXPECT_STREQ(text, "QVR-5000 1.23");
}

TEST_F(PolicyValues, UnreadableStoreLeavesBlockVariablesAlone) {
    utils::SetSettingsPath("/proc/self/chanforge/settings.ini"); // cannot be created
    std::uint32_t start = 7, count = 7, chunk = 7;
    const auto hook = utils::SetReportHook([](utils::ReportLevel, const std::string&) {});
    EXPECT_EQ(GetFlashSatBlockInfo(&start, &count, &chunk), 0);
    EXPECT_EQ(GetProductList(), 0);
    EXPECT_EQ(GetFlashBlockSize(), 1024); // a non-zero default is still the answer
    utils::SetReportHook(hook);
    EXPECT_EQ(start, 7u);
    EXPECT_EQ(chunk, 7u);
}
