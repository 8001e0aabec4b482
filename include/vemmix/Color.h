// Colours as the button's properties hold them, and the platform's system
// colours that translate references into plain RGB values.
#pragma once

#include <cstdint>
#include <optional>

#include <vemmix/Export.h>
#include <vemmix/Surface.h>

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
class VEMMIX_EXPORT SystemColorTable {
public:
    virtual ~SystemColorTable();
    virtual std::optional<COLORREF> SystemColor(int index) const = 0;
};

// The number of system colours the classic scheme defines (indices 0 to 30).
constexpr int kSystemColorCount = 31;

// The classic Windows default scheme, indices 0 to 30; the documented table
// for tests and the headless container.
VEMMIX_EXPORT const SystemColorTable& ClassicSystemColors();

// OleTranslateColor without a palette: a plain colour (high byte 0) is
// returned unchanged, a system-colour reference is looked up, and anything
// that cannot be translated gives 0 (black).
VEMMIX_EXPORT COLORREF TranslateColor(OleColor colour, const SystemColorTable& system);

}  // namespace vemmix
