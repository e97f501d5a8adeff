#include "qpui/DlgCableMuxAddUpdate.h"
#include "qpui/DlgProviderName.h"
#include "qpui/DlgTPAddUpdate.h"
#include "qpui/SatelliteEditor.h"

#include "DialogTestSupport.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

using namespace chanforge;
using namespace qpui;

namespace {

constexpr editing::Product kList3{3, 9};
constexpr editing::Product kList7{7, 1};
constexpr editing::Product kList10{10, 4};

using test::Child;
using test::Choose;
using test::ClickOk;
using test::Entries;
using test::Type;

Satellite_Info_Tag Existing() {
    Satellite_Info_Tag sat{};
    sat.RowID = 3;
    sat.SatID = 7;
    std::strcpy(sat.Name, "Hotbird");
    return sat;
}

class SatelliteEditorTest : public ::testing::Test {
  protected:
    void SetUp() override { test::App(); }

    /// Opens sat in the one-tuner editor of product, lets edit change the controls, clicks OK.
    template <class Edit>
    Satellite_Info_Tag RoundTrip(const Satellite_Info_Tag& sat, editing::Product product,
                                 Edit&& edit) {
        CDlgSATAddUpdate dlg(nullptr, product);
        dlg.SetSatelliteInfo(&sat);
        dlg.Prepare();
        edit(dlg);
        EXPECT_TRUE(ClickOk(dlg));
        return dlg.GetSatelliteInfo();
    }
};

TEST_F(SatelliteEditorTest, DegreesEastAndWestRoundTrip) {
    struct Case {
        const char* typed;
        const char* side;
        std::uint16_t stored;
        const char* shown;
    };
    for (const Case& c : {Case{"19.2", "E", 192, "19.2"},
                          {"30.0", "W", 3300, "30.0"},
                          {"19.29", "E", 192, "19.2"},
                          {"180", "E", 1800, "180.0"},
                          {"0.5", "W", 3595, "0.5"}}) {
        SCOPED_TRACE(c.typed);
        const Satellite_Info_Tag out = RoundTrip(Existing(), kList7, [&](QDialog& dlg) {
            Type(Child<QLineEdit>(dlg, "degree"), c.typed);
            Choose(Child<QComboBox>(dlg, "eastWest"), c.side);
        });
        EXPECT_EQ(out.Degree, c.stored);
        CDlgSATAddUpdate reopened(nullptr, kList7);
        reopened.SetSatelliteInfo(&out);
        reopened.Prepare();
        EXPECT_EQ(Child<QLineEdit>(reopened, "degree")->text(), c.shown);
        EXPECT_EQ(Child<QComboBox>(reopened, "eastWest")->currentText(), c.side);
    }
}

TEST_F(SatelliteEditorTest, NumbersThatDoNotFitAreRefusedNotCut) {
    struct Case {
        const char* control;
        const char* typed;
        const char* message;
    };
    for (const Case& c :
         {Case{"degree", "-5", "Degree must be a number from 0.0 to 180.0."},
          {"degree", "180.1", "Degree must be a number from 0.0 to 180.0."},
          {"highFrequency", "70000", "LNB Freq-Custom must be a number from 0 to 65535."},
          {"motorPos", "-1", "Motor Pos must be a number from 0 to 65535."}}) {
        SCOPED_TRACE(c.typed);
        test::MessageRecorder messages;
        const Satellite_Info_Tag sat = Existing();
        CDlgSATAddUpdate dlg(nullptr, kList7);
        dlg.SetSatelliteInfo(&sat);
        dlg.Prepare();
        Type(Child<QLineEdit>(dlg, c.control), c.typed);
        EXPECT_FALSE(ClickOk(dlg));
        EXPECT_TRUE(dlg.isVisible());
        EXPECT_EQ(messages.texts, QStringList{c.message});
        EXPECT_EQ(messages.kinds, std::vector{MessageKind::Error});
        const Satellite_Info_Tag kept = dlg.GetSatelliteInfo();
        EXPECT_EQ(std::memcmp(&kept, &sat, sizeof sat), 0);
    }
}

TEST_F(SatelliteEditorTest, SwitchListsAndLNBTypes) {
    Satellite_Info_Tag sat = Existing();
    sat.Tuner[0].Switches = 0xCA; // bits the dialog has no control for are kept
    sat.Tuner[0].LNBLowType = 9;  // shown as "User", kept while that choice stays
    const Satellite_Info_Tag plain = RoundTrip(sat, kList3, [](QDialog& dlg) {
        EXPECT_EQ(Child<QComboBox>(dlg, "lnbLow")->currentText(), "User");
        EXPECT_EQ(Entries(Child<QComboBox>(dlg, "ckuSwitch")), (QStringList{"None", "Tone Burst"}));
        Choose(Child<QComboBox>(dlg, "ckuSwitch"), "Tone Burst");
        Choose(Child<QComboBox>(dlg, "lnbHigh"), "User");
        Choose(Child<QComboBox>(dlg, "lnbPower"), "On");
        Choose(Child<QComboBox>(dlg, "tone22k"), "Off");
        Choose(Child<QComboBox>(dlg, "toneBurst"), "SAT B");
        Choose(Child<QComboBox>(dlg, "diseqc"), "USALS");
        Type(Child<QLineEdit>(dlg, "lowFrequency"), "5150");
    });
    EXPECT_EQ(plain.Tuner[0].CKuSwitch, 1);
    EXPECT_EQ(plain.Tuner[0].LNBHighType, 13);
    EXPECT_EQ(plain.Tuner[0].LNBLowType, 9);
    EXPECT_EQ(plain.Tuner[0].Switches, 0xEB);
    EXPECT_EQ(plain.Tuner[0].DiSEqCMode, 6);
    EXPECT_EQ(plain.Tuner[0].LowFrequency, 5150);

    const Satellite_Info_Tag extended = RoundTrip(plain, kList7, [](QDialog& dlg) {
        EXPECT_EQ(Child<QComboBox>(dlg, "toneBurst")->currentText(), "SAT B");
        EXPECT_EQ(Entries(Child<QComboBox>(dlg, "ckuSwitch")),
                  (QStringList{"None", "0V / 12V", "Tone Burst"}));
        Choose(Child<QComboBox>(dlg, "ckuSwitch"), "Tone Burst");
        Choose(Child<QComboBox>(dlg, "lnbLow"), "5750");
    });
    EXPECT_EQ(extended.Tuner[0].CKuSwitch, 2);
    EXPECT_EQ(extended.Tuner[0].LNBLowType, 4);
    EXPECT_EQ(extended.SatID, 7); // fields without a control come back as they went in
}

TEST_F(SatelliteEditorTest, TwoTunerEditorEditsBothBlocks) {
    CDlgSAT2AddUpdate dlg(nullptr, kList3);
    Satellite_Info_Tag sat = Existing();
    sat.Tuner[1].MotorPos = 12;
    sat.Tuner[1].DiSEqCExtra = 0x5A;
    dlg.SetSatelliteInfo(&sat);
    dlg.Prepare();
    auto& second = *Child<QGroupBox>(dlg, "tuner2");
    EXPECT_EQ(second.title(), " Tuner 2 ");
    EXPECT_EQ(Child<QLineEdit>(second, "motorPos")->text(), "12");
    Type(Child<QLineEdit>(second, "highFrequency"), "70000");
    test::MessageRecorder messages;
    EXPECT_FALSE(ClickOk(dlg));
    EXPECT_EQ(messages.texts,
              QStringList{"LNB Freq-Custom (Tuner 2) must be a number from 0 to 65535."});
    Type(Child<QLineEdit>(second, "highFrequency"), "10600");
    Choose(Child<QComboBox>(*Child<QGroupBox>(dlg, "tuner1"), "diseqc"), "MOTOR");
    ASSERT_TRUE(ClickOk(dlg));
    EXPECT_EQ(dlg.GetSatelliteInfo().Tuner[1].HighFrequency, 10600);
    EXPECT_EQ(dlg.GetSatelliteInfo().Tuner[1].DiSEqCExtra, 0x5A);
    EXPECT_EQ(dlg.GetSatelliteInfo().Tuner[0].DiSEqCMode, 5);
}

class TransponderEditorTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::App();
        sats[0].SatID = 2;
        std::strcpy(sats[0].Name, "Astra");
        sats[1].SatID = 3;
        std::strcpy(sats[1].Name, "Thor");
    }

    void Open(CDlgTPAddUpdate& dlg, const Transponder_Info_Tag& tp) {
        for (const auto& s : sats)
            dlg.AddSatList(&s);
        dlg.SetTransponderInfo(&tp);
        dlg.Prepare();
    }

    /// A transponder on Astra with the given system and code bytes.
    static Transponder_Info_Tag Tp(std::uint8_t txMode, std::uint8_t polFec) {
        Transponder_Info_Tag tp{};
        tp.RowID = 1;
        tp.SatID = 2;
        tp.TxMode = txMode;
        tp.PolFEC = polFec;
        return tp;
    }

    Satellite_Info_Tag sats[2]{};
};

