// The built-in text renderer of the headless container: deterministic
// across machines and free of system fonts, so that pixel tests of
// captions are exact. Every character is a cell of fixed size and each
// visible glyph a filled box, with these metrics:
//
//   h  line height        |lfHeight|, or 13 when lfHeight is 0
//   a  advance (width)    (h + 1) / 2, plus 1 when lfWeight >= 600 (bold)
//   t  glyph inset        h / 5                        (integer division)
//
// For a character cell whose left edge is cx on a line whose top is ty:
//   glyph      columns cx .. cx + a - 2, rows ty + t .. ty + h - t - 1,
//              for every character but space (bold is one column wider
//              because a is); italic draws as regular; the face name and
//              the reading direction change nothing
//   underline  row ty + h - 1, columns cx .. cx + a - 1, for the character
//              after a single '&' and, with lfUnderline, the whole line
//   strike-out row ty + h / 2 across the whole line (lfStrikeOut)
//   opaque     background mode OPAQUE fills the line's cells, rows ty ..
//              ty + h - 1, with the background colour before the glyphs
//
// Layout: lines are h apart from rect.top. A line's width is a times its
// characters (a '&' prefix takes no room). '\n', '\r' and "\r\n" end a line,
// except under DT_SINGLELINE where they are left out; a trailing break
// starts no further line, and empty text has no line at all. With
// DT_WORDBREAK a line ends before the word that would cross
// rect.right - rect.left (the spaces at the break are dropped); a word
// longer than the line is broken before its first character that does not
// fit; every line holds at least one character. Lines start at x = left
// (DT_LEFT), floor((left + right - width) / 2) (DT_CENTER) or right - width
// (DT_RIGHT). DT_CALCRECT draws nothing and sets right = left + the widest
// line and bottom = top + lines * h. The return value is lines * h.
// Drawing is clipped to the bitmap only. On a 1-bit bitmap a colour whose
// components sum to more than 381 sets bits, any other clears them.
#pragma once

#include <memory>

#include <vemmix/TextRenderer.h>

namespace vemmix::headless {

std::unique_ptr<TextRenderer> MakeBuiltinTextRenderer();

}  // namespace vemmix::headless
