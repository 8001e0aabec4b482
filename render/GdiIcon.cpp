// DrawIconEx: per-pixel-alpha icons are blended over the destination;
// classic icons apply their AND mask, then exclusive-or their image.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "render/GdiObjects.h"
#include "render/GdiRaster.h"
#include <vemmix/Icon.h>

namespace vemmix::gdi {

using namespace detail;

namespace {

// (s * a + d * (255 - a)) / 255, rounded to nearest.
std::uint32_t BlendChannel(std::uint32_t s, std::uint32_t d, std::uint32_t a) {
    return (s * a + d * (255u - a) + 127u) / 255u;
}

std::uint32_t Blend(std::uint32_t argb, std::uint32_t dest) {
    const std::uint32_t a = argb >> 24;
    if (a == 255) return argb & 0x00FFFFFFu;
    if (a == 0) return dest;
    std::uint32_t out = dest & 0xFF000000u;
    for (int shift = 0; shift < 24; shift += 8) {
        out |= BlendChannel((argb >> shift) & 0xFFu, (dest >> shift) & 0xFFu, a) << shift;
    }
    return out;
}

}  // namespace

bool DrawIconEx(HDC dc, int x, int y, const Icon& icon, int width, int height, unsigned /*step*/,
                HBRUSH flickerFreeBrush, unsigned flags) {
    DcObject* d = FindDc(dc.id);
    if (d == nullptr) return false;
    BitmapObject* b = FindBitmap(d->bitmap);
    if (b == nullptr) return false;
    const std::size_t count = static_cast<std::size_t>(std::max(0, icon.width)) *
                              static_cast<std::size_t>(std::max(0, icon.height));
    if (icon.width <= 0 || icon.height <= 0 || icon.pixels.size() < count) return false;
    if (!icon.hasAlpha && icon.andMask.size() < count) return false;
    if ((flags & DI_NORMAL) == 0) return false;
    // Zero extents mean the icon's own size.
    if (width == 0) width = icon.width;
    if (height == 0) height = icon.height;
    if (width < 0 || height < 0 || !InDeviceSpace({x, y, width, height})) return false;

    const Surface s = SurfaceOf(*b);
    if (flickerFreeBrush) {
        // Drawn over the brush, as GDI does through its off-screen buffer.
        const BrushObject* brush = FindBrush(flickerFreeBrush.id);
        if (brush == nullptr) return false;
        FillDeviceRect(s, RECT{x, y, x + width, y + height}, CopyOp(s, brush->color));
    }
    RECT r;
    if (!Intersect(RECT{x, y, x + width, y + height}, s.Bounds(), &r)) return true;

    // Nearest source pixel for each destination column, computed once.
    std::vector<int> column(static_cast<std::size_t>(r.right - r.left));
    for (int dx = r.left; dx < r.right; ++dx) {
        column[static_cast<std::size_t>(dx - r.left)] =
            static_cast<int>(static_cast<std::int64_t>(dx - x) * icon.width / width);
    }
    const bool mask = (flags & DI_MASK) != 0;
    const bool image = (flags & DI_IMAGE) != 0;
    const bool mono = s.bitsPerPixel == 1;
    for (int dy = r.top; dy < r.bottom; ++dy) {
        const int sy = static_cast<int>(static_cast<std::int64_t>(dy - y) * icon.height / height);
        const std::uint32_t* src = &icon.pixels[static_cast<std::size_t>(sy) * icon.width];
        const std::uint8_t* andRow =
            icon.hasAlpha ? nullptr : &icon.andMask[static_cast<std::size_t>(sy) * icon.width];
        std::uint32_t* out = s.Row(dy) + r.left;
        for (int i = 0; i < r.right - r.left; ++i) {
            const int sx = column[static_cast<std::size_t>(i)];
            const std::uint32_t argb = src[sx];
            std::uint32_t& p = out[i];
            if (icon.hasAlpha && mask && image) {
                p = mono ? StoredValue(s, ColorFromPixel(Blend(argb, p ? 0x00FFFFFFu : 0u)))
                         : Blend(argb, p);
                continue;
            }
            const std::uint32_t pixel = mono ? StoredValue(s, ColorFromPixel(argb)) : (argb & 0x00FFFFFFu);
            if (icon.hasAlpha) {
                // Mask alone: the alpha channel acts as the mask.
                if (mask && (argb >> 24) != 0) p = 0;
                if (image) p = pixel;
                continue;
            }
            if (mask && andRow[sx] == 0) p = 0;  // AND with black
            if (image) p = mask ? (p ^ pixel) : pixel;
        }
    }
    return true;
}

}  // namespace vemmix::gdi
