// The guard every step of the button's routines runs under, and the
// checked arithmetic that makes a step fail the way the button's original
// 16-bit integer code fails: a value that does not fit raises, the step is
// skipped, and the variable it would have set keeps its previous value.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

namespace vemmix {

// Raised by a checked operation; caught by RunStep.
struct StepFailed {};

// Runs one step; a step that fails is skipped and the caller goes on.
template <class Step>
void RunStep(Step&& step) noexcept {
    try {
        step();
    } catch (...) {
    }
}

// A value stored into a 16-bit integer.
inline std::int16_t CheckedInt16(std::int64_t value) {
    if (value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max())
        throw StepFailed{};
    return static_cast<std::int16_t>(value);
}

// A value stored into a 32-bit integer.
inline std::int32_t CheckedInt32(std::int64_t value) {
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max())
        throw StepFailed{};
    return static_cast<std::int32_t>(value);
}

// Floating point to integer: nearest, halves to the even neighbour (the
// default rounding mode), failing when the result does not fit.
inline std::int32_t Nearest32(double value) {
    const double rounded = std::nearbyint(value);
    if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0)) throw StepFailed{};
    return static_cast<std::int32_t>(rounded);
}

// A floating-point size as whole pixels, halves to even; nothing when the
// value is not finite or does not fit.
inline std::optional<std::int32_t> NearestPixels(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    const double rounded = std::nearbyint(value);
    if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0)) return std::nullopt;
    return static_cast<std::int32_t>(rounded);
}

inline std::int16_t Nearest16(double value) {
    const double rounded = std::nearbyint(value);
    if (!(rounded >= -32768.0 && rounded <= 32767.0)) throw StepFailed{};
    return static_cast<std::int16_t>(rounded);
}

}  // namespace vemmix
