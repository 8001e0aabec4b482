// Bounds on what the library accepts from callers and saved data, in one
// place (docs/reliability.md lists them): a hostile value must not make the
// button allocate, draw or recurse without bound. Every way a value enters
// (a typed setter, the dispatch path, a property bag, a font object's own
// setters) applies the same bound, so a value the button took is a value
// it loads again.
#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include <vemmix/ContainerServices.h>
#include <vemmix/Variant.h>

namespace vemmix {

// ---- pictures ---------------------------------------------------------------
// A picture's declared size in screen pixels (its HIMETRIC size at the
// screen's resolution, nearest, halves to even) lies within 1 .. 16384 a
// side and 64 Mpixels in all; it only places the picture, and a repaint
// costs what lands inside the button, whatever it declares.
inline constexpr std::int64_t kMaxPictureSide = 16384;
inline constexpr std::int64_t kMaxPicturePixels = std::int64_t{64} * 1024 * 1024;

constexpr bool AcceptablePixelSize(std::int64_t width, std::int64_t height) {
    return width > 0 && height > 0 && width <= kMaxPictureSide && height <= kMaxPictureSide &&
           width * height <= kMaxPicturePixels;
}

// The image a button holds (a bitmap's pixels, an icon's) lies within
// 16384 a side and 4 Mpixels (2048 x 2048) in all: a stretched picture is
// shrunk from every pixel of its image at each repaint, and 4 Mpixels
// keep that within a few milliseconds.
inline constexpr std::int64_t kMaxImagePixels = std::int64_t{4} * 1024 * 1024;

constexpr bool AcceptableImageSize(std::int64_t width, std::int64_t height) {
    return AcceptablePixelSize(width, height) && width * height <= kMaxImagePixels;
}

// The automatic effect pictures are made for pictures declaring at most as
// many pixels as an image may have (2048 x 2048); a larger picture gets
// none, and those states show Picture itself, so regenerating the four
// stays within tens of milliseconds and 64 megabytes.
inline constexpr std::int64_t kMaxEffectPixels = kMaxImagePixels;

// The screen resolution the button converts HIMETRIC with: what the
// container reports, or 96 dots per inch for an answer of no sense.
inline constexpr int kDefaultDpi = 96;
inline constexpr int kMaxDpi = 10000;
constexpr int UsableDpi(int dpi) { return dpi > 0 && dpi <= kMaxDpi ? dpi : kDefaultDpi; }

// ---- text -------------------------------------------------------------------
// Captions and titles: a text longer than any string the automation
// boundary converts is not a caption.
inline constexpr std::size_t kMaxTextLength = kMaxStringLength;

// ---- fonts ------------------------------------------------------------------
// The caption's text font is made from these; an empty or absurd name, or
// a size no renderer can honour (NaN, 0.5, 10^9 points), is refused so that
// no drawing code ever meets it.
inline constexpr std::size_t kMaxFontNameLength = 255;
inline constexpr double kMinFontPoints = 1.0;
inline constexpr double kMaxFontPoints = 2048.0;

constexpr bool AcceptableFontName(std::u16string_view name) {
    return !name.empty() && name.size() <= kMaxFontNameLength &&
           name.find(u'\0') == std::u16string_view::npos;
}
inline bool AcceptableFontSize(double points) {
    return std::isfinite(points) && points >= kMinFontPoints && points <= kMaxFontPoints;
}

// ---- events -----------------------------------------------------------------
// Events nested inside event handlers, across all the controls of a
// container (<vemmix/ContainerServices.h>) and per button.
inline constexpr int kMaxEventDepth = kMaxEventNesting;

}  // namespace vemmix
