// Private to the drawing surface: the pixel kernels.
//
// Everything here trusts its input: coordinates handed to a kernel that
// says "Clipped" are already inside the surface, so the inner loops write
// contiguous runs without testing each pixel. Shapes that need a union of
// pieces (wide pens) are gathered in a CoverageMask covering only the part
// of the bitmap they can touch, then painted run by run.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

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

Surface SurfaceOf(BitmapObject& bitmap);

// The stored value of a colour on this surface: 0xXXRRGGBB for 32 bpp; for
// a monochrome bitmap the nearer of black (0) and white (1).
std::uint32_t StoredValue(const Surface& s, COLORREF color);
COLORREF ColorOfStored(const Surface& s, std::uint32_t value);
PixelOp CopyOp(const Surface& s, COLORREF color);
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
bool Intersect(const RECT& a, const RECT& b, RECT* out);

// ---- kernels over clipped input ----------------------------------------------
void SpanClipped(const Surface& s, int y, int x0, int x1, PixelOp op);  // x0 < x1
void RectClipped(const Surface& s, const RECT& r, PixelOp op);          // non-empty, inside

// A rectangle in device coordinates: clipped here, then filled.
void FillDeviceRect(const Surface& s, const RECT& r, PixelOp op);

// One-pixel line from a to b, b itself not painted, with the Bresenham
// stepping and octant bias of GDI. Clips analytically, then steps.
void ThinLine(const Surface& s, POINT a, POINT b, PixelOp op);

// ---- coverage of wide pens and rounded interiors -----------------------------
class CoverageMask {
public:
    // Covers `box` intersected with the surface.
    CoverageMask(const Surface& s, const RECT& box);

    bool Empty() const { return m_Box.left >= m_Box.right || m_Box.top >= m_Box.bottom; }
    const RECT& Box() const { return m_Box; }
    // False when nothing within `margin` pixels of the segment a-b can be
    // covered, so that the segment's pieces need not be built.
    bool Reaches(POINT a, POINT b, int margin) const;
    void AddRect(const RECT& r);
    void AddSpan(int y, int x0, int x1);
    // The ellipse region GDI builds for CreateEllipticRgn(l, t, r, b) and the
    // round-rectangle region of CreateRoundRectRgn, offset by (dx, dy).
    void AddRoundRectRegion(int left, int top, int right, int bottom, int ellipseWidth,
                            int ellipseHeight);
    // A polygon region filled with the alternate rule, scan-converted the
    // way GDI regions are (top rows in, bottom row and right edges out).
    void AddPolygon(const POINT* points, int count);

    // Paints the covered pixels (or, with `covered` false, the uncovered
    // pixels of `area`) with `op`.
    void Paint(const Surface& s, PixelOp op) const;
    void PaintUncovered(const Surface& s, const CoverageMask& area, PixelOp op) const;

private:
    std::uint8_t* Row(int y) { return &m_Bits[static_cast<std::size_t>(y - m_Box.top) * Width()]; }
    const std::uint8_t* Row(int y) const {
        return &m_Bits[static_cast<std::size_t>(y - m_Box.top) * Width()];
    }
    int Width() const { return m_Box.right - m_Box.left; }

    RECT m_Box;
    std::vector<std::uint8_t> m_Bits;
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
// not), gathered into `mask`.
void WidePenLines(CoverageMask& mask, int penWidth, const POINT* points, int count, bool closed);

}  // namespace vemmix::gdi::detail

#include "render/GdiRegionRows.h"