TEST_F(TransponderEditorTest, PlainListsOfferDVBSRatesOnly) {
    Transponder_Info_Tag tp = Tp(0x21, 0x41);
    tp.SatID = 3;
    tp.TPID = 4;
    tp.Frequency = 12000;
    CDlgTPAddUpdate dlg(nullptr, kList3);
    Open(dlg, tp);
    EXPECT_EQ(dlg.findChild<QComboBox*>("transmission"), nullptr);
    EXPECT_EQ(Entries(Child<QComboBox>(dlg, "fec")),
              (QStringList{"Auto", "1/2", "2/3", "3/4", "5/6", "7/8"}));
    EXPECT_EQ(Child<QComboBox>(dlg, "fec")->currentText(), "3/4");
    EXPECT_EQ(Child<QComboBox>(dlg, "satellite")->currentText(), "Thor");
    EXPECT_EQ(Child<QComboBox>(dlg, "polarity")->currentText(), "Horizontal");
    Choose(Child<QComboBox>(dlg, "satellite"), "Astra");
    Choose(Child<QComboBox>(dlg, "polarity"), "Vertical");
    Type(Child<QLineEdit>(dlg, "frequency"), "11778");
    ASSERT_TRUE(ClickOk(dlg));
    const Transponder_Info_Tag out = dlg.GetTransponderInfo();
    EXPECT_EQ(out.SatID, 2);
    EXPECT_EQ(out.Frequency, 11778);
    EXPECT_EQ(out.PolFEC, 0x40);
    EXPECT_EQ(out.TxMode, 0x21); // untouched where there is no transmission choice
    EXPECT_EQ(out.TPID, 4);
}

