#include "chanforge/check/Unresolved.h"

#include "CheckFixture.h"

#include <gtest/gtest.h>

namespace chanforge::check::test {
namespace {

// A workbook opened alone leaves the channels without the records they name; opened over the
// channel file, only those that name something really missing are counted, each once.
TEST(UnresolvedChannels, CountsEachChannelThatNamesAMissingRecordOnce) {
    for (const char* model : {"D", "B"}) {
        Fixture f(model);
        EXPECT_TRUE(UnresolvedChannels(f.db, f.values, f.layout).empty()) << model;
        const std::uint32_t nowhere = f.Add(MakeChannel("Nowhere", 9, true, 7, 1, 901));
        const std::uint32_t noTransponder = f.Add(MakeChannel("No TP", 10, true, 2, 9, 902));
        Channel_Info_Tag noProvider = MakeChannel("No provider", 11, true, 2, 1, 903);
        noProvider.BroadcastID = 77;
        const std::uint32_t orphan = f.Add(noProvider);
        EXPECT_EQ(UnresolvedChannels(f.db, f.values, f.layout),
                  (std::vector<std::uint32_t>{nowhere, noTransponder, orphan}))
            << model;

        tabstore::CQoDB workbookOnly;
        ForEachRow<Channel_Info_Tag>(f.db, kChannelTable, [&](const Channel_Info_Tag& ch) {
            AppendCopy(workbookOnly, kChannelTable, ch);
        });
        EXPECT_EQ(UnresolvedChannels(workbookOnly, f.values, f.layout).size(),
                  f.db.Size(kChannelTable))
            << model;
    }
}

} // namespace
} // namespace chanforge::check::test
