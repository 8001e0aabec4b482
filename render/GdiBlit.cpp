// Block transfers: BitBlt and StretchBlt with raster operations, and the
// conversions between colour and monochrome bitmaps.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "render/GdiBlit.h"
#include "render/GdiObjects.h"
#include "render/GdiRaster.h"

namespace vemmix::gdi {

using namespace detail;

namespace detail {

// A ternary raster operation's low byte of the high word is its truth
// table: bit (4P + 2S + D) is the result for pattern bit P, source bit S
// and destination bit D. For fixed P and S the result is linear in D:
// f(D) = (D & A) ^ X with X = f(0) and A = f(0) ^ f(1). Fixing P to the
// brush (a solid colour) leaves, per source bit, one and-mask and one
// xor-mask, selected bitwise by the source:
//   result = (D & ((S & and1) | (~S & and0))) ^ ((S & xor1) | (~S & xor0)).
RopMasks MakeRopMasks(DWORD rop, std::uint32_t pattern) {
    const unsigned table = (rop >> 16) & 0xFFu;
    auto bit = [table](unsigned p, unsigned s, unsigned d) { return (table >> (p * 4 + s * 2 + d)) & 1u; };
    auto full = [](unsigned b) { return b ? ~0u : 0u; };
    RopMasks m;
    for (unsigned s = 0; s < 2; ++s) {
        const std::uint32_t a1 = full(bit(1, s, 0) ^ bit(1, s, 1));
        const std::uint32_t a0 = full(bit(0, s, 0) ^ bit(0, s, 1));
        const std::uint32_t x1 = full(bit(1, s, 0));
        const std::uint32_t x0 = full(bit(0, s, 0));
        m.andMask[s] = (pattern & a1) | (~pattern & a0);
        m.xorMask[s] = (pattern & x1) | (~pattern & x0);
    }
    m.usesSource = ((table >> 2) ^ table) & 0x33u;
    m.usesPattern = ((table >> 4) ^ table) & 0x0Fu;
    return m;
}

bool IsPlainCopy(const RopMasks& m) {
    return m.andMask[0] == 0 && m.andMask[1] == 0 && m.xorMask[1] == ~0u && m.xorMask[0] == 0;
}

void ApplyRopRow(std::uint32_t* dest, const std::uint32_t* source, int count, const RopMasks& m,
                 std::uint32_t valueMask) {
    if (IsPlainCopy(m)) {
        std::copy(source, source + count, dest);  // plain source copy
        return;
    }
    for (int i = 0; i < count; ++i) {
        const std::uint32_t s = source[i];
        const std::uint32_t a = (s & m.andMask[1]) | (~s & m.andMask[0]);
        const std::uint32_t x = (s & m.xorMask[1]) | (~s & m.xorMask[0]);
        dest[i] = ((dest[i] & a) ^ x) & valueMask;
    }
}

// Converts a run of source values to the destination's format: colour to
// monochrome by the source context's background colour (the whole stored
// value must match, so an inverted pixel with its high byte set never does),
// monochrome to colour by the destination's text (0) and background (1)
// colours.
void ConvertRow(const BlitFormats& f, const std::uint32_t* source, int count, std::uint32_t* out) {
    if (f.sourceBits == f.destBits) {
        std::copy(source, source + count, out);
    } else if (f.destBits == 1) {
        for (int i = 0; i < count; ++i) out[i] = source[i] == f.sourceBackground ? 1u : 0u;
    } else {
        for (int i = 0; i < count; ++i) out[i] = source[i] ? f.destBackground : f.destText;
    }
}

}  // namespace detail

namespace {

// The rectangle (x, y, width, height) covers, a negative extent counting
// back from x + 1.
RECT BoundingRect(int x, int y, int width, int height) {
    RECT r{x, y, x + width, y + height};
    if (r.left > r.right) r = RECT{r.right + 1, r.top, r.left + 1, r.bottom};
    if (r.top > r.bottom) r = RECT{r.left, r.bottom + 1, r.right, r.top + 1};
    return r;
}

struct BlitEnds {
    DcObject* destDc = nullptr;
    Surface dest;
    DcObject* sourceDc = nullptr;
    Surface source;
};

bool ResolveEnds(HDC dest, HDC source, bool needSource, BlitEnds* out) {
    out->destDc = FindDc(dest.id);
    if (out->destDc == nullptr) return false;
    BitmapObject* db = FindBitmap(out->destDc->bitmap);
    if (db == nullptr) return false;
    out->dest = SurfaceOf(*db);
    if (!needSource) return true;
    out->sourceDc = FindDc(source.id);
    if (out->sourceDc == nullptr) return false;
    BitmapObject* sb = FindBitmap(out->sourceDc->bitmap);
    if (sb == nullptr) return false;
    out->source = SurfaceOf(*sb);
    return true;
}

BlitFormats FormatsOf(const BlitEnds& e) {
    BlitFormats f;
    f.destBits = e.dest.bitsPerPixel;
    f.sourceBits = e.source.bitsPerPixel;
    if (e.sourceDc) f.sourceBackground = e.sourceDc->bkColor & 0x00FFFFFFu;
    f.sourceBackground = PixelFromColor(f.sourceBackground) & 0x00FFFFFFu;
    f.destText = PixelFromColor(e.destDc->textColor);
    f.destBackground = PixelFromColor(e.destDc->bkColor);
    return f;
}

std::uint32_t PatternValue(const BlitEnds& e) {
    const BrushObject* brush = FindBrush(e.destDc->brush);
    return brush ? StoredValue(e.dest, brush->color) : 0u;
}

std::uint32_t ValueMask(const Surface& s) { return s.bitsPerPixel == 1 ? 1u : ~0u; }

}  // namespace

bool BitBlt(HDC dest, int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
            DWORD rop) {
    if (!InDeviceSpace({x, y, width, height, sourceX, sourceY})) return false;
    const RopMasks probe = MakeRopMasks(rop, 0);
    if (probe.usesSource) {
        return StretchBlt(dest, x, y, width, height, source, sourceX, sourceY, width, height, rop);
    }
    BlitEnds e;
    if (!ResolveEnds(dest, source, false, &e)) return false;
    RECT r;
    if (!Intersect(BoundingRect(x, y, width, height), e.dest.Bounds(), &r)) return true;
    const RopMasks m = MakeRopMasks(rop, PatternValue(e));
    // Without a source the operation is one and/xor pair for every pixel.
    RectClipped(e.dest, r, PixelOp{m.andMask[0], m.xorMask[0] & ValueMask(e.dest)});
    return true;
}

bool StretchBlt(HDC dest, int x, int y, int width, int height, HDC source, int sourceX,
                int sourceY, int sourceWidth, int sourceHeight, DWORD rop) {
    if (!InDeviceSpace({x, y, width, height, sourceX, sourceY, sourceWidth, sourceHeight})) {
        return false;
    }
    const RopMasks probe = MakeRopMasks(rop, 0);
    if (!probe.usesSource) return BitBlt(dest, x, y, width, height, source, 0, 0, rop);
    BlitEnds e;
    if (!ResolveEnds(dest, source, true, &e)) return false;

    BlitCoords dst{x, y, width, height, {}};
    BlitCoords src{sourceX, sourceY, sourceWidth, sourceHeight, {}};
    if (!Intersect(BoundingRect(x, y, width, height), e.dest.Bounds(), &dst.visible)) return true;
    if (!Intersect(BoundingRect(sourceX, sourceY, sourceWidth, sourceHeight), e.source.Bounds(),
                   &src.visible)) {
        return true;
    }
    const BlitFormats formats = FormatsOf(e);
    const RopMasks masks = MakeRopMasks(rop, PatternValue(e));
    const std::uint32_t valueMask = ValueMask(e.dest);

    if (width == sourceWidth && height == sourceHeight) {
        // Same size: the visible parts of both ends, intersected.
        RECT srcInDest = src.visible;
        const int ox = dst.x - src.x, oy = dst.y - src.y;
        srcInDest = RECT{srcInDest.left + ox, srcInDest.top + oy, srcInDest.right + ox, srcInDest.bottom + oy};
        RECT r;
        if (!Intersect(srcInDest, dst.visible, &r)) return true;
        const int w = r.right - r.left;
        const int h = r.bottom - r.top;
        if (e.source.pixels == e.dest.pixels) {
            // One bitmap: read the whole block first, so that every source
            // pixel is read before it is overwritten.
            std::vector<std::uint32_t> block(static_cast<std::size_t>(w) * h);
            for (int row = 0; row < h; ++row) {
                const std::uint32_t* in = e.source.Row(r.top - oy + row) + (r.left - ox);
                ConvertRow(formats, in, w, &block[static_cast<std::size_t>(row) * w]);
            }
            for (int row = 0; row < h; ++row) {
                ApplyRopRow(e.dest.Row(r.top + row) + r.left, &block[static_cast<std::size_t>(row) * w],
                            w, masks, valueMask);
            }
            return true;
        }
        const bool sameFormat = formats.sourceBits == formats.destBits;
        if (sameFormat && IsPlainCopy(masks) && w == e.dest.width && w == e.source.width) {
            // Whole rows of two bitmaps of one width (a repaint's bitmap to
            // its window): one block.
            const std::uint32_t* in = e.source.Row(r.top - oy);
            std::copy(in, in + static_cast<std::ptrdiff_t>(w) * h, e.dest.Row(r.top));
            return true;
        }
        std::vector<std::uint32_t> scratch(sameFormat ? 0 : static_cast<std::size_t>(w));
        for (int row = 0; row < h; ++row) {
            const std::uint32_t* in = e.source.Row(r.top - oy + row) + (r.left - ox);
            if (!sameFormat) {
                ConvertRow(formats, in, w, scratch.data());
                in = scratch.data();
            }
            ApplyRopRow(e.dest.Row(r.top + row) + r.left, in, w, masks, valueMask);
        }
        return true;
    }

    StretchBlock(e.dest, dst, e.source, src, formats, masks, valueMask);
    return true;
}

}  // namespace vemmix::gdi
