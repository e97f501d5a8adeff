#include "qpui/DescriptionText.h"

#include "chanforge/editing/ChannelName.h"
#include "chanforge/editing/DeliveryText.h"
#include "utils/Names.h"

#include <QCoreApplication>
#include <QString>

#include <array>
#include <cstring>

namespace qpui {

/// The catalogue context of every label and word of the description pages.
class DescriptionText {
    Q_DECLARE_TR_FUNCTIONS(qpui::DescriptionText)
};

using namespace chanforge;

namespace {

std::string Utf8(const QString& text) {
    return text.toStdString();
}

template <std::size_t N> QString Text(const char (&field)[N]) {
    return QString::fromLatin1(field, static_cast<qsizetype>(strnlen(field, N)));
}

QString Data(const std::string& text) {
    return QString::fromStdString(text);
}

/// names: catalogue texts (QT_TRANSLATE_NOOP under this file's context) or plain numbers.
template <std::size_t N> std::string Pick(const std::array<const char*, N>& names, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < N
               ? Utf8(DescriptionText::tr(names[static_cast<std::size_t>(index)]))
               : "";
}

QString OnOff(bool on) {
    return on ? DescriptionText::tr("On") : DescriptionText::tr("Off");
}

QString YesNo(bool yes) {
    return yes ? DescriptionText::tr("Yes") : DescriptionText::tr("No");
}

/// The words the delivery formatter hands over, in the operator's language.
QString PriorityWord(const std::string& english) {
    static constexpr std::array<const char*, 3> kWords = {
        QT_TRANSLATE_NOOP("qpui::DescriptionText", "Auto"),
        QT_TRANSLATE_NOOP("qpui::DescriptionText", "High"),
        QT_TRANSLATE_NOOP("qpui::DescriptionText", "Low")};
    for (const char* word : kWords)
        if (english == word)
            return DescriptionText::tr(word);
    return Data(english);
}

/// The name table says "None" when no system it knows is set.
QString CASText(const char* names) {
    return std::strcmp(names, "None") == 0 ? DescriptionText::tr("None")
                                           : QString::fromLatin1(names);
}

void TunerLines(Lines& out, const LNBSetting& t, int tuner, const policy::ProductKind& product) {
    const bool numbered = tuner > 0;
    // Whole labels per case, so a translation can place the tuner number its own way.
    auto line = [&](const QString& plain, const QString& withTuner, const QString& value) {
        out.push_back(
            Utf8(numbered ? withTuner.arg(QString::number(tuner), value) : plain.arg(value)));
    };
    const auto number = [](int n) { return QString::number(n); };
    line(DescriptionText::tr("Low Frequency : %1"), DescriptionText::tr("Low Frequency(T%1) : %2"),
         number(t.LowFrequency));
    line(DescriptionText::tr("High Frequency : %1"),
         DescriptionText::tr("High Frequency(T%1) : %2"), number(t.HighFrequency));
    line(DescriptionText::tr("Motor Pos : %1"), DescriptionText::tr("MotorPos(T%1) : %2"),
         number(t.MotorPos));
    line(DescriptionText::tr("LNB Low : %1"), DescriptionText::tr("LNB Low(T%1) : %2"),
         Data(LNBLowName(t.LNBLowType)));
    line(DescriptionText::tr("LNB High : %1"), DescriptionText::tr("LNB High(T%1) : %2"),
         Data(LNBHighName(t.LNBHighType)));
    line(DescriptionText::tr("C/Ku switch : %1"), DescriptionText::tr("C/Ku switch(T%1) : %2"),
         Data(CKuSwitchName(t.CKuSwitch, product)));
    line(DescriptionText::tr("DiSEqC Mode : %1"), DescriptionText::tr("DiSEqC Mode(T%1) : %2"),
         Data(DiSEqCName(t.DiSEqCMode)));
    line(DescriptionText::tr("LNB Power : %1"), DescriptionText::tr("LNB Power(T%1) : %2"),
         OnOff((t.Switches & 1) != 0));
    line(DescriptionText::tr("22KHz : %1"), DescriptionText::tr("22KHz(T%1) : %2"),
         OnOff((t.Switches & 4) != 0));
    line(DescriptionText::tr("Tone Burst : %1"), DescriptionText::tr("Tone Burst(T%1) : %2"),
         Data(ToneBurstName(t.Switches)));
}

} // namespace

std::string LNBLowName(int type) {
    static constexpr std::array<const char*, 4> kNames = {
        QT_TRANSLATE_NOOP("qpui::DescriptionText", "C Single Solu.(5150,5750)"),
        QT_TRANSLATE_NOOP("qpui::DescriptionText", "C Norm. LNBF(5150)"), "5750",
        QT_TRANSLATE_NOOP("qpui::DescriptionText", "User")};
    return Pick(kNames, type >= 2 && type <= 4 ? type - 2 : 3); // any other type is the user's
}

std::string LNBHighName(int index) {
    static constexpr std::array<const char*, 14> kNames = {
        QT_TRANSLATE_NOOP("qpui::DescriptionText", "Univ. LNB1(9750,10600)"),
        QT_TRANSLATE_NOOP("qpui::DescriptionText", "Univ. LNB2(9750,10750)"),
        QT_TRANSLATE_NOOP("qpui::DescriptionText", "C Single Solu.(5150,5750)"),
        QT_TRANSLATE_NOOP("qpui::DescriptionText", "C Norm. LNBF(5150)"),
        "5750",
        "9750",
        "10000",
        "10050",
        "10600",
        "10750",
        "11200",
        "11300",
        "11475",
        QT_TRANSLATE_NOOP("qpui::DescriptionText", "User")};
    return Pick(kNames, index);
}

std::string CKuSwitchName(int index, const policy::ProductKind& product) {
    static constexpr std::array<const char*, 3> kExtended = {
        QT_TRANSLATE_NOOP("qpui::DescriptionText", "None"), "0V / 12V",
        QT_TRANSLATE_NOOP("qpui::DescriptionText", "Tone Burst")};
    static constexpr std::array<const char*, 2> kPlain = {
        QT_TRANSLATE_NOOP("qpui::DescriptionText", "None"),
        QT_TRANSLATE_NOOP("qpui::DescriptionText", "Tone Burst")};
    return product.VoltageBandSwitch() ? Pick(kExtended, index) : Pick(kPlain, index);
}

std::string DiSEqCName(int index) {
    static constexpr std::array<const char*, 7> kNames = {
        QT_TRANSLATE_NOOP("qpui::DescriptionText", "None"),
        "DiSEqC A",
        "DiSEqC B",
        "DiSEqC C",
        "DiSEqC D",
        QT_TRANSLATE_NOOP("qpui::DescriptionText", "MOTOR"),
        "USALS"};
    return Pick(kNames, index);
}

std::string ToneBurstName(int switches) {
    static constexpr std::array<const char*, 3> kNames = {
        QT_TRANSLATE_NOOP("qpui::DescriptionText", "Off"), "SAT A", "SAT B"};
    const int burst = (switches >> 4) & 3;
    return Pick(kNames, burst == 3 ? 0 : burst);
}

Lines SatelliteLines(const Satellite_Info_Tag& sat, const policy::ProductKind& product) {
    Lines out;
    out.push_back(Utf8(DescriptionText::tr("Name : %1 (ID : %2)")
                           .arg(Text(sat.Name), QString::number(sat.SatID))));
    out.push_back(
        Utf8(DescriptionText::tr("Degree : %1").arg(Data(editing::DegreeText(sat.Degree)))));
    if (product.TwoTuners()) {
        TunerLines(out, sat.Tuner[0], 1, product);
        TunerLines(out, sat.Tuner[1], 2, product);
    } else {
        TunerLines(out, sat.Tuner[0], 0, product);
    }
    return out;
}

Lines TransponderLines(const Transponder_Info_Tag& tp, const policy::ProductKind& product) {
    Lines out;
    const auto line = [&](const QString& text) { out.push_back(Utf8(text)); };
    line(DescriptionText::tr("Frequency   \t: %1 MHz").arg(static_cast<int>(tp.Frequency)));
    line(DescriptionText::tr("Symbol Rate \t: %1 Ks/s").arg(static_cast<int>(tp.SymbolRate)));
    line(DescriptionText::tr("TS ID       \t: %1").arg(static_cast<int>(tp.TSID)));
    line(DescriptionText::tr("Drift       \t: %1").arg(static_cast<int>(tp.Drift)));
    line(DescriptionText::tr("Polarity    \t: %1")
             .arg((tp.PolFEC & 1) != 0 ? DescriptionText::tr("Horizontal")
                                       : DescriptionText::tr("Vertical")));
    line(DescriptionText::tr("FEC         \t: %1").arg(Data(editing::FECText(tp, product))));
    line(DescriptionText::tr("Signal      \t: %1").arg(static_cast<int>(tp.Signal)));
    if (product.ExtendedTransponders()) {
        line(DescriptionText::tr("Transmission      \t: %1    \t\tModulation      \t: %2")
                 .arg((tp.TxMode & 15) != 0 ? QStringLiteral("DVB-S2") : QStringLiteral("DVB-S"),
                      tp.Modulation != 0 ? QStringLiteral("8PSK") : QStringLiteral("QPSK")));
        static constexpr std::array<const char*, 3> kPilot = {
            QT_TRANSLATE_NOOP("qpui::DescriptionText", "Auto"),
            QT_TRANSLATE_NOOP("qpui::DescriptionText", "Off"),
            QT_TRANSLATE_NOOP("qpui::DescriptionText", "On")};
        line(DescriptionText::tr("Pilot             \t: %1")
                 .arg(Data(Pick(kPilot, tp.TxMode >> 4))));
    }
    return out;
}

Lines MuxLines(const Transponder_Info_Tag& tp) {
    const SMux_Info_Tag mux = editing::MuxFromTransponder(tp);
    const int f = editing::MuxFrequency(mux);
    const QString megahertz =
        QStringLiteral("%1.%2").arg(f / 1000, 3, 10, QLatin1Char('0')).arg(f % 1000);
    const std::string txMode = editing::TxModeText(mux.MuxParams);
    return {
        Utf8(DescriptionText::tr("Mux Name : %1").arg(Data(editing::MuxName(mux)))),
        Utf8(DescriptionText::tr("Frequency : %1 MHz").arg(megahertz)),
        Utf8(DescriptionText::tr("Tx Mod.   : %1")
                 .arg(txMode.empty() ? QStringLiteral("--") : Data(txMode))),
        Utf8(DescriptionText::tr("C.R.      : %1").arg(Data(editing::CodeRateText(mux.MuxParams)))),
        Utf8(DescriptionText::tr("Const.    : %1")
                 .arg(Data(editing::ConstellationText(mux.MuxParams)))),
        Utf8(DescriptionText::tr("G.I.      : %1").arg(Data(editing::GuardText(mux.MuxParams)))),
        Utf8(DescriptionText::tr("Priority  : %1")
                 .arg(PriorityWord(editing::PriorityText(mux.MuxParams)))),
    };
}

Lines ChannelLines(const Channel_Info_Tag& ch, const policy::ProductKind& product,
                   bool tunerStored) {
    char cas[1024] = {};
    GetCASName(ch.CAS, ",", cas);
    std::string tuner;
    const auto tunerLine = [&](std::uint8_t code) {
        char name[kNameBufferSize] = {};
        GetTunerName(code, name);
        tuner = Utf8(DescriptionText::tr("Tuner\t: %1").arg(QString::fromLatin1(name)));
    };
    if (product.Combination())
        tunerLine(ch.SatID == 1 ? 18 : 17);
    else if (tunerStored)
        tunerLine(ch.Tuner);
    else if (!product.TerrestrialOrCable() && !product.TwoTuners())
        tunerLine(0); // the only tuner
    // A choice between two tuners that the file does not keep is not shown as made.
    const auto number = [](int n) { return QString::number(n); };
    return {
        Utf8(DescriptionText::tr("Channel Name : %1")
                 .arg(QString::fromStdString(editing::NameText(ch)))),
        Utf8(DescriptionText::tr("Service ID : %1").arg(number(ch.ServiceID))),
        Utf8(DescriptionText::tr("Video PID : %1").arg(number(ch.VideoPID))),
        Utf8(DescriptionText::tr("Audio PID : %1").arg(number(ch.AudioPID))),
        Utf8(DescriptionText::tr("PCR PID   : %1").arg(number(ch.PCRPID))),
        Utf8(DescriptionText::tr("Audio\t: %1").arg(number(ch.NumOfAudio))),
        Utf8(DescriptionText::tr("Subtitle   : %1").arg(number(ch.NumOfSubTTX >> 4))),
        Utf8(DescriptionText::tr("Teletext   : %1").arg(number(ch.NumOfSubTTX & 15))),
        Utf8(DescriptionText::tr("Type \t: %1")
                 .arg(IsTV(ch) ? DescriptionText::tr("TV") : DescriptionText::tr("Radio"))),
        Utf8(DescriptionText::tr("CAS  \t: %1").arg(CASText(cas))),
        Utf8(DescriptionText::tr("Lock \t: %1").arg(YesNo((ch.Attributes & attr::kLocked) != 0))),
        Utf8(DescriptionText::tr("Skip \t: %1").arg(YesNo((ch.Attributes & attr::kSkipped) != 0))),
        tuner,
    };
}

Lines ProviderLines(const Broadcast_Info_Tag& provider) {
    return {Utf8(DescriptionText::tr("Provider : %1").arg(Text(provider.Name)))};
}

} // namespace qpui
