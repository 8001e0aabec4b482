// The button's software drawing surface: device contexts, bitmaps, pens,
// brushes, fonts and palettes with the coverage rules of the Windows GDI.
//
// Objects are addressed by typed handles into a per-thread object table, as
// in GDI: a zero handle is "no object", and a call given an invalid handle
// does nothing and reports failure. Everything is drawn on the calling
// thread; the table is thread_local so that independent threads (tests) do
// not share objects.
//
// Colours are COLORREF values 0x00BBGGRR (red in the low byte). Pixels of a
// 32-bit bitmap are stored top-down as bytes B, G, R, X, that is as the
// 32-bit little-endian value 0xXXRRGGBB; PixelFromColor/ColorFromPixel
// convert between the two.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace vemmix {
class TextRenderer;  // render/TextRenderer.h
}

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

// ---- pens, brushes --------------------------------------------------------
constexpr int PS_SOLID = 0;
constexpr int PS_INSIDEFRAME = 6;

HPEN CreatePen(int style, int width, COLORREF color);
HBRUSH CreateSolidBrush(COLORREF color);

// ---- device contexts and bitmaps ------------------------------------------
// A new memory context holds a 1 x 1 monochrome stock bitmap, the stock
// black pen (width 1), the stock white brush, the system font, the default
// palette, background mode OPAQUE, background colour white, text colour
// black and current position (0, 0). `reference` may be null (the screen).
HDC CreateCompatibleDC(HDC reference);
bool DeleteDC(HDC dc);

// A colour bitmap unless `dc` has a monochrome bitmap selected, as in GDI.
// A null dc means the screen (32-bit colour). Pixels start as 0.
HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height);
// bitsPerPixel 1 (monochrome) or 32; `bits` may be null (all pixels 0),
// else it holds top-down rows in the layout of that depth (1 bpp rows padded
// to 16 bits, as CreateBitmap expects).
HBITMAP CreateBitmap(int width, int height, unsigned planes, unsigned bitsPerPixel,
                     const void* bits);

// Selecting returns the previously selected object of the same kind, or a
// null handle on failure. A bitmap can be selected into one context at a
// time.
HBITMAP SelectObject(HDC dc, HBITMAP bitmap);
HPEN SelectObject(HDC dc, HPEN pen);
HBRUSH SelectObject(HDC dc, HBRUSH brush);
HFONT SelectObject(HDC dc, HFONT font);

// Deleting fails for an object still selected into a context (as in GDI,
// where the object then stays alive) and for stock objects.
bool DeleteObject(HBITMAP object);
bool DeleteObject(HPEN object);
bool DeleteObject(HBRUSH object);
bool DeleteObject(HFONT object);
bool DeleteObject(HPALETTE object);

// Palettes are accepted and have no effect on this true-colour surface.
HPALETTE CreateHalftonePalette(HDC dc);
HPALETTE SelectPalette(HDC dc, HPALETTE palette, bool forceBackground);
unsigned RealizePalette(HDC dc);

HDC GetScreenDC();             // GetDC(NULL)
int ReleaseDC(HDC screenDC);   // ReleaseDC(NULL, dc)

// Number of live objects created by the calls above (stock objects and the
// screen context excluded): a test reads it to find leaks.
std::size_t LiveObjectCount();
std::size_t LiveObjectCount(ObjectKind kind);

// ---- attributes -----------------------------------------------------------
constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;
constexpr COLORREF CLR_INVALID = 0xFFFFFFFFu;

COLORREF SetBkColor(HDC dc, COLORREF color);    // returns the previous colour
COLORREF GetBkColor(HDC dc);
COLORREF SetTextColor(HDC dc, COLORREF color);  // returns the previous colour
COLORREF GetTextColor(HDC dc);
int SetBkMode(HDC dc, int mode);                // returns the previous mode, 0 on failure
int GetBkMode(HDC dc);

constexpr int LOGPIXELSX = 88;
constexpr int LOGPIXELSY = 90;
// The screen's logical resolution, reported by GetDeviceCaps; the platform
// sets it (96 dots per inch until then).
void SetScreenResolution(int dpiX, int dpiY);
int GetDeviceCaps(HDC dc, int index);

// ---- drawing --------------------------------------------------------------
// Device space is 28 bits wide, as in GDI: a drawing or transfer call given
// a coordinate or extent beyond +-kMaxCoordinate draws nothing and fails.
// So does a shape whose pen or corner ellipse is more than kMaxEllipse
// pixels across (a wide pen is round at its ends and joins), since its row
// table would dwarf any bitmap it could be drawn on.
constexpr int kMaxCoordinate = (1 << 27) - 1;
constexpr int kMaxEllipse = 1 << 16;

bool MoveToEx(HDC dc, int x, int y, POINT* previous);
bool LineTo(HDC dc, int x, int y);
bool Rectangle(HDC dc, int left, int top, int right, int bottom);
bool RoundRect(HDC dc, int left, int top, int right, int bottom, int ellipseWidth,
               int ellipseHeight);
int FillRect(HDC dc, const RECT& rect, HBRUSH brush);
int FrameRect(HDC dc, const RECT& rect, HBRUSH brush);
bool SetPixelV(HDC dc, int x, int y, COLORREF color);
COLORREF GetPixel(HDC dc, int x, int y);  // CLR_INVALID outside the bitmap
bool DrawFocusRect(HDC dc, const RECT& rect);