TEST_F(TransponderEditorTest, DVBS2RebuildsTheFECList) {
    const Transponder_Info_Tag tp = Tp(0x21, 0x70); // DVB-S2, pilot 2
    CDlgTPAddUpdate dlg(nullptr, kList7);
    Open(dlg, tp);
    auto* fec = Child<QComboBox>(dlg, "fec");
    EXPECT_EQ(fec->count(), 9);
    EXPECT_EQ(fec->currentIndex(), 7);
    EXPECT_EQ(fec->currentText(), "8/9");

    dlg.show();
    Choose(Child<QComboBox>(dlg, "modulation"), "8PSK");
    EXPECT_EQ(Entries(fec), (QStringList{"Auto", "3/5", "2/3", "3/4", "5/6", "8/9", "9/10"}));
    EXPECT_EQ(fec->currentText(), "8/9"); // still offered, under 8PSK's own code
    EXPECT_EQ(dlg.focusWidget(), fec);
    Choose(fec, "9/10");
    ASSERT_TRUE(ClickOk(dlg));
    EXPECT_EQ(dlg.GetTransponderInfo().PolFEC, 0x60);
    EXPECT_EQ(dlg.GetTransponderInfo().Modulation, 1);
    EXPECT_EQ(dlg.GetTransponderInfo().TxMode, 0x21);
}

