#include "qpui/DlgCHAddUpdate.h"
#include "qpui/DlgMuxCHAddUpdate.h"

#include "DialogTestSupport.h"
#include "chanforge/editing/ChannelName.h"
#include "policy/Policy.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <cstring>
#include <tuple>

using namespace chanforge;
using namespace qpui;

namespace {

using test::Child;

class ChannelEditorTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::App();
        SetFlashCHBlockInfo(49152, 64, 56, 16);
        sats[0].SatID = 2;
        std::strcpy(sats[0].Name, "Astra");
        sats[1].SatID = 3;
        std::strcpy(sats[1].Name, "Hotbird");
        // Astra's transponder 1, Hotbird's 1 and 2.
        for (auto [i, sat, tp] : {std::tuple{0, 2, 1}, {1, 3, 1}, {2, 3, 2}}) {
            tps[i].SatID = static_cast<std::uint8_t>(sat);
            tps[i].TPID = static_cast<std::uint8_t>(tp);
        }
        tps[2].Frequency = 12000;
        tps[2].SymbolRate = 27500;
        tps[2].PolFEC = 1;
        provider.BroadcastID = 9;
        std::strcpy(provider.Name, "Prov");
    }

    /// Fills the lists, gives the channel (a new one when newMode) and prepares the editor.
    void Open(CDlgCHAddUpdate& dlg, const Channel_Info_Tag* ch, bool newMode = false) {
        for (const auto& s : sats)
            dlg.AddSatList(&s);
        for (const auto& tp : tps)
            dlg.AddTPList(&tp);
        dlg.AddBroadcastList(&provider);
        if (newMode)
            dlg.SetChannelMode(true);
        if (ch != nullptr)
            dlg.SetChannelInfo(ch);
        dlg.Prepare();
    }

    Satellite_Info_Tag sats[2]{};
    Transponder_Info_Tag tps[3]{};
    Broadcast_Info_Tag provider{};
};

TEST_F(ChannelEditorTest, NameLimitIsWhatTheSlotKeepsInStoredBytes) {
    // "Flash CH Name Length" 16: layout A (list 3) keeps all 16 name bytes, layout B (list 7)
    // keeps the last for its terminator. Typing stops at that limit; a longer name the channel
    // already has is kept whole and refused with the limit named; the limit is the one the
    // editing library fits names to.
    const struct {
        policy::ProductKind product;
        const char* existing;
        int limit;
        bool accepted;
    } cases[] = {{{3, 1}, "", 16, true},
                 {{3, 1}, "Seventeen chars 7", 16, false},
                 {{7, 1}, "", 15, true},
                 {{7, 1}, "Sixteen chars 16", 15, false}};
    for (const auto& c : cases) {
        test::MessageRecorder messages;
        Channel_Info_Tag ch{};
        ch.RowID = 4;
        std::strcpy(ch.Name, c.existing);
        CDlgCHAddUpdate dlg(nullptr, test::SlotOf(c.product));
        Open(dlg, &ch, true);
        auto* name = Child<QLineEdit>(dlg, "name");
        if (*c.existing == 0)
            QTest::keyClicks(name, QString(20, 'x'));
        dlg.accept();
        EXPECT_EQ(dlg.result() == QDialog::Accepted, c.accepted) << c.existing;
        const std::string typed = name->text().toStdString();
        EXPECT_EQ(editing::FitName(typed, test::SlotOf(c.product).NameLimit(), false).Stores(),
                  c.accepted);
        EXPECT_EQ(name->text().size(), c.accepted ? c.limit : c.limit + 1);
        if (!c.accepted)
            EXPECT_EQ(messages.texts, QStringList{QStringLiteral("Name string length is too long! "
                                                                 "(at most %1 characters)")
                                                      .arg(c.limit)});
        else
            EXPECT_TRUE(messages.texts.isEmpty());
    }
}

