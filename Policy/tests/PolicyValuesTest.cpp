#include "PolicyTestSupport.h"
#include "policy/Policy.h"

#include <cstdint>
#include <vector>

using PolicyValues = FreshStore;

using Quad = std::vector<std::uint32_t>;

// Each value: its default is stored on first read, and the setter writes the name the getter reads.
TEST_F(PolicyValues, SingleValuesStoreTheirDefaultAndReadBackWhatWasSet) {
    struct Row {
        int (*get)();
        int (*set)(int);
        const char* name;
        int fallback;
    };
    for (const Row& r :
         {Row{GetProductType, SetProductType, "Product Type", 0},
          Row{GetProductList, SetProductList, "Product List", 0},
          Row{GetGridColumn, SetGridColumn, "Flexgrid Column", 0},
          Row{GetFlashStartBlock, SetFlashStartBlock, "Flash Write Start Block", 3648},
          Row{GetFlashBlockSize, SetFlashBlockSize, "Flash Write Block Size", 1024},
          Row{GetFlashRequestBlock, SetFlashRequestBlock, "Flash Write Request Block", 384},
          Row{GetFlashOneSectorSize, SetFlashOneSectorSize, "Flash One Sector Size", 4096},
          Row{GetFlashByteOrder, SetFlashByteOrder, "Flash Byte Order", 0},
          Row{GetFlashMaxMuxCount, SetFlashMaxMuxCount, "Flash MAX Mux Count", 0},
          Row{GetFlashMailboxCount, SetFlashMailboxCount, "Flash Mailbox Count", 0},
          Row{GetBufChecksumSize, SetBufChecksumSize, "CheckSum Data Size", 2},
          Row{GetBufMaxSize, SetBufMaxSize, "MAX Buffer Size", 1024}}) {
        SCOPED_TRACE(r.name);
        EXPECT_FALSE(Stored(r.name));
        EXPECT_EQ(r.get(), r.fallback);
        EXPECT_TRUE(Stored(r.name));
        EXPECT_EQ(r.set(r.fallback + 7), 1);
        EXPECT_EQ(r.get(), r.fallback + 7);
    }
}

TEST_F(PolicyValues, BlockInfoDefaultsAreStoredAndRoundTrip) {
    std::uint32_t a = 1, b = 1, c = 1, d = 1;
    EXPECT_NE(GetFlashCHBlockInfo(&a, &b, &c, &d), 0);
    EXPECT_EQ((Quad{a, b, c, d}), (Quad{49152, 40, 44, 17}));
    for (const char* name : {"Flash CH Start Position", "Flash CH Total Count",
                             "Flash CH Chunk Size", "Flash CH Name Length"})
        EXPECT_TRUE(Stored(name)) << name;

    EXPECT_EQ(SetFlashTPBlockInfo(20480, 8, 20), 1);
    GetFlashTPBlockInfo(&a, &b, &c);
    EXPECT_EQ((Quad{a, b, c}), (Quad{20480, 8, 20}));
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
