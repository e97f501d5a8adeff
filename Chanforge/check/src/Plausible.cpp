#include "Plausible.h"

namespace chanforge::check {

namespace {

constexpr std::uint16_t kMaxDegree = 3600;    ///< tenths of a degree, a full circle
constexpr std::uint16_t kMaxLnbMHz = 25000;   ///< above the Ka band
constexpr std::uint16_t kMinCarrierMHz = 900; ///< L-band intermediate frequencies upwards
constexpr std::uint16_t kMaxCarrierMHz = 25000;
constexpr std::uint16_t kMinSymbolRate = 100; ///< kS/s
constexpr std::uint16_t kMaxSymbolRate = 60000;

bool LnbMakesSense(const LNBSetting& lnb) {
    return lnb.LowFrequency <= kMaxLnbMHz && lnb.HighFrequency <= kMaxLnbMHz;
}

} // namespace

bool NameMakesSense(const char* name, std::size_t size) {
    for (std::size_t i = 0; i < size && name[i] != 0; ++i) {
        const auto b = static_cast<unsigned char>(name[i]);
        if ((b < 0x20 && i > 0) || b == 0x7F)
            return false;
        if (b == 0xFF && i + 1 < size && static_cast<unsigned char>(name[i + 1]) == 0xFF)
            return false;
    }
    return true;
}

bool SatelliteMakesSense(const Satellite_Info_Tag& satellite, bool twoTuners) {
    return NameMakesSense(satellite.Name, sizeof satellite.Name) &&
           satellite.Degree <= kMaxDegree && LnbMakesSense(satellite.Tuner[0]) &&
           (!twoTuners || LnbMakesSense(satellite.Tuner[1]));
}

bool TransponderMakesSense(const Transponder_Info_Tag& transponder) {
    return transponder.Frequency >= kMinCarrierMHz && transponder.Frequency <= kMaxCarrierMHz &&
           transponder.SymbolRate >= kMinSymbolRate && transponder.SymbolRate <= kMaxSymbolRate;
}

bool ChannelMakesSense(const Channel_Info_Tag& channel) {
    return NameMakesSense(channel.Name, sizeof channel.Name) && (IsTV(channel) || IsRadio(channel));
}

} // namespace chanforge::check
