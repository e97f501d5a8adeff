#include "chanforge/check/ModelFit.h"

#include "CodecTestSupport.h"
#include "chanforge/TableAccess.h"
#include "chanforge/codec/BlankImage.h"
#include "chanforge/codec/ChannelFile.h"
#include "policy/Presets.h"
#include "samplegen/SampleImage.h"

#include <gtest/gtest.h>
#include <rapidcheck/gtest.h>

#include <cstring>
#include <set>

namespace chanforge::check::test {
namespace {

using codec::FlashLayout;

std::vector<const policy::ProductPreset*> Models() {
    std::vector<const policy::ProductPreset*> models;
    for (const policy::ProductPreset& p : policy::ConfigurablePresets())
        models.push_back(&p);
    models.push_back(&policy::StartupPreset());
    return models;
}

std::span<const std::uint8_t> ImageOf(const std::vector<std::uint8_t>& channelFile) {
    return std::span(channelFile).subspan(codec::kChannelHeaderSize);
}

/// Two models read the same slots from the same places: only what their tuners are differs.
bool SameGeometry(const FlashLayout& a, const FlashLayout& b) {
    const auto span = [](const codec::BlockSpan& s) {
        return std::array{s.start, s.count, s.chunk};
    };
    return a.bigEndian == b.bigEndian && span(a.sat) == span(b.sat) && span(a.brd) == span(b.brd) &&
           span(a.tp) == span(b.tp) && span(a.ch) == span(b.ch) && a.nameLength == b.nameLength &&
           a.product.ChannelSlots() == b.product.ChannelSlots() &&
           a.product.TwoTuners() == b.product.TwoTuners();
}

std::string Names(const std::vector<std::string>& names) {
    std::string joined;
    for (const std::string& n : names)
        joined += (joined.empty() ? "" : ",") + n;
    return joined;
}

// Each sample opens under its own model and under a model that reads the same bytes the same
// way (A and B differ only in B's terrestrial tuner); every other model refuses it, naming the
// sample's model.
TEST(ModelFit, EachSampleOpensOnlyUnderItsOwnLayout) {
    for (const policy::ProductPreset* made : Models()) {
        std::vector<std::uint8_t> file;
        ASSERT_TRUE(samplegen::BuildImage(FlashLayout::FromPreset(*made), file, nullptr));
        const std::vector<ModelFit> fits = IdentifyImage(ImageOf(file));
        for (const policy::ProductPreset* opened : Models()) {
            const FlashLayout layout = FlashLayout::FromPreset(*opened);
            const ModelVerdict verdict = JudgeModel(ImageOf(file), layout, opened);
            const bool shared = SameGeometry(layout, FlashLayout::FromPreset(*made));
            EXPECT_EQ(verdict.Fits(), shared) << made->name << " opened as " << opened->name;
            if (shared)
                continue;
            const std::vector<std::string> likely = LikelyModels(verdict);
            EXPECT_NE(std::find(likely.begin(), likely.end(), made->name), likely.end())
                << made->name << " opened as " << opened->name << " looks like " << Names(likely);
        }
        ASSERT_FALSE(fits.empty());
        EXPECT_TRUE(SameGeometry(FlashLayout::FromPreset(*fits.front().preset),
                                 FlashLayout::FromPreset(*made)))
            << made->name << " identified as " << fits.front().preset->name;
        EXPECT_EQ(fits.front().doubtful, 0u) << made->name;
    }
}

// A list's own odd records (a carrier at 0 MHz, a satellite far out of range) never hand it to a
// model that reads a few slots of it soundly and nothing else.
TEST(ModelFit, OddRecordsOfItsOwnKeepAListInItsModel) {
    const FlashLayout d = FlashLayout::FromPreset(*policy::FindPreset("D"));
    tabstore::CQoDB db;
    auto sat = ZeroRecord<Satellite_Info_Tag>();
    sat.SatID = 2;
    sat.Degree = 9999;
    std::strcpy(sat.Name, "Odd");
    AppendCopy(db, kSatelliteTable, sat);
    for (std::uint8_t tp = 1; tp <= 3; ++tp) {
        auto carrier = ZeroRecord<Transponder_Info_Tag>();
        carrier.SatID = 2;
        carrier.TPID = tp;
        AppendCopy(db, kTransponderTable, carrier); // 0 MHz, 0 kS/s
    }
    auto ch = ZeroRecord<Channel_Info_Tag>();
    ch.SatID = 2;
    ch.TPID = 1;
    ch.Attributes = attr::kTV;
    std::strcpy(ch.Name, "Only");
    AppendCopy(db, kChannelTable, ch);
    std::vector<std::uint8_t> file;
    ASSERT_TRUE(codec::MakeBlankImage(d, file).ok());
    ASSERT_TRUE(codec::EncodeImageAt(file, codec::kChannelHeaderSize, d, db, {}).ok());
    const ModelVerdict verdict = JudgeModel(ImageOf(file), d, policy::FindPreset("D"));
    EXPECT_EQ(verdict.chosen.doubtful, 4u);
    EXPECT_TRUE(verdict.Fits()) << OtherModelSentence(verdict).English();
}

// A blank database is every model's: nothing in it tells them apart, so none is refused.
TEST(ModelFit, BlankImagesOpenUnderEveryModel) {
    for (const policy::ProductPreset* made : Models()) {
        std::vector<std::uint8_t> file;
        ASSERT_TRUE(codec::MakeBlankImage(FlashLayout::FromPreset(*made), file).ok());
        for (const policy::ProductPreset* opened : Models())
            EXPECT_TRUE(JudgeModel(ImageOf(file), FlashLayout::FromPreset(*opened), opened).Fits())
                << "blank " << made->name << " opened as " << opened->name;
    }
}

rc::Gen<std::string> GenName(std::uint32_t room) {
    return rc::gen::container<std::string>(
        *rc::gen::inRange<std::uint32_t>(1, std::min<std::uint32_t>(room, 15) + 1),
        rc::gen::elementOf(
            std::string("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz 0123456789+-&")));
}

void Fill(tabstore::CQoDB& db, const FlashLayout& layout) {
    const int satellites = *rc::gen::inRange(1, 5);
    std::vector<std::pair<std::uint8_t, std::uint8_t>> carriers; // SatID, TPID
    for (int s = 0; s < satellites; ++s) {
        auto sat = ZeroRecord<Satellite_Info_Tag>();
        sat.SatID = static_cast<std::uint8_t>(s + 2);
        sat.Degree = *rc::gen::inRange<std::uint16_t>(0, 3600);
        for (LNBSetting& lnb : sat.Tuner) {
            lnb.LowFrequency = 9750;
            lnb.HighFrequency = 10600;
        }
        const std::string name = *GenName(15);
        std::copy(name.begin(), name.end(), sat.Name);
        AppendCopy(db, kSatelliteTable, sat);
        for (int t = *rc::gen::inRange(0, 5); t > 0; --t) {
            auto tp = ZeroRecord<Transponder_Info_Tag>();
            tp.SatID = sat.SatID;
            tp.TPID = static_cast<std::uint8_t>(carriers.size() + 1);
            tp.Frequency = *rc::gen::inRange<std::uint16_t>(10700, 12750);
            tp.SymbolRate = *rc::gen::inRange<std::uint16_t>(1000, 45000);
            tp.PolFEC = *rc::gen::inRange<std::uint8_t>(0, 2);
            AppendCopy(db, kTransponderTable, tp);
            carriers.emplace_back(tp.SatID, tp.TPID);
        }
    }
    const int providers = *rc::gen::inRange(1, 4);
    for (int p = 0; p < providers; ++p) {
        auto provider = ZeroRecord<Broadcast_Info_Tag>();
        provider.BroadcastID = static_cast<std::uint16_t>(p + 1);
        const std::string name = *GenName(16);
        std::copy(name.begin(), name.end(), provider.Name);
        AppendCopy(db, kProviderTable, provider);
    }
    if (carriers.empty())
        return;
    int numbers[2] = {0, 0};
    for (int c = *rc::gen::inRange(0, 30); c > 0; --c) {
        auto ch = ZeroRecord<Channel_Info_Tag>();
        const auto [satId, tpId] = carriers[*rc::gen::inRange<std::size_t>(0, carriers.size())];
        const bool tv = *rc::gen::arbitrary<bool>();
        ch.SatID = satId;
        ch.TPID = tpId;
        ch.Attributes = tv ? attr::kTV : attr::kRadio;
        ch.ProgramNum = static_cast<std::uint16_t>(++numbers[tv ? 0 : 1]);
        ch.ServiceID = *rc::gen::inRange<std::uint16_t>(1, 65535);
        ch.BroadcastID = static_cast<std::uint16_t>(*rc::gen::inRange(1, providers + 1));
        const std::string name = *GenName(layout.ChannelNameBytes());
        std::copy(name.begin(), name.end(), ch.Name);
        AppendCopy(db, kChannelTable, ch);
    }
}

/// The records a layout reads; favourite groups left out, as every model keeps them alike and
/// only their number differs.
std::string Decoded(std::span<const std::uint8_t> image, const FlashLayout& layout) {
    tabstore::CQoDB db;
    DocumentValues values;
    if (!codec::DecodeImage(image, layout, db, values).ok())
        return "";
    const std::string snapshot = codectest::Snapshot(db);
    return snapshot.substr(0, snapshot.find("table 6"));
}

// Any list written for a model opens again under that model; another model refuses it, or
// reads exactly the same records from it (a list whose blocks two models lay out alike).
RC_GTEST_PROP(ModelFit, ListsOpenUnderTheirModelAndNoOtherLayout, ()) {
    const std::vector<const policy::ProductPreset*> models = Models();
    const policy::ProductPreset* made = *rc::gen::elementOf(models);
    const FlashLayout layout = FlashLayout::FromPreset(*made);
    tabstore::CQoDB db;
    Fill(db, layout);
    std::vector<std::uint8_t> file;
    RC_ASSERT(codec::MakeBlankImage(layout, file).ok());
    const DocumentValues values;
    RC_ASSERT(codec::EncodeImageAt(file, codec::kChannelHeaderSize, layout, db, values).ok());
    RC_ASSERT(JudgeModel(ImageOf(file), layout, made).Fits());
    const std::string records = Decoded(ImageOf(file), layout);
    for (const policy::ProductPreset* opened : models) {
        const FlashLayout other = FlashLayout::FromPreset(*opened);
        if (SameGeometry(other, layout) || !JudgeModel(ImageOf(file), other, opened).Fits())
            continue;
        RC_ASSERT(Decoded(ImageOf(file), other) == records);
    }
}

} // namespace
} // namespace chanforge::check::test
