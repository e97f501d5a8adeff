#include "policy/MuxRaster.h"
#include "PolicyTestSupport.h"
#include "policy/Policy.h"

#include <string>

using MuxRaster = FreshStore;

// Without a stored country the German row is used, and stored; a stored one picks its row.
TEST_F(MuxRaster, StoredCountrySelectsTheRow) {
    EXPECT_EQ(GetMuxFrequency(0, 1), 177500);
    EXPECT_EQ(GetMuxFrequency(8, 1), 474000);
    EXPECT_EQ(GetMuxFrequency(9, 0), 474000 + 8000 - 166);
    EXPECT_EQ(GetMuxFrequency(7, 2), 177500 + 7 * 7000 + 125);
    EXPECT_TRUE(Stored("MUX Supported Country"));
    SetRegistry(kChanforgeKey, "MUX Supported Country", 0u);
    EXPECT_EQ(GetMuxFrequency(4, 1), 205500); // the channel called 9A
    EXPECT_EQ(GetMuxFrequency(6, 1), 212500 + 7000);
    EXPECT_EQ(GetMuxFrequency(2, 1), 191625);
    EXPECT_EQ(GetMuxFrequency(49, 1), 529500 + 41 * 7000);
}

TEST(MuxRasterTable, FrequenciesAcrossRows) {
    struct Row {
        int country;
        std::uint8_t index;
        int step;
        int kHz;
    };
    for (const Row& r :
         {Row{1, 0, 1, 474000}, Row{1, 48, 1, 474000 + 48 * 8000}, Row{3, 6, 1, 178000 + 6 * 8000},
          Row{3, 7, 1, 298000}, Row{3, 30, 0, 474000 + 8000 - 166},
          Row{4, 31, 2, 617000 + 31 * 6000 + 125}, Row{5, 5, 1, 219500}, Row{5, 6, 1, 226500},
          Row{5, 7, 1, 474000}, Row{6, 17, 1, 233500 + 9 * 7000}, Row{7, 17, 1, 234000 + 9 * 8000},
          Row{7, 38, 1, 474000}, Row{8, 7, 1, 473000}, Row{8, 74, 1, 473000 + 67 * 6000}}) {
        SCOPED_TRACE(testing::Message() << r.country << "/" << int(r.index));
        EXPECT_EQ(policy::MuxFrequencyIn(r.country, r.index, r.step), r.kHz);
    }
    EXPECT_EQ(policy::MuxFrequencyIn(9, 0, 1), 0);
    EXPECT_EQ(policy::MuxFrequencyIn(-1, 0, 1), 0);
}

TEST(MuxRasterTable, RowsEndWithTheTerminatingRun) {
    const auto rows = policy::CountryRasters();
    ASSERT_EQ(rows.size(), 9u);
    EXPECT_EQ(rows[0].name, "Austalia");
    EXPECT_EQ(rows[8].name, "NTSC");
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.name));
        ASSERT_FALSE(row.runs.empty());
        EXPECT_EQ(row.runs.back().startIndex, policy::kRasterEnd);
        for (std::size_t i = 1; i < row.runs.size(); ++i)
            EXPECT_LT(row.runs[i - 1].startIndex, row.runs[i].startIndex);
    }
}

TEST(MuxName, UpperCaseHexOfTheLowByte) {
    char buffer[8] = "zzzzzzz";
    GetMuxName(0x9A, buffer);
    EXPECT_STREQ(buffer, "9A");
    GetMuxName(5, buffer);
    EXPECT_STREQ(buffer, "5");
    GetMuxName(0x1FF, buffer);
    EXPECT_STREQ(buffer, "FF");
    GetMuxName(0x21, nullptr); // ignored
}
