// Rounding from floating point to integers: to the nearest integer, halves
// to the even neighbour, always, whatever the floating-point environment's
// rounding mode.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

namespace vemmix {

// The nearest integral value; NaN and the infinities come back unchanged.
// It is floor(value) plus one when the rest is over a half, or exactly a
// half with an odd floor; worked out in integers (no library call), since
// every gradient row of a face rounds its ramp index.
inline double RoundHalfEven(double value) {
    // From 2^52 on every double is whole.
    constexpr double kWhole = 4503599627370496.0;
    if (!(std::fabs(value) < kWhole)) return value;
    const auto truncated = static_cast<std::int64_t>(value);  // towards zero, exact here
    const std::int64_t down = static_cast<double>(truncated) > value ? truncated - 1 : truncated;
    const double rest = value - static_cast<double>(down);
    if (rest > 0.5 || (rest == 0.5 && (down & 1) != 0)) return static_cast<double>(down + 1);
    return value == 0.0 ? value : static_cast<double>(down);  // -0.0 stays -0.0, as floor keeps it
}

// The nearest value of an integer type; nothing when the value is not a
// number or the rounded value does not fit (32767.5 overflows a 16-bit
// integer).
template <class Int>
std::optional<Int> RoundTo(double value) {
    const double rounded = RoundHalfEven(value);
    if (!(rounded >= static_cast<double>(std::numeric_limits<Int>::min()) &&
          rounded <= static_cast<double>(std::numeric_limits<Int>::max())))
        return std::nullopt;
    return static_cast<Int>(rounded);
}

}  // namespace vemmix
