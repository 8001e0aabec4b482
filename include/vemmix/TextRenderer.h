// The text renderer behind DrawTextW / DrawTextA. The platform supplies one
// (a deterministic built-in renderer for tests, a Qt renderer on the
// desktop); it lays out and paints into the context's bitmap.
#pragma once

#include <string_view>

#include <vemmix/Export.h>
#include <vemmix/Surface.h>

namespace vemmix {

class VEMMIX_EXPORT TextRenderer {
public:
    virtual ~TextRenderer();

    enum class Direction : unsigned char { LeftToRight, RightToLeft };

    struct Target {
        gdi::PixelView pixels;  // the bitmap selected into the context (32 bpp)
        gdi::COLORREF textColor = 0;
        int backgroundMode = gdi::OPAQUE;
        gdi::COLORREF backgroundColor = 0x00FFFFFF;
        // The reading order of the window the text is drawn for: the base
        // direction of bidirectional text. Alignment stays with the flags.
        Direction direction = Direction::LeftToRight;
    };

    // The font: the LOGFONT the drawing code built (height in pixels,
    // weight, italic, underline, strike-out, character set, and the ANSI
    // face name cut to 31 bytes), and the font's own UTF-16 face name,
    // whole (empty when the font was made from the LOGFONT alone). A
    // renderer takes the face from `faceName` when it is not empty.
    struct Font {
        const gdi::LOGFONT& logFont;
        std::u16string_view faceName;
    };

    // DrawText semantics for the flags DT_LEFT, DT_CENTER, DT_RIGHT,
    // DT_WORDBREAK, DT_CALCRECT, DT_SINGLELINE and DT_NOPREFIX: a single
    // ampersand underlines the next character and is not drawn, a doubled
    // one draws one ampersand. Drawing is clipped to the bitmap, not to the
    // rectangle (DT_NOCLIP is the GDI default for a memory context here).
    // Returns the height of the laid-out text. With DT_CALCRECT nothing is
    // drawn and rect.right / rect.bottom receive the measured extent; the
    // measuring call and the drawing call of the same text, font, width and
    // flags agree on every line break.
    //
    // Pixels: a renderer changes only the pixels its glyphs, underlines,
    // strike-outs and (OPAQUE mode) line backgrounds cover, and writes each
    // as 0x00RRGGBB, its fourth byte 0, as every colour fill of the surface
    // does (the surface compares whole 32-bit values when it converts
    // colour to monochrome). Antialiased edges blend the text colour over
    // the pixel beneath.
    virtual int DrawText(const Target& target, const Font& font, std::u16string_view text,
                         gdi::RECT& rect, unsigned format) = 0;
};

}  // namespace vemmix
