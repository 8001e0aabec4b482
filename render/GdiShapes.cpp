// The drawing calls: lines, rectangles, rounded rectangles, frames, fills,
// single pixels and focus rectangles. Each maps its coordinates by the GDI
// edge rules, clips, and hands trusted input to a kernel of GdiRaster.
#include <algorithm>
#include <cstdlib>
#include <optional>
#include <vector>

#include "render/GdiObjects.h"
#include "render/GdiRaster.h"

namespace vemmix::gdi {

using namespace detail;

namespace {

// A context that can be drawn on: its state and its bitmap. The pixels are
// reached once the call knows what it will do with them (SurfaceOf, or
// SurfaceToOverwrite for a fill that may cover the whole bitmap).
struct DrawTarget {
    DcObject* dc = nullptr;
    BitmapObject* bitmap = nullptr;
};

bool Resolve(HDC dc, DrawTarget* out) {
    DcObject* d = FindDc(dc.id);
    if (d == nullptr) return false;
    BitmapObject* b = FindBitmap(d->bitmap);
    if (b == nullptr) return false;
    out->dc = d;
    out->bitmap = b;
    return true;
}

struct PenState {
    int style = PS_SOLID;
    int width = 1;  // device width, at least 1
    COLORREF color = 0;
};

PenState PenFrom(const PenObject* pen) {
    PenState p;
    if (pen != nullptr) {
        p.style = pen->style;
        p.width = std::max(1, pen->width);
        p.color = pen->color;
    }
    return p;
}

PenState PenOf(const DcObject& d) { return PenFrom(FindPen(d.pen)); }

// The brush a shape is filled with; none when the context's brush is gone.
std::optional<COLORREF> BrushOf(const DcObject& d) {
    if (const BrushObject* brush = FindBrush(d.brush)) return brush->color;
    return std::nullopt;
}

// A pen too wide for its round ends fails the call.
bool DrawablePen(const PenState& pen) { return pen.width <= kMaxEllipse; }

// Swaps so that left <= right and top <= bottom.
RECT Ordered(int left, int top, int right, int bottom) {
    if (left > right) std::swap(left, right);
    if (top > bottom) std::swap(top, bottom);
    return RECT{left, top, right, bottom};
}

// A pattern fill of (x, y, width, height) as PatBlt covers it: a negative
// extent covers the pixels just left of (or above) x + 1, not of x.
RECT PatBltRect(int x, int y, int width, int height) {
    RECT r{x, y, x + width, y + height};
    if (r.left > r.right) r = RECT{r.right + 1, r.top, r.left + 1, r.bottom};
    if (r.top > r.bottom) r = RECT{r.left, r.bottom + 1, r.right, r.top + 1};
    return r;
}

void PatFill(const Surface& s, int x, int y, int width, int height, PixelOp op) {
    FillDeviceRect(s, PatBltRect(x, y, width, height), op);
}

// The pen rectangle of Rectangle and RoundRect: ordered, and for an
// inside-frame pen shrunk so that the centred pen stays inside. False when
// the rectangle is empty in either direction.
bool PenRect(int left, int top, int right, int bottom, const PenState& pen, RECT* out) {
    RECT r = Ordered(left, top, right, bottom);
    if (r.left == r.right || r.top == r.bottom) return false;
    if (pen.style == PS_INSIDEFRAME) {
        r.left += pen.width / 2;
        r.top += pen.width / 2;
        r.right -= (pen.width - 1) / 2;
        r.bottom -= (pen.width - 1) / 2;
    }
    *out = r;
    return true;
}

RECT BoundsOf(const POINT* points, int count, int margin) {
    RECT b{points[0].x, points[0].y, points[0].x, points[0].y};
    for (int i = 1; i < count; ++i) {
        b.left = std::min(b.left, points[i].x);
        b.top = std::min(b.top, points[i].y);
        b.right = std::max(b.right, points[i].x);
        b.bottom = std::max(b.bottom, points[i].y);
    }
    return RECT{b.left - margin, b.top - margin, b.right + margin + 1, b.bottom + margin + 1};
}

// Outline of a closed polyline with a one-pixel pen: each segment without
// its end point.
void ThinPolyline(const Surface& s, const POINT* points, int count, PixelOp op) {
    for (int i = 0; i < count; ++i) ThinLine(s, points[i], points[(i + 1) % count], op);
}

// FrameRect with a brush of the given colour.
int FrameWith(const DrawTarget& t, const RECT& rect, COLORREF colour) {
    if (!InDeviceSpace(rect)) return 0;
    if (rect.right <= rect.left || rect.bottom <= rect.top) return 0;
    const Surface s = SurfaceOf(*t.bitmap);
    const PixelOp op = CopyOp(s, colour);
    const int w = rect.right - rect.left;
    const int h = rect.bottom - rect.top;
    PatFill(s, rect.left, rect.top, 1, h, op);          // left edge
    PatFill(s, rect.right - 1, rect.top, 1, h, op);     // right edge
    PatFill(s, rect.left, rect.top, w, 1, op);          // top edge
    PatFill(s, rect.left, rect.bottom - 1, w, 1, op);   // bottom edge
    return 1;
}

// LineTo from the context's position with the given pen.
bool LineWith(const DrawTarget& t, const PenState& pen, POINT to) {
    const POINT from = t.dc->position;
    t.dc->position = to;
    if (!InDeviceSpace({from.x, from.y, to.x, to.y}) || !DrawablePen(pen)) return false;
    const Surface s = SurfaceOf(*t.bitmap);
    const PixelOp op = CopyOp(s, pen.color);
    if (pen.width <= 1) {
        if (!AxisLine(s, from, to, op)) ThinLine(s, from, to, op);
        return true;
    }
    const POINT points[2] = {from, to};
    SpanPainter out(s, BoundsOf(points, 2, pen.width), op);
    if (!out.Empty()) WidePenLines(out, pen.width, points, 2, false);
    return true;
}

// Rectangle with the given pen and brush.
bool RectangleWith(const DrawTarget& t, const PenState& pen, std::optional<COLORREF> brush,
                   int left, int top, int right, int bottom) {
    if (!InDeviceSpace({left, top, right, bottom}) || !DrawablePen(pen)) return false;
    RECT r;
    if (!PenRect(left, top, right, bottom, pen, &r)) return true;
    // The outline runs through the last column and row inside.
    --r.right;
    --r.bottom;

    if (pen.width <= 1 && brush && r.left < r.right && r.top < r.bottom &&
        StoredValue(t.bitmap->bitsPerPixel, pen.color) == StoredValue(t.bitmap->bitsPerPixel, *brush)) {
        // Outline and interior in one colour: the whole rectangle, in one
        // fill. (A rectangle one pixel wide or high leaves out its outline's
        // corner, so it takes the general path.)
        const RECT whole{r.left, r.top, r.right + 1, r.bottom + 1};
        const Surface s = SurfaceToOverwrite(*t.bitmap, whole);
        FillDeviceRect(s, whole, CopyOp(s, pen.color));
        return true;
    }

    const Surface s = SurfaceOf(*t.bitmap);
    // Anticlockwise from the top-right corner, as GDI walks it.
    const POINT corners[4] = {{r.right, r.top}, {r.left, r.top}, {r.left, r.bottom}, {r.right, r.bottom}};
    const PixelOp penOp = CopyOp(s, pen.color);
    if (pen.width <= 1) {
        ThinPolyline(s, corners, 4, penOp);
        if (brush) FillDeviceRect(s, RECT{r.left + 1, r.top + 1, r.right, r.bottom}, CopyOp(s, *brush));
        return true;
    }
    // The interior is the (re-ordered) rectangle less the outline: filled
    // whole, then the outline over it.
    if (brush) FillDeviceRect(s, Ordered(r.left, r.top, r.right, r.bottom), CopyOp(s, *brush));
    SpanPainter outline(s, BoundsOf(corners, 4, pen.width), penOp);
    WidePenLines(outline, pen.width, corners, 4, true);
    return true;
}

bool RoundRectWith(const DrawTarget& t, const PenState& pen, std::optional<COLORREF> brush,
                   int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight) {
    if (!InDeviceSpace({left, top, right, bottom}) || !DrawablePen(pen)) return false;
    RECT r;
    if (!PenRect(left, top, right, bottom, pen, &r)) return true;
    // The corner ellipse never exceeds the rectangle; an absurd diameter is
    // simply as large as the rectangle.
    const auto corner = [](int extent, int diameter) {
        return static_cast<int>(std::min<std::int64_t>(extent, std::llabs(diameter)));
    };
    const int ew = corner(r.right - r.left, ellipseWidth);
    const int eh = corner(r.bottom - r.top, ellipseHeight);
    if (ew <= 2 || eh <= 2) return RectangleWith(t, pen, brush, left, top, right, bottom);
    if (ew > kMaxEllipse || eh > kMaxEllipse) return false;

    const Surface s = SurfaceOf(*t.bitmap);
    const PixelOp penOp = CopyOp(s, pen.color);

    // The outline: the ellipse's first quadrant placed in the top-right
    // corner, then mirrored left and down, walked anticlockwise.
    std::vector<POINT> points(static_cast<std::size_t>(ew + eh) * 4 + 8);
    int count = EllipseFirstQuadrant(ew, eh, points.data());
    for (int i = 0; i < count; ++i) {
        points[i].x = r.right - ew + points[i].x;
        points[i].y = r.top + eh - 1 - points[i].y;
    }
    int end = 2 * count - 1;
    if (ew % 2 && ew == r.right - r.left) --end;  // no doubled midpoint
    for (int i = 0; i < count; ++i) {
        points[end - i].x = r.left + r.right - 1 - points[i].x;
        points[end - i].y = points[i].y;
    }
    count = end + 1;
    end = 2 * count - 1;
    if (eh % 2 && eh == r.bottom - r.top) --end;
    for (int i = 0; i < count; ++i) {
        points[end - i].x = points[i].x;
        points[end - i].y = r.top + r.bottom - 1 - points[i].y;
    }
    count = end + 1;

    // The brush goes first so that the outline can overlap it.
    if (brush) {
        SpanPainter interior(s, RECT{r.left, r.top, r.right, r.bottom}, CopyOp(s, *brush));
        interior.AddRoundRectRegion(r.left, r.top, r.right + 1, r.bottom + 1, ew, eh);
    }
    if (pen.width <= 1) {
        ThinPolyline(s, points.data(), count, penOp);
        return true;
    }
    SpanPainter outline(s, BoundsOf(points.data(), count, pen.width), penOp);
    WidePenLines(outline, pen.width, points.data(), count, true);
    return true;
}

}  // namespace

bool MoveToEx(HDC dc, int x, int y, POINT* previous) {
    DcObject* d = FindDc(dc.id);
    if (d == nullptr) return false;
    if (previous != nullptr) *previous = d->position;
    d->position = POINT{x, y};
    return true;
}

bool LineTo(HDC dc, int x, int y) {
    DrawTarget t;
    if (!Resolve(dc, &t)) return false;
    return LineWith(t, PenOf(*t.dc), POINT{x, y});
}

bool Rectangle(HDC dc, int left, int top, int right, int bottom) {
    DrawTarget t;
    if (!Resolve(dc, &t)) return false;
    return RectangleWith(t, PenOf(*t.dc), BrushOf(*t.dc), left, top, right, bottom);
}

bool RoundRect(HDC dc, int left, int top, int right, int bottom, int ellipseWidth,
               int ellipseHeight) {
    DrawTarget t;
    if (!Resolve(dc, &t)) return false;
    return RoundRectWith(t, PenOf(*t.dc), BrushOf(*t.dc), left, top, right, bottom, ellipseWidth,
                         ellipseHeight);
}

// ---- one statement with objects of its own ------------------------------------
// The pen and brush of a statement are made without a slot (MakeTransient):
// they are selected, used and deleted within the call, so the statement
// draws exactly what the separate calls draw and leaves the table as they
// leave it.

bool LineWithNewPen(HDC dc, int penStyle, int penWidth, COLORREF colour, POINT from, POINT to) {
    DrawTarget t;
    t.dc = FindDc(dc.id);
    if (t.dc == nullptr) return false;
    const std::optional<PenObject> pen = MakePen(penStyle, penWidth, colour);
    const bool made = pen && Table().MakeTransient(1) == 1;
    const PenState state = made ? PenFrom(&*pen) : PenOf(*t.dc);
    t.dc->position = from;
    t.bitmap = FindBitmap(t.dc->bitmap);
    return t.bitmap != nullptr && LineWith(t, state, to);
}

bool RectangleWithNewPenAndBrush(HDC dc, int penStyle, int penWidth, COLORREF penColour,
                                 COLORREF brushColour, const RECT& rect, int cornerDiameter) {
    DrawTarget t;
    if (!Resolve(dc, &t)) return false;
    const std::optional<PenObject> pen = MakePen(penStyle, penWidth, penColour);
    // The pen is made first, then the brush.
    const int made = Table().MakeTransient(pen ? 2 : 1);
    const bool penMade = pen && made >= 1;
    const bool brushMade = made == (pen ? 2 : 1);
    const PenState penState = penMade ? PenFrom(&*pen) : PenOf(*t.dc);
    const std::optional<COLORREF> brush =
        brushMade ? std::optional<COLORREF>(brushColour & 0x00FFFFFFu) : BrushOf(*t.dc);
    if (cornerDiameter != 0) {
        return RoundRectWith(t, penState, brush, rect.left, rect.top, rect.right, rect.bottom,
                             cornerDiameter, cornerDiameter);
    }
    return RectangleWith(t, penState, brush, rect.left, rect.top, rect.right, rect.bottom);
}

void RowsWithNewPens(HDC dc, int x1, int x2, std::span<const RowLine> rows) {
    // LineWithNewPen row by row, the context looked up once: nothing
    // between the rows can change it.
    DrawTarget t;
    t.dc = FindDc(dc.id);
    if (t.dc == nullptr) return;
    t.bitmap = FindBitmap(t.dc->bitmap);
    if (t.bitmap == nullptr) {
        // MoveToEx alone takes effect on each row
        if (!rows.empty()) t.dc->position = POINT{x1, rows.back().y};
        return;
    }
    // The columns every row with its own one-pixel pen covers, as
    // AxisLine lays them out, clipped to the bitmap once.
    const Surface s = SurfaceOf(*t.bitmap);
    const bool columnsInSpace = InDeviceSpace({x1, x2});
    const int left = std::max(x1 <= x2 ? x1 : x2 + 1, 0);
    const int right = std::min(x1 <= x2 ? x2 : x1 + 1, s.width);
    for (const RowLine& row : rows) {
        if (Table().MakeTransient(1) != 1) {
            // no pen of its own: the context's pen draws the row
            t.dc->position = POINT{x1, row.y};
            LineWith(t, PenOf(*t.dc), POINT{x2, row.y});
            continue;
        }
        t.dc->position = POINT{x2, row.y};
        if (!columnsInSpace || !InDeviceSpace({row.y}) || row.y < 0 || row.y >= s.height || left >= right)
            continue;
        SpanClipped(s, row.y, left, right, CopyOp(s, row.colour));
    }
}

int FrameRectWithNewBrush(HDC dc, const RECT& rect, COLORREF colour) {
    if (Table().MakeTransient(1) != 1) return 0;  // FrameRect with no brush draws nothing
    DrawTarget t;
    if (!Resolve(dc, &t)) return 0;
    return FrameWith(t, rect, colour & 0x00FFFFFFu);
}

int FillRect(HDC dc, const RECT& rect, HBRUSH brush) {
    DrawTarget t;
    const BrushObject* b = FindBrush(brush.id);
    if (b == nullptr || !Resolve(dc, &t) || !InDeviceSpace(rect)) return 0;
    const RECT covered = PatBltRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    const Surface s = SurfaceToOverwrite(*t.bitmap, covered);
    FillDeviceRect(s, covered, CopyOp(s, b->color));
    return 1;
}

int FrameRect(HDC dc, const RECT& rect, HBRUSH brush) {
    DrawTarget t;
    const BrushObject* b = FindBrush(brush.id);
    if (b == nullptr || !Resolve(dc, &t)) return 0;
    return FrameWith(t, rect, b->color);
}

bool SetPixelV(HDC dc, int x, int y, COLORREF color) {
    DrawTarget t;
    if (!Resolve(dc, &t)) return false;
    if (x < 0 || y < 0 || x >= t.bitmap->width || y >= t.bitmap->height) return false;
    const Surface s = SurfaceOf(*t.bitmap);
    s.Row(y)[x] = StoredValue(s, color);
    return true;
}

COLORREF GetPixel(HDC dc, int x, int y) {
    DrawTarget t;
    if (!Resolve(dc, &t)) return CLR_INVALID;
    if (x < 0 || y < 0 || x >= t.bitmap->width || y >= t.bitmap->height) return CLR_INVALID;
    const Surface s = SurfaceOf(*t.bitmap);
    return ColorOfStored(s, s.Row(y)[x]);
}

namespace {

// Every other pixel of a horizontal or vertical run, given by its first
// pixel, its length and its step (one of stepX, stepY is 0, the other +-1);
// pixel i of the run is a dot when phase + i is even. Returns the phase for
// the next side. The step range inside the surface is worked out first, so
// the walk trusts it.
int DottedRun(const Surface& s, POINT start, int length, int stepX, int stepY, int phase,
              PixelOp op) {
    const int step = stepX != 0 ? stepX : stepY;
    const int along = stepX != 0 ? start.x : start.y;
    const int across = stepX != 0 ? start.y : start.x;
    const int alongLimit = stepX != 0 ? s.width : s.height;
    const int acrossLimit = stepX != 0 ? s.height : s.width;
    if (length <= 0) return phase;
    if (across < 0 || across >= acrossLimit) return phase + length;
    // i such that 0 <= along + step * i < alongLimit
    long long lo = 0, hi = length - 1;
    if (step > 0) {
        lo = std::max<long long>(lo, -static_cast<long long>(along));
        hi = std::min<long long>(hi, static_cast<long long>(alongLimit) - 1 - along);
    } else {
        lo = std::max<long long>(lo, static_cast<long long>(along) - (alongLimit - 1));
        hi = std::min<long long>(hi, along);
    }
    if (((lo + phase) & 1) != 0) ++lo;
    for (long long i = lo; i <= hi; i += 2) {
        const int a = static_cast<int>(along + step * i);
        std::uint32_t* p = stepX != 0 ? s.Row(across) + a : s.Row(a) + across;
        *p = (*p & op.andMask) ^ op.xorMask;
    }
    return phase + length;
}

}  // namespace

bool DrawFocusRect(HDC dc, const RECT& rect) {
    DrawTarget t;
    if (!Resolve(dc, &t) || !InDeviceSpace(rect)) return false;
    // A one-pixel alternate pen with an exclusive-or mode walks the
    // rectangle like Rectangle does: anticlockwise from the top-right
    // corner, the dot phase running on along the whole outline. Where the
    // outline doubles back (a one-pixel-high rectangle) pixels are inverted
    // twice.
    RECT r = Ordered(rect.left, rect.top, rect.right, rect.bottom);
    if (r.left == r.right || r.top == r.bottom) return true;
    --r.right;
    --r.bottom;
    const Surface s = SurfaceOf(*t.bitmap);
    const PixelOp op = InvertOp(s);
    const int w = r.right - r.left;
    const int h = r.bottom - r.top;
    int phase = 0;
    phase = DottedRun(s, {r.right, r.top}, w, -1, 0, phase, op);    // top, leftwards
    phase = DottedRun(s, {r.left, r.top}, h, 0, 1, phase, op);      // left, downwards
    phase = DottedRun(s, {r.left, r.bottom}, w, 1, 0, phase, op);   // bottom, rightwards
    DottedRun(s, {r.right, r.bottom}, h, 0, -1, phase, op);         // right, upwards
    return true;
}

}  // namespace vemmix::gdi
