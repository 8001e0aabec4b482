// Pixel kernels of the drawing surface: spans, thin lines, shapes of pieces,
// polygon scan conversion and wide pens.
#include "render/GdiRaster.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>

namespace vemmix::gdi::detail {

COLORREF ColorOfStored(const Surface& s, std::uint32_t value) {
    if (s.bitsPerPixel == 1) return value ? 0x00FFFFFFu : 0u;
    return ColorFromPixel(value) & 0x00FFFFFFu;
}

// Inversion flips the whole stored value, the unused high byte included,
// as the raster operations do.
PixelOp InvertOp(const Surface& s) {
    return PixelOp{~0u, s.bitsPerPixel == 1 ? 1u : ~0u};
}

namespace {

// One value into `count` pixels: the fill under every face, gradient row
// and copy op. GCC and Clang store eight pixels at once (with GCC one
// 32-byte store on a processor with AVX2, chosen when the library loads;
// two 16-byte stores elsewhere), which makes it as fast as memset; other
// compilers store two at a time. Clang 14 would export the symbol of the
// load-time chooser from the library, so it keeps the portable version.
#if defined(__GNUC__) && !defined(__clang__) && defined(__x86_64__) && defined(__has_attribute)
#if __has_attribute(target_clones)
#define VEMMIX_PIXEL_KERNEL __attribute__((target_clones("avx2", "default")))
#endif
#endif
#ifndef VEMMIX_PIXEL_KERNEL
#define VEMMIX_PIXEL_KERNEL
#endif

#if defined(__GNUC__)
typedef std::uint32_t PixelBlock __attribute__((vector_size(32)));
#endif

VEMMIX_PIXEL_KERNEL
void FillValue(std::uint32_t* p, int count, std::uint32_t value) {
    int i = 0;
#if defined(__GNUC__)
    const PixelBlock block = {value, value, value, value, value, value, value, value};
    for (; i + 32 <= count; i += 32) {
        std::memcpy(p + i, &block, sizeof block);
        std::memcpy(p + i + 8, &block, sizeof block);
        std::memcpy(p + i + 16, &block, sizeof block);
        std::memcpy(p + i + 24, &block, sizeof block);
    }
    for (; i + 8 <= count; i += 8) std::memcpy(p + i, &block, sizeof block);
#endif
    const std::uint64_t pair = value | (std::uint64_t{value} << 32);
    for (; i + 2 <= count; i += 2) std::memcpy(p + i, &pair, sizeof pair);
    if (i < count) p[i] = value;
}

VEMMIX_PIXEL_KERNEL
void CopyColors(std::uint32_t* dest, const std::uint32_t* source, std::size_t count) {
    std::size_t i = 0;
#if defined(__GNUC__)
    const PixelBlock mask = {0x00FFFFFFu, 0x00FFFFFFu, 0x00FFFFFFu, 0x00FFFFFFu,
                             0x00FFFFFFu, 0x00FFFFFFu, 0x00FFFFFFu, 0x00FFFFFFu};
    for (; i + 8 <= count; i += 8) {
        PixelBlock block;
        std::memcpy(&block, source + i, sizeof block);
        block &= mask;
        std::memcpy(dest + i, &block, sizeof block);
    }
#endif
    for (; i < count; ++i) dest[i] = source[i] & 0x00FFFFFFu;
}

}  // namespace

void CopyWithoutHighBytes(std::uint32_t* dest, const std::uint32_t* source, std::size_t count) {
    CopyColors(dest, source, count);
}

namespace {

// Runs this short (an edge, a pen's cap) cost less pixel by pixel than a
// call to the block fill.
constexpr int kShortRun = 8;

void FillRun(std::uint32_t* p, int count, PixelOp op) {
    if (op.andMask == 0 && count > kShortRun) {
        FillValue(p, count, op.xorMask);
    } else {
        for (int i = 0; i < count; ++i) p[i] = (p[i] & op.andMask) ^ op.xorMask;
    }
}

}  // namespace

void SpanClipped(const Surface& s, int y, int x0, int x1, PixelOp op) {
    FillRun(s.Row(y) + x0, x1 - x0, op);
}

void RectClipped(const Surface& s, const RECT& r, PixelOp op) {
    std::uint32_t* p = s.Row(r.top) + r.left;
    const int width = r.right - r.left;
    if (width == s.width) {
        // whole rows: one run
        FillRun(p, width * (r.bottom - r.top), op);
    } else if (width <= kShortRun && op.andMask == 0) {
        // a column or a few of one colour
        for (int y = r.top; y < r.bottom; ++y, p += s.width) {
            for (int x = 0; x < width; ++x) p[x] = op.xorMask;
        }
    } else if (width <= kShortRun) {
        // a few columns: down the rows
        for (int y = r.top; y < r.bottom; ++y, p += s.width) {
            for (int x = 0; x < width; ++x) p[x] = (p[x] & op.andMask) ^ op.xorMask;
        }
    } else {
        for (int y = r.top; y < r.bottom; ++y, p += s.width) FillRun(p, width, op);
    }
}

namespace {

// Octants 3, 5, 6 and 8 (counted anticlockwise from the positive x axis,
// y pointing down) take a bias, so that a line and its reverse cover the
// same pixels wherever the error term ties.
int OctantBias(int dx, int dy) {
    int octant;
    if (dy > 0) {
        octant = dx > 0 ? (dx > dy ? 1 : 2) : (-dx > dy ? 4 : 3);
    } else {
        octant = dx < 0 ? (-dx > -dy ? 5 : 6) : (dx > -dy ? 8 : 7);
    }
    return (octant == 3 || octant == 5 || octant == 6 || octant == 8) ? 1 : 0;
}

// Minor-axis steps taken before step j of a Bresenham walk with major
// length `major`, minor length `minor` and the given bias:
// ceil((2 * minor * j - major + bias) / (2 * major)).
std::int64_t MinorSteps(std::int64_t j, std::int64_t major, std::int64_t minor, int bias) {
    const std::int64_t num = 2 * minor * j - major + bias;
    const std::int64_t den = 2 * major;
    return num >= 0 ? (num + den - 1) / den : -((-num) / den);
}

// First step index in [lo, hi] at which pred turns true (pred monotone).
template <typename Pred>
std::int64_t FirstTrue(std::int64_t lo, std::int64_t hi, Pred pred) {
    while (lo < hi) {
        const std::int64_t mid = lo + (hi - lo) / 2;
        if (pred(mid)) {
            hi = mid;
        } else {
            lo = mid + 1;
        }
    }
    return lo;
}

}  // namespace

void ThinLine(const Surface& s, POINT a, POINT b, PixelOp op) {
    if (AxisLine(s, a, b, op)) return;
    if (std::max(a.x, b.x) < 0 || std::min(a.x, b.x) >= s.width || std::max(a.y, b.y) < 0 ||
        std::min(a.y, b.y) >= s.height) {
        return;  // wholly beside the surface
    }

    const std::int64_t dx = static_cast<std::int64_t>(b.x) - a.x;
    const std::int64_t dy = static_cast<std::int64_t>(b.y) - a.y;
    const int bias = OctantBias(static_cast<int>(dx), static_cast<int>(dy));
    const bool xMajor = std::llabs(dx) > std::llabs(dy);
    const std::int64_t major = xMajor ? std::llabs(dx) : std::llabs(dy);
    const std::int64_t minor = xMajor ? std::llabs(dy) : std::llabs(dx);
    const int majorInc = (xMajor ? dx : dy) > 0 ? 1 : -1;
    const int minorInc = (xMajor ? dy : dx) > 0 ? 1 : -1;
    const std::int64_t majorStart = xMajor ? a.x : a.y;
    const std::int64_t minorStart = xMajor ? a.y : a.x;
    const std::int64_t majorLimit = xMajor ? s.width : s.height;
    const std::int64_t minorLimit = xMajor ? s.height : s.width;

    // Steps 0 .. major - 1 are painted. Keep those whose major coordinate
    // lies inside the surface...
    std::int64_t first = 0, last = major - 1;
    if (majorInc > 0) {
        first = std::max<std::int64_t>(first, -majorStart);
        last = std::min<std::int64_t>(last, majorLimit - 1 - majorStart);
    } else {
        first = std::max<std::int64_t>(first, majorStart - (majorLimit - 1));
        last = std::min<std::int64_t>(last, majorStart);
    }
    if (first > last) return;
    // ...and whose minor coordinate does too; it moves monotonically.
    auto minorAt = [&](std::int64_t j) {
        return minorStart + minorInc * MinorSteps(j, major, minor, bias);
    };
    if (minorInc > 0) {
        first = FirstTrue(first, last + 1, [&](std::int64_t j) { return minorAt(j) >= 0; });
        last = FirstTrue(first, last + 1, [&](std::int64_t j) { return minorAt(j) >= minorLimit; }) - 1;
    } else {
        first = FirstTrue(first, last + 1, [&](std::int64_t j) { return minorAt(j) < minorLimit; });
        last = FirstTrue(first, last + 1, [&](std::int64_t j) { return minorAt(j) < 0; }) - 1;
    }
    if (first > last) return;

    // Walk the clipped steps; every pixel is inside now.
    std::int64_t k = MinorSteps(first, major, minor, bias);
    std::int64_t err = 2 * minor - major + 2 * minor * first - 2 * major * k;
    int maj = static_cast<int>(majorStart + majorInc * first);
    int min = static_cast<int>(minorStart + minorInc * k);
    const std::int64_t addStep = 2 * minor - 2 * major;
    const std::int64_t addStay = 2 * minor;
    for (std::int64_t j = first; j <= last; ++j) {
        std::uint32_t* p = xMajor ? s.Row(min) + maj : s.Row(maj) + min;
        *p = (*p & op.andMask) ^ op.xorMask;
        if (err + bias > 0) {
            min += minorInc;
            err += addStep;
        } else {
            err += addStay;
        }
        maj += majorInc;
    }
}

// ---- painting shapes made of pieces -------------------------------------------

SpanPainter::SpanPainter(const Surface& s, const RECT& box, PixelOp op) : m_Surface(s), m_Op(op) {
    if (!Intersect(box, s.Bounds(), &m_Box)) m_Box = RECT{};
}

bool SpanPainter::Reaches(POINT a, POINT b, int margin) const {
    return !Empty() && std::min(a.x, b.x) - margin < m_Box.right &&
           std::max(a.x, b.x) + margin >= m_Box.left && std::min(a.y, b.y) - margin < m_Box.bottom &&
           std::max(a.y, b.y) + margin >= m_Box.top;
}

void SpanPainter::AddSpan(int y, int x0, int x1) {
    if (y < m_Box.top || y >= m_Box.bottom) return;
    x0 = std::max(x0, m_Box.left);
    x1 = std::min(x1, m_Box.right);
    if (x0 < x1) SpanClipped(m_Surface, y, x0, x1, m_Op);
}

void SpanPainter::AddRect(const RECT& r) {
    RECT c;
    if (Intersect(r, m_Box, &c)) RectClipped(m_Surface, c, m_Op);
}

void SpanPainter::AddRoundRectRegion(int left, int top, int right, int bottom, int ellipseWidth,
                                     int ellipseHeight) {
    ForEachRoundRectRow(left, top, right, bottom, ellipseWidth, ellipseHeight, m_Box.top,
                        m_Box.bottom, [this](int y, int x0, int x1) { AddSpan(y, x0, x1); });
}

namespace {

// One polygon edge stepped one scan line at a time with the integer
// Bresenham scheme of GDI's region code.
struct PolygonEdge {
    int yTop = 0;
    int yBottom = 0;  // first scan line no longer covered
    std::int64_t x = 0;
    std::int64_t dx = 0, dy = 0;
    std::int64_t d = 0, m = 0, m1 = 0, incr1 = 0, incr2 = 0;

