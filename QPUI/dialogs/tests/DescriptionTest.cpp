#include "qpui/DescriptionText.h"
#include "qpui/DlgDescription.h"

#include "DialogTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

using namespace chanforge;
using namespace qpui;

namespace {

bool Has(const Lines& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST(DescriptionText, SatelliteDegreesAndTuners) {
    Satellite_Info_Tag sat{};
    sat.SatID = 4;
    std::strcpy(sat.Name, "Thor");
    sat.Degree = 1800;
    sat.Tuner[0].Switches = 1 | (2 << 4);
    sat.Tuner[0].LNBLowType = 3;
    sat.Tuner[1].DiSEqCMode = 6;
    const Lines one = SatelliteLines(sat, {7, 1});
    EXPECT_EQ(one.at(0), "Name : Thor (ID : 4)");
    EXPECT_EQ(one.at(1), "Degree : 180.0E");
    EXPECT_TRUE(Has(one, "LNB Power : On"));
    EXPECT_TRUE(Has(one, "22KHz : Off"));
    EXPECT_TRUE(Has(one, "Tone Burst : SAT B"));
    EXPECT_TRUE(Has(one, "LNB Low : C Norm. LNBF(5150)"));
    sat.Degree = 1801;
    const Lines two = SatelliteLines(sat, {3, 9});
    EXPECT_EQ(two.at(1), "Degree : 179.9W");
    EXPECT_TRUE(Has(two, "DiSEqC Mode(T2) : USALS"));
    EXPECT_TRUE(Has(two, "LNB Power(T1) : On"));
    EXPECT_EQ(two.size(), 22u);
}

TEST(DescriptionText, ChannelAndTransponder) {
    Channel_Info_Tag ch{};
    std::strcpy(ch.Name, "Radio One");
    ch.Attributes = attr::kRadio | attr::kSkipped;
    ch.NumOfSubTTX = 0x21;
    const Lines lines = ChannelLines(ch, {3, 1}, false);
    EXPECT_TRUE(Has(lines, "Type \t: Radio"));
    EXPECT_TRUE(Has(lines, "Skip \t: Yes"));
    EXPECT_TRUE(Has(lines, "Lock \t: No"));
    EXPECT_TRUE(Has(lines, "Subtitle   : 2"));
    EXPECT_TRUE(Has(lines, "Teletext   : 1"));
    EXPECT_TRUE(Has(lines, "Tuner\t: Tuner 1"));
    EXPECT_EQ(ChannelLines(ch, {6, 4}, false).back(), "");
    // Two tuners: the choice is shown only where the file keeps it.
    ch.Tuner = 1;
    EXPECT_TRUE(Has(ChannelLines(ch, {3, 9}, true), "Tuner\t: Tuner 2"));
    EXPECT_EQ(ChannelLines(ch, {3, 9}, false).back(), "");

    Transponder_Info_Tag tp{};
    tp.Frequency = 11778;
    tp.PolFEC = 1;
    tp.TxMode = 0x21;
    tp.Modulation = 1;
    const Lines t = TransponderLines(tp, {7, 1});
    EXPECT_TRUE(Has(t, "Polarity    \t: Horizontal"));
    EXPECT_TRUE(Has(t, "Frequency   \t: 11778 MHz"));
    EXPECT_TRUE(Has(t, "Pilot             \t: On"));
    EXPECT_TRUE(Has(t, "Transmission      \t: DVB-S2    \t\tModulation      \t: 8PSK"));
    EXPECT_EQ(TransponderLines(tp, {3, 9}).size(), 7u);
}

TEST(DescriptionDialog, TabsFollowWhatWasGiven) {
    test::App();
    Satellite_Info_Tag sat{};
    sat.RowID = 5;
    sat.SatID = 1;
    Transponder_Info_Tag tp{};
    Channel_Info_Tag ch{};
    struct Row {
        policy::ProductKind product;
        bool given;
        QStringList tabs;
    };
    // On a combination product satellite 1 is the terrestrial side, wherever it is kept.
    for (const Row& r : {Row{{7, 1}, true, {"Satellite", "Transponder", "Channel"}},
                         Row{{8, 3}, true, {"Mux", "Channel"}}, Row{{7, 1}, false, {}}}) {
        CDlgDescription dlg(nullptr, test::SlotOf(r.product));
        if (r.given) {
            dlg.SetSatelliteInfo(&sat);
            dlg.SetTransponderInfo(&tp);
            dlg.SetChannelInfo(&ch);
        }
        dlg.Prepare();
        EXPECT_EQ(dlg.TabTitles(), r.tabs) << r.product.type << r.given;
        if (r.product.Combination()) {
            EXPECT_TRUE(dlg.PageText(0).startsWith("Mux Name : "));
        }
    }
}

} // namespace
