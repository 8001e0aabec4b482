// The text renderer of the desktop: DrawText laid out and shaped by Qt
// (QTextLayout, so Thai, Hebrew, Arabic and every other script come out
// right, bidirectional text included) and painted by QPainter straight
// into the surface's own pixels.
//
//   font      the face name (the font's own UTF-16 name, else the ANSI
//             one), with the classic Windows names ("MS Sans Serif",
//             "Tahoma", "Courier New" …) resolved through fontconfig to the
//             desktop's sans-serif, serif or monospace face; pixel height
//             |lfHeight| (negative: the character height; positive: the
//             cell height; 0: 13 pixels); weight, italic, underline and
//             strike-out as given. Glyphs are antialiased in grey, never
//             with subpixel colour fringes.
//   lines     a line is the font's ascent plus descent high; '\r', '\n'
//             and "\r\n" end a line (left out under DT_SINGLELINE); with
//             DT_WORDBREAK lines wrap at word boundaries within the
//             rectangle's width, and a word longer than the line is broken
//             between characters; the spaces at a break take no room.
//   prefix    unless DT_NOPREFIX, a single '&' underlines the next
//             character and is not drawn; "&&" draws one '&'.
//   placing   each line at the left (DT_LEFT), floor((left + right -
//             width) / 2) (DT_CENTER) or right - width (DT_RIGHT); the
//             target's direction is the base direction of bidirectional
//             text. Drawing is clipped to the bitmap only.
//   measure   DT_CALCRECT draws nothing and sets right to left + the widest
//             line and bottom to top + the height; the result is the height.
//   pixels    only pixels the text covers change; each is written with its
//             fourth byte 0.
//
// Layouts are cached by font, text, width and flags, so drawing the same
// caption again (a repaint, or the drawing call after the measuring one)
// does not lay it out again; each font is resolved once, however many
// captions use it. Needs a QGuiApplication.
#pragma once

#include <cstdint>
#include <memory>

#include <vemmix/TextRenderer.h>
#include <vemmix/host/Export.h>

namespace vemmix::host {

class VEMMIX_HOST_EXPORT QtTextRenderer final : public TextRenderer {
public:
    QtTextRenderer();
    ~QtTextRenderer() override;

    int DrawText(const Target& target, const Font& font, std::u16string_view text,
                 gdi::RECT& rect, unsigned format) override;

    // How many times text was laid out (cache misses), for tests.
    std::uint64_t layoutCount() const;

private:
    class Impl;
    std::unique_ptr<Impl> m_Impl;
};

}  // namespace vemmix::host