    PolygonEdge(POINT top, POINT bottom)
        : yTop(top.y), yBottom(bottom.y), x(top.x), dx(std::int64_t{bottom.x} - top.x),
          dy(std::int64_t{bottom.y} - top.y) {
        m = dx / dy;
        if (dx < 0) {
            m1 = m - 1;
            incr1 = -2 * dx + 2 * dy * m1;
            incr2 = -2 * dx + 2 * dy * m;
            d = 2 * m * dy - 2 * dx - 2 * dy;
        } else {
            m1 = m + 1;
            incr1 = 2 * dx - 2 * dy * m1;
            incr2 = 2 * dx - 2 * dy * m;
            d = -2 * m * dy + 2 * dx;
        }
    }

    // Moves a fresh edge to scan line y (yTop <= y < yBottom) at once: after
    // n steps the walk stands ceil(dx * n / dy) from its start, and its
    // decision term follows from that position.
    void JumpTo(int y) {
        const std::int64_t n = std::int64_t{y} - yTop;
        const std::int64_t num = dx * n;
        const std::int64_t s = num >= 0 ? (num + dy - 1) / dy : -((-num) / dy);
        x += s;
        d = dx < 0 ? -2 * dx * (n + 1) + 2 * dy * (s + m - 1) : 2 * dx * (n + 1) - 2 * dy * (s + m);
    }

