// RK numbers: 30-bit integers or the high 30 bits of a double, optionally scaled by 1/100.
#pragma once

#include "BiffFormat.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <optional>

namespace chanforge::xls::rk {

inline constexpr std::uint32_t kTimes100 = 0x1;
inline constexpr std::uint32_t kInteger = 0x2;

/// A decoded RK value: an integer cell, or a floating one.
struct Value {
    bool isInteger;
    std::int32_t integer;
    double number;
};

inline Value Decode(std::uint32_t rk) {
    if (rk & kInteger) {
        const std::int32_t v = static_cast<std::int32_t>(rk) >> 2;
        if (rk & kTimes100)
            return {false, 0, v / 100.0};
        return {true, v, 0};
    }
    const std::uint64_t bits = static_cast<std::uint64_t>(rk & 0xFFFFFFFCu) << 32;
    double d;
    std::memcpy(&d, &bits, sizeof d);
    return {false, 0, (rk & kTimes100) ? d / 100 : d};
}

inline bool FitsInteger(std::int32_t v) {
    return v >= biff::kRkMin && v <= biff::kRkMax;
}

inline std::uint32_t EncodeInteger(std::int32_t v) {
    return (static_cast<std::uint32_t>(v) << 2) | kInteger;
}

/// An RK that decodes to exactly this double as a floating value, if there is one.
inline std::optional<std::uint32_t> EncodeFloat(double v) {
    std::uint64_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    if ((bits & 0x3FFFFFFFFull) == 0)
        return static_cast<std::uint32_t>(bits >> 32);
    const double scaled = v * 100;
    if (std::isfinite(scaled) && scaled == std::trunc(scaled) && scaled >= biff::kRkMin &&
        scaled <= biff::kRkMax) {
        const auto n = static_cast<std::int32_t>(scaled);
        if (n / 100.0 == v)
            return EncodeInteger(n) | kTimes100;
    }
    return std::nullopt;
}

} // namespace chanforge::xls::rk
