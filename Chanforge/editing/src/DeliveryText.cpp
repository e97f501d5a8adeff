#include "chanforge/editing/DeliveryText.h"

#include "chanforge/codec/TransponderMux.h"
#include "policy/Policy.h"
#include "utils/Names.h"
#include "utils/Strings.h"

#include <array>
#include <cstdio>
#include <cstring>

namespace chanforge::editing {

namespace {

std::string Format(const char* format, auto... args) {
    char buffer[64] = {};
    std::snprintf(buffer, sizeof buffer, format, args...);
    return buffer;
}

template <std::size_t N> std::string Pick(const std::array<const char*, N>& names, unsigned code) {
    return code < N ? names[code] : "--";
}

} // namespace

std::string DegreeText(std::uint16_t degree) {
    if (degree > 3600)
        return Format("?(%u)", static_cast<unsigned>(degree));
    if (degree <= 1800)
        return Format("%3.1fE", degree / 10.0);
    return Format("%3.1fW", (3600 - degree) / 10.0);
}

SMux_Info_Tag MuxFromTransponder(const Transponder_Info_Tag& tp) {
    const codec::TransponderMux read = codec::ReadTransponderMux(tp);
    SMux_Info_Tag mux{};
    mux.RowID = tp.RowID;
    mux.MuxParams = read.MuxParams;
    mux.Word1 = read.Word1;
    mux.MuxNameIndex = read.MuxNameIndex;
    mux.Byte12 = read.Byte12;
    mux.Byte13 = read.Byte13;
    mux.SatID = read.SatID;
    mux.TPID = read.TPID;
    return mux;
}

int MuxFrequency(const SMux_Info_Tag& mux) {
    return GetMuxFrequency(static_cast<std::uint8_t>(mux.TPID - 1), (mux.MuxParams >> 3) & 7);
}

std::string MuxName(const SMux_Info_Tag& mux) {
    char name[16] = {};
    GetMuxName(mux.MuxNameIndex, name);
    return name;
}

std::string MuxFrequencyText(const SMux_Info_Tag& mux) {
    const int f = MuxFrequency(mux);
    return Format("%03d.%d", f / 1000, f % 1000);
}

std::string TxModeText(std::uint32_t p) {
    switch ((p >> 1) & 3) {
    case 1:
        return "2K";
    case 2:
        return "8K";
    default:
        return "";
    }
}

std::string CodeRateText(std::uint32_t p) {
    static constexpr std::array<const char*, 6> kNames = {"--", "1/2", "2/3", "3/4", "5/6", "7/8"};
    return Pick(kNames, (p >> 8) & 7);
}

std::string ConstellationText(std::uint32_t p) {
    static constexpr std::array<const char*, 4> kNames = {"--", "QPSK", "16QAM", "64QAM"};
    return Pick(kNames, (p >> 6) & 3);
}

std::string GuardText(std::uint32_t p) {
    static constexpr std::array<const char*, 5> kNames = {"--", "1/32", "1/16", "1/8", "1/4"};
    return Pick(kNames, (p >> 11) & 31);
}

std::string PriorityText(std::uint32_t p) {
    static constexpr std::array<const char*, 4> kNames = {"Auto", "High", "Low", "--"};
    return Pick(kNames, (p >> 16) & 3);
}

std::string CableFrequencyText(std::uint32_t kHz) {
    return Format("%03u.%03u MHz", kHz / 1000, kHz % 1000);
}

std::string QamText(int code) {
    static constexpr std::array<const char*, 6> kNames = {"--",     "16 QAM",  "32 QAM",
                                                          "64 QAM", "128 QAM", "256 QAM"};
    return code >= 0 ? Pick(kNames, static_cast<unsigned>(code)) : "--";
}

std::string Grouped(unsigned value) {
    char digits[32] = {};
    std::snprintf(digits, sizeof digits, "%u", value);
    MakeCommaDigitString(digits);
    return digits;
}

std::string FECText(const Transponder_Info_Tag& tp, const policy::ProductKind& product) {
    const bool extended = product.ExtendedTransponders();
    char name[kNameBufferSize] = {};
    GetFECName(extended ? tp.TxMode & 15 : 0, extended ? tp.Modulation : 0, tp.PolFEC & 0xF0, name);
    return name;
}

} // namespace chanforge::editing
