// Every model's sample database moved to every other model: where the layout allows, the file
// opens under the target model, its check finds nothing the source's did not, and its records
// compare equal as far as the model keeps them; elsewhere the refusal names what would be lost
// and writes nothing, and letting the losses go writes a database that checks without errors.
#include "chanforge/convert/ModelConvert.h"
#include "SampleData.h"
#include "chanforge/TableAccess.h"
#include "chanforge/check/Validate.h"
#include "chanforge/document/Document.h"
#include "policy/Presets.h"
#include "samplegen/SampleImage.h"
#include "utils/Files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <functional>
#include <map>
#include <set>
#include <tuple>
#include <vector>

namespace chanforge::convert {
namespace {

namespace fs = std::filesystem;
using codec::FlashLayout;

const char* const kModels[] = {"A", "B", "C", "D", "E", "default"};

FlashLayout Layout(const char* model) {
    return FlashLayout::FromPreset(*policy::FindPreset(model));
}

struct Opened {
    explicit Opened(const FlashLayout& l) : layout(l), doc(l) {}
    FlashLayout layout;
    document::Document doc;
};

std::string SamplePath(const char* model) {
    const fs::path path =
        fs::temp_directory_path() / ("convert-sample-" + std::string(model) + ".bin");
    std::vector<std::uint8_t> file;
    EXPECT_TRUE(samplegen::BuildImage(Layout(model), file, nullptr));
    EXPECT_TRUE(utils::ReplaceFile(path.string(), file).ok());
    return path.string();
}

std::set<check::Rule> Rules(Opened& o) {
    std::set<check::Rule> rules;
    for (const check::Finding& f : check::CheckDatabase(o.doc.Store(), o.doc.Values(), o.layout))
        rules.insert(f.rule);
    return rules;
}

/// What every model keeps of a channel, keyed by its service.
using Kept = std::tuple<std::uint16_t, std::string, std::uint16_t, std::uint32_t, std::uint16_t>;
std::map<std::tuple<std::uint8_t, std::uint8_t, std::uint16_t, bool>, Kept> Channels(Opened& o) {
    std::map<std::tuple<std::uint8_t, std::uint8_t, std::uint16_t, bool>, Kept> out;
    ForEachRow<Channel_Info_Tag>(o.doc.Store(), kChannelTable, [&](const Channel_Info_Tag& ch) {
        out[{ch.SatID, ch.TPID, ch.ServiceID, IsTV(ch)}] =
            Kept{ch.ProgramNum, ch.Name, ch.Attributes, ch.Favorite & 0xFF, ch.BroadcastID};
    });
    return out;
}

bool ShouldRefuse(const FlashLayout& from, const FlashLayout& to) {
    return (from.product.Terrestrial() && !to.product.Terrestrial()) ||
           (from.product.TwoTuners() && !to.product.TwoTuners());
}

// A second tuner set in any one of its settings is a loss for a one-tuner model: the row of
// the one satellite that has it is named, and nothing for a second tuner left blank.
TEST(ModelConvertTest, AnySecondTunerSettingIsALossForOneTuner) {
    Opened source(Layout("A"));
    ASSERT_TRUE(source.doc.Open(SamplePath("A")).ok());
    tabstore::CQoDB& db = source.doc.Store();
    ForEachRow<Satellite_Info_Tag>(db, kSatelliteTable, [&](const Satellite_Info_Tag& s) {
        GetRow<Satellite_Info_Tag>(db, kSatelliteTable, s.RowID)->Tuner[1] = LNBSetting{};
    });
    const Database database{db, source.doc.Values(), source.layout};
    EXPECT_TRUE(LossesForModel(database, Layout("D")).empty());
    LNBSetting& second = GetRow<Satellite_Info_Tag>(db, kSatelliteTable, 1)->Tuner[1];
    const std::function<void(LNBSetting&)> settings[] = {
        [](LNBSetting& t) { t.LowFrequency = 9750; }, [](LNBSetting& t) { t.HighFrequency = 1; },
        [](LNBSetting& t) { t.MotorPos = 1; },        [](LNBSetting& t) { t.Switches = 4; },
        [](LNBSetting& t) { t.LNBLowType = 1; },      [](LNBSetting& t) { t.LNBHighType = 1; },
        [](LNBSetting& t) { t.CKuSwitch = 1; },       [](LNBSetting& t) { t.DiSEqCMode = 1; },
        [](LNBSetting& t) { t.DiSEqCExtra = 1; }};
    for (std::size_t i = 0; i < std::size(settings); ++i) {
        second = LNBSetting{};
        settings[i](second);
        const std::vector<Loss> losses = LossesForModel(database, Layout("D"));
        ASSERT_EQ(losses.size(), 1u) << "setting " << i;
        EXPECT_EQ(losses[0].rows, std::vector<std::uint32_t>{1}) << "setting " << i;
    }
}

TEST(ModelConvertTest, EveryModelToEveryOther) {
    for (const char* from : kModels) {
        Opened source(Layout(from));
        ASSERT_TRUE(source.doc.Open(SamplePath(from)).ok()) << from;
        const std::set<check::Rule> before = Rules(source);
        const Database db{source.doc.Store(), source.doc.Values(), source.layout};
        for (const char* to : kModels) {
            if (std::strcmp(from, to) == 0)
                continue;
            SCOPED_TRACE(std::string(from) + " -> " + to);
            const FlashLayout target = Layout(to);
            const std::string out = (fs::temp_directory_path() / "convert-out.bin").string();
            fs::remove(out);
            const ConvertResult result = SaveForModel(db, target, false, out);
            Opened moved(target);
            if (ShouldRefuse(source.layout, target)) {
                ASSERT_EQ(result.status, ConvertStatus::WouldLose);
                ASSERT_FALSE(result.losses.empty());
                for (const Loss& loss : result.losses) {
                    EXPECT_FALSE(loss.rows.empty()) << loss.message.English();
                    const bool named =
                        loss.message.English().find("terrestrial") != std::string::npos ||
                        loss.message.English().find("second-tuner") != std::string::npos;
                    EXPECT_TRUE(named) << loss.message.English();
                }
                EXPECT_FALSE(fs::exists(out));
                ASSERT_TRUE(SaveForModel(db, target, true, out).ok());
                ASSERT_TRUE(moved.doc.Open(out).ok());
                const auto findings =
                    check::CheckDatabase(moved.doc.Store(), moved.doc.Values(), target);
                EXPECT_FALSE(check::HasErrors(findings));
                continue;
            }
            ASSERT_TRUE(result.ok())
                << result.message << " " << result.detail
                << (result.losses.empty() ? "" : result.losses[0].message.English());
            EXPECT_TRUE(result.losses.empty());
            ASSERT_TRUE(moved.doc.Open(out).ok());
            const std::set<check::Rule> after = Rules(moved);
            EXPECT_TRUE(std::includes(before.begin(), before.end(), after.begin(), after.end()));
            EXPECT_EQ(Channels(moved), Channels(source));
            EXPECT_EQ(moved.doc.Store().Size(kSatelliteTable),
                      source.doc.Store().Size(kSatelliteTable));
            EXPECT_EQ(moved.doc.Store().Size(kTransponderTable),
                      source.doc.Store().Size(kTransponderTable));
            EXPECT_EQ(moved.doc.Store().Size(kFavoriteTable), target.favoriteCount);
        }
    }
}

/// The losses of a big one-tuner list written for a model with a smaller channel block: each
/// channel left out is named by kind, number and name, and exactly those are missing from the
/// file written; the second tuner the source never had is set as the first, not left at zero.
TEST(ModelConvertTest, NamesEveryChannelLeftOutAndGivesTunerTwoTunerOnesSettings) {
    Opened source(Layout("D"));
    testkit::Populate(source.doc, source.layout.product, 3000);
    // A Cyrillic name longer than model A keeps is named as the operator reads it.
    std::uint32_t firstRow = 0;
    ForEachRow<Channel_Info_Tag>(
        source.doc.Store(), kChannelTable,
        [&](const Channel_Info_Tag& ch) { firstRow = firstRow == 0 ? ch.RowID : firstRow; });
    Channel_Info_Tag& first =
        *GetRow<Channel_Info_Tag>(source.doc.Store(), kChannelTable, firstRow);
    std::strcpy(first.Name,
                "\xBF\xD5\xE0\xD2\xEB\xD9 \xDA\xD0\xDD\xD0\xDB \xC0\xDE\xE1\xE1\xD8\xD8");
    first.CodeTable = 1;
    bool cyrillic = false;
    const Database db{source.doc.Store(), source.doc.Values(), source.layout};
    const FlashLayout a = Layout("A");
    const std::string out = (fs::temp_directory_path() / "convert-d-to-a.bin").string();
    const ConvertResult refused = SaveForModel(db, a, false, out);
    ASSERT_EQ(refused.status, ConvertStatus::WouldLose);
    std::set<std::pair<bool, std::uint16_t>> named;
    for (const Loss& loss : refused.losses) {
        ASSERT_EQ(loss.records.size(), loss.rows.size()) << loss.message.English();
        for (const LostRecord& r : loss.records) {
            if (loss.table != kChannelTable)
                continue;
            EXPECT_FALSE(r.name.empty()) << "row " << r.row;
            // A cut name says what stays of it; the channel itself stays.
            if (!r.kept.empty())
                EXPECT_EQ(r.name.rfind(r.kept, 0), 0u) << r.name;
            else if (loss.message.English().find("flash block holds") != std::string::npos)
                named.insert({r.radio, r.number});
            if (r.row == first.RowID && !r.kept.empty()) {
                cyrillic = true;
                EXPECT_EQ(r.name, "Первый канал России");
                EXPECT_EQ(r.kept, "Первый канал Рос"); // 16 bytes
            }
        }
    }
    ASSERT_FALSE(named.empty());
    EXPECT_TRUE(cyrillic);
    ASSERT_TRUE(SaveForModel(db, a, true, out).ok());
    Opened moved(a);
    ASSERT_TRUE(moved.doc.Open(out).ok());
    std::set<std::pair<bool, std::uint16_t>> kept, all;
    ForEachRow<Channel_Info_Tag>(moved.doc.Store(), kChannelTable, [&](const Channel_Info_Tag& ch) {
        kept.insert({IsRadio(ch), ch.ProgramNum});
    });
    ForEachRow<Channel_Info_Tag>(source.doc.Store(), kChannelTable,
                                 [&](const Channel_Info_Tag& ch) {
                                     if (!named.contains({IsRadio(ch), ch.ProgramNum}))
                                         all.insert({IsRadio(ch), ch.ProgramNum});
                                 });
    EXPECT_EQ(kept, all) << "the file lacks exactly the channels named";
    std::size_t satellites = 0;
    ForEachRow<Satellite_Info_Tag>(moved.doc.Store(), kSatelliteTable,
                                   [&](const Satellite_Info_Tag& s) {
                                       ++satellites;
                                       EXPECT_NE(s.Tuner[1].LowFrequency, 0u) << s.Name;
                                       EXPECT_EQ(s.Tuner[1].LowFrequency, s.Tuner[0].LowFrequency);
                                       EXPECT_EQ(s.Tuner[1].Switches, s.Tuner[0].Switches);
                                   });
    EXPECT_GT(satellites, 0u);
}

} // namespace
} // namespace chanforge::convert
