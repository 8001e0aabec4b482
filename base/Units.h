// Scaling between units: HIMETRIC (0.01 mm, 2540 to the inch), pixels at a
// resolution, points (72 to the inch).
#pragma once

#include <cstdint>
#include <optional>

namespace vemmix {

inline constexpr std::int64_t kHimetricPerInch = 2540;

// value * numerator / denominator, rounded to the nearest integer with
// halves to the even neighbour; nothing when the denominator is not
// positive.
constexpr std::optional<std::int64_t> ScaleNearestEven(std::int64_t value, std::int64_t numerator,
                                                       std::int64_t denominator) {
    if (denominator <= 0) return std::nullopt;
    const std::int64_t product = value * numerator;
    std::int64_t quotient = product / denominator;
    std::int64_t remainder = product % denominator;
    if (remainder < 0) {  // floor division
        remainder += denominator;
        --quotient;
    }
    if (remainder * 2 > denominator || (remainder * 2 == denominator && (quotient & 1) != 0))
        ++quotient;
    return quotient;
}

// HIMETRIC to pixels and back at `dpi` dots per inch, nearest, halves to
// even (the product fits 64 bits for any 32-bit size and resolution).
constexpr std::optional<std::int64_t> HimetricToPixels(std::int32_t himetric, int dpi) {
    return ScaleNearestEven(himetric, dpi, kHimetricPerInch);
}
constexpr std::optional<std::int64_t> PixelsToHimetric(std::int32_t pixels, int dpi) {
    return ScaleNearestEven(pixels, kHimetricPerInch, dpi);
}

// a * b / c rounded half away from zero; -1 when c is 0 or the result does
// not fit, as the system's MulDiv answers.
constexpr std::int32_t MulDiv(std::int32_t a, std::int32_t b, std::int32_t c) {
    if (c == 0) return -1;
    const std::int64_t product = static_cast<std::int64_t>(a) * b;
    const bool negative = (product < 0) != (c < 0);
    const std::int64_t p = product < 0 ? -product : product;
    const std::int64_t q = c < 0 ? -std::int64_t{c} : std::int64_t{c};
    std::int64_t result = (p + q / 2) / q;
    if (negative) result = -result;
    if (result < INT32_MIN || result > INT32_MAX) return -1;
    return static_cast<std::int32_t>(result);
}

}  // namespace vemmix