TEST_F(ChannelEditorTest, NamesAreShownAndStoredThroughTheChannelsCodeTable) {
    // A Cyrillic channel (code table 1): its bytes show as Cyrillic, a Cyrillic name typed is
    // stored in ISO 8859-5, and a Greek letter, which that table lacks, is refused by name.
    const struct {
        const char* typed;
        bool accepted;
        const char* stored;
    } cases[] = {{"\xD0\x96\xD0\xB0\xD1\x80", true, "\xB6\xD0\xE0"},
                 {"\xCE\xA3", false, "\xBF\xD5\xE0\xD2\xEB\xD9"}};
    for (const auto& c : cases) {
        test::MessageRecorder messages;
        Channel_Info_Tag ch{};
        ch.RowID = 4;
        ch.CodeTable = 1;
        std::strcpy(ch.Name, "\xBF\xD5\xE0\xD2\xEB\xD9");
        CDlgCHAddUpdate dlg(nullptr, test::SlotOf({3, 1}));
        Open(dlg, &ch);
        auto* name = Child<QLineEdit>(dlg, "name");
        EXPECT_EQ(name->text(),
                  QString::fromUtf8("\xD0\x9F\xD0\xB5\xD1\x80\xD0\xB2\xD1\x8B\xD0\xB9"));
        name->setText(QString::fromUtf8(c.typed));
        dlg.accept();
        EXPECT_EQ(dlg.result() == QDialog::Accepted, c.accepted) << c.typed;
        EXPECT_STREQ(dlg.GetChannelInfo().Name, c.stored);
        EXPECT_EQ(messages.texts.size(), c.accepted ? 0 : 1);
        EXPECT_EQ(messages.texts.join(QString()).contains(QStringLiteral("U+03A3")), !c.accepted);
    }
}

TEST_F(ChannelEditorTest, NewChannelTakesPresetAndMode) {
    CDlgCHAddUpdate dlg(nullptr, test::SlotOf({3, 1}));
    Channel_Info_Tag preset{};
    preset.SatID = 3;
    preset.TPID = 2;
    Open(dlg, &preset, true);
    EXPECT_EQ(Child<QComboBox>(dlg, "satellite")->currentText(), "Hotbird");
    EXPECT_EQ(Child<QComboBox>(dlg, "transponder")->count(), 2);
    EXPECT_EQ(Child<QComboBox>(dlg, "transponder")->currentText(), "12000/27500(H)");
    EXPECT_FALSE(Child<QRadioButton>(dlg, "tuner1")->isVisibleTo(&dlg));
    Child<QLineEdit>(dlg, "name")->setText("New");
    Child<QLineEdit>(dlg, "videoPid")->setText("abc");
    Child<QLineEdit>(dlg, "audioPid")->setText("  257x");
    dlg.accept();
    const Channel_Info_Tag ch = dlg.GetChannelInfo();
    EXPECT_STREQ(ch.Name, "New");
    EXPECT_EQ(ch.SatID, 3);
    EXPECT_EQ(ch.TPID, 2);
    EXPECT_EQ(ch.BroadcastID, 9);
    EXPECT_EQ(ch.VideoPID, 0);
    EXPECT_EQ(ch.AudioPID, 257);
    EXPECT_EQ(ch.Attributes, attr::kTV);
    EXPECT_EQ(ch.Tuner, 0);
}

TEST_F(ChannelEditorTest, ExistingRadioChannelKeepsItsOtherBits) {
    CDlgCHAddUpdate dlg(nullptr, test::SlotOf({3, 9}));
    Channel_Info_Tag ch{};
    ch.RowID = 4;
    ch.SatID = 2;
    ch.TPID = 1;
    ch.ProgramNum = 17;
    ch.Tuner = 1;
    ch.Attributes = attr::kRadio | attr::kLocked | attr::kSkipped | 0x6;
    std::strcpy(ch.Name, "Radio");
    Open(dlg, &ch, true); // the channel's own kind wins
    EXPECT_TRUE(Child<QCheckBox>(dlg, "locked")->isChecked());
    EXPECT_TRUE(Child<QRadioButton>(dlg, "tuner2")->isChecked());
    EXPECT_TRUE(Child<QRadioButton>(dlg, "tuner2")->isVisibleTo(&dlg));
    Child<QCheckBox>(dlg, "locked")->setChecked(false);
    dlg.accept();
    const Channel_Info_Tag out = dlg.GetChannelInfo();
    EXPECT_EQ(out.Attributes, attr::kRadio | attr::kSkipped | 0x6);
    EXPECT_EQ(out.ProgramNum, 17); // the hidden number edit carries it through
    EXPECT_EQ(out.Tuner, 1);
    EXPECT_EQ(out.RowID, 4u);
}

TEST_F(ChannelEditorTest, EmptyListsStoreTheErrorValue) {
    CDlgCHAddUpdate dlg(nullptr, test::SlotOf({3, 1}));
    dlg.Prepare();
    Child<QLineEdit>(dlg, "name")->setText("X");
    dlg.accept();
    EXPECT_EQ(dlg.GetChannelInfo().SatID, 0xFF);
    EXPECT_EQ(dlg.GetChannelInfo().TPID, 0xFF);
    EXPECT_EQ(dlg.GetChannelInfo().BroadcastID, 0xFFFF);
}

