// Drawing a picture with transparency: pixels of the mask colour let the
// destination show through. Bitmaps are copied (optionally stretched),
// icons are first rendered onto a mask-coloured square so that their own
// transparent parts become mask-coloured too. Other picture types draw
// nothing.
#pragma once

#include <cstdint>
#include <optional>

#include <vemmix/StdObjects.h>
#include "render/Gdi.h"

namespace vemmix::content {

// A picture property counts as set when it holds an image: the empty
// picture object (type None) a new button starts with is no picture.
inline bool IsPictureSet(const PictureRef& picture) {
    return picture && picture->type != PictureType::None;
}

// The part of (x, y, width, height) that lies on the bitmap selected into
// `dc`; nothing when no pixel of it does (or the extents are not positive).
std::optional<gdi::RECT> VisiblePart(gdi::HDC dc, int x, int y, int width, int height);

// A memory context with a bitmap and a palette selected: a bitmap of its
// own (colour, compatible with `screen`, or monochrome) or one it borrows.
// Whatever happens in between, even running out of memory, the previous
// selections come back and what it made goes when it ends.
class MemoryContext {
public:
    MemoryContext(gdi::HDC screen, int width, int height, gdi::HPALETTE palette, bool monochrome);
    MemoryContext(gdi::HBITMAP bitmap, gdi::HPALETTE palette);
    ~MemoryContext() { Release(); }
    MemoryContext(const MemoryContext&) = delete;
    MemoryContext& operator=(const MemoryContext&) = delete;

    gdi::HDC DC() const { return m_DC; }
    // The bitmap is selected: drawing into DC() reaches it.
    bool HasBitmap() const { return static_cast<bool>(m_OldBitmap); }

private:
    void Select(gdi::HBITMAP bitmap, gdi::HPALETTE palette);
    void Release() noexcept;

    gdi::HDC m_DC;
    gdi::HBITMAP m_Bitmap;
    bool m_OwnsBitmap = false;
    gdi::HBITMAP m_OldBitmap;
    gdi::HPALETTE m_OldPalette;
};

// Fills `rect` with a solid brush of `colour` made and deleted for the call.
void FillSolid(gdi::HDC dc, const gdi::RECT& rect, gdi::COLORREF colour);

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
// The work is done for the part that lands on the destination's bitmap
// only, so its cost does not grow with the block's size.
void TransparentBlt(gdi::HDC dest, int x, int y, int width, int height, gdi::HDC source,
                    int sourceX, int sourceY, gdi::COLORREF maskColour, gdi::HPALETTE palette,
                    int sourceWidth, int sourceHeight, bool stretch);

}  // namespace vemmix::content