TEST_F(TransponderEditorTest, OkKeepsWhatTheControlsDoNotShow) {
    // DVB-S2 with pilot bits; 8/9, vertical, bits 1-3 without a control.
    Transponder_Info_Tag tp = Tp(0x31, 0x7E);
    tp.Modulation = 2; // no entry of the list
    const auto ok = [&](auto&& change) {
        CDlgTPAddUpdate dlg(nullptr, kList7);
        Open(dlg, tp);
        change(dlg);
        EXPECT_TRUE(ClickOk(dlg));
        return dlg.GetTransponderInfo();
    };
    const Transponder_Info_Tag untouched = ok([](CDlgTPAddUpdate&) {});
    EXPECT_TRUE(test::SameBytes(untouched, tp));
    const Transponder_Info_Tag dvbs =
        ok([](CDlgTPAddUpdate& dlg) { Choose(Child<QComboBox>(dlg, "transmission"), "DVB-S"); });
    EXPECT_EQ(dvbs.TxMode, 0x30);
    EXPECT_EQ(dvbs.Modulation, 2);
    EXPECT_EQ(dvbs.PolFEC, 0x0E); // the new system's list starts at "Auto"
    const Transponder_Info_Tag psk8 =
        ok([](CDlgTPAddUpdate& dlg) { Choose(Child<QComboBox>(dlg, "modulation"), "8PSK"); });
    EXPECT_EQ(psk8.TxMode, 0x31);
    EXPECT_EQ(psk8.Modulation, 1);
}

TEST_F(TransponderEditorTest, CodeRateFollowsASystemChangeWhereOfferedAndSurvivesOkAlone) {
    Transponder_Info_Tag tp = Tp(1, 0); // DVB-S2, QPSK
    struct Case {
        const char* chosen;
        const char* shown;
        std::uint8_t fec;
    };
    // "2/3" is 0x30 in the DVB-S2 list and 0x20 in the DVB-S one; DVB-S has no "3/5".
    for (const Case& c : {Case{"2/3", "2/3", 0x20}, Case{"3/5", "Auto", 0x00}}) {
        CDlgTPAddUpdate dlg(nullptr, kList7);
        Open(dlg, tp);
        Choose(Child<QComboBox>(dlg, "fec"), c.chosen);
        Choose(Child<QComboBox>(dlg, "transmission"), "DVB-S");
        EXPECT_EQ(Child<QComboBox>(dlg, "fec")->currentText(), c.shown) << c.chosen;
        ASSERT_TRUE(ClickOk(dlg));
        EXPECT_EQ(dlg.GetTransponderInfo().PolFEC, c.fec) << c.chosen;
    }
    // A code the list lacks opens as "Auto" and stays what it was.
    tp.TxMode = 0;
    tp.PolFEC = 0x31;
    CDlgTPAddUpdate dlg(nullptr, kList3);
    Open(dlg, tp);
    EXPECT_EQ(Child<QComboBox>(dlg, "fec")->currentText(), "Auto");
    ASSERT_TRUE(ClickOk(dlg));
    EXPECT_TRUE(test::SameBytes(dlg.GetTransponderInfo(), tp));
}

