// Colour arithmetic of the button: system-colour translation and the split,
// compose and shift helpers that every face and ramp uses.
#pragma once

#include <cstdint>
#include <optional>

#include "render/Gdi.h"

namespace vemmix {

// A colour as the host sets it (OLE_COLOR): a plain RGB value
// R + G*256 + B*65536, or 0x80000000 + n naming system colour n. Held as a
// signed 32-bit value, as the automation boundary carries it, so that -1
// (the tooltip's "default colour") compares equal whatever width it came in.
using OleColor = std::int32_t;
using gdi::COLORREF;

constexpr OleColor SystemColorRef(int index) {
    return static_cast<OleColor>(0x80000000u + static_cast<std::uint32_t>(index));
}
constexpr bool IsSystemColorRef(OleColor c) {
    return (static_cast<std::uint32_t>(c) & 0xFF000000u) == 0x80000000u;
}

// The platform's system colours (COLOR_3DFACE = 15 and the rest).
class SystemColorTable {
public:
    virtual ~SystemColorTable() = default;
    virtual std::optional<COLORREF> SystemColor(int index) const = 0;
};

// The classic Windows default scheme, indices 0 to 30; the documented table
// for tests and the headless container.
const SystemColorTable& ClassicSystemColors();

// OleTranslateColor without a palette: a plain colour (high byte 0) is
// returned unchanged, a system-colour reference is looked up, and anything
// that cannot be translated gives 0 (black).
COLORREF TranslateColor(OleColor colour, const SystemColorTable& system);

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
