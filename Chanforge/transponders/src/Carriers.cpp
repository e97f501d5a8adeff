#include "chanforge/transponders/Carrier.h"

#include "chanforge/editing/DeliveryText.h"
#include "utils/Names.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <string_view>

namespace chanforge::transponders {

namespace {

struct FecEntry {
    Fec fec;
    const char* name;
};

constexpr std::array kFecNames{
    FecEntry{Fec::Auto, "Auto"},  FecEntry{Fec::F1_2, "1/2"}, FecEntry{Fec::F2_3, "2/3"},
    FecEntry{Fec::F3_4, "3/4"},   FecEntry{Fec::F5_6, "5/6"}, FecEntry{Fec::F7_8, "7/8"},
    FecEntry{Fec::F8_9, "8/9"},   FecEntry{Fec::F3_5, "3/5"}, FecEntry{Fec::F4_5, "4/5"},
    FecEntry{Fec::F9_10, "9/10"}, FecEntry{Fec::F6_7, "6/7"}, FecEntry{Fec::None, "Auto"},
};

// The codes a record's FEC nibble can hold; which rate each means depends on system and
// modulation, so the name is asked of the receiver's own table.
constexpr std::array<std::uint8_t, 9> kFecCodes{0x10, 0x20, 0x30, 0x40, 0x50,
                                                0x60, 0x70, 0x80, 0xF0};

struct SystemBytes {
    std::uint8_t system = 0;
    std::uint8_t modulation = 0;
};

SystemBytes SystemOf(const Transponder_Info_Tag& tp, const policy::ProductKind& product) {
    if (!product.ExtendedTransponders())
        return {};
    return {static_cast<std::uint8_t>(tp.TxMode & 15), tp.Modulation};
}

std::string RecordFecName(const Transponder_Info_Tag& tp, const policy::ProductKind& product) {
    const SystemBytes bytes = SystemOf(tp, product);
    char name[kNameBufferSize] = {};
    GetFECName(bytes.system, bytes.modulation, static_cast<std::uint8_t>(tp.PolFEC & 0xF0), name);
    return name;
}

/// The record's code for a rate under its system and modulation; 0 (Auto) when it has none.
std::uint8_t FecCodeFor(std::string_view rate, SystemBytes bytes) {
    for (std::uint8_t code : kFecCodes) {
        char name[kNameBufferSize] = {};
        GetFECName(bytes.system, bytes.modulation, code, name);
        if (rate == name && rate != "Auto")
            return code;
    }
    return 0;
}

Pilot PilotOf(const Transponder_Info_Tag& tp) {
    const int nibble = tp.TxMode >> 4;
    return nibble == 1 ? Pilot::Off : nibble == 2 ? Pilot::On : Pilot::Auto;
}

// Each field is set only where its meaning changes: any nonzero system nibble reads as DVB-S2
// and any nonzero modulation as 8PSK, and such a byte stays as the receiver left it.
void MergeSystem(Transponder_Info_Tag& tp, const Carrier& carrier) {
    const bool s2 = (tp.TxMode & 15) != 0;
    if (carrier.system && (*carrier.system == DvbSystem::S2) != s2)
        tp.TxMode = static_cast<std::uint8_t>((tp.TxMode & 0xF0) | (s2 ? 0 : 1));
    if (carrier.modulation == Modulation::Qpsk && tp.Modulation != 0)
        tp.Modulation = 0;
    else if (carrier.modulation == Modulation::Psk8 && tp.Modulation == 0)
        tp.Modulation = 1;
    if (carrier.pilot && *carrier.pilot != PilotOf(tp)) {
        const int nibble = *carrier.pilot == Pilot::Off ? 1 : *carrier.pilot == Pilot::On ? 2 : 0;
        tp.TxMode = static_cast<std::uint8_t>((tp.TxMode & 0x0F) | (nibble << 4));
    }
}

std::uint16_t Thousandths(std::uint32_t value) {
    return static_cast<std::uint16_t>(std::min<std::uint32_t>((value + 500) / 1000, 0xFFFF));
}

} // namespace

const char* FecName(Fec fec) {
    for (const FecEntry& entry : kFecNames)
        if (entry.fec == fec)
            return entry.name;
    return "Auto";
}

std::optional<Fec> FecFromCode(int code) {
    for (const FecEntry& entry : kFecNames)
        if (static_cast<int>(entry.fec) == code)
            return entry.fec;
    return std::nullopt;
}

Transponder_Info_Tag Merge(const Transponder_Info_Tag& base, const Carrier& carrier,
                           const policy::ProductKind& product) {
    Transponder_Info_Tag tp = base;
    tp.Frequency = Thousandths(carrier.frequencyKHz);
    tp.SymbolRate = Thousandths(carrier.symbolRate);
    const bool horizontal = carrier.polarisation == Polarisation::Horizontal ||
                            carrier.polarisation == Polarisation::CircularLeft;
    tp.PolFEC = static_cast<std::uint8_t>((tp.PolFEC & 0xFE) | (horizontal ? 1 : 0));
    if (product.ExtendedTransponders())
        MergeSystem(tp, carrier);
    // The rate's code depends on the system just merged; a code that already names the
    // carrier's rate stays, whichever of several codes it is.
    if (!carrier.fec)
        return tp;
    const std::string now = RecordFecName(tp, product);
    const std::uint8_t code = FecCodeFor(FecName(*carrier.fec), SystemOf(tp, product));
    // A rate the record cannot name reads as Auto, which a record already saying so keeps.
    if (now != FecName(*carrier.fec) && !(code == 0 && now == "Auto"))
        tp.PolFEC = static_cast<std::uint8_t>((tp.PolFEC & 0x0F) | code);
    return tp;
}

Carrier CarrierOf(const Transponder_Info_Tag& tp, const policy::ProductKind& product) {
    Carrier carrier;
    carrier.frequencyKHz = std::uint32_t{tp.Frequency} * 1000;
    carrier.symbolRate = std::uint32_t{tp.SymbolRate} * 1000;
    carrier.polarisation = (tp.PolFEC & 1) != 0 ? Polarisation::Horizontal : Polarisation::Vertical;
    const std::string rate = RecordFecName(tp, product);
    carrier.fec = Fec::Auto;
    for (const FecEntry& entry : kFecNames)
        if (rate == entry.name) {
            carrier.fec = entry.fec;
            break;
        }
    if (product.ExtendedTransponders()) {
        carrier.system = (tp.TxMode & 15) != 0 ? DvbSystem::S2 : DvbSystem::S;
        carrier.modulation = tp.Modulation != 0 ? Modulation::Psk8 : Modulation::Qpsk;
        carrier.pilot = PilotOf(tp);
    }
    return carrier;
}

CableMux_Info_Tag MergeCable(const CableMux_Info_Tag& base, const CableCarrier& carrier,
                             const policy::ProductKind& product) {
    CableMux_Info_Tag mux = base;
    mux.Frequency = carrier.frequencyKHz;
    mux.SymbolRate = Thousandths(carrier.symbolRate);
    if (!carrier.qam || *carrier.qam == Qam::Auto)
        return mux;
    const auto code = static_cast<std::uint8_t>(*carrier.qam);
    mux.Modulation = product.SeparateCableInversion()
                         ? code
                         : static_cast<std::uint8_t>((code << 2) | (mux.Modulation & 3));
    return mux;
}

CableCarrier CableCarrierOf(const CableMux_Info_Tag& mux, const policy::ProductKind& product) {
    CableCarrier carrier;
    carrier.frequencyKHz = mux.Frequency;
    carrier.symbolRate = std::uint32_t{mux.SymbolRate} * 1000;
    const int code = product.SeparateCableInversion() ? mux.Modulation : mux.Modulation >> 2;
    carrier.qam = code >= 1 && code <= 5 ? static_cast<Qam>(code) : Qam::Auto;
    return carrier;
}

namespace {

// Where each field sits in a multiplex's MuxParams (mode, constellation, code rate, guard).
struct ParamField {
    int shift;
    std::uint32_t mask;
};
constexpr ParamField kModeField{1, 3};
constexpr ParamField kConstellationField{6, 3};
constexpr ParamField kCodeRateField{8, 7};
constexpr ParamField kGuardField{11, 31};

template <class T> void SetParam(std::uint32_t& params, ParamField field, std::optional<T> value) {
    if (!value)
        return;
    params = (params & ~(field.mask << field.shift)) |
             (static_cast<std::uint32_t>(*value) << field.shift);
}

/// The field's value when it is one of T's; empty for "--" and codes no table names.
template <class T> std::optional<T> GetParam(std::uint32_t params, ParamField field, int highest) {
    const auto code = static_cast<int>((params >> field.shift) & field.mask);
    if (code < 1 || code > highest)
        return std::nullopt;
    return static_cast<T>(code);
}

} // namespace

std::uint32_t MergeTerrestrial(std::uint32_t muxParams, const TerrestrialCarrier& carrier) {
    SetParam(muxParams, kModeField, carrier.mode);
    SetParam(muxParams, kConstellationField, carrier.constellation);
    SetParam(muxParams, kCodeRateField, carrier.codeRate);
    SetParam(muxParams, kGuardField, carrier.guard);
    return muxParams;
}

TerrestrialCarrier TerrestrialCarrierOf(const SMux_Info_Tag& mux) {
    TerrestrialCarrier carrier;
    carrier.frequencyKHz = static_cast<std::uint32_t>(std::max(0, editing::MuxFrequency(mux)));
    carrier.mode = GetParam<TerrestrialMode>(mux.MuxParams, kModeField, 2);
    carrier.constellation = GetParam<Constellation>(mux.MuxParams, kConstellationField, 3);
    carrier.codeRate = GetParam<CodeRate>(mux.MuxParams, kCodeRateField, 5);
    carrier.guard = GetParam<Guard>(mux.MuxParams, kGuardField, 4);
    return carrier;
}

int PositionOfDegree(std::uint16_t degree) {
    return degree > 1800 ? static_cast<int>(degree) - 3600 : degree;
}

std::uint16_t DegreeOfPosition(int position) {
    return static_cast<std::uint16_t>(position < 0 ? 3600 + position : position);
}

std::optional<int> ParsePosition(const std::string& text) {
    if (text.empty() || text.size() > 12)
        return std::nullopt;
    std::string number = text;
    int sign = 1;
    const char side = number.back();
    if (side == 'E' || side == 'e' || side == 'W' || side == 'w') {
        sign = (side == 'W' || side == 'w') ? -1 : 1;
        number.pop_back();
        if (!number.empty() && (number[0] == '-' || number[0] == '+'))
            return std::nullopt; // "-19.2E" says two things
    }
    // from_chars reads the point whatever the locale says.
    double degrees = 0;
    const char* last = number.data() + number.size();
    const auto [end, error] = std::from_chars(number.data(), last, degrees);
    if (number.empty() || error != std::errc() || end != last || !std::isfinite(degrees))
        return std::nullopt;
    const long tenths = std::lround(degrees * 10) * sign;
    if (tenths < -1800 || tenths > 1800)
        return std::nullopt;
    return static_cast<int>(tenths);
}

} // namespace chanforge::transponders
