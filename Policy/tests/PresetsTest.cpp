#include "policy/Presets.h"
#include "PolicyTestSupport.h"
#include "policy/Policy.h"

#include <cstdint>
#include <string>

using Presets = FreshStore;

namespace {

struct Layout {
    std::uint32_t ch[4];
    std::uint32_t tp[3];
    std::uint32_t mmi[4];
};

Layout StoredLayout() {
    Layout l{};
    GetFlashCHBlockInfo(&l.ch[0], &l.ch[1], &l.ch[2], &l.ch[3]);
    GetFlashTPBlockInfo(&l.tp[0], &l.tp[1], &l.tp[2]);
    GetFlashMMIBlockInfo(&l.mmi[0], &l.mmi[1], &l.mmi[2], &l.mmi[3]);
    return l;
}

} // namespace

TEST_F(Presets, FindPresetNamesEachModelAndNothingElse) {
    for (const policy::ProductPreset& preset : policy::ConfigurablePresets())
        EXPECT_EQ(policy::FindPreset(preset.name), &preset) << preset.name;
    EXPECT_EQ(policy::FindPreset("default"), &policy::StartupPreset());
    EXPECT_EQ(policy::FindPreset("F"), nullptr);
}

TEST_F(Presets, SelectingAModelClearsEverythingElse) {
    SetRegistry(kChanforgeKey, "COM Baud Rate", 9600u);
    SetFlashOneSectorSize(8192);
    SetBufChecksumSize(1);
    ASSERT_EQ(policy::SelectPreset(*policy::FindPreset("C"), 1), 1);
    EXPECT_FALSE(Stored("COM Baud Rate"));
    EXPECT_EQ(GetFlashOneSectorSize(), 4096);
    EXPECT_EQ(GetBufChecksumSize(), 2); // presets leave the checksum size at its default
    EXPECT_EQ(GetGridColumn(), 1);
    EXPECT_EQ(GetFlashByteOrder(), 1);
    EXPECT_EQ(GetFlashStartBlock(), 3520);
    const Layout l = StoredLayout();
    EXPECT_EQ((std::vector<std::uint32_t>(l.ch, l.ch + 4)),
              (std::vector<std::uint32_t>{49152, 80, 92, 16}));
    EXPECT_EQ(l.mmi[3], 16u);
    EXPECT_EQ(policy::StoredPreset(), policy::FindPreset("C"));
}

TEST_F(Presets, StartupPolicyIsWrittenOnlyIntoAnEmptyStore) {
    EXPECT_TRUE(policy::EnsureStartupPolicy());
    EXPECT_EQ(GetProductList(), 7);
    EXPECT_EQ(GetFlashStartBlock(), 7744);
    EXPECT_EQ(GetBufChecksumSize(), 1);
    const Layout l = StoredLayout();
    EXPECT_EQ((std::vector<std::uint32_t>(l.ch, l.ch + 4)),
              (std::vector<std::uint32_t>{49152, 64, 56, 28}));
    EXPECT_EQ(policy::StoredPreset(), &policy::StartupPreset());

    policy::SelectPreset(*policy::FindPreset("D"), 0); // same list and type as the start-up policy
    EXPECT_FALSE(policy::EnsureStartupPolicy());
    EXPECT_EQ(GetFlashStartBlock(), 3648);
    EXPECT_EQ(policy::StoredPreset(), policy::FindPreset("D"));
}

TEST_F(Presets, AStoreThatWasOnlyReadStillGetsTheStartupPolicy) {
    EXPECT_EQ(GetProductList(), 0); // stores the default 0, which names no model
    EXPECT_TRUE(policy::EnsureStartupPolicy());
    EXPECT_EQ(GetProductList(), 7);
}

TEST_F(Presets, HandEditedValuesMatchNoModel) {
    policy::WritePreset(*policy::FindPreset("A"));
    SetProductType(99);
    EXPECT_EQ(policy::StoredPreset(), nullptr);
}