// ---- block transfers ------------------------------------------------------
constexpr DWORD SRCCOPY = 0x00CC0020;
constexpr DWORD SRCPAINT = 0x00EE0086;
constexpr DWORD SRCAND = 0x008800C6;
constexpr DWORD SRCINVERT = 0x00660046;
constexpr DWORD SRCERASE = 0x00440328;
constexpr DWORD NOTSRCCOPY = 0x00330008;
constexpr DWORD DSTINVERT = 0x00550009;
constexpr DWORD BLACKNESS = 0x00000042;
constexpr DWORD WHITENESS = 0x00FF0062;
constexpr DWORD SRCANDNOTDST = 0x00220326;  // destination AND NOT source

// Colour to monochrome: source pixels equal to the source context's
// background colour become 1, the rest 0. Monochrome to colour: 0 becomes
// the destination's text colour, 1 its background colour.
bool BitBlt(HDC dest, int x, int y, int width, int height, HDC source, int sourceX,
            int sourceY, DWORD rop);
// Default stretch mode of a new memory context (BLACKONWHITE).
bool StretchBlt(HDC dest, int x, int y, int width, int height, HDC source, int sourceX,
                int sourceY, int sourceWidth, int sourceHeight, DWORD rop);

// ---- bitmap information and pixel arrays ----------------------------------
struct BITMAP {
    std::int32_t bmType = 0;
    std::int32_t bmWidth = 0;
    std::int32_t bmHeight = 0;
    std::int32_t bmWidthBytes = 0;
    std::uint16_t bmPlanes = 0;
    std::uint16_t bmBitsPixel = 0;
    void* bmBits = nullptr;
};
// Fills `out` and returns sizeof(BITMAP) (24 in the original layout), or 0.
int GetObject(HBITMAP bitmap, BITMAP* out);

struct BITMAPINFOHEADER {
    std::uint32_t biSize = 40;
    std::int32_t biWidth = 0;
    std::int32_t biHeight = 0;  // negative: top-down rows
    std::uint16_t biPlanes = 1;
    std::uint16_t biBitCount = 32;
    std::uint32_t biCompression = 0;  // BI_RGB
    std::uint32_t biSizeImage = 0;
    std::int32_t biXPelsPerMeter = 0;
    std::int32_t biYPelsPerMeter = 0;
    std::uint32_t biClrUsed = 0;
    std::uint32_t biClrImportant = 0;
};
constexpr unsigned DIB_RGB_COLORS = 0;
constexpr std::uint32_t BI_RGB = 0;

// Only the 32-bit BI_RGB layout is supported (top-down when biHeight < 0).
// Return the number of scan lines copied, 0 on failure.
int GetDIBits(HDC dc, HBITMAP bitmap, unsigned startScan, unsigned scanLines, void* bits,
              BITMAPINFOHEADER* info, unsigned usage);
int SetDIBits(HDC dc, HBITMAP bitmap, unsigned startScan, unsigned scanLines,
              const void* bits, const BITMAPINFOHEADER* info, unsigned usage);

// ---- direct pixel access for the platform and tests -------------------------
struct PixelView {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;  // 32 or 1
    // 32 bpp: width * height values 0xXXRRGGBB, top-down.
    // 1 bpp: width * height values 0 or 1, top-down.
    std::span<std::uint32_t> pixels;
};
PixelView GetBitmapPixels(HBITMAP bitmap);
HBITMAP GetCurrentBitmap(HDC dc);

// ---- fonts and text -------------------------------------------------------
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
HFONT CreateFontIndirect(const LOGFONT& font);
// The LOGFONT a font was created from; false for an invalid handle.
bool GetFontInfo(HFONT font, LOGFONT* out);
HFONT GetCurrentFont(HDC dc);

// The renderer that DrawTextW/DrawTextA use in this context; the redraw
// pipeline attaches the platform's renderer to its memory context.
void SetTextRenderer(HDC dc, TextRenderer* renderer);
TextRenderer* GetTextRenderer(HDC dc);

constexpr unsigned DT_LEFT = 0x0;
constexpr unsigned DT_CENTER = 0x1;
constexpr unsigned DT_RIGHT = 0x2;
constexpr unsigned DT_WORDBREAK = 0x10;
constexpr unsigned DT_SINGLELINE = 0x20;
constexpr unsigned DT_NOPREFIX = 0x800;
constexpr unsigned DT_CALCRECT = 0x400;

// DrawText semantics with the context's font, text colour, background mode
// and colour. `length` -1: the text ends at its first NUL. Returns the
// height of the text, 0 on failure. With DT_CALCRECT nothing is drawn and
// rect.bottom (and rect.right) are set to the measured extent.
int DrawTextW(HDC dc, const char16_t* text, int length, RECT* rect, unsigned format);
// The text is in the ANSI code page (Windows-1252 here).
int DrawTextA(HDC dc, const char* text, int length, RECT* rect, unsigned format);

// ---- icons ----------------------------------------------------------------
struct Icon;  // render/Icon.h
constexpr unsigned DI_MASK = 1;
constexpr unsigned DI_IMAGE = 2;
constexpr unsigned DI_NORMAL = 3;
bool DrawIconEx(HDC dc, int x, int y, const Icon& icon, int width, int height,
                unsigned step, HBRUSH flickerFreeBrush, unsigned flags);

}  // namespace vemmix::gdi
