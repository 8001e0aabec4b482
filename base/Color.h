// Colour arithmetic of the button: the split, compose and shift helpers
// that every face, ramp and preset uses.
#pragma once

#include <cstdint>

#include <vemmix/Color.h>

namespace vemmix {

struct RgbComponents {
    std::int32_t r = 0;
    std::int32_t g = 0;
    std::int32_t b = 0;
};

// Splits the low 24 bits into components.
constexpr RgbComponents SplitColor(COLORREF colour) {
    return {static_cast<std::int32_t>(colour & 0xFFu),
            static_cast<std::int32_t>((colour & 0xFF00u) >> 8),
            static_cast<std::int32_t>((colour & 0xFF0000u) >> 16)};
}

constexpr std::int32_t ClampComponent(std::int32_t v) { return v < 0 ? 0 : (v > 255 ? 255 : v); }

// Clamps each component to 0..255 in place (the caller sees the clamped
// values) and composes them.
constexpr COLORREF ComposeColor(std::int32_t& r, std::int32_t& g, std::int32_t& b) {
    r = ClampComponent(r);
    g = ClampComponent(g);
    b = ClampComponent(b);
    return static_cast<COLORREF>(r) | (static_cast<COLORREF>(g) << 8) |
           (static_cast<COLORREF>(b) << 16);
}

// Adds signed deltas to the components of a plain colour, clamping each.
constexpr COLORREF ShiftColor(COLORREF colour, std::int16_t dR, std::int16_t dG,
                              std::int16_t dB) {
    RgbComponents c = SplitColor(colour);
    c.r += dR;
    c.g += dG;
    c.b += dB;
    return ComposeColor(c.r, c.g, c.b);
}

}  // namespace vemmix
