// Private to the drawing surface: the pixel kernels.
//
// Everything here trusts its input: coordinates handed to a kernel that
// says "Clipped" are already inside the surface, so the inner loops write
// contiguous runs without testing each pixel. Shapes made of overlapping
// pieces (wide pens) are painted piece by piece through a SpanPainter that
// clips each to the part of the bitmap the shape can touch.
#pragma once

#include <algorithm>
#include <cstdint>
#include <initializer_list>

#include "render/Gdi.h"
#include "render/GdiObjects.h"

namespace vemmix::gdi::detail {

// A drawing operation as GDI applies it to a destination pixel:
// result = (pixel & andMask) ^ xorMask. Copying a colour is (0, colour);
// inverting is (~0, 0x00FFFFFF).
struct PixelOp {
    std::uint32_t andMask = 0;
    std::uint32_t xorMask = 0;
};

// The selected bitmap of a context, seen as rows of 32-bit values (0/1 for
// a monochrome bitmap).
struct Surface {
    std::uint32_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    int bitsPerPixel = 32;

    std::uint32_t* Row(int y) const { return pixels + static_cast<std::ptrdiff_t>(y) * width; }
    RECT Bounds() const { return RECT{0, 0, width, height}; }
};

inline Surface SurfaceOf(BitmapObject& bitmap) {
    return Surface{bitmap.pixels.Data(), bitmap.width, bitmap.height, bitmap.bitsPerPixel};
}
// The surface for a call that sets every pixel of `covered` before reading
// any: a fresh bitmap's pending zeros are not written when `covered` holds
// the whole bitmap.
inline Surface SurfaceToOverwrite(BitmapObject& bitmap, const RECT& covered) {
    const bool whole = covered.left <= 0 && covered.top <= 0 && covered.right >= bitmap.width &&
                       covered.bottom >= bitmap.height;
    if (!whole) return SurfaceOf(bitmap);
    return Surface{bitmap.pixels.DataToOverwrite(), bitmap.width, bitmap.height, bitmap.bitsPerPixel};
}

// The stored value of a colour on a surface of the given depth:
// 0xXXRRGGBB for 32 bpp; for a monochrome bitmap the nearer of black (0)
// and white (1), by squared distance: white from a component sum of 383.
inline std::uint32_t StoredValue(int bitsPerPixel, COLORREF color) {
    if (bitsPerPixel == 1) {
        const std::uint32_t sum = (color & 0xFFu) + ((color >> 8) & 0xFFu) + ((color >> 16) & 0xFFu);
        return sum >= 383 ? 1u : 0u;
    }
    return PixelFromColor(color & 0x00FFFFFFu);
}
inline std::uint32_t StoredValue(const Surface& s, COLORREF color) {
    return StoredValue(s.bitsPerPixel, color);
}
COLORREF ColorOfStored(const Surface& s, std::uint32_t value);
inline PixelOp CopyOp(const Surface& s, COLORREF color) { return PixelOp{0, StoredValue(s, color)}; }
PixelOp InvertOp(const Surface& s);

// True when every value lies in device space (|v| <= kMaxCoordinate).
inline bool InDeviceSpace(std::initializer_list<std::int64_t> values) {
    for (std::int64_t v : values) {
        if (v < -kMaxCoordinate || v > kMaxCoordinate) return false;
    }
    return true;
}
inline bool InDeviceSpace(const RECT& r) { return InDeviceSpace({r.left, r.top, r.right, r.bottom}); }

// Intersection of two rectangles; false when it is empty.
inline bool Intersect(const RECT& a, const RECT& b, RECT* out) {
    const RECT r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                 std::min(a.bottom, b.bottom)};
    *out = r;
    return r.left < r.right && r.top < r.bottom;
}

// ---- kernels over clipped input ----------------------------------------------
// dest[i] = source[i] with the high byte cleared: a colour copy of pixels.
void CopyWithoutHighBytes(std::uint32_t* dest, const std::uint32_t* source, std::size_t count);
void SpanClipped(const Surface& s, int y, int x0, int x1, PixelOp op);  // x0 < x1
void RectClipped(const Surface& s, const RECT& r, PixelOp op);          // non-empty, inside

