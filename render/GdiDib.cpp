// Bitmap information and pixel arrays: GetObject, GetDIBits, SetDIBits.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "render/GdiObjects.h"
#include "render/GdiRaster.h"

namespace vemmix::gdi {

using namespace detail;

int GetObject(HBITMAP bitmap, BITMAP* out) {
    const BitmapObject* b = FindBitmap(bitmap.id);
    if (b == nullptr || out == nullptr) return 0;
    out->bmType = 0;
    out->bmWidth = b->width;
    out->bmHeight = b->height;
    // Device-dependent bitmaps report rows padded to 16 bits and no bits pointer.
    out->bmWidthBytes = ((b->width * b->bitsPerPixel + 15) / 16) * 2;
    out->bmPlanes = 1;
    out->bmBitsPixel = static_cast<std::uint16_t>(b->bitsPerPixel);
    out->bmBits = nullptr;
    return 24;
}

namespace {

// The part of a 32-bit BI_RGB DIB that a call transfers: which bitmap rows
// go to which DIB rows. Scan lines count from the DIB's first stored row for
// a top-down DIB and from its bottom row for a bottom-up one, as in GDI.
struct DibTransfer {
    BitmapObject* bitmap = nullptr;
    int dibWidth = 0;
    int dibHeight = 0;
    bool topDown = false;
    int first = 0;  // first scan line transferred
    int count = 0;  // scan lines transferred

    // Bitmap row of scan line s, and its row index in the caller's buffer
    // (the buffer starts with the first scan line transferred).
    int BitmapRow(int s) const { return topDown ? s : dibHeight - 1 - s; }
    int BufferRow(int s) const { return s - first; }
};

bool PrepareTransfer(HDC dc, HBITMAP bitmap, unsigned startScan, unsigned scanLines,
                     const BITMAPINFOHEADER* info, unsigned usage, DibTransfer* t) {
    if (FindDc(dc.id) == nullptr || info == nullptr || usage != DIB_RGB_COLORS) return false;
    t->bitmap = FindBitmap(bitmap.id);
    if (t->bitmap == nullptr) return false;
    if (info->biBitCount != 32 || info->biCompression != BI_RGB || info->biPlanes != 1 ||
        info->biWidth <= 0 || info->biHeight == 0) {
        return false;
    }
    t->dibWidth = info->biWidth;
    t->topDown = info->biHeight < 0;
    t->dibHeight = static_cast<int>(std::min<std::int64_t>(std::llabs(info->biHeight), 1 << 30));
    if (startScan >= static_cast<unsigned>(t->dibHeight)) return false;
    t->first = static_cast<int>(startScan);
    const std::int64_t last = std::min<std::int64_t>(static_cast<std::int64_t>(startScan) + scanLines,
                                                     t->dibHeight);
    t->count = static_cast<int>(last - t->first);
    return t->count > 0;
}

}  // namespace

int GetDIBits(HDC dc, HBITMAP bitmap, unsigned startScan, unsigned scanLines, void* bits,
              BITMAPINFOHEADER* info, unsigned usage) {
    if (bits == nullptr && info != nullptr && FindDc(dc.id) != nullptr) {
        // Asked for the format only.
        const BitmapObject* b = FindBitmap(bitmap.id);
        if (b == nullptr) return 0;
        info->biWidth = b->width;
        info->biHeight = b->height;
        info->biPlanes = 1;
        info->biBitCount = 32;
        info->biCompression = BI_RGB;
        info->biSizeImage = static_cast<std::uint32_t>(b->width) * 4u * static_cast<std::uint32_t>(b->height);
        return b->height;
    }
    DibTransfer t;
    if (bits == nullptr || !PrepareTransfer(dc, bitmap, startScan, scanLines, info, usage, &t)) return 0;
    const Surface s = SurfaceOf(*t.bitmap);
    auto* out = static_cast<std::uint32_t*>(bits);
    const int copyWidth = std::min(t.dibWidth, s.width);
    for (int line = t.first; line < t.first + t.count; ++line) {
        std::uint32_t* row = out + static_cast<std::ptrdiff_t>(t.BufferRow(line)) * t.dibWidth;
        const int y = t.BitmapRow(line);
        if (y < 0 || y >= s.height) {
            std::fill(row, row + t.dibWidth, 0u);
            continue;
        }
        const std::uint32_t* in = s.Row(y);
        if (s.bitsPerPixel == 32) {
            std::copy(in, in + copyWidth, row);
        } else {
            for (int x = 0; x < copyWidth; ++x) row[x] = in[x] ? 0x00FFFFFFu : 0u;
        }
        std::fill(row + copyWidth, row + t.dibWidth, 0u);
    }
    return t.count;
}

int SetDIBits(HDC dc, HBITMAP bitmap, unsigned startScan, unsigned scanLines, const void* bits,
              const BITMAPINFOHEADER* info, unsigned usage) {
    DibTransfer t;
    if (bits == nullptr || !PrepareTransfer(dc, bitmap, startScan, scanLines, info, usage, &t)) return 0;
    const Surface s = SurfaceOf(*t.bitmap);
    const auto* in = static_cast<const std::uint32_t*>(bits);
    const int copyWidth = std::min(t.dibWidth, s.width);
    for (int line = t.first; line < t.first + t.count; ++line) {
        const int y = t.BitmapRow(line);
        if (y < 0 || y >= s.height) continue;
        const std::uint32_t* row = in + static_cast<std::ptrdiff_t>(t.BufferRow(line)) * t.dibWidth;
        std::uint32_t* dest = s.Row(y);
        if (s.bitsPerPixel == 32) {
            std::copy(row, row + copyWidth, dest);
        } else {
            for (int x = 0; x < copyWidth; ++x) dest[x] = StoredValue(s, ColorFromPixel(row[x]));
        }
    }
    return t.count;
}

}  // namespace vemmix::gdi