    void Step() {
        if (m1 > 0) {
            if (d > 0) {
                x += m1;
                d += incr1;
            } else {
                x += m;
                d += incr2;
            }
        } else {
            if (d >= 0) {
                x += m1;
                d += incr1;
            } else {
                x += m;
                d += incr2;
            }
        }
    }
};

}  // namespace

void SpanPainter::AddPolygon(const POINT* points, int count) {
    if (count < 3 || Empty()) return;
    std::vector<PolygonEdge> edges;
    edges.reserve(static_cast<std::size_t>(count));
    int yMin = points[0].y, yMax = points[0].y;
    for (int i = 0; i < count; ++i) {
        POINT p = points[i];
        POINT q = points[(i + 1) % count];
        yMin = std::min(yMin, p.y);
        yMax = std::max(yMax, p.y);
        if (p.y == q.y) continue;  // horizontal edges add nothing
        if (p.y > q.y) std::swap(p, q);
        edges.emplace_back(p, q);
    }
    yMax = std::min(yMax, m_Box.bottom);
    // Rows above the box are skipped: edges that started there jump to
    // its first row.
    yMin = std::max(yMin, m_Box.top);
    for (PolygonEdge& e : edges) {
        if (e.yTop < yMin && e.yBottom > yMin) e.JumpTo(yMin);
    }
    std::vector<std::int64_t> xs;
    for (int y = yMin; y < yMax; ++y) {
        xs.clear();
        for (PolygonEdge& e : edges) {
            if (y < e.yTop || y >= e.yBottom) continue;
            xs.push_back(e.x);
            e.Step();
        }
        std::sort(xs.begin(), xs.end());
        // An edge's x stays between its end points, so it fits an int.
        for (std::size_t i = 0; i + 1 < xs.size(); i += 2) {
            AddSpan(y, static_cast<int>(xs[i]), static_cast<int>(xs[i + 1]));
        }
    }
}

// ---- ellipse points -------------------------------------------------------------

int EllipseFirstQuadrant(int width, int height, POINT* out) {
    const std::int64_t a = width - 1;
    const std::int64_t b = height - 1;
    const std::int64_t asq = 8 * a * a;
    const std::int64_t bsq = 8 * b * b;
    std::int64_t dx = 4 * b * b * (1 - a);
    std::int64_t dy = 4 * a * a * (1 + (b % 2));
    std::int64_t err = dx + dy + a * a * (b % 2);
    int pos = 0;
    POINT pt{static_cast<std::int32_t>(a), height / 2};
    while (pt.x >= width / 2 && pos < width + height) {
        const std::int64_t e2 = 2 * err;
        out[pos++] = pt;
        if (e2 >= dx) {
            --pt.x;
            err += dx += bsq;
        }
        if (e2 <= dy) {
            ++pt.y;
            err += dy += asq;
        }
    }
    return pos;
}

// ---- wide pens -------------------------------------------------------------------

namespace {

int RoundHalfUp(double v) { return static_cast<int>(std::floor(v + 0.5)); }

// The round end and join of a wide pen: the ellipse region around the
// point, worked out once per polyline as spans relative to the point and
// stamped wherever it is needed, only on the rows the box has.
class RoundCap {
public:
    explicit RoundCap(int penWidth)
        : m_Top(-(penWidth / 2)), m_Size((penWidth + 1) / 2 + 1 + penWidth / 2),
          m_Rows(static_cast<std::size_t>(m_Size), Span{0, 0}) {
        const int far = (penWidth + 1) / 2 + 1;
        const int size = m_Size;
        ForEachRoundRectRow(m_Top, m_Top, far, far, size, size, std::numeric_limits<int>::min(),
                            std::numeric_limits<int>::max(), [this](int y, int x0, int x1) {
                                m_Rows[static_cast<std::size_t>(y - m_Top)] = Span{x0, x1};
                            });
    }