// A rectangle in device coordinates: clipped here, then filled.
inline void FillDeviceRect(const Surface& s, const RECT& r, PixelOp op) {
    RECT clipped;
    if (Intersect(r, s.Bounds(), &clipped)) RectClipped(s, clipped, op);
}

// One-pixel line from a to b, b itself not painted, with the Bresenham
// stepping and octant bias of GDI. Clips analytically, then steps.
void ThinLine(const Surface& s, POINT a, POINT b, PixelOp op);

// ThinLine's horizontal and vertical cases, the rows and edges of every
// face: a one-pixel span or column. False for any other line.
inline bool AxisLine(const Surface& s, POINT a, POINT b, PixelOp op) {
    // Drawn from the start towards the end, end excluded: reversed, the
    // run moves one pixel right (or down).
    if (a.y == b.y) {
        const RECT run = a.x <= b.x ? RECT{a.x, a.y, b.x, a.y + 1} : RECT{b.x + 1, a.y, a.x + 1, a.y + 1};
        FillDeviceRect(s, run, op);
        return true;
    }
    if (a.x == b.x) {
        const RECT run = a.y <= b.y ? RECT{a.x, a.y, a.x + 1, b.y} : RECT{a.x, b.y + 1, a.x + 1, a.y + 1};
        FillDeviceRect(s, run, op);
        return true;
    }
    return false;
}

// ---- painting shapes made of pieces -----------------------------------------
// Paints the pieces of a shape (spans, rectangles, polygons) straight onto
// the surface, each clipped to a box. Every op of a pen or a brush copies
// one colour, so pieces that overlap leave the pixels their union would:
// a wide outline needs no coverage mask, and a filled shape is its
// interior painted first and its outline over it.
class SpanPainter {
public:
    // Paints within `box` intersected with the surface; `op` copies a colour.
    SpanPainter(const Surface& s, const RECT& box, PixelOp op);

    bool Empty() const { return m_Box.left >= m_Box.right || m_Box.top >= m_Box.bottom; }
    const RECT& Box() const { return m_Box; }
    // False when nothing within `margin` pixels of the segment a-b can be
    // painted, so that the segment's pieces need not be built.
    bool Reaches(POINT a, POINT b, int margin) const;
    void AddRect(const RECT& r);
    void AddSpan(int y, int x0, int x1);
    // The round-rectangle region of CreateRoundRectRgn.
    void AddRoundRectRegion(int left, int top, int right, int bottom, int ellipseWidth,
                            int ellipseHeight);
    // A polygon region filled with the alternate rule, scan-converted the
    // way GDI regions are (top rows in, bottom row and right edges out).
    void AddPolygon(const POINT* points, int count);

private:
    const Surface& m_Surface;
    RECT m_Box;
    PixelOp m_Op;
};

// Rows of the region CreateRoundRectRgn(left, top, right, bottom, w, h) makes,
// delivered as (y, x0, x1) spans; right and bottom are outside the region.
// The straight rows outside [rowFrom, rowTo) are not delivered, so a tall
// shape over a small bitmap costs no more than its corners.
template <typename SpanFn>
void ForEachRoundRectRow(int left, int top, int right, int bottom, int ellipseWidth,
                         int ellipseHeight, int rowFrom, int rowTo, SpanFn&& span);

// Points of the first quadrant of a w x h ellipse (Zingl's algorithm), from
// (w - 1, h / 2) up to the top; `out` receives at most w + h points.
int EllipseFirstQuadrant(int width, int height, POINT* out);

// Wide solid pen with round caps and joins along a polyline (closed or
// not), painted through `out`.
void WidePenLines(SpanPainter& out, int penWidth, const POINT* points, int count, bool closed);

}  // namespace vemmix::gdi::detail

#include "render/GdiRegionRows.h"
