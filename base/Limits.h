// Bounds on what the library accepts from callers and saved data, in one
// place: a hostile value must not make it allocate or draw without bound.
#pragma once

#include <cstddef>
#include <cstdint>

#include <vemmix/Variant.h>

namespace vemmix {

// Pictures: the effect generator and the transparent drawing allocate
// scratch bitmaps of a picture's size, so a picture's size bounds memory.
// 16384 pixels a side and 64 Mpixels in all.
inline constexpr std::int64_t kMaxPictureSide = 16384;
inline constexpr std::int64_t kMaxPicturePixels = std::int64_t{64} * 1024 * 1024;

constexpr bool AcceptablePixelSize(std::int64_t width, std::int64_t height) {
    return width > 0 && height > 0 && width <= kMaxPictureSide && height <= kMaxPictureSide &&
           width * height <= kMaxPicturePixels;
}

// Captions and titles: a text longer than any string the automation
// boundary converts is not a caption.
inline constexpr std::size_t kMaxTextLength = kMaxStringLength;

// Fonts: the caption's text font is made from these; an empty or absurd
// name, or a size no renderer can honour (NaN, 0, 10^9 points), is refused
// so that no drawing code ever meets it.
inline constexpr std::size_t kMaxFontNameLength = 255;
inline constexpr double kMinFontPoints = 1.0;
inline constexpr double kMaxFontPoints = 2048.0;

}  // namespace vemmix