    void StampAt(SpanPainter& out, POINT at) const {
        const RECT box = out.Box();
        const std::int64_t top = std::int64_t{at.y} + m_Top;
        const std::int64_t rows = m_Size;
        const std::int64_t first = std::max<std::int64_t>(0, box.top - top);
        const std::int64_t last = std::min<std::int64_t>(rows, box.bottom - top);
        for (std::int64_t i = first; i < last; ++i) {
            const Span& s = m_Rows[static_cast<std::size_t>(i)];
            if (s.x0 < s.x1) out.AddSpan(static_cast<int>(top + i), at.x + s.x0, at.x + s.x1);
        }
    }

private:
    struct Span {
        int x0;
        int x1;  // x0 >= x1: the row is empty
    };
    int m_Top;
    int m_Size;
    SmallBuffer<Span, 64> m_Rows;
};

// The caps of the pen widths a face uses are worked out once, then kept
// for the life of the program (never destroyed, so drawing at exit finds
// them); wider pens get theirs for the one call.
constexpr int kKeptCaps = 16;

const RoundCap& KeptCap(int penWidth) {
    static RoundCap* kept[kKeptCaps] = {};
    RoundCap*& cap = kept[penWidth];
    if (cap == nullptr) cap = new RoundCap(penWidth);
    return *cap;
}

// The body of one segment: a rectangle when axis-aligned, otherwise the
// quadrilateral through the end points offset by half the pen width across
// the line, rounded so that the two halves add up to the full width.
void AddSegmentBody(SpanPainter& out, int penWidth, POINT p1, POINT p2) {
    const int dx = p2.x - p1.x;
    const int dy = p2.y - p1.y;
    if (dx == 0 && dy == 0) return;
    if (dy == 0) {
        const int top = p1.y - penWidth / 2;
        out.AddRect(RECT{std::min(p1.x, p2.x), top, std::max(p1.x, p2.x), top + penWidth});
        return;
    }
    if (dx == 0) {
        const int left = p1.x - penWidth / 2;
        out.AddRect(RECT{left, std::min(p1.y, p2.y), left + penWidth, std::max(p1.y, p2.y)});
        return;
    }
    const double len = std::hypot(static_cast<double>(dx), static_cast<double>(dy));
    const double widthX = penWidth * std::abs(static_cast<double>(dy)) / len;
    const double widthY = penWidth * std::abs(static_cast<double>(dx)) / len;
    POINT narrow{RoundHalfUp(widthX / 2), RoundHalfUp(widthY / 2)};
    POINT wide{RoundHalfUp((widthX + 1) / 2), RoundHalfUp((widthY + 1) / 2)};
    if (dx < 0) {
        wide.y = -wide.y;
        narrow.y = -narrow.y;
    }
    if (dy < 0) {
        std::swap(narrow, wide);
        narrow.x = -narrow.x;
        wide.x = -wide.x;
    }
    const POINT quad[4] = {
        {p1.x - narrow.x, p1.y + narrow.y},
        {p1.x + wide.x, p1.y - wide.y},
        {p2.x + wide.x, p2.y - wide.y},
        {p2.x - narrow.x, p2.y + narrow.y},
    };
    out.AddPolygon(quad, 4);
}

}  // namespace

void WidePenLines(SpanPainter& out, int penWidth, const POINT* points, int count, bool closed) {
    // Empty segments at either end add nothing but a cap in the wrong place.
    while (count > 2 && points[0].x == points[1].x && points[0].y == points[1].y) {
        ++points;
        --count;
    }
    while (count > 2 && points[count - 1].x == points[count - 2].x &&
           points[count - 1].y == points[count - 2].y) {
        --count;
    }
    if (count < 2) return;
    // Round caps at the ends, round joins at every vertex; pieces that
    // cannot reach the box are not built, so a huge outline around a small
    // bitmap costs little.
    const int reach = penWidth + 1;
    std::optional<RoundCap> own;
    const RoundCap& cap = penWidth < kKeptCaps ? KeptCap(penWidth) : own.emplace(penWidth);
    if (!closed) {
        if (out.Reaches(points[0], points[0], reach)) cap.StampAt(out, points[0]);
        const POINT last = points[count - 1];
        if (out.Reaches(last, last, reach)) cap.StampAt(out, last);
    }
    const int segments = closed ? count : count - 1;
    for (int i = 0; i < segments; ++i) {
        const POINT p1 = points[i];
        const POINT p2 = points[(i + 1) % count];
        if (!out.Reaches(p1, p2, reach)) continue;
        AddSegmentBody(out, penWidth, p1, p2);
        const bool joinAtStart = closed || i > 0;
        if (joinAtStart && segments > 1) cap.StampAt(out, p1);
    }
}

}  // namespace vemmix::gdi::detail
