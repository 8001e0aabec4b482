// What a button takes as a text, a font or a picture: one rule per kind of
// value, applied wherever such a value enters (the typed setters, and so the
// dispatch path; the property-bag reader; the font object's own setters for
// its name and size). A value one way takes is a value every other way
// takes, so a button set up through its API saves and loads as the same
// button. The bounds are base/Limits.h.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include <vemmix/Errors.h>
#include <vemmix/StdObjects.h>

namespace vemmix {

// Why a value was refused: the error number a setter returns and the text a
// property bag's log gets.
struct Refusal {
    std::int32_t error = errors::kInvalidPropertyValue;
    std::u16string_view reason;
};

// A caption or title: at most kMaxTextLength characters (380).
std::optional<Refusal> CheckText(std::u16string_view text);
// A font: no object, or a name of 1 to 255 characters without NUL and a
// size of 1 to 2048 points (380).
std::optional<Refusal> CheckFont(const FontRef& font);
// A picture: no object, the empty picture, or a bitmap, metafile or icon
// whose declared size at the given resolution is at least 1 pixel a side
// (as drawing rounds it) and within the picture bounds, and whose image
// (a bitmap's, an icon's arrays) is within the image bounds (481).
std::optional<Refusal> CheckPicture(const PictureRef& picture, int dpiX, int dpiY);

}  // namespace vemmix