// Values no control can show (and bytes no field names) survive OK without a change.
TEST(NetworkEditors, OkAloneReturnsTheRecordByteForByte) {
    test::App();
    for (const editing::Product product : {kList3, kList7, kList10}) {
        Satellite_Info_Tag sat{};
        std::memset(&sat, 0xA5, sizeof sat);
        sat.RowID = 3;
        sat.Degree = 4000; // past 360 degrees
        std::memcpy(sat.Name, "Sat\0tail", 8);
        for (int tuners : {1, 2}) {
            std::unique_ptr<CSatelliteEditor> dlg;
            if (tuners == 1)
                dlg = std::make_unique<CDlgSATAddUpdate>(nullptr, product);
            else
                dlg = std::make_unique<CDlgSAT2AddUpdate>(nullptr, product);
            dlg->SetSatelliteInfo(&sat);
            dlg->Prepare();
            ASSERT_TRUE(ClickOk(*dlg));
            EXPECT_TRUE(test::SameBytes(dlg->GetSatelliteInfo(), sat)) << tuners;
        }
        CableMux_Info_Tag mux{};
        std::memset(&mux, 0xA5, sizeof mux);
        mux.RowID = 2;
        mux.Modulation = 0xFF; // no constellation of the list
        CDlgCableMuxAddUpdate cable(nullptr, product);
        cable.SetCableInfo(&mux);
        cable.Prepare();
        ASSERT_TRUE(ClickOk(cable));
        EXPECT_TRUE(test::SameBytes(cable.GetCableInfo(), mux));
    }
}

TEST(CableMuxEditor, ConstellationKeepsTheInversionBits) {
    test::App();
    struct Case {
        const char* name;
        editing::Product product;
        std::uint8_t modulation;
        const char* shown;
        std::uint8_t stored;
    };
    for (const Case& c : {Case{"packed", kList3, (3 << 2) | 2, "64 QAM", (5 << 2) | 2},
                          {"separate fields", kList10, 3, "64 QAM", 5}}) {
        SCOPED_TRACE(c.name);
        CableMux_Info_Tag mux{};
        mux.RowID = 2;
        mux.MuxID = 9;
        mux.Frequency = 474000;
        mux.Modulation = c.modulation;
        mux.Invert = 1;
        CDlgCableMuxAddUpdate dlg(nullptr, c.product);
        dlg.SetCableInfo(&mux);
        dlg.Prepare();
        EXPECT_EQ(Child<QLineEdit>(dlg, "frequency")->text(), "474000");
        EXPECT_EQ(Child<QComboBox>(dlg, "constellation")->currentText(), c.shown);
        Choose(Child<QComboBox>(dlg, "constellation"), "256 QAM");
        ASSERT_TRUE(ClickOk(dlg));
        EXPECT_EQ(dlg.GetCableInfo().Modulation, c.stored);
        EXPECT_EQ(dlg.GetCableInfo().Invert, 1);
        EXPECT_EQ(dlg.GetCableInfo().MuxID, 9);
    }
}

TEST(CableMuxEditor, NewShowsZeroAndTakesA32BitFrequency) {
    test::App();
    CDlgCableMuxAddUpdate dlg(nullptr, kList3);
    dlg.Prepare();
    EXPECT_EQ(Child<QLineEdit>(dlg, "symbolRate")->text(), "0");
    Type(Child<QLineEdit>(dlg, "frequency"), "4294967295");
    ASSERT_TRUE(ClickOk(dlg));
    EXPECT_EQ(dlg.GetCableInfo().Frequency, 4294967295u);
    EXPECT_EQ(dlg.GetCableInfo().Modulation, 1 << 2);
}

TEST(ProviderNameDialog, TakesSixteenCharacters) {
    test::App();
    CDlgProviderName dlg(ProviderNameMode::New);
    dlg.Prepare();
    QTest::keyClicks(Child<QLineEdit>(dlg, "name"), "Twenty characters!!!");
    ASSERT_TRUE(ClickOk(dlg));
    EXPECT_EQ(dlg.Name(), QByteArray("Twenty character"));
}

} // namespace
