// Drawing a picture with transparency: pixels of the mask colour let the
// destination show through. Bitmaps are copied (optionally stretched),
// icons are first rendered onto a mask-coloured square so that their own
// transparent parts become mask-coloured too. Other picture types draw
// nothing.
#pragma once

#include <cstdint>

#include <vemmix/StdObjects.h>
#include "render/Gdi.h"

namespace vemmix::content {

// A picture property counts as set when it holds an image: the empty
// picture object (type None) a new button starts with is no picture.
inline bool IsPictureSet(const PictureRef& picture) {
    return picture && picture->type != PictureType::None;
}

// HIMETRIC units (0.01 mm) to pixels at `dpi`, nearest, halves to even.
std::int32_t PixelsFromHimetric(std::int32_t himetric, int dpi);

// Draws `picture` into (x, y, width, height) of `dest`. `maskColour` is an
// RGB value; `palette` may be null (a halftone palette is made for the
// call). Source size 0 means no stretching; a bitmap is stretched only when
// `stretch` is set and sourceWidth is not 0.
void DrawPicture(gdi::HDC dest, int x, int y, int width, int height, const StdPicture* picture,
                 int sourceX, int sourceY, gdi::COLORREF maskColour, gdi::HPALETTE palette,
                 int sourceWidth, int sourceHeight, bool stretch);

// Copies a width x height block from `source` to `dest`, leaving the
// destination untouched where the source has `maskColour`. The destination
// is written once, at the end, so it never shows an intermediate state.
void TransparentBlt(gdi::HDC dest, int x, int y, int width, int height, gdi::HDC source,
                    int sourceX, int sourceY, gdi::COLORREF maskColour, gdi::HPALETTE palette,
                    int sourceWidth, int sourceHeight, bool stretch);

}  // namespace vemmix::content
