#include "qpui/DescriptionText.h"

#include "chanforge/editing/DeliveryText.h"
#include "utils/Names.h"

#include <array>
#include <cstdio>
#include <cstring>

namespace qpui {

using namespace chanforge;

namespace {

template <class... Args> std::string Format(const char* format, Args... args) {
    char buffer[512] = {};
    std::snprintf(buffer, sizeof buffer, format, args...);
    return buffer;
}

template <std::size_t N> std::string Text(const char (&field)[N]) {
    return std::string(field, strnlen(field, N));
}

template <std::size_t N> std::string Pick(const std::array<const char*, N>& names, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < N
               ? names[static_cast<std::size_t>(index)]
               : "";
}

const char* OnOff(bool on) {
    return on ? "On" : "Off";
}

void TunerLines(Lines& out, const LNBSetting& t, int tuner, const policy::ProductKind& product) {
    const bool numbered = tuner > 0;
    auto line = [&](const char* plain, const char* withTuner, auto value) {
        out.push_back(numbered ? Format(withTuner, tuner, value) : Format(plain, value));
    };
    line("Low Frequency : %d", "Low Frequency(T%d) : %d", static_cast<int>(t.LowFrequency));
    line("High Frequency : %d", "High Frequency(T%d) : %d", static_cast<int>(t.HighFrequency));
    line("Motor Pos : %d", "MotorPos(T%d) : %d", static_cast<int>(t.MotorPos));
    line("LNB Low : %s", "LNB Low(T%d) : %s", LNBLowName(t.LNBLowType).c_str());
    line("LNB High : %s", "LNB High(T%d) : %s", LNBHighName(t.LNBHighType).c_str());
    line("C/Ku switch : %s", "C/Ku switch(T%d) : %s", CKuSwitchName(t.CKuSwitch, product).c_str());
    line("DiSEqC Mode : %s", "DiSEqC Mode(T%d) : %s", DiSEqCName(t.DiSEqCMode).c_str());
    line("LNB Power : %s", "LNB Power(T%d) : %s", OnOff((t.Switches & 1) != 0));
    line("22KHz : %s", "22KHz(T%d) : %s", OnOff((t.Switches & 4) != 0));
    line("Tone Burst : %s", "Tone Burst(T%d) : %s", ToneBurstName(t.Switches).c_str());
}

} // namespace

std::string LNBLowName(int type) {
    switch (type) {
    case 2:
        return "C Single Solu.(5150,5750)";
    case 3:
        return "C Norm. LNBF(5150)";
    case 4:
        return "5750";
    default:
        return "User";
    }
}

std::string LNBHighName(int index) {
    static constexpr std::array<const char*, 14> kNames = {"Univ. LNB1(9750,10600)",
                                                           "Univ. LNB2(9750,10750)",
                                                           "C Single Solu.(5150,5750)",
                                                           "C Norm. LNBF(5150)",
                                                           "5750",
                                                           "9750",
                                                           "10000",
                                                           "10050",
                                                           "10600",
                                                           "10750",
                                                           "11200",
                                                           "11300",
                                                           "11475",
                                                           "User"};
    return Pick(kNames, index);
}

std::string CKuSwitchName(int index, const policy::ProductKind& product) {
    static constexpr std::array<const char*, 3> kExtended = {"None", "0V / 12V", "Tone Burst"};
    static constexpr std::array<const char*, 2> kPlain = {"None", "Tone Burst"};
    return product.VoltageBandSwitch() ? Pick(kExtended, index) : Pick(kPlain, index);
}

std::string DiSEqCName(int index) {
    static constexpr std::array<const char*, 7> kNames = {
        "None", "DiSEqC A", "DiSEqC B", "DiSEqC C", "DiSEqC D", "MOTOR", "USALS"};
    return Pick(kNames, index);
}

std::string ToneBurstName(int switches) {
    switch ((switches >> 4) & 3) {
    case 1:
        return "SAT A";
    case 2:
        return "SAT B";
    default:
        return "Off";
    }
}

Lines SatelliteLines(const Satellite_Info_Tag& sat, const policy::ProductKind& product) {
    Lines out;
    out.push_back(
        Format("Name : %s (ID : %d)", Text(sat.Name).c_str(), static_cast<int>(sat.SatID)));
    out.push_back("Degree : " + editing::DegreeText(sat.Degree));
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
    out.push_back(Format("Frequency   \t: %d MHz", static_cast<int>(tp.Frequency)));
    out.push_back(Format("Symbol Rate \t: %d Ks/s", static_cast<int>(tp.SymbolRate)));
    out.push_back(Format("TS ID       \t: %d", static_cast<int>(tp.TSID)));
    out.push_back(Format("Drift       \t: %d", static_cast<int>(tp.Drift)));
    out.push_back(Format("Polarity    \t: %s", (tp.PolFEC & 1) != 0 ? "Horizontal" : "Vertical"));
    out.push_back(Format("FEC         \t: %s", editing::FECText(tp, product).c_str()));
    out.push_back(Format("Signal      \t: %d", static_cast<int>(tp.Signal)));
    if (product.ExtendedTransponders()) {
        out.push_back(Format("Transmission      \t: %s    \t\tModulation      \t: %s",
                             (tp.TxMode & 15) != 0 ? "DVB-S2" : "DVB-S",
                             tp.Modulation != 0 ? "8PSK" : "QPSK"));
        static constexpr std::array<const char*, 3> kPilot = {"Auto", "Off", "On"};
        out.push_back(Format("Pilot             \t: %s", Pick(kPilot, tp.TxMode >> 4).c_str()));
    }
    return out;
}

Lines MuxLines(const Transponder_Info_Tag& tp) {
    const SMux_Info_Tag mux = editing::MuxFromTransponder(tp);
    const int f = editing::MuxFrequency(mux);
    auto orDashes = [](const std::string& s) { return s.empty() ? std::string("--") : s; };
    return {
        Format("Mux Name : %s", editing::MuxName(mux).c_str()),
        Format("Frequency : %03d.%d MHz", f / 1000, f % 1000),
        "Tx Mod.   : " + orDashes(editing::TxModeText(mux.MuxParams)),
        "C.R.      : " + editing::CodeRateText(mux.MuxParams),
        "Const.    : " + editing::ConstellationText(mux.MuxParams),
        "G.I.      : " + editing::GuardText(mux.MuxParams),
        "Priority  : " + editing::PriorityText(mux.MuxParams),
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
        tuner = Format("Tuner\t: %s", name);
    };
    if (product.Combination())
        tunerLine(ch.SatID == 1 ? 18 : 17);
    else if (tunerStored)
        tunerLine(ch.Tuner);
    else if (!product.TerrestrialOrCable() && !product.TwoTuners())
        tunerLine(0); // the only tuner
    // A choice between two tuners that the file does not keep is not shown as made.
    return {
        Format("Channel Name : %s", Text(ch.Name).c_str()),
        Format("Service ID : %d", static_cast<int>(ch.ServiceID)),
        Format("Video PID : %d", static_cast<int>(ch.VideoPID)),
        Format("Audio PID : %d", static_cast<int>(ch.AudioPID)),
        Format("PCR PID   : %d", static_cast<int>(ch.PCRPID)),
        Format("Audio\t: %d", static_cast<int>(ch.NumOfAudio)),
        Format("Subtitle   : %d", ch.NumOfSubTTX >> 4),
        Format("Teletext   : %d", ch.NumOfSubTTX & 15),
        IsTV(ch) ? "Type \t: TV" : "Type \t: Radio",
        Format("CAS  \t: %s", cas),
        (ch.Attributes & attr::kLocked) != 0 ? "Lock \t: Yes" : "Lock \t: No",
        (ch.Attributes & attr::kSkipped) != 0 ? "Skip \t: Yes" : "Skip \t: No",
        tuner,
    };
}

Lines ProviderLines(const Broadcast_Info_Tag& provider) {
    return {Format("Provider : %s", Text(provider.Name).c_str())};
}

} // namespace qpui
