// The automatic picture effects: grey, lighter and darker versions of a
// bitmap, computed on its pixel array through lookup tables. Pixels of the
// mask colour are left as they are, so transparency survives an effect.
#pragma once

#include <cstdint>
#include <span>

#include "render/Gdi.h"

namespace vemmix::content {

// The pixel arrays of one effect run: `working` receives the result,
// `original` is an untouched copy of the same pixels (or `working` itself:
// each pixel is read before it is written). Both hold width x height
// pixels of four bytes B, G, R, X, rows top-down.
struct PixelArrays {
    std::span<std::uint8_t> working;
    std::span<const std::uint8_t> original;
    gdi::COLORREF mask = 0;  // RGB value of the mask colour
};

// Every pixel becomes the grey (r + g + b) / 3, remainder dropped.
void Grey(const PixelArrays& pixels);
// Every component c becomes f * c rounded (halves to even) and clamped to
// 0..255, with f = (percent + 100) / 100 held in single precision.
void Brightness(const PixelArrays& pixels, std::int32_t percent);

// Changes the pixels of `bitmap` in place by effect code (1 grey, 2 lighter
// by 20 per cent, 3 darker by 15 per cent; anything else leaves them). The
// bitmap must not be selected into a context. False when the bitmap could
// not be read or written.
bool ApplyEffect(gdi::HBITMAP bitmap, std::int32_t effect, gdi::COLORREF mask);

}  // namespace vemmix::content
