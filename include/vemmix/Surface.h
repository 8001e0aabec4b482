// The part of the button's software drawing surface that a container needs:
// the handle and geometry types, the window's memory context and bitmap,
// direct access to its pixels, and the font description the text renderer
// receives.
//
// Objects are addressed by typed handles into an object table, as in GDI:
// a zero handle is "no object", and a call given an invalid handle does
// nothing and reports failure. The table is one for the process and lasts
// until it ends (a handle released by a static object at exit is still
// valid); drawing happens on one thread at a time, the user-interface
// thread.
//
// Colours are COLORREF values 0x00BBGGRR (red in the low byte). Pixels of a
// 32-bit bitmap are stored top-down as bytes B, G, R, X, that is as the
// 32-bit little-endian value 0xXXRRGGBB; PixelFromColor/ColorFromPixel
// convert between the two.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include <vemmix/Export.h>

namespace vemmix::gdi {

using COLORREF = std::uint32_t;
using DWORD = std::uint32_t;

struct POINT {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

struct RECT {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    friend bool operator==(const RECT&, const RECT&) = default;
};

enum class ObjectKind : std::uint8_t { DC = 1, Bitmap, Pen, Brush, Font, Palette };

// A typed handle; 0 is the null handle.
template <ObjectKind K>
struct Handle {
    std::uint32_t id = 0;
    explicit operator bool() const { return id != 0; }
    friend bool operator==(Handle, Handle) = default;
};

using HDC = Handle<ObjectKind::DC>;
using HBITMAP = Handle<ObjectKind::Bitmap>;
using HPEN = Handle<ObjectKind::Pen>;
using HBRUSH = Handle<ObjectKind::Brush>;
using HFONT = Handle<ObjectKind::Font>;
using HPALETTE = Handle<ObjectKind::Palette>;

constexpr std::uint32_t PixelFromColor(COLORREF c) {
    return ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
}
constexpr COLORREF ColorFromPixel(std::uint32_t p) {
    return ((p & 0xFFu) << 16) | (p & 0xFF00u) | ((p >> 16) & 0xFFu);
}

// ---- device contexts and bitmaps ------------------------------------------
// A new memory context holds a 1 x 1 monochrome stock bitmap, the stock
// black pen (width 1), the stock white brush, the system font, the default
// palette, background mode OPAQUE, background colour white, text colour
// black and current position (0, 0). `reference` may be null (the screen).
VEMMIX_EXPORT HDC CreateCompatibleDC(HDC reference);
VEMMIX_EXPORT bool DeleteDC(HDC dc);

// A colour bitmap unless `dc` has a monochrome bitmap selected, as in GDI.
// A null dc means the screen (32-bit colour). Pixels start as 0.
VEMMIX_EXPORT HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height);
// bitsPerPixel 1 (monochrome) or 32; `bits` may be null (all pixels 0),
// else it holds top-down rows in the layout of that depth (1 bpp rows padded
// to 16 bits, as CreateBitmap expects).
VEMMIX_EXPORT HBITMAP CreateBitmap(int width, int height, unsigned planes,
                                   unsigned bitsPerPixel, const void* bits);

// Selecting returns the previously selected bitmap, or a null handle on
// failure. A bitmap can be selected into one context at a time.
VEMMIX_EXPORT HBITMAP SelectObject(HDC dc, HBITMAP bitmap);
// Deleting fails for a bitmap still selected into a context (as in GDI,
// where it then stays alive) and for the stock bitmap.
VEMMIX_EXPORT bool DeleteObject(HBITMAP object);

// Number of live objects (stock objects and the screen context excluded):
// a container or a test reads it to find leaks.
VEMMIX_EXPORT std::size_t LiveObjectCount();
VEMMIX_EXPORT std::size_t LiveObjectCount(ObjectKind kind);

// ---- direct pixel access ---------------------------------------------------
struct PixelView {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;  // 32 or 1
    // 32 bpp: width * height values 0xXXRRGGBB, top-down.
    // 1 bpp: width * height values 0 or 1, top-down.
    std::span<std::uint32_t> pixels;
};
// The pixels stay where they are for the bitmap's life, so a container may
// wrap them (a QImage over the same memory, say) instead of copying.
VEMMIX_EXPORT PixelView GetBitmapPixels(HBITMAP bitmap);
VEMMIX_EXPORT HBITMAP GetCurrentBitmap(HDC dc);

// ---- text ----------------------------------------------------------------
constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;

// The font a context draws with, in the layout of the Windows LOGFONT. The
// face name is the ANSI name the drawing code built; text renderers receive
// the font's own UTF-16 name beside it.
struct LOGFONT {
    std::int32_t lfHeight = 0;
    std::int32_t lfWidth = 0;
    std::int32_t lfEscapement = 0;
    std::int32_t lfOrientation = 0;
    std::int32_t lfWeight = 0;
    std::uint8_t lfItalic = 0;
    std::uint8_t lfUnderline = 0;
    std::uint8_t lfStrikeOut = 0;
    std::uint8_t lfCharSet = 0;
    std::uint8_t lfOutPrecision = 0;
    std::uint8_t lfClipPrecision = 0;
    std::uint8_t lfQuality = 0;
    std::uint8_t lfPitchAndFamily = 0;
    char lfFaceName[32] = {};  // ANSI, NUL-terminated unless all 32 bytes are used
};

constexpr unsigned DT_LEFT = 0x0;
constexpr unsigned DT_CENTER = 0x1;
constexpr unsigned DT_RIGHT = 0x2;
constexpr unsigned DT_WORDBREAK = 0x10;
constexpr unsigned DT_SINGLELINE = 0x20;
constexpr unsigned DT_CALCRECT = 0x400;
constexpr unsigned DT_NOPREFIX = 0x800;

}  // namespace vemmix::gdi
