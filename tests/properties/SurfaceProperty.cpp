// Property-based: the drawing surface never writes outside the bitmap it
// draws on, nor outside what a call names. Random primitives with random
// (often absurd) coordinates, pen widths and sizes are drawn on a bitmap
// that sits between two guard bitmaps made just before and after it;
// afterwards the guards are unchanged, and no pixel of the bitmap outside
// the call's footprint (its rectangle grown by the pen's width) changed.
// Under AddressSanitizer a write past any bitmap also stops the test.
#include <gtest/gtest.h>
#include <rapidcheck.h>
#include <rapidcheck/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include <vemmix/Icon.h>
#include "content/PictureDrawing.h"
#include "render/Gdi.h"

namespace vemmix::test {
namespace {

constexpr std::uint32_t kGuard = 0x00A5A5A5u;
constexpr std::uint32_t kPaper = 0x005A5A5Au;

// A bitmap in its own memory context, every pixel `fill`.
class Sheet : public content::MemoryContext {
public:
    Sheet(int width, int height, int bitsPerPixel, std::uint32_t fill)
        : MemoryContext(gdi::HDC{}, width, height, gdi::HPALETTE{}, bitsPerPixel == 1) {
        for (std::uint32_t& p : Pixels()) p = bitsPerPixel == 1 ? (fill & 1u) : fill;
    }
    std::span<std::uint32_t> Pixels() const { return gdi::GetBitmapPixels(gdi::GetCurrentBitmap(DC())).pixels; }
    std::vector<std::uint32_t> Copy() const { return {Pixels().begin(), Pixels().end()}; }
};

// A coordinate near the bitmap, or anywhere in the 32-bit range.
rc::Gen<int> Coordinate(int size) {
    return rc::gen::weightedOneOf<int>({
        {8, rc::gen::inRange(-2 * size, 3 * size + 1)},
        {1, rc::gen::element(std::numeric_limits<int>::min(), std::numeric_limits<int>::max(),
                             (1 << 27) - 1, -(1 << 27) + 1, 1 << 27, 65536, -65536)},
        {1, rc::gen::arbitrary<int>()},
    });
}

rc::Gen<int> PenWidth() {
    return rc::gen::weightedOneOf<int>({
        {8, rc::gen::inRange(0, 12)},
        {1, rc::gen::element(-1, 100, 70000, std::numeric_limits<int>::min(), std::numeric_limits<int>::max())},
    });
}

struct Footprint {
    std::int64_t left, top, right, bottom;  // right and bottom exclusive
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
};

Footprint Around(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2, std::int64_t grow) {
    return {std::min(x1, x2) - grow, std::min(y1, y2) - grow, std::max(x1, x2) + grow + 1,
            std::max(y1, y2) + grow + 1};
}

RC_GTEST_PROP(SurfaceProperty, DrawingNeverWritesOutsideTheBitmapOrTheCall, ()) {
    const int width = *rc::gen::inRange(1, 48);
    const int height = *rc::gen::inRange(1, 48);
    const int bits = *rc::gen::element(32, 32, 32, 1);
    const int size = std::max(width, height);

    Sheet before(width, height, bits, kGuard);
    Sheet sheet(width, height, bits, kPaper);
    Sheet after(width, height, bits, kGuard);
    Sheet source(*rc::gen::inRange(1, 20), *rc::gen::inRange(1, 20), *rc::gen::element(32, 1), 0x00336699u);
    const std::vector<std::uint32_t> guardBefore = before.Copy(), guardAfter = after.Copy();
    const std::vector<std::uint32_t> paper = sheet.Copy();

    const gdi::HDC dc = sheet.DC();
    const int x1 = *Coordinate(size), y1 = *Coordinate(size);
    const int x2 = *Coordinate(size), y2 = *Coordinate(size);
    const int pen = *PenWidth();
    const std::uint32_t colour = *rc::gen::inRange<std::uint32_t>(0, 0x01000000);
    const gdi::HPEN hpen = gdi::CreatePen(*rc::gen::element(gdi::PS_SOLID, gdi::PS_INSIDEFRAME), pen, colour);
    const gdi::HBRUSH brush = gdi::CreateSolidBrush(colour ^ 0x00FFFFFFu);
    const gdi::HPEN oldPen = gdi::SelectObject(dc, hpen);
    const gdi::HBRUSH oldBrush = gdi::SelectObject(dc, brush);

    const std::int64_t grow = std::max<std::int64_t>(1, std::int64_t{pen} < 0 ? 1 : std::int64_t{pen});
    Footprint footprint = Around(x1, y1, x2, y2, 1);
    switch (*rc::gen::inRange(0, 10)) {
    case 0:
        gdi::MoveToEx(dc, x1, y1, nullptr);
        gdi::LineTo(dc, x2, y2);
        footprint = Around(x1, y1, x2, y2, grow);
        break;
    case 1: gdi::Rectangle(dc, x1, y1, x2, y2); footprint = Around(x1, y1, x2, y2, grow); break;
    case 2:
        gdi::RoundRect(dc, x1, y1, x2, y2, *Coordinate(size), *Coordinate(size));
        footprint = Around(x1, y1, x2, y2, grow);
        break;
    case 3: gdi::FillRect(dc, gdi::RECT{x1, y1, x2, y2}, brush); break;
    case 4: gdi::FrameRect(dc, gdi::RECT{x1, y1, x2, y2}, brush); break;
    case 5: gdi::DrawFocusRect(dc, gdi::RECT{x1, y1, x2, y2}); break;
    case 6: gdi::SetPixelV(dc, x1, y1, colour); footprint = Around(x1, y1, x1, y1, 0); break;
    case 7: {
        const int w = *Coordinate(size), h = *Coordinate(size);
        gdi::BitBlt(dc, x1, y1, w, h, source.DC(), x2, y2,
                    *rc::gen::element(gdi::SRCCOPY, gdi::SRCPAINT, gdi::SRCAND, gdi::SRCINVERT,
                                      gdi::NOTSRCCOPY, gdi::DSTINVERT, gdi::SRCANDNOTDST));
        footprint = Around(x1, y1, std::int64_t{x1} + w, std::int64_t{y1} + h, 1);
        break;
    }
    case 8: {
        const int w = *Coordinate(size), h = *Coordinate(size);
        gdi::StretchBlt(dc, x1, y1, w, h, source.DC(), x2, y2, *Coordinate(20), *Coordinate(20),
                        *rc::gen::element(gdi::SRCCOPY, gdi::SRCAND, gdi::SRCPAINT));
        footprint = Around(x1, y1, std::int64_t{x1} + w, std::int64_t{y1} + h, 1);
        break;
    }
    case 9: {
        gdi::Icon icon;
        icon.width = *rc::gen::inRange(1, 8);
        icon.height = *rc::gen::inRange(1, 8);
        icon.hasAlpha = *rc::gen::arbitrary<bool>();
        icon.pixels.assign(static_cast<std::size_t>(icon.width * icon.height), 0x80FF8040u);
        if (!icon.hasAlpha) icon.andMask.assign(icon.pixels.size(), 0);
        const int w = *Coordinate(size), h = *Coordinate(size);
        gdi::DrawIconEx(dc, x1, y1, icon, w, h, 0, gdi::HBRUSH{}, gdi::DI_NORMAL);
        footprint = Around(x1, y1, std::int64_t{x1} + w, std::int64_t{y1} + h, 1);
        break;
    }
    default: {
        // text: anything within the rectangle it is given
        gdi::RECT r{x1, y1, x2, y2};
        gdi::DrawTextW(dc, u"Wg&x", -1, &r, 0);
        break;
    }
    }
    gdi::SelectObject(dc, oldPen);
    gdi::SelectObject(dc, oldBrush);
    gdi::DeleteObject(hpen);
    gdi::DeleteObject(brush);

    RC_ASSERT(before.Copy() == guardBefore);
    RC_ASSERT(after.Copy() == guardAfter);
    const std::vector<std::uint32_t> now = sheet.Copy();
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (!footprint.Contains(x, y))
                RC_ASSERT(now[static_cast<std::size_t>(y) * width + x] == paper[static_cast<std::size_t>(y) * width + x]);
}

}  // namespace
}  // namespace vemmix::test
