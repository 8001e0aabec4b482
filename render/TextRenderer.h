// The text renderer behind DrawTextW / DrawTextA. The platform supplies one
// (a deterministic built-in renderer for tests, a Qt renderer on the
// desktop); it lays out and paints into the context's bitmap.
#pragma once

#include <string_view>

#include "render/Gdi.h"

namespace vemmix {

class TextRenderer {
public:
    virtual ~TextRenderer() = default;

    struct Target {
        gdi::PixelView pixels;  // the bitmap selected into the context (32 bpp)
        gdi::COLORREF textColor = 0;
        int backgroundMode = gdi::OPAQUE;
        gdi::COLORREF backgroundColor = 0x00FFFFFF;
    };

    // DrawText semantics for the flags DT_LEFT, DT_CENTER, DT_RIGHT,
    // DT_WORDBREAK, DT_CALCRECT, DT_SINGLELINE and DT_NOPREFIX: a single
    // ampersand underlines the next character and is not drawn, a doubled
    // one draws one ampersand. Drawing is clipped to the bitmap, not to the
    // rectangle (DT_NOCLIP is the GDI default for a memory context here).
    // Returns the height of the laid-out text. With DT_CALCRECT nothing is
    // drawn and rect.right / rect.bottom receive the measured extent.
    virtual int DrawText(const Target& target, const gdi::LOGFONT& font, std::u16string_view text,
                         gdi::RECT& rect, unsigned format) = 0;
};

}  // namespace vemmix