TEST_F(ChannelEditorTest, CableEditorListsEachIdOnceAndStoresSatelliteOne) {
    CDlgMuxCHAddUpdate dlg(nullptr, test::SlotOf({6, 4}));
    for (int id : {5, 7, 5})
        dlg.AddMuxList(id);
    Channel_Info_Tag ch{};
    ch.RowID = 1;
    ch.TPID = 7;
    ch.SatID = 9;
    std::strcpy(ch.Name, "Kabel");
    dlg.SetChannelInfo(&ch);
    dlg.Prepare();
    auto* mux = Child<QComboBox>(dlg, "mux");
    ASSERT_EQ(mux->count(), 2);
    EXPECT_EQ(mux->itemText(0), "[   5 ]");
    EXPECT_EQ(mux->currentText(), "[   7 ]");
    dlg.accept();
    EXPECT_TRUE(test::SameBytes(dlg.GetChannelInfo(), ch)); // OK alone changes nothing
    mux->setCurrentIndex(0);
    dlg.accept();
    EXPECT_EQ(dlg.GetChannelInfo().SatID, 1);
    EXPECT_EQ(dlg.GetChannelInfo().TPID, 5);
}

TEST_F(ChannelEditorTest, OkKeepsWhatTheControlsCannotShowUntilTheOperatorChangesThem) {
    Channel_Info_Tag ch{};
    std::memset(&ch, 0x5A, sizeof ch); // every byte set, padding and unused fields included
    ch.RowID = 4;
    ch.SatID = 9;        // no such satellite in the list
    ch.TPID = 4;         // nor transponder
    ch.BroadcastID = 77; // nor provider
    ch.Tuner = 2;        // shown as "Tuner 2", stored as 1 only when chosen
    ch.Attributes = 0xFFFF & ~attr::kLocked;
    std::memcpy(ch.Name, "Name\0tail", 9); // bytes after the end of the name
    const auto ok = [&](auto&& change) {
        CDlgCHAddUpdate dlg(nullptr, test::SlotOf({3, 9}));
        Open(dlg, &ch);
        change(dlg);
        dlg.accept();
        EXPECT_EQ(dlg.result(), QDialog::Accepted);
        return dlg.GetChannelInfo();
    };
    const Channel_Info_Tag same = ok([](CDlgCHAddUpdate&) {});
    EXPECT_TRUE(test::SameBytes(same, ch));

    Channel_Info_Tag expected = ch;
    expected.Attributes |= attr::kLocked;
    expected.VideoPID = 321;
    const Channel_Info_Tag locked = ok([](CDlgCHAddUpdate& dlg) {
        Child<QCheckBox>(dlg, "locked")->setChecked(true);
        Child<QLineEdit>(dlg, "videoPid")->setText("321");
    });
    EXPECT_TRUE(test::SameBytes(locked, expected));

    const Channel_Info_Tag moved = ok([](CDlgCHAddUpdate& dlg) {
        Child<QComboBox>(dlg, "satellite")->setCurrentIndex(1);
        Child<QRadioButton>(dlg, "tuner1")->setChecked(true);
    });
    EXPECT_EQ(moved.SatID, 3);
    EXPECT_EQ(moved.TPID, 1);
    EXPECT_EQ(moved.Tuner, 0);
    EXPECT_EQ(moved.BroadcastID, 77);
}

TEST_F(ChannelEditorTest, TunerChoiceOnlyWhereTheSlotKeepsIt) {
    // A 44-byte slot with a 16-byte name ends before the tuner byte; a 92-byte slot keeps it.
    for (auto [chunk, offered] : {std::pair{44u, false}, {92u, true}}) {
        SetFlashCHBlockInfo(49152, 40, chunk, 16);
        CDlgCHAddUpdate dlg(nullptr, test::SlotOf({3, 9}));
        Open(dlg, nullptr);
        EXPECT_EQ(Child<QRadioButton>(dlg, "tuner2")->isVisibleTo(&dlg), offered) << chunk;
    }
}

TEST_F(ChannelEditorTest, ChannelWithoutANameIsRefused) {
    for (const char* name : {"", "   "}) {
        test::MessageRecorder messages;
        CDlgCHAddUpdate dlg(nullptr, test::SlotOf({3, 1}));
        Open(dlg, nullptr, true);
        Child<QLineEdit>(dlg, "name")->setText(name);
        dlg.accept();
        EXPECT_NE(dlg.result(), QDialog::Accepted);
        EXPECT_EQ(messages.texts, QStringList{"Name string is empty!"});
    }
}

} // namespace
