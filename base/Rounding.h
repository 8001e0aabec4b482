// Rounding from floating point to integers: to the nearest integer, halves
// to the even neighbour, always, whatever the floating-point environment's
// rounding mode.
#pragma once

#include <cmath>
#include <limits>
#include <optional>

namespace vemmix {

// The nearest integral value; NaN and the infinities come back unchanged.
inline double RoundHalfEven(double value) {
    const double down = std::floor(value);
    const double rest = value - down;
    if (rest > 0.5 || (rest == 0.5 && std::fmod(down, 2.0) != 0.0)) return down + 1.0;
    return down;
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
